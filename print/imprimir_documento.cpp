#include "imprimir_documento.h"

#include "apariencia.h"
#include "cita.h"
#include "enmiendas.h"
#include "entradas.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>

#include <algorithm>

namespace {

// Appends a paragraph; the document's own first, empty one is the first used.
class Redactor
{
public:
    explicit Redactor(QTextDocument *documento)
        : cursor(documento)
    {
    }

    void parrafo(Clase_Parrafo clase, const QString &texto, const QTextCharFormat &letra, qreal antes, qreal despues)
    {
        QTextBlockFormat bloque;
        bloque.setProperty(Propiedad_Parrafo, int(clase));
        bloque.setTopMargin(primero ? 0 : antes);
        bloque.setBottomMargin(despues);
        if (primero)
            cursor.setBlockFormat(bloque);
        else
            cursor.insertBlock(bloque);
        cursor.setBlockCharFormat(letra);
        cursor.insertText(texto, letra);
        primero = false;
    }

    int posicion() const { return cursor.position(); }

    QTextCursor cursor;

private:
    bool primero = true;
};

QTextCharFormat letra(qreal puntos, bool negrita = false, bool cursiva = false)
{
    QTextCharFormat f;
    f.setFont(Apariencia::fuente(puntos, negrita));
    f.setFontItalic(cursiva);
    return f;
}

// The headings of actuales from the first level that differs from anteriores.
QList<int> encabezadosNuevos(const QList<int> &anteriores, const QList<int> &actuales)
{
    qsizetype comun = 0;
    while (comun < anteriores.size() && comun < actuales.size() && anteriores[comun] == actuales[comun])
        ++comun;
    return actuales.mid(comun);
}

} // namespace

std::unique_ptr<QTextDocument> Documento_Impresion(const Trabajo_Impresion &trabajo)
{
    auto documento = std::make_unique<QTextDocument>();
    documento->setUndoRedoEnabled(false);
    documento->setDocumentMargin(0);
    documento->setDefaultFont(Apariencia::fuente(Puntos_Impresion));

    const QTextCharFormat rotulo = letra(13, true);
    const QTextCharFormat encabezado = letra(10);
    const QTextCharFormat nota = letra(9, false, true);
    const QTextCharFormat texto = letra(Puntos_Impresion);
    QTextCharFormat resaltado;
    resaltado.setFontWeight(QFont::Bold);
    resaltado.setBackground(Apariencia::Amarillo);

    Redactor redactor(documento.get());
    QList<int> anteriores;
    for (const Pieza_Impresion &pieza : trabajo.piezas) {
        const QString entero = Texto_Entrada(pieza.entrada);
        if (entero.isEmpty())
            continue;
        const int inicio = qBound(0, pieza.inicio, int(entero.size()));
        const int fin = int(std::clamp<qint64>(qint64(inicio) + qMax(0, pieza.largo), inicio, entero.size()));

        redactor.parrafo(Clase_Parrafo::Rotulo, Cita_Entrada(pieza.entrada), rotulo, 16, 2);
        const QList<int> divisiones = Divisiones_Entrada(pieza.entrada);
        for (const int registro : encabezadosNuevos(anteriores, divisiones))
            redactor.parrafo(Clase_Parrafo::Encabezado, Encabezado_Division(registro), encabezado, 0, 1);
        anteriores = divisiones;
        if (const QString aviso = Nota_Enmienda(pieza.entrada); !aviso.isEmpty())
            redactor.parrafo(Clase_Parrafo::Nota, aviso, nota, 2, 1);

        // One paragraph per line; a line feed is one position, as the paragraph break is.
        int base = -1;
        for (const QString &linea : entero.mid(inicio, fin - inicio).split(QLatin1Char('\n'))) {
            redactor.parrafo(Clase_Parrafo::Texto, linea, texto, 4, 2);
            if (base < 0)
                base = redactor.posicion() - int(linea.size());
        }
        for (const Tramo &t : pieza.resaltados) {
            const int desde = qMax(t.inicio, inicio);
            const int hasta = int(qMin<qint64>(qint64(t.inicio) + t.largo, fin));
            if (t.largo <= 0 || desde >= hasta)
                continue;
            QTextCursor marca(documento.get());
            marca.setPosition(base + desde - inicio);
            marca.setPosition(base + hasta - inicio, QTextCursor::KeepAnchor);
            marca.mergeCharFormat(resaltado);
        }
    }
    return documento;
}
