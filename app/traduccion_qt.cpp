#include "traduccion_qt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool instalarTraduccionQt()
{
    auto *const traductor = new QTranslator(QCoreApplication::instance());
    if (!traductor->load(QStringLiteral("qtbase_es"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete traductor;
        return false;
    }
    return QCoreApplication::installTranslator(traductor);
}
