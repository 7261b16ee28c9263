#include "imprimir_paginas.h"

#include "apariencia.h"
#include "imprimir_documento.h"
#include "imprimir_saltos.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextBlock>
#include <QTextLayout>

namespace {

// Space between the head and the text, and between the text and the foot, in points.
constexpr qreal Separacion = 10;

} // namespace

QString Pie_Pagina(int pagina, int paginas)
{
    return QStringLiteral("página %1 de %2").arg(pagina).arg(paginas);
}

int Imprimir_Trabajo(const Trabajo_Impresion &trabajo, QPagedPaintDevice &dispositivo)
{
    if (trabajo.vacio())
        return 0;
    const qreal ancho = dispositivo.width();
    const qreal alto = dispositivo.height();
    const qreal punto = dispositivo.logicalDpiY() / 72.0;
    if (ancho <= 0 || alto <= 0 || punto <= 0)
        return 0;

    // The head: the citation, wrapped, over a rule; the foot: one centred line.
    const QFont letraCabeza = Apariencia::fuente(9, false);
    const QFont letraPie = Apariencia::fuente(9, false);
    const QFontMetricsF medidasCabeza(letraCabeza, &dispositivo);
    const QFontMetricsF medidasPie(letraPie, &dispositivo);
    const QRectF cabeza =
        medidasCabeza.boundingRect(QRectF(0, 0, ancho, alto), Qt::AlignLeft | Qt::TextWordWrap, trabajo.cita);
    const qreal altoCabeza = cabeza.height() + Separacion * punto;
    const qreal altoPie = medidasPie.lineSpacing() + Separacion * punto;
    const qreal altoCuerpo = alto - altoCabeza - altoPie;
    if (altoCuerpo < medidasPie.lineSpacing())
        return 0; // a page too small for one line of text

    const std::unique_ptr<QTextDocument> documento = Documento_Impresion(trabajo);
    documento->documentLayout()->setPaintDevice(&dispositivo);
    documento->setPageSize(QSizeF(ancho, altoCuerpo));
    Mantener_Con_Siguiente(*documento);
    const int paginas = documento->pageCount();

    const QPageRanges rangos = dispositivo.pageRanges();
    QTextBlock bloque = documento->begin(); // the first block not yet wholly printed
    QPainter pintor;
    bool primera = true;
    for (int p = 1; p <= paginas; ++p) {
        if (!rangos.isEmpty() && !rangos.contains(p))
            continue;
        if (primera) {
            if (!pintor.begin(&dispositivo))
                return 0;
            primera = false;
        } else if (!dispositivo.newPage()) {
            break;
        }
        pintor.setPen(Qt::black);
        pintor.setFont(letraCabeza);
        pintor.drawText(QRectF(0, 0, ancho, cabeza.height()), Qt::AlignLeft | Qt::TextWordWrap, trabajo.cita);
        const qreal raya = cabeza.height() + Separacion * punto / 2;
        pintor.setPen(QPen(Qt::black, 0.5 * punto));
        pintor.drawLine(QPointF(0, raya), QPointF(ancho, raya));
        pintor.setPen(Qt::black);
        pintor.setFont(letraPie);
        pintor.drawText(QRectF(0, alto - medidasPie.lineSpacing(), ancho, medidasPie.lineSpacing()), Qt::AlignHCenter,
                        Pie_Pagina(p, paginas));

        pintor.save();
        pintor.translate(0, altoCabeza);
        pintor.setClipRect(QRectF(0, 0, ancho, altoCuerpo));
        const qreal arriba = (p - 1) * altoCuerpo;
        pintor.translate(0, -arriba);
        // Only the lines that start on this page, one by one: the last line of a page may
        // reach a little past it, and if drawn again at the top of the next, hidden by the
        // clip, would still be in the file's text.
        for (; bloque.isValid(); bloque = bloque.next()) {
            const QTextLayout *const capa = bloque.layout();
            const QPointF origen = capa->position();
            for (int i = 0; i < capa->lineCount(); ++i) {
                const QTextLine linea = capa->lineAt(i);
                if (Pagina_Linea(origen.y() + linea.y(), altoCuerpo) == p - 1)
                    linea.draw(&pintor, origen);
            }
            const QRectF caja = capa->boundingRect().translated(origen);
            if (caja.bottom() > arriba + altoCuerpo)
                break; // goes on on the next page
        }
        pintor.restore();
    }
    return primera ? 0 : paginas;
}
