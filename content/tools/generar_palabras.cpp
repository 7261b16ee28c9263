// Build step: derives the word concordance from the UTF-8 entry texts and writes it as
// the compiled-in flat table of Latin-1 strings.
#include "concordancia.h"
#include "lectura_textos.h"
#include "literal_cpp.h"

#include <QFile>
#include <QSaveFile>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: generar_palabras textos.txt salida.cpp\n");
        return 2;
    }
    QFile entrada(QString::fromLocal8Bit(argv[1]));
    if (!entrada.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: cannot read the entry texts\n", argv[1]);
        return 1;
    }
    const LecturaTextos lectura = leerTextos(entrada.readAll());
    if (!lectura.error.isEmpty()) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(lectura.error));
        return 1;
    }

    const QStringList tabla = derivarConcordancia(lectura.entradas);
    QByteArray cpp = "// Generated from the entry texts file by generar_palabras. Do not edit.\n"
                     "#include \"palabras.h\"\n\nnamespace {\n"
                     "constexpr QLatin1String cadenas[] = {\n    QLatin1String(),\n";
    for (const QString &cadena : tabla)
        cpp += "    QLatin1String(" + literalCpp(cadena) + ", " + QByteArray::number(cadena.size()) + "),\n";
    cpp += "};\n} // namespace\n\nconst TablaPalabras Palabras{cadenas};\n";

    QSaveFile salida(QString::fromLocal8Bit(argv[2]));
    if (!salida.open(QIODevice::WriteOnly) || salida.write(cpp) != cpp.size() || !salida.commit()) {
        std::fprintf(stderr, "%s: cannot write\n", argv[2]);
        return 1;
    }
    return 0;
}
