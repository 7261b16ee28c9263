// The whole-text search without a window: quoted phrases against the real texts, checked
// against an independent scan (a regular expression over a copy folded by Unicode
// decomposition); the query language against the real texts, as the entries and hit counts
// the text itself gives; the folding and word rules on small texts, the context line and the
// F3 stepping.
#include "avisos_qt.h"
#include "busqueda_global.h"
#include "casos_letras.h"
#include "cita.h"
#include "entradas.h"

#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(QList<Tramo>)

namespace {

// Small letters without accents, "ñ" kept: decompose, drop the accents, put the tildes of ñ back.
QString plegarPorDescomposicion(const QString &s)
{
    QString conMarca = s;
    conMarca.replace(u'ñ', u'\x01').replace(u'Ñ', u'\x01');
    QString r;
    for (const QChar c : conMarca.normalized(QString::NormalizationForm_D)) {
        if (c.category() != QChar::Mark_NonSpacing)
            r += c;
    }
    return r.toLower().replace(u'\x01', u'ñ');
}

// The expected hits of every entry for a phrase: a regular expression built from its words;
// the last one whole, or a word's beginning.
QList<Resultado_Busqueda> recorridoIndependiente(const QString &consulta, bool ultimaEntera)
{
    const QStringList palabras = plegarPorDescomposicion(consulta).split(QRegularExpression(u"\\s+"_s), Qt::SkipEmptyParts);
    if (palabras.isEmpty() || !consulta.contains(QRegularExpression(u"[\\p{L}\\p{N}]"_s)))
        return {};
    QStringList partes;
    for (const QString &p : palabras)
        partes << QRegularExpression::escape(p);
    const QString entera = u"(?![\\p{L}\\p{N}])"_s;
    const QString patron = u"(?<![\\p{L}\\p{N}])"_s + partes.join(entera + u"[ \\n\\x{A0}]+"_s)
                           + (ultimaEntera ? entera : QString());
    const QRegularExpression re(patron, QRegularExpression::UseUnicodePropertiesOption);
    QList<Resultado_Busqueda> r;
    for (int e = 1; e <= Numero_Entradas; ++e) {
        Resultado_Busqueda fila{e, {}};
        auto it = re.globalMatch(plegarPorDescomposicion(Texto_Entrada(e)));
        while (it.hasNext()) {
            const QRegularExpressionMatch m = it.next();
            fila.tramos.append(Tramo{int(m.capturedStart()), int(m.capturedLength())});
        }
        if (!fila.tramos.isEmpty())
            r.append(fila);
    }
    return r;
}

int totalTramos(const QList<Resultado_Busqueda> &r)
{
    int n = 0;
    for (const Resultado_Busqueda &f : r)
        n += int(f.tramos.size());
    return n;
}

// The result rows' entries as a citation names them.
QStringList nombres(const QList<Resultado_Busqueda> &r)
{
    QStringList n;
    for (const Resultado_Busqueda &f : r)
        n << Cita_Entrada(f.entrada);
    return n;
}

// Articles by number.
QStringList articulos(std::initializer_list<int> numeros)
{
    QStringList n;
    for (const int a : numeros)
        n << u"Artículo %1"_s.arg(a);
    return n;
}

} // namespace

namespace {

// Entries 2, 7 and 9 with 2, 1 and 3 hits, for the steps through a result list.
QList<Resultado_Busqueda> tresFilas()
{
    return {
        {2, {{0, 1}, {5, 1}}},
        {7, {{3, 1}}},
        {9, {{1, 1}, {4, 1}, {8, 1}}},
    };
}

} // namespace

class TstBusquedaGlobal : public QObject
{
    Q_OBJECT

private slots:
    void frases_matchIndependentScan_data();
    void frases_matchIndependentScan();
    void textos_badQueries_giveNoResults_data();
    void textos_badQueries_giveNoResults();
    void lenguaje_textos_data();
    void lenguaje_textos();
    void lenguaje_pastedPage_asItsWords();
    void lenguaje_reglas_data();
    void lenguaje_reglas();
    void reglas_data();
    void reglas();
    void contexto_placesHitInOneLine_data();
    void contexto_placesHitInOneLine();
    void paso_data();
    void paso();
    void pasoDesdeEntrada_data();
    void pasoDesdeEntrada();
};

// Each phrase quoted and left open (today's phrase search, the last word a word's beginning),
// and quoted and closed (every word whole).
void TstBusquedaGlobal::frases_matchIndependentScan_data()
{
    QTest::addColumn<QString>("consulta");
    QTest::addColumn<int>("entradasMinimas"); // left open; guards against both scans finding nothing
    QTest::newRow("derechos humanos") << u"derechos humanos"_s << 20;
    QTest::newRow("organo without accent") << u"organo"_s << 40;
    QTest::newRow("república bolivariana") << u"república bolivariana"_s << 10;
    QTest::newRow("ACCION in capitals") << u"ACCION"_s << 15;
    QTest::newRow("nino is not niño") << u"nino"_s << 0;
    QTest::newRow("niño") << u"niño"_s << 1;
    QTest::newRow("bilingue folds ü") << u"BILINGUE"_s << 1;
    QTest::newRow("across a paragraph break") << u"Poder Público Nacional: 1. La política"_s << 1;
    QTest::newRow("across a paragraph break, entry 2") << u"el Libertador. Son derechos"_s << 1;
    QTest::newRow("runs of spaces made one") << u"  derechos    humanos  y "_s << 3;
    QTest::newRow("last word a prefix") << u"derechos hum"_s << 20;
    QTest::newRow("one letter") << u"a"_s << 300;
    QTest::newRow("one digit") << u"5"_s << 10;
}

void TstBusquedaGlobal::frases_matchIndependentScan()
{
    QFETCH(QString, consulta);
    QFETCH(int, entradasMinimas);
    const QList<Resultado_Busqueda> esperado = recorridoIndependiente(consulta, false);
    const QList<Resultado_Busqueda> obtenido = Buscar_En_Textos(u'"' + consulta);
    QVERIFY2(esperado.size() >= entradasMinimas, qPrintable(u"only %1 entries"_s.arg(esperado.size())));
    if (entradasMinimas == 0)
        QVERIFY(esperado.isEmpty());
    QCOMPARE(obtenido.size(), esperado.size());
    QCOMPARE(totalTramos(obtenido), totalTramos(esperado));
    QCOMPARE(obtenido, esperado);

    const QList<Resultado_Busqueda> entera = Buscar_En_Textos(u'"' + consulta + u'"');
    QCOMPARE(entera, recorridoIndependiente(consulta, true));
}

void TstBusquedaGlobal::textos_badQueries_giveNoResults_data()
{
    QTest::addColumn<QString>("consulta");
    QTest::newRow("empty") << QString();
    QTest::newRow("spaces only") << u"   "_s;
    QTest::newRow("no letter or digit") << u". , ; «»"_s;
    QTest::newRow("control characters") << u"\"dere\x01chos"_s;
    QTest::newRow("zero character") << u'"' + QString(QChar(0)) + u"a"_s;
    QTest::newRow("outside the texts' characters") << u"derechos ħumanos"_s;
    QTest::newRow("outside the texts' characters, quoted") << u"\"derechos ħumanos\""_s;
    QTest::newRow("word outside the texts' characters") << u"derecho vivienda ħ"_s;
    QTest::newRow("pasted megabyte of one word, quoted") << u'"' + u"derechos "_s.repeated(1 << 17);
    QString aleatorio;
    quint32 estado = 12345;
    for (int i = 0; i < (1 << 20); ++i) {
        estado = estado * 1664525u + 1013904223u;
        aleatorio += QChar(char16_t(0x20 + (estado >> 24) % 0xE0));
    }
    QTest::newRow("pasted megabyte of Latin-1") << aleatorio;
}

void TstBusquedaGlobal::textos_badQueries_giveNoResults()
{
    QFETCH(QString, consulta);
    QVERIFY(Buscar_En_Textos(consulta).isEmpty());
}

// The entries and hit counts the text gives (each checked by reading it): unquoted words
// anywhere and in any of their forms, phrases, exclusions.
void TstBusquedaGlobal::lenguaje_textos_data()
{
    QTest::addColumn<QString>("consulta");
    QTest::addColumn<QStringList>("entradas");
    QTest::addColumn<int>("coincidencias");
    const QStringList derechosHumanos = QStringList{u"Preámbulo"_s}
                                        + articulos({2, 19, 22, 23, 27, 29, 30, 31, 55, 74, 132, 152, 261, 271, 272,
                                                     278, 280, 281, 326, 332, 337, 339, 350});
    QTest::newRow("words anywhere") << u"derecho vivienda"_s << articulos({82, 86, 156}) << 10;
    QTest::newRow("words in capitals, without accents") << u"DERECHO VIVIENDA"_s << articulos({82, 86, 156}) << 10;
    QTest::newRow("five words") << u"toda persona derecho vivienda adecuada"_s << articulos({82}) << 8;
    QTest::newRow("three words") << u"pueblos indígenas tierras"_s << articulos({119, 156, 181}) << 15;
    QTest::newRow("words without their accents") << u"educacion gratuita"_s << articulos({102, 103}) << 10;
    QTest::newRow("familia protección") << u"familia protección"_s << articulos({60, 75, 76, 78, 86, 178, 332}) << 23;
    QTest::newRow("pena muerte") << u"pena muerte"_s << articulos({43}) << 2;
    QTest::newRow("consejo federal gobierno") << u"consejo federal gobierno"_s << articulos({172, 185, 239}) << 20;
    // Artículo 65 says "elección" only.
    QTest::newRow("forms: elecciones")
        << u"elecciones"_s
        << articulos({64, 65, 67, 70, 72, 117, 146, 156, 168, 188, 189, 198, 228, 229, 233, 240, 264, 270, 293, 298,
                      330})
               + QStringList{u"Disposición Transitoria Cuarta"_s, u"Disposición Transitoria Séptima"_s}
        << 28;
    QTest::newRow("quoted phrase") << u"\"derechos humanos\""_s << derechosHumanos << 38;
    QTest::newRow("quote left open") << u"\"derechos hum"_s << derechosHumanos << 38;
    QTest::newRow("phrase and a word") << u"\"derechos humanos\" tratados"_s << articulos({19, 23, 31, 74, 280, 281})
                                       << 23;
    QTest::newRow("phrase minus a word")
        << u"\"derechos humanos\" -tratados"_s
        << QStringList{u"Preámbulo"_s}
               + articulos({2, 22, 27, 29, 30, 55, 132, 152, 261, 271, 272, 278, 326, 332, 337, 339, 350})
        << 21;
    QTest::newRow("word minus a phrase")
        << u"tratados -\"derechos humanos\""_s
        << articulos({10, 21, 37, 44, 46, 54, 73, 78, 83, 98, 113, 117, 148, 153, 154, 155, 187, 189, 204, 217, 220,
                      236, 266, 285, 318, 336})
               + QStringList{u"Disposición Transitoria Cuarta"_s}
        << 37;
    QTest::newRow("minus a word no entry holds") << u"\"derechos humanos\" -ornitorrinco"_s << derechosHumanos << 38;
    QTest::newRow("empty quote beside a word") << u"\"\" huelga"_s << articulos({97}) << 1;
    QTest::newRow("empty quote") << u"\"\""_s << QStringList() << 0;
    QTest::newRow("only a minus") << u"-"_s << QStringList() << 0;
    QTest::newRow("only exclusions") << u"-tratados"_s << QStringList() << 0;
    QTest::newRow("only punctuation") << u"¿ , ; ?"_s << QStringList() << 0;
    QTest::newRow("word minus its own form") << u"derecho -derechos"_s << QStringList() << 0;
}

void TstBusquedaGlobal::lenguaje_textos()
{
    QFETCH(QString, consulta);
    QFETCH(QStringList, entradas);
    QFETCH(int, coincidencias);
    const QList<Resultado_Busqueda> r = Buscar_En_Textos(consulta);
    QCOMPARE(nombres(r), entradas);
    QCOMPARE(totalTramos(r), coincidencias);
}

void TstBusquedaGlobal::lenguaje_pastedPage_asItsWords()
{
    const QString pagina = u"derechos "_s.repeated(1 << 17);
    const QList<Resultado_Busqueda> r = Buscar_En_Textos(pagina);
    QVERIFY(r.size() > 50);
    QCOMPARE(r, Buscar_En_Textos(u"derechos"_s));
}

// The language's rules on small texts; hits as {start, length}.
void TstBusquedaGlobal::lenguaje_reglas_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("consulta");
    QTest::addColumn<QList<Tramo>>("esperado");
    using L = QList<Tramo>;
    QTest::newRow("any order") << u"la vivienda y el derecho"_s << u"derecho vivienda"_s << L{{3, 8}, {17, 7}};
    QTest::newRow("every word needed") << u"la vivienda"_s << u"derecho vivienda"_s << L{};
    QTest::newRow("each occurrence a hit") << u"ley y ley"_s << u"ley"_s << L{{0, 3}, {6, 3}};
    QTest::newRow("forms of the word") << u"la ley y las leyes"_s << u"leyes"_s << L{{3, 3}, {13, 5}};
    QTest::newRow("forms, capitals and accents") << u"la Nación"_s << u"NACIONES"_s << L{{3, 6}};
    QTest::newRow("a word the text lacks: its own forms") << u"el voto"_s << u"votar"_s << L{{3, 4}};
    QTest::newRow("last word a beginning, whole word marked") << u"la vivienda"_s << u"viv"_s << L{{3, 8}};
    QTest::newRow("earlier words whole") << u"la vivienda digna"_s << u"viv digna"_s << L{};
    QTest::newRow("punctuation and a minus inside separate words")
        << u"derecho-vivienda"_s << u"derecho-vivienda"_s << L{{0, 7}, {8, 8}};
    QTest::newRow("ñ is its own letter") << u"el año"_s << u"ano"_s << L{};
    QTest::newRow("minus a word") << u"derecho a la vivienda"_s << u"derecho -vivienda"_s << L{};
    QTest::newRow("minus a word leaves out its forms") << u"derecho a las viviendas"_s << u"derecho -vivienda"_s << L{};
    QTest::newRow("minus a word: whole") << u"derecho a la vivienda"_s << u"derecho -viv"_s << L{{0, 7}};
    QTest::newRow("minus a word not there") << u"derecho a la vivienda"_s << u"derecho -casa"_s << L{{0, 7}};
    QTest::newRow("minus a phrase") << u"el derecho a la vivienda"_s << u"derecho -\"la vivienda\""_s << L{};
    QTest::newRow("minus a phrase not there") << u"el derecho a la vivienda"_s << u"derecho -\"vivienda la\""_s
                                              << L{{3, 7}};
    QTest::newRow("only exclusions") << u"derecho"_s << u"-vivienda"_s << L{};
    QTest::newRow("quoted: no other forms") << u"la ley y las leyes"_s << u"\"ley\""_s << L{{3, 3}};
    QTest::newRow("quoted: last word whole") << u"derechos humanos"_s << u"\"derechos hum\""_s << L{};
    QTest::newRow("quote left open: last word a beginning") << u"derechos humanos"_s << u"\"derechos hum"_s
                                                            << L{{0, 12}};
    QTest::newRow("typographic quotes") << u"los derechos humanos"_s << u"“derechos humanos”"_s << L{{4, 16}};
    QTest::newRow("empty quote left aside") << u"la huelga"_s << u"\"\" huelga"_s << L{{3, 6}};
    QTest::newRow("a phrase and its word make one hit") << u"los derechos humanos"_s
                                                        << u"\"derechos humanos\" humanos"_s << L{{4, 16}};
    QTest::newRow("overlapping phrases make one hit") << u"derechos humanos y deberes"_s
                                                      << u"\"derechos humanos\" \"humanos y\""_s << L{{0, 18}};
    QTest::newRow("phrase and word hits in text order") << u"humanos y derechos humanos"_s
                                                        << u"\"derechos humanos\" humanos"_s << L{{0, 7}, {10, 16}};
    QTest::newRow("a word outside Latin-1 matches nothing") << u"ħa a"_s << u"ħa"_s << L{};
    QTest::newRow("nor leaves anything out") << u"ħa a"_s << u"a -ħa"_s << L{{3, 1}};
}

void TstBusquedaGlobal::lenguaje_reglas()
{
    QFETCH(QString, texto);
    QFETCH(QString, consulta);
    QFETCH(QList<Tramo>, esperado);
    QCOMPARE(buscarEn(texto, consulta), esperado);
}

void TstBusquedaGlobal::reglas_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("consulta");
    QTest::addColumn<QList<Tramo>>("esperado");
    using L = QList<Tramo>;
    QTest::newRow("accent and capital folded") << u"El Órgano y los órganos."_s << u"organo"_s << L{{3, 6}, {16, 6}};
    QTest::newRow("capitals in the query") << u"la acción"_s << u"ACCIÓN"_s << L{{3, 6}};
    QTest::newRow("ñ is its own letter") << u"el niño y el nino"_s << u"niño"_s << L{{3, 4}};
    QTest::newRow("Ñ folds to ñ") << u"AÑO"_s << u"año"_s << L{{0, 3}};
    QTest::newRow("ü folds to u") << u"bilingüe"_s << u"bilingue"_s << L{{0, 8}};
    QTest::newRow("last word a prefix") << u"derechos humanos"_s << u"derechos hum"_s << L{{0, 12}};
    QTest::newRow("earlier words whole") << u"derechos humanos"_s << u"derecho humanos"_s << L{};
    QTest::newRow("starts at a word start") << u"derechos"_s << u"echos"_s << L{};
    QTest::newRow("digits are word characters") << u"12 y 2"_s << u"2"_s << L{{5, 1}};
    QTest::newRow("separators: spaces and breaks") << u"a  \n b"_s << u"a b"_s << L{{0, 6}};
    QTest::newRow("punctuation does not separate") << u"a, b"_s << u"a b"_s << L{};
    QTest::newRow("punctuation in the query") << u"a, b"_s << u"a, b"_s << L{{0, 4}};
    QTest::newRow("hits never overlap") << u"la la la"_s << u"la la"_s << L{{0, 5}};
    QTest::newRow("text outside Latin-1") << u"ħa a"_s << u"a"_s << L{{3, 1}};
    // Every accented letter and ü, capital or small, equals its letter without the accent,
    // in the text and in the query; Ñ equals ñ and neither equals n.
    for (const LetraEsperada &l : LetrasConAcento) {
        const bool propia = l.letra == u'ñ';
        for (int lugar = 0; lugar < 3; ++lugar) {
            const QString palabra = QString::fromUtf16(l.palabras[lugar]);
            const QString sinAcento = ::sinAcento(l, l.palabras[lugar]);
            const char *donde = LugaresDeLaLetra[lugar];
            const L golpe{{3, int(palabra.size())}};
            const auto fila = [&](const char *caso, const QString &texto, const QString &consulta, const L &esperado) {
                QTest::addRow("%s %s: %s", qPrintable(QString(QChar(l.letra))), donde, caso)
                    << u"el "_s + texto + u'.' << consulta << esperado;
            };
            fila("capital in the text", palabra.toUpper(), palabra, golpe);
            fila("capital in the text, query without accent", palabra.toUpper(), sinAcento, propia ? L{} : golpe);
            fila("capital query without accent", palabra, sinAcento.toUpper(), propia ? L{} : golpe);
            fila("text without accent, capital query", sinAcento, palabra.toUpper(), propia ? L{} : golpe);
        }
    }
}

void TstBusquedaGlobal::reglas()
{
    QFETCH(QString, texto);
    QFETCH(QString, consulta);
    QFETCH(QList<Tramo>, esperado);
    // Left open, a quote is the phrase search with the last word a word's beginning.
    QCOMPARE(buscarEn(texto, u'"' + consulta), esperado);
}

void TstBusquedaGlobal::contexto_placesHitInOneLine_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<int>("inicio");
    QTest::addColumn<int>("largo");
    QTest::addColumn<QString>("contexto");
    QTest::addColumn<QString>("golpe");
    const QString largo = u"uno dos tres cuatro cinco seis siete ocho nueve diez once doce trece catorce"_s;
    QTest::newRow("short text whole") << u"el órgano"_s << 3 << 6 << u"el órgano"_s << u"órgano"_s;
    QTest::newRow("break shown as a space") << u"fin.\nDerechos"_s << 5 << 8 << u"fin. Derechos"_s << u"Derechos"_s;
    QTest::newRow("cut at spaces, both sides") << largo << 37 << 4 << u"… cinco seis siete ocho nueve diez once …"_s
                                            << u"ocho"_s;
    QTest::newRow("hit past the end clamped") << u"abc"_s << 10 << 5 << u"abc"_s << QString();
}

void TstBusquedaGlobal::contexto_placesHitInOneLine()
{
    QFETCH(QString, texto);
    QFETCH(int, inicio);
    QFETCH(int, largo);
    QFETCH(QString, contexto);
    QFETCH(QString, golpe);
    const Contexto_Coincidencia c = contextoDe(texto, Tramo{inicio, largo}, 40);
    QCOMPARE(c.texto, contexto);
    QCOMPARE(c.texto.mid(c.inicio, c.largo), golpe);
}

void TstBusquedaGlobal::paso_data()
{
    QTest::addColumn<bool>("adelante");
    QTest::addColumn<int>("fila");
    QTest::addColumn<int>("tramo");
    QTest::addColumn<int>("filaEsperada");
    QTest::addColumn<int>("tramoEsperado");
    // Rows of 2, 1 and 3 hits.
    QTest::newRow("from none, forward: first hit") << true << -1 << -1 << 0 << 0;
    QTest::newRow("from none, back: last hit") << false << -1 << -1 << 2 << 2;
    QTest::newRow("within a row") << true << 0 << 0 << 0 << 1;
    QTest::newRow("past a row's last hit") << true << 0 << 1 << 1 << 0;
    QTest::newRow("past the last hit wraps") << true << 2 << 2 << 0 << 0;
    QTest::newRow("back within a row") << false << 2 << 2 << 2 << 1;
    QTest::newRow("back before a row's first hit") << false << 2 << 0 << 1 << 0;
    QTest::newRow("back before the first hit wraps") << false << 0 << 0 << 2 << 2;
    QTest::newRow("row outside the list") << true << 7 << 0 << 0 << 0;
    QTest::newRow("hit outside the row") << false << 1 << 5 << 2 << 2;
}

void TstBusquedaGlobal::paso()
{
    QFETCH(bool, adelante);
    QFETCH(int, fila);
    QFETCH(int, tramo);
    QFETCH(int, filaEsperada);
    QFETCH(int, tramoEsperado);
    const QList<Resultado_Busqueda> r = tresFilas();
    QCOMPARE(pasoCoincidencia(r, {fila, tramo}, adelante), (Posicion_Coincidencia{filaEsperada, tramoEsperado}));
    QCOMPARE(pasoCoincidencia({}, {fila, tramo}, adelante), Posicion_Coincidencia{});
    // One row of one hit: every step comes back to it.
    QCOMPARE(pasoCoincidencia({{4, {{2, 3}}}}, {0, 0}, adelante), (Posicion_Coincidencia{0, 0}));
}

void TstBusquedaGlobal::pasoDesdeEntrada_data()
{
    QTest::addColumn<bool>("adelante");
    QTest::addColumn<int>("fila");
    QTest::addColumn<int>("tramo");
    QTest::addColumn<int>("enPantalla");
    QTest::addColumn<int>("filaEsperada");
    QTest::addColumn<int>("tramoEsperado");
    // Entries 2, 7 and 9 hold 2, 1 and 3 hits.
    QTest::newRow("current hit on screen: the next one") << true << 0 << 0 << 2 << 0 << 1;
    QTest::newRow("current hit on screen: past its entry") << true << 0 << 1 << 2 << 1 << 0;
    QTest::newRow("current hit on screen: back") << false << 2 << 1 << 9 << 2 << 0;
    QTest::newRow("moved on, forward: next entry with hits") << true << 0 << 1 << 5 << 1 << 0;
    QTest::newRow("moved on, back: previous entry with hits") << false << 2 << 0 << 8 << 1 << 0;
    QTest::newRow("moved to an entry with hits: its first") << true << 0 << 0 << 9 << 2 << 0;
    QTest::newRow("moved to an entry with hits, back: its last") << false << 0 << 0 << 9 << 2 << 2;
    QTest::newRow("after the last entry, forward wraps") << true << 1 << 0 << 300 << 0 << 0;
    QTest::newRow("before the first entry, back wraps") << false << 1 << 0 << 1 << 2 << 2;
    QTest::newRow("no hit yet, forward from the preamble") << true << -1 << -1 << 1 << 0 << 0;
    QTest::newRow("no hit yet, back from entry 8") << false << -1 << -1 << 8 << 1 << 0;
    QTest::newRow("current hit elsewhere, on screen between") << true << 2 << 2 << 3 << 1 << 0;
}

void TstBusquedaGlobal::pasoDesdeEntrada()
{
    QFETCH(bool, adelante);
    QFETCH(int, fila);
    QFETCH(int, tramo);
    QFETCH(int, enPantalla);
    QFETCH(int, filaEsperada);
    QFETCH(int, tramoEsperado);
    const QList<Resultado_Busqueda> r = tresFilas();
    QCOMPARE(::pasoDesdeEntrada(r, {fila, tramo}, enPantalla, adelante),
             (Posicion_Coincidencia{filaEsperada, tramoEsperado}));
    QCOMPARE(::pasoDesdeEntrada({}, {fila, tramo}, enPantalla, adelante), Posicion_Coincidencia{});
}

PRUEBA_APPLESS_MAIN(TstBusquedaGlobal)
#include "tst_busqueda_global.moc"
