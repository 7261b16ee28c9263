#include "formas_palabra.h"

#include "plegado.h"

#include <QByteArray>
#include <QString>

#include <libstemmer.h>

#include <memory>
#include <mutex>

namespace {

struct BorrarLematizador {
    void operator()(sb_stemmer *s) const { sb_stemmer_delete(s); }
};

} // namespace

std::string troncoPlegado(QStringView palabra)
{
    // Without a stemmer (out of memory) each word is its own stem.
    static const std::unique_ptr<sb_stemmer, BorrarLematizador> lematizador{sb_stemmer_new("spanish", "UTF_8")};
    // The stemmer keeps its result in itself: one word at a time, whatever thread searches.
    static std::mutex enUso;

    const QByteArray utf8 = palabra.toString().toLower().toUtf8();
    QString tronco;
    {
        const std::lock_guard<std::mutex> cierre(enUso);
        const auto *simbolos = reinterpret_cast<const sb_symbol *>(utf8.constData());
        const sb_symbol *r = lematizador ? sb_stemmer_stem(lematizador.get(), simbolos, int(utf8.size())) : nullptr;
        tronco = r ? QString::fromUtf8(reinterpret_cast<const char *>(r), sb_stemmer_length(lematizador.get()))
                   : QString::fromUtf8(utf8);
    }
    return plegarTexto(tronco);
}
