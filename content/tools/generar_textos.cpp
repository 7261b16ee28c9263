// Build step: turns the UTF-8 entry texts into the compiled-in table of Latin-1 strings.
#include "literal_cpp.h"
#include "paso_generador.h"

namespace {

QByteArray tablaDeTextos(const QStringList &entradas)
{
    QByteArray cpp = "// Generated from the entry texts file by generar_textos. Do not edit.\n"
                     "#include \"entradas.h\"\n\nnamespace {\n";
    for (int i = 0; i < entradas.size(); ++i) {
        cpp += "constexpr char t" + QByteArray::number(i + 1) + "[] =\n";
        const QStringList parrafos = entradas[i].split(QLatin1Char('\n'));
        for (int p = 0; p < parrafos.size(); ++p) {
            const QString linea = p + 1 < parrafos.size() ? parrafos[p] + QLatin1Char('\n') : parrafos[p];
            cpp += "    " + literalCpp(linea) + '\n';
        }
        cpp += "    ;\n";
    }
    cpp += "} // namespace\n\nconst std::array<Texto_Reg, Numero_Entradas + 1> Textos = {{\n    {},\n";
    for (int i = 0; i < entradas.size(); ++i) {
        const QByteArray n = QByteArray::number(i + 1);
        cpp += "    {QLatin1String(t" + n + ", sizeof t" + n + " - 1)},\n";
    }
    cpp += "}};\n";
    return cpp;
}

} // namespace

int main(int argc, char **argv)
{
    return ejecutarPasoGenerador(argc, argv, "generar_textos", tablaDeTextos);
}
