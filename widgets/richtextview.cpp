#include "richtextview.h"

#include "descripcion_accion.h"
#include "dialogobuscar.h"
#include "enlaces_texto.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMetaMethod>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <QWheelEvent>

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
    cerrarLote();
    inicioBusqueda_ = 0;
    setExtraSelections({});
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
    // Keep the scroll bar's room while the text goes in: a long text is then laid
    // out once, not again when the bar appears after it.
    const Qt::ScrollBarPolicy politica = verticalScrollBarPolicy();
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
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
    setVerticalScrollBarPolicy(politica);
    if (detectarEnlaces_)
        marcarEnlaces();
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
    abrirLote();
    QTextCursor cursor = textCursor();
    cursor.setPosition(qBound(0, posicion, document()->characterCount() - 1));
    ponerCursor(cursor, false);
}

void RichTextView::SetSelectionLength(int cantidad)
{
    QTextCursor cursor = textCursor();
    const int inicio = cursor.selectionStart();
    const int fin = qBound(0, inicio + cantidad, document()->characterCount() - 1);
    // Each move of a cursor measures its line; move the anchor only when needed.
    if (cursor.anchor() != inicio)
        cursor.setPosition(inicio);
    cursor.setPosition(fin, fin == inicio ? QTextCursor::MoveAnchor : QTextCursor::KeepAnchor);
    ponerCursor(cursor, true);
}

void RichTextView::SetSelectionBold(bool activar)
{
    abrirLote();
    QTextCharFormat formato;
    formato.setFontWeight(activar ? QFont::Bold : QFont::Normal);
    textCursor().mergeCharFormat(formato);
}

void RichTextView::HighlightSelection(const QColor &color)
{
    QTextCharFormat formato;
    formato.setBackground(color);
    textCursor().mergeCharFormat(formato);
    cerrarLote();
    SetSelectionLength(0);
}

void RichTextView::MarcarTramos(const QList<QPair<int, int>> &tramos, const QColor &fondo)
{
    cerrarLote();
    const int ultima = document()->characterCount() - 1;
    QTextCharFormat formato;
    formato.setFontWeight(QFont::Bold);
    formato.setBackground(fondo);
    // The text widget reports every change of the document to the accessibility layer; a
    // change of format alone is none of a screen reader's business.
    const QSignalBlocker sinAvisos(document());
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    for (const auto &[inicio, largo] : tramos) {
        if (inicio < 0 || largo <= 0 || inicio + largo > ultima)
            continue;
        cursor.setPosition(inicio);
        cursor.setPosition(inicio + largo, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(formato);
    }
    cursor.endEditBlock();
}

void RichTextView::PonerCaret(int posicion)
{
    cerrarLote();
    QTextCursor cursor = textCursor();
    const int p = qBound(0, posicion, document()->characterCount() - 1);
    if (cursor.hasSelection() || cursor.position() != p) {
        cursor.setPosition(p);
        ponerCursor(cursor, true);
    } else {
        ensureCursorVisible();
    }
}

void RichTextView::abrirLote()
{
    if (!lote_.isNull())
        return;
    lote_ = QTextCursor(document());
    lote_.beginEditBlock();
    QTimer::singleShot(0, this, &RichTextView::cerrarLote);
}

void RichTextView::cerrarLote()
{
    if (lote_.isNull())
        return;
    QTextCursor lote = std::exchange(lote_, QTextCursor());
    lote.endEditBlock();
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

void RichTextView::MarcarActual(int inicio, int largo)
{
    QList<ExtraSelection> marcas;
    const int ultima = document()->characterCount() - 1;
    if (largo > 0 && inicio >= 0 && inicio < ultima) {
        ExtraSelection marca;
        marca.cursor = QTextCursor(document());
        marca.cursor.setPosition(inicio);
        marca.cursor.setPosition(qMin(inicio + largo, ultima), QTextCursor::KeepAnchor);
        marca.format.setBackground(ColorActual);
        marcas.append(marca);
    }
    setExtraSelections(marcas);
}

bool RichTextView::seleccionVisible() const
{
    return hasFocus() && textCursor().hasSelection();
}

void RichTextView::paintEvent(QPaintEvent *event)
{
    // The text widget draws a selection over its formats even with the inactive colours,
    // wiping the background of formatted text (a highlight) under it. Without the focus
    // the selection is not drawn at all: the document is painted without it.
    if (hasFocus() || !textCursor().hasSelection()) {
        QTextEdit::paintEvent(event);
        return;
    }
    // The current-hit mark is the one selection drawn here.
    QPainter pintor(viewport());
    const QPoint desplazamiento(horizontalScrollBar()->value(), verticalScrollBar()->value());
    const QRect zona = event->rect().translated(desplazamiento);
    pintor.translate(-desplazamiento);
    pintor.setClipRect(zona);
    QAbstractTextDocumentLayout::PaintContext contexto;
    contexto.clip = zona;
    contexto.palette = palette();
    for (const ExtraSelection &marca : extraSelections())
        contexto.selections.append({marca.cursor, marca.format});
    document()->documentLayout()->draw(&pintor, contexto);
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

void RichTextView::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F2 && event->modifiers() == Qt::NoModifier) {
        abrirVentanaVer();
        return;
    }
    QTextEdit::keyPressEvent(event);
}

void RichTextView::wheelEvent(QWheelEvent *event)
{
    if (!(event->modifiers() & Qt::ControlModifier)
        || !isSignalConnected(QMetaMethod::fromSignal(&RichTextView::ampliacionPedida))) {
        QTextEdit::wheelEvent(event);
        return;
    }
    event->accept();
    ruedaAcumulada_ += event->angleDelta().y();
    const int pasos = ruedaAcumulada_ / QWheelEvent::DefaultDeltasPerStep;
    if (pasos == 0)
        return;
    ruedaAcumulada_ -= pasos * QWheelEvent::DefaultDeltasPerStep;
    emit ampliacionPedida(pasos);
}

// Context menu, "&View" window and find dialog

QMenu *RichTextView::crearMenuContextual(QWidget *padre)
{
    auto *const menu = new QMenu(padre);
    menu->setObjectName(QStringLiteral("MenuContextual"));
    QAction *const ver = menu->addAction(tr("&View"));
    ver->setObjectName(QStringLiteral("MenuContextual_Ver"));
    menu->addSeparator();
    QAction *const cortar = menu->addAction(tr("Cu&t"));
    cortar->setObjectName(QStringLiteral("MenuContextual_Cortar"));
    cortar->setEnabled(false);
    QAction *const copiar = menu->addAction(tr("&Copy"));
    copiar->setObjectName(QStringLiteral("MenuContextual_Copiar"));
    copiar->setEnabled(textCursor().hasSelection());
    QAction *const pegar = menu->addAction(tr("&Paste"));
    pegar->setObjectName(QStringLiteral("MenuContextual_Pegar"));
    pegar->setEnabled(false);
    menu->addSeparator();
    QAction *const buscar = menu->addAction(tr("Fin&d"));
    buscar->setObjectName(QStringLiteral("MenuContextual_Buscar"));
    // The captions stay as designed, in English; a screen reader adds what they do in Spanish.
    describirAccion(ver, QStringLiteral("Ver: una copia de solo lectura del texto, en una ventana (F2)"));
    describirAccion(cortar, QStringLiteral("Cortar: no disponible, el texto es de solo lectura"));
    describirAccion(copiar, QStringLiteral("Copiar la selección"));
    describirAccion(pegar, QStringLiteral("Pegar: no disponible, el texto es de solo lectura"));
    describirAccion(buscar, QStringLiteral("Buscar en el texto, hacia adelante"));

    bool separadas = false;
    for (QAction *const accion : std::as_const(accionesMenu_)) {
        if (!accion)
            continue;
        if (!separadas)
            menu->addSeparator();
        separadas = true;
        menu->addAction(accion);
    }

    connect(ver, &QAction::triggered, this, &RichTextView::abrirVentanaVer);
    connect(copiar, &QAction::triggered, this, &QTextEdit::copy);
    connect(buscar, &QAction::triggered, this, &RichTextView::abrirBuscar);
    return menu;
}

void RichTextView::agregarAlMenu(const QList<QAction *> &acciones)
{
    for (QAction *const accion : acciones)
        accionesMenu_.append(accion);
}

void RichTextView::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *const menu = crearMenuContextual(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void RichTextView::abrirVentanaVer()
{
    QDialog ventana(this);
    ventana.setObjectName(QStringLiteral("VerTexto"));
    ventana.setWindowTitle(tr("Edit Rich Text"));
    ventana.setAccessibleDescription(QStringLiteral("Copia de solo lectura del texto; Escape la cierra"));
    auto *const texto = new QTextEdit(&ventana);
    texto->setObjectName(QStringLiteral("VerTexto_Texto"));
    texto->setDocument(document()->clone(texto));
    texto->setReadOnly(true);
    texto->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    texto->setFont(font());
    texto->setPalette(palette());
    auto *const botones = new QDialogButtonBox(QDialogButtonBox::Close, &ventana);
    botones->setObjectName(QStringLiteral("VerTexto_Botones"));
    auto *const columna = new QVBoxLayout(&ventana);
    columna->addWidget(texto, 1);
    columna->addWidget(botones);
    connect(botones, &QDialogButtonBox::rejected, &ventana, &QDialog::reject);
    ventana.resize(560, 400);
    ventana.exec();
}

void RichTextView::abrirBuscar()
{
    if (!BuscarTexto) {
        BuscarTexto = new DialogoBuscar(this);
        connect(BuscarTexto, &DialogoBuscar::buscarSiguiente, this, &RichTextView::BuscarTextoBuscarSiguiente);
    }
    inicioBusqueda_ = 0;
    BuscarTexto->show();
    BuscarTexto->raise();
    BuscarTexto->activateWindow();
}

void RichTextView::BuscarTextoBuscarSiguiente()
{
    const QString texto = BuscarTexto->texto();
    const int largoDocumento = int(textoDocumento().size());
    const int p = FindInRange(texto, inicioBusqueda_, largoDocumento - inicioBusqueda_, BuscarTexto->opciones());
    if (p < 0) {
        QMessageBox mensaje(QMessageBox::Information, tr("Information"), tr("No more matches found"), QMessageBox::Ok,
                            BuscarTexto);
        mensaje.setObjectName(QStringLiteral("BuscarTexto_SinCoincidencias"));
        mensaje.exec();
        return;
    }
    QTextCursor cursor = textCursor();
    cursor.setPosition(p);
    cursor.setPosition(p + int(texto.size()), QTextCursor::KeepAnchor);
    ponerCursor(cursor, true);
    inicioBusqueda_ = p + int(texto.size());
}

// Links

void RichTextView::setAutoURLDetect(bool activar)
{
    if (activar == detectarEnlaces_)
        return;
    detectarEnlaces_ = activar;
    viewport()->setMouseTracking(activar);
    if (activar) {
        connect(document(), &QTextDocument::contentsChange, this, &RichTextView::programarMarcado);
        marcarEnlaces();
    } else {
        disconnect(document(), &QTextDocument::contentsChange, this, &RichTextView::programarMarcado);
        viewport()->setCursor(Qt::IBeamCursor);
    }
}

void RichTextView::programarMarcado()
{
    // Formats cannot change while the document reports a change; mark the links
    // once the change is over.
    if (marcadoPendiente_)
        return;
    marcadoPendiente_ = true;
    QTimer::singleShot(0, this, [this] {
        marcadoPendiente_ = false;
        if (detectarEnlaces_)
            marcarEnlaces();
    });
}

void RichTextView::marcarEnlaces()
{
    const bool modificado = document()->isModified();
    QTextCharFormat formato;
    formato.setAnchor(true);
    formato.setFontUnderline(true);
    formato.setForeground(palette().link());
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next()) {
        for (const EnlaceTexto &e : buscarEnlaces(b.text())) {
            const int inicio = b.position() + e.inicio;
            const int fin = inicio + e.largo;
            bool marcado = true;
            for (auto it = b.begin(); marcado && !it.atEnd(); ++it) {
                const QTextFragment f = it.fragment();
                if (f.position() < fin && f.position() + f.length() > inicio)
                    marcado = f.charFormat().isAnchor() && f.charFormat().anchorHref() == e.direccion;
            }
            if (marcado)
                continue;
            QTextCursor c(document());
            c.setPosition(inicio);
            c.setPosition(fin, QTextCursor::KeepAnchor);
            formato.setAnchorHref(e.direccion);
            c.mergeCharFormat(formato);
        }
    }
    document()->setModified(modificado);
}

std::optional<RichTextView::Enlace> RichTextView::enlaceEn(const QPoint &punto) const
{
    const QString direccion = anchorAt(punto);
    if (direccion.isEmpty())
        return std::nullopt;
    const QPointF enDocumento = QPointF(punto) + QPointF(horizontalScrollBar()->value(), verticalScrollBar()->value());
    const int q = document()->documentLayout()->hitTest(enDocumento, Qt::ExactHit);
    if (q < 0)
        return std::nullopt;
    // The run of characters linked to that address around the pointer; a link may
    // span several fragments when part of it carries another format.
    const QTextBlock b = document()->findBlock(q);
    Enlace tramo{-1, -1, direccion};
    for (auto it = b.begin(); !it.atEnd(); ++it) {
        const QTextFragment f = it.fragment();
        const bool delEnlace = f.charFormat().isAnchor() && f.charFormat().anchorHref() == direccion;
        if (delEnlace && tramo.fin == f.position()) {
            tramo.fin += f.length();
            continue;
        }
        if (tramo.inicio <= q && q <= tramo.fin)
            return tramo;
        tramo.inicio = delEnlace ? f.position() : -1;
        tramo.fin = delEnlace ? f.position() + f.length() : -1;
    }
    if (tramo.inicio >= 0 && tramo.inicio <= q && q <= tramo.fin)
        return tramo;
    return std::nullopt;
}

void RichTextView::mousePressEvent(QMouseEvent *event)
{
    enlacePulsado_.reset();
    if (event->button() == Qt::LeftButton)
        enlacePulsado_ = enlaceEn(event->position().toPoint());
    QTextEdit::mousePressEvent(event);
}

void RichTextView::mouseReleaseEvent(QMouseEvent *event)
{
    QTextEdit::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || !enlacePulsado_)
        return;
    const Enlace pulsado = *std::exchange(enlacePulsado_, std::nullopt);
    const std::optional<Enlace> soltado = enlaceEn(event->position().toPoint());
    if (soltado && soltado->inicio == pulsado.inicio && soltado->fin == pulsado.fin)
        abrirEnlace(pulsado);
}

void RichTextView::mouseMoveEvent(QMouseEvent *event)
{
    QTextEdit::mouseMoveEvent(event);
    if (detectarEnlaces_)
        viewport()->setCursor(enlaceEn(event->position().toPoint()) ? Qt::PointingHandCursor : Qt::IBeamCursor);
}

void RichTextView::abrirEnlace(const Enlace &enlace)
{
    const QString texto = textoDocumento().mid(enlace.inicio, enlace.fin - enlace.inicio);
    bool permitir = true;
    emit OnURLOpen(texto, permitir);
    if (!permitir)
        return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    // The desktop reports nothing useful here; what it does with the link is its own.
    QDesktopServices::openUrl(QUrl(enlace.direccion, QUrl::TolerantMode));
    QGuiApplication::restoreOverrideCursor();
}
