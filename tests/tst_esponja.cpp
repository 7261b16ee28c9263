// The shared random generator and the sponge effect on plain memory: draws, frames for
// small amounts, the in-place order of the draws and the clamps at the edges.
#include "avisos_qt.h"
#include "esponja.h"

#include <QTest>

#include <algorithm>
#include <vector>

using namespace Esponja;

namespace {

// A picture in a 24-bit padded buffer surrounded by guard bytes. Every pixel holds its
// own number (1-based, row by row) in its 3 bytes, so each pixel of a frame tells which
// pixel of the picture its colour came from.
class Lienzo
{
public:
    static constexpr int Guarda = 64;
    static constexpr uchar Relleno = 0xA5;

    Lienzo(int ancho, int alto)
        : ancho(ancho), alto(alto), paso(3 * ancho + ancho % 4),
          memoria(std::size_t(2 * Guarda + paso * alto), Relleno)
    {
        for (int y = 0; y < alto; ++y) {
            filas.push_back(memoria.data() + Guarda + y * paso);
            for (int x = 0; x < ancho; ++x) {
                const int n = numero(x, y);
                uchar *const p = filas.back() + 3 * x;
                p[0] = uchar(n), p[1] = uchar(n >> 8), p[2] = uchar(n >> 16);
            }
        }
    }
    int numero(int x, int y) const { return y * ancho + x + 1; }
    int en(int x, int y) const
    {
        const uchar *const p = filas[std::size_t(y)] + 3 * x;
        return p[0] | p[1] << 8 | p[2] << 16;
    }
    void esponja(int cantidad) { Aplicar_Esponja(filas.data(), ancho, alto, cantidad); }
    // Guard bytes and row padding still hold the filler.
    bool intacto() const
    {
        for (int i = 0; i < int(memoria.size()); ++i) {
            const int dentro = i - Guarda;
            const bool pixel = dentro >= 0 && dentro < paso * alto && dentro % paso < 3 * ancho;
            if (!pixel && memoria[std::size_t(i)] != Relleno)
                return false;
        }
        return true;
    }

    const int ancho, alto, paso;

private:
    std::vector<uchar> memoria;
    std::vector<uchar *> filas;
};

// The state after n draws from the given one.
quint32 estadoTras(quint32 estado, qint64 draws)
{
    const quint32 guardado = Estado_Generador();
    Fijar_Estado_Generador(estado);
    for (qint64 k = 0; k < draws; ++k)
        R(0);
    const quint32 resultado = Estado_Generador();
    Fijar_Estado_Generador(guardado);
    return resultado;
}

} // namespace

class TstEsponja : public QObject
{
    Q_OBJECT

private slots:
    void init() { Fijar_Estado_Generador(0); }
    void generator_statesFromStart();
    void generator_draws_data();
    void generator_draws();
    void anyAmount_staysInsideThePicture_data();
    void anyAmount_staysInsideThePicture();
    void smallAmounts_keepThePicture_data();
    void smallAmounts_keepThePicture();
    void amount2_takesOwnRightOrLowerNeighbour_data();
    void amount2_takesOwnRightOrLowerNeighbour();
    void firstRender_drawsCthenDthenE();
    void sponge_worksInPlace();
};

void TstEsponja::generator_statesFromStart()
{
    QCOMPARE(Estado_Generador(), 0u);
    const quint32 estados[] = {1u, 134775814u, 3698175007u, 870078620u};
    for (const quint32 esperado : estados) {
        QCOMPARE(R(0), 0u); // N = 0 gives 0 and still advances
        QCOMPARE(Estado_Generador(), esperado);
    }
}

void TstEsponja::generator_draws_data()
{
    QTest::addColumn<quint32>("n");
    QTest::addColumn<QList<quint32>>("draws");
    QTest::newRow("R(300) from the start") << 300u << QList<quint32>{0, 9, 258, 60, 81, 201};
    QTest::newRow("first draw is 0 for the largest N") << 0xFFFFFFFFu << QList<quint32>{0};
    QTest::newRow("R(1) is always 0") << 1u << QList<quint32>{0, 0, 0, 0};
    QTest::newRow("R(2) from the start") << 2u << QList<quint32>{0, 0, 1, 0, 0, 1};
}

void TstEsponja::generator_draws()
{
    QFETCH(quint32, n);
    QFETCH(QList<quint32>, draws);
    for (const quint32 esperado : draws)
        QCOMPARE(R(n), esperado);
}

void TstEsponja::anyAmount_staysInsideThePicture_data()
{
    QTest::addColumn<int>("ancho");
    QTest::addColumn<int>("alto");
    QTest::addColumn<int>("cantidad");
    QTest::newRow("300 on the About picture") << 178 << 205 << 300;
    QTest::newRow("70 on the About picture") << 178 << 205 << 70;
    QTest::newRow("one pixel wide") << 1 << 40 << 300;
    QTest::newRow("one pixel high") << 40 << 1 << 300;
    QTest::newRow("one pixel") << 1 << 1 << 300;
    QTest::newRow("width 2 mod 4") << 6 << 5 << 9;
    QTest::newRow("width 3 mod 4") << 7 << 3 << 1000000;
    QTest::newRow("largest amount") << 5 << 5 << 0x7FFFFFFF;
}

// Every pixel of the frame carries a colour of the picture; nothing outside the pixels
// (guards, row padding) is touched; every pixel made three draws.
void TstEsponja::anyAmount_staysInsideThePicture()
{
    QFETCH(int, ancho);
    QFETCH(int, alto);
    QFETCH(int, cantidad);
    Fijar_Estado_Generador(12345);
    Lienzo lienzo(ancho, alto);
    lienzo.esponja(cantidad);
    QVERIFY(lienzo.intacto());
    for (int y = 0; y < alto; ++y)
        for (int x = 0; x < ancho; ++x) {
            const int n = lienzo.en(x, y);
            QVERIFY2(n >= 1 && n <= ancho * alto, qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
        }
    QCOMPARE(Estado_Generador(), estadoTras(12345, 3LL * ancho * alto));
    if (ancho == 1 && alto == 1)
        QCOMPARE(lienzo.en(0, 0), 1);
}

void TstEsponja::smallAmounts_keepThePicture_data()
{
    QTest::addColumn<int>("ancho");
    QTest::addColumn<int>("alto");
    QTest::addColumn<int>("cantidad");
    QTest::addColumn<qint64>("draws");
    QTest::newRow("0 on the About picture: no draws") << 178 << 205 << 0 << 0LL;
    QTest::newRow("1 on the About picture: 109470 draws") << 178 << 205 << 1 << 109470LL;
    QTest::newRow("1 on one pixel") << 1 << 1 << 1 << 3LL;
    QTest::newRow("negative: no draws") << 10 << 10 << -5 << 0LL;
    QTest::newRow("empty picture: no draws") << 0 << 10 << 300 << 0LL;
}

void TstEsponja::smallAmounts_keepThePicture()
{
    QFETCH(int, ancho);
    QFETCH(int, alto);
    QFETCH(int, cantidad);
    QFETCH(qint64, draws);
    Fijar_Estado_Generador(777);
    Lienzo lienzo(ancho, alto);
    lienzo.esponja(cantidad);
    QVERIFY(lienzo.intacto());
    for (int y = 0; y < alto; ++y)
        for (int x = 0; x < ancho; ++x)
            QCOMPARE(lienzo.en(x, y), lienzo.numero(x, y));
    QCOMPARE(Estado_Generador(), estadoTras(777, draws));
}

void TstEsponja::amount2_takesOwnRightOrLowerNeighbour_data()
{
    QTest::addColumn<int>("ancho");
    QTest::addColumn<int>("alto");
    QTest::newRow("About picture") << 178 << 205;
    QTest::newRow("one pixel wide") << 1 << 30;
    QTest::newRow("one pixel high") << 30 << 1;
    QTest::newRow("two by two") << 2 << 2;
}

// With amount 2 the offsets are 0 or +1: a pixel keeps its colour or takes the picture's
// colour of its right, lower or lower-right neighbour (not yet visited, so unchanged);
// the right column cannot step right and the bottom row cannot step down.
void TstEsponja::amount2_takesOwnRightOrLowerNeighbour()
{
    QFETCH(int, ancho);
    QFETCH(int, alto);
    Lienzo lienzo(ancho, alto);
    lienzo.esponja(2);
    QVERIFY(lienzo.intacto());
    int movidos = 0;
    for (int y = 0; y < alto; ++y)
        for (int x = 0; x < ancho; ++x) {
            const int x1 = qMin(x + 1, ancho - 1);
            const int y1 = qMin(y + 1, alto - 1);
            const int n = lienzo.en(x, y);
            const bool permitido = n == lienzo.numero(x, y) || n == lienzo.numero(x1, y)
                || n == lienzo.numero(x, y1) || n == lienzo.numero(x1, y1);
            QVERIFY2(permitido, qPrintable(QStringLiteral("pixel %1,%2 took %3").arg(x).arg(y).arg(n)));
            movidos += n != lienzo.numero(x, y);
        }
    if (ancho * alto > 4)
        QVERIFY(movidos > 0);
    QCOMPARE(Estado_Generador(), estadoTras(0, 3LL * ancho * alto));
}

// From the start: pixel (0,0) draws c = 0, d = R(0), e = R(0); pixel (1,0) draws c = 60,
// then d = R(120) = 32 and e = R(120) = 80, so it takes the colour of (1 + 60 - 32, 0).
void TstEsponja::firstRender_drawsCthenDthenE()
{
    Lienzo lienzo(178, 205);
    lienzo.esponja(300);
    QCOMPARE(lienzo.en(0, 0), lienzo.numero(0, 0));
    QCOMPARE(lienzo.en(1, 0), lienzo.numero(29, 0));
}

// In place: a source to the left or above has already been replaced, so its new colour
// travels on. On a 1-pixel-high picture every source left of the pixel was visited.
void TstEsponja::sponge_worksInPlace()
{
    Lienzo lienzo(200, 1);
    Fijar_Estado_Generador(4242);
    lienzo.esponja(40);
    // Replay the draws: where a pixel's source lies to its left, it must hold what the
    // frame shows at that source now, which for a moved source differs from the picture.
    Fijar_Estado_Generador(4242);
    int arrastrados = 0;
    for (int j = 0; j < lienzo.ancho; ++j) {
        const qint64 c = R(40);
        const qint64 d = R(quint32(2 * c));
        R(quint32(2 * c));
        const int x = int(std::clamp<qint64>(j + c - d, 0, lienzo.ancho - 1));
        if (x < j && lienzo.en(x, 0) != lienzo.numero(x, 0)) {
            QCOMPARE(lienzo.en(j, 0), lienzo.en(x, 0));
            ++arrastrados;
        }
    }
    QVERIFY(arrastrados > 0);
}

PRUEBA_APPLESS_MAIN(TstEsponja)
#include "tst_esponja.moc"
