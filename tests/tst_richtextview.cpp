// The rich text view driven as the reader and the display routine drive it:
// paragraphs and positions, search, bold and highlight, clearing, scrolling,
// the hidden selection without focus, and read-only editing.
#include "richtextview.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <memory>

namespace {

const QColor Amarillo(255, 255, 0);

// The character format of the character at position i.
QTextCharFormat formatoEn(const QTextDocument *documento, int i)
{
    QTextCursor c(const_cast<QTextDocument *>(documento));
    c.setPosition(i + 1);
    return c.charFormat();
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

} // namespace

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
    void clearText_dropsEveryFormatAndTheSelection_data();
    void clearText_dropsEveryFormatAndTheSelection();
    void scrolling_onlySetSelectionLengthScrolls();
    void selection_drawnOnlyWithFocus();
    void readOnly_keysChangeNothing_data();
    void readOnly_keysChangeNothing();
    void readOnly_inputMethodAndDropChangeNothing();
    void copy_keyboardAndMouseSelectionReachClipboard();

private:
    // Formats of every character, for before/after comparisons.
    QList<QTextCharFormat> formatos() const;
    void enfocar();

    std::unique_ptr<RichTextView> vista;
};

void TstRichTextView::init()
{
    vista = std::make_unique<RichTextView>();
    vista->setObjectName(QStringLiteral("ColorMemo1"));
    vista->resize(320, 120);
    vista->show();
    QVERIFY(QTest::qWaitForWindowExposed(vista.get()));
}

void TstRichTextView::cleanup()
{
    vista.reset();
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
    otro.setFocusPolicy(Qt::StrongFocus);
    otro.show();
    otro.activateWindow();
    otro.setFocus();
    QTRY_VERIFY(!vista->hasFocus());

    vista->SetSelectionStart(0);
    vista->SetSelectionLength(0);
    const QImage sinSeleccion = vista->viewport()->grab().toImage();
    vista->SetSelectionLength(10);
    QVERIFY(vista->textCursor().hasSelection());
    // Anti-aliasing at the edge of the selected run may differ by a pixel or two;
    // a drawn selection changes hundreds.
    QVERIFY(pixelesDistintos(vista->viewport()->grab().toImage(), sinSeleccion) < 10);

    enfocar();
    QVERIFY(vista->textCursor().hasSelection());
    QVERIFY(pixelesDistintos(vista->viewport()->grab().toImage(), sinSeleccion) > 200);

    // A palette set later keeps the rule.
    QPalette p = vista->palette();
    p.setColor(QPalette::Highlight, Qt::darkBlue);
    vista->setPalette(p);
    QCOMPARE(vista->palette().brush(QPalette::Inactive, QPalette::Highlight).style(), Qt::NoBrush);
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
    enfocar();
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
    enfocar();
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
    enfocar();
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

QTEST_MAIN(TstRichTextView)
#include "tst_richtextview.moc"
