#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// Plain rules of a list's type-to-search, usable without a widget.

// The search text the typed keys build. A key coming 500 ms or more after the
// previous one starts a new search; Backspace removes the last character.
struct BusquedaLista {
    static constexpr qint64 Pausa = 500; // milliseconds

    QString texto;
    qint64 ultimaTecla = 0; // time of the previous key, in milliseconds
    bool hayTecla = false;  // false until the first key

    // One typed key at time ahora: retroceso for Backspace, otherwise caracteres are added.
    void pulsar(QStringView caracteres, bool retroceso, qint64 ahora);
};

// Row of the first item that begins with texto, case ignored; -1 when none does
// (and for an empty texto).
int primeraQueEmpiezaCon(const QStringList &elementos, QStringView texto);
