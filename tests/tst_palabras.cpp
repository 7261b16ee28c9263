// The word concordance: the compiled-in table against its derivation rule and the
// checkpoints our text meets, and the queries the pages run over it.
#include "avisos_qt.h"
#include "concordancia.h"
#include "entradas.h"
#include "palabras.h"

#include <QTest>

#include <array>

using namespace Qt::StringLiterals;

class TstPalabras : public QObject
{
    Q_OBJECT

private slots:
    void tabla_equalsDerivationFromTextos();
    void tabla_shapeOfEveryGroup();
    void tabla_checkpoints();
    void tabla_accentedCapitals();
    void derivacion_data();
    void derivacion();
    void palabrasVacias_listAndKeys();
    void compararConcordancia_data();
    void compararConcordancia();
    void filtrar_data();
    void filtrar();
    void buscar_data();
    void buscar();
    void postings_data();
    void postings();
    void consultas_onHeadLikeStrings();
    void analizarCabeza_data();
    void analizarCabeza();
    void recorrerCabezas_everyWordInOrder();
    void compararPlegandoAZ_data();
    void compararPlegandoAZ();
};

namespace {

QStringList cadenasDe(TablaPalabras tabla)
{
    QStringList r;
    for (std::size_t i = 1; i < tabla.size(); ++i)
        r.append(tabla[i]);
    return r;
}

// The strings of the group whose head is at index h: the head and its postings.
QStringList grupo(int h)
{
    QStringList r{Palabras[h]};
    for (const int e : Postings(h))
        r.append(QString::number(e));
    return r;
}

} // namespace

void TstPalabras::tabla_equalsDerivationFromTextos()
{
    QStringList textos;
    for (int e = 1; e <= Numero_Entradas; ++e)
        textos.append(Textos[e].Texto);
    const QStringList derivada = derivarConcordancia(textos);
    const QStringList compilada = cadenasDe(Palabras);
    QCOMPARE(compilada.size(), derivada.size());
    for (int i = 0; i < derivada.size(); ++i)
        QCOMPARE(compilada[i], derivada[i]);
    QVERIFY(Palabras[0].isEmpty());
}

void TstPalabras::tabla_shapeOfEveryGroup()
{
    // Our text yields 4,204 words in 19,119 strings.
    QCOMPARE(Palabras.size() - 1, std::size_t(19119));
    int cabezas = 0;
    int h = 0;
    QString anterior;
    for (std::size_t i = 1; i < Palabras.size(); ++i) {
        const QLatin1String s = Palabras[i];
        if (s.startsWith("<Palabra>"_L1)) {
            QVERIFY2(s.size() > 9, qPrintable(QString(s)));
            const Cabeza_Palabra c = Analizar_Cabeza(s);
            QCOMPARE(s, QLatin1String(QStringLiteral("<Palabra>,[%1],(%2),%3")
                                          .arg(c.articulos).arg(c.veces).arg(c.palabra).toLatin1()));
            QVERIFY(c.veces >= c.articulos);
            QVERIFY(c.veces < 1000);
            QVERIFY2(anterior.isEmpty() || ::compararConcordancia(anterior, c.palabra) <= 0, qPrintable(c.palabra));
            QCOMPARE(Postings(int(i)).size(), c.articulos);
            anterior = c.palabra;
            h = int(i);
            ++cabezas;
        } else {
            QVERIFY(h > 0);
            QVERIFY2(s.size() <= 3, qPrintable(QString(s)));
            const int e = s.toInt();
            QCOMPARE(QString::number(e), QString(s));
            QVERIFY(e >= 1 && e <= Numero_Entradas);
            if (int(i) > h + 1)
                QVERIFY(Palabras[i - 1].toInt() < e);
        }
    }
    QCOMPARE(cabezas, 4204);
}

void TstPalabras::tabla_checkpoints()
{
    QCOMPARE(cadenasDe(Palabras).mid(0, 7),
             (QStringList{u"<Palabra>,[1],(1),Abandono"_s, u"234"_s, u"<Palabra>,[1],(1),Abierta"_s, u"300"_s,
                          u"<Palabra>,[2],(2),Abierto"_s, u"71"_s, u"273"_s}));
    const int ultima = int(Palabras.size()) - 1;
    QCOMPARE(Palabras[ultima - 1], "<Palabra>,[1],(1),Zulia"_L1);
    QCOMPARE(Palabras[ultima], "359"_L1);
    QCOMPARE(Buscar_Palabra(u"Zulia"), ultima - 1);
    QCOMPARE(Postings(ultima - 1), QList<int>{359});

    int mayorN = 0;
    QString conMayorN;
    for (const Cabeza_Palabra &c : recorrerCabezas()) {
        if (c.articulos > mayorN)
            mayorN = c.articulos, conMayorN = c.palabra;
    }
    QCOMPARE(conMayorN, u"Estado"_s);
    QCOMPARE(Palabras[Buscar_Palabra(u"Estado")], "<Palabra>,[126],(177),Estado"_L1);

    const QList<int> constitucion = Postings(Buscar_Palabra(u"Constitución"));
    QCOMPARE(constitucion.size(), 107);
    QCOMPARE(grupo(Buscar_Palabra(u"CONSTITUCIÓN")), (QStringList{u"<Palabra>,[1],(1),CONSTITUCIÓN"_s, u"1"_s}));
    QCOMPARE(Postings(Buscar_Palabra(u"Abogadas")), (QList<int>{254, 357}));
}

void TstPalabras::tabla_accentedCapitals()
{
    QStringList palabras;
    int postings = 0;
    for (const Cabeza_Palabra &c : recorrerCabezas()) {
        if (c.palabra.at(0).unicode() > 0x7F) {
            palabras.append(c.palabra);
            postings += c.articulos;
        }
    }
    QCOMPARE(palabras.size(), 18);
    QCOMPARE(postings, 97);
    QVERIFY(palabras.contains(u"Órgano"_s));
    QCOMPARE(Postings(Buscar_Palabra(u"Órgano")).value(0), 95);
}

void TstPalabras::derivacion_data()
{
    QTest::addColumn<QStringList>("entradas");
    QTest::addColumn<QStringList>("tabla");
    QTest::newRow("tokens split at guillemets, no-break space and digits")
        << QStringList{u"«Cúmplase» nación\u00A0pueblo 12abc3def"_s}
        << QStringList{u"<Palabra>,[1],(1),Abc"_s, u"1"_s, u"<Palabra>,[1],(1),Cúmplase"_s, u"1"_s,
                       u"<Palabra>,[1],(1),Def"_s, u"1"_s, u"<Palabra>,[1],(1),Nación"_s, u"1"_s,
                       u"<Palabra>,[1],(1),Pueblo"_s, u"1"_s};
    QTest::newRow("accented first letters capitalised, the rest kept")
        << QStringList{u"ámbito órgano último éxito ñandú CONSTITUCIÓN"_s}
        << QStringList{u"<Palabra>,[1],(1),Ámbito"_s, u"1"_s, u"<Palabra>,[1],(1),CONSTITUCIÓN"_s, u"1"_s,
                       u"<Palabra>,[1],(1),Éxito"_s, u"1"_s, u"<Palabra>,[1],(1),Órgano"_s, u"1"_s,
                       u"<Palabra>,[1],(1),Último"_s, u"1"_s, u"<Palabra>,[1],(1),Ñandú"_s, u"1"_s};
    QTest::newRow("short keys and stop words dropped, capítulo and ley included")
        << QStringList{u"el de la ley Ley capítulo Capítulo nacional Nacional quien quienes año esta esto"_s}
        << QStringList{u"<Palabra>,[1],(1),Esto"_s, u"1"_s};
    QTest::newRow("entries counted once, occurrences every time")
        << QStringList{u"Poder poder"_s, u"nada"_s, u"poder"_s, u"Poderes"_s}
        << QStringList{u"<Palabra>,[1],(1),Nada"_s, u"2"_s, u"<Palabra>,[2],(3),Poder"_s, u"1"_s, u"3"_s,
                       u"<Palabra>,[1],(1),Poderes"_s, u"4"_s};
    QTest::newRow("accents and case fold in the order, ñ after z")
        << QStringList{u"acuñación acusatorio daños datos dazo ámbito amar azar"_s}
        << QStringList{u"<Palabra>,[1],(1),Acusatorio"_s, u"1"_s, u"<Palabra>,[1],(1),Acuñación"_s, u"1"_s,
                       u"<Palabra>,[1],(1),Amar"_s, u"1"_s, u"<Palabra>,[1],(1),Ámbito"_s, u"1"_s,
                       u"<Palabra>,[1],(1),Azar"_s, u"1"_s, u"<Palabra>,[1],(1),Datos"_s, u"1"_s,
                       u"<Palabra>,[1],(1),Dazo"_s, u"1"_s, u"<Palabra>,[1],(1),Daños"_s, u"1"_s};
    QTest::newRow("words equal under the folding side by side, in code order")
        << QStringList{u"Público entre publico ley"_s, u"PÚBLICO"_s}
        << QStringList{u"<Palabra>,[1],(1),Entre"_s, u"1"_s, u"<Palabra>,[1],(1),Publico"_s, u"1"_s,
                       u"<Palabra>,[1],(1),PÚBLICO"_s, u"2"_s, u"<Palabra>,[1],(1),Público"_s, u"1"_s};
    // Each letter the rule names, small and capital, inside a word: a letter left out would
    // split its word in two.
    QTest::newRow("every letter of the rule inside a word: ü, ñ, the accents, their capitals")
        << QStringList{u"bilingüe VERGÜENZA niño AÑOSO sofá ESPÁRRAGO café INGLÉS raíz PAÍS camión NACIÓN "
                       u"menú RÚSTICO"_s}
        << QStringList{u"<Palabra>,[1],(1),AÑOSO"_s,     u"1"_s, u"<Palabra>,[1],(1),Bilingüe"_s,  u"1"_s,
                       u"<Palabra>,[1],(1),Café"_s,      u"1"_s, u"<Palabra>,[1],(1),Camión"_s,    u"1"_s,
                       u"<Palabra>,[1],(1),ESPÁRRAGO"_s, u"1"_s, u"<Palabra>,[1],(1),INGLÉS"_s,    u"1"_s,
                       u"<Palabra>,[1],(1),Menú"_s,      u"1"_s, u"<Palabra>,[1],(1),NACIÓN"_s,    u"1"_s,
                       u"<Palabra>,[1],(1),Niño"_s,      u"1"_s, u"<Palabra>,[1],(1),PAÍS"_s,      u"1"_s,
                       u"<Palabra>,[1],(1),Raíz"_s,      u"1"_s, u"<Palabra>,[1],(1),RÚSTICO"_s,   u"1"_s,
                       u"<Palabra>,[1],(1),Sofá"_s,      u"1"_s, u"<Palabra>,[1],(1),VERGÜENZA"_s, u"1"_s};
    QTest::newRow("no text, no word") << QStringList{u""_s, u"1. 2; «»"_s} << QStringList{};
}

void TstPalabras::derivacion()
{
    QFETCH(QStringList, entradas);
    QFETCH(QStringList, tabla);
    QCOMPARE(derivarConcordancia(entradas), tabla);
}

void TstPalabras::palabrasVacias_listAndKeys()
{
    QCOMPARE(palabrasVacias().size(), 103);
    QCOMPARE(QStringList(palabrasVacias()).removeDuplicates(), 0);
    QVERIFY(esPalabraVacia(u"Ley"));
    QVERIFY(esPalabraVacia(u"Capítulo"));
    QVERIFY(esPalabraVacia(u"Éstos"));
    QVERIFY(!esPalabraVacia(u"ley"));
    QVERIFY(!esPalabraVacia(u"LEY"));
    QVERIFY(!esPalabraVacia(u"Leyes"));
}

void TstPalabras::compararConcordancia_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("signo");
    QTest::newRow("plain n before ñ") << u"Acusatorio"_s << u"Acuñación"_s << -1;
    QTest::newRow("t before ñ") << u"Datos"_s << u"Daños"_s << -1;
    QTest::newRow("z before ñ") << u"Daz"_s << u"Dañ"_s << -1;
    QTest::newRow("accented capital among the small letters") << u"Ámbito"_s << u"Amnistía"_s << -1;
    QTest::newRow("case folded") << u"abc"_s << u"ABD"_s << -1;
    QTest::newRow("prefix first") << u"Ley"_s << u"Leyes"_s << -1;
    QTest::newRow("accent and case only") << u"Constitución"_s << u"CONSTITUCION"_s << 0;
    QTest::newRow("diaeresis folds to u") << u"Güe"_s << u"Gue"_s << 0;
}

void TstPalabras::compararConcordancia()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, signo);
    QCOMPARE(qBound(-1, ::compararConcordancia(a, b), 1), signo);
    QCOMPARE(qBound(-1, ::compararConcordancia(b, a), 1), -signo);
}

void TstPalabras::filtrar_data()
{
    QTest::addColumn<QString>("prefijo");
    QTest::addColumn<int>("cuantas");
    QTest::addColumn<QStringList>("primeras"); // the first words of the result, in order
    const QStringList ab{u"Abandono"_s, u"Abierta"_s, u"Abierto"_s};
    QTest::newRow("ab") << u"ab"_s << 22 << ab;
    QTest::newRow("AB folds like ab") << u"AB"_s << 22 << ab;
    QTest::newRow("aB mixed") << u"aB"_s << 22 << ab;
    QTest::newRow("accented capital") << u"Á"_s << 5
                                      << QStringList{u"Ámbito"_s, u"Ámbitos"_s, u"Ánimo"_s, u"Área"_s, u"Áreas"_s};
    QTest::newRow("small accent does not fold") << u"á"_s << 0 << QStringList{};
    QTest::newRow("constitución") << u"constitución"_s << 1 << QStringList{u"Constitución"_s};
    QTest::newRow("constitucion") << u"constitucion"_s << 4
                                  << QStringList{u"Constitucional"_s, u"Constitucionales"_s,
                                                 u"Constitucionalidad"_s, u"Constituciones"_s};
    QTest::newRow("CONSTITUCIÓN") << u"CONSTITUCIÓN"_s << 1 << QStringList{u"CONSTITUCIÓN"_s};
    QTest::newRow("whole word") << u"zulia"_s << 1 << QStringList{u"Zulia"_s};
    QTest::newRow("x matches nothing") << u"x"_s << 0 << QStringList{};
    QTest::newRow("empty prefix gives every word") << QString() << 4204 << ab;
    QTest::newRow("longer than any word") << u"constitucionalidades"_s << 0 << QStringList{};
    QTest::newRow("emoji") << u"\U0001F600"_s << 0 << QStringList{};
    QTest::newRow("letter and emoji") << u"a\U0001F600"_s << 0 << QStringList{};
    QTest::newRow("CJK") << u"憲法"_s << 0 << QStringList{};
    QTest::newRow("a pasted megabyte") << QString(1 << 20, u'a') << 0 << QStringList{};
    QTest::newRow("comma of the head is not part of the word") << u","_s << 0 << QStringList{};
}

void TstPalabras::filtrar()
{
    QFETCH(QString, prefijo);
    QFETCH(int, cuantas);
    QFETCH(QStringList, primeras);
    const QStringList palabras = Filtrar_Palabras(prefijo);
    QCOMPARE(palabras.size(), cuantas);
    QCOMPARE(palabras.mid(0, primeras.size()), primeras);
    // Table order: the result is a subsequence of all the words.
    qsizetype k = 0;
    for (const Cabeza_Palabra &c : recorrerCabezas()) {
        if (k < palabras.size() && c.palabra == palabras[k])
            ++k;
    }
    QCOMPARE(k, palabras.size());
}

void TstPalabras::buscar_data()
{
    QTest::addColumn<QString>("palabra");
    QTest::addColumn<QList<int>>("entradas"); // empty: the word is absent and the lookup gives 0
    QTest::newRow("first word") << u"Abandono"_s << QList<int>{234};
    QTest::newRow("two entries") << u"Abierto"_s << QList<int>{71, 273};
    QTest::newRow("last word ends at the table's end") << u"Zulia"_s << QList<int>{359};
    QTest::newRow("Órgano") << u"Órgano"_s << QList<int>{95};
    QTest::newRow("case counts") << u"abierto"_s << QList<int>{};
    QTest::newRow("accent counts") << u"Constitucion"_s << QList<int>{};
    QTest::newRow("stop word") << u"Ley"_s << QList<int>{};
    QTest::newRow("empty") << QString() << QList<int>{};
    QTest::newRow("emoji") << u"\U0001F600"_s << QList<int>{};
    QTest::newRow("a pasted megabyte") << QString(1 << 20, u'A') << QList<int>{};
}

void TstPalabras::buscar()
{
    QFETCH(QString, palabra);
    QFETCH(QList<int>, entradas);
    const int h = Buscar_Palabra(palabra);
    if (entradas.isEmpty()) {
        QCOMPARE(h, 0);
        return;
    }
    QVERIFY(esCabeza(Palabras[h]));
    QCOMPARE(palabraDeCabeza(Palabras[h]), palabra);
    QCOMPARE(Postings(h).mid(0, entradas.size()), entradas);
    QVERIFY(Postings(h).size() >= entradas.size());
    QVERIFY(Buscar_Palabra(u"Constitución") != Buscar_Palabra(u"CONSTITUCIÓN"));
}

void TstPalabras::postings_data()
{
    const int ultima = int(Palabras.size()) - 1;
    QTest::addColumn<int>("cabeza");
    QTest::addColumn<QList<int>>("entradas");
    QTest::newRow("first head") << 1 << QList<int>{234};
    QTest::newRow("head 0, word not found") << 0 << QList<int>{};
    QTest::newRow("negative") << -1 << QList<int>{};
    QTest::newRow("most negative") << INT_MIN << QList<int>{};
    QTest::newRow("last head") << ultima - 1 << QList<int>{359};
    QTest::newRow("last string") << ultima << QList<int>{};
    QTest::newRow("past the end") << ultima + 1 << QList<int>{};
    QTest::newRow("largest") << INT_MAX << QList<int>{};
    QTest::newRow("a posting string: the rest of its group") << 6 << QList<int>{273};
}

void TstPalabras::postings()
{
    QFETCH(int, cabeza);
    QFETCH(QList<int>, entradas);
    QCOMPARE(Postings(cabeza), entradas);
}

void TstPalabras::consultas_onHeadLikeStrings()
{
    // A bare "<Palabra>" is no head for the filter and the statistics, but the lookups'
    // walk stops at it; a repeated word is found at its last head.
    const std::array<QLatin1String, 9> cadenas{
        QLatin1String(), "<Palabra>,[1],(1),Uno"_L1, "3"_L1, "<Palabra>"_L1, "7"_L1,
        "<Palabra>,[1],(1),Dos"_L1, "9"_L1, "<Palabra>,[1],(1),Uno"_L1, "12"_L1};
    const TablaPalabras tabla(cadenas);
    QCOMPARE(Filtrar_Palabras(QString(), tabla), (QStringList{u"Uno"_s, u"Dos"_s, u"Uno"_s}));
    QCOMPARE(recorrerCabezas(tabla).size(), 3);
    QCOMPARE(Postings(1, tabla), QList<int>{3});
    QCOMPARE(Buscar_Palabra(u"Uno", tabla), 7);
    QCOMPARE(Postings(7, tabla), QList<int>{12});
    QCOMPARE(Buscar_Palabra(u"Dos", tabla), 5);
}

void TstPalabras::analizarCabeza_data()
{
    QTest::addColumn<QString>("cabeza");
    QTest::addColumn<QString>("palabra");
    QTest::addColumn<int>("articulos");
    QTest::addColumn<int>("veces");
    QTest::newRow("Estado") << u"<Palabra>,[126],(177),Estado"_s << u"Estado"_s << 126 << 177;
    QTest::newRow("accented word") << u"<Palabra>,[1],(1),CONSTITUCIÓN"_s << u"CONSTITUCIÓN"_s << 1 << 1;
    QTest::newRow("no brackets") << u"<Palabra>"_s << QString() << 0 << 0;
    QTest::newRow("not numbers") << u"<Palabra>,[x],(y),Uno"_s << u"Uno"_s << 0 << 0;
    QTest::newRow("closing before opening") << u"<Palabra>,](1[,)"_s << QString() << 0 << 0;
}

void TstPalabras::analizarCabeza()
{
    QFETCH(QString, cabeza);
    QFETCH(QString, palabra);
    QFETCH(int, articulos);
    QFETCH(int, veces);
    const QByteArray latin1 = cabeza.toLatin1();
    QCOMPARE(Analizar_Cabeza(QLatin1String(latin1)), (Cabeza_Palabra{palabra, articulos, veces}));
}

void TstPalabras::recorrerCabezas_everyWordInOrder()
{
    const QList<Cabeza_Palabra> cabezas = recorrerCabezas();
    QCOMPARE(cabezas.size(), 4204);
    QCOMPARE(cabezas.first(), (Cabeza_Palabra{u"Abandono"_s, 1, 1}));
    QCOMPARE(cabezas.last(), (Cabeza_Palabra{u"Zulia"_s, 1, 1}));
    QCOMPARE(cabezas.at(2), (Cabeza_Palabra{u"Abierto"_s, 2, 2}));
}

void TstPalabras::compararPlegandoAZ_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("signo");
    QTest::newRow("case of plain letters ignored") << u"abierto"_s << u"ABIERTO"_s << 0;
    QTest::newRow("accented capital after Z") << u"Zulia"_s << u"Ámbito"_s << -1;
    QTest::newRow("accented vowel after z") << u"Acciones"_s << u"Acción"_s << -1;
    QTest::newRow("accented letters not folded") << u"Ó"_s << u"ó"_s << -1;
    QTest::newRow("prefix first") << u"Ley"_s << u"Leyes"_s << -1;
    QTest::newRow("padded counts compare like numbers") << u"099"_s << u"126"_s << -1;
    QTest::newRow("empty first") << QString() << u"a"_s << -1;
}

void TstPalabras::compararPlegandoAZ()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, signo);
    QCOMPARE(qBound(-1, ::compararPlegandoAZ(a, b), 1), signo);
    QCOMPARE(qBound(-1, ::compararPlegandoAZ(b, a), 1), -signo);
}

PRUEBA_APPLESS_MAIN(TstPalabras)
#include "tst_palabras.moc"
