// Printing: what a print holds (entries, a selection, a division, search results), its pages
// written to PDF and read back with pdftotext, pdfinfo and pdftoppm, and the real window's
// keys, menus and dialogs.
#include "arranque_completo.h"
#include "avisos_qt.h"
#include "busqueda_global.h"
#include "comprobar.h"
#include "divisiones.h"
#include "entradas.h"
#include "estado_lector.h"
#include "form1.h"
#include "imprimir_documento.h"
#include "imprimir_paginas.h"
#include "imprimir_saltos.h"
#include "imprimir_trabajo.h"
#include "richtextview.h"
#include "teclear.h"
#include "ventana_buscar.h"

#include <QAction>
#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QWindow>
#include <QRegularExpression>
#include <QScreen>
#include <QTextBlock>
#include <QTextLayout>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTreeWidget>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(Trabajo_Impresion)
Q_DECLARE_METATYPE(QList<QList<Tramo>>)

namespace {

const QString Obra = u"Constitución de la República Bolivariana de Venezuela (1999)"_s;
const QString CitaCapituloII =
    Obra + u", TÍTULO IV DEL PODER PÚBLICO — Capítulo II De la Competencia del Poder Público Nacional"_s;
constexpr int RegistroCapituloII = 28; // node 27 of the tree, entries 157..159

QString ejecutar(const QString &programa, const QStringList &argumentos)
{
    QProcess proceso;
    proceso.start(programa, argumentos);
    if (!proceso.waitForFinished(60000) || proceso.exitCode() != 0)
        return {};
    return QString::fromUtf8(proceso.readAllStandardOutput());
}

// The text of one page (0: every page) as pdftotext reads it.
QString textoPdf(const QString &archivo, int pagina = 0)
{
    QStringList args;
    if (pagina > 0)
        args << u"-f"_s << QString::number(pagina) << u"-l"_s << QString::number(pagina);
    return ejecutar(u"pdftotext"_s, args << archivo << u"-"_s);
}

QString campoPdf(const QString &archivo, const QString &campo)
{
    for (const QString &linea : ejecutar(u"pdfinfo"_s, {archivo}).split(u'\n')) {
        if (linea.startsWith(campo + u':'))
            return linea.mid(campo.size() + 1).trimmed();
    }
    return {};
}

int paginasPdf(const QString &archivo)
{
    return campoPdf(archivo, u"Pages"_s).toInt();
}

// One page rendered at 40 dots per inch.
QImage imagenPdf(const QString &archivo, int pagina, const QString &carpeta)
{
    const QString base = carpeta + u"/pagina"_s;
    ejecutar(u"pdftoppm"_s, {u"-r"_s, u"40"_s, u"-f"_s, QString::number(pagina), u"-l"_s, QString::number(pagina),
                             u"-singlefile"_s, u"-png"_s, archivo, base});
    QImage imagen(base + u".png"_s);
    QFile::remove(base + u".png"_s);
    return imagen;
}

int amarillos(const QImage &imagen)
{
    int n = 0;
    for (int y = 0; y < imagen.height(); ++y)
        for (int x = 0; x < imagen.width(); ++x) {
            const QColor c = imagen.pixelColor(x, y);
            n += c.red() > 240 && c.green() > 240 && c.blue() < 40;
        }
    return n;
}

// The captions printed, in order: the lines that are a whole entry name.
QStringList rotulos(const QString &texto)
{
    static const QRegularExpression rotulo(
        u"^(Preámbulo|Artículo \\d+|Disposición (Derogatoria|Transitoria|Final) [A-Za-zéáíóú]+)$"_s);
    QStringList r;
    for (const QString &linea : texto.split(u'\n')) {
        if (rotulo.match(linea.trimmed()).hasMatch())
            r << linea.trimmed();
    }
    return r;
}

// A PDF writer as the print dialog leaves the printer: the title set, margins of 2 cm.
std::unique_ptr<QPdfWriter> escritorPdf(const QString &archivo, const QString &titulo)
{
    auto escritor = std::make_unique<QPdfWriter>(archivo);
    escritor->setTitle(titulo);
    escritor->setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    return escritor;
}

QString plano(const QString &texto)
{
    return texto.simplified();
}

// The stretches each piece's text is printed bold on yellow in the document the printer is
// given, in positions of the entry's whole text, read character by character; {-1, -1} for a
// character bold or on a background but not both, {-2, -2} for a piece whose text is missing,
// {-3, n} when n characters in all are on a background, some outside the pieces' text.
QList<QList<Tramo>> marcasImpresas(const Trabajo_Impresion &trabajo)
{
    const std::unique_ptr<QTextDocument> documento = Documento_Impresion(trabajo);
    const QString todo = documento->toPlainText();
    QList<QList<Tramo>> r;
    qsizetype desde = 0;
    for (const Pieza_Impresion &p : trabajo.piezas) {
        const QString cuerpo = Texto_Entrada(p.entrada).mid(p.inicio, p.largo);
        const qsizetype base = todo.indexOf(cuerpo, desde);
        if (base < 0)
            return {{{-2, -2}}};
        desde = base + cuerpo.size();
        QList<Tramo> marcas;
        for (int i = 0; i < cuerpo.size(); ++i) {
            if (cuerpo[i] == u'\n')
                continue;
            QTextCursor c(documento.get());
            c.setPosition(int(base) + i + 1); // the format of the character before the cursor
            const QTextCharFormat f = c.charFormat();
            const bool negrita = f.fontWeight() == QFont::Bold;
            const bool fondo = f.background().style() != Qt::NoBrush;
            if (negrita != fondo || (fondo && f.background().color() != QColor(255, 255, 0)))
                return {{{-1, -1}}};
            if (!negrita)
                continue;
            const int enEntrada = p.inicio + i;
            if (!marcas.isEmpty() && marcas.last().inicio + marcas.last().largo == enEntrada)
                ++marcas.last().largo;
            else
                marcas.append({enEntrada, 1});
        }
        r.append(marcas);
    }
    // Nothing else of the document on yellow: no caption, heading or note.
    qsizetype enAmarillo = 0, esperados = 0;
    for (QTextBlock b = documento->begin(); b.isValid(); b = b.next())
        for (auto f = b.begin(); !f.atEnd(); ++f)
            enAmarillo += f.fragment().charFormat().background().style() != Qt::NoBrush ? f.fragment().length() : 0;
    for (const QList<Tramo> &marcas : std::as_const(r))
        for (const Tramo &t : marcas)
            esperados += t.largo;
    if (enAmarillo != esperados)
        return {{{-3, int(enAmarillo)}}};
    return r;
}

// The words of one page as pdftotext places them, in points from the page's top left.
struct PalabraPdf {
    QString texto;
    QRectF caja;
};

QList<PalabraPdf> palabrasPdf(const QString &archivo, int pagina)
{
    static const QRegularExpression palabra(
        u"<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"_s);
    QList<PalabraPdf> r;
    const QString html = ejecutar(u"pdftotext"_s, {u"-f"_s, QString::number(pagina), u"-l"_s, QString::number(pagina),
                                                  u"-bbox"_s, archivo, u"-"_s});
    for (auto m = palabra.globalMatch(html); m.hasNext();) {
        const auto p = m.next();
        const QPointF a(p.captured(1).toDouble(), p.captured(2).toDouble());
        const QPointF b(p.captured(3).toDouble(), p.captured(4).toDouble());
        r.append({p.captured(5).replace(u"&amp;"_s, u"&"_s), QRectF(a, b)});
    }
    return r;
}

// One page rendered at 72 dots per inch: a pixel a point.
QImage imagenPdf72(const QString &archivo, int pagina, const QString &carpeta)
{
    const QString base = carpeta + u"/pagina72"_s;
    ejecutar(u"pdftoppm"_s, {u"-r"_s, u"72"_s, u"-f"_s, QString::number(pagina), u"-l"_s, QString::number(pagina),
                             u"-singlefile"_s, u"-png"_s, archivo, base});
    QImage imagen(base + u".png"_s);
    QFile::remove(base + u".png"_s);
    return imagen;
}

// The words of a page printed on yellow: a third of their box or more is yellow.
QStringList palabrasAmarillas(const QString &archivo, int pagina, const QString &carpeta)
{
    const QImage imagen = imagenPdf72(archivo, pagina, carpeta);
    QStringList r;
    for (const PalabraPdf &p : palabrasPdf(archivo, pagina)) {
        const QRect caja = p.caja.toAlignedRect().intersected(imagen.rect());
        int amarillo = 0;
        for (int y = caja.top(); y <= caja.bottom(); ++y)
            for (int x = caja.left(); x <= caja.right(); ++x) {
                const QColor c = imagen.pixelColor(x, y);
                amarillo += c.red() > 200 && c.green() > 200 && c.blue() < 80;
            }
        if (caja.width() * caja.height() > 0 && amarillo * 3 >= caja.width() * caja.height())
            r << p.texto;
    }
    return r;
}

bool esEncabezado(const QString &linea)
{
    static const QRegularExpression encabezado(u"^(TÍTULO [IVX]+ |Capítulo [IVX]+ |Sección [A-Za-zé]+:|DISPOSICI)"_s);
    return encabezado.match(linea).hasMatch();
}

// The division record whose heading starts so.
int registroDe(const QString &encabezado)
{
    for (int r = 1; r <= Numero_Divisiones; ++r) {
        if (Divisiones[r].Titulo.startsWith(encabezado))
            return r;
    }
    return 0;
}

// The lines of a page between its running head (the citation, wrapped) and its foot.
QStringList cuerpoDePagina(const QString &texto, const QString &cita)
{
    QStringList lineas;
    for (const QString &l : texto.split(u'\n')) {
        if (!l.trimmed().isEmpty())
            lineas << l.trimmed();
    }
    QString cabeza;
    while (!lineas.isEmpty() && plano(cita).startsWith(plano(cabeza + u' ' + lineas.first()))) {
        cabeza += u' ' + lineas.takeFirst();
        if (plano(cabeza) == plano(cita))
            break;
    }
    if (!lineas.isEmpty() && lineas.last().startsWith(u"página "_s))
        lineas.removeLast();
    return lineas;
}

// Whether a caption and its headings are split from the first two lines of their text on the
// document's pages, as laid out now: the caption's first line and the group's last on
// different pages.
int gruposPartidos(QTextDocument &documento)
{
    const qreal alto = documento.pageSize().height();
    const auto pagina = [alto](const QTextBlock &b, int linea) {
        const QTextLayout *const capa = b.layout();
        return Pagina_Linea(capa->position().y() + capa->lineAt(linea).y(), alto);
    };
    documento.documentLayout()->documentSize(); // the whole layout
    int partidos = 0;
    for (QTextBlock b = documento.begin(); b.isValid(); b = b.next()) {
        if (b.blockFormat().intProperty(Propiedad_Parrafo) != int(Clase_Parrafo::Rotulo))
            continue;
        int lineas = 0;
        int ultima = pagina(b, 0);
        for (QTextBlock t = b.next(); t.isValid() && lineas < 2; t = t.next()) {
            const auto clase = Clase_Parrafo(t.blockFormat().intProperty(Propiedad_Parrafo));
            if (clase == Clase_Parrafo::Rotulo)
                break;
            for (int i = 0; i < t.layout()->lineCount() && lineas < 2; ++i) {
                ultima = pagina(t, i);
                lineas += clase == Clase_Parrafo::Texto;
            }
        }
        partidos += ultima != pagina(b, 0);
    }
    return partidos;
}

} // namespace

class TstImprimir : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    // What a print holds
    void trabajos_data();
    void trabajos();
    // Pages written to PDF
    void pdf_headingsTextAndTitle_data();
    void pdf_headingsTextAndTitle();
    void pdf_pagesNumberedNofM();
    void pdf_highlightPrintsOnYellow();
    void pdf_emptyJobWritesNothing();
    void documento_marksExactlyTheHits_data();
    void documento_marksExactlyTheHits();
    void pdf_yellowWordsAreTheHits();
    void pdf_pageRangePrintsThosePagesOnly();
    void pdf_headRuleTextAndFootInTheirPlaces();
    void pages_captionStaysWithItsFirstLines();
    void pdf_noPageEndsWithACaptionOrHeading_data();
    void pdf_noPageEndsWithACaptionOrHeading();
    // The window
    void ctrlP_printsEntryOrTheSelectionSeen_data();
    void ctrlP_printsEntryOrTheSelectionSeen();
    void ctrlP_inTheTree_printsTheDivision();
    void ctrlP_afterClickingATitle_printsTheTitle_data();
    void ctrlP_afterClickingATitle_printsTheTitle();
    void treeMenu_printsTheNodeDivision();
    void searchWindow_printsEveryResult_data();
    void searchWindow_printsEveryResult();
    void searchWindow_printsTheHitsOfEveryWord();
    void escape_leavesEverythingAsItWas_data();
    void escape_leavesEverythingAsItWas();
    void preview_showsThePagesPrinted();
    void preview_zoomKeysAndScreenSize();
    void textViewMenu_offersPrintingAfterItsSevenEntries();
    void ctrlP_selectionMidEntry_printsItWithItsPartOfTheHits_data();
    void ctrlP_selectionMidEntry_printsItWithItsPartOfTheHits();
    void ctrlP_afterLeavingASearchResult_printsNoOldHits();
    void treeMenu_byMouseOnAnotherNode_printsThatNode();
    void printDialog_marginsOfTwoCentimetres();
    void printDialog_pageRangeFromTheDialog();

private:
    template <typename W = QWidget>
    W *hijo(const QString &nombre) const
    {
        return ventana->findChild<W *>(nombre);
    }
    RichTextView *memo() const { return hijo<RichTextView>(u"ColorMemo1"_s); }
    QTreeWidget *arbol() const { return hijo<QTreeWidget>(u"TreeView1"_s); }
    QWidget *foco() const { return QApplication::focusWidget(); }
    void tecla(QKeyCombination t) const { QTest::keyClick(foco(), t.key(), t.keyboardModifiers()); }
    QString archivo(const QString &nombre) const { return carpeta->filePath(nombre); }
    bool abrirVentana();
    static void escape(QDialog *dialogo);
    // Runs accion on the next print or preview dialog from inside its modal loop.
    void alAbrirse(std::function<void(QDialog *)> accion);
    // Presses the key where the focus is; the print dialog it opens is given the file as its
    // output and accepted with Enter. False when no dialog opened.
    bool imprimirCon(QKeyCombination t, const QString &pdf);
    void aceptarCon(QDialog *dialogo, const QString &pdf);
    void seleccionarDesdeElInicio(int caracteres) const;
    void enfocarNodo(const QString &encabezado) const;
    VentanaBuscar *buscar(const QString &consulta) const;

    std::unique_ptr<Form1> ventana;
    std::unique_ptr<QTemporaryDir> carpeta;
    QTimer vigia;
    std::function<void(QDialog *)> pendiente;
    bool servido = false;
};

void TstImprimir::initTestCase()
{
    qRegisterMetaType<Trabajo_Impresion>();
    vigia.setInterval(10);
    connect(&vigia, &QTimer::timeout, this, [this] {
        auto *const d = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!pendiente || !d || !d->isVisible()
            || (!qobject_cast<QPrintDialog *>(d) && !qobject_cast<QPrintPreviewDialog *>(d)))
            return;
        servido = true;
        std::exchange(pendiente, nullptr)(d);
    });
    vigia.start();
}

void TstImprimir::init()
{
    carpeta = std::make_unique<QTemporaryDir>();
    QVERIFY(carpeta->isValid());
    pendiente = nullptr;
    servido = false;
}

bool TstImprimir::abrirVentana()
{
    ventana = std::make_unique<Form1>();
    ventana->show();
    ventana->activateWindow();
    return QTest::qWaitForWindowActive(ventana.get()) && esperarArranque(ventana.get());
}

void TstImprimir::escape(QDialog *dialogo)
{
    QWidget *const f = QApplication::focusWidget();
    QTest::keyClick(f && f->window() == dialogo ? f : dialogo, Qt::Key_Escape);
}

void TstImprimir::cleanup()
{
    pendiente = nullptr;
    ventana.reset();
    carpeta.reset();
}

void TstImprimir::alAbrirse(std::function<void(QDialog *)> accion)
{
    servido = false;
    pendiente = std::move(accion);
}

void TstImprimir::aceptarCon(QDialog *dialogo, const QString &pdf)
{
    auto *const nombre = dialogo->findChild<QLineEdit *>(u"filename"_s);
    QVERIFY(nombre);
    nombre->setText(pdf);
    QTest::keyClick(dialogo, Qt::Key_Return);
}

bool TstImprimir::imprimirCon(QKeyCombination t, const QString &pdf)
{
    alAbrirse([this, pdf](QDialog *d) {
        if (qobject_cast<QPrintDialog *>(d))
            COMPROBAR(aceptarCon(d, pdf));
        else
            d->reject();
    });
    tecla(t);
    pendiente = nullptr;
    // The keyboard comes back once the window system has activated the window again.
    return servido && QTest::qWaitFor([] { return QApplication::focusWidget() != nullptr; });
}

void TstImprimir::seleccionarDesdeElInicio(int caracteres) const
{
    memo()->setFocus(Qt::TabFocusReason);
    tecla(Qt::CTRL | Qt::Key_Home);
    for (int i = 0; i < caracteres; ++i)
        tecla(Qt::SHIFT | Qt::Key_Right);
}

void TstImprimir::enfocarNodo(const QString &encabezado) const
{
    const QList<QTreeWidgetItem *> nodos = arbol()->findItems(encabezado, Qt::MatchExactly | Qt::MatchRecursive);
    QVERIFY2(nodos.size() == 1, qPrintable(encabezado));
    arbol()->scrollToItem(nodos.first());
    QTest::mouseClick(arbol()->viewport(), Qt::LeftButton, {}, arbol()->visualItemRect(nodos.first()).center());
    QCOMPARE(foco(), arbol());
    // The click opens the division, and the tree selects the deepest node of the entry shown;
    // Left goes up to the node clicked.
    for (int i = 0; i < 2 && arbol()->currentItem() != nodos.first(); ++i)
        tecla(QKeyCombination(Qt::Key_Left));
    QCOMPARE(arbol()->currentItem(), nodos.first());
}

VentanaBuscar *TstImprimir::buscar(const QString &consulta) const
{
    tecla(Qt::CTRL | Qt::Key_F);
    auto *const b = ventana->findChild<VentanaBuscar *>(u"VentanaBuscar"_s);
    if (!b || !QTest::qWaitFor([b] { return QApplication::activeWindow() == b; }))
        return nullptr;
    teclear(foco(), consulta);
    return b;
}

// What a print holds

void TstImprimir::trabajos_data()
{
    QTest::addColumn<Trabajo_Impresion>("trabajo");
    QTest::addColumn<QString>("cita");
    QTest::addColumn<QList<Pieza_Impresion>>("piezas");
    const QList<Tramo> hits{{3, 4}};
    QTest::newRow("article 157 whole, with its highlight")
        << Trabajo_Entrada(158, hits) << Obra + u", Artículo 157"_s
        << QList<Pieza_Impresion>{{158, 0, int(Texto_Entrada(158).size()), hits}};
    QTest::newRow("the last provision") << Trabajo_Entrada(371) << Obra + u", Disposición Final Única"_s
                                        << QList<Pieza_Impresion>{{371, 0, int(Texto_Entrada(371).size()), {}}};
    QTest::newRow("no entry 0") << Trabajo_Entrada(0) << QString() << QList<Pieza_Impresion>{};
    QTest::newRow("no entry 372") << Trabajo_Entrada(372) << QString() << QList<Pieza_Impresion>{};
    QTest::newRow("a selection") << Trabajo_Seleccion(158, 14, 20) << Obra + u", Artículo 157"_s
                                 << QList<Pieza_Impresion>{{158, 14, 20, {}}};
    QTest::newRow("a selection from before the start is cut to it")
        << Trabajo_Seleccion(158, -5, 10) << Obra + u", Artículo 157"_s << QList<Pieza_Impresion>{{158, 0, 5, {}}};
    QTest::newRow("a selection past the end is cut to it")
        << Trabajo_Seleccion(2, 10, std::numeric_limits<int>::max()) << Obra + u", Artículo 1"_s
        << QList<Pieza_Impresion>{{2, 10, int(Texto_Entrada(2).size()) - 10, {}}};
    QTest::newRow("an empty selection") << Trabajo_Seleccion(158, 14, 0) << QString() << QList<Pieza_Impresion>{};
    QTest::newRow("a selection after the text") << Trabajo_Seleccion(158, 100000, 5) << QString()
                                                << QList<Pieza_Impresion>{};
    QTest::newRow("chapter II of title IV")
        << Trabajo_Division(RegistroCapituloII) << CitaCapituloII
        << QList<Pieza_Impresion>{{157, 0, int(Texto_Entrada(157).size()), {}},
                                  {158, 0, int(Texto_Entrada(158).size()), {}},
                                  {159, 0, int(Texto_Entrada(159).size()), {}}};
    QTest::newRow("a section names its title and chapter")
        << Trabajo_Division(9)
        << Obra + u", TÍTULO III DE LOS DERECHOS HUMANOS Y GARANTÍAS, Y DE LOS DEBERES — Capítulo II De la "
                  "nacionalidad y de la ciudadanía — Sección Primera: De la Nacionalidad"_s
        << [] {
               QList<Pieza_Impresion> p;
               for (int e = 33; e <= 39; ++e)
                   p.append({e, 0, int(Texto_Entrada(e).size()), {}});
               return p;
           }();
    QTest::newRow("the preamble's division") << Trabajo_Division(1) << Obra + u", PREÁMBULO"_s
                                             << QList<Pieza_Impresion>{{1, 0, int(Texto_Entrada(1).size()), {}}};
    QTest::newRow("no division 0") << Trabajo_Division(0) << QString() << QList<Pieza_Impresion>{};
    QTest::newRow("no division 78") << Trabajo_Division(78) << QString() << QList<Pieza_Impresion>{};
    QTest::newRow("search results, a bad row left out")
        << Trabajo_Resultados({{21, {{5, 3}}}, {0, {{1, 1}}}, {300, {{0, 2}, {9, 2}}}}, u"  poder   público "_s)
        << Obra + u", 2 entradas con «poder público»"_s
        << QList<Pieza_Impresion>{{21, 0, int(Texto_Entrada(21).size()), {{5, 3}}},
                                  {300, 0, int(Texto_Entrada(300).size()), {{0, 2}, {9, 2}}}};
    QTest::newRow("one result") << Trabajo_Resultados({{2, {{0, 8}}}}, u"artículo"_s)
                                << Obra + u", 1 entrada con «artículo»"_s
                                << QList<Pieza_Impresion>{{2, 0, int(Texto_Entrada(2).size()), {{0, 8}}}};
    QTest::newRow("no results") << Trabajo_Resultados({}, u"zz"_s) << QString() << QList<Pieza_Impresion>{};
}

void TstImprimir::trabajos()
{
    QFETCH(Trabajo_Impresion, trabajo);
    QFETCH(QString, cita);
    QFETCH(QList<Pieza_Impresion>, piezas);
    QCOMPARE(trabajo.cita, cita);
    QCOMPARE(trabajo.piezas, piezas);
    QCOMPARE(trabajo.vacio(), piezas.isEmpty());
}

// Pages written to PDF

void TstImprimir::pdf_headingsTextAndTitle_data()
{
    QTest::addColumn<Trabajo_Impresion>("trabajo");
    QTest::addColumn<QStringList>("lineas"); // in this order, on lines of their own
    QTest::addColumn<QStringList>("fragmentos"); // somewhere in the text
    QTest::addColumn<QStringList>("ausentes");
    QTest::newRow("article 157")
        << Trabajo_Entrada(158)
        << QStringList{u"Artículo 157"_s, u"TÍTULO IV DEL PODER PÚBLICO"_s,
                       u"Capítulo II De la Competencia del Poder Público Nacional"_s}
        << QStringList{u"Artículo 157. La Asamblea Nacional, por mayoría de sus integrantes, podrá atribuir a los "
                       "Municipios o a los Estados determinadas materias de la competencia nacional"_s}
        << QStringList{u"Artículo 156"_s, u"Artículo 158"_s, u"Enmienda"_s};
    QTest::newRow("an amended article carries its note")
        << Trabajo_Entrada(161)
        << QStringList{u"Artículo 160"_s, u"TÍTULO IV DEL PODER PÚBLICO"_s,
                       u"Capítulo III Del Poder Público Estadal"_s}
        << QStringList{u"Artículo modificado por la Enmienda N.º 1 (Gaceta Oficial N.º 5.908 Extraordinario, 19 de "
                       "febrero de 2009). Se muestra el texto de 1999."_s,
                       u"Artículo 160. El gobierno y administración de cada Estado"_s}
        << QStringList{};
    QTest::newRow("a selection prints only what is selected")
        << Trabajo_Seleccion(158, 14, 25)
        << QStringList{u"Artículo 157"_s, u"TÍTULO IV DEL PODER PÚBLICO"_s,
                       u"Capítulo II De la Competencia del Poder Público Nacional"_s, u"La Asamblea Nacional, por"_s}
        << QStringList{} << QStringList{u"Artículo 157."_s, u"mayoría"_s};
    QTest::newRow("a transitional provision by its full name")
        << Trabajo_Entrada(359) << QStringList{u"Disposición Transitoria Séptima"_s, u"DISPOSICIONES TRANSITORIAS"_s}
        << QStringList{} << QStringList{};
    QTest::newRow("headings only where they change")
        << Trabajo_Division(22) // chapter I of title IV: its five sections
        << QStringList{u"Artículo 136"_s, u"TÍTULO IV DEL PODER PÚBLICO"_s,
                       u"Capítulo I De las Disposiciones Fundamentales"_s, u"Sección Primera: Disposiciones Generales"_s,
                       u"Artículo 137"_s, u"Artículo 141"_s, u"Sección Segunda: De la administración pública"_s,
                       u"Artículo 155"_s}
        << QStringList{} << QStringList{};
}

void TstImprimir::pdf_headingsTextAndTitle()
{
    QFETCH(Trabajo_Impresion, trabajo);
    QFETCH(QStringList, lineas);
    QFETCH(QStringList, fragmentos);
    QFETCH(QStringList, ausentes);
    const QString pdf = archivo(u"trabajo.pdf"_s);
    int paginas = 0;
    paginas = Imprimir_Trabajo(trabajo, *escritorPdf(pdf, trabajo.cita));
    QVERIFY(paginas >= 1);
    QCOMPARE(paginasPdf(pdf), paginas);
    QCOMPARE(campoPdf(pdf, u"Title"_s), trabajo.cita);
    const QString texto = textoPdf(pdf);
    QStringList todas;
    for (const QString &l : texto.split(u'\n'))
        todas << l.trimmed();
    qsizetype desde = 0;
    for (const QString &l : lineas) {
        const qsizetype i = todas.indexOf(l, desde);
        QVERIFY2(i >= 0, qPrintable(l + u" not found in order in:\n"_s + texto));
        desde = i + 1;
    }
    for (const QString &f : fragmentos)
        QVERIFY2(plano(texto).contains(f), qPrintable(f));
    const QString cuerpo = plano(texto).remove(plano(trabajo.cita));
    for (const QString &a : ausentes)
        QVERIFY2(!cuerpo.contains(a), qPrintable(a));
    // Headings appear once: where they change.
    for (const QString &l : lineas)
        QCOMPARE(todas.count(l), 1);
    // Every page carries the citation and its number.
    for (int p = 1; p <= paginas; ++p)
        QVERIFY(plano(textoPdf(pdf, p)).startsWith(plano(trabajo.cita)));
}

void TstImprimir::pdf_pagesNumberedNofM()
{
    const Trabajo_Impresion trabajo = Trabajo_Division(6); // title III: entries 20 to 136
    const QString pdf = archivo(u"titulo3.pdf"_s);
    int paginas = 0;
    paginas = Imprimir_Trabajo(trabajo, *escritorPdf(pdf, trabajo.cita));
    QVERIFY2(paginas > 10, qPrintable(QString::number(paginas)));
    QCOMPARE(paginasPdf(pdf), paginas);
    QStringList todos;
    for (int p = 1; p <= paginas; ++p) {
        const QString texto = textoPdf(pdf, p);
        QStringList lineas = texto.split(u'\n', Qt::SkipEmptyParts);
        while (!lineas.isEmpty() && lineas.last().trimmed().isEmpty())
            lineas.removeLast();
        QVERIFY(!lineas.isEmpty());
        QCOMPARE(lineas.last().trimmed(), u"página %1 de %2"_s.arg(p).arg(paginas));
        QVERIFY2(plano(texto).startsWith(plano(trabajo.cita)), qPrintable(texto.left(300)));
        todos << rotulos(texto);
    }
    // Every entry once, in order, articles 19 to 135.
    QStringList esperados;
    for (int a = 19; a <= 135; ++a)
        esperados << u"Artículo %1"_s.arg(a);
    QCOMPARE(todos, esperados);
}

void TstImprimir::pdf_highlightPrintsOnYellow()
{
    int resaltados[2] = {};
    for (const bool conResaltado : {false, true}) {
        const QString pdf = archivo(u"resaltado.pdf"_s);
        const Trabajo_Impresion trabajo = Trabajo_Entrada(2, conResaltado ? QList<Tramo>{{0, 8}} : QList<Tramo>{});
        QCOMPARE(Imprimir_Trabajo(trabajo, *escritorPdf(pdf, trabajo.cita)), 1);
        resaltados[conResaltado] = amarillos(imagenPdf(pdf, 1, carpeta->path()));
    }
    QCOMPARE(resaltados[0], 0);
    QVERIFY(resaltados[1] > 20);
}

void TstImprimir::pdf_emptyJobWritesNothing()
{
    const QString pdf = archivo(u"vacio.pdf"_s);
    {
        const auto escritor = escritorPdf(pdf, {});
        QCOMPARE(Imprimir_Trabajo(Trabajo_Entrada(0), *escritor), 0);
        QCOMPARE(Imprimir_Trabajo(Trabajo_Seleccion(158, 5, 0), *escritor), 0);
    }
    QVERIFY(!QFileInfo(pdf).exists() || QFileInfo(pdf).size() == 0);
    QCOMPARE(Pie_Pagina(3, 7), u"página 3 de 7"_s);
}

// The marks, character by character

void TstImprimir::documento_marksExactlyTheHits_data()
{
    // Article 157 is entry 158: "Asamblea" 17..24, "mayoría" 40..46, "Municipios" 89..98, 205
    // characters. Article 8 is entry 9: "bandera" 15..21, "patria." 172..178, its line feed 179,
    // "La ley" 180..185, "usos." 232..236, 237 characters.
    QTest::addColumn<Trabajo_Impresion>("trabajo");
    QTest::addColumn<QList<QList<Tramo>>>("marcas");
    QTest::newRow("no hits") << Trabajo_Entrada(158) << QList<QList<Tramo>>{{}};
    QTest::newRow("two hits") << Trabajo_Entrada(158, {{17, 8}, {89, 10}}) << QList<QList<Tramo>>{{{17, 8}, {89, 10}}};
    QTest::newRow("a hit of one character") << Trabajo_Entrada(158, {{100, 1}}) << QList<QList<Tramo>>{{{100, 1}}};
    QTest::newRow("one character at each end")
        << Trabajo_Entrada(158, {{0, 1}, {204, 1}}) << QList<QList<Tramo>>{{{0, 1}, {204, 1}}};
    QTest::newRow("hits at the start and at the end of the entry")
        << Trabajo_Entrada(9, {{0, 11}, {232, 5}}) << QList<QList<Tramo>>{{{0, 11}, {232, 5}}};
    QTest::newRow("hits on both sides of a line break")
        << Trabajo_Entrada(9, {{172, 7}, {180, 6}}) << QList<QList<Tramo>>{{{172, 7}, {180, 6}}};
    QTest::newRow("a hit past the end is cut to it")
        << Trabajo_Entrada(9, {{232, 50}}) << QList<QList<Tramo>>{{{232, 5}}};
    QTest::newRow("a selection that starts after a hit and ends on one")
        << Trabajo_Seleccion(158, 26, 63, {{17, 8}, {40, 7}, {89, 10}}) << QList<QList<Tramo>>{{{40, 7}}};
    QTest::newRow("a selection that starts and ends inside hits")
        << Trabajo_Seleccion(158, 20, 24, {{17, 8}, {40, 7}}) << QList<QList<Tramo>>{{{20, 5}, {40, 4}}};
    QTest::newRow("a selection across the line break")
        << Trabajo_Seleccion(9, 160, 30, {{15, 7}, {172, 7}, {180, 6}, {232, 5}})
        << QList<QList<Tramo>>{{{172, 7}, {180, 6}}};
    QTest::newRow("a selection after the line break")
        << Trabajo_Seleccion(9, 181, 56, {{172, 7}, {180, 6}, {232, 5}})
        << QList<QList<Tramo>>{{{181, 5}, {232, 5}}};
    QTest::newRow("search results: each entry its own hits")
        << Trabajo_Resultados({{9, {{15, 7}}}, {158, {{17, 8}, {204, 1}}}}, u"x"_s)
        << QList<QList<Tramo>>{{{15, 7}}, {{17, 8}, {204, 1}}};
    QTest::newRow("a division: no hits") << Trabajo_Division(RegistroCapituloII)
                                          << QList<QList<Tramo>>{{}, {}, {}};
}

void TstImprimir::documento_marksExactlyTheHits()
{
    QFETCH(Trabajo_Impresion, trabajo);
    QFETCH(QList<QList<Tramo>>, marcas);
    QCOMPARE(marcasImpresas(trabajo), marcas);
}

void TstImprimir::pdf_yellowWordsAreTheHits()
{
    // On the page as printed: the words on yellow are the hits' words, or the part of a hit the
    // selection (20..96) keeps.
    const QString pdf = archivo(u"palabras.pdf"_s);
    const Trabajo_Impresion trabajo = Trabajo_Seleccion(158, 20, 77, {{17, 8}, {40, 7}, {89, 10}});
    QCOMPARE(Imprimir_Trabajo(trabajo, *escritorPdf(pdf, trabajo.cita)), 1);
    QCOMPARE(palabrasAmarillas(pdf, 1, carpeta->path()).join(u' '), u"mblea mayoría Municipi"_s);
    const Trabajo_Impresion entera = Trabajo_Entrada(9, {{172, 7}, {180, 6}});
    QCOMPARE(Imprimir_Trabajo(entera, *escritorPdf(pdf, entera.cita)), 1);
    QCOMPARE(palabrasAmarillas(pdf, 1, carpeta->path()), (QStringList{u"patria."_s, u"La"_s, u"ley"_s}));
}

// Pages, margins and page ranges

void TstImprimir::pdf_pageRangePrintsThosePagesOnly()
{
    const Trabajo_Impresion trabajo = Trabajo_Division(6); // title III: many pages
    const QString todo = archivo(u"todo.pdf"_s);
    const int paginas = Imprimir_Trabajo(trabajo, *escritorPdf(todo, trabajo.cita));
    QVERIFY(paginas > 5);
    const QString parte = archivo(u"parte.pdf"_s);
    {
        const auto escritor = escritorPdf(parte, trabajo.cita);
        QPageRanges rangos;
        rangos.addRange(2, 3);
        escritor->setPageRanges(rangos);
        QCOMPARE(Imprimir_Trabajo(trabajo, *escritor), paginas);
    }
    QCOMPARE(paginasPdf(parte), 2);
    QCOMPARE(textoPdf(parte, 1), textoPdf(todo, 2));
    QCOMPARE(textoPdf(parte, 2), textoPdf(todo, 3));
    QVERIFY(plano(textoPdf(parte, 1)).endsWith(u"página 2 de %1"_s.arg(paginas)));
    QVERIFY(plano(textoPdf(parte, 2)).endsWith(u"página 3 de %1"_s.arg(paginas)));
}

void TstImprimir::pdf_headRuleTextAndFootInTheirPlaces()
{
    // Article 157 on A4 with margins of 20 mm (56.7 points): from the top, the citation, its
    // rule, the text, and the foot at the bottom, all within the margins.
    const QString pdf = archivo(u"pagina.pdf"_s);
    const Trabajo_Impresion trabajo = Trabajo_Entrada(158);
    QCOMPARE(Imprimir_Trabajo(trabajo, *escritorPdf(pdf, trabajo.cita)), 1);
    const QImage imagen = imagenPdf72(pdf, 1, carpeta->path());
    QCOMPARE(imagen.size(), QSize(595, 842));
    const QList<PalabraPdf> palabras = palabrasPdf(pdf, 1);
    QVERIFY(palabras.size() > 40);
    // The rule: the one row dark across the whole width between the margins (57 to 538).
    QList<int> rayas;
    for (int y = 0; y < imagen.height(); ++y) {
        int oscuros = 0;
        for (int x = 57; x < 538; ++x)
            oscuros += qGray(imagen.pixel(x, y)) < 160;
        if (oscuros > 470)
            rayas << y;
    }
    QVERIFY2(!rayas.isEmpty() && rayas.last() - rayas.first() <= 1, qPrintable(QString::number(rayas.size())));
    const qreal raya = rayas.first();
    // The first box of that word from that height down.
    const auto caja = [&palabras](const QString &texto, qreal desde = 0) {
        for (const PalabraPdf &p : palabras)
            if (p.texto == texto && p.caja.top() >= desde)
                return p.caja;
        return QRectF();
    };
    const QRectF obra = caja(u"Constitución"_s); // the citation's first word
    const QRectF pagina = caja(u"página"_s);
    QVERIFY(obra.isValid() && pagina.isValid());
    // The head at the top margin, above the rule; every other word between the rule and the foot.
    QVERIFY2(qAbs(obra.left() - 56.7) < 1.5 && obra.top() >= 56.7 - 1 && obra.top() < 56.7 + 6,
             qPrintable(u"%1 %2"_s.arg(obra.left()).arg(obra.top())));
    QVERIFY(obra.bottom() < raya);
    QVERIFY2(pagina.bottom() <= 842 - 56.7 + 1 && pagina.bottom() > 842 - 56.7 - 8,
             qPrintable(QString::number(pagina.bottom())));
    qreal primera = 842, ultima = 0;
    for (const PalabraPdf &p : palabras) {
        QVERIFY2(p.caja.left() >= 56.7 - 1 && p.caja.right() <= 595 - 56.7 + 1, qPrintable(p.texto));
        if (p.caja.top() > raya && p.caja.bottom() < pagina.top()) {
            primera = qMin(primera, p.caja.top());
            ultima = qMax(ultima, p.caja.bottom());
        } else {
            // The citation's words above the rule, the foot's three words below the text.
            QVERIFY2(p.caja.bottom() < raya || p.caja.top() >= pagina.top() - 1, qPrintable(p.texto));
        }
    }
    QVERIFY(primera > raya + 2);
    QVERIFY(ultima < pagina.top() - 2);
    // The first text line is the caption; the last ends the article.
    QCOMPARE(caja(u"157"_s, raya).top(), primera);
    QVERIFY(caja(u"descentralización."_s).bottom() <= ultima);
}

void TstImprimir::pages_captionStaysWithItsFirstLines()
{
    // A page height, found from the layout, at which some caption is split from the first two
    // lines of its text; then the captions moved put every one back with them.
    const Trabajo_Impresion trabajo = Trabajo_Division(registroDe(u"TÍTULO III "_s));
    const std::unique_ptr<QTextDocument> documento = Documento_Impresion(trabajo);
    qreal alto = 0;
    for (qreal h = 300; h < 700 && alto == 0; h += 7) {
        documento->setPageSize(QSizeF(480, h));
        if (gruposPartidos(*documento) > 0)
            alto = h;
    }
    QVERIFY(alto > 0);
    const int bloques = documento->blockCount();
    const int paginas = documento->pageCount();
    const int movidos = Mantener_Con_Siguiente(*documento);
    QVERIFY(movidos > 0);
    QCOMPARE(gruposPartidos(*documento), 0);
    QCOMPARE(documento->blockCount(), bloques);
    QVERIFY(documento->pageCount() >= paginas && documento->pageCount() <= paginas + movidos);
    // Laid out again as it is, nothing more moves.
    QCOMPARE(Mantener_Con_Siguiente(*documento), 0);
}

void TstImprimir::pdf_noPageEndsWithACaptionOrHeading_data()
{
    QTest::addColumn<Trabajo_Impresion>("trabajo");
    // Each of these, on A4, had a caption (and headings) at the foot of a page, its text on the next.
    QTest::newRow("title IV") << Trabajo_Division(registroDe(u"TÍTULO IV "_s));
    QTest::newRow("title V") << Trabajo_Division(registroDe(u"TÍTULO V "_s));
    QTest::newRow("the results of «derechos humanos»")
        << Trabajo_Resultados(Buscar_En_Textos(u"\"derechos humanos\""), u"\"derechos humanos\"");
}

void TstImprimir::pdf_noPageEndsWithACaptionOrHeading()
{
    QFETCH(Trabajo_Impresion, trabajo);
    const QString pdf = archivo(u"saltos.pdf"_s);
    auto escritor = escritorPdf(pdf, trabajo.cita);
    escritor->setPageSize(QPageSize(QPageSize::A4));
    const int paginas = Imprimir_Trabajo(trabajo, *escritor);
    escritor.reset();
    QVERIFY(paginas > 3);
    QStringList todos;
    for (int p = 1; p <= paginas; ++p) {
        const QString texto = textoPdf(pdf, p);
        const QStringList cuerpo = cuerpoDePagina(texto, trabajo.cita);
        QVERIFY2(cuerpo.size() > 2, qPrintable(texto));
        // The last two lines of a page are text: a caption or heading there would leave less
        // than two lines of its text with it.
        for (const QString &l : cuerpo.mid(cuerpo.size() - 2))
            QVERIFY2(rotulos(l).isEmpty() && !esEncabezado(l),
                     qPrintable(u"page %1 of %2 ends with «%3»: "_s.arg(p).arg(paginas).arg(l)
                                + cuerpo.mid(cuerpo.size() - 6).join(u" / "_s)));
        todos << rotulos(texto);
    }
    // Nothing lost or repeated on the way.
    QCOMPARE(todos.size(), trabajo.piezas.size());
    QCOMPARE(QSet<QString>(todos.begin(), todos.end()).size(), todos.size());
}

// The window

void TstImprimir::ctrlP_printsEntryOrTheSelectionSeen_data()
{
    QTest::addColumn<int>("seleccion"); // characters from the start, with Shift+Right
    QTest::addColumn<QString>("foco");
    QTest::addColumn<QString>("esperado");  // printed, after the headings
    QTest::addColumn<QString>("ausente");
    QTest::newRow("no selection: the entry") << 0 << u"ColorMemo1"_s << u"podrá atribuir a los Municipios"_s << QString();
    QTest::newRow("a selection seen: only it") << 21 << u"ColorMemo1"_s << u"Artículo 157. La Asam"_s
                                               << u"Asamblea"_s;
    QTest::newRow("a selection not seen: the entry")
        << 21 << u"Boton_Menu_Siguiente_"_s << u"podrá atribuir a los Municipios"_s << QString();
}

void TstImprimir::ctrlP_printsEntryOrTheSelectionSeen()
{
    QFETCH(int, seleccion);
    QFETCH(QString, foco);
    QFETCH(QString, esperado);
    QFETCH(QString, ausente);
    QVERIFY(abrirVentana());
    ventana->elegirArticulo(157);
    QCOMPARE(UnitM01::Articulo_Actual, 158);
    if (seleccion > 0)
        seleccionarDesdeElInicio(seleccion);
    hijo(foco)->setFocus(Qt::TabFocusReason);
    const QString pdf = archivo(u"impreso.pdf"_s);
    QVERIFY(imprimirCon(Qt::CTRL | Qt::Key_P, pdf));
    QCOMPARE(campoPdf(pdf, u"Title"_s), Obra + u", Artículo 157"_s);
    const QString texto = plano(textoPdf(pdf));
    QVERIFY(texto.startsWith(Obra + u", Artículo 157 Artículo 157 TÍTULO IV DEL PODER PÚBLICO Capítulo II De la "
                                    "Competencia del Poder Público Nacional"_s));
    QVERIFY2(texto.contains(esperado), qPrintable(texto));
    if (!ausente.isEmpty())
        QVERIFY(!texto.contains(ausente));
    // The file picked is the one thing written; the window is as it was.
    QCOMPARE(QDir(carpeta->path()).entryList(QDir::Files), QStringList{u"impreso.pdf"_s});
    QCOMPARE(UnitM01::Articulo_Actual, 158);
    QTRY_VERIFY(this->foco());
    QCOMPARE(this->foco()->objectName(), foco);
}

void TstImprimir::ctrlP_inTheTree_printsTheDivision()
{
    QVERIFY(abrirVentana());
    COMPROBAR(enfocarNodo(u"Capítulo II De la Competencia del Poder Público Nacional"_s));
    const QString pdf = archivo(u"capitulo.pdf"_s);
    QVERIFY(imprimirCon(Qt::CTRL | Qt::Key_P, pdf));
    QCOMPARE(campoPdf(pdf, u"Title"_s), CitaCapituloII);
    const QString texto = textoPdf(pdf);
    QCOMPARE(rotulos(texto), (QStringList{u"Artículo 156"_s, u"Artículo 157"_s, u"Artículo 158"_s}));
    QVERIFY(!texto.contains(u"Artículo 155."_s));
    QVERIFY(!texto.contains(u"Artículo 159."_s));
    QTRY_COMPARE(foco(), arbol());
}

void TstImprimir::ctrlP_afterClickingATitle_printsTheTitle_data()
{
    QTest::addColumn<bool>("vistaPrevia");
    QTest::addColumn<int>("abajo"); // Down presses after the click
    QTest::addColumn<QString>("division");
    QTest::newRow("Ctrl+P") << false << 0 << u"TÍTULO IV DEL PODER PÚBLICO"_s;
    QTest::newRow("Ctrl+Shift+P") << true << 0 << u"TÍTULO IV DEL PODER PÚBLICO"_s;
    // The node the display selected, then one below it reached with the keys.
    QTest::newRow("a node reached with the keys after the click")
        << false << 1 << u"TÍTULO IV DEL PODER PÚBLICO — Capítulo I De las Disposiciones Fundamentales — Sección "
                         "Segunda: De la administración pública"_s;
}

void TstImprimir::ctrlP_afterClickingATitle_printsTheTitle()
{
    QFETCH(bool, vistaPrevia);
    QFETCH(int, abajo);
    QFETCH(QString, division);
    QVERIFY(abrirVentana());
    const QList<QTreeWidgetItem *> nodos = arbol()->findItems(u"TÍTULO IV "_s, Qt::MatchStartsWith | Qt::MatchRecursive);
    QCOMPARE(nodos.size(), 1);
    arbol()->scrollToItem(nodos.first());
    QTest::mouseClick(arbol()->viewport(), Qt::LeftButton, {}, arbol()->visualItemRect(nodos.first()).center());
    QCOMPARE(foco(), arbol());
    QCOMPARE(UnitM01::Articulo_Actual, 137); // the title's first entry, article 136
    // The display moved the selection to the entry's deepest division.
    QCOMPARE(arbol()->currentItem()->text(0).trimmed(), u"Sección Primera: Disposiciones Generales"_s);
    for (int i = 0; i < abajo; ++i)
        tecla(QKeyCombination(Qt::Key_Down));

    const QString pdf = archivo(u"titulo.pdf"_s);
    QString titulo;
    int vistas = 0;
    alAbrirse([&](QDialog *d) {
        titulo = d->windowTitle();
        if (auto *const paginas = d->findChild<QPrintPreviewWidget *>()) {
            if (QTest::qWaitFor([paginas] { return paginas->pageCount() > 0; }))
                vistas = paginas->pageCount();
            escape(d);
        } else {
            aceptarCon(d, pdf);
        }
    });
    tecla(vistaPrevia ? Qt::CTRL | Qt::SHIFT | Qt::Key_P : Qt::CTRL | Qt::Key_P);
    QVERIFY(servido);
    QCOMPARE(titulo, (vistaPrevia ? u"Vista previa: "_s : u"Imprimir: "_s) + Obra + u", "_s + division);
    if (vistaPrevia) {
        // As many pages as the title printed.
        const QString titulo4 = archivo(u"titulo4.pdf"_s);
        const Trabajo_Impresion trabajo = Trabajo_Division(registroDe(u"TÍTULO IV "_s));
        QCOMPARE(vistas, Imprimir_Trabajo(trabajo, *escritorPdf(titulo4, trabajo.cita)));
    } else if (abajo == 0) {
        QStringList esperados;
        for (int a = 136; a <= 185; ++a)
            esperados << u"Artículo %1"_s.arg(a);
        QCOMPARE(rotulos(textoPdf(pdf)), esperados);
    } else {
        QCOMPARE(rotulos(textoPdf(pdf)).first(), u"Artículo 141"_s);
    }
    QTRY_COMPARE(foco(), arbol());
}

void TstImprimir::treeMenu_printsTheNodeDivision()
{
    QVERIFY(abrirVentana());
    COMPROBAR(enfocarNodo(u"Capítulo II De la Competencia del Poder Público Nacional"_s));
    // The menu key opens the node's menu; Enter on its first entry, then the print dialog.
    QTest::keyClick(arbol(), Qt::Key_Menu);
    QMenu *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    if (!menu) {
        QContextMenuEvent evento(QContextMenuEvent::Keyboard, QPoint(), arbol()->mapToGlobal(QPoint()));
        QApplication::sendEvent(arbol(), &evento);
        menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    }
    QVERIFY(menu);
    QCOMPARE(menu->objectName(), u"Menu_Indice"_s);
    QStringList textos;
    for (const QAction *a : menu->actions())
        textos << a->text();
    QCOMPARE(textos, (QStringList{u"Imprimir la división…"_s, u"Vista previa de la división…"_s}));
    const QString pdf = archivo(u"menu.pdf"_s);
    alAbrirse([this, pdf](QDialog *d) { aceptarCon(d, pdf); });
    QTest::keyClick(menu, Qt::Key_Down);
    QTest::keyClick(menu, Qt::Key_Return);
    QVERIFY(QTest::qWaitFor([this] { return servido; }));
    QCOMPARE(campoPdf(pdf, u"Title"_s), CitaCapituloII);
    QCOMPARE(rotulos(textoPdf(pdf)), (QStringList{u"Artículo 156"_s, u"Artículo 157"_s, u"Artículo 158"_s}));
}

void TstImprimir::searchWindow_printsEveryResult_data()
{
    QTest::addColumn<int>("como"); // 0 Ctrl+P, 1 its button from the keyboard, 2 clicked
    QTest::newRow("Ctrl+P in the search window") << 0;
    QTest::newRow("its button, Tab and Space") << 1;
    QTest::newRow("its button, clicked") << 2;
}

void TstImprimir::searchWindow_printsEveryResult()
{
    QFETCH(int, como);
    QVERIFY(abrirVentana());
    VentanaBuscar *const b = buscar(u"\"derechos humanos\""_s);
    QVERIFY(b);
    QCOMPARE(b->findChild<QLabel *>(u"Cuenta_Buscar"_s)->text(), u"38 coincidencias en 24 entradas"_s);
    const QString pdf = archivo(u"busqueda.pdf"_s);
    if (como == 1) {
        tecla(QKeyCombination(Qt::Key_Tab));
        QCOMPARE(foco()->objectName(), u"Boton_Imprimir_Resultados"_s);
        QVERIFY(imprimirCon(QKeyCombination(Qt::Key_Space), pdf));
    } else if (como == 2) {
        auto *const boton = b->findChild<QPushButton *>(u"Boton_Imprimir_Resultados"_s);
        QVERIFY(boton && boton->isVisible());
        alAbrirse([this, pdf](QDialog *d) { aceptarCon(d, pdf); });
        QTest::mouseClick(boton, Qt::LeftButton);
        QVERIFY(servido);
    } else {
        QVERIFY(imprimirCon(Qt::CTRL | Qt::Key_P, pdf));
    }
    QCOMPARE(campoPdf(pdf, u"Title"_s), Obra + u", 24 entradas con «\"derechos humanos\"»"_s);
    const QString texto = textoPdf(pdf);
    const QStringList impresos = rotulos(texto);
    QVERIFY2(impresos.size() == 24, qPrintable(impresos.join(u", "_s)));
    QCOMPARE(impresos.first(), u"Preámbulo"_s);
    QCOMPARE(impresos.at(1), u"Artículo 2"_s);
    QCOMPARE(impresos.last(), u"Artículo 350"_s);
    // Every hit bold on yellow, and nothing else: the preamble's one hit, then article 2's.
    QCOMPARE(palabrasAmarillas(pdf, 1, carpeta->path()).mid(0, 4),
             (QStringList{u"derechos"_s, u"humanos,"_s, u"derechos"_s, u"humanos,"_s}));
    for (int p = 1; p <= paginasPdf(pdf); ++p) {
        const QStringList amarillas = palabrasAmarillas(pdf, p, carpeta->path());
        for (int i = 0; i < amarillas.size(); ++i) {
            const QString esperada = i % 2 == 0 ? u"derechos"_s : u"humanos"_s;
            QVERIFY2(amarillas[i].startsWith(esperada, Qt::CaseInsensitive), qPrintable(amarillas.join(u' ')));
        }
    }
    QTRY_COMPARE(QApplication::activeWindow(), b);
}

// Words typed apart print with every hit of each word and of its forms bold on yellow, in the
// order of the text, and nothing else.
void TstImprimir::searchWindow_printsTheHitsOfEveryWord()
{
    QVERIFY(abrirVentana());
    QVERIFY(buscar(u"derecho vivienda"_s));
    const QString pdf = archivo(u"palabras_sueltas.pdf"_s);
    QVERIFY(imprimirCon(Qt::CTRL | Qt::Key_P, pdf));
    QCOMPARE(rotulos(textoPdf(pdf)), (QStringList{u"Artículo 82"_s, u"Artículo 86"_s, u"Artículo 156"_s}));
    QStringList amarillas;
    for (int p = 1; p <= paginasPdf(pdf); ++p)
        amarillas += palabrasAmarillas(pdf, p, carpeta->path());
    QCOMPARE(amarillas, (QStringList{u"derecho"_s, u"vivienda"_s, u"derecho"_s, u"viviendas."_s,     // 82
                                     u"derecho"_s, u"vivienda,"_s, u"derecho,"_s,                    // 86
                                     u"vivienda,"_s, u"derechos,"_s, u"derecho"_s}));                // 156
}

void TstImprimir::escape_leavesEverythingAsItWas_data()
{
    QTest::addColumn<int>("tecla"); // QKeyCombination::toCombined()
    QTest::newRow("the print dialog") << (Qt::CTRL | Qt::Key_P).toCombined();
    QTest::newRow("the preview") << (Qt::CTRL | Qt::SHIFT | Qt::Key_P).toCombined();
}

void TstImprimir::escape_leavesEverythingAsItWas()
{
    QFETCH(int, tecla);
    QVERIFY(abrirVentana());
    ventana->elegirArticulo(157);
    seleccionarDesdeElInicio(5);
    const QString texto = memo()->textoDocumento();
    alAbrirse([](QDialog *d) { escape(d); });
    this->tecla(QKeyCombination::fromCombined(tecla));
    QVERIFY(servido);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(UnitM01::Articulo_Actual, 158);
    QTRY_COMPARE(foco(), memo());
    QCOMPARE(memo()->textCursor().selectedText(), u"Artíc"_s);
    QCOMPARE(memo()->textoDocumento(), texto);
    QCOMPARE(QDir(carpeta->path()).entryList(QDir::Files), QStringList{});
}

void TstImprimir::preview_showsThePagesPrinted()
{
    QVERIFY(abrirVentana());
    // The whole chapter I of title IV, printed, then previewed.
    COMPROBAR(enfocarNodo(u"Capítulo I De las Disposiciones Fundamentales"_s));
    const QString pdf = archivo(u"capitulo1.pdf"_s);
    QVERIFY(imprimirCon(Qt::CTRL | Qt::Key_P, pdf));
    const int impresas = paginasPdf(pdf);
    QVERIFY(impresas > 1);
    int vistas = 0;
    QString titulo;
    QStringList teclas; // the preview's tool buttons reached from the keyboard
    alAbrirse([&](QDialog *d) {
        titulo = d->windowTitle();
        for (const QAction *a : d->findChildren<QAction *>()) {
            if (!a->shortcut().isEmpty())
                teclas << a->shortcut().toString();
        }
        teclas.sort();
        auto *const paginas = d->findChild<QPrintPreviewWidget *>();
        if (paginas && QTest::qWaitFor([paginas] { return paginas->pageCount() > 0; }))
            vistas = paginas->pageCount();
        escape(d);
    });
    tecla(Qt::CTRL | Qt::SHIFT | Qt::Key_P);
    QVERIFY(servido);
    QCOMPARE(vistas, impresas);
    QCOMPARE(teclas, (QStringList{u"Ctrl++"_s, u"Ctrl+-"_s, u"Ctrl+P"_s, u"Ctrl+PgDown"_s, u"Ctrl+PgUp"_s}));
    QCOMPARE(titulo, u"Vista previa: "_s + Obra + u", TÍTULO IV DEL PODER PÚBLICO — Capítulo I De las Disposiciones "
                                                  "Fundamentales"_s);
    QTRY_COMPARE(foco(), arbol());
}

void TstImprimir::preview_zoomKeysAndScreenSize()
{
    QVERIFY(abrirVentana());
    ventana->elegirArticulo(157);
    QPrintPreviewWidget::ZoomMode ajuste = QPrintPreviewWidget::CustomZoom;
    QList<qreal> zoom; // on opening, then after each key
    QRect marco;
    QRect pantalla;
    alAbrirse([&](QDialog *d) {
        auto *const paginas = d->findChild<QPrintPreviewWidget *>();
        COMPROBAR(QVERIFY(paginas));
        COMPROBAR(QVERIFY(QTest::qWaitFor([paginas] { return paginas->pageCount() > 0; })));
        // As the window manager does with a dialog it maps.
        d->activateWindow();
        COMPROBAR(QVERIFY(QTest::qWaitFor([d] { return QApplication::activeWindow() == d; })));
        ajuste = paginas->zoomMode();
        zoom << paginas->zoomFactor();
        for (const QKeyCombination t : {Qt::CTRL | Qt::Key_Plus, Qt::CTRL | Qt::Key_Equal, Qt::CTRL | Qt::Key_Minus,
                                        Qt::CTRL | Qt::Key_Minus, QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Plus)}) {
            QWidget *const f = QApplication::focusWidget();
            QTest::keyClick(f && f->window() == d ? f : d, t.key(), t.keyboardModifiers());
            zoom << paginas->zoomFactor();
        }
        marco = d->frameGeometry();
        pantalla = d->screen()->availableGeometry();
        escape(d);
    });
    tecla(Qt::CTRL | Qt::SHIFT | Qt::Key_P);
    QVERIFY(servido);
    QCOMPARE(ajuste, QPrintPreviewWidget::FitToWidth);
    QCOMPARE(zoom.size(), 6);
    QVERIFY2(zoom[1] > zoom[0] && zoom[2] > zoom[1], qPrintable(QDebug::toString(zoom)));
    QVERIFY2(zoom[3] < zoom[2] && zoom[4] < zoom[3], qPrintable(QDebug::toString(zoom)));
    QVERIFY(qFuzzyCompare(zoom[4], zoom[0]));
    QVERIFY(zoom[5] > zoom[4]);
    // The whole of the screen's available area, and no more.
    QVERIFY2(pantalla.contains(marco), qPrintable(QDebug::toString(marco) + QDebug::toString(pantalla)));
    QVERIFY2(marco.width() * 10 >= pantalla.width() * 9 && marco.height() * 10 >= pantalla.height() * 9,
             qPrintable(QDebug::toString(marco) + QDebug::toString(pantalla)));
}

void TstImprimir::textViewMenu_offersPrintingAfterItsSevenEntries()
{
    QVERIFY(abrirVentana());
    ventana->elegirArticulo(157);
    memo()->setFocus(Qt::TabFocusReason);
    const QPoint donde = memo()->viewport()->rect().center();
    QContextMenuEvent evento(QContextMenuEvent::Mouse, donde, memo()->viewport()->mapToGlobal(donde));
    QApplication::sendEvent(memo()->viewport(), &evento);
    auto *const menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QStringList textos;
    for (const QAction *a : menu->actions())
        textos << (a->isSeparator() ? u"-"_s : a->text());
    QCOMPARE(textos, (QStringList{u"&View"_s, u"-"_s, u"Cu&t"_s, u"&Copy"_s, u"&Paste"_s, u"-"_s, u"Fin&d"_s, u"-"_s,
                                  u"Imprimir…"_s, u"Vista previa de impresión…"_s}));
    // Up twice from the end reaches "Imprimir…"; Enter prints the selection-free entry.
    const QString pdf = archivo(u"menu_texto.pdf"_s);
    alAbrirse([this, pdf](QDialog *d) { aceptarCon(d, pdf); });
    QTest::keyClick(menu, Qt::Key_Up);
    QTest::keyClick(menu, Qt::Key_Up);
    QCOMPARE(menu->activeAction()->text(), u"Imprimir…"_s);
    QTest::keyClick(menu, Qt::Key_Return);
    QVERIFY(QTest::qWaitFor([this] { return servido; }));
    QCOMPARE(campoPdf(pdf, u"Title"_s), Obra + u", Artículo 157"_s);
}

void TstImprimir::ctrlP_selectionMidEntry_printsItWithItsPartOfTheHits_data()
{
    // Article 8 found by "bandera" (15..21), then a selection made with the keys: Right from
    // the start, then Shift+Right.
    QTest::addColumn<int>("desde");
    QTest::addColumn<int>("caracteres");
    QTest::addColumn<QString>("impreso"); // the printed text between the headings and the foot
    QTest::addColumn<QStringList>("amarillas");
    QTest::newRow("cutting the hit") << 18 << 22 << u"dera nacional con los"_s << QStringList{u"dera"_s};
    QTest::newRow("after the hit, across the line break, ending mid-word")
        << 44 << 146
        << u"res amarillo, azul y rojo; el himno nacional Gloria al bravo pueblo y el escudo de armas de la "
           "República son los símbolos de la patria. La ley reg"_s
        << QStringList{};
}

void TstImprimir::ctrlP_selectionMidEntry_printsItWithItsPartOfTheHits()
{
    QFETCH(int, desde);
    QFETCH(int, caracteres);
    QFETCH(QString, impreso);
    QFETCH(QStringList, amarillas);
    QVERIFY(abrirVentana());
    QVERIFY(buscar(u"bandera"_s));
    QTest::keyClick(foco(), Qt::Key_Return); // the first result: article 8
    QCOMPARE(UnitM01::Articulo_Actual, 9);
    ventana->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), ventana.get());
    memo()->setFocus(Qt::TabFocusReason);
    tecla(Qt::CTRL | Qt::Key_Home);
    for (int i = 0; i < desde; ++i)
        tecla(QKeyCombination(Qt::Key_Right));
    for (int i = 0; i < caracteres; ++i)
        tecla(Qt::SHIFT | Qt::Key_Right);
    const QString pdf = archivo(u"seleccion.pdf"_s);
    QVERIFY(imprimirCon(Qt::CTRL | Qt::Key_P, pdf));
    QCOMPARE(plano(textoPdf(pdf)), Obra + u", Artículo 8 Artículo 8 TÍTULO I PRINCIPIOS FUNDAMENTALES "_s + impreso
                                       + u" página 1 de 1"_s);
    QCOMPARE(palabrasAmarillas(pdf, 1, carpeta->path()), amarillas);
}

void TstImprimir::ctrlP_afterLeavingASearchResult_printsNoOldHits()
{
    QVERIFY(abrirVentana());
    QVERIFY(buscar(u"bandera"_s));
    QTest::keyClick(foco(), Qt::Key_Return); // article 8, "bandera" marked
    ventana->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), ventana.get());
    memo()->setFocus(Qt::TabFocusReason);
    tecla(Qt::CTRL | Qt::Key_Home); // no selection: the whole entry
    const QString conMarca = archivo(u"resultado.pdf"_s);
    QVERIFY(imprimirCon(Qt::CTRL | Qt::Key_P, conMarca));
    QCOMPARE(palabrasAmarillas(conMarca, 1, carpeta->path()), QStringList{u"bandera"_s});
    // The next entry, then back: neither shows nor prints the old hits.
    tecla(Qt::ALT | Qt::Key_PageDown);
    QCOMPARE(UnitM01::Articulo_Actual, 10);
    const QString siguiente = archivo(u"siguiente.pdf"_s);
    QVERIFY(imprimirCon(Qt::CTRL | Qt::Key_P, siguiente));
    QCOMPARE(campoPdf(siguiente, u"Title"_s), Obra + u", Artículo 9"_s);
    QCOMPARE(amarillos(imagenPdf(siguiente, 1, carpeta->path())), 0);
    tecla(Qt::ALT | Qt::Key_Left);
    QCOMPARE(UnitM01::Articulo_Actual, 9);
    const QString vuelta = archivo(u"vuelta.pdf"_s);
    QVERIFY(imprimirCon(Qt::CTRL | Qt::Key_P, vuelta));
    QCOMPARE(campoPdf(vuelta, u"Title"_s), Obra + u", Artículo 8"_s);
    QCOMPARE(amarillos(imagenPdf(vuelta, 1, carpeta->path())), 0);
}

void TstImprimir::treeMenu_byMouseOnAnotherNode_printsThatNode()
{
    QVERIFY(abrirVentana());
    COMPROBAR(enfocarNodo(u"Capítulo II De la Competencia del Poder Público Nacional"_s));
    const QList<QTreeWidgetItem *> otros =
        arbol()->findItems(u"TÍTULO II DEL ESPACIO GEOGRÁFICO Y LA DIVISIÓN POLÍTICA"_s, Qt::MatchExactly);
    QCOMPARE(otros.size(), 1);
    QTreeWidgetItem *const otro = otros.first();
    arbol()->scrollToItem(otro);
    QVERIFY(arbol()->currentItem() != otro);
    // A right click through the window, as the window system delivers it.
    const QPoint enNodo = arbol()->visualItemRect(otro).center();
    QWindow *const ventanaNativa = ventana->windowHandle();
    const QPoint enVentana = arbol()->viewport()->mapTo(ventana.get(), enNodo);
    QTest::mouseClick(ventanaNativa, Qt::RightButton, {}, enVentana);
    QMenu *menu = nullptr;
    QVERIFY(QTest::qWaitFor([&menu] { return (menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())); }));
    QCOMPARE(menu->objectName(), u"Menu_Indice"_s);
    const QString pdf = archivo(u"raton.pdf"_s);
    alAbrirse([this, pdf](QDialog *d) { aceptarCon(d, pdf); });
    QAction *const imprimir = menu->actions().value(0);
    QCOMPARE(imprimir->text(), u"Imprimir la división…"_s);
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(imprimir).center());
    QVERIFY(QTest::qWaitFor([this] { return servido; }));
    QCOMPARE(campoPdf(pdf, u"Title"_s), Obra + u", TÍTULO II DEL ESPACIO GEOGRÁFICO Y LA DIVISIÓN POLÍTICA"_s);
    const QStringList impresos = rotulos(textoPdf(pdf));
    QVERIFY2(!impresos.isEmpty() && impresos.first() == u"Artículo 10"_s, qPrintable(impresos.join(u", "_s)));
    QVERIFY(!impresos.contains(u"Artículo 157"_s));
}

void TstImprimir::printDialog_marginsOfTwoCentimetres()
{
    // Printed through the real print dialog: the text keeps 20 mm (56.7 points) from every edge
    // of the A4 page, and the head starts at the top margin.
    QVERIFY(abrirVentana());
    ventana->elegirArticulo(157);
    const QString pdf = archivo(u"margenes.pdf"_s);
    QVERIFY(imprimirCon(Qt::CTRL | Qt::Key_P, pdf));
    const QString tamano = campoPdf(pdf, u"Page size"_s);
    QVERIFY2(tamano.startsWith(u"595"_s) && tamano.contains(u"A4"_s), qPrintable(tamano));
    const QList<PalabraPdf> palabras = palabrasPdf(pdf, 1);
    QVERIFY(palabras.size() > 40);
    qreal izquierda = 1000, arriba = 1000, derecha = 0, abajo = 0;
    for (const PalabraPdf &p : palabras) {
        izquierda = qMin(izquierda, p.caja.left());
        arriba = qMin(arriba, p.caja.top());
        derecha = qMax(derecha, p.caja.right());
        abajo = qMax(abajo, p.caja.bottom());
    }
    const qreal margen = 20 / 25.4 * 72;
    QVERIFY2(qAbs(izquierda - margen) < 1.5, qPrintable(QString::number(izquierda)));
    QVERIFY2(arriba >= margen - 1 && arriba < margen + 6, qPrintable(QString::number(arriba)));
    QVERIFY2(derecha <= 595 - margen + 1 && derecha > 595 - margen - 40, qPrintable(QString::number(derecha)));
    QVERIFY2(abajo <= 842 - margen + 1 && abajo > 842 - margen - 8, qPrintable(QString::number(abajo)));
}

void TstImprimir::printDialog_pageRangeFromTheDialog()
{
    // The print dialog's "Pages from 2 to 3" over title III: exactly those two pages.
    QVERIFY(abrirVentana());
    COMPROBAR(enfocarNodo(u"TÍTULO III DE LOS DERECHOS HUMANOS Y GARANTÍAS, Y DE LOS DEBERES"_s));
    const QString todo = archivo(u"titulo.pdf"_s);
    QVERIFY(imprimirCon(Qt::CTRL | Qt::Key_P, todo));
    const int paginas = paginasPdf(todo);
    QVERIFY(paginas > 5);
    const QString parte = archivo(u"paginas.pdf"_s);
    alAbrirse([this, parte](QDialog *d) {
        auto *const rango = d->findChild<QRadioButton *>(u"printRange"_s);
        auto *const desde = d->findChild<QSpinBox *>(u"from"_s);
        auto *const hasta = d->findChild<QSpinBox *>(u"to"_s);
        QVERIFY(rango && desde && hasta);
        rango->setChecked(true);
        desde->setValue(2);
        hasta->setValue(3);
        COMPROBAR(aceptarCon(d, parte));
    });
    tecla(Qt::CTRL | Qt::Key_P);
    QVERIFY(servido);
    QCOMPARE(paginasPdf(parte), 2);
    QCOMPARE(textoPdf(parte, 1), textoPdf(todo, 2));
    QCOMPARE(textoPdf(parte, 2), textoPdf(todo, 3));
}

PRUEBA_MAIN(TstImprimir)
#include "tst_imprimir.moc"
