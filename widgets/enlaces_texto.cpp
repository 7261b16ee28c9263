#include "enlaces_texto.h"

#include <QRegularExpression>

namespace {

// Length of the scheme or "www." that opens an address, 0 for an e-mail address.
qsizetype largoPrefijo(QStringView enlace)
{
    for (const QStringView prefijo : {u"http://", u"https://", u"www.", u"mailto:"}) {
        if (enlace.startsWith(prefijo, Qt::CaseInsensitive))
            return prefijo.size();
    }
    return 0;
}

} // namespace

QList<EnlaceTexto> buscarEnlaces(QStringView texto)
{
    static const QRegularExpression patron(
        QStringLiteral(R"((?<![\w@.\-/:])(?:(?:https?://|www\.|mailto:)[^\s<>"«»]+|[\w.%+\-]+@[\w\-]+(?:\.[\w\-]+)+))"),
        QRegularExpression::UseUnicodePropertiesOption | QRegularExpression::CaseInsensitiveOption);
    static const QString cierre = QStringLiteral(".,;:!?)]}'\"");

    QList<EnlaceTexto> enlaces;
    for (auto it = patron.globalMatch(texto); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        QStringView enlace = m.capturedView();
        const qsizetype prefijo = largoPrefijo(enlace);
        while (enlace.size() > prefijo && cierre.contains(enlace.back()))
            enlace.chop(1);
        if (enlace.size() == prefijo)
            continue;
        QString direccion = enlace.toString();
        if (prefijo == 0)
            direccion.prepend(QStringLiteral("mailto:"));
        else if (enlace.startsWith(u"www.", Qt::CaseInsensitive))
            direccion.prepend(QStringLiteral("http://"));
        enlaces.append({int(m.capturedStart()), int(enlace.size()), direccion});
    }
    return enlaces;
}
