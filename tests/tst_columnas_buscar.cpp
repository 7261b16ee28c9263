// The search window's result list at the widths a reader may give it: the "Entrada" column
// as wide as its longest name, the rest to "Contexto", whose line shows its hit, whole and
// inside the column, however narrow the window; the cut text marked "…" on the cut sides.
#include "avisos_qt.h"
#include "comprobar.h"
#include "teclear.h"
#include "ventana_buscar.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QPaintEngine>
#include <QPaintDevice>
#include <QPainterPath>
#include <QTableView>
#include <QTest>
#include <QTextItem>

using namespace Qt::StringLiterals;

namespace {

// A paint device that draws nothing and notes every run of text drawn on it, where it starts
// and how wide it is, in the coordinates of the widget rendered.
struct Texto_Dibujado {
    QString texto;
    QRectF caja;
    bool negrita = false;
};

class MotorEspia final : public QPaintEngine
{
public:
    MotorEspia() : QPaintEngine(QPaintEngine::AllFeatures) {}
    QList<Texto_Dibujado> textos;

    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &estado) override
    {
        if (estado.state() & DirtyTransform)
            transformacion = estado.transform();
    }
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
    void drawPath(const QPainterPath &) override {}
    void drawTextItem(const QPointF &p, const QTextItem &item) override
    {
        const QFontMetricsF medida(item.font());
        const QRectF caja(p.x(), p.y() - medida.ascent(), item.width(), medida.height());
        textos.append({item.text(), transformacion.mapRect(caja), item.font().bold()});
    }
    Type type() const override { return QPaintEngine::User; }

private:
    QTransform transformacion;
};

class DispositivoEspia final : public QPaintDevice
{
public:
    explicit DispositivoEspia(QSize tamano) : tamano(tamano) {}
    MotorEspia motor;
    QPaintEngine *paintEngine() const override { return const_cast<MotorEspia *>(&motor); }

protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth: return tamano.width();
        case PdmHeight: return tamano.height();
        case PdmDpiX: case PdmDpiY: case PdmPhysicalDpiX: case PdmPhysicalDpiY: return 96;
        case PdmDepth: return 32;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
        case PdmNumColors: return INT_MAX;
        case PdmWidthMM: return tamano.width() * 254 / 960;
        case PdmHeightMM: return tamano.height() * 254 / 960;
        }
        return 0;
    }

private:
    QSize tamano;
};

} // namespace

class TstColumnasBuscar : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void contexto_showsItsHitAtEveryWidth_data();
    void contexto_showsItsHitAtEveryWidth();

private:
    QTableView *lista() const { return ventana->findChild<QTableView *>(u"Lista_Resultados"_s); }
    std::unique_ptr<VentanaBuscar> ventana;
};

void TstColumnasBuscar::init()
{
    ventana = std::make_unique<VentanaBuscar>();
    ventana->show();
    QVERIFY(QTest::qWaitForWindowExposed(ventana.get()));
}

void TstColumnasBuscar::cleanup()
{
    ventana.reset();
}

void TstColumnasBuscar::contexto_showsItsHitAtEveryWidth_data()
{
    QTest::addColumn<QString>("consulta");
    QTest::addColumn<QString>("tramo");        // the hit as the first rows show it
    // The designed width, a middle one and the smallest the window allows.
    QTest::newRow("soberanía: the preamble and articles") << u"\"soberanía"_s << u"soberanía"_s;
    QTest::newRow("pueblo: provisions' long names") << u"\"pueblo"_s << u"pueblo"_s;
    QTest::newRow("derechos humanos: a hit of two words") << u"\"derechos humanos\""_s << u"derechos humanos"_s;
}

void TstColumnasBuscar::contexto_showsItsHitAtEveryWidth()
{
    QFETCH(QString, consulta);
    QFETCH(QString, tramo);
    auto *const texto = ventana->findChild<QLineEdit *>(u"Texto_Buscar"_s);
    teclear(texto, consulta);
    QVERIFY(lista()->model()->rowCount() > 3);
    // The widest name the list shows.
    const QFontMetrics medida = lista()->fontMetrics();
    int nombre = 0;
    for (int fila = 0; fila < lista()->model()->rowCount(); ++fila)
        nombre = std::max(nombre, medida.horizontalAdvance(lista()->model()->index(fila, 0).data().toString()));

    for (const int ancho : {560, 400, 240}) {
        ventana->resize(ancho, 420);
        QTRY_COMPARE(ventana->width(), ancho);
        QTest::qWait(0);
        const QHeaderView *const cabecera = lista()->horizontalHeader();
        const int vista = lista()->viewport()->width();
        // "Entrada" holds its longest name where that takes at most half the room left by "Veces".
        const int entrada = cabecera->sectionSize(0);
        if (nombre + 8 <= (vista - 45) / 2)
            QVERIFY2(entrada >= nombre, qPrintable(QString::number(ancho)));
        QVERIFY2(entrada <= (vista - 45) / 2 + 1, qPrintable(QString::number(ancho)));
        // "Contexto" gets the rest.
        QTRY_COMPARE(cabecera->sectionSize(0) + cabecera->sectionSize(1) + cabecera->sectionSize(2), lista()->viewport()->width());

        DispositivoEspia espia(lista()->viewport()->size());
        lista()->viewport()->render(&espia);
        const int izquierda = cabecera->sectionViewportPosition(2);
        const int derecha = izquierda + cabecera->sectionSize(2);
        const int filas = std::min(lista()->model()->rowCount(), lista()->rowAt(vista > 0 ? lista()->viewport()->height() - 1 : 0));
        QVERIFY(filas > 1);
        for (int fila = 0; fila < filas; ++fila) {
            const QRect celda = lista()->visualRect(lista()->model()->index(fila, 2));
            QString linea;
            QString negrita;
            for (const Texto_Dibujado &t : std::as_const(espia.motor.textos)) {
                if (!celda.contains(t.caja.center().toPoint()))
                    continue;
                linea += t.texto;
                if (t.negrita)
                    negrita += t.texto;
                // Every run drawn lies inside the column: nothing is cut by its edges.
                QVERIFY2(t.caja.left() >= izquierda && t.caja.right() <= derecha + 0.5,
                         qPrintable(u"%1 px, row %2: \"%3\" at %4..%5, column %6..%7"_s.arg(ancho).arg(fila).arg(t.texto)
                                        .arg(t.caja.left()).arg(t.caja.right()).arg(izquierda).arg(derecha)));
            }
            const QString mensaje = u"%1 px, row %2: \"%3\""_s.arg(ancho).arg(fila).arg(linea);
            QVERIFY2(negrita.compare(tramo, Qt::CaseInsensitive) == 0, qPrintable(mensaje));
            QVERIFY2(linea.contains(tramo, Qt::CaseInsensitive), qPrintable(mensaje));
            // A piece of the row's context line, "…" on each side where some of it is left out
            // (but for a hit that leaves no room for them).
            if (linea.compare(tramo, Qt::CaseInsensitive) == 0)
                continue;
            const QString completa = lista()->model()->index(fila, 2).data().toString();
            const bool puntosAntes = linea.startsWith(u"…"_s);
            const bool puntosDespues = linea.endsWith(u"…"_s);
            const QString medio = linea.sliced(puntosAntes ? 1 : 0).chopped(puntosDespues ? 1 : 0);
            const qsizetype en = completa.indexOf(medio);
            QVERIFY2(en >= 0, qPrintable(mensaje));
            QVERIFY2(puntosAntes == (en > 0 || completa.startsWith(u"…"_s)), qPrintable(mensaje));
            QVERIFY2(puntosDespues == (en + medio.size() < completa.size() || completa.endsWith(u"…"_s)),
                     qPrintable(mensaje));
        }
    }
}

PRUEBA_MAIN(TstColumnasBuscar)
#include "tst_columnas_buscar.moc"
