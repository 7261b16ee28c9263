#include "imprimir_trabajo.h"

#include "cita.h"
#include "divisiones.h"
#include "entradas.h"

#include <algorithm>

namespace {

bool entradaValida(int entrada)
{
    return entrada >= 1 && entrada <= Numero_Entradas;
}

Pieza_Impresion entera(int entrada, const QList<Tramo> &resaltados)
{
    return {entrada, 0, int(Textos[size_t(entrada)].Texto.size()), resaltados};
}

} // namespace

Trabajo_Impresion Trabajo_Entrada(int entrada, const QList<Tramo> &resaltados)
{
    if (!entradaValida(entrada))
        return {};
    return {Cita_Completa(entrada), {entera(entrada, resaltados)}};
}

Trabajo_Impresion Trabajo_Seleccion(int entrada, int inicio, int largo, const QList<Tramo> &resaltados)
{
    if (!entradaValida(entrada))
        return {};
    const int total = int(Textos[size_t(entrada)].Texto.size());
    const int desde = qBound(0, inicio, total);
    const qint64 fin = largo > 0 ? qint64(inicio) + largo : desde;
    const int hasta = int(std::clamp<qint64>(fin, desde, total));
    if (hasta == desde)
        return {};
    return {Cita_Completa(entrada), {{entrada, desde, hasta - desde, resaltados}}};
}

Trabajo_Impresion Trabajo_Division(int registro)
{
    if (registro < 1 || registro > Numero_Divisiones)
        return {};
    const Division_Reg &d = Divisiones[size_t(registro)];
    Trabajo_Impresion trabajo{Cita_Division(registro), {}};
    for (int e = qMax(1, d.Desde); e <= qMin(d.Hasta, Numero_Entradas); ++e)
        trabajo.piezas.append(entera(e, {}));
    return trabajo;
}

Trabajo_Impresion Trabajo_Resultados(const QList<Resultado_Busqueda> &resultados, QStringView consulta)
{
    Trabajo_Impresion trabajo;
    for (const Resultado_Busqueda &r : resultados) {
        if (entradaValida(r.entrada))
            trabajo.piezas.append(entera(r.entrada, r.tramos));
    }
    if (trabajo.vacio())
        return {};
    const qsizetype n = trabajo.piezas.size();
    trabajo.cita = Obra_Citada()
                   + QStringLiteral(", %1 %2 con «%3»")
                         .arg(n)
                         .arg(n == 1 ? QStringLiteral("entrada") : QStringLiteral("entradas"))
                         .arg(consulta.trimmed().toString().simplified());
    return trabajo;
}
