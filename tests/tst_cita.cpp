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

namespace {

// The heading strips of an entry as the window shows them.
QStringList encabezadosDe(int entrada)
{
    return {Buscar_Titulo(entrada).titulo, Buscar_Capitulo(entrada).titulo, Buscar_Seccion(entrada).titulo};
}

} // namespace

void TstCita::texto_passageCitationAndHeadings_data()
{
    QTest::addColumn<QString>("pasaje");
    QTest::addColumn<int>("entrada");
    QTest::addColumn<QStringList>("encabezados");
    QTest::addColumn<QString>("esperado");
    const QString obra = QStringLiteral("Constitución de la República Bolivariana de Venezuela (1999), ");
    QTest::newRow("preamble, title only") << QStringLiteral("El pueblo de Venezuela") << 1 << encabezadosDe(1)
                                          << QStringLiteral("El pueblo de Venezuela\n\n") + obra
                                                 + QStringLiteral("Preámbulo\nPREÁMBULO");
    QTest::newRow("article with three headings")
        << QStringLiteral("Artículo 272.\u2029El Estado garantizará") << 273 << encabezadosDe(273)
        << QStringLiteral("Artículo 272.\nEl Estado garantizará\n\n") + obra
               + QStringLiteral("Artículo 272\nV DE LA ORGANIZACIÓN DEL PODER PÚBLICO NACIONAL — III Del Poder Judicial "
                                "y del Sistema de Justicia — Tercera: Del Gobierno y de la Administración del Poder "
                                "Judicial");
    QTest::newRow("article with only a title")
        << QStringLiteral("Artículo 1.") << 2 << encabezadosDe(2)
        << QStringLiteral("Artículo 1.\n\n") + obra + QStringLiteral("Artículo 1\nI PRINCIPIOS FUNDAMENTALES");
    QTest::newRow("transitional provision")
        << QStringLiteral("Quinta. texto") << 357 << encabezadosDe(357)
        << QStringLiteral("Quinta. texto\n\n") + obra
               + QStringLiteral("Disposición Transitoria Quinta\nDISPOSICIONES TRANSITORIAS");
    QTest::newRow("final provision, trailing breaks dropped")
        << QStringLiteral("Única. Esta Constitución\u2029\u2029") << 371 << encabezadosDe(371)
        << QStringLiteral("Única. Esta Constitución\n\n") + obra
               + QStringLiteral("Disposición Final Única\nDISPOSICIÓN FINAL");
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
}

PRUEBA_APPLESS_MAIN(TstCita)
#include "tst_cita.moc"
