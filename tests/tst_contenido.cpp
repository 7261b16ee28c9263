// The compiled-in entries and divisions, their captions and lookups, and the reading
// of the texts file the build turns into the table.
#include "avisos_qt.h"
#include "comprobar.h"
#include "divisiones.h"
#include "entradas.h"
#include "lectura_textos.h"

#include <QTest>

class TstContenido : public QObject
{
    Q_OBJECT

private slots:
    void rotulo_data();
    void rotulo();
    void textos_shapeOfEveryEntry();
    void textos_checkpoints_data();
    void textos_checkpoints();
    void buscar_data();
    void buscar();
    void divisiones_invariants();
    void divisiones_rows_data();
    void divisiones_rows();
    void leerTextos_acceptsWellFormedFile();
    void leerTextos_rejects_data();
    void leerTextos_rejects();
};

void TstContenido::rotulo_data()
{
    QTest::addColumn<int>("entrada");
    QTest::addColumn<QString>("rotulo");
    QTest::newRow("preamble") << 1 << QStringLiteral("Preámbulo");
    QTest::newRow("article 1") << 2 << QStringLiteral("Artículo 1");
    QTest::newRow("article 99") << 100 << QStringLiteral("Artículo 99");
    QTest::newRow("article 350") << 351 << QStringLiteral("Artículo 350");
    QTest::newRow("derogatory") << 352 << QStringLiteral("Única.");
    QTest::newRow("first transitional") << 353 << QStringLiteral("Primera.");
    QTest::newRow("fifth transitional") << 357 << QStringLiteral("Quinta.");
    QTest::newRow("seventeenth transitional") << 369 << QStringLiteral("Decimoséptima.");
    QTest::newRow("last transitional") << 370 << QStringLiteral("Decimoctava.");
    QTest::newRow("final") << 371 << QStringLiteral("Única.");
    QTest::newRow("zero") << 0 << QString();
    QTest::newRow("past the end") << 372 << QString();
    QTest::newRow("negative") << -5 << QString();
    QTest::newRow("huge") << INT_MAX << QString();
}

void TstContenido::rotulo()
{
    QFETCH(int, entrada);
    QFETCH(QString, rotulo);
    QCOMPARE(Rotulo_Articulo(entrada), rotulo);
}

void TstContenido::textos_shapeOfEveryEntry()
{
    static const char *const disposiciones[] = {"Única. ", "Primera. ", "Segunda. ", "Tercera. ", "Cuarta. ",
        "Quinta. ", "Sexta. ", "Séptima. ", "Octava. ", "Novena. ", "Décima. ", "Decimoprimera. ",
        "Decimosegunda. ", "Decimotercera. ", "Decimocuarta. ", "Decimoquinta. ", "Decimosexta. ",
        "Decimoséptima. ", "Decimoctava. ", "Única. "};
    qsizetype total = 0;
    for (int e = 1; e <= Numero_Entradas; ++e) {
        const QString t = Texto_Entrada(e);
        total += t.size();
        QVERIFY2(!t.isEmpty() && !t.endsWith(u'\n') && !t.contains(u'\r') && !t.contains(QStringLiteral("\n\n")),
                 qPrintable(QString::number(e)));
        for (const QChar c : t)
            QVERIFY2(c == u'\n' || caracterPermitido(c.unicode()), qPrintable(QString::number(e)));
        if (e >= 2 && e <= 351)
            QVERIFY2(t.startsWith(QStringLiteral("Artículo %1. ").arg(e - 1)), qPrintable(t.left(30)));
        if (e >= 352)
            QVERIFY2(t.startsWith(QString::fromUtf8(disposiciones[e - 352])), qPrintable(t.left(30)));
    }
    QVERIFY(Texto_Entrada(1).startsWith(QStringLiteral("El pueblo de Venezuela, en ejercicio de sus poderes creadores")));
    QVERIFY(Texto_Entrada(352).startsWith(QStringLiteral("Única. Queda derogada la Constitución")));
    QVERIFY(Texto_Entrada(353).startsWith(QStringLiteral("Primera. La ley especial sobre el régimen del Distrito Capital,")));
    QVERIFY(Texto_Entrada(370).startsWith(QStringLiteral("Decimoctava. A los fines de asegurar")));
    QVERIFY(Texto_Entrada(0).isEmpty());
    QVERIFY(Texto_Entrada(372).isEmpty());
    QVERIFY(total > 240000);
}

void TstContenido::textos_checkpoints_data()
{
    QTest::addColumn<int>("entrada");
    QTest::addColumn<int>("largo");
    QTest::addColumn<QString>("palabra");
    QTest::addColumn<int>("posicion");
    QTest::newRow("preamble ends with CONSTITUCIÓN") << 1 << 1437 << QStringLiteral("CONSTITUCIÓN") << 1425;
    QTest::newRow("shortest entry") << 139 << 72 << QString() << -1;
    QTest::newRow("longest entry") << 157 << 5335 << QString() << -1;
    QTest::newRow("Única opens the derogatory provision") << 352 << -1 << QStringLiteral("Única") << 0;
    QTest::newRow("abierto in article 272") << 273 << -1 << QStringLiteral("abierto") << 587;
    QTest::newRow("órgano in article 94") << 95 << -1 << QStringLiteral("órgano") << 268;
}

void TstContenido::textos_checkpoints()
{
    QFETCH(int, entrada);
    QFETCH(int, largo);
    QFETCH(QString, palabra);
    QFETCH(int, posicion);
    const QString t = Texto_Entrada(entrada);
    if (largo >= 0)
        QCOMPARE(t.size(), largo);
    if (!palabra.isEmpty())
        QCOMPARE(t.indexOf(palabra), posicion);
    if (entrada == 157) {
        for (int e = 1; e <= Numero_Entradas; ++e)
            QVERIFY(Texto_Entrada(e).size() <= t.size());
    }
    if (entrada == 139) {
        for (int e = 1; e <= Numero_Entradas; ++e)
            QVERIFY(Texto_Entrada(e).size() >= t.size());
    }
}

void TstContenido::buscar_data()
{
    QTest::addColumn<int>("entrada");
    QTest::addColumn<int>("titulo");
    QTest::addColumn<QString>("textoTitulo");
    QTest::addColumn<int>("capitulo");
    QTest::addColumn<QString>("textoCapitulo");
    QTest::addColumn<int>("seccion");
    QTest::addColumn<QString>("textoSeccion");
    QTest::newRow("preamble") << 1 << 1 << QStringLiteral("PREÁMBULO ") << 0 << QString() << 0 << QString();
    QTest::newRow("article 1") << 2 << 2 << QStringLiteral("I PRINCIPIOS FUNDAMENTALES") << 0 << QString() << 0
                               << QString();
    QTest::newRow("article 33") << 34 << 6 << QStringLiteral("III DE LOS DERECHOS HUMANOS Y GARANTÍAS, Y DE LOS DEBERES")
                                << 8 << QStringLiteral("II De la nacionalidad y de la ciudadanía") << 9
                                << QStringLiteral("Primera: De la Nacionalidad ");
    QTest::newRow("article 184: chapter without section")
        << 185 << 21 << QStringLiteral("IV DEL PODER PÚBLICO") << 30 << QStringLiteral("IV Del Poder Público Municipal")
        << 0 << QString();
    QTest::newRow("article 185: chapter of one entry")
        << 186 << 21 << QStringLiteral("IV DEL PODER PÚBLICO") << 31
        << QStringLiteral("V Del Consejo Federal de Gobierno") << 0 << QString();
    QTest::newRow("article 272")
        << 273 << 32 << QStringLiteral("V DE LA ORGANIZACIÓN DEL PODER PÚBLICO NACIONAL") << 46
        << QStringLiteral("III Del Poder Judicial y del Sistema de Justicia") << 49
        << QStringLiteral("Tercera: Del Gobierno y de la Administración del Poder Judicial ");
    QTest::newRow("derogatory") << 352 << 75 << QStringLiteral("DISPOSICIÓN DEROGATORIA ") << 0 << QString() << 0
                                << QString();
    QTest::newRow("first transitional") << 353 << 76 << QStringLiteral("DISPOSICIONES TRANSITORIAS ") << 0 << QString()
                                        << 0 << QString();
    QTest::newRow("last transitional") << 370 << 76 << QStringLiteral("DISPOSICIONES TRANSITORIAS ") << 0 << QString()
                                       << 0 << QString();
    QTest::newRow("final") << 371 << 77 << QStringLiteral("DISPOSICIÓN FINAL ") << 0 << QString() << 0 << QString();
    QTest::newRow("zero") << 0 << 0 << QString() << 0 << QString() << 0 << QString();
    QTest::newRow("past the end") << 372 << 0 << QString() << 0 << QString() << 0 << QString();
}

void TstContenido::buscar()
{
    QFETCH(int, entrada);
    QFETCH(int, titulo);
    QFETCH(QString, textoTitulo);
    QFETCH(int, capitulo);
    QFETCH(QString, textoCapitulo);
    QFETCH(int, seccion);
    QFETCH(QString, textoSeccion);
    const Division_Encontrada t = Buscar_Titulo(entrada);
    const Division_Encontrada c = Buscar_Capitulo(entrada);
    const Division_Encontrada s = Buscar_Seccion(entrada);
    QCOMPARE(t.registro, titulo);
    QCOMPARE(t.titulo, textoTitulo);
    QCOMPARE(c.registro, capitulo);
    QCOMPARE(c.titulo, textoCapitulo);
    QCOMPARE(s.registro, seccion);
    QCOMPARE(s.titulo, textoSeccion);
}

void TstContenido::divisiones_invariants()
{
    // Titles cover 1..371 without gap or overlap; a title's chapters, when it has any, cover
    // it the same way, and so do a chapter's sections; every entry lies in exactly one title.
    int siguiente = 1;
    int titulos = 0;
    const Division_Reg *titulo = nullptr;
    const Division_Reg *capitulo = nullptr;
    int siguienteCapitulo = 0; // the first entry the next chapter of the title must start at
    int siguienteSeccion = 0;
    const auto cerrarCapitulo = [&] {
        if (capitulo && siguienteSeccion != capitulo->Desde)
            QVERIFY2(siguienteSeccion == capitulo->Hasta + 1, qPrintable(capitulo->Titulo.toString()));
    };
    const auto cerrarTitulo = [&] {
        if (titulo && siguienteCapitulo != titulo->Desde)
            QVERIFY2(siguienteCapitulo == titulo->Hasta + 1, qPrintable(titulo->Titulo.toString()));
    };
    for (int r = 1; r <= 77; ++r) {
        const Division_Reg &d = Divisiones[r];
        QVERIFY(d.Desde <= d.Hasta);
        if (d.Nivel == u'1') {
            COMPROBAR(cerrarCapitulo());
            COMPROBAR(cerrarTitulo());
            QCOMPARE(d.Desde, siguiente);
            siguiente = d.Hasta + 1;
            titulo = &d;
            capitulo = nullptr;
            siguienteCapitulo = d.Desde;
            ++titulos;
        } else if (d.Nivel == u'2') {
            COMPROBAR(cerrarCapitulo());
            QVERIFY(titulo);
            QVERIFY2(d.Desde == siguienteCapitulo, qPrintable(d.Titulo.toString()));
            siguienteCapitulo = d.Hasta + 1;
            capitulo = &d;
            siguienteSeccion = d.Desde;
        } else {
            QCOMPARE(d.Nivel, u'3');
            QVERIFY(capitulo);
            QVERIFY2(d.Desde == siguienteSeccion, qPrintable(d.Titulo.toString()));
            siguienteSeccion = d.Hasta + 1;
        }
    }
    COMPROBAR(cerrarCapitulo());
    COMPROBAR(cerrarTitulo());
    QCOMPARE(siguiente, 372);
    QCOMPARE(titulos, 13);
}

void TstContenido::divisiones_rows_data()
{
    QTest::addColumn<int>("registro");
    QTest::addColumn<QString>("nivel");
    QTest::addColumn<QString>("encabezado");
    QTest::addColumn<int>("desde");
    QTest::addColumn<int>("hasta");
    QTest::newRow("the preamble") << 1 << "1" << QStringLiteral("PREÁMBULO ") << 1 << 1;
    QTest::newRow("title I") << 2 << "1" << QStringLiteral("TÍTULO I PRINCIPIOS FUNDAMENTALES") << 2 << 10;
    QTest::newRow("title VII") << 63 << "1" << QStringLiteral("TÍTULO VII DE LA SEGURIDAD DE LA NACIÓN") << 323 << 333;
    QTest::newRow("the transitional provisions") << 76 << "1" << QStringLiteral("DISPOSICIONES TRANSITORIAS ") << 353
                                                 << 370;
    QTest::newRow("chapter I of title II")
        << 4 << "2" << QStringLiteral("Capítulo I Del Territorio y demás Espacios Geográficos") << 11 << 16;
    QTest::newRow("chapter II of title IV")
        << 28 << "2" << QStringLiteral("Capítulo II De la Competencia del Poder Público Nacional") << 157 << 159;
    QTest::newRow("chapter of one entry") << 31 << "2" << QStringLiteral("Capítulo V Del Consejo Federal de Gobierno")
                                          << 186 << 186;
    QTest::newRow("chapter I of title VIII")
        << 69 << "2" << QStringLiteral("Capítulo I De la Garantía esta Constitución") << 334 << 337;
    QTest::newRow("chapter I of title IX") << 72 << "2" << QStringLiteral("Capítulo I De las Enmiendas") << 341 << 342;
    QTest::newRow("first section") << 9 << "3" << QStringLiteral("Sección Primera: De la Nacionalidad ") << 33 << 39;
    QTest::newRow("fifth section of title IV")
        << 27 << "3" << QStringLiteral("Sección Quinta: De las Relaciones Internacionales ") << 153 << 156;
    QTest::newRow("second section of title VI") << 60 << "3" << QStringLiteral("Sección Segunda: Del Sistema Tributario ")
                                                << 317 << 318;
}

void TstContenido::divisiones_rows()
{
    QFETCH(int, registro);
    QFETCH(QString, nivel);
    QFETCH(QString, encabezado);
    QFETCH(int, desde);
    QFETCH(int, hasta);
    const Division_Reg &d = Divisiones[registro];
    QCOMPARE(QString(QChar(d.Nivel)), nivel);
    QCOMPARE(d.Titulo.toString(), encabezado);
    QCOMPARE(d.Desde, desde);
    QCOMPARE(d.Hasta, hasta);
}

void TstContenido::leerTextos_acceptsWellFormedFile()
{
    QByteArray archivo;
    for (int e = 1; e <= Numero_Entradas; ++e)
        archivo += (e > 1 ? "\n\n" : "") + QByteArray("Art\xc3\xad" "culo ") + QByteArray::number(e) + ". Uno.\n2. Dos\xc2\xa0«x»";
    archivo += '\n';
    const LecturaTextos l = leerTextos(archivo);
    QVERIFY2(l.error.isEmpty(), qPrintable(l.error));
    QCOMPARE(l.entradas.size(), 371);
    QCOMPARE(l.entradas[4], QStringLiteral("Artículo 5. Uno.\n2. Dos\u00a0«x»"));
}

void TstContenido::leerTextos_rejects_data()
{
    QTest::addColumn<QByteArray>("entrada3");
    QTest::addColumn<int>("entradas");
    QTest::addColumn<QString>("error");
    QTest::newRow("too few entries") << QByteArray("Tres.") << 370 << QStringLiteral("370 entries found, 371 expected");
    QTest::newRow("too many entries") << QByteArray("Tres.") << 372 << QStringLiteral("372 entries found, 371 expected");
    QTest::newRow("character outside the alphabet")
        << QByteArray("Tres\xc3\x8d.") << 371 << QStringLiteral("entry 3, line 1: character 'Í' (U+00CD) is not allowed");
    QTest::newRow("emoji") << QByteArray("a\nb \xf0\x9f\x98\x80") << 371
                           << QStringLiteral("entry 3, line 2: character");
    QTest::newRow("tab") << QByteArray("a\tb") << 371 << QStringLiteral("entry 3, line 1: character U+0009 is not allowed");
    QTest::newRow("trailing space") << QByteArray("Uno.\nDos. ") << 371 << QStringLiteral("entry 3, line 2: trailing space");
    QTest::newRow("carriage return") << QByteArray("Uno.\r\nDos.") << 371
                                     << QStringLiteral("entry 3, line 1: carriage return");
    QTest::newRow("empty line inside an entry") << QByteArray("Uno.\n\n\nDos.") << 371
                                                << QStringLiteral("entry 3: empty line inside the entry");
    QTest::newRow("not UTF-8") << QByteArray("Tres \xe9.") << 371 << QStringLiteral("the file is not valid UTF-8");
}

void TstContenido::leerTextos_rejects()
{
    QFETCH(QByteArray, entrada3);
    QFETCH(int, entradas);
    QFETCH(QString, error);
    QByteArray archivo;
    for (int e = 1; e <= entradas; ++e)
        archivo += (e > 1 ? "\n\n" : "") + (e == 3 ? entrada3 : QByteArray("Entrada ") + QByteArray::number(e) + '.');
    archivo += '\n';
    const LecturaTextos l = leerTextos(archivo);
    QVERIFY2(l.error.startsWith(error), qPrintable(l.error));
    QVERIFY(l.entradas.isEmpty());
    QVERIFY(leerTextos("Uno.").error.contains(QStringLiteral("line feed")));
}

PRUEBA_APPLESS_MAIN(TstContenido)
#include "tst_contenido.moc"
