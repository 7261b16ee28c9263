#include "literal_cpp.h"

QByteArray literalCpp(QStringView texto)
{
    QByteArray out = "\"";
    for (const QChar ch : texto) {
        const auto c = static_cast<unsigned char>(ch.unicode());
        if (c == '"' || c == '\\')
            out += '\\', out += char(c);
        else if (c >= 0x20 && c < 0x7F)
            out += char(c);
        else
            out += '\\' + QByteArray::number(c, 8).rightJustified(3, '0');
    }
    return out + '"';
}
