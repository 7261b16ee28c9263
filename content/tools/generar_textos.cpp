// Build step: turns the UTF-8 entry texts into the compiled-in table of Latin-1 strings.
#include "lectura_textos.h"

#include <QFile>
#include <QSaveFile>

#include <cstdio>

namespace {

// One C++ string literal per paragraph; bytes above 127 as octal escapes so that
// the generated source is plain ASCII and one character stays one byte.
QByteArray literal(const QString &parrafo, bool conSalto)
{
    QByteArray out = "\"";
    for (const QChar ch : parrafo) {
        const auto c = static_cast<unsigned char>(ch.unicode());
        if (c == '"' || c == '\\')
            out += '\\', out += char(c);
        else if (c >= 0x20 && c < 0x7F)
            out += char(c);
        else
            out += '\\' + QByteArray::number(c, 8).rightJustified(3, '0');
    }
    if (conSalto)
        out += "\\n";
    return out + '"';
}

} // namespace

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
        for (int p = 0; p < parrafos.size(); ++p)
            cpp += "    " + literal(parrafos[p], p + 1 < parrafos.size()) + '\n';
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
