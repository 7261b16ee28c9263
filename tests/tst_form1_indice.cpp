// The index tree of the real window: how it is built, the depth buttons, clicks that open a
// division, keyboard moves that do not, and the expansion veto along every road.
#include "avisos_qt.h"
#include "divisiones.h"
#include "estado_lector.h"
#include "form1.h"
#include "vetotreewidget.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidgetItemIterator>

#include <algorithm>
#include <memory>

class TstForm1Indice : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void start_showsWholeTreeWithPreambleSelected();
    void depthButtons_data();
    void depthButtons();
    void click_showsFirstEntryOfDivision_data();
    void click_showsFirstEntryOfDivision();
    void arrowKeys_moveWithoutShowing_thenMarkClickShows();
    void emptySpaceClick_showsSelectedDivision();
    void veto_refusesOnEveryRoad_data();
    void veto_refusesOnEveryRoad();

private:
    VetoTreeWidget *arbol() const { return ventana->findChild<VetoTreeWidget *>(QStringLiteral("TreeView1")); }
    QPushButton *boton(const QString &nombre) const { return ventana->findChild<QPushButton *>(nombre); }
    QString rotulo() const { return ventana->findChild<QLabel *>(QStringLiteral("StaticText1"))->text(); }
    QTreeWidgetItem *nodo(int registro) const { return arbol()->itemAtDepthFirst(registro - 1); }
    int registroSeleccionado() const
    {
        const QList<QTreeWidgetItem *> s = arbol()->selectedItems();
        return s.size() == 1 ? arbol()->depthFirstPosition(s.first()) + 1 : 0;
    }
    static bool visible(const QTreeWidgetItem *item)
    {
        for (const QTreeWidgetItem *p = item->parent(); p; p = p->parent())
            if (!p->isExpanded())
                return false;
        return true;
    }
    int visibles() const
    {
        int n = 0;
        for (QTreeWidgetItemIterator it(arbol()); *it; ++it)
            n += visible(*it);
        return n;
    }
    void pulsarProfundidad(const QString &caption) const
    {
        QTest::mouseClick(boton(QStringLiteral("Boton_") + caption), Qt::LeftButton);
    }
    QPoint centro(QTreeWidgetItem *item) const
    {
        arbol()->scrollToItem(item);
        return arbol()->visualItemRect(item).center();
    }
    QPoint marca(QTreeWidgetItem *item) const
    {
        arbol()->scrollToItem(item);
        const QRect r = arbol()->visualItemRect(item);
        return {r.left() - arbol()->indentation() / 2, r.center().y()};
    }
    void clic(const QPoint &p) const { QTest::mouseClick(arbol()->viewport(), Qt::LeftButton, {}, p); }

    std::unique_ptr<Form1> ventana;
};

void TstForm1Indice::init()
{
    ventana = std::make_unique<Form1>();
    ventana->show();
    QVERIFY(QTest::qWaitForWindowExposed(ventana.get()));
}

void TstForm1Indice::cleanup()
{
    ventana.reset();
}

void TstForm1Indice::start_showsWholeTreeWithPreambleSelected()
{
    VetoTreeWidget *t = arbol();
    QVERIFY(t);
    QCOMPARE(t->topLevelItemCount(), 13);
    int k = 0;
    for (QTreeWidgetItemIterator it(t); *it; ++it, ++k) {
        const Division_Reg &d = Divisiones[k + 1];
        QCOMPARE((*it)->text(0), d.Titulo.toString());
        QCOMPARE(VetoTreeWidget::level(*it), int(d.Nivel - u'1'));
        QCOMPARE((*it)->isExpanded(), (*it)->childCount() > 0);
    }
    QCOMPARE(k, 77);
    QCOMPARE(visibles(), 77);
    QCOMPARE(registroSeleccionado(), 1);
    QCOMPARE(t->selectedItems().first()->text(0), QStringLiteral("PREÁMBULO "));

    // Depth buttons: a radio group with "0" down, its caption bold.
    const struct { const char *nombre; qreal puntos; bool abajo; } botones[] = {
        {"Boton_0", 8, true}, {"Boton_1", 10, false}, {"Boton_2", 10, false}, {"Boton_3", 10, false}};
    for (const auto &b : botones) {
        QPushButton *p = boton(QString::fromLatin1(b.nombre));
        QVERIFY(p->isCheckable());
        QCOMPARE(p->isChecked(), b.abajo);
        QCOMPARE(p->font().bold(), b.abajo);
        QCOMPARE(p->font().pointSizeF(), b.puntos);
    }
    pulsarProfundidad(QStringLiteral("2"));
    QVERIFY(!boton(QStringLiteral("Boton_0"))->isChecked());
    QVERIFY(!boton(QStringLiteral("Boton_0"))->font().bold());
    QVERIFY(boton(QStringLiteral("Boton_2"))->font().bold());
    QCOMPARE(boton(QStringLiteral("Boton_2"))->font().pointSizeF(), 10.0);

    // Look: black on money green, indent 19, hand cursor, read-only, selection kept when unfocused.
    QCOMPARE(t->palette().color(QPalette::Base), QColor(192, 220, 192));
    QCOMPARE(t->palette().color(QPalette::Text), QColor(Qt::black));
    QCOMPARE(t->indentation(), 19);
    QCOMPARE(t->viewport()->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(t->editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(t->selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(t->palette().color(QPalette::Inactive, QPalette::Highlight),
             t->palette().color(QPalette::Active, QPalette::Highlight));
}

void TstForm1Indice::depthButtons_data()
{
    QTest::addColumn<QStringList>("pulsados");
    QTest::addColumn<int>("limite");
    QTest::addColumn<int>("abiertoHasta"); // levels below this are open after the press
    QTest::addColumn<int>("entrada");      // shown after the presses
    QTest::addColumn<int>("seleccionado");
    QTest::addColumn<int>("visiblesTrasPulsar");
    int capitulos = 0;
    for (const Division_Reg &d : Divisiones)
        capitulos += d.Nivel == u'2';
    // On article 33: title III is record 6, its chapter II record 8, that chapter's first section record 9.
    QTest::newRow("1: titles only") << QStringList{"1"} << 0 << 0 << 34 << 6 << 13;
    QTest::newRow("2: titles and chapters") << QStringList{"2"} << 1 << 1 << 34 << 8 << 13 + capitulos;
    QTest::newRow("3: all three levels") << QStringList{"3"} << 2 << 2 << 34 << 9 << 77;
    QTest::newRow("3 after 1 opens titles and chapters") << QStringList{"1", "3"} << 2 << 2 << 34 << 9 << 77;
    QTest::newRow("0 after 1 leaves the tree closed") << QStringList{"1", "0"} << 3 << 0 << 34 << 6 << 13;
    // The derogatory provision (record 75) is a title with no chapter: "2" falls back to the title.
    QTest::newRow("2 on an entry without a chapter selects its title")
        << QStringList{"2"} << 1 << 1 << 352 << 75 << 13 + capitulos;
}

void TstForm1Indice::depthButtons()
{
    QFETCH(QStringList, pulsados);
    QFETCH(int, limite);
    QFETCH(int, abiertoHasta);
    QFETCH(int, entrada);
    QFETCH(int, seleccionado);
    QFETCH(int, visiblesTrasPulsar);
    ventana->Mover_A_Entrada(34);
    for (const QString &p : pulsados)
        pulsarProfundidad(p);
    // Another entry shown afterwards selects its node at the depth now allowed.
    if (entrada != 34)
        ventana->Mover_A_Entrada(entrada);
    QCOMPARE(UnitM01::Articulo_Actual, entrada);
    QCOMPARE(visibles(), visiblesTrasPulsar);
    QCOMPARE(registroSeleccionado(), seleccionado);
    for (QTreeWidgetItemIterator it(arbol()); *it; ++it)
        if ((*it)->childCount() > 0)
            QCOMPARE((*it)->isExpanded(), VetoTreeWidget::level(*it) < abiertoHasta);

    // Clicking the expand mark of every closed node in sight opens exactly those the depth allows,
    // and a refused node keeps its mark on screen.
    for (QTreeWidgetItemIterator it(arbol()); *it; ++it) {
        QTreeWidgetItem *item = *it;
        if (item->childCount() == 0 || item->isExpanded() || !visible(item))
            continue;
        const QPoint p = marca(item);
        const QImage imagen = arbol()->viewport()->grab().toImage();
        const QColor fondo = imagen.pixelColor(p.x(), arbol()->visualItemRect(item).top() + 1);
        int trazos = 0;
        for (int x = p.x() - 5; x <= p.x() + 5; ++x)
            for (int y = p.y() - 4; y <= p.y() + 4; ++y)
                trazos += imagen.pixelColor(x, y) != fondo;
        QVERIFY2(trazos > 0, qPrintable(item->text(0)));
        clic(p);
        QCOMPARE(item->isExpanded(), VetoTreeWidget::level(item) < limite);
    }
    QCOMPARE(visibles(), limite >= 2 ? 77 : limite == 1 ? visiblesTrasPulsar : 13);
}

void TstForm1Indice::click_showsFirstEntryOfDivision_data()
{
    QTest::addColumn<QString>("profundidad");
    QTest::addColumn<int>("registro");
    QTest::addColumn<int>("entrada");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("seleccionado");
    QTest::newRow("title III with 3 down selects its chapter I")
        << QStringLiteral("3") << 6 << 20 << QStringLiteral("Artículo 19") << 7;
    QTest::newRow("title III with 1 down stays on the title")
        << QStringLiteral("1") << 6 << 20 << QStringLiteral("Artículo 19") << 6;
    QTest::newRow("chapter V of title IV") << QStringLiteral("0") << 31 << 186 << QStringLiteral("Artículo 185") << 31;
    QTest::newRow("transitional provisions") << QStringLiteral("0") << 76 << 353 << QStringLiteral("Primera.") << 76;
    QTest::newRow("a section") << QStringLiteral("0") << 10 << 40 << QStringLiteral("Artículo 39") << 10;
}

void TstForm1Indice::click_showsFirstEntryOfDivision()
{
    QFETCH(QString, profundidad);
    QFETCH(int, registro);
    QFETCH(int, entrada);
    QFETCH(QString, caption);
    QFETCH(int, seleccionado);
    pulsarProfundidad(profundidad);
    QTreeWidgetItem *item = nodo(registro);
    QCOMPARE(item->text(0), Divisiones[registro].Titulo.toString());
    clic(centro(item));
    QCOMPARE(UnitM01::Articulo_Actual, entrada);
    QCOMPARE(rotulo(), caption);
    QCOMPARE(registroSeleccionado(), seleccionado);
}

void TstForm1Indice::arrowKeys_moveWithoutShowing_thenMarkClickShows()
{
    VetoTreeWidget *t = arbol();
    t->setFocus();
    QSignalSpy clics(t, &VetoTreeWidget::treeClicked);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(t, Qt::Key_Down);
    QCOMPARE(registroSeleccionado(), 4); // "Capítulo I Del Territorio y demás Espacios Geográficos"
    QTest::keyClick(t, Qt::Key_Left);    // to its title
    QCOMPARE(registroSeleccionado(), 3);
    QTest::keyClick(t, Qt::Key_Right);   // the title is open: to its first chapter
    QCOMPARE(registroSeleccionado(), 4);
    QCOMPARE(UnitM01::Articulo_Actual, 1);
    QCOMPARE(rotulo(), QStringLiteral("Preámbulo"));
    QCOMPARE(clics.size(), 0);

    // A click on the expand mark of another node: it closes, the selection stays, and the
    // selected division's first entry is shown.
    QTreeWidgetItem *tituloIII = nodo(6);
    clic(marca(tituloIII));
    QVERIFY(!tituloIII->isExpanded());
    QCOMPARE(clics.size(), 1);
    QCOMPARE(UnitM01::Articulo_Actual, 11);
    QCOMPARE(rotulo(), QStringLiteral("Artículo 10"));
    QCOMPARE(registroSeleccionado(), 4);
}

void TstForm1Indice::emptySpaceClick_showsSelectedDivision()
{
    pulsarProfundidad(QStringLiteral("1"));
    VetoTreeWidget *t = arbol();
    t->setFocus();
    QTest::keyClick(t, Qt::Key_End);
    QCOMPARE(registroSeleccionado(), 77);
    QCOMPARE(UnitM01::Articulo_Actual, 1);
    const QRect ultimo = t->visualItemRect(nodo(77));
    QVERIFY(ultimo.bottom() + 10 < t->viewport()->height());
    clic(QPoint(ultimo.center().x(), ultimo.bottom() + 10));
    QCOMPARE(UnitM01::Articulo_Actual, 371);
    QCOMPARE(rotulo(), QStringLiteral("Única."));
    QCOMPARE(registroSeleccionado(), 77);

    // A press inside and a release outside the tree is no click.
    QTest::keyClick(t, Qt::Key_Home);
    QTest::mousePress(t->viewport(), Qt::LeftButton, {}, QPoint(ultimo.center().x(), ultimo.bottom() + 10));
    QTest::mouseRelease(t->viewport(), Qt::LeftButton, {}, QPoint(-20, 5));
    QCOMPARE(UnitM01::Articulo_Actual, 371);
}

void TstForm1Indice::veto_refusesOnEveryRoad_data()
{
    QTest::addColumn<QString>("camino");
    for (const char *camino :
         {"expand mark", "double click", "Right key", "Shift+Right key", "plus key", "keypad plus key", "asterisk key",
          "expandAll", "expand", "setExpanded", "expandItem", "item setExpanded", "expandRecursively", "expandToDepth",
          "QTreeView expand", "QTreeView expandAll", "QTreeView expandRecursively", "QTreeView expandToDepth",
          "QTreeView setExpanded", "invokeMethod expandAll", "selecting a hidden section"})
        QTest::newRow(camino) << QString::fromLatin1(camino);
}

void TstForm1Indice::veto_refusesOnEveryRoad()
{
    QFETCH(QString, camino);
    VetoTreeWidget *t = arbol();
    QTreeView *vista = t;
    QTreeWidgetItem *capitulo = nodo(8); // "Capítulo II De la nacionalidad y de la ciudadanía", two sections
    const QModelIndex indice = t->indexFromItem(capitulo);
    const auto recorrer = [&] {
        if (camino == QLatin1String("expand mark")) {
            clic(marca(capitulo));
        } else if (camino == QLatin1String("double click")) {
            QTest::mouseDClick(t->viewport(), Qt::LeftButton, {}, centro(capitulo));
        } else if (camino.endsWith(QLatin1String(" key"))) {
            t->setCurrentItem(capitulo);
            t->setFocus();
            if (camino == QLatin1String("Right key"))
                QTest::keyClick(t, Qt::Key_Right);
            else if (camino == QLatin1String("Shift+Right key"))
                QTest::keyClick(t, Qt::Key_Right, Qt::ShiftModifier);
            else if (camino == QLatin1String("plus key"))
                QTest::keyClick(t, Qt::Key_Plus);
            else if (camino == QLatin1String("keypad plus key"))
                QTest::keyClick(t, Qt::Key_Plus, Qt::KeypadModifier);
            else
                QTest::keyClick(t, Qt::Key_Asterisk);
        } else if (camino == QLatin1String("expandAll")) {
            t->expandAll();
        } else if (camino == QLatin1String("expand")) {
            t->expand(indice);
        } else if (camino == QLatin1String("setExpanded")) {
            t->setExpanded(indice, true);
        } else if (camino == QLatin1String("expandItem")) {
            t->expandItem(capitulo);
        } else if (camino == QLatin1String("item setExpanded")) {
            capitulo->setExpanded(true);
        } else if (camino == QLatin1String("expandRecursively")) {
            t->expandRecursively(t->indexFromItem(capitulo->parent()));
        } else if (camino == QLatin1String("expandToDepth")) {
            t->expandToDepth(1);
        } else if (camino == QLatin1String("QTreeView expand")) {
            vista->expand(indice);
        } else if (camino == QLatin1String("QTreeView expandAll")) {
            vista->expandAll();
        } else if (camino == QLatin1String("QTreeView expandRecursively")) {
            vista->expandRecursively(t->indexFromItem(capitulo->parent()));
        } else if (camino == QLatin1String("QTreeView expandToDepth")) {
            vista->expandToDepth(1);
        } else if (camino == QLatin1String("QTreeView setExpanded")) {
            vista->setExpanded(indice, true);
        } else if (camino == QLatin1String("invokeMethod expandAll")) {
            QMetaObject::invokeMethod(t, "expandAll");
        } else if (camino == QLatin1String("selecting a hidden section")) {
            t->setCurrentItem(capitulo);
            t->setCurrentItem(capitulo->child(1));
        }
    };

    // With "2" down chapters may not open: the road is refused before anything opens.
    pulsarProfundidad(QStringLiteral("2"));
    QVERIFY(!capitulo->isExpanded());
    QSignalSpy abiertos(t, &QTreeView::expanded);
    recorrer();
    QVERIFY(!capitulo->isExpanded());
    QVERIFY(!t->isExpanded(indice));
    QVERIFY(!t->visualItemRect(capitulo->child(0)).isValid());
    const bool anunciado = std::any_of(abiertos.cbegin(), abiertos.cend(), [&](const QList<QVariant> &senal) {
        return senal.first().toModelIndex() == indice;
    });
    QEXPECT_FAIL("QTreeView expandRecursively", "announces the opening before the tree can refuse it", Continue);
    QVERIFY(!anunciado);
    t->viewport()->repaint();
    QVERIFY(!capitulo->isExpanded());

    // With "0" down the same road opens it.
    pulsarProfundidad(QStringLiteral("0"));
    QVERIFY(!capitulo->isExpanded());
    recorrer();
    QVERIFY(capitulo->isExpanded());
    QVERIFY(t->visualItemRect(capitulo->child(0)).isValid());
}

PRUEBA_MAIN(TstForm1Indice)
#include "tst_form1_indice.moc"
