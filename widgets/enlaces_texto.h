#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// An address found in a text: where it stands and what opening it asks for.
struct EnlaceTexto {
    int inicio = 0;
    int largo = 0;
    QString direccion; // "www." gains "http://", a plain e-mail address "mailto:"
};

// Addresses in a text, in order: http:// and https:// links, www. names, mailto:
// links and plain e-mail addresses. Punctuation that closes a sentence after an
// address is not part of it.
QList<EnlaceTexto> buscarEnlaces(QStringView texto);
