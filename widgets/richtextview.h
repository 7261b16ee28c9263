#pragma once

#include "busqueda_texto.h"

#include <QTextEdit>

// Read-only rich text view with the operations the reader performs on it:
// one position per paragraph break, forward whole-word search, per-character
// bold and background colour, and a selection with a caret.
class RichTextView : public QTextEdit
{
    Q_OBJECT

public:
    explicit RichTextView(QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(RichTextView)

    // Empties the document and drops every character format.
    void ClearText();
    // Replaces the content by the text as plain text, one paragraph per line.
    void SetLinesText(const QString &texto);
    // Forward search in [inicio, inicio + longitud); -1 when not found.
    int FindInRange(const QString &texto, int inicio, int longitud,
                    OpcionesBusqueda opciones = {}) const;
    void SetSelectionStart(int posicion);
    void SetSelectionLength(int cantidad);
    void SetSelectionBold(bool activar);
    void HighlightSelection(const QColor &color);

    // The document's text, a paragraph break being one position (U+2029).
    QString textoDocumento() const;
};
