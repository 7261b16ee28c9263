#pragma once

#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// Stops the run when a contract of the function under test does not hold: libFuzzer
// records the input as a crash, the seed replay fails its test.
#define EXIGIR(condicion)                                                                      \
    do {                                                                                       \
        if (!(condicion)) {                                                                    \
            std::fprintf(stderr, "%s:%d: contract broken: %s\n", __FILE__, __LINE__, #condicion); \
            std::abort();                                                                      \
        }                                                                                      \
    } while (0)

// Takes values off the front of a fuzzer's input; past its end every value is zero.
class DatosFuzz
{
public:
    DatosFuzz(const uint8_t *datos, size_t tamano)
        : datos(datos), restantes(tamano)
    {
    }

    size_t Restantes() const { return restantes; }

    template <typename T>
    T Entero()
    {
        T valor{};
        const size_t n = restantes < sizeof(T) ? restantes : sizeof(T);
        if (n > 0)
            std::memcpy(&valor, datos, n);
        avanzar(n);
        return valor;
    }

    // Up to maximo bytes read as Latin-1 characters (letters with accents included).
    QString TextoLatin1(size_t maximo)
    {
        const size_t n = restantes < maximo ? restantes : maximo;
        const QString texto = QString::fromLatin1(reinterpret_cast<const char *>(datos), qsizetype(n));
        avanzar(n);
        return texto;
    }

    // Up to maximo UTF-16 code units, any of them (lone surrogates included).
    QString TextoUtf16(size_t maximo)
    {
        size_t n = restantes / 2 < maximo ? restantes / 2 : maximo;
        QString texto(qsizetype(n), Qt::Uninitialized);
        if (n > 0)
            std::memcpy(texto.data(), datos, 2 * n);
        avanzar(2 * n);
        return texto;
    }

    // A text of either kind, chosen by the next byte.
    QString Texto(size_t maximo) { return (Entero<uint8_t>() & 1) ? TextoUtf16(maximo) : TextoLatin1(maximo); }

private:
    void avanzar(size_t n)
    {
        datos += n;
        restantes -= n;
    }

    const uint8_t *datos;
    size_t restantes;
};
