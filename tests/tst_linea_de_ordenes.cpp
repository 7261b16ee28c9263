// The command line and the start without a display: the arguments read before the
// application exists, the platform Qt would choose, the lines printed, and the real program
// answering --help and --version, refusing bad arguments and missing displays with its own
// line and exit code, and opening at the article asked for.
#include "avisos_qt.h"
#include "form1.h"
#include "linea_de_ordenes.h"
#include "pantalla.h"

#include <QApplication>
#include <QLabel>
#include <QProcess>
#include <QDir>
#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(Ordenes::Accion)

namespace {

struct Resultado {
    int codigo = -1;
    QString salida;
    QString errores;
};

// Runs the real program with these arguments; `quitar` are removed from the environment and
// `poner` ("NAME=value") added. Waits at most `milisegundos`; a program still running then is
// stopped and reported with code -2.
Resultado ejecutar(const QStringList &argumentos, const QStringList &quitar, const QStringList &poner,
                   int milisegundos = 60000)
{
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    for (const QString &nombre : quitar)
        entorno.remove(nombre);
    for (const QString &par : poner)
        entorno.insert(par.section(QLatin1Char('='), 0, 0), par.section(QLatin1Char('='), 1));
    QProcess p;
    p.setProcessEnvironment(entorno);
    p.start(QStringLiteral(CONSTITUCION_EXE), argumentos);
    if (!p.waitForStarted())
        return {};
    Resultado r;
    if (p.waitForFinished(milisegundos)) {
        r.codigo = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    } else {
        r.codigo = -2;
        p.kill();
        p.waitForFinished();
    }
    r.salida = QString::fromLocal8Bit(p.readAllStandardOutput());
    r.errores = QString::fromLocal8Bit(p.readAllStandardError());
    return r;
}

const QStringList SinPantalla{QStringLiteral("DISPLAY"), QStringLiteral("WAYLAND_DISPLAY"),
                              QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("XDG_SESSION_TYPE")};

} // namespace

class TstLineaDeOrdenes : public QObject
{
    Q_OBJECT

private slots:
    void leerOrdenes_acceptsArticlesHelpVersionAndQtOptions_data();
    void leerOrdenes_acceptsArticlesHelpVersionAndQtOptions();
    void faltaDePantalla_followsQtsChoiceOfPlatform_data();
    void faltaDePantalla_followsQtsChoiceOfPlatform();
    void pantallaNoDisponible_namesTheMissingPluginsPackage_data();
    void pantallaNoDisponible_namesTheMissingPluginsPackage();
    void elegirArticulo_opensThereAfterTheActivation_data();
    void elegirArticulo_opensThereAfterTheActivation();
    void program_answersWithoutADisplay_data();
    void program_answersWithoutADisplay();
    void program_withAGoodArticle_opensAndRuns();
};

void TstLineaDeOrdenes::leerOrdenes_acceptsArticlesHelpVersionAndQtOptions_data()
{
    QTest::addColumn<QStringList>("argumentos");
    QTest::addColumn<Ordenes::Accion>("accion");
    QTest::addColumn<int>("articulo");
    QTest::addColumn<QString>("plataforma");
    QTest::addColumn<QString>("consulta");
    using A = Ordenes::Accion;
    const auto fila = [](const char *nombre, const QStringList &args, A accion, int articulo,
                         const QString &plataforma = {}, const QString &consulta = {}) {
        QTest::newRow(nombre) << args << accion << articulo << plataforma << consulta;
    };
    fila("nothing", {}, A::Abrir, -1);
    fila("preamble", {"0"}, A::Abrir, 0);
    fila("article 157", {"157"}, A::Abrir, 157);
    fila("as the selector shows it", {"007"}, A::Abrir, 7);
    fila("last article", {"350"}, A::Abrir, 350);
    fila("--articulo N", {"--articulo", "157"}, A::Abrir, 157);
    fila("--articulo=N", {"--articulo=12"}, A::Abrir, 12);
    fila("Qt options pass", {"-platform", "offscreen", "-reverse", "--style", "fusion", "33"}, A::Abrir, 33,
         QStringLiteral("offscreen"));
    fila("--help", {"--help"}, A::Ayuda, -1);
    fila("-h", {"-h"}, A::Ayuda, -1);
    fila("--help wins over an article", {"12", "--help"}, A::Ayuda, 12);
    fila("--version", {"--version"}, A::Version, -1);
    fila("out of range", {"351"}, A::Error, -1);
    fila("far out of range", {"99999999999"}, A::Error, -1);
    fila("negative", {"-5"}, A::Error, -1);
    fila("not a number", {"abc"}, A::Error, -1);
    fila("number and letters", {"12a"}, A::Error, -1);
    fila("empty", {""}, A::Error, -1);
    fila("--articulo without value", {"--articulo"}, A::Error, -1);
    fila("--articulo out of range", {"--articulo", "400"}, A::Error, -1);
    fila("--articulo= empty", {"--articulo="}, A::Error, -1);
    fila("two articles", {"1", "2"}, A::Error, -1);
    fila("unknown option", {"--nada"}, A::Error, -1);
    fila("bad argument wins over --help", {"--help", "abc"}, A::Error, -1);
    fila("Qt option without its value", {"-platform"}, A::Error, -1);
    fila("--buscar CONSULTA", {"--buscar", "derecho vivienda"}, A::Buscar, -1, {}, QStringLiteral("derecho vivienda"));
    fila("--buscar=CONSULTA keeps its own =", {"--buscar=a=b"}, A::Buscar, -1, {}, QStringLiteral("a=b"));
    fila("--buscar with quotes and a minus", {"--buscar", "\"derechos humanos\" -tratados"}, A::Buscar, -1, {},
         QStringLiteral("\"derechos humanos\" -tratados"));
    fila("--buscar of an empty text", {"--buscar", ""}, A::Buscar, -1, {}, QString());
    fila("--buscar with Qt options", {"-platform", "xcb", "--buscar", "voto"}, A::Buscar, -1,
         QStringLiteral("xcb"), QStringLiteral("voto"));
    fila("--help wins over --buscar", {"--buscar", "voto", "--help"}, A::Ayuda, -1, {}, QStringLiteral("voto"));
    fila("--texto N", {"--texto", "230"}, A::Texto, 230);
    fila("--texto=0", {"--texto=0"}, A::Texto, 0);
    fila("--buscar without its query", {"--buscar"}, A::Error, -1);
    fila("--texto without its number", {"--texto"}, A::Error, -1);
    fila("--texto out of range", {"--texto", "351"}, A::Error, -1);
    fila("--texto=1=2", {"--texto=1=2"}, A::Error, -1);
    fila("--buscar and an article", {"--buscar", "voto", "12"}, A::Error, -1);
    fila("an article and --texto", {"12", "--texto", "13"}, A::Error, -1);
    fila("--texto and --buscar", {"--texto", "12", "--buscar", "voto"}, A::Error, -1);
    fila("two --buscar", {"--buscar", "voto", "--buscar", "ley"}, A::Error, -1);
}

void TstLineaDeOrdenes::leerOrdenes_acceptsArticlesHelpVersionAndQtOptions()
{
    QFETCH(QStringList, argumentos);
    QFETCH(Ordenes::Accion, accion);
    QFETCH(int, articulo);
    QFETCH(QString, plataforma);
    QFETCH(QString, consulta);
    const Ordenes o = leerOrdenes(argumentos);
    QCOMPARE(o.accion, accion);
    if (accion == Ordenes::Accion::Error) {
        // One line saying what is accepted.
        QVERIFY(!o.error.contains(QLatin1Char('\n')));
        QVERIFY2(o.error.contains(QLatin1String("0 a 350")) && o.error.contains(QLatin1String("--articulo N")),
                 qPrintable(o.error));
        return;
    }
    QCOMPARE(o.articulo, articulo);
    QCOMPARE(o.plataforma, plataforma);
    QCOMPARE(o.consulta, consulta);
}

void TstLineaDeOrdenes::faltaDePantalla_followsQtsChoiceOfPlatform_data()
{
    QTest::addColumn<QByteArray>("qpa");
    QTest::addColumn<QByteArray>("opcion");
    QTest::addColumn<QByteArray>("sesion");
    QTest::addColumn<QByteArray>("display");
    QTest::addColumn<QByteArray>("wayland");
    QTest::addColumn<QStringList>("plataformas");
    QTest::addColumn<QString>("falta"); // a part of the line; empty when a display may be there
    const QStringList xcb{QStringLiteral("xcb")};
    const QStringList waylandXcb{QStringLiteral("wayland"), QStringLiteral("xcb")};
    QTest::newRow("nothing set") << QByteArray() << QByteArray() << QByteArray() << QByteArray() << QByteArray()
                                 << xcb << QStringLiteral("falta DISPLAY (X11);");
    QTest::newRow("X11 display") << QByteArray() << QByteArray() << QByteArray("x11") << QByteArray(":0")
                                 << QByteArray() << xcb << QString();
    QTest::newRow("tty session") << QByteArray() << QByteArray() << QByteArray("tty") << QByteArray()
                                 << QByteArray() << xcb << QStringLiteral("DISPLAY");
    QTest::newRow("Wayland session") << QByteArray() << QByteArray() << QByteArray("wayland") << QByteArray()
                                     << QByteArray("wayland-0") << waylandXcb << QString();
    QTest::newRow("Wayland session, X11 only") << QByteArray() << QByteArray() << QByteArray("wayland")
                                               << QByteArray(":0") << QByteArray() << waylandXcb << QString();
    QTest::newRow("Wayland session, neither")
        << QByteArray() << QByteArray() << QByteArray("wayland") << QByteArray() << QByteArray() << waylandXcb
        << QStringLiteral("falta WAYLAND_DISPLAY (Wayland) y DISPLAY (X11);");
    QTest::newRow("QT_QPA_PLATFORM wins") << QByteArray("wayland") << QByteArray() << QByteArray("x11")
                                          << QByteArray(":0") << QByteArray() << QStringList{QStringLiteral("wayland")}
                                          << QStringLiteral("WAYLAND_DISPLAY");
    QTest::newRow("offscreen needs nothing") << QByteArray("offscreen") << QByteArray() << QByteArray()
                                             << QByteArray() << QByteArray()
                                             << QStringList{QStringLiteral("offscreen")} << QString();
    QTest::newRow("plugin arguments dropped") << QByteArray("xcb:foo=1;vnc:size=800x600") << QByteArray()
                                              << QByteArray() << QByteArray() << QByteArray()
                                              << QStringList{QStringLiteral("xcb"), QStringLiteral("vnc")}
                                              << QString();
    QTest::newRow("-platform wins") << QByteArray("offscreen") << QByteArray("xcb") << QByteArray() << QByteArray()
                                    << QByteArray() << xcb << QStringLiteral("DISPLAY");
    QTest::newRow("nothing named") << QByteArray(";") << QByteArray() << QByteArray() << QByteArray()
                                   << QByteArray() << QStringList() << QStringLiteral("QT_QPA_PLATFORM");
}

void TstLineaDeOrdenes::faltaDePantalla_followsQtsChoiceOfPlatform()
{
    QFETCH(QByteArray, qpa);
    QFETCH(QByteArray, opcion);
    QFETCH(QByteArray, sesion);
    QFETCH(QByteArray, display);
    QFETCH(QByteArray, wayland);
    QFETCH(QStringList, plataformas);
    QFETCH(QString, falta);
    const EntornoPantalla e{qpa, opcion, sesion, display, wayland};
    QCOMPARE(plataformasElegidas(e), plataformas);
    const QString linea = faltaDePantalla(e);
    if (falta.isEmpty()) {
        QCOMPARE(linea, QString());
    } else {
        QVERIFY2(linea.startsWith(QLatin1String("constitucion: no hay pantalla")), qPrintable(linea));
        QVERIFY2(linea.contains(falta), qPrintable(linea));
        QVERIFY(!linea.contains(QLatin1Char('\n')));
    }
}

void TstLineaDeOrdenes::pantallaNoDisponible_namesTheMissingPluginsPackage_data()
{
    QTest::addColumn<QByteArray>("qpa");
    QTest::addColumn<QByteArray>("sesion");
    QTest::addColumn<QByteArray>("display");
    QTest::addColumn<QByteArray>("wayland");
    QTest::addColumn<QString>("mensaje");
    QTest::addColumn<QString>("linea");
    const QString fallo = QStringLiteral("This application failed to start because no Qt platform plugin could be "
                                         "initialized. Reinstalling the application may fix this problem.");
    const QString disponibles = QStringLiteral("\n\nAvailable platform plugins are: minimal, linuxfb, offscreen, "
                                               "xcb, eglfs, vnc, vkkhrdisplay, minimalegl.\n");
    const auto noEncontrado = [&fallo](const char *plugin) {
        return QStringLiteral("qt.qpa.plugin: Could not find the Qt platform plugin \"%1\" in \"\"\n")
                   .arg(QLatin1String(plugin))
               + fallo;
    };
    const auto falta = [](const char *plugin, const char *paquete) {
        return QStringLiteral("constitucion: falta el complemento de pantalla de Qt «%1» (en Debian, el paquete %2).")
            .arg(QLatin1String(plugin), QLatin1String(paquete));
    };
    // Every platform plugin family Debian 12 ships, missing: the package that ships it
    // (dpkg -S on the plugins' files).
    QTest::newRow("wayland not installed")
        << QByteArray("wayland") << QByteArray() << QByteArray() << QByteArray("wayland-0") << noEncontrado("wayland")
        << falta("wayland", "qt6-wayland");
    QTest::newRow("wayland-egl not installed")
        << QByteArray("wayland-egl") << QByteArray() << QByteArray() << QByteArray("wayland-0")
        << noEncontrado("wayland-egl") << falta("wayland-egl", "qt6-wayland");
    QTest::newRow("xcb not installed")
        << QByteArray() << QByteArray() << QByteArray(":0") << QByteArray()
        << QStringLiteral("Could not find the Qt platform plugin \"xcb\" in \"\"\n") + fallo
        << falta("xcb", "libqt6gui6");
    QTest::newRow("eglfs not installed") << QByteArray("eglfs") << QByteArray() << QByteArray() << QByteArray()
                                         << noEncontrado("eglfs") << falta("eglfs", "libqt6opengl6");
    QTest::newRow("linuxfb not installed") << QByteArray("linuxfb") << QByteArray() << QByteArray() << QByteArray()
                                           << noEncontrado("linuxfb") << falta("linuxfb", "libqt6gui6");
    QTest::newRow("vnc not installed") << QByteArray("vnc:size=800x600") << QByteArray() << QByteArray()
                                       << QByteArray() << noEncontrado("vnc") << falta("vnc", "qt6-qpa-plugins");
    QTest::newRow("offscreen not installed") << QByteArray("offscreen") << QByteArray() << QByteArray()
                                             << QByteArray() << noEncontrado("offscreen")
                                             << falta("offscreen", "libqt6gui6");
    QTest::newRow("minimal not installed") << QByteArray("minimal") << QByteArray() << QByteArray() << QByteArray()
                                           << noEncontrado("minimal") << falta("minimal", "libqt6gui6");
    // The same families installed but failing to start: the display each one tried.
    QTest::newRow("wayland-egl without its compositor")
        << QByteArray("wayland-egl") << QByteArray() << QByteArray() << QByteArray("wayland-1")
        << QStringLiteral("Failed to create wl_display (No such file or directory)\n") + fallo
        << QStringLiteral("constitucion: no se pudo abrir la pantalla Wayland «wayland-1» (WAYLAND_DISPLAY).");
    QTest::newRow("wayland-egl, no WAYLAND_DISPLAY: Qt's default")
        << QByteArray("wayland-egl") << QByteArray() << QByteArray() << QByteArray()
        << QStringLiteral("Failed to create wl_display (No such file or directory)\n") + fallo
        << QStringLiteral("constitucion: no se pudo abrir la pantalla Wayland «wayland-0» (WAYLAND_DISPLAY).");
    QTest::newRow("eglfs without a GPU") << QByteArray("eglfs") << QByteArray() << QByteArray() << QByteArray()
                                         << QStringLiteral("EGL Error : Could not create the egl surface\n") + fallo
                                         << QStringLiteral("constitucion: no se pudo abrir la pantalla «eglfs».");
    QTest::newRow("linuxfb without a framebuffer")
        << QByteArray("linuxfb:fb=/dev/fb9") << QByteArray() << QByteArray() << QByteArray()
        << QStringLiteral("qt.qpa.fb: Failed to open framebuffer /dev/fb9 (No such file or directory)\n") + fallo
        << QStringLiteral("constitucion: no se pudo abrir la pantalla «linuxfb».");
    const auto noSeAbrio = [](const char *plataforma) {
        return QStringLiteral("constitucion: no se pudo abrir la pantalla «%1».").arg(QLatin1String(plataforma));
    };
    QTest::newRow("vnc that cannot listen")
        << QByteArray("vnc") << QByteArray() << QByteArray() << QByteArray() << fallo << noSeAbrio("vnc");
    QTest::newRow("offscreen that fails")
        << QByteArray("offscreen") << QByteArray() << QByteArray() << QByteArray() << fallo << noSeAbrio("offscreen");
    QTest::newRow("minimal that fails")
        << QByteArray("minimal") << QByteArray() << QByteArray() << QByteArray() << fallo << noSeAbrio("minimal");
    QTest::newRow("a name no plugin has: the installed ones")
        << QByteArray("nonsense") << QByteArray() << QByteArray(":0") << QByteArray()
        << QStringLiteral("Could not find the Qt platform plugin \"nonsense\" in \"\"\n") + fallo + disponibles
        << QStringLiteral("constitucion: no hay ninguna plataforma de Qt llamada «nonsense»; las instaladas son: "
                          "minimal, linuxfb, offscreen, xcb, eglfs, vnc, vkkhrdisplay, minimalegl.");
    QTest::newRow("a name no plugin has, none installed")
        << QByteArray("nonsense") << QByteArray() << QByteArray() << QByteArray()
        << QStringLiteral("Could not find the Qt platform plugin \"nonsense\" in \"\"\n") + fallo
        << QStringLiteral("constitucion: no hay ninguna plataforma de Qt llamada «nonsense», ni otra instalada.");
    QTest::newRow("X display that does not answer")
        << QByteArray() << QByteArray("x11") << QByteArray(":99") << QByteArray()
        << QStringLiteral("qt.qpa.xcb: could not connect to display :99\n") + fallo + disponibles
        << QStringLiteral("constitucion: no se pudo abrir la pantalla X11 «:99» (DISPLAY).");
    QTest::newRow("Wayland session, neither answers")
        << QByteArray() << QByteArray("wayland") << QByteArray(":9") << QByteArray()
        << QStringLiteral("qt.qpa.xcb: could not connect to display :9\n") + fallo
        << QStringLiteral("constitucion: no se pudo abrir la pantalla Wayland «wayland-0» (WAYLAND_DISPLAY) ni la "
                          "pantalla X11 «:9» (DISPLAY).");
    QTest::newRow("named compositor")
        << QByteArray("wayland") << QByteArray() << QByteArray() << QByteArray("wayland-7")
        << QStringLiteral("Failed to create wl_display (No such file or directory)\n") + fallo
        << QStringLiteral("constitucion: no se pudo abrir la pantalla Wayland «wayland-7» (WAYLAND_DISPLAY).");
}

void TstLineaDeOrdenes::pantallaNoDisponible_namesTheMissingPluginsPackage()
{
    QFETCH(QByteArray, qpa);
    QFETCH(QByteArray, sesion);
    QFETCH(QByteArray, display);
    QFETCH(QByteArray, wayland);
    QFETCH(QString, mensaje);
    QFETCH(QString, linea);
    QCOMPARE(pantallaNoDisponible(EntornoPantalla{qpa, {}, sesion, display, wayland}, mensaje), linea);
}

void TstLineaDeOrdenes::elegirArticulo_opensThereAfterTheActivation_data()
{
    QTest::addColumn<int>("articulo");
    QTest::addColumn<QString>("rotulo");
    QTest::addColumn<QString>("digitos");
    QTest::newRow("preamble") << 0 << QStringLiteral("Preámbulo") << QStringLiteral("000");
    QTest::newRow("article 7") << 7 << QStringLiteral("Artículo 7") << QStringLiteral("007");
    QTest::newRow("article 157") << 157 << QStringLiteral("Artículo 157") << QStringLiteral("157");
    QTest::newRow("article 350") << 350 << QStringLiteral("Artículo 350") << QStringLiteral("350");
    // Out of range does nothing: the activation's preamble stays, digits as designed.
    QTest::newRow("351") << 351 << QStringLiteral("Preámbulo") << QStringLiteral("000");
    QTest::newRow("-1") << -1 << QStringLiteral("Preámbulo") << QStringLiteral("000");
}

void TstLineaDeOrdenes::elegirArticulo_opensThereAfterTheActivation()
{
    QFETCH(int, articulo);
    QFETCH(QString, rotulo);
    QFETCH(QString, digitos);
    const auto ventana = std::make_unique<Form1>();
    ventana->show(); // the activation runs here, as in main()
    ventana->elegirArticulo(articulo);
    QCOMPARE(ventana->findChild<QLabel *>(QStringLiteral("StaticText1"))->text(), rotulo);
    QString leidos;
    for (const char *nombre : {"StaticText12", "StaticText13", "StaticText14"})
        leidos += ventana->findChild<QLabel *>(QString::fromLatin1(nombre))->text();
    QCOMPARE(leidos, digitos);
}

void TstLineaDeOrdenes::program_answersWithoutADisplay_data()
{
    QTest::addColumn<QStringList>("argumentos");
    QTest::addColumn<QStringList>("poner");
    QTest::addColumn<int>("codigo");
    QTest::addColumn<QString>("salida");  // part of standard output, empty for none
    QTest::addColumn<QString>("error");   // part of the one line on standard error, empty for none
    QTest::newRow("--help") << QStringList{QStringLiteral("--help")} << QStringList() << 0
                            << QStringLiteral("--articulo N") << QString();
    QTest::newRow("--version") << QStringList{QStringLiteral("--version")} << QStringList() << 0
                               << QStringLiteral("constitucion 1.") << QString();
    QTest::newRow("out of range") << QStringList{QStringLiteral("351")} << QStringList() << 2 << QString()
                                  << QStringLiteral("argumento no válido «351»");
    QTest::newRow("not a number") << QStringList{QStringLiteral("--articulo"), QStringLiteral("x")} << QStringList()
                                  << 2 << QString() << QStringLiteral("argumento no válido «--articulo x»");
    // --buscar and --texto print without any display: the blocks, the count line last, grep's codes.
    QTest::newRow("--buscar words anywhere")
        << QStringList{QStringLiteral("--buscar"), QStringLiteral("derecho vivienda")} << QStringList() << 0
        << QStringLiteral("Artículo 82: 4 coincidencias\n"
                          "  Artículo 82. Toda persona tiene [derecho] a una [vivienda] adecuada, segura, …\n")
        << QString();
    QTest::newRow("--buscar, the count line last")
        << QStringList{QStringLiteral("--buscar=derecho vivienda")} << QStringList() << 0
        << QStringLiteral("\n\n10 coincidencias en 3 entradas\n") << QString();
    QTest::newRow("--buscar, an amended article named so")
        << QStringList{QStringLiteral("--buscar"), QStringLiteral("\"reelegido o reelegida\"")} << QStringList() << 0
        << QStringLiteral("Artículo 230 (enmendado): 1 coincidencia\n") << QString();
    QTest::newRow("--buscar finds nothing: 1")
        << QStringList{QStringLiteral("--buscar"), QStringLiteral("xqzw")} << QStringList() << 1
        << QStringLiteral("Sin coincidencias\n") << QString();
    QTest::newRow("--buscar, ¿Quiso decir…?")
        << QStringList{QStringLiteral("--buscar"), QStringLiteral("vivenda")} << QStringList() << 1
        << QStringLiteral("Sin coincidencias. ¿Quiso decir «vivienda»") << QString();
    QTest::newRow("--buscar, only a minus")
        << QStringList{QStringLiteral("--buscar"), QStringLiteral("-tratados")} << QStringList() << 1
        << QStringLiteral("Sin coincidencias: escriba también lo que busca") << QString();
    QTest::newRow("--buscar without its query")
        << QStringList{QStringLiteral("--buscar")} << QStringList() << 2 << QString()
        << QStringLiteral("argumento no válido «--buscar»");
    QTest::newRow("--texto of an amended article")
        << QStringList{QStringLiteral("--texto"), QStringLiteral("230")} << QStringList() << 0
        << QStringLiteral("Constitución de la República Bolivariana de Venezuela (1999), Artículo 230\n"
                          "TÍTULO V DE LA ORGANIZACIÓN DEL PODER PÚBLICO NACIONAL\n"
                          "Capítulo II Del Poder Ejecutivo Nacional\n"
                          "Sección Primera: Del Presidente o Presidenta de la República\n\n"
                          "Artículo modificado por la Enmienda N.º 1 (Gaceta Oficial N.º 5.908 Extraordinario, "
                          "19 de febrero de 2009). Se muestra el texto de 1999.\n\n"
                          "Artículo 230. El período presidencial es de seis años. El Presidente o Presidenta de la "
                          "República puede ser reelegido o reelegida, de inmediato y por una sola vez, para un "
                          "nuevo período.\n")
        << QString();
    QTest::newRow("--texto 0, the preamble")
        << QStringList{QStringLiteral("--texto=0")} << QStringList() << 0
        << QStringLiteral("Constitución de la República Bolivariana de Venezuela (1999), Preámbulo\nPREÁMBULO\n\n"
                          "El pueblo de Venezuela, en ejercicio")
        << QString();
    QTest::newRow("--texto out of range")
        << QStringList{QStringLiteral("--texto"), QStringLiteral("351")} << QStringList() << 2 << QString()
        << QStringLiteral("argumento no válido «--texto 351»");
    QTest::newRow("no display") << QStringList() << QStringList() << 1 << QString()
                                << QStringLiteral("falta DISPLAY (X11)");
    QTest::newRow("no display, good article") << QStringList{QStringLiteral("157")} << QStringList() << 1
                                              << QString() << QStringLiteral("falta DISPLAY (X11)");
    QTest::newRow("Wayland session, no display")
        << QStringList() << QStringList{QStringLiteral("XDG_SESSION_TYPE=wayland")} << 1 << QString()
        << QStringLiteral("falta WAYLAND_DISPLAY (Wayland) y DISPLAY (X11)");
    // Past the environment check: Qt itself fails, and the program still ends with its line.
    QTest::newRow("display that does not answer")
        << QStringList() << QStringList{QStringLiteral("DISPLAY=:987")} << 1 << QString()
        << QStringLiteral("no se pudo abrir la pantalla X11 «:987» (DISPLAY).");
    QTest::newRow("a platform name no plugin has")
        << QStringList() << QStringList{QStringLiteral("QT_QPA_PLATFORM=nonsense")} << 1 << QString()
        << QStringLiteral("no hay ninguna plataforma de Qt llamada «nonsense»; las instaladas son: ");
    QTest::newRow("wayland without a compositor")
        << QStringList()
        << QStringList{QStringLiteral("QT_QPA_PLATFORM=wayland"), QStringLiteral("WAYLAND_DISPLAY=no-hay-tal"),
                       // Set, as in any session: Wayland's own library complains on its own otherwise.
                       QStringLiteral("XDG_RUNTIME_DIR=") + QDir::tempPath()}
        << 1 << QString() << QStringLiteral("constitucion: ");
}

void TstLineaDeOrdenes::program_answersWithoutADisplay()
{
    QFETCH(QStringList, argumentos);
    QFETCH(QStringList, poner);
    QFETCH(int, codigo);
    QFETCH(QString, salida);
    QFETCH(QString, error);
    const Resultado r = ejecutar(argumentos, SinPantalla, poner);
    QVERIFY2(r.codigo == codigo, qPrintable(QStringLiteral("%1: %2%3").arg(r.codigo).arg(r.salida, r.errores)));
    if (salida.isEmpty())
        QCOMPARE(r.salida, QString());
    else
        QVERIFY2(r.salida.contains(salida), qPrintable(r.salida));
    if (error.isEmpty()) {
        QCOMPARE(r.errores, QString());
    } else {
        // Exactly one line, in Spanish, the program's own.
        QVERIFY2(r.errores.startsWith(QLatin1String("constitucion: ")) && r.errores.contains(error)
                     && r.errores.count(QLatin1Char('\n')) == 1 && r.errores.endsWith(QLatin1Char('\n')),
                 qPrintable(r.errores));
    }
}

void TstLineaDeOrdenes::program_withAGoodArticle_opensAndRuns()
{
    // Accepted: the program opens its window and keeps running its event loop until stopped.
    const Resultado r = ejecutar({QStringLiteral("--articulo"), QStringLiteral("157")}, SinPantalla,
                                 {QStringLiteral("QT_QPA_PLATFORM=offscreen")}, 2000);
    QVERIFY2(r.codigo == -2, qPrintable(QStringLiteral("%1: %2").arg(r.codigo).arg(r.errores)));
    QVERIFY2(!r.errores.contains(QLatin1String("constitucion:")), qPrintable(r.errores));
}

PRUEBA_MAIN(TstLineaDeOrdenes)
#include "tst_linea_de_ordenes.moc"
