// The citation a copied passage carries.
#include "avisos_qt.h"
#include "cita.h"
#include "divisiones.h"
#include "entradas.h"

#include <QTest>

class TstCita : public QObject
{
    Q_OBJECT

private slots:
    void cita_namesTheEntry_data();
    void cita_namesTheEntry();
    void texto_passageCitationAndHeadings_data();
    void texto_passageCitationAndHeadings();
    void html_citationInItalics();
};

void TstCita::cita_namesTheEntry_data()
{
    QTest::addColumn<int>("entrada");
    QTest::addColumn<QString>("cita");
    QTest::newRow("preamble") << 1 << QStringLiteral("Preámbulo");
    QTest::newRow("article 1") << 2 << QStringLiteral("Artículo 1");
    QTest::newRow("article 157") << 158 << QStringLiteral("Artículo 157");
    QTest::newRow("article 350") << 351 << QStringLiteral("Artículo 350");
    QTest::newRow("derogatory") << 352 << QStringLiteral("Disposición Derogatoria Única");
    QTest::newRow("first transitional") << 353 << QStringLiteral("Disposición Transitoria Primera");
    QTest::newRow("seventeenth transitional") << 369 << QStringLiteral("Disposición Transitoria Decimoséptima");
    QTest::newRow("last transitional") << 370 << QStringLiteral("Disposición Transitoria Decimoctava");
    QTest::newRow("final") << 371 << QStringLiteral("Disposición Final Única");
    QTest::newRow("none before the first") << 0 << QString();
    QTest::newRow("none after the last") << 372 << QString();
}

void TstCita::cita_namesTheEntry()
{
    QFETCH(int, entrada);
    QFETCH(QString, cita);
    QCOMPARE(Cita_Entrada(entrada), cita);
}

void TstCita::texto_passageCitationAndHeadings_data()
{
    QTest::addColumn<QString>("pasaje");
    QTest::addColumn<int>("entrada");
    QTest::addColumn<QStringList>("encabezados");
    QTest::addColumn<QString>("esperado");
    const QString obra = QStringLiteral("Constitución de la República Bolivariana de Venezuela (1999), ");
    QTest::newRow("preamble, title only") << QStringLiteral("El pueblo de Venezuela") << 1 << Encabezados_Cita(1)
                                          << QStringLiteral("El pueblo de Venezuela\n\n") + obra
                                                 + QStringLiteral("Preámbulo\nPREÁMBULO");
    QTest::newRow("article with three headings")
        << QStringLiteral("Artículo 272.\u2029El Estado garantizará") << 273 << Encabezados_Cita(273)
        << QStringLiteral("Artículo 272.\nEl Estado garantizará\n\n") + obra
               + QStringLiteral("Artículo 272\nTÍTULO V DE LA ORGANIZACIÓN DEL PODER PÚBLICO NACIONAL — Capítulo III "
                                "Del Poder Judicial y del Sistema de Justicia — Sección Tercera: Del Gobierno y de la Administración del Poder "
                                "Judicial");
    QTest::newRow("article with only a title")
        << QStringLiteral("Artículo 1.") << 2 << Encabezados_Cita(2)
        << QStringLiteral("Artículo 1.\n\n") + obra + QStringLiteral("Artículo 1\nTÍTULO I PRINCIPIOS FUNDAMENTALES");
    QTest::newRow("transitional provision")
        << QStringLiteral("Quinta. texto") << 357 << Encabezados_Cita(357)
        << QStringLiteral("Quinta. texto\n\n") + obra
               + QStringLiteral("Disposición Transitoria Quinta\nDISPOSICIONES TRANSITORIAS");
    QTest::newRow("final provision, trailing breaks dropped")
        << QStringLiteral("Única. Esta Constitución\u2029\u2029") << 371 << Encabezados_Cita(371)
        << QStringLiteral("Única. Esta Constitución\n\n") + obra
               + QStringLiteral("Disposición Final Única\nDISPOSICIÓN FINAL");
    QTest::newRow("article 71, the three level words")
        << QStringLiteral("Artículo 71.") << 72 << Encabezados_Cita(72)
        << QStringLiteral("Artículo 71.\n\n") + obra
               + QStringLiteral("Artículo 71\nTÍTULO III DE LOS DERECHOS HUMANOS Y GARANTÍAS, Y DE LOS DEBERES — "
                                "Capítulo IV De los Derechos Políticos y del Referendo Popular — Sección Segunda: Del "
                                "Referendo Popular");
    const QString nota = QStringLiteral("\nArtículo modificado por la Enmienda N.º 1 (Gaceta Oficial N.º 5.908 "
                                        "Extraordinario, 19 de febrero de 2009). Se muestra el texto de 1999.");
    QTest::newRow("amended article 230 carries the note")
        << QStringLiteral("Artículo 230.") << 231 << QStringList{QStringLiteral("TÍTULO V")}
        << QStringLiteral("Artículo 230.\n\n") + obra + QStringLiteral("Artículo 230\nTÍTULO V") + nota;
    for (const auto &[articulo, entrada] : {std::pair{160, 161}, {162, 163}, {174, 175}, {192, 193}})
        QTest::addRow("amended article %d", articulo)
            << QStringLiteral("x") << entrada << QStringList()
            << QStringLiteral("x\n\n") + obra + QStringLiteral("Artículo %1").arg(articulo) + nota;
    for (const auto &[articulo, entrada] : {std::pair{159, 160}, {161, 162}, {229, 230}, {231, 232}})
        QTest::addRow("article %d beside an amended one, no note", articulo)
            << QStringLiteral("x") << entrada << QStringList()
            << QStringLiteral("x\n\n") + obra + QStringLiteral("Artículo %1").arg(articulo);
    QTest::newRow("no headings, no heading line")
        << QStringLiteral("x") << 10 << QStringList{QStringLiteral("  "), {}, {}}
        << QStringLiteral("x\n\n") + obra + QStringLiteral("Artículo 9");
}

void TstCita::texto_passageCitationAndHeadings()
{
    QFETCH(QString, pasaje);
    QFETCH(int, entrada);
    QFETCH(QStringList, encabezados);
    QFETCH(QString, esperado);
    QCOMPARE(Texto_Con_Cita(pasaje, entrada, encabezados), esperado);
}

void TstCita::html_citationInItalics()
{
    const QStringList encabezados{QStringLiteral("IV DEL PODER PÚBLICO"), QStringLiteral("II De la & Competencia"), {}};
    const QString html = Html_Con_Cita(QStringLiteral("a < b\u2029«c»"), 158, encabezados);
    QCOMPARE(html, QStringLiteral("<p>a &lt; b</p><p>«c»</p><p><i>Constitución de la República Bolivariana de "
                                  "Venezuela (1999), Artículo 157</i><br>IV DEL PODER PÚBLICO — II De la &amp; "
                                  "Competencia</p>"));
    QVERIFY(Html_Con_Cita(QStringLiteral("x"), 231, {})
                .endsWith(QStringLiteral("Artículo 230</i><br>Artículo modificado por la Enmienda N.º 1 (Gaceta "
                                         "Oficial N.º 5.908 Extraordinario, 19 de febrero de 2009). Se muestra el "
                                         "texto de 1999.</p>")));
}

PRUEBA_APPLESS_MAIN(TstCita)
#include "tst_cita.moc"
