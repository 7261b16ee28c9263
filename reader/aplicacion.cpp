#include "aplicacion.h"

#include <QMessageBox>

#include <exception>

Aplicacion::Aplicacion(int &argc, char **argv)
    : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("constitucion"));
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
