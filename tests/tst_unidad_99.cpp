// The running-key deciphering of the About dialog's stored texts, the build step's
// enciphering and the Windows-1252 conversion.
#include "avisos_qt.h"
#include "textos_acerca.h"
#include "unidad_99.h"

#include <QTest>

#include <iterator>

using namespace Unidad_99;

class TstUnidad99 : public QObject
{
    Q_OBJECT

private slots:
    void descifrar_data();
    void descifrar();
    void cifrar_isUndoneByDescifrar_data();
    void cifrar_isUndoneByDescifrar();
    void descifrar_dependsOnlyOnEarlierStoredBytes();
    void storedTexts_decipherToThePlainTexts();
    void windows1252_data();
    void windows1252();
};

void TstUnidad99::descifrar_data()
{
    QTest::addColumn<QByteArray>("cifrado");
    QTest::addColumn<int>("clave");
    QTest::addColumn<QByteArray>("plano");
    QTest::newRow("empty text") << QByteArray() << 0x1234 << QByteArray();
    QTest::newRow("first byte xor the key's high byte") << QByteArray(1, '\0') << 0x1234 << QByteArray("\x12");
    QTest::newRow("key advances with each stored byte")
        << QByteArray(3, '\0') << 0x1234 << QByteArray("\x12\x37\xab");
    QTest::newRow("a stored 0xFF moves the key differently")
        << QByteArray("\xff\x00\x00", 3) << 0x1234 << QByteArray("\xed\xd0\x8d");
    QTest::newRow("the program's key") << QByteArray("Hola") << int(Clave) << QByteArray("\x16\x5f\x99\xc8");
}

void TstUnidad99::descifrar()
{
    QFETCH(QByteArray, cifrado);
    QFETCH(int, clave);
    QFETCH(QByteArray, plano);
    QCOMPARE(Descifrar(cifrado, quint16(clave)), plano);
    // Deciphering again from the same stored text gives the same text (the dialog's caption).
    QCOMPARE(Descifrar(cifrado, quint16(clave)), plano);
}

void TstUnidad99::cifrar_isUndoneByDescifrar_data()
{
    QTest::addColumn<QByteArray>("plano");
    QTest::addColumn<int>("clave");
    QByteArray todos;
    for (int b = 0; b < 255; ++b)
        todos += char(b + 1);
    QTest::newRow("one byte") << QByteArray("A") << int(Clave);
    QTest::newRow("accented Windows-1252 text") << QByteArray("Tel\xe9" "fono \x80 \xf1") << int(Clave);
    QTest::newRow("255 bytes, every value") << todos << int(Clave);
    QTest::newRow("key zero") << QByteArray("lector@example.org") << 0;
    QTest::newRow("key 0xFFFF") << QByteArray("lector@example.org") << 0xFFFF;
}

void TstUnidad99::cifrar_isUndoneByDescifrar()
{
    QFETCH(QByteArray, plano);
    QFETCH(int, clave);
    const QByteArray cifrado = Cifrar(plano, quint16(clave));
    QCOMPARE(cifrado.size(), plano.size());
    QVERIFY(cifrado != plano);
    QCOMPARE(Descifrar(cifrado, quint16(clave)), plano);
}

void TstUnidad99::descifrar_dependsOnlyOnEarlierStoredBytes()
{
    const QByteArray a = Cifrar("Sin direccion postal", Clave);
    for (qsizetype k = 0; k < a.size(); ++k) {
        QByteArray b = a;
        b[k] = char(b[k] ^ 0x5A);
        const QByteArray pa = Descifrar(a, Clave);
        const QByteArray pb = Descifrar(b, Clave);
        QCOMPARE(pb.left(k), pa.left(k));
        QVERIFY(pb[k] != pa[k]);
    }
}

void TstUnidad99::storedTexts_decipherToThePlainTexts()
{
    QCOMPARE(Textos_Cifrados.size(), std::size(Textos_Acerca));
    for (std::size_t n = 0; n < Textos_Cifrados.size(); ++n) {
        const QByteArrayView cifrado = Textos_Cifrados[n];
        QVERIFY2(cifrado.size() >= 1 && cifrado.size() <= 255, Textos_Acerca[n]);
        const QByteArray plano = Descifrar(cifrado, Clave);
        QVERIFY2(plano != cifrado.toByteArray(), Textos_Acerca[n]);
        QCOMPARE(Texto_1252(plano), QString::fromUtf8(Textos_Acerca[n]));
    }
}

void TstUnidad99::windows1252_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<bool>("reversible");
    QTest::newRow("ASCII") << QByteArray("Web:") << QStringLiteral("Web:") << true;
    QTest::newRow("Latin-1 letters") << QByteArray("\xc1\xe9\xf1\xfc") << QStringLiteral("Áéñü") << true;
    QTest::newRow("euro and quotes from 0x80..0x9F")
        << QByteArray("\x80\x93\x94\x9f") << QStringLiteral("€“”Ÿ") << true;
    QTest::newRow("byte without a character") << QByteArray("a\x81") << QStringLiteral("a\uFFFD") << false;
}

void TstUnidad99::windows1252()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, texto);
    QFETCH(bool, reversible);
    QCOMPARE(Texto_1252(bytes), texto);
    bool ok = false;
    const QByteArray vuelta = Bytes_1252(texto, &ok);
    QCOMPARE(ok, reversible);
    if (reversible)
        QCOMPARE(vuelta, bytes);
    Bytes_1252(QStringLiteral("日本"), &ok);
    QVERIFY(!ok);
}

PRUEBA_APPLESS_MAIN(TstUnidad99)
#include "tst_unidad_99.moc"
