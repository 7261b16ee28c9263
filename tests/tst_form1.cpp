// The main window at start and when it shows an entry: caption, heading strips,
// text, stepping buttons, clamping and the word highlight.
#include "avisos_qt.h"
#include "comprobar.h"
#include "entradas.h"
#include "estado_lector.h"
#include "form1.h"
#include "richtextview.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include <memory>

class TstForm1 : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void start_showsPreamble();
    void activation_runsOnce();
    void mostrar_data();
    void mostrar();
    void steppingButtons_walkAllEntriesAndBack();
    void highlight_marksEveryWholeWordAndNothingElse_data();
    void highlight_marksEveryWholeWordAndNothingElse();
    void highlight_appliesToOneDisplayOnly();
    void keyboardInText_caretAtStartOnEveryMove();

private:
    QLabel *label(const char *nombre) const { return ventana->findChild<QLabel *>(QString::fromLatin1(nombre)); }
    QPushButton *boton(const char *nombre) const
    {
        return ventana->findChild<QPushButton *>(QString::fromLatin1(nombre));
    }
    RichTextView *memo() const { return ventana->findChild<RichTextView *>(QStringLiteral("ColorMemo1")); }
    void verificarBotones(bool primeros, bool ultimos) const
    {
        QCOMPARE(boton("Boton_Menu_Primero_")->isEnabled(), primeros);
        QCOMPARE(boton("Boton_Menu_Anterior_")->isEnabled(), primeros);
        QCOMPARE(boton("Boton_Menu_Siguiente_")->isEnabled(), ultimos);
        QCOMPARE(boton("Boton_Menu_Ultimo_")->isEnabled(), ultimos);
    }
    // Ranges of the view's text that are bold on yellow, as (start, length) pairs,
    // and whether anything else carries a format.
    QList<QPair<int, int>> resaltados(bool *otroFormato) const;

    std::unique_ptr<Form1> ventana;
};

void TstForm1::init()
{
    ventana = std::make_unique<Form1>();
    ventana->show();
    QVERIFY(QTest::qWaitForWindowExposed(ventana.get()));
}

void TstForm1::cleanup()
{
    ventana.reset();
}

void TstForm1::start_showsPreamble()
{
    QCOMPARE(ventana->objectName(), QStringLiteral("Form1"));
    QCOMPARE(ventana->windowTitle(),
             QStringLiteral("CONSTITUCION DE LA REPUBLICA BOLIVARIANA DE VENEZUELA 15 DICIEMBRE DE 1999"));
    QCOMPARE(UnitM01::Articulo_Actual, 1);
    QCOMPARE(label("StaticText1")->text(), QStringLiteral("Preámbulo"));
    QCOMPARE(label("StaticText5")->text(), QStringLiteral("PREÁMBULO "));
    QCOMPARE(label("StaticText6")->text(), QString());
    QCOMPARE(label("StaticText7")->text(), QString());
    QCOMPARE(memo()->toPlainText(), Texto_Entrada(1) + QLatin1Char('\n'));
    COMPROBAR(verificarBotones(false, true));
    QVERIFY(UnitM01::Indice_Visible);
    QCOMPARE(UnitM01::Ancho_Indice, 294);
    QCOMPARE(UnitM01::Max_Decenas, 9);
    QCOMPARE(UnitM01::Max_Unidades, 9);
    QVERIFY(!UnitM01::Resaltar_Palabra);
    const auto *pagina = ventana->findChild<QTabWidget *>(QStringLiteral("PageControl1"));
    QCOMPARE(pagina->currentWidget()->objectName(), QStringLiteral("Pagina_Indice"));
}

void TstForm1::activation_runsOnce()
{
    QTest::mouseClick(boton("Boton_Menu_Ultimo_"), Qt::LeftButton);
    QCOMPARE(UnitM01::Articulo_Actual, 371);
    ventana->hide();
    ventana->show();
    QVERIFY(QTest::qWaitForWindowExposed(ventana.get()));
    QCOMPARE(UnitM01::Articulo_Actual, 371);
    QCOMPARE(label("StaticText1")->text(), QStringLiteral("Única."));
}

void TstForm1::mostrar_data()
{
    QTest::addColumn<int>("pedida");
    QTest::addColumn<int>("mostrada");
    QTest::addColumn<QString>("rotulo");
    QTest::addColumn<QString>("titulo");
    QTest::addColumn<QString>("capitulo");
    QTest::addColumn<QString>("seccion");
    QTest::newRow("article 33") << 34 << 34 << QStringLiteral("Artículo 33")
                                << QStringLiteral("III DE LOS DERECHOS HUMANOS Y GARANTÍAS, Y DE LOS DEBERES")
                                << QStringLiteral("II De la nacionalidad y de la ciudadanía")
                                << QStringLiteral("Primera: De la Nacionalidad ");
    QTest::newRow("final provision") << 371 << 371 << QStringLiteral("Única.") << QStringLiteral("DISPOSICIÓN FINAL ")
                                     << QString() << QString();
    QTest::newRow("fifth transitional") << 357 << 357 << QStringLiteral("Quinta.")
                                        << QStringLiteral("DISPOSICIONES TRANSITORIAS ") << QString() << QString();
    QTest::newRow("400 clamps to the last entry") << 400 << 371 << QStringLiteral("Única.")
                                                  << QStringLiteral("DISPOSICIÓN FINAL ") << QString() << QString();
    QTest::newRow("-5 clamps to the preamble") << -5 << 1 << QStringLiteral("Preámbulo") << QStringLiteral("PREÁMBULO ")
                                               << QString() << QString();
    // Entry 0 displays nothing: article 33, shown before, stays and the highlight stays pending.
    QTest::newRow("0 shows nothing") << 0 << 0 << QStringLiteral("Artículo 33")
                                     << QStringLiteral("III DE LOS DERECHOS HUMANOS Y GARANTÍAS, Y DE LOS DEBERES")
                                     << QStringLiteral("II De la nacionalidad y de la ciudadanía")
                                     << QStringLiteral("Primera: De la Nacionalidad ");
}

void TstForm1::mostrar()
{
    QFETCH(int, pedida);
    QFETCH(int, mostrada);
    QFETCH(QString, rotulo);
    QFETCH(QString, titulo);
    QFETCH(QString, capitulo);
    QFETCH(QString, seccion);
    constexpr int antes = 34;
    ventana->Mover_A_Entrada(antes);
    UnitM01::Palabra_Elegida = QStringLiteral("Estado");
    UnitM01::Resaltar_Palabra = true;
    ventana->Mover_A_Entrada(pedida);
    QCOMPARE(UnitM01::Articulo_Actual, mostrada);
    QCOMPARE(label("StaticText1")->text(), rotulo);
    QCOMPARE(label("StaticText5")->text(), titulo);
    QCOMPARE(label("StaticText6")->text(), capitulo);
    QCOMPARE(label("StaticText7")->text(), seccion);
    const int enPantalla = mostrada == 0 ? antes : mostrada;
    QCOMPARE(memo()->toPlainText(), Texto_Entrada(enPantalla) + QLatin1Char('\n'));
    QCOMPARE(UnitM01::Resaltar_Palabra, mostrada == 0);
    COMPROBAR(verificarBotones(mostrada != 1, mostrada != 371));
}

void TstForm1::steppingButtons_walkAllEntriesAndBack()
{
    for (int e = 2; e <= Numero_Entradas; ++e) {
        QTest::mouseClick(boton("Boton_Menu_Siguiente_"), Qt::LeftButton);
        QCOMPARE(UnitM01::Articulo_Actual, e);
    }
    QCOMPARE(label("StaticText1")->text(), QStringLiteral("Única."));
    COMPROBAR(verificarBotones(true, false));
    // Disabled buttons ignore clicks.
    QTest::mouseClick(boton("Boton_Menu_Siguiente_"), Qt::LeftButton);
    QCOMPARE(UnitM01::Articulo_Actual, 371);
    for (int e = Numero_Entradas - 1; e >= 1; --e) {
        QTest::mouseClick(boton("Boton_Menu_Anterior_"), Qt::LeftButton);
        QCOMPARE(UnitM01::Articulo_Actual, e);
    }
    COMPROBAR(verificarBotones(false, true));
    QTest::mouseClick(boton("Boton_Menu_Ultimo_"), Qt::LeftButton);
    QCOMPARE(UnitM01::Articulo_Actual, 371);
    QTest::mouseClick(boton("Boton_Menu_Primero_"), Qt::LeftButton);
    QCOMPARE(UnitM01::Articulo_Actual, 1);
    QCOMPARE(memo()->toPlainText(), Texto_Entrada(1) + QLatin1Char('\n'));
}

QList<QPair<int, int>> TstForm1::resaltados(bool *otroFormato) const
{
    QList<QPair<int, int>> r;
    *otroFormato = false;
    for (QTextBlock b = memo()->document()->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            const QTextCharFormat fmt = f.charFormat();
            const bool negrita = fmt.fontWeight() == QFont::Bold;
            const bool amarillo = fmt.background().color() == QColor(255, 255, 0)
                                  && fmt.background().style() != Qt::NoBrush;
            if (negrita && amarillo) {
                if (!r.isEmpty() && r.last().first + r.last().second == f.position())
                    r.last().second += f.length();
                else
                    r.append({f.position(), f.length()});
            } else if (negrita || fmt.background().style() != Qt::NoBrush) {
                *otroFormato = true;
            }
        }
    }
    return r;
}

void TstForm1::highlight_marksEveryWholeWordAndNothingElse_data()
{
    QTest::addColumn<int>("entrada");
    QTest::addColumn<QString>("palabra");
    QTest::addColumn<QList<int>>("posiciones");
    QTest::newRow("abierto in article 272") << 273 << QStringLiteral("Abierto") << QList<int>{587};
    QTest::newRow("only abiertos in article 184") << 185 << QStringLiteral("Abierto") << QList<int>{};
    QTest::newRow("CONSTITUCIÓN ends the preamble") << 1 << QStringLiteral("CONSTITUCIÓN") << QList<int>{1425};
    QTest::newRow("accented capital finds órgano") << 95 << QStringLiteral("Órgano") << QList<int>{268};
    QTest::newRow("Única at the very start") << 352 << QStringLiteral("Única") << QList<int>{0};
    QTest::newRow("Constitución twice in the fifteenth transitional")
        << 367 << QStringLiteral("Constitución") << QList<int>{93, 195};
}

void TstForm1::highlight_marksEveryWholeWordAndNothingElse()
{
    QFETCH(int, entrada);
    QFETCH(QString, palabra);
    QFETCH(QList<int>, posiciones);
    UnitM01::Palabra_Elegida = palabra;
    UnitM01::Resaltar_Palabra = true;
    ventana->Mover_A_Entrada(entrada);
    QVERIFY(!UnitM01::Resaltar_Palabra);
    bool otroFormato = true;
    const QList<QPair<int, int>> marcas = resaltados(&otroFormato);
    QVERIFY(!otroFormato);
    QCOMPARE(marcas.size(), posiciones.size());
    for (int i = 0; i < marcas.size(); ++i)
        QCOMPARE(marcas[i], qMakePair(posiciones[i], int(palabra.size())));
    QVERIFY(!memo()->textCursor().hasSelection());
    if (!posiciones.isEmpty())
        QCOMPARE(memo()->textCursor().position(), posiciones.last());
    QCOMPARE(memo()->toPlainText(), Texto_Entrada(entrada) + QLatin1Char('\n'));
}

void TstForm1::highlight_appliesToOneDisplayOnly()
{
    UnitM01::Palabra_Elegida = QStringLiteral("Estado");
    UnitM01::Resaltar_Palabra = true;
    ventana->Mover_A_Entrada(3);
    bool otroFormato = true;
    QVERIFY(!resaltados(&otroFormato).isEmpty());
    QTest::mouseClick(boton("Boton_Menu_Anterior_"), Qt::LeftButton);
    QTest::mouseClick(boton("Boton_Menu_Siguiente_"), Qt::LeftButton);
    QCOMPARE(UnitM01::Articulo_Actual, 3);
    QVERIFY(resaltados(&otroFormato).isEmpty());
    QVERIFY(!otroFormato);
}

void TstForm1::keyboardInText_caretAtStartOnEveryMove()
{
    ventana->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(ventana.get()));
    memo()->setFocus(Qt::TabFocusReason);
    QVERIFY(memo()->hasFocus());
    // Each way of moving, with the keyboard in the text; the third highlights a word (which
    // otherwise leaves the caret at its last occurrence), the others show a plain entry
    // (which otherwise leaves the caret at the end).
    const struct {
        const char *que;
        QKeyCombination tecla;
        bool resaltar;
        int entrada;
    } casos[] = {
        {"Alt+PageDown", Qt::ALT | Qt::Key_PageDown, false, 2},
        {"Alt+End", Qt::ALT | Qt::Key_End, false, 371},
        {"Alt+Home, a word highlighted", Qt::ALT | Qt::Key_Home, true, 1},
        {"Alt+PageDown again", Qt::ALT | Qt::Key_PageDown, false, 2},
        {"Alt+PageUp", Qt::ALT | Qt::Key_PageUp, false, 1},
        {"Alt+Left (back)", Qt::ALT | Qt::Key_Left, false, 2},
    };
    for (const auto &c : casos) {
        UnitM01::Palabra_Elegida = QStringLiteral("derechos");
        UnitM01::Resaltar_Palabra = c.resaltar;
        QTest::keyClick(memo(), c.tecla.key(), c.tecla.keyboardModifiers());
        QVERIFY2(UnitM01::Articulo_Actual == c.entrada, c.que);
        QVERIFY2(memo()->hasFocus(), c.que);
        QVERIFY2(!memo()->textCursor().hasSelection(), c.que);
        QVERIFY2(memo()->textCursor().position() == 0, c.que);
        QVERIFY2(memo()->verticalScrollBar()->value() == 0, c.que);
    }
    // Down reads the second line: the caret goes down from the first.
    QTest::keyClick(memo(), Qt::Key_Down);
    QVERIFY(memo()->textCursor().position() > 0);
}

PRUEBA_MAIN(TstForm1)
#include "tst_form1.moc"
