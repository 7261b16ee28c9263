// How a query of the whole-text search is read: its words, phrases and exclusions, which word
// may still be growing, and why a query asks for nothing.
#include "avisos_qt.h"
#include "consulta.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(Motivo_Sin_Consulta)

namespace {

// A term written as a reader would: a minus when left out, quotes around a phrase, "…" after
// the word that may be a word's beginning.
QStringList escritos(const QList<Termino_Consulta> &terminos)
{
    QStringList r;
    for (const Termino_Consulta &t : terminos) {
        const QString cuerpo = t.palabras.join(u' ') + (t.principio ? u"…"_s : QString());
        r << (t.excluido ? u"-"_s : QString()) + (t.frase ? u'"' + cuerpo + u'"' : cuerpo);
    }
    return r;
}

} // namespace

class TstConsulta : public QObject
{
    Q_OBJECT

private slots:
    void analizar_readsTerms_data();
    void analizar_readsTerms();
    void analizar_placesTermsInTheQuery();
};

void TstConsulta::analizar_readsTerms_data()
{
    QTest::addColumn<QString>("consulta");
    QTest::addColumn<QStringList>("terminos");
    QTest::addColumn<Motivo_Sin_Consulta>("motivo");
    using M = Motivo_Sin_Consulta;
    QTest::newRow("empty") << QString() << QStringList() << M::Vacia;
    QTest::newRow("white space") << u"  \t \n"_s << QStringList() << M::Vacia;
    QTest::newRow("punctuation only") << u"¿?, . «»"_s << QStringList() << M::Solo_Signos;
    QTest::newRow("empty quote") << u"\"\""_s << QStringList() << M::Solo_Signos;
    QTest::newRow("lone quote") << u"\""_s << QStringList() << M::Solo_Signos;
    QTest::newRow("only a minus") << u"-"_s << QStringList() << M::Solo_Signos;
    QTest::newRow("minus before an empty quote") << u"-\"\" -"_s << QStringList() << M::Solo_Signos;
    QTest::newRow("quote of punctuation") << u"\"...\""_s << QStringList() << M::Solo_Signos;
    QTest::newRow("only exclusions") << u"-tratados -\"derechos humanos\""_s
                                     << QStringList{u"-tratados"_s, u"-\"derechos humanos\""_s} << M::Solo_Exclusiones;
    QTest::newRow("doubled minus") << u"--ley"_s << QStringList{u"-ley"_s} << M::Solo_Exclusiones;
    QTest::newRow("words, the last a beginning") << u"derecho vivienda"_s
                                                 << QStringList{u"derecho"_s, u"vivienda…"_s} << M::Ninguno;
    QTest::newRow("trailing space keeps the beginning") << u"derecho vivienda "_s
                                                        << QStringList{u"derecho"_s, u"vivienda…"_s} << M::Ninguno;
    QTest::newRow("punctuation separates words") << u"derecho,vivienda."_s
                                                 << QStringList{u"derecho"_s, u"vivienda…"_s} << M::Ninguno;
    QTest::newRow("a minus inside a word separates") << u"socio-económico"_s
                                                     << QStringList{u"socio"_s, u"económico…"_s} << M::Ninguno;
    QTest::newRow("phrase then a word") << u"\"derechos humanos\" tratados"_s
                                        << QStringList{u"\"derechos humanos\""_s, u"tratados…"_s} << M::Ninguno;
    QTest::newRow("closed phrase last: whole") << u"tratados \"derechos humanos\""_s
                                               << QStringList{u"tratados"_s, u"\"derechos humanos\""_s} << M::Ninguno;
    QTest::newRow("quote left open: to the end, a beginning")
        << u"tratados \"derechos  hum"_s << QStringList{u"tratados"_s, u"\"derechos hum…\""_s} << M::Ninguno;
    QTest::newRow("left-out word last: whole") << u"vivienda -derecho"_s
                                               << QStringList{u"vivienda"_s, u"-derecho"_s} << M::Ninguno;
    QTest::newRow("left-out open quote: whole") << u"vivienda -\"derecho a"_s
                                                << QStringList{u"vivienda"_s, u"-\"derecho a\""_s} << M::Ninguno;
    QTest::newRow("typographic quotes") << u"“derechos humanos” tratados"_s
                                        << QStringList{u"\"derechos humanos\""_s, u"tratados…"_s} << M::Ninguno;
    QTest::newRow("a phrase keeps its punctuation") << u"\"a, b\""_s << QStringList{u"\"a, b\""_s} << M::Ninguno;
    QTest::newRow("quotes inside a run of characters")
        << u"derecho\"a la\"vivienda"_s << QStringList{u"derecho"_s, u"\"a la\""_s, u"vivienda…"_s} << M::Ninguno;
    QTest::newRow("empty quote left aside") << u"\"\" huelga"_s << QStringList{u"huelga…"_s} << M::Ninguno;
    QTest::newRow("letters outside Latin-1 are letters") << u"ħumanos"_s << QStringList{u"ħumanos…"_s}
                                                         << M::Ninguno;
}

void TstConsulta::analizar_readsTerms()
{
    QFETCH(QString, consulta);
    QFETCH(QStringList, terminos);
    QFETCH(Motivo_Sin_Consulta, motivo);
    const Consulta c = analizarConsulta(consulta);
    QCOMPARE(escritos(c.terminos), terminos);
    QCOMPARE(c.motivo, motivo);
}

// Where each term stands, for the query to be changed in place ("¿Quiso decir…?").
void TstConsulta::analizar_placesTermsInTheQuery()
{
    const QString consulta = u"derecho, \"vivienda digna\" -casa"_s;
    const Consulta c = analizarConsulta(consulta);
    QCOMPARE(c.terminos.size(), 3);
    QCOMPARE(consulta.mid(c.terminos[0].inicio, c.terminos[0].largo), u"derecho"_s);
    QCOMPARE(consulta.mid(c.terminos[1].inicio, c.terminos[1].largo), u"vivienda digna"_s);
    QCOMPARE(consulta.mid(c.terminos[2].inicio, c.terminos[2].largo), u"casa"_s);
}

PRUEBA_APPLESS_MAIN(TstConsulta)
#include "tst_consulta.moc"
