// Build step: derives the word concordance from the UTF-8 entry texts and writes it as
// the compiled-in flat table of Latin-1 strings.
#include "concordancia.h"
#include "literal_cpp.h"
#include "paso_generador.h"

namespace {

QByteArray tablaDePalabras(const QStringList &entradas)
{
    QByteArray cpp = "// Generated from the entry texts file by generar_palabras. Do not edit.\n"
                     "#include \"palabras.h\"\n\nnamespace {\n"
                     "constexpr QLatin1String cadenas[] = {\n    QLatin1String(),\n";
    for (const QString &cadena : derivarConcordancia(entradas))
        cpp += "    QLatin1String(" + literalCpp(cadena) + ", " + QByteArray::number(cadena.size()) + "),\n";
    cpp += "};\n} // namespace\n\nconst TablaPalabras Palabras{cadenas};\n";
    return cpp;
}

} // namespace

int main(int argc, char **argv)
{
    return ejecutarPasoGenerador(argc, argv, "generar_palabras", tablaDePalabras);
}
