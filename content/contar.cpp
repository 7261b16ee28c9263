#include "contar.h"

QString contar(int n, const char *singular, const char *plural)
{
    return QStringLiteral("%1 %2").arg(n).arg(QString::fromUtf8(n == 1 ? singular : plural));
}
