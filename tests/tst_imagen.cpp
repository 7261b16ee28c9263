// The picture widget: compare-and-store amount, the lazy build on the first paint, a render
// from the picture on every new amount, and paints that copy the working bitmap 1:1.
#include "avisos_qt.h"
#include "comprobar.h"
#include "esponja.h"
#include "esponja_esperada.h"
#include "imagen.h"

#include <QPainter>
#include <QTest>

#include <memory>

namespace {

QImage cuadro(const MapaDeBits &mapa)
{
    return mapa.Imagen().copy().convertToFormat(QImage::Format_RGB32);
}

QImage esperado(const QImage &picture, int cantidad, quint32 estado)
{
    return esponjaEsperada(picture, cantidad, estado).convertToFormat(QImage::Format_RGB32);
}

QImage dibujo(int ancho, int alto)
{
    QImage imagen(ancho, alto, QImage::Format_RGB32);
    for (int y = 0; y < alto; ++y)
        for (int x = 0; x < ancho; ++x)
            imagen.setPixel(x, y, qRgb(x * 12 % 256, y * 17 % 256, (x * y) % 256));
    return imagen;
}

} // namespace

class TstImagen : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { fondo.reset(); }
    void amountBeforeFirstPaint_isOnlyStored();
    void firstPaint_buildsThenNextPaintDrawsFrameUnscaled();
    void newAmount_rendersFromThePicture_data();
    void newAmount_rendersFromThePicture();
    void sameAmount_doesNothing();
    void noPicture_neverRendersOrDraws();

private:
    void mostrarYEsperarCuadro();

    std::unique_ptr<QWidget> fondo;
    Imagen *imagen = nullptr;
    QImage picture;
};

void TstImagen::init()
{
    Esponja::Fijar_Estado_Generador(0);
    fondo = std::make_unique<QWidget>();
    fondo->setFixedSize(60, 50);
    fondo->setAutoFillBackground(true);
    QPalette p = fondo->palette();
    p.setColor(QPalette::Window, Qt::magenta);
    fondo->setPalette(p);
    imagen = new Imagen(fondo.get());
    imagen->setGeometry(5, 5, 21, 16);
    picture = dibujo(20, 15);
    imagen->setPicture(picture);
}

void TstImagen::mostrarYEsperarCuadro()
{
    fondo->show();
    QVERIFY(QTest::qWaitForWindowExposed(fondo.get()));
    QTRY_VERIFY(!imagen->Mapa_Trabajo().Vacio() && !imagen->Cuadro_Pendiente());
}

void TstImagen::amountBeforeFirstPaint_isOnlyStored()
{
    imagen->setSponge(7);
    QCOMPARE(imagen->Sponge(), 7);
    QVERIFY(imagen->Mapa_Trabajo().Vacio());
    QCOMPARE(Esponja::Estado_Generador(), 0u);

    COMPROBAR(mostrarYEsperarCuadro());
    QCOMPARE(cuadro(imagen->Mapa_Trabajo()), esperado(picture, 7, 0));
}

// The widget area is one column and one row larger than the picture: the paint copies the
// frame at the top-left corner and leaves the rest to the background behind.
void TstImagen::firstPaint_buildsThenNextPaintDrawsFrameUnscaled()
{
    imagen->setSponge(5);
    COMPROBAR(mostrarYEsperarCuadro());
    const QImage mapa = cuadro(imagen->Mapa_Trabajo());
    QCOMPARE(mapa.size(), picture.size());
    const QImage pantalla = fondo->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(pantalla.copy(5, 5, 20, 15), mapa);
    for (int y = 5; y < 21; ++y)
        QCOMPARE(QColor(pantalla.pixel(25, y)), QColor(Qt::magenta));
    for (int x = 5; x < 26; ++x)
        QCOMPARE(QColor(pantalla.pixel(x, 20)), QColor(Qt::magenta));
}

void TstImagen::newAmount_rendersFromThePicture_data()
{
    QTest::addColumn<QList<int>>("cantidades");
    QTest::newRow("0 gives the picture") << QList<int>{0};
    QTest::newRow("frames never build on one another") << QList<int>{30, 20, 10};
    QTest::newRow("back to 0 after a scatter") << QList<int>{300, 0};
}

void TstImagen::newAmount_rendersFromThePicture()
{
    QFETCH(QList<int>, cantidades);
    imagen->setSponge(70);
    COMPROBAR(mostrarYEsperarCuadro());
    for (const int cantidad : cantidades) {
        const quint32 estado = Esponja::Estado_Generador();
        imagen->setSponge(cantidad);
        // Rendered before the assignment returns; drawn at the next paint.
        QCOMPARE(cuadro(imagen->Mapa_Trabajo()), esperado(picture, cantidad, estado));
        QVERIFY(imagen->Cuadro_Pendiente());
        QTRY_VERIFY(!imagen->Cuadro_Pendiente());
    }
    if (cantidades.last() == 0)
        QCOMPARE(cuadro(imagen->Mapa_Trabajo()), picture.convertToFormat(QImage::Format_RGB32));
}

void TstImagen::sameAmount_doesNothing()
{
    imagen->setSponge(9);
    COMPROBAR(mostrarYEsperarCuadro());
    const QImage antes = cuadro(imagen->Mapa_Trabajo());
    const quint32 estado = Esponja::Estado_Generador();
    imagen->setSponge(9);
    QCOMPARE(Esponja::Estado_Generador(), estado);
    QVERIFY(!imagen->Cuadro_Pendiente());
    QCOMPARE(cuadro(imagen->Mapa_Trabajo()), antes);
}

void TstImagen::noPicture_neverRendersOrDraws()
{
    imagen->setPicture(QImage());
    imagen->setSponge(40);
    fondo->show();
    QVERIFY(QTest::qWaitForWindowExposed(fondo.get()));
    fondo->repaint(); // a paint with no picture builds nothing
    imagen->setSponge(50);
    QVERIFY(imagen->Mapa_Trabajo().Vacio());
    QCOMPARE(Esponja::Estado_Generador(), 0u);
    const QImage pantalla = fondo->grab().toImage();
    QCOMPARE(QColor(pantalla.pixel(10, 10)), QColor(Qt::magenta));
}

PRUEBA_MAIN(TstImagen)
#include "tst_imagen.moc"
