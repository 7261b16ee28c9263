// What `cmake --install` and the Debian package put on a system: the program, the
// menu entry, the AppStream metadata, the icons and the manual page, each valid for the
// tools that read them, and a package lintian passes whose program starts.
#include "avisos_qt.h"
#include "comprobar.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

const QString Id = QStringLiteral("ve.constitucion1999.Lector");

struct Salida {
    int codigo = -1;
    QString texto; // stdout and stderr together
};

Salida ejecutar(const QString &programa, const QStringList &argumentos, int milisegundos = 120000)
{
    QProcess proceso;
    proceso.setProcessChannelMode(QProcess::MergedChannels);
    proceso.start(programa, argumentos);
    if (!proceso.waitForStarted() || !proceso.waitForFinished(milisegundos))
        return {-1, programa + QStringLiteral(" did not run: ") + proceso.errorString()};
    return {proceso.exitStatus() == QProcess::NormalExit ? proceso.exitCode() : -1,
            QString::fromLocal8Bit(proceso.readAll())};
}

struct Pagina {
    int codigo = -1;
    QString texto;  // the page as man prints it
    QString avisos; // what man and groff say on standard error
};

// `man --warnings -l` on a page file, in a UTF-8 locale (the page is Spanish).
Pagina leerManual(const QString &ruta)
{
    QProcess man;
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    entorno.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    entorno.remove(QStringLiteral("LC_ALL"));
    entorno.insert(QStringLiteral("MANWIDTH"), QStringLiteral("80"));
    man.setProcessEnvironment(entorno);
    man.start(QStringLiteral("man"), {QStringLiteral("--warnings"), QStringLiteral("-l"), ruta});
    if (!man.waitForStarted() || !man.waitForFinished(60000))
        return {-1, {}, QStringLiteral("man did not run: ") + man.errorString()};
    return {man.exitStatus() == QProcess::NormalExit ? man.exitCode() : -1,
            QString::fromUtf8(man.readAllStandardOutput()), QString::fromUtf8(man.readAllStandardError())};
}

// Compressed as `gzip -9n` does: no file name and no time in the header, best compression.
void compruebaGzip9n(const QString &ruta)
{
    QFile f(ruta);
    QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(ruta));
    const QByteArray cabecera = f.read(10);
    QCOMPARE(cabecera.size(), 10);
    QCOMPARE(quint8(cabecera[0]), quint8(0x1f));
    QCOMPARE(quint8(cabecera[1]), quint8(0x8b));
    QCOMPARE(quint8(cabecera[3]) & 0x08, 0); // FNAME
    QCOMPARE(cabecera.mid(4, 4), QByteArray(4, '\0')); // MTIME
    QCOMPARE(quint8(cabecera[8]), quint8(2)); // XFL: maximum compression
}

// The value of a key in the [Desktop Entry] group.
QString claveDeEscritorio(const QString &ruta, const QString &clave)
{
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    const QRegularExpression linea(QStringLiteral("^%1=(.*)$").arg(QRegularExpression::escape(clave)),
                                   QRegularExpression::MultilineOption);
    return linea.match(QString::fromUtf8(f.readAll())).captured(1);
}

} // namespace

class TstInstalacion : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void installedTree_holdsEachFileInItsPlace_data();
    void installedTree_holdsEachFileInItsPlace();
    void iconSizes_matchTheirFolders_data();
    void iconSizes_matchTheirFolders();
    void scalableIcon_isSvg();
    void desktopEntry_validatesAndNamesTheProgramAndIcon();
    void metainfo_validatesAndLaunchesTheDesktopEntry();
    void manualPage_isCompressedAndRendersWithoutWarnings();
    void debianPackage_holdsTheTreeDependsOnQtAndStarts();

private:
    QTemporaryDir prefijo;
    QString enPrefijo(const QString &relativa) const { return prefijo.filePath(relativa); }
};

void TstInstalacion::initTestCase()
{
    QVERIFY(prefijo.isValid());
    const Salida s = ejecutar(QStringLiteral(CMAKE_COMMAND),
                              {QStringLiteral("--install"), QStringLiteral(BUILD_DIR), QStringLiteral("--prefix"),
                               prefijo.path()});
    QVERIFY2(s.codigo == 0, qPrintable(s.texto));
}

void TstInstalacion::installedTree_holdsEachFileInItsPlace_data()
{
    QTest::addColumn<QString>("ruta");
    QTest::addColumn<bool>("ejecutable");
    QTest::newRow("program") << QStringLiteral("bin/constitucion") << true;
    // Beside bin/, where the program looks for it on its first print.
    QTest::newRow("print module") << QStringLiteral("lib/constitucion/modulos/constitucion_imprimir.so") << false;
    QTest::newRow("desktop entry") << QStringLiteral("share/applications/%1.desktop").arg(Id) << false;
    QTest::newRow("appstream metainfo") << QStringLiteral("share/metainfo/%1.metainfo.xml").arg(Id) << false;
    QTest::newRow("scalable icon") << QStringLiteral("share/icons/hicolor/scalable/apps/%1.svg").arg(Id) << false;
    QTest::newRow("manual page") << QStringLiteral("share/man/man1/constitucion.1.gz") << false;
    QTest::newRow("copyright") << QStringLiteral("share/doc/constitucion/copyright") << false;
    QTest::newRow("changelog") << QStringLiteral("share/doc/constitucion/changelog.gz") << false;
}

void TstInstalacion::installedTree_holdsEachFileInItsPlace()
{
    QFETCH(QString, ruta);
    QFETCH(bool, ejecutable);
    const QFileInfo info(enPrefijo(ruta));
    QVERIFY2(info.isFile(), qPrintable(ruta));
    QVERIFY(info.size() > 0);
    QCOMPARE(info.isExecutable(), ejecutable);
}

void TstInstalacion::iconSizes_matchTheirFolders_data()
{
    QTest::addColumn<int>("lado");
    for (const int lado : {16, 22, 24, 32, 48, 64, 128, 256})
        QTest::addRow("%dx%d", lado, lado) << lado;
}

void TstInstalacion::iconSizes_matchTheirFolders()
{
    QFETCH(int, lado);
    const QString ruta = enPrefijo(QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(lado).arg(Id));
    QImageReader lector(ruta);
    QCOMPARE(lector.format(), QByteArray("png"));
    QCOMPARE(lector.size(), QSize(lado, lado));
    const QImage imagen = lector.read();
    QVERIFY(!imagen.isNull());
    // Drawn, not blank: opaque in the middle, clear in the rounded corner.
    QCOMPARE(qAlpha(imagen.pixel(lado / 2, lado / 2)), 255);
    QCOMPARE(qAlpha(imagen.pixel(0, 0)), 0);
}

void TstInstalacion::scalableIcon_isSvg()
{
    QFile f(enPrefijo(QStringLiteral("share/icons/hicolor/scalable/apps/%1.svg").arg(Id)));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&f);
    QVERIFY(xml.readNextStartElement());
    QCOMPARE(xml.name(), QStringLiteral("svg"));
    int rectangulos = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QStringLiteral("rect"))
            ++rectangulos;
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(rectangulos > 3);
}

void TstInstalacion::desktopEntry_validatesAndNamesTheProgramAndIcon()
{
    const QString ruta = enPrefijo(QStringLiteral("share/applications/%1.desktop").arg(Id));
    const Salida s = ejecutar(QStringLiteral("desktop-file-validate"), {ruta});
    QVERIFY2(s.codigo == 0, qPrintable(s.texto));
    QVERIFY2(s.texto.trimmed().isEmpty(), qPrintable(s.texto)); // not even a hint
    QCOMPARE(claveDeEscritorio(ruta, QStringLiteral("Exec")), QStringLiteral("constitucion"));
    QCOMPARE(claveDeEscritorio(ruta, QStringLiteral("Icon")), Id);
    QCOMPARE(claveDeEscritorio(ruta, QStringLiteral("Type")), QStringLiteral("Application"));
}

void TstInstalacion::metainfo_validatesAndLaunchesTheDesktopEntry()
{
    const QString ruta = enPrefijo(QStringLiteral("share/metainfo/%1.metainfo.xml").arg(Id));
    const Salida s = ejecutar(QStringLiteral("appstreamcli"), {QStringLiteral("validate"), QStringLiteral("--no-net"),
                                                               QStringLiteral("--no-color"), ruta});
    QVERIFY2(s.codigo == 0, qPrintable(s.texto));
    QFile f(ruta);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&f);
    QString id, lanzable, binario, licenciaDatos, licenciaProyecto;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QStringLiteral("id"))
            id = xml.readElementText();
        else if (xml.name() == QStringLiteral("launchable"))
            lanzable = xml.readElementText();
        else if (xml.name() == QStringLiteral("binary"))
            binario = xml.readElementText();
        else if (xml.name() == QStringLiteral("metadata_license"))
            licenciaDatos = xml.readElementText();
        else if (xml.name() == QStringLiteral("project_license"))
            licenciaProyecto = xml.readElementText();
    }
    QCOMPARE(id, Id);
    QCOMPARE(lanzable, Id + QStringLiteral(".desktop"));
    QCOMPARE(binario, QStringLiteral("constitucion"));
    // The licences of the package's copyright file: the code's, and the Constitution's text.
    QCOMPARE(licenciaDatos, QStringLiteral("CC0-1.0"));
    QCOMPARE(licenciaProyecto, QStringLiteral("GPL-3.0-or-later AND LicenseRef-public-domain"));
}

void TstInstalacion::manualPage_isCompressedAndRendersWithoutWarnings()
{
    const QString ruta = enPrefijo(QStringLiteral("share/man/man1/constitucion.1.gz"));
    COMPROBAR(compruebaGzip9n(ruta));
    const Pagina pagina = leerManual(ruta);
    QVERIFY2(pagina.codigo == 0, qPrintable(pagina.avisos));
    QVERIFY2(pagina.avisos.isEmpty(), qPrintable(pagina.avisos));
    // Its whatis line, every option of --help, the keys and each exit status.
    const QStringList esperado = {
        QStringLiteral("constitucion - lector de la Constitución de la República Bolivariana de Venezuela"),
        QStringLiteral("SINOPSIS"), QStringLiteral("--articulo N"), QStringLiteral("-h, --help"),
        QStringLiteral("--version"), QStringLiteral("-platform"), QStringLiteral("TECLADO"),
        QStringLiteral("Alt+RePág, Alt+AvPág"), QStringLiteral("Ctrl+Mayús+C"), QStringLiteral("F3, Mayús+F3"),
        QStringLiteral("ESTADO DE SALIDA"), QStringLiteral("ARCHIVOS")};
    const QString seguido = pagina.texto.simplified(); // lines joined as they wrap at 80 columns
    for (const QString &texto : esperado)
        QVERIFY2(seguido.contains(texto), qPrintable(texto + QStringLiteral(" not in\n") + pagina.texto));
    const QRegularExpression estado(QStringLiteral("ESTADO DE SALIDA\\n\\s+0\\s.*\\n\\s+1\\s.*\\n\\s+2\\s"),
                                    QRegularExpression::DotMatchesEverythingOption);
    QVERIFY2(estado.match(pagina.texto).hasMatch(), qPrintable(pagina.texto));
    COMPROBAR(compruebaGzip9n(enPrefijo(QStringLiteral("share/doc/constitucion/changelog.gz"))));
}

void TstInstalacion::debianPackage_holdsTheTreeDependsOnQtAndStarts()
{
    QTemporaryDir salida;
    QVERIFY(salida.isValid());
    const Salida cpack = ejecutar(QStringLiteral(CPACK_COMMAND),
                                  {QStringLiteral("--config"), QStringLiteral(BUILD_DIR "/CPackConfig.cmake"),
                                   QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("-B"), salida.path()});
    QVERIFY2(cpack.codigo == 0, qPrintable(cpack.texto));
    const QStringList paquetes = QDir(salida.path()).entryList({QStringLiteral("*.deb")}, QDir::Files);
    QCOMPARE(paquetes.size(), 1);
    const QString deb = salida.filePath(paquetes.first());

    const Salida depende = ejecutar(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), deb, QStringLiteral("Depends")});
    QCOMPARE(depende.codigo, 0);
    for (const char *paquete : {"libqt6widgets6", "libqt6gui6", "libqt6core6", "qt6-qpa-plugins", "fonts-liberation2",
                                "qt6-translations-l10n"})
        QVERIFY2(depende.texto.contains(QLatin1String(paquete)), qPrintable(depende.texto));

    // Qt takes its Wayland plugin in a Wayland session; the package asks for it without needing it.
    const Salida recomienda =
        ejecutar(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), deb, QStringLiteral("Recommends")});
    QCOMPARE(recomienda.codigo, 0);
    QVERIFY2(recomienda.texto.contains(QLatin1String("qt6-wayland")), qPrintable(recomienda.texto));

    // Every dependency resolves on this system (a simulated install changes nothing).
    const Salida simulada = ejecutar(QStringLiteral("apt-get"), {QStringLiteral("install"), QStringLiteral("-s"),
                                                                 QStringLiteral("-q"), deb});
    QVERIFY2(simulada.codigo == 0, qPrintable(simulada.texto));
    QVERIFY2(simulada.texto.contains(QStringLiteral("Inst constitucion")), qPrintable(simulada.texto));

    const QString raiz = salida.filePath(QStringLiteral("raiz"));
    QCOMPARE(ejecutar(QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), deb, raiz}).codigo, 0);
    for (const QString &ruta : {QStringLiteral("usr/bin/constitucion"),
                                QStringLiteral("usr/lib/constitucion/modulos/constitucion_imprimir.so"),
                                QStringLiteral("usr/share/applications/%1.desktop").arg(Id),
                                QStringLiteral("usr/share/metainfo/%1.metainfo.xml").arg(Id),
                                QStringLiteral("usr/share/icons/hicolor/scalable/apps/%1.svg").arg(Id),
                                QStringLiteral("usr/share/icons/hicolor/48x48/apps/%1.png").arg(Id)})
        QVERIFY2(QFileInfo(raiz + QLatin1Char('/') + ruta).isFile(), qPrintable(ruta));

    // Debian's own checker, as a packager runs it: no error and no warning.
    const Salida lintian = ejecutar(QStringLiteral("lintian"), {QStringLiteral("--fail-on"),
                                                                QStringLiteral("error,warning"), deb});
    QVERIFY2(lintian.codigo == 0, qPrintable(lintian.texto));
    const QRegularExpression errorOAviso(QStringLiteral("^[EW]: "), QRegularExpression::MultilineOption);
    QVERIFY2(!errorOAviso.match(lintian.texto).hasMatch(), qPrintable(lintian.texto));

    // The copyright file keeps the code's licence apart from the Constitution's official text.
    QFile copyright(raiz + QStringLiteral("/usr/share/doc/constitucion/copyright"));
    QVERIFY(copyright.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString derechos = QString::fromUtf8(copyright.readAll());
    for (const char *linea : {"Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/",
                              "License: GPL-3.0-or-later", "License: public-domain", "Gaceta Oficial",
                              "N.º 5.453 Extraordinario, 24 de marzo de 2000"})
        QVERIFY2(derechos.contains(QString::fromUtf8(linea)), linea);

    // The changelog and the manual page name the package's version (lintian compares neither).
    const Salida version = ejecutar(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), deb, QStringLiteral("Version")});
    QCOMPARE(version.codigo, 0);
    const Salida cambios = ejecutar(QStringLiteral("gzip"), {QStringLiteral("-dc"),
                                    raiz + QStringLiteral("/usr/share/doc/constitucion/changelog.gz")});
    QVERIFY2(cambios.texto.startsWith(QStringLiteral("constitucion (%1) ").arg(version.texto.trimmed())),
             qPrintable(version.texto + cambios.texto));
    const Salida manual = ejecutar(QStringLiteral("gzip"), {QStringLiteral("-dc"),
                                   raiz + QStringLiteral("/usr/share/man/man1/constitucion.1.gz")});
    QVERIFY2(manual.texto.contains(QStringLiteral("\"constitucion %1\"").arg(version.texto.trimmed())),
             qPrintable(version.texto));

    const Salida mantenedor =
        ejecutar(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), deb, QStringLiteral("Maintainer")});
    QCOMPARE(mantenedor.texto.trimmed(), QStringLiteral("Constitución 1999 <lector@example.org>"));

    // The packaged program starts and keeps running its event loop until it is stopped.
    QProcess programa;
    programa.setProcessChannelMode(QProcess::MergedChannels);
    programa.start(raiz + QStringLiteral("/usr/bin/constitucion"), {});
    QVERIFY(programa.waitForStarted());
    QVERIFY2(!programa.waitForFinished(2000), qPrintable(QString::fromLocal8Bit(programa.readAll())));
    programa.kill();
    programa.waitForFinished();
}

PRUEBA_GUILESS_MAIN(TstInstalacion)
#include "tst_instalacion.moc"
