#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Whether the program can reach a display, decided before the application object is built.
// Qt ends a process whose platform plugin cannot start with an abort and advice to reinstall;
// the program says instead, in one line, what is missing and exits with 1.

// What Qt reads to choose its platform plugin, and the variables the desktop plugins need.
struct EntornoPantalla {
    QByteArray qpaPlataforma;   // QT_QPA_PLATFORM
    QByteArray opcionPlataforma; // Qt's -platform option
    QByteArray tipoSesion;      // XDG_SESSION_TYPE
    QByteArray display;         // DISPLAY
    QByteArray waylandDisplay;  // WAYLAND_DISPLAY
};

EntornoPantalla entornoPantalla(const QString &opcionPlataforma);

// The plugins Qt 6 will try, in its order: -platform, else QT_QPA_PLATFORM, else the
// session's kind ("x11" gives xcb, "wayland" gives wayland then xcb), else xcb. Each name
// without the arguments after ':'.
QStringList plataformasElegidas(const EntornoPantalla &e);

// The line to print when none of those plugins has what it needs (xcb needs DISPLAY,
// wayland WAYLAND_DISPLAY); empty when one of them may start. Plugins that need no
// desktop (offscreen, vnc, linuxfb, ...) always may.
QString faltaDePantalla(const EntornoPantalla &e);

// The line to print when Qt itself could not start the plugins it tried, from Qt's messages:
// a plugin Debian packages but this machine lacks, with its package; a name no plugin has,
// with the ones installed; or the displays that did not answer, by name (DISPLAY for X11,
// WAYLAND_DISPLAY, or Qt's default wayland-0, for Wayland).
QString pantallaNoDisponible(const EntornoPantalla &e, const QString &mensajeQt);

// While alive, Qt's messages are held back; a fatal one (the platform plugin did not start)
// prints pantallaNoDisponible and ends the process with exit code 1 instead of aborting.
// When the guard ends without one, the held messages are passed on as they came.
class GuardaPantalla
{
public:
    explicit GuardaPantalla(const EntornoPantalla &entorno);
    ~GuardaPantalla();
    GuardaPantalla(const GuardaPantalla &) = delete;
    GuardaPantalla &operator=(const GuardaPantalla &) = delete;
};
