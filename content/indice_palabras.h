#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A set of texts made ready for the whole-text search: each text folded (plegado.h), each word
// of it (a run of letters and digits) with its folded form and its stem (formas_palabra.h), and
// the vocabulary: every folded form with how often it occurs, its most frequent spelling and
// which texts hold it.
class Indice_Palabras
{
public:
    explicit Indice_Palabras(const QList<QString> &textos);

    // Which texts hold something: one bit a text.
    class Conjunto
    {
    public:
        Conjunto(int textos, bool todos);
        bool contiene(int texto) const { return (bits[std::size_t(texto) / 64] >> (texto % 64)) & 1u; }
        bool vacio() const;
        void quitar(int texto) { bits[std::size_t(texto) / 64] &= ~(std::uint64_t(1) << (texto % 64)); }
        // Adds the texts of one of the index's rows (as many words long as the set).
        void unir(const std::uint64_t *fila);
        void cortar(const Conjunto &otro);
        void restar(const Conjunto &otro);

    private:
        std::vector<std::uint64_t> bits;
    };

    // A word of a text: where it stands, its folded form (index into the vocabulary) and its stem.
    struct Palabra {
        int inicio = 0;
        int largo = 0;
        int forma = 0;
        int tronco = 0;
    };

    // What a query word matches: the words with one of these stems, and, when it may be the
    // beginning of a word, the forms desde..hasta - 1, those beginning with it.
    struct Busqueda_Palabra {
        std::vector<int> troncos;
        int desde = 0;
        int hasta = 0;
        bool nada() const { return troncos.empty() && desde == hasta; }
    };

    int textos() const { return int(inicioTexto.size()) - 1; }
    std::string_view plegado(int texto) const
    {
        const std::size_t desde = inicioTexto[std::size_t(texto)];
        return std::string_view(todo).substr(desde, inicioTexto[std::size_t(texto) + 1] - desde);
    }
    const Palabra *primeraPalabra(int texto) const { return palabras.data() + primera[std::size_t(texto)]; }
    const Palabra *finPalabras(int texto) const { return palabras.data() + primera[std::size_t(texto) + 1]; }
    std::size_t mayor() const { return textoMayor; }

    // The words a query word matches, given as typed and folded (plegado.h): the stems of the
    // texts' words that fold as it does; when no word does, the stems of the query word as
    // typed and as folded.
    Busqueda_Palabra buscarPalabra(QStringView escrita, const std::string &plegada, bool principio) const;
    // The texts holding a word the query word matches.
    Conjunto textosCon(const Busqueda_Palabra &b) const;
    // The texts holding a word whose folded form is this one or, with principio, begins with it.
    Conjunto textosConForma(std::string_view plegada, bool principio) const;
    int numeroTroncos() const { return int(troncos.size()); }

    // The vocabulary, by folded form in byte order.
    int formas() const { return int(vocabulario.size()); }
    const std::string &forma(int f) const { return vocabulario[std::size_t(f)].plegada; }
    int veces(int f) const { return vocabulario[std::size_t(f)].veces; }
    const QString &escrita(int f) const { return vocabulario[std::size_t(f)].escrita; }

private:
    struct Forma {
        std::string plegada;
        int veces = 0;
        QString escrita;          // the spelling met most often
        std::vector<int> troncos; // the stems of its spellings
    };

    // The forms equal to a folded word or, with principio, beginning with it: desde..hasta - 1.
    std::pair<int, int> rangoDeFormas(std::string_view plegada, bool principio) const;
    // The id of a stem, -1 when no word of the texts has it.
    int idTronco(const std::string &tronco) const;
    // The row of a set of texts for form or stem i: the words after the first ancho * i.
    const std::uint64_t *fila(const std::vector<std::uint64_t> &filas, int i) const
    {
        return filas.data() + std::size_t(i) * ancho;
    }

    std::string todo; // the texts folded, one after another
    std::vector<std::size_t> inicioTexto;
    std::size_t textoMayor = 0;
    std::vector<Palabra> palabras; // text by text, in text order
    std::vector<std::size_t> primera;
    std::vector<Forma> vocabulario;
    std::vector<std::string> troncos; // by id, sorted
    // The texts holding each form and each stem, as rows of ancho words.
    std::size_t ancho = 0;
    std::vector<std::uint64_t> textosDeForma;
    std::vector<std::uint64_t> textosDeTronco;
};

// The index of the 371 entries (text 0 is entry 1), made on the first call.
const Indice_Palabras &indiceDeLasEntradas();
