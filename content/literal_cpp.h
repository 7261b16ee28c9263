#pragma once

#include <QByteArray>
#include <QStringView>

// A C++ string literal holding the text as Latin-1, one character one byte. Bytes
// outside printable ASCII become three-digit octal escapes, so the generated source is
// plain ASCII and the literal's length is the text's length.
QByteArray literalCpp(QStringView texto);
