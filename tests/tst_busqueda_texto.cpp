// The rich text view's plain-text rules: line splitting and the forward whole-word search.
#include "avisos_qt.h"
#include "busqueda_texto.h"
#include "casos_letras.h"

#include <QTest>

class TstBusquedaTexto : public QObject
{
    Q_OBJECT

private slots:
    void dividirLineas_data();
    void dividirLineas();
    void buscar_data();
    void buscar();
};

void TstBusquedaTexto::dividirLineas_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QStringList>("lineas");
    QTest::newRow("empty text") << QString() << QStringList();
    QTest::newRow("one line") << QStringLiteral("A") << QStringList{"A"};
    QTest::newRow("line feed") << QStringLiteral("A\nB") << QStringList{"A", "B"};
    QTest::newRow("final line feed adds nothing") << QStringLiteral("A\nB\n") << QStringList{"A", "B"};
    QTest::newRow("CR LF is one break") << QStringLiteral("A\r\nB") << QStringList{"A", "B"};
    QTest::newRow("lone CR") << QStringLiteral("A\rB") << QStringList{"A", "B"};
    QTest::newRow("LF CR gives an empty line") << QStringLiteral("A\n\rB") << QStringList{"A", "", "B"};
    QTest::newRow("two LF give an empty line") << QStringLiteral("A\n\nB") << QStringList{"A", "", "B"};
    QTest::newRow("only a break") << QStringLiteral("\n") << QStringList{""};
}

void TstBusquedaTexto::dividirLineas()
{
    QFETCH(QString, texto);
    QFETCH(QStringList, lineas);
    QCOMPARE(::dividirLineas(texto), lineas);
}

void TstBusquedaTexto::buscar_data()
{
    QTest::addColumn<QString>("documento");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<int>("inicio");
    QTest::addColumn<int>("longitud");
    QTest::addColumn<int>("resultado");
    const QString parrafo = QStringLiteral("El órgano, y los Órganos.\u2029ÓRGANO\u2029");
    QTest::newRow("lower case found from a capital") << parrafo << QStringLiteral("Órgano") << 0 << 40 << 3;
    QTest::newRow("inside a longer word is not a word") << parrafo << QStringLiteral("Órgano") << 4 << 40 << 26;
    QTest::newRow("at a paragraph start") << parrafo << QStringLiteral("órgano") << 10 << 40 << 26;
    QTest::newRow("accent never ignored") << QStringLiteral("Constitución") << QStringLiteral("Constitucion") << 0
                                          << 20 << -1;
    QTest::newRow("case of A-Z ignored") << QStringLiteral("el ESTADO.") << QStringLiteral("Estado") << 0 << 10 << 3;
    QTest::newRow("Ñ folds to ñ") << QStringLiteral("AÑO año") << QStringLiteral("año") << 0 << 7 << 0;
    QTest::newRow("Ü folds to ü") << QStringLiteral("la PINGÜINA") << QStringLiteral("pingüina") << 0 << 11 << 3;
    QTest::newRow("digits are word characters") << QStringLiteral("x2 x") << QStringLiteral("x") << 0 << 4 << 3;
    QTest::newRow("guillemets end words") << QStringLiteral("«Cúmplase»") << QStringLiteral("cúmplase") << 0 << 10 << 1;
    QTest::newRow("no-break space ends words") << QStringLiteral("N°\u00a0Ley") << QStringLiteral("ley") << 0 << 6 << 3;
    QTest::newRow("hyphen ends words") << QStringLiteral("socio-económico") << QStringLiteral("económico") << 0 << 15
                                       << 6;
    QTest::newRow("match ending at range end") << QStringLiteral("esta Constitución") << QStringLiteral("Constitución")
                                               << 0 << 17 << 5;
    QTest::newRow("range one short") << QStringLiteral("esta Constitución") << QStringLiteral("Constitución") << 0
                                     << 16 << -1;
    QTest::newRow("empty range") << QStringLiteral("abc") << QStringLiteral("abc") << 0 << 0 << -1;
    QTest::newRow("empty text") << QStringLiteral("abc") << QString() << 0 << 3 << -1;
    QTest::newRow("range past the end") << QStringLiteral("abc") << QStringLiteral("abc") << 0 << 1000 << 0;
    QTest::newRow("negative start") << QStringLiteral("abc") << QStringLiteral("abc") << -4 << 1000 << 0;
    QTest::newRow("start past the end") << QStringLiteral("abc") << QStringLiteral("abc") << 10 << 5 << -1;
    QTest::newRow("text longer than document") << QStringLiteral("ab") << QStringLiteral("abc") << 0 << 5 << -1;
    QTest::newRow("first of several") << QStringLiteral("uno, uno; uno") << QStringLiteral("UNO") << 1 << 20 << 5;
    // Every accented letter, ü and ñ: its capital equals its small form, in either the text or
    // the word searched; neither equals the letter without its accent or tilde.
    for (const LetraEsperada &l : LetrasConAcento) {
        for (int lugar = 0; lugar < 3; ++lugar) {
            const QString palabra = QString::fromUtf16(l.palabras[lugar]);
            const QString mayusculas = palabra.toUpper();
            const QString sinAcento = ::sinAcento(l, l.palabras[lugar]);
            const char *donde = LugaresDeLaLetra[lugar];
            const auto fila = [&](const char *caso, const QString &texto, const QString &buscado, int resultado) {
                const QString documento = QStringLiteral("el ") + texto + u'.';
                QTest::addRow("%s %s: %s", qPrintable(QString(QChar(l.letra))), donde, caso)
                    << documento << buscado << 0 << int(documento.size()) << resultado;
            };
            fila("capital in the text", mayusculas, palabra, 3);
            fila("capital searched", palabra, mayusculas, 3);
            fila("not the plain letter, capital in the text", mayusculas, sinAcento, -1);
            fila("not the plain letter, capital searched", sinAcento, mayusculas, -1);
        }
    }
}

void TstBusquedaTexto::buscar()
{
    QFETCH(QString, documento);
    QFETCH(QString, texto);
    QFETCH(int, inicio);
    QFETCH(int, longitud);
    QFETCH(int, resultado);
    QCOMPARE(buscarEnTexto(documento, texto, inicio, longitud), resultado);
}

PRUEBA_APPLESS_MAIN(TstBusquedaTexto)
#include "tst_busqueda_texto.moc"
