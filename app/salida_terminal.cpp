#include "salida_terminal.h"

#include "busqueda_global.h"
#include "cita.h"
#include "enmiendas.h"
#include "entradas.h"
#include "rotulos_busqueda.h"

#include <QStringList>

namespace {

// The context line of a result with every hit that falls wholly inside it between [ and ].
QString contextoMarcado(const QString &texto, const QList<Tramo> &tramos)
{
    const Contexto_Coincidencia c = contextoDe(texto, tramos.first());
    const int desplazamiento = c.inicio - tramos.first().inicio; // text position to line position
    QString linea;
    int hecho = 0;
    for (const Tramo &t : tramos) {
        const int desde = t.inicio + desplazamiento;
        const int hasta = desde + t.largo;
        if (desde < hecho || hasta > c.texto.size())
            continue;
        linea += QStringView(c.texto).mid(hecho, desde - hecho);
        linea += QLatin1Char('[') + c.texto.mid(desde, t.largo) + QLatin1Char(']');
        hecho = hasta;
    }
    return linea + c.texto.mid(hecho);
}

} // namespace

Salida_Busqueda Buscar_Para_Terminal(QStringView consulta)
{
    const QList<Resultado_Busqueda> resultados = Buscar_En_Textos(consulta);
    QStringList bloques;
    int coincidencias = 0;
    for (const Resultado_Busqueda &r : resultados) {
        const int n = int(r.tramos.size());
        coincidencias += n;
        bloques << QStringLiteral("%1: %2 %3\n  %4\n")
                       .arg(Nombre_Resultado(r.entrada))
                       .arg(n)
                       .arg(n == 1 ? QStringLiteral("coincidencia") : QStringLiteral("coincidencias"),
                            contextoMarcado(Texto_Entrada(r.entrada), r.tramos));
    }
    bloques << Texto_Cuenta(coincidencias, int(resultados.size()), consulta) + QLatin1Char('\n');
    return {bloques.join(QLatin1Char('\n')), !resultados.isEmpty()};
}

QString Entrada_Para_Terminal(int articulo, int ancho)
{
    const int entrada = articulo + 1;
    QString salida = Cita_Completa(entrada) + QLatin1Char('\n');
    for (const QString &encabezado : Encabezados_Cita(entrada))
        salida += Ajustar_Lineas(encabezado, ancho) + QLatin1Char('\n');
    if (const QString nota = Nota_Enmienda(entrada); !nota.isEmpty())
        salida += QLatin1Char('\n') + Ajustar_Lineas(nota, ancho) + QLatin1Char('\n');
    return salida + QLatin1Char('\n') + Ajustar_Lineas(Texto_Entrada(entrada), ancho) + QLatin1Char('\n');
}

QString Ajustar_Lineas(QStringView texto, int ancho)
{
    if (ancho <= 0)
        return texto.toString();
    QStringList parrafos;
    for (const QStringView parrafo : texto.split(QLatin1Char('\n'))) {
        QString lineas;
        int largoLinea = 0;
        for (const QStringView palabra : parrafo.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (largoLinea > 0 && largoLinea + 1 + palabra.size() > ancho) {
                lineas += QLatin1Char('\n');
                largoLinea = 0;
            } else if (largoLinea > 0) {
                lineas += QLatin1Char(' ');
                ++largoLinea;
            }
            lineas += palabra;
            largoLinea += int(palabra.size());
        }
        parrafos << lineas;
    }
    return parrafos.join(QLatin1Char('\n'));
}
