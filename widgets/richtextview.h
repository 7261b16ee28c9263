#pragma once

#include "busqueda_texto.h"

#include <QPointer>
#include <QTextCursor>
#include <QTextEdit>

#include <optional>

class DialogoBuscar;
class QMenu;

// Read-only rich text view with the operations the reader performs on it:
// one position per paragraph break, forward whole-word search, per-character
// bold and background colour, and a selection with a caret.
//
// The selection is the widget's own text cursor. Only SetSelectionLength (and the
// reader's own moves) scroll the caret into view; the other operations keep the
// scroll position. The selection is drawn only while the view has the focus.
//
// The reader can select and copy but never edit. The context menu offers "&View"
// (also F2: a window with a read-only copy of the content) and "Fin&d" (a forward
// search over the text). Ctrl+wheel asks for a larger or smaller text through
// ampliacionPedida when something listens, and zooms the view itself otherwise. With
// link detection on, addresses in the text show as links and a click opens them
// through the desktop.
class RichTextView : public QTextEdit
{
    Q_OBJECT

public:
    // The current hit's background: a dark orange that stands out from the yellow of the
    // other hits.
    static inline const QColor ColorActual{255, 140, 0};

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

    // Makes each stretch (start, length) bold on that background, in one edit of the
    // document, leaving the caret and the selection as they are: marks are not the reader's
    // selection, and a screen reader is told nothing of them (a report for every mark would
    // flood it and drown what it must say). Stretches outside the text are left out.
    void MarcarTramos(const QList<QPair<int, int>> &tramos, const QColor &fondo);
    // An empty selection at posicion, scrolled into view: one move of the caret.
    void PonerCaret(int posicion);

    // Marks inicio .. inicio + largo as the current hit of a search: a dark orange
    // background over the text's own, drawn whether or not the view has the focus, under
    // the selection. A length of 0 or less clears the mark; so does every ClearText.
    void MarcarActual(int inicio, int largo);
    // Whether the reader sees a selection: there is one and the view has the focus.
    bool seleccionVisible() const;

    // The document's text, a paragraph break being one position (U+2029).
    QString textoDocumento() const;

    // Link detection: the addresses of the content, and of any content set later,
    // show as links that open when clicked.
    bool autoURLDetect() const { return detectarEnlaces_; }
    void setAutoURLDetect(bool activar);

    // The context menu, owned by padre: "&View", "Cu&t", "&Copy", "&Paste", "Fin&d", then,
    // after a separator, the actions given by agregarAlMenu, if any.
    QMenu *crearMenuContextual(QWidget *padre);
    // Actions of the window the view sits in, offered at the end of its context menu.
    void agregarAlMenu(const QList<QAction *> &acciones);
    // Modal window "Edit Rich Text" with a read-only copy of the content.
    void abrirVentanaVer();
    // Shows the find dialog; its first search starts at the beginning of the text.
    void abrirBuscar();

signals:
    // Raised before a clicked link is opened; clearing permitir cancels the opening.
    void OnURLOpen(const QString &texto, bool &permitir);
    // Ctrl+wheel: pasos notches up (positive) or down; fine wheels add up to whole notches.
    void ampliacionPedida(int pasos);

protected:
    void changeEvent(QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    struct Enlace {
        int inicio = 0;
        int fin = 0;
        QString direccion;
    };

    void BuscarTextoBuscarSiguiente();
    void marcarEnlaces();
    void programarMarcado();
    // The link under a point of the viewport, if any.
    std::optional<Enlace> enlaceEn(const QPoint &punto) const;
    void abrirEnlace(const Enlace &enlace);

    // Makes the cursor the selection; only with desplazar does the view scroll to it.
    void ponerCursor(const QTextCursor &cursor, bool desplazar);
    void ocultarSeleccionSinFoco();
    // The selection and format operations of one occurrence run as one edit of the
    // document, laid out once when it closes: at the end of HighlightSelection, on
    // ClearText, or at the latest when control returns to the event loop.
    void abrirLote();
    void cerrarLote();

    QTextCursor lote_;
    bool detectarEnlaces_ = false;
    bool marcadoPendiente_ = false;
    std::optional<Enlace> enlacePulsado_;
    QPointer<DialogoBuscar> BuscarTexto;
    QList<QPointer<QAction>> accionesMenu_;
    int inicioBusqueda_ = 0;
    int ruedaAcumulada_ = 0; // Ctrl+wheel angle not yet a whole notch
};
