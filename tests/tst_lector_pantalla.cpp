// What a screen reader is told, through Qt's accessibility layer: the main window is a window
// and its panels plain groupings (so that a screen reader finds the active window), the
// controls carry Spanish names, every move to an entry is announced once by a notification
// wherever the keyboard is (its caption, and the headings only when they change), the search
// window's count is announced once typing pauses, the index tree claims no focus that it
// does not have, the About dialog's links are links and the spin buttons spin boxes.
#include "arranque_completo.h"
#include "avisos_qt.h"
#include "enlaces_abiertos.h"
#include "form1.h"
#include "forma_acerca.h"
#include "teclear.h"

#include <QAccessible>
#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTreeWidget>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

struct Suceso {
    QAccessible::Event tipo;
    QString objeto; // the object's name
    QString nombre; // its accessible name
    QAccessible::Role papel;
    QString ventana;    // the name of the window it sits in
    QString nombreHijo; // the accessible name of the child the event is about, if any
};

QList<Suceso> sucesos;
EnlacesAbiertos enlaces;

void registrar(QAccessibleEvent *evento)
{
    QObject *const objeto = evento->object();
    if (!objeto)
        return;
    QAccessibleInterface *const iface = QAccessible::queryAccessibleInterface(objeto);
    const QString ventana = objeto->isWidgetType() ? static_cast<QWidget *>(objeto)->window()->objectName() : QString();
    QAccessibleInterface *const hijo = iface && evento->child() >= 0 ? iface->child(evento->child()) : nullptr;
    sucesos.append({evento->type(), objeto->objectName(), iface ? iface->text(QAccessible::Name) : QString(),
                    iface ? iface->role() : QAccessible::NoRole, ventana,
                    hijo ? hijo->text(QAccessible::Name) : QString()});
}

// The events of one kind about one object since the list was last emptied.
qsizetype cuantos(QAccessible::Event tipo, const QString &objeto)
{
    return std::count_if(sucesos.cbegin(), sucesos.cend(),
                         [&](const Suceso &s) { return s.tipo == tipo && s.objeto == objeto; });
}

// The item the last focus event reported, "" for a control's own focus.
QString ultimoFoco()
{
    for (auto s = sucesos.crbegin(); s != sucesos.crend(); ++s)
        if (s->tipo == QAccessible::Focus)
            return s->objeto + u'/' + s->nombreHijo;
    return {};
}

// The notifications shown since the list was last emptied: what was announced.
QStringList anunciado()
{
    QStringList r;
    for (const Suceso &s : std::as_const(sucesos))
        if (s.tipo == QAccessible::ObjectShow && s.papel == QAccessible::Notification)
            r << s.nombre;
    return r;
}

} // namespace

class TstLectorPantalla : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void roles_windowAndGroupings();
    void names_ofTheControls_data();
    void names_ofTheControls();
    void moves_areAnnouncedWhereverTheKeyboardIs();
    void tree_claimsNoFocusItHasNot();
    void searchCount_announcedOnceTypingPauses();
    void searchSuggestion_saidWhenOfferedAndWhenTaken();
    void aboutLinks_areLinksThatOpen();
    void f3_oneAnnouncementPerHitNoSelectionStorm();
    void hiddenSearchWindow_tellsNothing();
    void firstRow_heardWhenAListTakesTheKeyboard();
    void rows_readWithTheirNouns();
    void spinButtons_haveValueAndActions();
    void keys_sayWhatTheyDid_data();
    void keys_sayWhatTheyDid();
    void tree_saysOpenClosedAndLevel();
    void about_saysWhatOnlyShows();

private:
    QWidget *hijo(const QString &nombre) const { return ventana->findChild<QWidget *>(nombre); }
    void tecla(QKeyCombination c) const
    {
        QTest::keyClick(QApplication::focusWidget(), c.key(), c.keyboardModifiers());
    }

    // Ctrl+F, the query typed, and its count announced.
    QLineEdit *buscar(const QString &consulta)
    {
        tecla(Qt::CTRL | Qt::Key_F);
        auto *const texto = ventana->findChild<QLineEdit *>(u"Texto_Buscar"_s);
        if (!texto || !QTest::qWaitFor([texto] { return texto->hasFocus(); }))
            return nullptr;
        teclear(texto, consulta);
        if (!QTest::qWaitFor([] { return !anunciado().isEmpty(); }))
            return nullptr;
        return texto;
    }

    std::unique_ptr<Form1> ventana;
};

void TstLectorPantalla::initTestCase()
{
    QAccessible::setActive(true);
    QAccessible::installUpdateHandler(registrar);
    for (const char *esquema : {"mailto", "http", "https"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(esquema), &enlaces, "abrir");
    QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 10000);
}

void TstLectorPantalla::cleanupTestCase()
{
    QAccessible::installUpdateHandler(nullptr);
    for (const char *esquema : {"mailto", "http", "https"})
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(esquema));
}

void TstLectorPantalla::init()
{
    ventana = std::make_unique<Form1>();
    ventana->show();
    ventana->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(ventana.get()));
    QVERIFY(esperarArranque(ventana.get()));
    // The first entry is told as the window is shown, and again once it is active: the first
    // time came before anyone could hear.
    QTRY_COMPARE(anunciado().count(u"Preámbulo, PREÁMBULO"_s), 2);
    sucesos.clear();
}

void TstLectorPantalla::cleanup()
{
    ventana.reset();
}

void TstLectorPantalla::roles_windowAndGroupings()
{
    const auto papel = [](QObject *o) {
        QAccessibleInterface *const iface = QAccessible::queryAccessibleInterface(o);
        return iface ? iface->role() : QAccessible::NoRole;
    };
    QCOMPARE(papel(ventana.get()), QAccessible::Window);
    for (const char *panel : {"Panel_Menu", "Panel4", "Panel_Titulos", "Panel_Cuerpo", "Panel1", "Grupo_Botones_Menu"})
        QCOMPARE(papel(hijo(QLatin1String(panel))), QAccessible::Grouping);
    // Subclasses of a frame keep their own.
    QCOMPARE(papel(hijo(u"StaticText1"_s)), QAccessible::StaticText);
    QCOMPARE(papel(hijo(u"TreeView1"_s)), QAccessible::Tree);
    QCOMPARE(papel(hijo(u"ColorMemo1"_s)), QAccessible::EditableText);
    QCOMPARE(papel(Forma_Acerca::Instancia()), QAccessible::Dialog);
}

void TstLectorPantalla::names_ofTheControls_data()
{
    QTest::addColumn<QString>("objeto");
    QTest::addColumn<QString>("nombre");
    QTest::newRow("selector") << u"Panel4"_s << u"Número del artículo: escriba sus cifras y pulse Intro"_s;
    QTest::newRow("tree") << u"TreeView1"_s << u"Índice: títulos, capítulos y secciones"_s;
    QTest::newRow("depth 0") << u"Boton_0"_s << u"Índice sin límite de niveles"_s;
    QTest::newRow("depth 1") << u"Boton_1"_s << u"Índice: solo los títulos"_s;
    QTest::newRow("depth 2") << u"Boton_2"_s << u"Índice: títulos y capítulos"_s;
    QTest::newRow("depth 3") << u"Boton_3"_s << u"Índice: títulos, capítulos y secciones"_s;
    QTest::newRow("word box") << u"Edit1"_s << u"Palabra que busca en las referencias"_s;
    QTest::newRow("word list") << u"ListBox1"_s << u"Palabras que empiezan así"_s;
    QTest::newRow("entry list") << u"ListBox2"_s << u"Artículos donde está la palabra"_s;
    QTest::newRow("statistics") << u"ListView1"_s << u"Palabras: en cuántos artículos y cuántas veces"_s;
    QTest::newRow("about note") << u"wwDBRichEdit1"_s << u"Nota sobre el texto y el autor"_s;
}

void TstLectorPantalla::names_ofTheControls()
{
    QFETCH(QString, objeto);
    QFETCH(QString, nombre);
    QObject *o = hijo(objeto);
    if (!o)
        o = Forma_Acerca::Instancia()->findChild<QWidget *>(objeto);
    QVERIFY(o);
    QAccessibleInterface *const iface = QAccessible::queryAccessibleInterface(o);
    QVERIFY(iface);
    QCOMPARE(iface->text(QAccessible::Name), nombre);
    // The hidden header of the tree is no bare number.
    if (objeto == u"TreeView1"_s)
        QCOMPARE(static_cast<QTreeWidget *>(o)->headerItem()->text(0), u"Índice"_s);
}

void TstLectorPantalla::moves_areAnnouncedWhereverTheKeyboardIs()
{
    // The keyboard on a menu button; Ctrl+G 1 5 7 Enter.
    hijo(u"Boton_Menu_Siguiente_"_s)->setFocus(Qt::TabFocusReason);
    tecla(Qt::CTRL | Qt::Key_G);
    for (const Qt::Key k : {Qt::Key_1, Qt::Key_5, Qt::Key_7, Qt::Key_Return})
        tecla(QKeyCombination(k));
    QCOMPARE(anunciado(), (QStringList{u"Artículo 157, IV DEL PODER PÚBLICO, II De la Competencia del Poder "
                                       u"Público Nacional"_s}));
    // The next entry, in the same chapter: its caption alone.
    sucesos.clear();
    tecla(Qt::ALT | Qt::Key_PageDown);
    QCOMPARE(anunciado(), QStringList{u"Artículo 158"_s});
    // Back: the caption again, once.
    sucesos.clear();
    tecla(Qt::ALT | Qt::Key_Left);
    QCOMPARE(anunciado(), QStringList{u"Artículo 157"_s});
    // A button: into another title; an amended article carries its note.
    sucesos.clear();
    QTest::mouseClick(static_cast<QPushButton *>(hijo(u"Boton_Menu_Ultimo_"_s)), Qt::LeftButton);
    QCOMPARE(anunciado(), QStringList{u"Única., DISPOSICIÓN FINAL"_s});
    sucesos.clear();
    ventana->elegirArticulo(230);
    QCOMPARE(anunciado(), (QStringList{u"Artículo 230, V DE LA ORGANIZACIÓN DEL PODER PÚBLICO NACIONAL, II Del "
                                       u"Poder Ejecutivo Nacional, Primera: Del Presidente o Presidenta de la "
                                       u"República, Artículo modificado por la Enmienda N.º 1 (Gaceta Oficial N.º "
                                       u"5.908 Extraordinario, 19 de febrero de 2009). Se muestra el texto de 1999."_s}));
}

void TstLectorPantalla::tree_claimsNoFocusItHasNot()
{
    QWidget *const boton = hijo(u"Boton_Menu_Siguiente_"_s);
    boton->setFocus(Qt::TabFocusReason);
    // Moves that change division move the tree's current node; the keyboard stays put.
    for (int n : {157, 20, 300})
        ventana->elegirArticulo(n);
    tecla(Qt::ALT | Qt::Key_PageDown);
    QVERIFY(boton->hasFocus());
    for (const Suceso &s : std::as_const(sucesos))
        QVERIFY2(!(s.tipo == QAccessible::Focus && s.objeto == u"TreeView1"_s), "the tree claimed the focus");
    // With the keyboard in the tree, its moves are focus moves.
    hijo(u"TreeView1"_s)->setFocus(Qt::TabFocusReason);
    sucesos.clear();
    tecla(QKeyCombination(Qt::Key_Down));
    bool foco = false;
    for (const Suceso &s : std::as_const(sucesos))
        foco = foco || (s.tipo == QAccessible::Focus && s.objeto == u"TreeView1"_s);
    QVERIFY(foco);
}

void TstLectorPantalla::searchCount_announcedOnceTypingPauses()
{
    tecla(Qt::CTRL | Qt::Key_F);
    auto *const texto = ventana->findChild<QLineEdit *>(u"Texto_Buscar"_s);
    QVERIFY(texto);
    QTRY_VERIFY(texto->hasFocus());
    sucesos.clear();
    teclear(texto, u"\"derechos humanos\""_s);
    QVERIFY(anunciado().isEmpty()); // not after each keystroke
    QTRY_COMPARE(anunciado(), QStringList{u"38 coincidencias en 24 entradas"_s});
    QTest::qWait(900);
    QCOMPARE(anunciado().size(), 1);
}

// The words offered are said with their keys; taking one says what is searched now and what
// is found, at once and once.
void TstLectorPantalla::searchSuggestion_saidWhenOfferedAndWhenTaken()
{
    sucesos.clear();
    QVERIFY(buscar(u"vivenda"_s));
    QCOMPARE(anunciado(), QStringList{u"Sin coincidencias. ¿Quiso decir «vivienda» (Alt+1) o «viviendas» (Alt+2)?"_s});
    sucesos.clear();
    tecla(Qt::ALT | Qt::Key_2);
    QCOMPARE(anunciado(), QStringList{u"Se busca «viviendas». 6 coincidencias en 5 entradas"_s});
    QTest::qWait(900);
    QCOMPARE(anunciado().size(), 1);
    // The order of the results, chosen by key, is said.
    sucesos.clear();
    tecla(Qt::CTRL | Qt::Key_2);
    QCOMPARE(anunciado(), QStringList{u"Ordenado por Veces, de mayor a menor"_s});
    sucesos.clear();
    tecla(Qt::CTRL | Qt::Key_1);
    QCOMPARE(anunciado(), QStringList{u"Ordenado por Entrada, en el orden del texto"_s});
}

void TstLectorPantalla::aboutLinks_areLinksThatOpen()
{
    Forma_Acerca *const dialogo = Forma_Acerca::Instancia();
    dialogo->show(); // its activation deciphers the addresses
    QVERIFY(QTest::qWaitForWindowExposed(dialogo));
    const struct {
        const char *objeto;
        const char *direccion;
    } casos[] = {{"MyMailAddress", "mailto:"}, {"MyWebAddress", "http"}};
    for (const auto &c : casos) {
        auto *const etiqueta = dialogo->findChild<QLabel *>(QLatin1String(c.objeto));
        QVERIFY(etiqueta);
        QAccessibleInterface *const iface = QAccessible::queryAccessibleInterface(etiqueta);
        QVERIFY(iface);
        QCOMPARE(iface->role(), QAccessible::Link);
        QAccessibleActionInterface *const acciones = iface->actionInterface();
        QVERIFY(acciones);
        QCOMPARE(acciones->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
        // The press action opens the link, as Enter does.
        enlaces.abiertos.clear();
        acciones->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(enlaces.abiertos.size(), 1);
        QVERIFY(enlaces.abiertos.first().toString().startsWith(QLatin1String(c.direccion)));
    }
    dialogo->hide();
}

void TstLectorPantalla::spinButtons_haveValueAndActions()
{
    ventana->elegirArticulo(157);
    const struct {
        const char *giro;
        int valor;
    } casos[] = {{"SpinButton1", 1}, {"SpinButton2", 5}, {"SpinButton3", 7}};
    for (const auto &c : casos) {
        QAccessibleInterface *const iface = QAccessible::queryAccessibleInterface(hijo(QLatin1String(c.giro)));
        QVERIFY(iface);
        QCOMPARE(iface->role(), QAccessible::SpinBox);
        QVERIFY(iface->valueInterface());
        QCOMPARE(iface->valueInterface()->currentValue().toInt(), c.valor);
        QAccessibleActionInterface *const acciones = iface->actionInterface();
        QVERIFY(acciones);
        QCOMPARE(acciones->actionNames(), (QStringList{QAccessibleActionInterface::increaseAction(),
                                                      QAccessibleActionInterface::decreaseAction()}));
        // Increase does what the up arrow does; the new value is told.
        sucesos.clear();
        acciones->doAction(QAccessibleActionInterface::increaseAction());
        QCOMPARE(iface->valueInterface()->currentValue().toInt(), c.valor + 1);
        bool avisado = false;
        for (const Suceso &s : std::as_const(sucesos))
            avisado = avisado || (s.tipo == QAccessible::ValueChanged && s.objeto == QLatin1String(c.giro));
        QVERIFY(avisado);
        acciones->doAction(QAccessibleActionInterface::decreaseAction());
        QCOMPARE(iface->valueInterface()->currentValue().toInt(), c.valor);
    }
    // The digits are back as they were: the go button shows article 157 again.
    QTest::mouseClick(static_cast<QPushButton *>(hijo(u"Boton_Cunsultar_Articulo"_s)), Qt::LeftButton);
    QCOMPARE(anunciado().last(), u"Artículo 157"_s);
}

// Keys whose effect is only seen, or that cannot do anything where they are, say so.
void TstLectorPantalla::keys_sayWhatTheyDid_data()
{
    QTest::addColumn<int>("articulo"); // chosen first; 0 stays on the Preámbulo
    QTest::addColumn<QString>("foco"); // the control given the keyboard first
    QTest::addColumn<QList<QKeyCombination>>("teclas");
    QTest::addColumn<QString>("dicho"); // the last announcement
    const QString menu = u"Boton_Menu_Siguiente_"_s;
    QTest::newRow("Alt+Home on the Preámbulo") << 0 << menu << QList{Qt::ALT | Qt::Key_Home}
                                               << u"Ya está en la primera entrada"_s;
    QTest::newRow("Alt+Page Up on the Preámbulo") << 0 << u"ColorMemo1"_s << QList{Qt::ALT | Qt::Key_PageUp}
                                                  << u"Ya está en la primera entrada"_s;
    QTest::newRow("Alt+Page Down on the last entry")
        << 0 << u"ColorMemo1"_s << QList{Qt::ALT | Qt::Key_End, Qt::ALT | Qt::Key_PageDown}
        << u"Ya está en la última entrada"_s;
    QTest::newRow("Alt+Right at the end of history") << 157 << menu << QList{Qt::ALT | Qt::Key_Right}
                                                     << u"No hay entrada siguiente en el historial"_s;
    QTest::newRow("Alt+Left before any move") << 0 << menu << QList{Qt::ALT | Qt::Key_Left}
                                               << u"No hay entrada anterior en el historial"_s;
    QTest::newRow("Ctrl+Shift+C") << 157 << menu << QList{Qt::CTRL | Qt::SHIFT | Qt::Key_C}
                                  << u"Copiado con la cita"_s;
    QTest::newRow("Ctrl+=") << 0 << menu << QList{Qt::CTRL | Qt::Key_Equal} << u"Tamaño del texto 9 puntos"_s;
    QTest::newRow("Ctrl+- twice") << 0 << menu << QList{Qt::CTRL | Qt::Key_Minus, Qt::CTRL | Qt::Key_Minus}
                                  << u"Tamaño del texto 6 puntos"_s;
    QTest::newRow("Ctrl+- at the smallest") << 0 << menu
                                            << QList{Qt::CTRL | Qt::Key_Minus, Qt::CTRL | Qt::Key_Minus,
                                                     Qt::CTRL | Qt::Key_Minus}
                                            << u"Tamaño del texto 6 puntos"_s;
    QTest::newRow("Ctrl+0 after Ctrl+=") << 0 << menu << QList{Qt::CTRL | Qt::Key_Equal, Qt::CTRL | Qt::Key_0}
                                         << u"Tamaño del texto 8 puntos"_s;
    QTest::newRow("Ctrl+G, Up") << 230 << menu << QList{Qt::CTRL | Qt::Key_G, QKeyCombination(Qt::Key_Up)}
                                << u"231"_s;
    QTest::newRow("Ctrl+G, Down") << 230 << menu << QList{Qt::CTRL | Qt::Key_G, QKeyCombination(Qt::Key_Down)}
                                  << u"229"_s;
    QTest::newRow("Space on the index button") << 0 << u"Boton_Menu_Indice_"_s << QList{QKeyCombination(Qt::Key_Space)}
                                               << u"Índice oculto. Mostrar el índice izquierdo"_s;
    QTest::newRow("Space on it again") << 0 << u"Boton_Menu_Indice_"_s
                                       << QList{QKeyCombination(Qt::Key_Space), QKeyCombination(Qt::Key_Space)}
                                       << u"Índice mostrado. Ocultar el índice izquierdo"_s;
    QTest::newRow("Ctrl+3 in the statistics") << 0 << u"ListView1"_s << QList{Qt::CTRL | Qt::Key_3}
                                              << u"Ordenado por Veces, de mayor a menor"_s;
    QTest::newRow("Ctrl+2 in the statistics") << 0 << u"ListView1"_s << QList{Qt::CTRL | Qt::Key_2}
                                              << u"Ordenado por Artículos, de mayor a menor"_s;
    QTest::newRow("Ctrl+1 in the statistics") << 0 << u"ListView1"_s << QList{Qt::CTRL | Qt::Key_1}
                                              << u"Ordenado por Palabra, de la A a la Z"_s;
}

void TstLectorPantalla::keys_sayWhatTheyDid()
{
    QFETCH(int, articulo);
    QFETCH(QString, foco);
    QFETCH(QList<QKeyCombination>, teclas);
    QFETCH(QString, dicho);
    if (articulo > 0)
        ventana->elegirArticulo(articulo);
    if (foco == u"ListView1"_s)
        static_cast<QTabWidget *>(hijo(u"PageControl1"_s))->setCurrentIndex(2);
    hijo(foco)->setFocus(Qt::TabFocusReason);
    QVERIFY(hijo(foco)->hasFocus());
    sucesos.clear();
    for (const QKeyCombination c : std::as_const(teclas))
        tecla(c);
    QVERIFY(!anunciado().isEmpty());
    QCOMPARE(anunciado().last(), dicho);
}

// Left and Right on a node say whether it closed or opened; where the depth chosen lets it
// not open, that is said. Each node carries its level and place as its description.
void TstLectorPantalla::tree_saysOpenClosedAndLevel()
{
    auto *const arbol = static_cast<QTreeWidget *>(hijo(u"TreeView1"_s));
    arbol->setFocus(Qt::TabFocusReason);
    // Title IV, with its five chapters.
    const QList<QTreeWidgetItem *> encontrados = arbol->findItems(u"Título IV"_s, Qt::MatchStartsWith);
    QCOMPARE(encontrados.size(), 1);
    QTreeWidgetItem *const titulo = encontrados.first();
    arbol->setCurrentItem(titulo);
    sucesos.clear();
    tecla(QKeyCombination(Qt::Key_Left));
    QCOMPARE(anunciado(), QStringList{u"Cerrado"_s});
    sucesos.clear();
    tecla(QKeyCombination(Qt::Key_Right));
    QCOMPARE(anunciado(), QStringList{u"Abierto, 5 elementos"_s});
    const auto descripcion = [](QTreeWidgetItem *nodo) {
        return nodo->data(0, Qt::AccessibleDescriptionRole).toString();
    };
    QCOMPARE(descripcion(titulo).section(u',', 0, 0), u"nivel 1"_s);
    // Chapter I and its second section, "De la Administración Pública".
    QCOMPARE(descripcion(titulo->child(0)), u"nivel 2, 1 de 5"_s);
    QCOMPARE(descripcion(titulo->child(0)->child(1)), u"nivel 3, 2 de 5"_s);
    // Only the titles: Right opens nothing, and says so.
    auto *const soloTitulos = static_cast<QAbstractButton *>(hijo(u"Boton_1"_s));
    soloTitulos->click();
    arbol->setFocus(Qt::TabFocusReason);
    arbol->setCurrentItem(titulo);
    sucesos.clear();
    tecla(QKeyCombination(Qt::Key_Right));
    QVERIFY(!titulo->isExpanded());
    QCOMPARE(anunciado(), QStringList{u"No se abre: el índice muestra solo los títulos"_s});
}

// The About dialog: its picture and links are named, its widening and the keys that do
// nothing visible are told.
void TstLectorPantalla::about_saysWhatOnlyShows()
{
    Forma_Acerca *const dialogo = Forma_Acerca::Instancia();
    dialogo->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialogo));
    const auto nombre = [dialogo](const char *objeto) {
        QAccessibleInterface *const iface =
            QAccessible::queryAccessibleInterface(dialogo->findChild<QWidget *>(QLatin1String(objeto)));
        return iface ? iface->text(QAccessible::Name) : QString();
    };
    QCOMPARE(nombre("Imagen"), u"Imagen de un paisaje"_s);
    QCOMPARE(nombre("MyMailAddress"), u"Correo: lector@example.org"_s);
    QCOMPARE(nombre("MyWebAddress"), u"Web: https://www.example.org/constitucion"_s);
    auto *const boton = dialogo->findChild<QPushButton *>(u"Boton_Flecha"_s);
    boton->setFocus(Qt::TabFocusReason);
    const auto ultimoAviso = [] {
        QStringList r;
        for (const Suceso &s : std::as_const(sucesos))
            if (s.tipo == QAccessible::ObjectShow && s.papel == QAccessible::Notification)
                r << s.nombre;
        return r.value(r.size() - 1);
    };
    sucesos.clear();
    QTest::keyClick(boton, Qt::Key_Escape);
    QVERIFY(dialogo->isVisible());
    QCOMPARE(ultimoAviso(), u"Este diálogo se cierra con su botón: Acerca de..., luego Cerrar"_s);
    QTest::keyClick(boton, Qt::Key_Return);
    QCOMPARE(ultimoAviso(), u"Ampliado: la nota sobre el texto y los datos del autor. El botón ahora es Cerrar"_s);
    QTest::keyClick(boton, Qt::Key_Escape);
    QCOMPARE(ultimoAviso(), u"Este diálogo se cierra con su botón Cerrar"_s);
    QTest::keyClick(boton, Qt::Key_Return);
    QVERIFY(!dialogo->isVisible());
}

void TstLectorPantalla::f3_oneAnnouncementPerHitNoSelectionStorm()
{
    QVERIFY(buscar(u"\"derechos humanos\""_s));
    tecla(QKeyCombination(Qt::Key_Return)); // the first result, the Preámbulo
    tecla(QKeyCombination(Qt::Key_F3));     // article 2
    // Into article 19, which holds two hits: one announcement, the entry then the hit. Its
    // hits are marked without a word to a screen reader (no selection, no change of text
    // reported); the caret moves as the old text goes, as the new one comes in and stands at
    // its end, and once more, to the hit: a few moves, not two for every mark.
    sucesos.clear();
    tecla(QKeyCombination(Qt::Key_F3));
    QCOMPARE(anunciado(), QStringList{u"Artículo 19, III DE LOS DERECHOS HUMANOS Y GARANTÍAS, Y DE LOS DEBERES, I "
                                      u"Disposiciones Generales. coincidencia 1 de 2 en el Artículo 19: … e "
                                      u"interdependiente de los derechos humanos. Su respeto y garantía son …"_s});
    QCOMPARE(cuantos(QAccessible::TextSelectionChanged, u"ColorMemo1"_s), 0);
    QCOMPARE(cuantos(QAccessible::TextUpdated, u"ColorMemo1"_s), 0);
    QVERIFY(cuantos(QAccessible::TextCaretMoved, u"ColorMemo1"_s) <= 4);
    // Within the entry: the hit alone, one move of the caret.
    sucesos.clear();
    tecla(QKeyCombination(Qt::Key_F3));
    QCOMPARE(anunciado(), QStringList{u"coincidencia 2 de 2 en el Artículo 19: … con los tratados sobre derechos "
                                      u"humanos suscritos y ratificados por la …"_s});
    QCOMPARE(cuantos(QAccessible::TextSelectionChanged, u"ColorMemo1"_s), 0);
    QCOMPARE(cuantos(QAccessible::TextCaretMoved, u"ColorMemo1"_s), 1);
    // On into article 22, shorter than the place of the last hit: what a screen reader asks
    // of the text is answered from the new text (any out-of-range position would warn).
    sucesos.clear();
    tecla(QKeyCombination(Qt::Key_F3));
    QCOMPARE(anunciado(), QStringList{u"Artículo 22. coincidencia 1 de 1 en el Artículo 22: … internacionales "
                                      u"sobre derechos humanos no debe entenderse como …"_s});
    QAccessibleTextInterface *const texto =
        QAccessible::queryAccessibleInterface(hijo(u"ColorMemo1"_s))->textInterface();
    QVERIFY(texto);
    QCOMPARE(texto->selectionCount(), 0);
    int inicio = 0;
    int fin = 0;
    QVERIFY(texto->textAtOffset(texto->cursorPosition(), QAccessible::LineBoundary, &inicio, &fin)
                .contains(u"derechos humanos"_s));
}

void TstLectorPantalla::hiddenSearchWindow_tellsNothing()
{
    QLineEdit *const texto = buscar(u"\"derechos humanos\""_s);
    QVERIFY(texto);
    tecla(QKeyCombination(Qt::Key_Return));
    QWidget *const buscador = texto->window();
    QTest::keyClick(texto, Qt::Key_Escape);
    QTRY_VERIFY(!buscador->isVisible());
    ventana->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(ventana.get()));
    // F3 and Shift+F3 from the main window: the entries are announced, and nothing comes
    // from the hidden window, whose list and passage follow the hits.
    for (const QKeyCombination c : {QKeyCombination(Qt::Key_F3), Qt::SHIFT | Qt::Key_F3, QKeyCombination(Qt::Key_F3)}) {
        sucesos.clear();
        tecla(c);
        QCOMPARE(anunciado().size(), 1);
        for (const Suceso &s : std::as_const(sucesos))
            QVERIFY2(s.ventana != buscador->objectName(), qPrintable(s.objeto));
    }
    QCOMPARE(anunciado().first(), u"Artículo 2, I PRINCIPIOS FUNDAMENTALES. coincidencia 1 de 1 en el Artículo 2: "
                                  u"… general, la preeminencia de los derechos humanos, la ética y el pluralismo …"_s);
    // Shown again, the window shows where F3 left it.
    tecla(Qt::CTRL | Qt::Key_F);
    auto *const lista = buscador->findChild<QTableView *>(u"Lista_Resultados"_s);
    QTRY_VERIFY(buscador->isVisible());
    QCOMPARE(lista->model()->index(lista->currentIndex().row(), 0).data().toString(), u"Artículo 2"_s);
    QCOMPARE(buscador->findChild<QLabel *>(u"Rotulo_Vista"_s)->text(), u"Artículo 2"_s);
}

void TstLectorPantalla::firstRow_heardWhenAListTakesTheKeyboard()
{
    // Down from the search box: the list takes the keyboard, then its first row is told.
    QVERIFY(buscar(u"\"derechos humanos\""_s));
    sucesos.clear();
    tecla(QKeyCombination(Qt::Key_Down));
    QTRY_COMPARE(ultimoFoco(), u"Lista_Resultados/Preámbulo"_s);
    // Into the statistics table, its first row; Down then the second.
    ventana->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(ventana.get()));
    auto *const paginas = ventana->findChild<QTabWidget *>(u"PageControl1"_s);
    paginas->setCurrentIndex(2);
    sucesos.clear();
    hijo(u"ListView1"_s)->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(ultimoFoco(), u"ListView1/Abandono"_s);
    tecla(QKeyCombination(Qt::Key_Down));
    QCOMPARE(ultimoFoco(), u"ListView1/Abierta"_s);
    // The word list of "Referencias": Down chooses the first word, and it is told.
    paginas->setCurrentIndex(1);
    teclear(hijo(u"Edit1"_s), u"estadal"_s);
    hijo(u"ListBox1"_s)->setFocus(Qt::TabFocusReason);
    QTest::qWait(50);
    sucesos.clear();
    tecla(QKeyCombination(Qt::Key_Down));
    QCOMPARE(ultimoFoco(), u"ListBox1/Estadal"_s);
}

void TstLectorPantalla::rows_readWithTheirNouns()
{
    // A bare number read aloud says nothing: the counts are read with their nouns, and shown
    // as they were.
    QVERIFY(buscar(u"\"derechos humanos\""_s));
    auto *const lista = ventana->findChild<QTableView *>(u"Lista_Resultados"_s);
    QAccessibleTableInterface *const resultados = QAccessible::queryAccessibleInterface(lista)->tableInterface();
    QVERIFY(resultados);
    const struct {
        int fila;
        const char16_t *entrada;
        const char16_t *leida;
    } casos[] = {{0, u"Preámbulo", u"1 coincidencia"}, {2, u"Artículo 19", u"2 coincidencias"}};
    for (const auto &c : casos) {
        QCOMPARE(resultados->cellAt(c.fila, 0)->text(QAccessible::Name), QString::fromUtf16(c.entrada));
        QCOMPARE(resultados->cellAt(c.fila, 1)->text(QAccessible::Name), QString::fromUtf16(c.leida));
        QCOMPARE(lista->model()->index(c.fila, 1).data().toString(), QString::fromUtf16(c.leida).section(u' ', 0, 0));
    }
    auto *const estadisticas = ventana->findChild<QTableView *>(u"ListView1"_s);
    QAccessibleTableInterface *const tabla = QAccessible::queryAccessibleInterface(estadisticas)->tableInterface();
    QVERIFY(tabla);
    QCOMPARE(tabla->cellAt(0, 0)->text(QAccessible::Name), u"Abandono"_s);
    QCOMPARE(tabla->cellAt(0, 1)->text(QAccessible::Name), u"1 artículo"_s);
    QCOMPARE(tabla->cellAt(0, 2)->text(QAccessible::Name), u"1 vez"_s);
    QCOMPARE(estadisticas->model()->index(0, 1).data().toString(), u"001"_s);
    QAbstractItemModel *const palabras = estadisticas->model();
    const QModelIndexList derechos =
        palabras->match(palabras->index(0, 0), Qt::DisplayRole, u"derechos"_s, 1, Qt::MatchFixedString);
    QCOMPARE(derechos.size(), 1);
    QVERIFY(tabla->cellAt(derechos[0].row(), 1)->text(QAccessible::Name).endsWith(u" artículos"_s));
    QVERIFY(tabla->cellAt(derechos[0].row(), 2)->text(QAccessible::Name).endsWith(u" veces"_s));
}

PRUEBA_MAIN(TstLectorPantalla)
#include "tst_lector_pantalla.moc"
