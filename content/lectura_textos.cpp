#include "lectura_textos.h"

#include <QStringDecoder>

bool caracterPermitido(char16_t c)
{
    if (c >= 0x20 && c <= 0x7E)
        return true;
    switch (c) {
    case u'á': case u'é': case u'í': case u'ó': case u'ú': case u'ü': case u'ñ':
    case u'É': case u'Ó': case u'Ú': case u'«': case u'»': case u'°': case 0x00A0:
        return true;
    default:
        return false;
    }
}

namespace {

QString describir(char16_t c)
{
    const QString hex = QStringLiteral("U+%1").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper();
    if (c < 0x20 || c == 0x7F)
        return hex;
    return QStringLiteral("'%1' (%2)").arg(QChar(c), hex);
}

QString validarEntrada(const QString &texto, int numero)
{
    const QString donde = QStringLiteral("entry %1").arg(numero);
    if (texto.isEmpty())
        return donde + QStringLiteral(": empty entry");
    const QStringList lineas = texto.split(QLatin1Char('\n'));
    for (int i = 0; i < lineas.size(); ++i) {
        const QString &linea = lineas[i];
        const QString enLinea = donde + QStringLiteral(", line %1").arg(i + 1);
        if (linea.isEmpty())
            return enLinea + QStringLiteral(": empty line inside the entry");
        for (const QChar ch : linea) {
            const char16_t c = ch.unicode();
            if (c == u'\r')
                return enLinea + QStringLiteral(": carriage return");
            if (!caracterPermitido(c))
                return enLinea + QStringLiteral(": character %1 is not allowed").arg(describir(c));
        }
        if (linea.endsWith(QLatin1Char(' ')))
            return enLinea + QStringLiteral(": trailing space");
    }
    return {};
}

} // namespace

LecturaTextos leerTextos(const QByteArray &utf8)
{
    LecturaTextos r;
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString todo = decoder(utf8);
    if (decoder.hasError()) {
        r.error = QStringLiteral("the file is not valid UTF-8");
        return r;
    }
    if (!todo.endsWith(QLatin1Char('\n'))) {
        r.error = QStringLiteral("the file does not end with a line feed");
        return r;
    }
    todo.chop(1);
    // Three line feeds in a row: an empty line at the edge of an entry.
    const qsizetype triple = todo.indexOf(QStringLiteral("\n\n\n"));
    if (triple >= 0) {
        const qsizetype entrada = todo.left(triple).count(QStringLiteral("\n\n")) + 1;
        r.error = QStringLiteral("entry %1: empty line inside the entry (more than one empty line after it)")
                      .arg(entrada);
        return r;
    }
    const QStringList partes = todo.split(QStringLiteral("\n\n"));
    for (int i = 0; i < partes.size(); ++i) {
        QString error = validarEntrada(partes[i], i + 1);
        if (!error.isEmpty()) {
            r.error = error;
            return r;
        }
    }
    if (partes.size() != Numero_Entradas) {
        r.error = QStringLiteral("%1 entries found, %2 expected").arg(partes.size()).arg(Numero_Entradas);
        return r;
    }
    r.entradas = partes;
    return r;
}
