// The rich text view driven as the reader and the display routine drive it:
// paragraphs and positions, search, bold and highlight, clearing, scrolling,
// the hidden selection without focus, and read-only editing.
#include "avisos_qt.h"
#include "comprobar.h"
#include "richtextview.h"

#include "apariencia.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDesktopServices>
#include <QDialog>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QUrl>

#include <functional>
#include <memory>

namespace {

const QColor Amarillo(255, 255, 0);

// The character format of the character at position i; none for a paragraph break.
QTextCharFormat formatoEn(const QTextDocument *documento, int i)
{
    const QTextBlock b = documento->findBlock(i);
    for (auto it = b.begin(); !it.atEnd(); ++it) {
        const QTextFragment f = it.fragment();
        if (f.position() <= i && i < f.position() + f.length())
            return f.charFormat();
    }
    return {};
}

bool esNegrita(const QTextCharFormat &f)
{
    return f.fontWeight() >= QFont::Bold;
}

bool tieneFondo(const QTextCharFormat &f)
{
    return f.background().style() != Qt::NoBrush;
}

int pixelesDistintos(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return a.width() * a.height();
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

// Runs revisar on the modal window once it is up (it is shown by a call that
// blocks), then closes it unless revisar did.
void alAparecerModal(std::function<void(QWidget *)> revisar, int intentos = 300)
{
    QTimer::singleShot(10, [revisar, intentos] {
        QWidget *const modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) {
            if (intentos > 0)
                alAparecerModal(revisar, intentos - 1);
            return;
        }
        revisar(modal);
        if (modal->isVisible())
            modal->close();
    });
}

// The view leaves a right-button press to Qt, which makes a context menu event of it:
// Qt Test warns that the press was not accepted.
void esperarPulsacionDerecha()
{
    QTest::ignoreMessage(QtWarningMsg, "Mouse event \"MousePress\" not accepted by receiving widget");
}

// Types a text key by key; unlike keyClicks, also letters outside ASCII.
void escribir(QWidget *destino, const QString &texto)
{
    for (const QChar c : texto)
        QTest::sendKeyEvent(QTest::Click, destino, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// The entries of a menu as "text" (disabled ones marked "!text"), separators as "-".
QStringList entradas(const QMenu *menu)
{
    QStringList r;
    for (const QAction *a : menu->actions())
        r << (a->isSeparator() ? QStringLiteral("-") : (a->isEnabled() ? QString() : QStringLiteral("!")) + a->text());
    return r;
}

} // namespace

// Stands for the desktop: records the addresses it is asked to open, and whether
// the wait cursor was up meanwhile.
class Escritorio : public QObject
{
    Q_OBJECT

public:
    ~Escritorio() override
    {
        for (const char *esquema : {"https", "http", "mailto"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(esquema));
    }

    QList<QUrl> abiertas;
    bool esperaMostrada = false;

public slots:
    void abrir(const QUrl &url)
    {
        abiertas << url;
        esperaMostrada = QGuiApplication::overrideCursor()
                         && QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor;
    }
};

class TstRichTextView : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void setLinesText_oneParagraphPerLine_data();
    void setLinesText_oneParagraphPerLine();
    void setLinesText_replacesQuietlyAndLeavesCaretAtEnd();
    void findInRange_data();
    void findInRange();
    void setSelectionBold_changesOnlyBold_data();
    void setSelectionBold_changesOnlyBold();
    void highlight_marksExactlyTheSelectionAndCollapsesIt();
    void marcarTramos_marksWithoutTouchingCaretOrSelection();
    void bold_laidOutEvenWithoutHighlight();
    void clearText_dropsEveryFormatAndTheSelection_data();
    void clearText_dropsEveryFormatAndTheSelection();
    void scrolling_onlySetSelectionLengthScrolls();
    void selection_drawnOnlyWithFocus();
    void selection_withoutFocusLeavesHighlightInSight();
    void readOnly_keysChangeNothing_data();
    void readOnly_keysChangeNothing();
    void readOnly_inputMethodAndDropChangeNothing();
    void copy_keyboardAndMouseSelectionReachClipboard();
    void contextMenu_sevenEntriesCopyFollowsSelection_data();
    void contextMenu_sevenEntriesCopyFollowsSelection();
    void viewWindow_readOnlyCopyOfTheContent_data();
    void viewWindow_readOnlyCopyOfTheContent();
    void find_forwardUntilNoMoreMatches_data();
    void find_forwardUntilNoMoreMatches();
    void links_detectedAddresses_data();
    void links_detectedAddresses();
    void links_clickOpensThroughDesktop_data();
    void links_clickOpensThroughDesktop();
    void links_pressAndReleaseMustMeetOnOneLink();
    void links_cancelledByOnURLOpen();
    void links_offByDefaultAndFollowLaterContent();

private:
    // A point in the middle of the character at position i.
    QPoint puntoDe(int i) const;
    QMenu *abrirMenuContextual(const QPoint &donde);
    // Formats of every character, for before/after comparisons.
    QList<QTextCharFormat> formatos() const;
    void enfocar();
    // Gives the focus to otro, another window, so that the view is shown unfocused.
    void desenfocar(QWidget &otro);

    std::unique_ptr<RichTextView> vista;
};

void TstRichTextView::init()
{
    vista = std::make_unique<RichTextView>();
    vista->setObjectName(QStringLiteral("ColorMemo1"));
    // The face the reader gives it. Qt's own default, "Sans Serif", is whatever face
    // fontconfig finds: with only the Liberation faces installed that is Liberation Mono,
    // whose bold glyphs are no wider than its regular ones.
    vista->setFont(Apariencia::fuente(8));
    vista->resize(320, 120);
    vista->show();
    QVERIFY(QTest::qWaitForWindowExposed(vista.get()));
}

void TstRichTextView::cleanup()
{
    vista.reset();
}

QPoint TstRichTextView::puntoDe(int i) const
{
    QTextCursor c(vista->document());
    c.setPosition(i);
    const QRect izquierda = vista->cursorRect(c);
    c.setPosition(i + 1);
    const QRect derecha = vista->cursorRect(c);
    return {(izquierda.left() + derecha.left()) / 2, izquierda.center().y()};
}

QMenu *TstRichTextView::abrirMenuContextual(const QPoint &donde)
{
    esperarPulsacionDerecha();
    QTest::mouseClick(vista->viewport(), Qt::RightButton, Qt::NoModifier, donde);
    QMenu *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    if (!menu) {
        // Platforms that open context menus on press only, from the event itself.
        QContextMenuEvent evento(QContextMenuEvent::Mouse, donde, vista->viewport()->mapToGlobal(donde));
        QApplication::sendEvent(vista->viewport(), &evento);
        menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    }
    return menu;
}

QList<QTextCharFormat> TstRichTextView::formatos() const
{
    QList<QTextCharFormat> r;
    const int n = int(vista->textoDocumento().size());
    for (int i = 0; i < n; ++i)
        r.append(formatoEn(vista->document(), i));
    return r;
}

void TstRichTextView::enfocar()
{
    vista->activateWindow();
    vista->setFocus();
    QTRY_VERIFY(vista->hasFocus());
}

void TstRichTextView::desenfocar(QWidget &otro)
{
    otro.setFocusPolicy(Qt::StrongFocus);
    otro.show();
    otro.activateWindow();
    otro.setFocus();
    QTRY_VERIFY(!vista->hasFocus());
}

void TstRichTextView::setLinesText_oneParagraphPerLine_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("enVista");
    QTest::addColumn<QString>("buscada");
    QTest::addColumn<int>("posicion");
    QTest::newRow("LF between two lines") << QStringLiteral("A\nB") << QStringLiteral("A\u2029B\u2029")
                                          << QStringLiteral("B") << 2;
    QTest::newRow("CR LF is one break") << QStringLiteral("A\r\nB") << QStringLiteral("A\u2029B\u2029")
                                        << QStringLiteral("B") << 2;
    QTest::newRow("lone CR") << QStringLiteral("A\rB") << QStringLiteral("A\u2029B\u2029") << QStringLiteral("B") << 2;
    QTest::newRow("LF CR adds an empty paragraph") << QStringLiteral("A\n\rB") << QStringLiteral("A\u2029\u2029B\u2029")
                                                   << QStringLiteral("B") << 3;
    QTest::newRow("trailing LF adds nothing") << QStringLiteral("A\nB\n") << QStringLiteral("A\u2029B\u2029")
                                              << QStringLiteral("B") << 2;
    QTest::newRow("empty text") << QString() << QString() << QStringLiteral("A") << -1;
    QTest::newRow("stored text positions kept") << QStringLiteral("Artículo 1.\nLa República; es libre.")
                                                << QStringLiteral("Artículo 1.\u2029La República; es libre.\u2029")
                                                << QStringLiteral("libre") << 29;
}

void TstRichTextView::setLinesText_oneParagraphPerLine()
{
    QFETCH(QString, texto);
    QFETCH(QString, enVista);
    QFETCH(QString, buscada);
    QFETCH(int, posicion);
    vista->SetLinesText(texto);
    QCOMPARE(vista->textoDocumento(), enVista);
    QCOMPARE(vista->document()->characterCount(), enVista.size() + 1);
    QCOMPARE(vista->FindInRange(buscada, 0, int(enVista.size())), posicion);
    for (QTextBlock b = vista->document()->begin(); b.isValid(); b = b.next())
        QVERIFY(!b.text().contains(u'\n') && !b.text().contains(u'\r'));
}

void TstRichTextView::setLinesText_replacesQuietlyAndLeavesCaretAtEnd()
{
    QSignalSpy cambios(vista.get(), &QTextEdit::textChanged);
    vista->SetLinesText(QStringLiteral("primero\nsegundo\ntercero"));
    vista->SetLinesText(QStringLiteral("uno\ndos"));
    QCOMPARE(vista->toPlainText(), QStringLiteral("uno\ndos\n"));
    QCOMPARE(cambios.count(), 0);
    QVERIFY(!vista->textCursor().hasSelection());
    QCOMPARE(vista->textCursor().position(), 8);
    QVERIFY(vista->updatesEnabled());
}

void TstRichTextView::findInRange_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("buscada");
    QTest::addColumn<int>("inicio");
    QTest::addColumn<int>("longitud");
    QTest::addColumn<bool>("distinguir");
    QTest::addColumn<int>("posicion");
    const QString parrafos = QStringLiteral("Del órgano, y los Órganos.\nSu ÓRGANO\nel órgano");
    // Length of parrafos: the search range the display routine uses.
    const int largo = int(parrafos.size());
    QTest::newRow("before a comma") << parrafos << QStringLiteral("órgano") << 0 << largo << false << 4;
    QTest::newRow("accented capital folds") << parrafos << QStringLiteral("Órgano") << 0 << largo << false << 4;
    QTest::newRow("inside a longer word skipped") << parrafos << QStringLiteral("órgano") << 11 << largo - 11 << false
                                                  << 30;
    QTest::newRow("at a paragraph end") << parrafos << QStringLiteral("órgano") << 30 << 6 << false << 30;
    QTest::newRow("at the document end") << parrafos << QStringLiteral("órgano") << 31 << largo - 31 << false << 40;
    QTest::newRow("range ending inside the match") << parrafos << QStringLiteral("órgano") << 31 << largo - 32 << false
                                                   << -1;
    QTest::newRow("empty range after the last match") << parrafos << QStringLiteral("órgano") << largo << 0 << false
                                                       << -1;
    QTest::newRow("match case") << parrafos << QStringLiteral("ÓRGANO") << 0 << largo << true << 30;
    QTest::newRow("accent never folded") << QStringLiteral("esta Constitución") << QStringLiteral("Constitucion") << 0
                                         << 17 << false << -1;
    QTest::newRow("empty search text") << parrafos << QString() << 0 << largo << false << -1;
    QTest::newRow("empty document") << QString() << QStringLiteral("a") << 0 << 10 << false << -1;
    QTest::newRow("negative start from 0") << QStringLiteral("Única.") << QStringLiteral("única") << -4 << 10 << false
                                           << 0;
}

void TstRichTextView::findInRange()
{
    QFETCH(QString, texto);
    QFETCH(QString, buscada);
    QFETCH(int, inicio);
    QFETCH(int, longitud);
    QFETCH(bool, distinguir);
    QFETCH(int, posicion);
    vista->SetLinesText(texto);
    vista->SetSelectionStart(2);
    vista->SetSelectionLength(1);
    const int scroll = vista->verticalScrollBar()->value();
    QCOMPARE(vista->FindInRange(buscada, inicio, longitud, {true, distinguir}), posicion);
    // Searching leaves the selection and the display alone.
    QCOMPARE(vista->textCursor().selectionStart(), qMin(2, int(texto.size())));
    QCOMPARE(vista->verticalScrollBar()->value(), scroll);
}

void TstRichTextView::setSelectionBold_changesOnlyBold_data()
{
    QTest::addColumn<bool>("activar");
    QTest::newRow("on: plain becomes bold, bold stays bold") << true;
    QTest::newRow("off: bold cleared, plain stays plain") << false;
}

void TstRichTextView::setSelectionBold_changesOnlyBold()
{
    QFETCH(bool, activar);
    vista->SetLinesText(QStringLiteral("uno dos tres cuatro"));
    // Mixed formats: a serif red run, a bold run on green, an italic blue run.
    QTextCursor c(vista->document());
    QTextCharFormat serif;
    serif.setFontFamilies({QStringLiteral("Liberation Serif")});
    serif.setForeground(QColor(255, 0, 0));
    c.setPosition(0);
    c.setPosition(3, QTextCursor::KeepAnchor);
    c.mergeCharFormat(serif);
    QTextCharFormat negritaVerde;
    negritaVerde.setFontWeight(QFont::Bold);
    negritaVerde.setBackground(QColor(0, 128, 0));
    c.setPosition(4);
    c.setPosition(7, QTextCursor::KeepAnchor);
    c.mergeCharFormat(negritaVerde);
    QTextCharFormat cursivaAzul;
    cursivaAzul.setFontItalic(true);
    cursivaAzul.setForeground(QColor(0, 0, 255));
    cursivaAzul.setFontPointSize(14);
    c.setPosition(8);
    c.setPosition(12, QTextCursor::KeepAnchor);
    c.mergeCharFormat(cursivaAzul);
    const QList<QTextCharFormat> antes = formatos();

    vista->SetSelectionStart(2);
    vista->SetSelectionLength(14);
    vista->SetSelectionBold(activar);

    const QList<QTextCharFormat> despues = formatos();
    QCOMPARE(despues.size(), antes.size());
    for (int i = 0; i < antes.size(); ++i) {
        const bool seleccionado = i >= 2 && i < 16;
        QCOMPARE(esNegrita(despues[i]), seleccionado ? activar : esNegrita(antes[i]));
        QCOMPARE(despues[i].fontFamilies(), antes[i].fontFamilies());
        QCOMPARE(despues[i].foreground(), antes[i].foreground());
        QCOMPARE(despues[i].background(), antes[i].background());
        QCOMPARE(despues[i].fontItalic(), antes[i].fontItalic());
        QCOMPARE(despues[i].fontPointSize(), antes[i].fontPointSize());
    }
    QCOMPARE(vista->textCursor().selectionStart(), 2);
    QCOMPARE(vista->textCursor().selectionEnd(), 16);
}

void TstRichTextView::highlight_marksExactlyTheSelectionAndCollapsesIt()
{
    vista->SetLinesText(QStringLiteral("el órgano\ny el Órgano."));
    for (const int p : {3, 15}) {
        vista->SetSelectionStart(p);
        vista->SetSelectionLength(6);
        vista->SetSelectionBold(true);
        vista->HighlightSelection(Amarillo);
        QVERIFY(!vista->textCursor().hasSelection());
        QCOMPARE(vista->textCursor().position(), p);
    }
    const QList<QTextCharFormat> f = formatos();
    for (int i = 0; i < f.size(); ++i) {
        const bool marcado = (i >= 3 && i < 9) || (i >= 15 && i < 21);
        QCOMPARE(esNegrita(f[i]), marcado);
        QCOMPARE(tieneFondo(f[i]), marcado);
        if (marcado)
            QCOMPARE(f[i].background().color(), Amarillo);
        // Only the background and the weight were touched: the text colour stays the view's.
        QVERIFY(!f[i].hasProperty(QTextFormat::ForegroundBrush));
    }
}

void TstRichTextView::marcarTramos_marksWithoutTouchingCaretOrSelection()
{
    vista->SetLinesText(QStringLiteral("el órgano\ny el Órgano."));
    QTextCursor seleccion(vista->document());
    seleccion.setPosition(1);
    seleccion.setPosition(5, QTextCursor::KeepAnchor);
    vista->setTextCursor(seleccion);
    QSignalSpy cambios(vista.get(), &QTextEdit::textChanged);
    QSignalSpy cursor(vista.get(), &QTextEdit::cursorPositionChanged);
    // Two stretches, one reaching past the text and one before it, which are left out.
    vista->MarcarTramos({{3, 6}, {15, 6}, {20, 50}, {-1, 3}}, Amarillo);
    const QList<QTextCharFormat> f = formatos();
    for (int i = 0; i < f.size(); ++i) {
        const bool marcado = (i >= 3 && i < 9) || (i >= 15 && i < 21);
        QCOMPARE(esNegrita(f[i]), marcado);
        QCOMPARE(tieneFondo(f[i]), marcado);
        if (marcado)
            QCOMPARE(f[i].background().color(), Amarillo);
    }
    // The reader's selection and caret are as they were, and no change was told.
    QCOMPARE(vista->textCursor().selectionStart(), 1);
    QCOMPARE(vista->textCursor().selectionEnd(), 5);
    QCOMPARE(cambios.count(), 0);
    QCOMPARE(cursor.count(), 0);
    // PonerCaret: an empty selection there, one move of the caret.
    vista->PonerCaret(15);
    QVERIFY(!vista->textCursor().hasSelection());
    QCOMPARE(vista->textCursor().position(), 15);
    QCOMPARE(cursor.count(), 1);
}

void TstRichTextView::bold_laidOutEvenWithoutHighlight()
{
    vista->SetLinesText(QStringLiteral("negrita sin resaltado"));
    // Without the focus neither caret nor selection is drawn: only the text.
    vista->clearFocus();
    QTRY_VERIFY(!vista->hasFocus());
    const QTextBlock b = vista->document()->begin();
    const qreal ancho = b.layout()->lineAt(0).naturalTextWidth();
    const QImage antes = vista->viewport()->grab().toImage();
    vista->SetSelectionStart(0);
    vista->SetSelectionLength(7);
    vista->SetSelectionBold(true);
    // Painting shows it at once; the layout follows by the next pass of the event loop.
    QVERIFY(pixelesDistintos(vista->viewport()->grab().toImage(), antes) > 20);
    vista->SetSelectionStart(8);
    vista->SetSelectionLength(3);
    vista->SetSelectionBold(true);
    QTRY_VERIFY(vista->document()->begin().layout()->lineAt(0).naturalTextWidth() > ancho + 1);
    QVERIFY(esNegrita(formatoEn(vista->document(), 9)));
}

void TstRichTextView::clearText_dropsEveryFormatAndTheSelection_data()
{
    QTest::addColumn<int>("inicio");
    QTest::newRow("highlight at the start") << 0;
    QTest::newRow("highlight in the middle") << 4;
    QTest::newRow("highlight on the last word") << 8;
}

void TstRichTextView::clearText_dropsEveryFormatAndTheSelection()
{
    QFETCH(int, inicio);
    const QString texto = QStringLiteral("uno dos tres");
    vista->SetLinesText(texto);
    vista->SetSelectionStart(inicio);
    vista->SetSelectionLength(3);
    vista->SetSelectionBold(true);
    vista->HighlightSelection(Amarillo);
    vista->SetSelectionStart(inicio);
    vista->SetSelectionLength(2);

    vista->ClearText();
    QVERIFY(vista->toPlainText().isEmpty());
    QVERIFY(!vista->textCursor().hasSelection());
    QVERIFY(!vista->document()->isModified());
    vista->SetLinesText(texto);
    QVERIFY(!vista->textCursor().hasSelection());
    for (const QTextCharFormat &f : formatos()) {
        QVERIFY(!esNegrita(f));
        QVERIFY(!tieneFondo(f));
    }
    QVERIFY(!esNegrita(vista->textCursor().charFormat()));
    QVERIFY(!tieneFondo(vista->textCursor().charFormat()));
}

void TstRichTextView::scrolling_onlySetSelectionLengthScrolls()
{
    QStringList lineas;
    for (int i = 0; i < 60; ++i)
        lineas << QStringLiteral("Párrafo %1 del texto.").arg(i, 2, 10, QLatin1Char('0'));
    const QString texto = lineas.join(QLatin1Char('\n'));
    QScrollBar *const barra = vista->verticalScrollBar();
    vista->SetLinesText(texto);
    QTRY_VERIFY(barra->maximum() > 0);
    QCOMPARE(barra->value(), 0);
    QCOMPARE(vista->textCursor().position(), int(texto.size()) + 1);

    const int ultimo = vista->FindInRange(QStringLiteral("59"), 0, int(texto.size()));
    QVERIFY(ultimo > 0);
    vista->SetSelectionStart(ultimo);
    QCOMPARE(vista->textCursor().position(), ultimo);
    QVERIFY(!vista->textCursor().hasSelection());
    QCOMPARE(barra->value(), 0);
    vista->SetSelectionBold(true);
    QCOMPARE(barra->value(), 0);

    vista->SetSelectionLength(2);
    QVERIFY(barra->value() > 0);
    QVERIFY(vista->viewport()->rect().intersects(vista->cursorRect()));

    // Back at the top, a highlight collapses the selection and scrolls to it.
    barra->setValue(0);
    vista->HighlightSelection(Amarillo);
    QVERIFY(barra->value() > 0);
    QCOMPARE(vista->textCursor().position(), ultimo);
}

void TstRichTextView::selection_drawnOnlyWithFocus()
{
    vista->SetLinesText(QStringLiteral("Texto de prueba con varias palabras"));
    QWidget otro;
    COMPROBAR(desenfocar(otro));

    vista->SetSelectionStart(0);
    vista->SetSelectionLength(0);
    const QImage sinSeleccion = vista->viewport()->grab().toImage();
    vista->SetSelectionLength(10);
    QVERIFY(vista->textCursor().hasSelection());
    // Anti-aliasing at the edge of the selected run may differ by a pixel or two;
    // a drawn selection changes hundreds.
    QVERIFY(pixelesDistintos(vista->viewport()->grab().toImage(), sinSeleccion) < 10);

    COMPROBAR(enfocar());
    QVERIFY(vista->textCursor().hasSelection());
    QVERIFY(pixelesDistintos(vista->viewport()->grab().toImage(), sinSeleccion) > 200);

    // A palette set later keeps the rule.
    QPalette p = vista->palette();
    p.setColor(QPalette::Highlight, Qt::darkBlue);
    vista->setPalette(p);
    QCOMPARE(vista->palette().brush(QPalette::Inactive, QPalette::Highlight).style(), Qt::NoBrush);
}

void TstRichTextView::selection_withoutFocusLeavesHighlightInSight()
{
    vista->SetLinesText(QStringLiteral("Texto de prueba con varias palabras"));
    QWidget otro;
    COMPROBAR(desenfocar(otro));

    vista->SetSelectionStart(6);
    vista->SetSelectionLength(2);
    vista->SetSelectionBold(true);
    vista->HighlightSelection(Qt::yellow);
    const QImage resaltado = vista->viewport()->grab().toImage();
    // A selection over the highlighted word and around it changes nothing on screen.
    vista->SetSelectionStart(0);
    vista->SetSelectionLength(15);
    QVERIFY(vista->textCursor().hasSelection());
    QVERIFY(pixelesDistintos(vista->viewport()->grab().toImage(), resaltado) < 10);

    COMPROBAR(enfocar());
    QVERIFY(pixelesDistintos(vista->viewport()->grab().toImage(), resaltado) > 200);
}

void TstRichTextView::readOnly_keysChangeNothing_data()
{
    QTest::addColumn<QTestEventList>("teclas");
    QTestEventList escribir;
    escribir.addKeyClicks(QStringLiteral("xyz"));
    QTest::newRow("typing") << escribir;
    QTestEventList suprimir;
    suprimir.addKeyClick(Qt::Key_Delete);
    QTest::newRow("Delete") << suprimir;
    QTestEventList retroceso;
    retroceso.addKeyClick(Qt::Key_Backspace);
    QTest::newRow("Backspace") << retroceso;
    QTestEventList intro;
    intro.addKeyClick(Qt::Key_Return);
    QTest::newRow("Return") << intro;
    QTestEventList cortar;
    cortar.addKeyClick(Qt::Key_X, Qt::ControlModifier);
    QTest::newRow("Ctrl+X") << cortar;
    QTestEventList cortarShift;
    cortarShift.addKeyClick(Qt::Key_Delete, Qt::ShiftModifier);
    QTest::newRow("Shift+Delete") << cortarShift;
    QTestEventList pegar;
    pegar.addKeyClick(Qt::Key_V, Qt::ControlModifier);
    QTest::newRow("Ctrl+V") << pegar;
    QTestEventList pegarShift;
    pegarShift.addKeyClick(Qt::Key_Insert, Qt::ShiftModifier);
    QTest::newRow("Shift+Insert") << pegarShift;
    QTestEventList deshacer;
    deshacer.addKeyClick(Qt::Key_Delete);
    deshacer.addKeyClick(Qt::Key_Z, Qt::ControlModifier);
    deshacer.addKeyClick(Qt::Key_Y, Qt::ControlModifier);
    deshacer.addKeyClick(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::newRow("undo and redo") << deshacer;
    QTestEventList formato;
    formato.addKeyClick(Qt::Key_B, Qt::ControlModifier);
    formato.addKeyClick(Qt::Key_I, Qt::ControlModifier);
    formato.addKeyClick(Qt::Key_U, Qt::ControlModifier);
    QTest::newRow("formatting shortcuts") << formato;
    QTestEventList borrarPalabra;
    borrarPalabra.addKeyClick(Qt::Key_Backspace, Qt::ControlModifier);
    borrarPalabra.addKeyClick(Qt::Key_Delete, Qt::ControlModifier);
    QTest::newRow("delete word") << borrarPalabra;
}

void TstRichTextView::readOnly_keysChangeNothing()
{
    QFETCH(QTestEventList, teclas);
    QApplication::clipboard()->setText(QStringLiteral("PEGADO"));
    vista->SetLinesText(QStringLiteral("uno dos\ntres"));
    vista->SetSelectionStart(4);
    vista->SetSelectionLength(3);
    vista->SetSelectionBold(true);
    vista->HighlightSelection(Amarillo);
    const QList<QTextCharFormat> antes = formatos();
    COMPROBAR(enfocar());
    // Once with the caret inside a word, once with a selection made by keyboard.
    QTest::keyClick(vista.get(), Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(vista.get(), Qt::Key_Right);
    teclas.simulate(vista.get());
    QTest::keyClick(vista.get(), Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(vista.get(), Qt::Key_Right, Qt::ShiftModifier);
    QVERIFY(vista->textCursor().hasSelection());
    teclas.simulate(vista.get());
    QCOMPARE(vista->toPlainText(), QStringLiteral("uno dos\ntres\n"));
    QCOMPARE(formatos(), antes);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("PEGADO"));
}

void TstRichTextView::readOnly_inputMethodAndDropChangeNothing()
{
    vista->SetLinesText(QStringLiteral("uno dos"));
    COMPROBAR(enfocar());
    vista->SetSelectionStart(1);
    QInputMethodEvent compuesto;
    compuesto.setCommitString(QStringLiteral("ñ"));
    QApplication::sendEvent(vista.get(), &compuesto);
    QCOMPARE(vista->toPlainText(), QStringLiteral("uno dos\n"));

    QMimeData datos;
    datos.setText(QStringLiteral("soltado"));
    const QPoint donde = vista->cursorRect().center();
    QDragEnterEvent entrar(donde, Qt::CopyAction | Qt::MoveAction, &datos, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(vista->viewport(), &entrar);
    QDropEvent soltar(donde, Qt::CopyAction | Qt::MoveAction, &datos, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(vista->viewport(), &soltar);
    QCOMPARE(vista->toPlainText(), QStringLiteral("uno dos\n"));
}

void TstRichTextView::copy_keyboardAndMouseSelectionReachClipboard()
{
    vista->SetLinesText(QStringLiteral("Artículo primero\nSegundo párrafo"));
    COMPROBAR(enfocar());
    QApplication::clipboard()->clear();
    QTest::keyClick(vista.get(), Qt::Key_Home, Qt::ControlModifier);
    for (int i = 0; i < 8; ++i)
        QTest::keyClick(vista.get(), Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(vista.get(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Artículo"));

    // A double click selects the word under the mouse; Ctrl+Insert copies too.
    QTextCursor c(vista->document());
    c.setPosition(19);
    const QPoint enSegundo = vista->cursorRect(c).center();
    QTest::mouseDClick(vista->viewport(), Qt::LeftButton, Qt::NoModifier, enSegundo);
    QCOMPARE(vista->textCursor().selectedText(), QStringLiteral("Segundo"));
    QTest::keyClick(vista.get(), Qt::Key_Insert, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Segundo"));
    QCOMPARE(vista->toPlainText(), QStringLiteral("Artículo primero\nSegundo párrafo\n"));
}

void TstRichTextView::contextMenu_sevenEntriesCopyFollowsSelection_data()
{
    QTest::addColumn<int>("largo");
    QTest::addColumn<QStringList>("esperadas");
    QTest::newRow("caret only: Copy disabled")
        << 0 << QStringList{"&View", "-", "!Cu&t", "!&Copy", "!&Paste", "-", "Fin&d"};
    QTest::newRow("selection: Copy enabled")
        << 5 << QStringList{"&View", "-", "!Cu&t", "&Copy", "!&Paste", "-", "Fin&d"};
}

void TstRichTextView::contextMenu_sevenEntriesCopyFollowsSelection()
{
    QFETCH(int, largo);
    QFETCH(QStringList, esperadas);
    QApplication::clipboard()->setText(QStringLiteral("antes"));
    vista->SetLinesText(QStringLiteral("Texto del menú contextual"));
    vista->SetSelectionStart(6);
    vista->SetSelectionLength(largo);
    QMenu *const menu = abrirMenuContextual(puntoDe(2));
    QVERIFY(menu);
    QCOMPARE(entradas(menu), esperadas);
    QAction *const copiar = menu->findChild<QAction *>(QStringLiteral("MenuContextual_Copiar"));
    QVERIFY(copiar);
    copiar->trigger();
    menu->close();
    QCOMPARE(QApplication::clipboard()->text(), largo ? QStringLiteral("del m") : QStringLiteral("antes"));
    QCOMPARE(vista->toPlainText(), QStringLiteral("Texto del menú contextual\n"));
}

void TstRichTextView::viewWindow_readOnlyCopyOfTheContent_data()
{
    QTest::addColumn<bool>("porMenu");
    QTest::newRow("F2") << false;
    QTest::newRow("View entry of the menu") << true;
}

void TstRichTextView::viewWindow_readOnlyCopyOfTheContent()
{
    QFETCH(bool, porMenu);
    vista->SetLinesText(QStringLiteral("uno dos\ntres"));
    vista->SetSelectionStart(4);
    vista->SetSelectionLength(3);
    vista->SetSelectionBold(true);
    vista->HighlightSelection(Amarillo);
    COMPROBAR(enfocar());

    QString titulo;
    QString texto;
    QString trasEscribir;
    bool soloLectura = false;
    bool modal = false;
    QTextCharFormat marcado;
    QTextCharFormat normal;
    alAparecerModal([&](QWidget *ventana) {
        titulo = ventana->windowTitle();
        modal = ventana->isModal() && ventana->objectName() == QStringLiteral("VerTexto");
        auto *const copia = ventana->findChild<QTextEdit *>(QStringLiteral("VerTexto_Texto"));
        if (!copia)
            return;
        texto = copia->toPlainText();
        soloLectura = copia->isReadOnly();
        marcado = formatoEn(copia->document(), 5);
        normal = formatoEn(copia->document(), 1);
        QTest::keyClicks(copia, QStringLiteral("xyz"));
        QTest::keyClick(copia, Qt::Key_Delete);
        trasEscribir = copia->toPlainText();
    });
    if (porMenu) {
        QMenu *const menu = abrirMenuContextual(puntoDe(1));
        QVERIFY(menu);
        menu->findChild<QAction *>(QStringLiteral("MenuContextual_Ver"))->trigger();
        menu->close();
    } else {
        QTest::keyClick(vista.get(), Qt::Key_F2);
    }
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(titulo, QStringLiteral("Edit Rich Text"));
    QVERIFY(modal);
    QCOMPARE(texto, QStringLiteral("uno dos\ntres\n"));
    QVERIFY(soloLectura);
    QCOMPARE(trasEscribir, texto);
    QVERIFY(esNegrita(marcado));
    QCOMPARE(marcado.background().color(), Amarillo);
    QVERIFY(!esNegrita(normal));
    QVERIFY(!tieneFondo(normal));
    QCOMPARE(vista->toPlainText(), QStringLiteral("uno dos\ntres\n"));
}

void TstRichTextView::find_forwardUntilNoMoreMatches_data()
{
    QTest::addColumn<QString>("buscada");
    QTest::addColumn<bool>("palabraCompleta");
    QTest::addColumn<bool>("mayusculas");
    QTest::addColumn<QList<int>>("posiciones");
    QTest::newRow("any part of a word") << QStringLiteral("órgano") << false << false << QList<int>{3, 15, 28};
    QTest::newRow("whole word") << QStringLiteral("órgano") << true << false << QList<int>{3, 28};
    QTest::newRow("match case") << QStringLiteral("ÓRGANO") << false << true << QList<int>{28};
    QTest::newRow("absent") << QStringLiteral("ley") << true << false << QList<int>{};
}

void TstRichTextView::find_forwardUntilNoMoreMatches()
{
    QFETCH(QString, buscada);
    QFETCH(bool, palabraCompleta);
    QFETCH(bool, mayusculas);
    QFETCH(QList<int>, posiciones);
    vista->SetLinesText(QStringLiteral("El órgano, los Órganos\ny el ÓRGANO."));
    QMenu *const menu = abrirMenuContextual(puntoDe(0));
    QVERIFY(menu);
    menu->findChild<QAction *>(QStringLiteral("MenuContextual_Buscar"))->trigger();
    menu->close();
    auto *const dialogo = vista->findChild<QDialog *>(QStringLiteral("BuscarTexto"));
    QVERIFY(dialogo);
    QTRY_VERIFY(dialogo->isVisible());
    QCOMPARE(dialogo->windowTitle(), QStringLiteral("Find"));
    QVERIFY(dialogo->findChildren<QRadioButton *>().isEmpty());
    auto *const texto = dialogo->findChild<QLineEdit *>(QStringLiteral("BuscarTexto_Texto"));
    auto *const siguiente = dialogo->findChild<QPushButton *>(QStringLiteral("BuscarTexto_Siguiente"));
    QVERIFY(texto && siguiente);
    QVERIFY(!siguiente->isEnabled());
    escribir(texto, buscada);
    dialogo->findChild<QCheckBox *>(QStringLiteral("BuscarTexto_PalabraCompleta"))->setChecked(palabraCompleta);
    dialogo->findChild<QCheckBox *>(QStringLiteral("BuscarTexto_Mayusculas"))->setChecked(mayusculas);

    for (const int p : posiciones) {
        QTest::mouseClick(siguiente, Qt::LeftButton);
        QCOMPARE(vista->textCursor().selectionStart(), p);
        QCOMPARE(vista->textCursor().selectionEnd(), p + int(buscada.size()));
    }
    const QTextCursor ultima = vista->textCursor();
    QString mensaje;
    QString titulo;
    QMessageBox::StandardButtons botones;
    QMessageBox::Icon icono = QMessageBox::NoIcon;
    alAparecerModal([&](QWidget *ventana) {
        auto *const caja = qobject_cast<QMessageBox *>(ventana);
        if (!caja)
            return;
        mensaje = caja->text();
        botones = caja->standardButtons();
        icono = caja->icon();
        QTest::mouseClick(caja->button(QMessageBox::Ok), Qt::LeftButton);
    });
    QTest::mouseClick(siguiente, Qt::LeftButton);
    QCOMPARE(mensaje, QStringLiteral("No more matches found"));
    QCOMPARE(botones, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(icono, QMessageBox::Information);
    QCOMPARE(vista->textCursor(), ultima);
    QVERIFY(dialogo->isVisible());

    // Opening the dialog again starts over from the beginning of the text.
    if (!posiciones.isEmpty()) {
        vista->abrirBuscar();
        QTest::mouseClick(siguiente, Qt::LeftButton);
        QCOMPARE(vista->textCursor().selectionStart(), posiciones.first());
    }
    QTest::mouseClick(dialogo->findChild<QPushButton *>(QStringLiteral("BuscarTexto_Cancelar")), Qt::LeftButton);
    QVERIFY(!dialogo->isVisible());
}

void TstRichTextView::links_detectedAddresses_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QStringList>("enlaces"); // "start:length:address"
    QTest::newRow("https before a full stop")
        << QStringLiteral("Vea https://example.org/nota.") << QStringList{"4:24:https://example.org/nota"};
    QTest::newRow("http with a query")
        << QStringLiteral("http://example.org/a?b=1, y") << QStringList{"0:24:http://example.org/a?b=1"};
    QTest::newRow("www gains http") << QStringLiteral("(www.example.net)")
                                    << QStringList{"1:15:http://www.example.net"};
    QTest::newRow("plain e-mail gains mailto") << QStringLiteral("Escriba a autor@example.com;")
                                               << QStringList{"10:17:mailto:autor@example.com"};
    QTest::newRow("mailto kept") << QStringLiteral("mailto:otro@example.com")
                                 << QStringList{"0:23:mailto:otro@example.com"};
    QTest::newRow("two on two paragraphs") << QStringLiteral("www.a.com\nb@c.org")
                                           << QStringList{"0:9:http://www.a.com", "10:7:mailto:b@c.org"};
    QTest::newRow("no address") << QStringLiteral("La República es libre. 5.3 km; a@b") << QStringList{};
}

void TstRichTextView::links_detectedAddresses()
{
    QFETCH(QString, texto);
    QFETCH(QStringList, enlaces);
    vista->setAutoURLDetect(true);
    vista->SetLinesText(texto);
    QStringList encontrados;
    const QList<QTextCharFormat> f = formatos();
    for (int i = 0; i < f.size(); ++i) {
        if (!f[i].isAnchor())
            continue;
        int fin = i;
        while (fin < f.size() && f[fin].isAnchor() && f[fin].anchorHref() == f[i].anchorHref())
            ++fin;
        encontrados << QStringLiteral("%1:%2:%3").arg(i).arg(fin - i).arg(f[i].anchorHref());
        QVERIFY(f[i].fontUnderline());
        i = fin - 1;
    }
    QCOMPARE(encontrados, enlaces);
}

void TstRichTextView::links_clickOpensThroughDesktop_data()
{
    QTest::addColumn<QString>("buscada");
    QTest::addColumn<QString>("textoEnlace");
    QTest::addColumn<QUrl>("url");
    QTest::newRow("https") << QStringLiteral("https") << QStringLiteral("https://example.org/nota")
                           << QUrl(QStringLiteral("https://example.org/nota"));
    QTest::newRow("www") << QStringLiteral("www") << QStringLiteral("www.example.net")
                         << QUrl(QStringLiteral("http://www.example.net"));
    QTest::newRow("plain e-mail") << QStringLiteral("autor") << QStringLiteral("autor@example.com")
                                  << QUrl(QStringLiteral("mailto:autor@example.com"));
    QTest::newRow("mailto") << QStringLiteral("mailto") << QStringLiteral("mailto:otro@example.com")
                            << QUrl(QStringLiteral("mailto:otro@example.com"));
}

void TstRichTextView::links_clickOpensThroughDesktop()
{
    QFETCH(QString, buscada);
    QFETCH(QString, textoEnlace);
    QFETCH(QUrl, url);
    Escritorio escritorio;
    for (const char *esquema : {"https", "http", "mailto"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(esquema), &escritorio, "abrir");
    vista->setAutoURLDetect(true);
    vista->SetLinesText(QStringLiteral("Escriba a autor@example.com o vea https://example.org/nota.\n"
                                       "También www.example.net y mailto:otro@example.com; nada más."));
    QStringList avisados;
    connect(vista.get(), &RichTextView::OnURLOpen, this,
            [&avisados](const QString &texto, bool &permitir) {
                avisados << texto;
                QVERIFY(permitir);
            });
    const int p = vista->FindInRange(buscada, 0, int(vista->textoDocumento().size()), {false, false});
    QVERIFY(p >= 0);

    QTest::mouseMove(vista->viewport(), puntoDe(p + 3));
    QTRY_COMPARE(vista->viewport()->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(vista->viewport(), Qt::LeftButton, Qt::NoModifier, puntoDe(p + 3));
    QCOMPARE(avisados, QStringList{textoEnlace});
    QCOMPARE(escritorio.abiertas, QList<QUrl>{url});
    QVERIFY(escritorio.esperaMostrada);
    QVERIFY(!QGuiApplication::overrideCursor());

    // Outside any link: nothing opens, and the pointer is the text one again.
    QTest::mouseMove(vista->viewport(), puntoDe(1));
    QTRY_COMPARE(vista->viewport()->cursor().shape(), Qt::IBeamCursor);
    QTest::mouseClick(vista->viewport(), Qt::LeftButton, Qt::NoModifier, puntoDe(1));
    QCOMPARE(escritorio.abiertas.size(), 1);
    QCOMPARE(vista->toPlainText().size(), vista->textoDocumento().size());
}

void TstRichTextView::links_pressAndReleaseMustMeetOnOneLink()
{
    Escritorio escritorio;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &escritorio, "abrir");
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &escritorio, "abrir");
    vista->setAutoURLDetect(true);
    vista->SetLinesText(QStringLiteral("uno https://example.org dos a@example.com"));
    QWidget *const area = vista->viewport();
    // Pressed on a link, released on plain text.
    QTest::mousePress(area, Qt::LeftButton, Qt::NoModifier, puntoDe(6));
    QTest::mouseRelease(area, Qt::LeftButton, Qt::NoModifier, puntoDe(1));
    // Pressed on plain text, released on a link.
    QTest::mousePress(area, Qt::LeftButton, Qt::NoModifier, puntoDe(1));
    QTest::mouseRelease(area, Qt::LeftButton, Qt::NoModifier, puntoDe(6));
    // Pressed on one link, released on another.
    QTest::mousePress(area, Qt::LeftButton, Qt::NoModifier, puntoDe(6));
    QTest::mouseRelease(area, Qt::LeftButton, Qt::NoModifier, puntoDe(33));
    // The right button opens no link.
    esperarPulsacionDerecha();
    QTest::mousePress(area, Qt::RightButton, Qt::NoModifier, puntoDe(6));
    QTest::mouseRelease(area, Qt::RightButton, Qt::NoModifier, puntoDe(6));
    if (QWidget *const menu = QApplication::activePopupWidget())
        menu->close();
    QVERIFY(escritorio.abiertas.isEmpty());
    // Press and release on the same link, at different characters of it.
    QTest::mousePress(area, Qt::LeftButton, Qt::NoModifier, puntoDe(6));
    QTest::mouseRelease(area, Qt::LeftButton, Qt::NoModifier, puntoDe(15));
    QCOMPARE(escritorio.abiertas, QList<QUrl>{QUrl(QStringLiteral("https://example.org"))});
}

void TstRichTextView::links_cancelledByOnURLOpen()
{
    Escritorio escritorio;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &escritorio, "abrir");
    vista->setAutoURLDetect(true);
    vista->SetLinesText(QStringLiteral("https://example.org"));
    QString avisado;
    connect(vista.get(), &RichTextView::OnURLOpen, this, [&avisado](const QString &texto, bool &permitir) {
        avisado = texto;
        permitir = false;
    });
    QTest::mouseClick(vista->viewport(), Qt::LeftButton, Qt::NoModifier, puntoDe(3));
    QCOMPARE(avisado, QStringLiteral("https://example.org"));
    QVERIFY(escritorio.abiertas.isEmpty());
    QVERIFY(!QGuiApplication::overrideCursor());
}

void TstRichTextView::links_offByDefaultAndFollowLaterContent()
{
    Escritorio escritorio;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &escritorio, "abrir");
    QVERIFY(!vista->autoURLDetect());
    vista->SetLinesText(QStringLiteral("https://example.org"));
    QTest::mouseClick(vista->viewport(), Qt::LeftButton, Qt::NoModifier, puntoDe(3));
    QVERIFY(escritorio.abiertas.isEmpty());
    for (const QTextCharFormat &f : formatos())
        QVERIFY(!f.isAnchor());

    // Turned on, it marks the content already there and rich text set afterwards.
    vista->setAutoURLDetect(true);
    QVERIFY(formatoEn(vista->document(), 3).isAnchor());
    vista->setHtml(QStringLiteral("<p><b>Nota</b></p><p>Escriba a <i>autor@example.com</i></p>"));
    QTRY_VERIFY(formatoEn(vista->document(), 16).isAnchor());
    QCOMPARE(formatoEn(vista->document(), 16).anchorHref(), QStringLiteral("mailto:autor@example.com"));
    QVERIFY(formatoEn(vista->document(), 16).fontItalic());
    QVERIFY(!formatoEn(vista->document(), 9).isAnchor());
}

PRUEBA_MAIN(TstRichTextView)
#include "tst_richtextview.moc"
