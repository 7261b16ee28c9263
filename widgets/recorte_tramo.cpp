#include "recorte_tramo.h"

#include <algorithm>

namespace {

const QString Puntos = QStringLiteral("…");

} // namespace

Recorte_Tramo recortarAlrededor(QStringView texto, int inicio, int largo, int anchoDisponible,
                                const std::function<int(QStringView)> &ancho,
                                const std::function<int(QStringView)> &anchoTramo)
{
    const qsizetype n = texto.size();
    const qsizetype ini = std::clamp<qsizetype>(inicio, 0, n);
    const qsizetype fin = std::clamp<qsizetype>(ini + std::max(largo, 0), ini, n);
    const QStringView antes = texto.first(ini);
    const QStringView tramo = texto.sliced(ini, fin - ini);
    const QStringView despues = texto.sliced(fin);

    // t characters of context kept: half on each side, the rest on the side that has more.
    const auto partir = [&](qsizetype t) {
        qsizetype izquierda = std::min(antes.size(), std::max(t / 2, t - despues.size()));
        return std::pair{izquierda, t - izquierda};
    };
    const auto armar = [&](qsizetype t) {
        const auto [izq, der] = partir(t);
        Recorte_Tramo r;
        const bool cortaAntes = izq < antes.size();
        const bool cortaDespues = der < despues.size();
        if (cortaAntes)
            r.texto += Puntos;
        r.texto += antes.last(izq);
        r.texto += tramo;
        r.texto += despues.first(der);
        if (cortaDespues)
            r.texto += Puntos;
        r.inicio = int((cortaAntes ? Puntos.size() : 0) + izq);
        r.largo = int(tramo.size());
        return r;
    };
    const auto cabe = [&](qsizetype t) {
        const Recorte_Tramo r = armar(t);
        const QStringView v(r.texto);
        return ancho(v.first(r.inicio)) + anchoTramo(v.sliced(r.inicio, r.largo))
                   + ancho(v.sliced(r.inicio + r.largo))
               <= anchoDisponible;
    };

    const qsizetype total = antes.size() + despues.size();
    if (cabe(total))
        return armar(total);
    // The most context that fits: the widths grow with t.
    qsizetype bajo = 0;
    qsizetype alto = total;
    while (bajo < alto) {
        const qsizetype medio = (bajo + alto + 1) / 2;
        if (cabe(medio))
            bajo = medio;
        else
            alto = medio - 1;
    }
    if (bajo == 0 && !cabe(0))
        return {tramo.toString(), 0, int(tramo.size())};
    return armar(bajo);
}
