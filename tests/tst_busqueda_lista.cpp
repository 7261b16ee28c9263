// The lists' type-to-search rules: the search text the keys build and the item it finds.
#include "avisos_qt.h"
#include "busqueda_lista.h"

#include <QTest>

using namespace Qt::StringLiterals;

struct Tecla {
    QString caracteres;
    bool retroceso = false;
    qint64 ms = 0;
};
Q_DECLARE_METATYPE(QList<Tecla>)

class TstBusquedaLista : public QObject
{
    Q_OBJECT

private slots:
    void pulsar_data();
    void pulsar();
    void primeraQueEmpiezaCon_data();
    void primeraQueEmpiezaCon();
};

void TstBusquedaLista::pulsar_data()
{
    const auto t = [](const char16_t *c, qint64 ms) { return Tecla{QString::fromUtf16(c), false, ms}; };
    const auto atras = [](qint64 ms) { return Tecla{QString(), true, ms}; };
    QTest::addColumn<QList<Tecla>>("teclas");
    QTest::addColumn<QString>("texto");
    QTest::newRow("keys within the pause add up") << QList<Tecla>{t(u"7", 0), t(u"0", 100), t(u"2", 599)} << u"702"_s;
    QTest::newRow("499 ms keeps the text") << QList<Tecla>{t(u"7", 1000), t(u"2", 1499)} << u"72"_s;
    QTest::newRow("500 ms starts over") << QList<Tecla>{t(u"7", 1000), t(u"2", 1500)} << u"2"_s;
    QTest::newRow("the pause counts from the previous key")
        << QList<Tecla>{t(u"a", 0), t(u"b", 400), t(u"c", 800)} << u"abc"_s;
    QTest::newRow("backspace removes the last character")
        << QList<Tecla>{t(u"a", 0), t(u"b", 10), atras(20)} << u"a"_s;
    QTest::newRow("backspace after a pause leaves nothing") << QList<Tecla>{t(u"a", 0), atras(600)} << QString();
    QTest::newRow("backspace on nothing") << QList<Tecla>{atras(0), atras(10)} << QString();
    QTest::newRow("enter and escape are characters")
        << QList<Tecla>{t(u"a", 0), t(u"\r", 10), t(u"\x1b", 20)} << u"a\r\x1b"_s;
    QTest::newRow("first key at time 0") << QList<Tecla>{t(u"x", 0)} << u"x"_s;
}

void TstBusquedaLista::pulsar()
{
    QFETCH(QList<Tecla>, teclas);
    QFETCH(QString, texto);
    BusquedaLista b;
    for (const Tecla &k : teclas)
        b.pulsar(k.caracteres, k.retroceso, k.ms);
    QCOMPARE(b.texto, texto);
}

void TstBusquedaLista::primeraQueEmpiezaCon_data()
{
    QTest::addColumn<QStringList>("elementos");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<int>("fila");
    const QStringList palabras{u"Abandono"_s, u"Abierta"_s, u"Abierto"_s, u"Órgano"_s, u"Órganos"_s};
    const QStringList numeros{u"16"_s, u"70"_s, u"272"_s, u"7"_s};
    QTest::newRow("case ignored") << palabras << u"ABIE"_s << 1;
    QTest::newRow("first of several") << palabras << u"ab"_s << 0;
    QTest::newRow("accented capital from the small letter") << palabras << u"ór"_s << 3;
    QTest::newRow("accent not ignored") << palabras << u"or"_s << -1;
    QTest::newRow("whole item") << palabras << u"órganos"_s << 4;
    QTest::newRow("longer than every item") << palabras << u"abandonos"_s << -1;
    QTest::newRow("number beginning with 7") << numeros << u"7"_s << 1;
    QTest::newRow("beginning, not inside") << numeros << u"6"_s << -1;
    QTest::newRow("empty text") << numeros << QString() << -1;
    QTest::newRow("empty list") << QStringList() << u"7"_s << -1;
    QTest::newRow("enter in the text matches nothing") << numeros << u"7\r"_s << -1;
}

void TstBusquedaLista::primeraQueEmpiezaCon()
{
    QFETCH(QStringList, elementos);
    QFETCH(QString, texto);
    QFETCH(int, fila);
    QCOMPARE(::primeraQueEmpiezaCon(elementos, texto), fila);
}

PRUEBA_APPLESS_MAIN(TstBusquedaLista)
#include "tst_busqueda_lista.moc"
