#include "richtextview.h"

#include <QEvent>
#include <QInputMethodEvent>
#include <QPalette>
#include <QScrollBar>
#include <QSignalBlocker>
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
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setAcceptRichText(false);
    setAcceptDrops(false);
    setUndoRedoEnabled(false);
    ocultarSeleccionSinFoco();
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
    QString todo;
    todo.reserve(texto.size() + 1);
    for (const QString &linea : dividirLineas(texto)) {
        todo += linea;
        todo += QChar::ParagraphSeparator;
    }
    QTextCursor cursor(document());
    cursor.insertText(todo, QTextCharFormat());
    ponerCursor(cursor, false);
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
    ponerCursor(cursor, false);
}

void RichTextView::SetSelectionLength(int cantidad)
{
    QTextCursor cursor = textCursor();
    const int inicio = cursor.selectionStart();
    const int fin = qBound(0, inicio + cantidad, document()->characterCount() - 1);
    cursor.setPosition(inicio);
    cursor.setPosition(fin, QTextCursor::KeepAnchor);
    ponerCursor(cursor, true);
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

void RichTextView::ponerCursor(const QTextCursor &cursor, bool desplazar)
{
    if (desplazar) {
        // setTextCursor brings the caret into view.
        setTextCursor(cursor);
        return;
    }
    // Hold the scroll bars where they are while the widget tries to follow the
    // caret, so that the viewport never moves.
    QScrollBar *const vertical = verticalScrollBar();
    QScrollBar *const horizontal = horizontalScrollBar();
    const int v = vertical->value();
    const int h = horizontal->value();
    const QSignalBlocker quietaV(vertical);
    const QSignalBlocker quietaH(horizontal);
    setTextCursor(cursor);
    vertical->setValue(v);
    horizontal->setValue(h);
}

void RichTextView::ocultarSeleccionSinFoco()
{
    // The inactive colours are the ones used while the view lacks the focus: no
    // selection background, and selected text keeps its own colour.
    QPalette p = palette();
    if (p.brush(QPalette::Inactive, QPalette::Highlight).style() == Qt::NoBrush
        && p.brush(QPalette::Inactive, QPalette::HighlightedText).style() == Qt::NoBrush)
        return;
    p.setBrush(QPalette::Inactive, QPalette::Highlight, Qt::NoBrush);
    p.setBrush(QPalette::Inactive, QPalette::HighlightedText, Qt::NoBrush);
    setPalette(p);
}

void RichTextView::changeEvent(QEvent *event)
{
    QTextEdit::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        ocultarSeleccionSinFoco();
}

void RichTextView::inputMethodEvent(QInputMethodEvent *event)
{
    // The text widget still commits composed text while it allows selection by
    // mouse; a read-only view takes none.
    event->ignore();
}
