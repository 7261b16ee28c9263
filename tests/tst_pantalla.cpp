// The real program on a real X server: the test starts its own Xvfb, runs the constitucion
// executable, finds its main window, takes screenshots and reads the bands' colours on screen.
// The last screenshot of the window as it starts is kept in the build tree (CAPTURA_PNG), and
// one of the search window with results (CAPTURA_BUSCAR_PNG).
#include "avisos_qt.h"

#include <QColor>
#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Wide enough for the search window beside the centred main window.
constexpr int AnchoPantalla = 1920;
constexpr int AltoPantalla = 1080;
constexpr QSize Ventana(664, 480);

// A point of the window with the colour it must show.
struct Muestra
{
    const char *que;
    QPoint donde;
    QColor color;
};

// Window coordinates at the designed size, away from any text.
const Muestra Bandas[] = {
    {"yellow stripe", {640, 8}, QColor(255, 255, 0)},
    {"blue stripe", {640, 24}, QColor(0, 0, 255)},
    {"red stripe", {640, 40}, QColor(255, 0, 0)},
    {"maroon title label", {8, 62}, QColor(128, 0, 0)},
    {"olive chapter label", {8, 82}, QColor(128, 128, 0)},
    {"teal section label", {8, 102}, QColor(0, 128, 128)},
    {"maroon title strip", {655, 62}, QColor(128, 0, 0)},
    {"blue caption strip", {308, 117}, QColor(0, 0, 255)},
    {"sky blue text view", {310, 470}, QColor(166, 202, 240)},
};

} // namespace

class TstPantalla : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void mainWindow_designedSizeCentredOnScreen();
    void mainWindow_showsBandColoursInPlace();
    void pointerOverButton_coloursItOnScreen();
    void ctrlF_searchWindowBesideWithResults();
    void closeButton_endsProgram();

private:
    // Runs an X tool on our display and gives its standard output; empty after a failure or a timeout.
    QString herramienta(const QString &programa, const QStringList &argumentos, int espera = 15000);
    QImage captura();
    QColor enPantalla(const QImage &imagen, QPoint p) const { return QColor(imagen.pixel(p)); }
    void ratonA(QPoint enVentana);
    QString diferencias(const QImage &imagen) const;

    QTemporaryDir temporal;
    QProcess xvfb;
    QProcess programa;
    QString pantalla; // ":N"
    QString ventana;  // X window id of the main window
    QPoint origen;    // its top left corner on the screen
};

QString TstPantalla::herramienta(const QString &nombre, const QStringList &argumentos, int espera)
{
    QProcess p;
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    entorno.insert(QStringLiteral("DISPLAY"), pantalla);
    p.setProcessEnvironment(entorno);
    p.start(nombre, argumentos);
    if (!p.waitForFinished(espera)) {
        p.kill();
        p.waitForFinished();
        return {};
    }
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return {};
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

void TstPantalla::initTestCase()
{
    for (const char *necesario : {"Xvfb", "xdotool", "xwininfo", "import"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(necesario)).isEmpty())
            QFAIL(qPrintable(QStringLiteral("%1 is missing (scripts/test installs it)").arg(QLatin1String(necesario))));
    }
    QVERIFY(temporal.isValid());

    // Xvfb picks a free display itself and writes its number on our pipe.
    xvfb.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                                        QStringLiteral("0"),
                                        QStringLiteral("%1x%2x24").arg(AnchoPantalla).arg(AltoPantalla),
                                        QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    QVERIFY2(xvfb.waitForStarted(), "Xvfb did not start");
    QElapsedTimer reloj;
    reloj.start();
    QByteArray salida;
    while (!salida.contains('\n') && reloj.elapsed() < 20000) {
        xvfb.waitForReadyRead(500);
        salida += xvfb.readAllStandardOutput();
    }
    bool ok = false;
    const int numero = salida.trimmed().toInt(&ok);
    QVERIFY2(ok, "Xvfb did not tell its display");
    pantalla = QStringLiteral(":%1").arg(numero);

    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    entorno.insert(QStringLiteral("DISPLAY"), pantalla);
    entorno.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    entorno.insert(QStringLiteral("XDG_RUNTIME_DIR"), temporal.path());
    // Under AddressSanitizer: libxkbcommon-x11 reads X atom names with strndup over their stated length,
    // which is legal but trips the strict string checks inside that system library.
    if (entorno.contains(QStringLiteral("ASAN_OPTIONS")))
        entorno.insert(QStringLiteral("ASAN_OPTIONS"),
                       entorno.value(QStringLiteral("ASAN_OPTIONS")) + QStringLiteral(":strict_string_checks=0"));
    programa.setProcessEnvironment(entorno);
    programa.setProcessChannelMode(QProcess::MergedChannels);
    programa.start(QStringLiteral(CONSTITUCION_EXE), {});
    QVERIFY2(programa.waitForStarted(), CONSTITUCION_EXE " did not start");

    ventana = herramienta(QStringLiteral("xdotool"),
                          {QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--onlyvisible"),
                           QStringLiteral("--name"), QStringLiteral("^CONSTITUCION DE LA REPUBLICA")})
                  .section(QLatin1Char('\n'), 0, 0)
                  .trimmed();
    QVERIFY2(!ventana.isEmpty(), qPrintable(QStringLiteral("no main window on %1; the program said: %2")
                                                .arg(pantalla, QString::fromLocal8Bit(programa.readAll()))));
}

void TstPantalla::cleanupTestCase()
{
    for (QProcess *p : {&programa, &xvfb}) {
        if (p->state() != QProcess::NotRunning) {
            p->terminate();
            if (!p->waitForFinished(5000)) {
                p->kill();
                p->waitForFinished();
            }
        }
    }
    // Whatever Qt or the program warned about is a fault, as in every test.
    QCOMPARE(QString::fromLocal8Bit(programa.readAll()), QString());
}

QImage TstPantalla::captura()
{
    const QString archivo = temporal.filePath(QStringLiteral("captura.png"));
    herramienta(QStringLiteral("import"), {QStringLiteral("-window"), ventana, QStringLiteral("png:") + archivo});
    return QImage(archivo).convertToFormat(QImage::Format_RGB32);
}

void TstPantalla::ratonA(QPoint enVentana)
{
    const QPoint p = origen + enVentana;
    herramienta(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QStringLiteral("--sync"),
                                            QString::number(p.x()), QString::number(p.y())});
}

QString TstPantalla::diferencias(const QImage &imagen) const
{
    QStringList malas;
    for (const Muestra &m : Bandas) {
        if (!imagen.rect().contains(m.donde) || enPantalla(imagen, m.donde) != m.color)
            malas << QStringLiteral("%1 at %2,%3 shows %4").arg(QLatin1String(m.que)).arg(m.donde.x()).arg(m.donde.y())
                         .arg(imagen.rect().contains(m.donde) ? enPantalla(imagen, m.donde).name() : QStringLiteral("nothing"));
    }
    return malas.join(QStringLiteral("; "));
}

void TstPantalla::mainWindow_designedSizeCentredOnScreen()
{
    // Without a window manager there is no frame: the window is the designed outer size.
    const QString info = herramienta(QStringLiteral("xwininfo"), {QStringLiteral("-id"), ventana});
    const auto valor = [&](const char *campo) {
        const QRegularExpression re(QStringLiteral("%1:\\s*(-?\\d+)").arg(QLatin1String(campo)));
        return re.match(info).captured(1).toInt();
    };
    origen = QPoint(valor("Absolute upper-left X"), valor("Absolute upper-left Y"));
    QCOMPARE(QSize(valor("Width"), valor("Height")), Ventana);
    QCOMPARE(origen, QPoint((AnchoPantalla - Ventana.width()) / 2, (AltoPantalla - Ventana.height()) / 2));
}

void TstPantalla::mainWindow_showsBandColoursInPlace()
{
    // The window paints shortly after it is mapped: look again until every band is there.
    QImage imagen;
    QString faltan = QStringLiteral("no screenshot");
    QElapsedTimer reloj;
    reloj.start();
    while (reloj.elapsed() < 20000) {
        imagen = captura();
        if (!imagen.isNull()) {
            faltan = diferencias(imagen);
            if (faltan.isEmpty())
                break;
        }
        QTest::qWait(250);
    }
    if (!imagen.isNull())
        QVERIFY(imagen.save(QStringLiteral(CAPTURA_PNG)));
    QCOMPARE(imagen.size(), Ventana);
    QSet<QRgb> colores;
    for (int y = 0; y < imagen.height(); y += 2)
        for (int x = 0; x < imagen.width(); x += 2)
            colores.insert(imagen.pixel(x, y));
    QVERIFY2(colores.size() > 50, qPrintable(QStringLiteral("only %1 colours on screen").arg(colores.size())));
    QVERIFY2(faltan.isEmpty(), qPrintable(faltan));
}

void TstPantalla::pointerOverButton_coloursItOnScreen()
{
    // "Next" spans x 265..314, y 1..48; below its picture the face shows.
    const QPoint cara(270, 44);
    const QColor colorCara = enPantalla(captura(), cara);
    ratonA(QPoint(290, 24));
    QColor sobre;
    QElapsedTimer reloj;
    reloj.start();
    do {
        sobre = enPantalla(captura(), cara);
    } while (sobre != QColor(56, 176, 222) && reloj.elapsed() < 5000);
    QCOMPARE(sobre, QColor(56, 176, 222));
    ratonA(QPoint(200, 300));
    reloj.restart();
    do {
        sobre = enPantalla(captura(), cara);
    } while (sobre != colorCara && reloj.elapsed() < 5000);
    QCOMPARE(sobre, colorCara);
}

void TstPantalla::ctrlF_searchWindowBesideWithResults()
{
    // No window manager gives the main window the keyboard: ask for it.
    herramienta(QStringLiteral("xdotool"), {QStringLiteral("windowfocus"), QStringLiteral("--sync"), ventana});
    herramienta(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("ctrl+f")});
    const QString buscar = herramienta(QStringLiteral("xdotool"),
                                       {QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--onlyvisible"),
                                        QStringLiteral("--name"), QStringLiteral("^Buscar en la Constituci")})
                               .section(QLatin1Char('\n'), 0, 0)
                               .trimmed();
    QVERIFY2(!buscar.isEmpty(), "Ctrl+F showed no search window");
    const QString info = herramienta(QStringLiteral("xwininfo"), {QStringLiteral("-id"), buscar});
    const QRegularExpression x(QStringLiteral("Absolute upper-left X:\\s*(-?\\d+)"));
    QCOMPARE(x.match(info).captured(1).toInt(), origen.x() + Ventana.width());

    // Once the window has the keyboard: type, go down into the list, choose the first row.
    QElapsedTimer reloj;
    reloj.start();
    while (herramienta(QStringLiteral("xdotool"), {QStringLiteral("getwindowfocus")}).trimmed() != buscar
           && reloj.elapsed() < 10000)
        QTest::qWait(100);
    herramienta(QStringLiteral("xdotool"),
                {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("30"), QStringLiteral("derechos humanos")});
    herramienta(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("Down"), QStringLiteral("Return")});

    // The main window's text shows the first result's one hit, dark orange as the current hit
    // (the others of an entry would be bold on yellow).
    const auto amarillosEnTexto = [this] {
        const QImage imagen = captura();
        int n = 0;
        for (int y = 140; y < qMin(imagen.height(), 470); ++y)
            for (int xx = 300; xx < qMin(imagen.width(), 650); ++xx)
                n += enPantalla(imagen, QPoint(xx, y)) == QColor(255, 140, 0);
        return n;
    };
    reloj.restart();
    int amarillos = 0;
    while ((amarillos = amarillosEnTexto()) == 0 && reloj.elapsed() < 10000)
        QTest::qWait(250);
    QVERIFY2(amarillos > 0, "no hit highlighted in the text");

    const QString archivo = temporal.filePath(QStringLiteral("buscar.png"));
    herramienta(QStringLiteral("import"), {QStringLiteral("-window"), buscar, QStringLiteral("png:") + archivo});
    const QImage imagen = QImage(archivo).convertToFormat(QImage::Format_RGB32);
    QVERIFY(!imagen.isNull());
    QVERIFY(imagen.save(QStringLiteral(CAPTURA_BUSCAR_PNG)));
    int cielo = 0;
    for (int y = 0; y < imagen.height(); y += 2)
        for (int xx = 0; xx < imagen.width(); xx += 2)
            cielo += enPantalla(imagen, QPoint(xx, y)) == QColor(166, 202, 240);
    QVERIFY2(cielo > 1000, "the results list does not show its sky blue");

    // Escape closes it.
    herramienta(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("Escape")});
    const auto visible = [&] {
        return !herramienta(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                        QStringLiteral("--name"), QStringLiteral("^Buscar en la Constituci")})
                    .trimmed()
                    .isEmpty();
    };
    reloj.restart();
    while (visible() && reloj.elapsed() < 10000)
        QTest::qWait(100);
    QVERIFY2(!visible(), "Escape left the search window open");
}

void TstPantalla::closeButton_endsProgram()
{
    ratonA(QPoint(496, 24)); // "Cerrar esta aplicación", the last menu button
    herramienta(QStringLiteral("xdotool"), {QStringLiteral("click"), QStringLiteral("1")});
    QVERIFY2(programa.waitForFinished(10000), "the program still runs after its close button");
    QCOMPARE(programa.exitStatus(), QProcess::NormalExit);
    QCOMPARE(programa.exitCode(), 0);
}

PRUEBA_GUILESS_MAIN(TstPantalla)
#include "tst_pantalla.moc"
