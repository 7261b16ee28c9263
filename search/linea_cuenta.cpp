#include "linea_cuenta.h"

#include "rotulos_busqueda.h"

#include <QStringList>

Linea_Cuenta lineaCuenta(int coincidencias, int entradas, QStringView consulta)
{
    // Only a query that finds nothing can offer words; the count line knows what else to say.
    const QList<Sugerencia_Consulta> sugerencias =
        coincidencias == 0 && !consulta.isEmpty() ? quisoDecir(consulta).sugerencias : QList<Sugerencia_Consulta>();
    if (sugerencias.isEmpty()) {
        const QString texto = Texto_Cuenta(coincidencias, entradas, consulta);
        return {texto, texto.toHtmlEscaped(), {}};
    }
    QStringList leidas;
    QStringList enlazadas;
    for (int i = 0; i < sugerencias.size(); ++i) {
        const QString tecla = QStringLiteral("(Alt+%1)").arg(i + 1);
        leidas << QStringLiteral("«%1» %2").arg(sugerencias[i].palabra, tecla);
        enlazadas << QStringLiteral("«<a href=\"%1\">%2</a>» %3").arg(i + 1).arg(sugerencias[i].palabra.toHtmlEscaped(), tecla);
    }
    return {Texto_Quiso_Decir(leidas), Texto_Quiso_Decir(enlazadas), sugerencias};
}
