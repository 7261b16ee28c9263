#pragma once

#include <QApplication>

// The application object: an error that escapes an event handler is shown in a
// message box and the program carries on.
class Aplicacion : public QApplication
{
    Q_OBJECT

public:
    Aplicacion(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};

inline constexpr char TituloAplicacion[] = "Constitución";

// Loads the font configuration (fontconfig's files and caches). Run on another thread
// while the application connects to the window system, it spares the first text laid out
// that wait.
void precargarFuentes();

// The text shown for an error: a full stop added when it does not end in one.
QString textoError(const QString &mensaje);

// Shows an error the way the application does: stop icon, OK, the application's title.
void mostrarError(const QString &mensaje);
