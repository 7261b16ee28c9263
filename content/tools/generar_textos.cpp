// Build step: turns the UTF-8 entry texts into the compiled-in table of Latin-1 strings.
#include "lectura_textos.h"
#include "literal_cpp.h"

#include <QFile>
#include <QSaveFile>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: generar_textos textos.txt salida.cpp\n");
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

    QByteArray cpp = "// Generated from the entry texts file by generar_textos. Do not edit.\n"
                     "#include \"entradas.h\"\n\nnamespace {\n";
    for (int i = 0; i < lectura.entradas.size(); ++i) {
        cpp += "constexpr char t" + QByteArray::number(i + 1) + "[] =\n";
        const QStringList parrafos = lectura.entradas[i].split(QLatin1Char('\n'));
        for (int p = 0; p < parrafos.size(); ++p) {
            const QString linea = p + 1 < parrafos.size() ? parrafos[p] + QLatin1Char('\n') : parrafos[p];
            cpp += "    " + literalCpp(linea) + '\n';
        }
        cpp += "    ;\n";
    }
    cpp += "} // namespace\n\nconst std::array<Texto_Reg, Numero_Entradas + 1> Textos = {{\n    {},\n";
    for (int i = 0; i < lectura.entradas.size(); ++i) {
        const QByteArray n = QByteArray::number(i + 1);
        cpp += "    {QLatin1String(t" + n + ", sizeof t" + n + " - 1)},\n";
    }
    cpp += "}};\n";

    QSaveFile salida(QString::fromLocal8Bit(argv[2]));
    if (!salida.open(QIODevice::WriteOnly) || salida.write(cpp) != cpp.size() || !salida.commit()) {
        std::fprintf(stderr, "%s: cannot write\n", argv[2]);
        return 1;
    }
    return 0;
}
