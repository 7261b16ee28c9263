#include "dialogo_imprimir.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

QString Carpeta_Modulo_Imprimir()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../lib/constitucion/modulos"));
}

Dialogo_Imprimir Cargar_Dialogo_Imprimir(QString *error)
{
    // Loaded once and kept for the rest of the run, as a library linked in would be.
    static QLibrary modulo(Carpeta_Modulo_Imprimir() + QStringLiteral("/constitucion_imprimir"));
    const auto dialogo = reinterpret_cast<Dialogo_Imprimir>(modulo.resolve("constitucion_dialogo_imprimir"));
    if (!dialogo && error)
        *error = modulo.errorString();
    return dialogo;
}
