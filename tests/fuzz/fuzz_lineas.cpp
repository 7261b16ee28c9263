// dividirLineas on any text: the lines hold no break, and joined with line feeds they
// give the text back with CR LF and lone CR turned into LF and a final break dropped.
#include "busqueda_texto.h"
#include "datos_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *datos, size_t tamano)
{
    DatosFuzz entrada(datos, tamano);
    const QString texto = entrada.Texto(1 << 16);
    const QStringList lineas = dividirLineas(texto);

    for (const QString &linea : lineas)
        EXIGIR(!linea.contains(u'\r') && !linea.contains(u'\n'));

    QString esperado = texto;
    esperado.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    if (esperado.isEmpty()) {
        EXIGIR(lineas.isEmpty());
        return 0;
    }
    if (esperado.endsWith(u'\n'))
        esperado.chop(1);
    EXIGIR(lineas.join(u'\n') == esperado);
    EXIGIR(lineas.size() == esperado.count(u'\n') + 1);
    return 0;
}
