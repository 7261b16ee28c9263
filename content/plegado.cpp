#include "plegado.h"

#include "caracter_palabra.h"

#include <QString>

const Tablas_Plegado &tablasPlegado()
{
    static const Tablas_Plegado t = [] {
        Tablas_Plegado r;
        for (int c = 0; c < 256; ++c) {
            const QChar ch{char16_t(c)};
            QChar base = ch;
            // An accented letter is its letter followed by the accent; ñ keeps its tilde.
            if (ch.decompositionTag() == QChar::Canonical && ch.toLower() != QChar(u'ñ'))
                base = ch.decomposition().at(0);
            const QChar menor = base.toLower();
            r.plegado[c] = char(menor.unicode() <= 0xFF ? menor.unicode() : c);
            r.palabra[c] = esCaracterPalabra(ch);
        }
        for (const char16_t s : {u' ', u'\n', char16_t(0xA0)})
            r.separador[s] = true;
        return r;
    }();
    return t;
}

std::string plegarTexto(QStringView texto)
{
    const Tablas_Plegado &t = tablasPlegado();
    std::string r(std::size_t(texto.size()), '\0');
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto[i];
        if (c.unicode() <= 0xFF)
            r[std::size_t(i)] = t.plegado[c.unicode()];
        else
            r[std::size_t(i)] = esCaracterPalabra(c) ? '\xC0' : '\0';
    }
    return r;
}

bool plegarConsulta(QStringView palabra, std::string &plegada)
{
    plegada.clear();
    plegada.reserve(std::size_t(palabra.size()));
    for (const QChar c : palabra) {
        if (c.unicode() == 0 || c.unicode() > 0xFF)
            return false;
        plegada += tablasPlegado().plegado[c.unicode()];
    }
    return true;
}
