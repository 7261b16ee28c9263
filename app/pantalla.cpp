#include "pantalla.h"

#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <vector>

EntornoPantalla entornoPantalla(const QString &opcionPlataforma)
{
    return {qgetenv("QT_QPA_PLATFORM"), opcionPlataforma.toLocal8Bit(), qgetenv("XDG_SESSION_TYPE"),
            qgetenv("DISPLAY"), qgetenv("WAYLAND_DISPLAY")};
}

QStringList plataformasElegidas(const EntornoPantalla &e)
{
    // Qt 6.4's own choice (QGuiApplicationPrivate::createPlatformIntegration), repeated here
    // because asking Qt means building the application, which aborts when it fails.
    QByteArray nombres = "xcb";
    if (e.tipoSesion == "wayland")
        nombres = "wayland;xcb";
    if (!e.qpaPlataforma.isEmpty())
        nombres = e.qpaPlataforma;
    if (!e.opcionPlataforma.isEmpty())
        nombres = e.opcionPlataforma;
    QStringList plataformas;
    for (const QByteArray &nombre : nombres.split(';')) {
        const QString sinArgumentos = QString::fromLocal8Bit(nombre.split(':').first()).trimmed();
        if (!sinArgumentos.isEmpty())
            plataformas << sinArgumentos;
    }
    return plataformas;
}

QString faltaDePantalla(const EntornoPantalla &e)
{
    QStringList faltan;
    for (const QString &p : plataformasElegidas(e)) {
        if (p == QLatin1String("xcb") && e.display.isEmpty())
            faltan << QStringLiteral("DISPLAY (X11)");
        else if (p == QLatin1String("wayland") && e.waylandDisplay.isEmpty())
            faltan << QStringLiteral("WAYLAND_DISPLAY (Wayland)");
        else
            return {};
    }
    if (faltan.isEmpty()) // no plugin named at all: Qt has nothing to try
        return QStringLiteral("constitucion: no hay pantalla: QT_QPA_PLATFORM no nombra ninguna plataforma.");
    return QStringLiteral("constitucion: no hay pantalla gráfica: falta %1; ábralo desde una sesión de escritorio.")
        .arg(faltan.join(QStringLiteral(" y ")));
}

namespace {

// The Debian 12 package that ships each platform plugin Qt 6.4 has there.
QString paqueteDe(const QString &plugin)
{
    if (plugin.startsWith(QLatin1String("wayland")))
        return QStringLiteral("qt6-wayland");
    static const QStringList EnGui{QStringLiteral("xcb"), QStringLiteral("linuxfb"), QStringLiteral("minimal"),
                                   QStringLiteral("offscreen"), QStringLiteral("vkkhrdisplay")};
    static const QStringList EnOpenGl{QStringLiteral("eglfs"), QStringLiteral("minimalegl")};
    if (EnGui.contains(plugin))
        return QStringLiteral("libqt6gui6");
    if (EnOpenGl.contains(plugin))
        return QStringLiteral("libqt6opengl6");
    return plugin == QLatin1String("vnc") ? QStringLiteral("qt6-qpa-plugins") : QString();
}

// The display a desktop plugin tried, by name.
QString pantallaDe(const QString &plataforma, const EntornoPantalla &e)
{
    if (plataforma == QLatin1String("xcb"))
        return QStringLiteral("X11 «%1» (DISPLAY)").arg(QString::fromLocal8Bit(e.display));
    if (plataforma.startsWith(QLatin1String("wayland"))) {
        const QString nombre = e.waylandDisplay.isEmpty() ? QStringLiteral("wayland-0")
                                                          : QString::fromLocal8Bit(e.waylandDisplay);
        return QStringLiteral("Wayland «%1» (WAYLAND_DISPLAY)").arg(nombre);
    }
    return QStringLiteral("«%1»").arg(plataforma);
}

} // namespace

QString pantallaNoDisponible(const EntornoPantalla &e, const QString &mensajeQt)
{
    static const QLatin1String NoEncontrado("Could not find the Qt platform plugin \"");
    if (const qsizetype i = mensajeQt.indexOf(NoEncontrado); i >= 0) {
        const qsizetype desde = i + NoEncontrado.size();
        const QString plugin = mensajeQt.mid(desde, mensajeQt.indexOf(QLatin1Char('"'), desde) - desde);
        if (const QString paquete = paqueteDe(plugin); !paquete.isEmpty())
            return QStringLiteral("constitucion: falta el complemento de pantalla de Qt «%1» (en Debian, el paquete "
                                  "%2).")
                .arg(plugin, paquete);
        static const QLatin1String Disponibles("Available platform plugins are: ");
        QString instaladas;
        if (const qsizetype d = mensajeQt.indexOf(Disponibles); d >= 0) {
            const qsizetype desdeLista = d + Disponibles.size();
            qsizetype hasta = mensajeQt.indexOf(QLatin1Char('\n'), desdeLista);
            instaladas = mensajeQt.mid(desdeLista, hasta < 0 ? -1 : hasta - desdeLista).trimmed();
            if (instaladas.endsWith(QLatin1Char('.')))
                instaladas.chop(1);
        }
        if (instaladas.isEmpty())
            return QStringLiteral("constitucion: no hay ninguna plataforma de Qt llamada «%1», ni otra instalada.")
                .arg(plugin);
        return QStringLiteral("constitucion: no hay ninguna plataforma de Qt llamada «%1»; las instaladas son: %2.")
            .arg(plugin, instaladas);
    }
    QStringList pantallas;
    for (const QString &p : plataformasElegidas(e))
        pantallas << pantallaDe(p, e);
    return QStringLiteral("constitucion: no se pudo abrir la pantalla %1.")
        .arg(pantallas.join(QStringLiteral(" ni la pantalla ")));
}

namespace {

struct Mensaje {
    QtMsgType tipo;
    QByteArray archivo, funcion, categoria;
    int linea;
    QString texto;
};

QtMessageHandler anterior = nullptr;
EntornoPantalla entornoGuardado;
std::vector<Mensaje> retenidos;

void retener(QtMsgType tipo, const QMessageLogContext &contexto, const QString &texto)
{
    if (tipo == QtFatalMsg) {
        // Qt aborts right after this call: end first, with the one line and exit code 1.
        // Qt names a plugin it did not find in an earlier warning, held here.
        QString todo = texto;
        for (const Mensaje &m : retenidos)
            todo += QLatin1Char('\n') + m.texto;
        const QByteArray linea = pantallaNoDisponible(entornoGuardado, todo).toLocal8Bit() + '\n';
        std::fputs(linea.constData(), stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    retenidos.push_back({tipo, contexto.file, contexto.function, contexto.category, contexto.line, texto});
}

} // namespace

GuardaPantalla::GuardaPantalla(const EntornoPantalla &entorno)
{
    entornoGuardado = entorno;
    anterior = qInstallMessageHandler(retener);
}

GuardaPantalla::~GuardaPantalla()
{
    qInstallMessageHandler(anterior);
    for (const Mensaje &m : retenidos) {
        const QMessageLogContext contexto(m.archivo.isNull() ? nullptr : m.archivo.constData(), m.linea,
                                          m.funcion.isNull() ? nullptr : m.funcion.constData(),
                                          m.categoria.isNull() ? nullptr : m.categoria.constData());
        anterior(m.tipo, contexto, m.texto);
    }
    retenidos.clear();
    retenidos.shrink_to_fit();
}
