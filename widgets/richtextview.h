#pragma once

#include "busqueda_texto.h"

#include <QTextEdit>

class QTextCursor;

// Read-only rich text view with the operations the reader performs on it:
// one position per paragraph break, forward whole-word search, per-character
// bold and background colour, and a selection with a caret.
//
// The selection is the widget's own text cursor. Only SetSelectionLength (and the
// reader's own moves) scroll the caret into view; the other operations keep the
// scroll position. The selection is drawn only while the view has the focus.
class RichTextView : public QTextEdit
{
    Q_OBJECT

public:
    explicit RichTextView(QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(RichTextView)

    // Empties the document and drops every character format and the selection.
    void ClearText();
    // Replaces the content by the text as plain text, one paragraph per line, each
    // followed by one paragraph break; no text-changed signal; caret at the end.
    void SetLinesText(const QString &texto);
    // Forward search in [inicio, inicio + longitud); -1 when not found.
    int FindInRange(const QString &texto, int inicio, int longitud, OpcionesBusqueda opciones = {}) const;
    // Empty selection at posicion, without scrolling.
    void SetSelectionStart(int posicion);
    // Selection from its start over cantidad positions, then scrolls the caret into view.
    void SetSelectionLength(int cantidad);
    // Sets or clears bold on the selection, leaving every other attribute as it is.
    void SetSelectionBold(bool activar);
    // Gives the selection that background, then collapses it to its start.
    void HighlightSelection(const QColor &color);

    // The document's text, a paragraph break being one position (U+2029).
    QString textoDocumento() const;

protected:
    void changeEvent(QEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;

private:
    // Makes the cursor the selection; only with desplazar does the view scroll to it.
    void ponerCursor(const QTextCursor &cursor, bool desplazar);
    void ocultarSeleccionSinFoco();
};
