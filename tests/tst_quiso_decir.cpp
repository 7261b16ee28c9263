// "¿Quiso decir…?" against the real texts: for a word the entries do not hold, the nearest
// words they do (checked by reading the texts: counts and spellings), the most frequent first,
// and the query with the word replaced.
#include "avisos_qt.h"
#include "quiso_decir.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TstQuisoDecir : public QObject
{
    Q_OBJECT

private slots:
    void sugerencias_nearestFrequentWords_data();
    void sugerencias_nearestFrequentWords();
    void sugerencias_replaceTheWordInTheQuery_data();
    void sugerencias_replaceTheWordInTheQuery();
};

void TstQuisoDecir::sugerencias_nearestFrequentWords_data()
{
    QTest::addColumn<QString>("consulta");
    QTest::addColumn<QString>("palabra");
    QTest::addColumn<QStringList>("sugerencias");
    // "vivienda" 5 times, "viviendas" once.
    QTest::newRow("a letter left out") << u"vivenda"_s << u"vivenda"_s << QStringList{u"vivienda"_s, u"viviendas"_s};
    // "derecho" 120 times, "derechos" 87, "dicho" 12: the most frequent first, at most three.
    QTest::newRow("most frequent first") << u"dercho"_s << u"dercho"_s
                                         << QStringList{u"derecho"_s, u"derechos"_s, u"dicho"_s};
    QTest::newRow("two letters swapped count one") << u"derehco"_s << u"derehco"_s
                                                   << QStringList{u"derecho"_s, u"derechos"_s};
    // "Presidente" and "Presidenta" 91 times each: the nearer first; spelt as the text spells them.
    QTest::newRow("equal counts: the nearest first") << u"presidnte"_s << u"presidnte"_s
                                                     << QStringList{u"Presidente"_s, u"Presidenta"_s,
                                                                    u"Presidentes"_s};
    QTest::newRow("accents and capitals folded") << u"CONSTITUCOIN"_s << u"CONSTITUCOIN"_s
                                                 << QStringList{u"Constitución"_s};
    // Two edits would also give "le"; a word of four letters gets one.
    QTest::newRow("short word: one edit") << u"leyy"_s << u"leyy"_s << QStringList{u"ley"_s};
    QTest::newRow("a letter outside Latin-1 mistyped") << u"ħumanos"_s << u"ħumanos"_s
                                                       << QStringList{u"humanos"_s, u"humano"_s};
    QTest::newRow("first word with suggestions") << u"xqzwv vivenda dercho"_s << u"vivenda"_s
                                                 << QStringList{u"vivienda"_s, u"viviendas"_s};
    QTest::newRow("nothing near") << u"xqzwv"_s << QString() << QStringList();
    QTest::newRow("every word matches") << u"derecho vivienda"_s << QString() << QStringList();
    QTest::newRow("a word's beginning matches") << u"derecho viv"_s << QString() << QStringList();
    QTest::newRow("a form matches") << u"votar"_s << QString() << QStringList();
    QTest::newRow("left-out words are not corrected") << u"vivienda -vivenda"_s << QString() << QStringList();
    QTest::newRow("phrases are not corrected") << u"\"vivenda\""_s << QString() << QStringList();
    QTest::newRow("no query") << u"-"_s << QString() << QStringList();
}

void TstQuisoDecir::sugerencias_nearestFrequentWords()
{
    QFETCH(QString, consulta);
    QFETCH(QString, palabra);
    QFETCH(QStringList, sugerencias);
    const Quiso_Decir q = quisoDecir(consulta);
    QCOMPARE(q.palabra, palabra);
    QStringList obtenidas;
    for (const Sugerencia_Consulta &s : q.sugerencias)
        obtenidas << s.palabra;
    QCOMPARE(obtenidas, sugerencias);
}

void TstQuisoDecir::sugerencias_replaceTheWordInTheQuery_data()
{
    QTest::addColumn<QString>("consulta");
    QTest::addColumn<QString>("corregida"); // with the first suggestion
    QTest::newRow("one word") << u"vivenda"_s << u"vivienda"_s;
    QTest::newRow("first of two") << u"dercho vivienda"_s << u"derecho vivienda"_s;
    QTest::newRow("everything else kept") << u"  \"a la\"  vivenda, -casa "_s << u"  \"a la\"  vivienda, -casa "_s;
}

void TstQuisoDecir::sugerencias_replaceTheWordInTheQuery()
{
    QFETCH(QString, consulta);
    QFETCH(QString, corregida);
    const Quiso_Decir q = quisoDecir(consulta);
    QVERIFY(!q.sugerencias.isEmpty());
    QCOMPARE(q.sugerencias.front().consulta, corregida);
}

PRUEBA_APPLESS_MAIN(TstQuisoDecir)
#include "tst_quiso_decir.moc"
