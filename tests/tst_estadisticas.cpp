// The statistics page through the real window: its rows after the activation and the
// order after clicks on the column headings.
#include "arranque_completo.h"
#include "avisos_qt.h"
#include "estado_lector.h"
#include "form1.h"
#include "palabras.h"

#include <QHeaderView>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

class TstEstadisticas : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void activation_fillsEveryWordInConcordanceOrder();
    void fill_waitsForFirstFrameUnlessListIsShown();
    void view_isReadOnlyReportWithThreeColumns();
    void headingClick_sorts_data();
    void headingClick_sorts();
    void headingClick_keepsSelectedRow();
    void sortIndicator_leavesCaptionWhole();
    void sortIndicator_pointsTheWayOfTheOrder_data();
    void sortIndicator_pointsTheWayOfTheOrder();

private:
    QTableView *vista() const { return ventana->findChild<QTableView *>(u"ListView1"_s); }
    QStringList fila(int row) const
    {
        const QAbstractItemModel *m = vista()->model();
        return {m->index(row, 0).data().toString(), m->index(row, 1).data().toString(),
                m->index(row, 2).data().toString()};
    }
    int filaDe(const QString &palabra) const
    {
        const QModelIndexList r = vista()->model()->match(vista()->model()->index(0, 0), Qt::DisplayRole, palabra, 1,
                                                          Qt::MatchExactly);
        return r.isEmpty() ? -1 : r.first().row();
    }
    void clicEnEncabezado(int columna) const
    {
        QHeaderView *const h = vista()->horizontalHeader();
        const QPoint centro(h->sectionViewportPosition(columna) + h->sectionSize(columna) / 2, h->height() / 2);
        QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, centro);
    }

    std::unique_ptr<Form1> ventana;
};

void TstEstadisticas::init()
{
    ventana = std::make_unique<Form1>();
    ventana->show();
    QVERIFY(QTest::qWaitForWindowExposed(ventana.get()));
    QVERIFY(esperarArranque(ventana.get()));
    // The list fills itself right after the first frame.
    QTRY_COMPARE(vista()->model()->rowCount(), 4204);
}

void TstEstadisticas::cleanup()
{
    ventana.reset();
}

void TstEstadisticas::activation_fillsEveryWordInConcordanceOrder()
{
    const QAbstractItemModel *m = vista()->model();
    QCOMPARE(m->rowCount(), 4204);
    QCOMPARE(m->columnCount(), 3);
    QCOMPARE(fila(0), (QStringList{u"Abandono"_s, u"001"_s, u"001"_s}));
    QCOMPARE(fila(4203), (QStringList{u"Zulia"_s, u"001"_s, u"001"_s}));
    QCOMPARE(fila(filaDe(u"Estado"_s)), (QStringList{u"Estado"_s, u"126"_s, u"177"_s}));
    QCOMPARE(fila(filaDe(u"Abierto"_s)), (QStringList{u"Abierto"_s, u"002"_s, u"002"_s}));
    const QList<Cabeza_Palabra> cabezas = recorrerCabezas();
    for (int r = 0; r < m->rowCount(); ++r)
        QCOMPARE(m->index(r, 0).data().toString(), cabezas[r].palabra);
    QCOMPARE(UnitM01::Columna_Orden, 0);
}

// Neither the list nor its 4,204 rows hold back the window's first frame, but nobody ever
// sees the list missing or unfilled: its page shown before that frame has it made and
// filled at once.
void TstEstadisticas::fill_waitsForFirstFrameUnlessListIsShown()
{
    for (const bool mirarAntes : {false, true}) {
        Form1 otra;
        otra.show(); // activates it
        QTableView *lista = nullptr;
        if (mirarAntes) {
            auto *const paginas = otra.findChild<QTabWidget *>(u"PageControl1"_s);
            paginas->setCurrentWidget(paginas->findChild<QWidget *>(u"Tab_Estdisticas"_s));
            lista = otra.findChild<QTableView *>(u"ListView1"_s);
            QVERIFY(lista);
            QVERIFY(lista->isVisible());
            QCOMPARE(lista->model()->rowCount(), 4204);
        } else {
            QVERIFY(QTest::qWaitForWindowExposed(&otra));
            QTRY_VERIFY((lista = otra.findChild<QTableView *>(u"ListView1"_s)));
            QCOMPARE(lista->model()->rowCount(), 4204);
            QVERIFY(!lista->isVisible());
        }
        QCOMPARE(lista->model()->index(0, 0).data().toString(), u"Abandono"_s);
    }
}

void TstEstadisticas::view_isReadOnlyReportWithThreeColumns()
{
    QTableView *const v = vista();
    const QAbstractItemModel *m = v->model();
    const QStringList encabezados{u"Palabra"_s, u"Artículos"_s, u"Veces"_s};
    const int anchos[] = {170, 55, 45};
    for (int c = 0; c < 3; ++c) {
        QCOMPARE(m->headerData(c, Qt::Horizontal).toString(), encabezados[c]);
        QCOMPARE(v->columnWidth(c), anchos[c]);
        const auto alineacion = Qt::Alignment(m->index(0, c).data(Qt::TextAlignmentRole).toInt());
        QCOMPARE(alineacion & Qt::AlignHorizontal_Mask, c == 0 ? Qt::AlignLeft : Qt::AlignRight);
    }
    QVERIFY(v->showGrid());
    QVERIFY(v->verticalHeader()->isHidden());
    QCOMPARE(v->selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(v->editTriggers(), QAbstractItemView::NoEditTriggers);
    QVERIFY(!(m->flags(m->index(0, 0)) & Qt::ItemIsEditable));
    QCOMPARE(v->palette().color(QPalette::Base), QColor(166, 202, 240));

    // Typing on a row edits nothing.
    v->setCurrentIndex(m->index(0, 1));
    QTest::keyClicks(v, "999");
    QTest::keyClick(v, Qt::Key_F2);
    QCOMPARE(fila(0), (QStringList{u"Abandono"_s, u"001"_s, u"001"_s}));
}

void TstEstadisticas::headingClick_sorts_data()
{
    QTest::addColumn<int>("columna");
    QTest::addColumn<QStringList>("primera");
    QTest::newRow("Artículos") << 1 << QStringList{u"Estado"_s, u"126"_s, u"177"_s};
    QTest::newRow("Veces") << 2 << QStringList{u"República"_s, u"108"_s, u"180"_s};
    QTest::newRow("Palabra") << 0 << QStringList{u"Abandono"_s, u"001"_s, u"001"_s};
}

void TstEstadisticas::headingClick_sorts()
{
    QFETCH(int, columna);
    QFETCH(QStringList, primera);
    // Another order first, so that the click has something to change.
    clicEnEncabezado(columna == 1 ? 2 : 1);
    const QStringList antes = fila(0);
    clicEnEncabezado(columna);
    QCOMPARE(UnitM01::Columna_Orden, columna);
    QCOMPARE(fila(0), primera);
    QVERIFY(columna == 0 || antes != primera);

    const int filas = vista()->model()->rowCount();
    QCOMPARE(filas, 4204);
    for (int r = 1; r < filas; ++r) {
        const QString a = fila(r - 1)[columna];
        const QString b = fila(r)[columna];
        if (columna == 0) {
            // Plain letters without case; the accented ones above every plain letter.
            const auto clave = [](QString s) {
                for (QChar &c : s) {
                    if (c >= u'a' && c <= u'z')
                        c = c.toUpper();
                }
                return s;
            };
            QVERIFY2(clave(a) <= clave(b), qPrintable(a + u" > "_s + b));
        } else {
            QVERIFY2(a.toInt() >= b.toInt(), qPrintable(a + u" < "_s + b));
        }
    }
    if (columna == 0) {
        QCOMPARE(filaDe(u"Ámbito"_s), filaDe(u"Zulia"_s) + 1);
        QVERIFY(filaDe(u"Acción"_s) > filaDe(u"Acciones"_s));
    }

    // The same heading again sorts the same way: no toggle.
    const QStringList ultima = fila(filas - 1);
    clicEnEncabezado(columna);
    QCOMPARE(fila(0), primera);
    QCOMPARE(fila(filas - 1)[columna], ultima[columna]);
}

void TstEstadisticas::sortIndicator_leavesCaptionWhole()
{
    QTabWidget *const paginas = ventana->findChild<QTabWidget *>(u"PageControl1"_s);
    paginas->setCurrentIndex(2);
    QHeaderView *const h = vista()->horizontalHeader();
    QTRY_VERIFY(h->isVisible());
    // Each narrow heading drawn sorted and unsorted: every pixel of the caption's ink is the
    // same (the indicator takes none of its room), and the indicator adds ink of its own.
    const auto tinta = [](const QImage &imagen) {
        QList<QPoint> puntos;
        for (int y = 0; y < imagen.height(); ++y)
            for (int x = 0; x < imagen.width(); ++x)
                if (qGray(imagen.pixel(x, y)) < 128)
                    puntos.append({x, y});
        return puntos;
    };
    for (const int columna : {1, 2}) {
        const QRect seccion(h->sectionViewportPosition(columna), 0, h->sectionSize(columna), h->height());
        clicEnEncabezado(0);
        QCOMPARE(h->sortIndicatorSection(), 0);
        const QImage sinOrden = h->viewport()->grab(seccion).toImage();
        clicEnEncabezado(columna);
        QCOMPARE(h->sortIndicatorSection(), columna);
        const QImage conOrden = h->viewport()->grab(seccion).toImage();
        const QList<QPoint> caption = tinta(sinOrden);
        QVERIFY(caption.size() > 30);
        for (const QPoint &p : caption)
            QCOMPARE(conOrden.pixel(p), sinOrden.pixel(p));
        QVERIFY(tinta(conOrden).size() >= caption.size() + 10);
    }
}

void TstEstadisticas::sortIndicator_pointsTheWayOfTheOrder_data()
{
    // As Qt's own Fusion style draws it: down for "Palabra", sorted from A to Z, up for the
    // counts, sorted greatest first.
    QTest::addColumn<int>("columna");
    QTest::addColumn<bool>("haciaArriba");
    QTest::newRow("Palabra, A to Z: down") << 0 << false;
    QTest::newRow("Artículos, greatest first: up") << 1 << true;
    QTest::newRow("Veces, greatest first: up") << 2 << true;
}

void TstEstadisticas::sortIndicator_pointsTheWayOfTheOrder()
{
    QFETCH(int, columna);
    QFETCH(bool, haciaArriba);
    QTabWidget *const paginas = ventana->findChild<QTabWidget *>(u"PageControl1"_s);
    paginas->setCurrentIndex(2);
    QHeaderView *const h = vista()->horizontalHeader();
    QTRY_VERIFY(h->isVisible());
    const QRect seccion(h->sectionViewportPosition(columna), 0, h->sectionSize(columna), h->height());
    clicEnEncabezado(columna == 0 ? 1 : 0);
    const QImage sinOrden = h->viewport()->grab(seccion).toImage();
    clicEnEncabezado(columna);
    const QImage conOrden = h->viewport()->grab(seccion).toImage();
    // The indicator's ink: the dark pixels the sorted heading adds, counted row by row.
    QList<int> filas;
    for (int y = 0; y < conOrden.height(); ++y) {
        int n = 0;
        for (int x = 0; x < conOrden.width(); ++x)
            n += qGray(conOrden.pixel(x, y)) < 128 && conOrden.pixel(x, y) != sinOrden.pixel(x, y);
        if (n > 0)
            filas << n;
    }
    QVERIFY2(filas.size() >= 3, qPrintable(QString::number(filas.size())));
    // A triangle: its point is the narrowest row, at the top when it points up.
    const bool arriba = filas.first() < filas.last();
    QVERIFY(filas.first() != filas.last());
    QCOMPARE(arriba, haciaArriba);
}

void TstEstadisticas::headingClick_keepsSelectedRow()
{
    QTableView *const v = vista();
    const int estado = filaDe(u"Estado"_s);
    v->scrollTo(v->model()->index(estado, 0));
    QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, v->visualRect(v->model()->index(estado, 1)).center());
    QCOMPARE(v->selectionModel()->selectedRows().size(), 1);
    clicEnEncabezado(1);
    QCOMPARE(v->selectionModel()->selectedRows().value(0).row(), 0);
    QCOMPARE(fila(v->selectionModel()->selectedRows().value(0).row())[0], u"Estado"_s);
    // Choosing a row does nothing else.
    QCOMPARE(UnitM01::Articulo_Actual, 1);
}

PRUEBA_MAIN(TstEstadisticas)
#include "tst_estadisticas.moc"
