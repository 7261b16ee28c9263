#include "aplicacion.h"

#include "apariencia.h"
#include "traduccion_qt.h"

#include <QMessageBox>

#include <fontconfig/fontconfig.h>

#include <exception>

Aplicacion::Aplicacion(int &argc, char **argv)
    : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("constitucion"));
    // Every widget starts in the windows' face, tooltips and message boxes included; a
    // line edit, for one, lays out its empty text before its parent's face reaches it,
    // which would otherwise load the desktop's default face for nothing.
    setFont(Apariencia::fuente());
    // Before the first widget: the tab bar names its scroll buttons when it is made.
    instalarTraduccionQt();
}

bool Aplicacion::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &e) {
        mostrarError(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        mostrarError(QStringLiteral("Error desconocido"));
    }
    return false;
}

QString textoError(const QString &mensaje)
{
    return mensaje.endsWith(QLatin1Char('.')) ? mensaje : mensaje + QLatin1Char('.');
}

void mostrarError(const QString &mensaje)
{
    QMessageBox::critical(nullptr, QString::fromUtf8(TituloAplicacion), textoError(mensaje), QMessageBox::Ok);
}

void precargarFuentes()
{
    FcInit();
}
