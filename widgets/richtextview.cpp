#include "richtextview.h"

#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

RichTextView::RichTextView(QWidget *parent)
    : QTextEdit(parent)
{
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setAcceptRichText(false);
    setUndoRedoEnabled(false);
}

void RichTextView::ClearText()
{
    clear();
    setCurrentCharFormat(QTextCharFormat());
    document()->setModified(false);
}

void RichTextView::SetLinesText(const QString &texto)
{
    const QSignalBlocker sinAvisos(this);
    const bool visible = isVisible();
    if (visible)
        setUpdatesEnabled(false);
    ClearText();
    const QStringList lineas = dividirLineas(texto);
    QString todo;
    for (const QString &linea : lineas)
        todo += linea + QLatin1Char('\n');
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(todo, QTextCharFormat());
    setTextCursor(cursor);
    if (visible) {
        setUpdatesEnabled(true);
        viewport()->update();
    }
}

QString RichTextView::textoDocumento() const
{
    return document()->toRawText();
}

int RichTextView::FindInRange(const QString &texto, int inicio, int longitud, OpcionesBusqueda opciones) const
{
    return buscarEnTexto(textoDocumento(), texto, inicio, longitud, opciones);
}

void RichTextView::SetSelectionStart(int posicion)
{
    QTextCursor cursor = textCursor();
    cursor.setPosition(qBound(0, posicion, document()->characterCount() - 1));
    setTextCursor(cursor);
}

void RichTextView::SetSelectionLength(int cantidad)
{
    QTextCursor cursor = textCursor();
    const int inicio = cursor.selectionStart();
    const int fin = qBound(0, inicio + cantidad, document()->characterCount() - 1);
    cursor.setPosition(inicio);
    cursor.setPosition(fin, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
    ensureCursorVisible();
}

void RichTextView::SetSelectionBold(bool activar)
{
    QTextCharFormat formato;
    formato.setFontWeight(activar ? QFont::Bold : QFont::Normal);
    textCursor().mergeCharFormat(formato);
}

void RichTextView::HighlightSelection(const QColor &color)
{
    QTextCharFormat formato;
    formato.setBackground(color);
    textCursor().mergeCharFormat(formato);
    SetSelectionLength(0);
}
