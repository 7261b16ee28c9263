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

QString pantallaNoDisponible(const QStringList &plataformas, const QString &mensajeQt)
{
    static const QLatin1String NoEncontrado("Could not find the Qt platform plugin \"");
    if (const qsizetype i = mensajeQt.indexOf(NoEncontrado); i >= 0) {
        const qsizetype desde = i + NoEncontrado.size();
        const QString plugin = mensajeQt.mid(desde, mensajeQt.indexOf(QLatin1Char('"'), desde) - desde);
        const bool wayland = plugin.startsWith(QLatin1String("wayland"));
        return QStringLiteral("constitucion: falta el complemento de pantalla de Qt «%1» (en Debian, el paquete %2).")
            .arg(plugin, wayland ? QStringLiteral("qt6-wayland") : QStringLiteral("qt6-qpa-plugins"));
    }
    return QStringLiteral("constitucion: no se pudo abrir la pantalla con la plataforma «%1».")
        .arg(plataformas.join(QStringLiteral(", ")));
}

namespace {

struct Mensaje {
    QtMsgType tipo;
    QByteArray archivo, funcion, categoria;
    int linea;
    QString texto;
};

QtMessageHandler anterior = nullptr;
QStringList plataformasGuardadas;
std::vector<Mensaje> retenidos;

void retener(QtMsgType tipo, const QMessageLogContext &contexto, const QString &texto)
{
    if (tipo == QtFatalMsg) {
        // Qt aborts right after this call: end first, with the one line and exit code 1.
        // Qt names a plugin it did not find in an earlier warning, held here.
        QString todo = texto;
        for (const Mensaje &m : retenidos)
            todo += QLatin1Char('\n') + m.texto;
        const QByteArray linea = pantallaNoDisponible(plataformasGuardadas, todo).toLocal8Bit() + '\n';
        std::fputs(linea.constData(), stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    retenidos.push_back({tipo, contexto.file, contexto.function, contexto.category, contexto.line, texto});
}

} // namespace

GuardaPantalla::GuardaPantalla(const QStringList &plataformas)
{
    plataformasGuardadas = plataformas;
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
