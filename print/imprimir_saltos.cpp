#include "imprimir_saltos.h"

#include "imprimir_documento.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <cmath>

namespace {

// How many lines of the text a caption keeps with it.
constexpr int Lineas_Con_Rotulo = 2;

Clase_Parrafo clase(const QTextBlock &bloque)
{
    return Clase_Parrafo(bloque.blockFormat().intProperty(Propiedad_Parrafo));
}

// The top and the bottom of one laid-out line, in document coordinates.
struct Tramo_Vertical {
    qreal arriba = 0;
    qreal abajo = 0;
};

Tramo_Vertical lineaDe(const QTextBlock &bloque, int i)
{
    const QTextLayout *const capa = bloque.layout();
    const QTextLine linea = capa->lineAt(i);
    const qreal y = capa->position().y() + linea.y();
    return {y, y + linea.height()};
}

// The last line of the group a caption heads: its headings and note, then the first lines of
// its text.
Tramo_Vertical finDelGrupo(const QTextBlock &rotulo)
{
    Tramo_Vertical fin = lineaDe(rotulo, rotulo.layout()->lineCount() - 1);
    int lineas = 0;
    for (QTextBlock b = rotulo.next(); b.isValid() && lineas < Lineas_Con_Rotulo; b = b.next()) {
        const Clase_Parrafo c = clase(b);
        if (c == Clase_Parrafo::Rotulo || c == Clase_Parrafo::Ninguna)
            break;
        const int n = b.layout()->lineCount();
        for (int i = 0; i < n && lineas < Lineas_Con_Rotulo; ++i) {
            fin = lineaDe(b, i);
            if (c == Clase_Parrafo::Texto)
                ++lineas;
        }
    }
    return fin;
}

} // namespace

int Pagina_Linea(qreal y, qreal alto)
{
    return int(std::floor((y + alto / 200) / alto));
}

int Mantener_Con_Siguiente(QTextDocument &documento)
{
    const qreal alto = documento.pageSize().height();
    if (!(alto > 0) || !std::isfinite(alto))
        return 0;
    QAbstractTextDocumentLayout *const maqueta = documento.documentLayout();
    int movidos = 0;
    for (QTextBlock bloque = documento.begin(); bloque.isValid(); bloque = bloque.next()) {
        if (clase(bloque) != Clase_Parrafo::Rotulo || bloque == documento.begin())
            continue;
        // Lays the document out down to the group's end (again, after a caption moved above).
        QTextBlock ultimo = bloque;
        for (QTextBlock b = bloque.next(); b.isValid() && clase(b) != Clase_Parrafo::Rotulo; b = b.next())
            ultimo = b;
        maqueta->blockBoundingRect(ultimo);
        if (bloque.layout()->lineCount() == 0)
            continue;
        const Tramo_Vertical inicio = lineaDe(bloque, 0);
        const Tramo_Vertical fin = finDelGrupo(bloque);
        if (Pagina_Linea(inicio.arriba, alto) == Pagina_Linea(fin.arriba, alto) || fin.abajo - inicio.arriba > alto)
            continue;
        QTextBlockFormat salto;
        salto.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        salto.setTopMargin(0); // at the top of its page, as a caption that falls there
        QTextCursor(bloque).mergeBlockFormat(salto);
        // Qt lays out again the changed block only, leaving the blocks after it on the pages they
        // were on: they are laid out anew too.
        documento.markContentsDirty(bloque.position(), documento.characterCount() - bloque.position());
        ++movidos;
    }
    return movidos;
}
