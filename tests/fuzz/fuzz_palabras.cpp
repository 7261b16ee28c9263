// The concordance queries on the program's table and on arbitrary tables: the prefix
// filter gives matching words in table order (all of them, on the program's table);
// the lookup gives 0 or the last head of exactly that word; postings run from a head to
// the next string beginning as a head or to the end; the folding comparison is a
// consistent order.
#include "datos_fuzz.h"
#include "palabras.h"

#include <QByteArray>

#include <vector>

namespace {

const QLatin1String MarcaCabeza("<Palabra>");

QString plegar(QStringView s)
{
    QString r = s.toString();
    for (QChar &c : r) {
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - 32);
    }
    return r;
}

int signo(int v)
{
    return (v > 0) - (v < 0);
}

void comprobarFiltro(QStringView prefijo, TablaPalabras tabla, bool completo) // completo: tabla is Palabras
{
    const QStringList palabras = Filtrar_Palabras(prefijo, tabla);
    const QString plegado = plegar(prefijo);
    qsizetype siguiente = 1; // results come in table order
    for (const QString &w : palabras) {
        EXIGIR(plegar(w).startsWith(plegado));
        while (siguiente < qsizetype(tabla.size())
               && !(tabla[siguiente].startsWith(MarcaCabeza) && palabraDeCabeza(tabla[siguiente]) == w))
            ++siguiente;
        EXIGIR(siguiente < qsizetype(tabla.size()));
        ++siguiente;
    }
    if (completo) {
        static const QList<Cabeza_Palabra> cabezas = recorrerCabezas(Palabras); // the program's table
        qsizetype esperadas = 0;
        for (const Cabeza_Palabra &c : cabezas)
            esperadas += plegar(c.palabra).startsWith(plegado);
        EXIGIR(palabras.size() == esperadas);
    }
}

void comprobarBusqueda(QStringView palabra, TablaPalabras tabla)
{
    const int h = Buscar_Palabra(palabra, tabla);
    int ultima = 0;
    for (qsizetype i = 1; i < qsizetype(tabla.size()); ++i) {
        if (tabla[i].startsWith(MarcaCabeza) && palabraDeCabeza(tabla[i]) == palabra)
            ultima = int(i);
    }
    EXIGIR(h == ultima);
}

void comprobarPostings(int h, TablaPalabras tabla, bool delPrograma)
{
    const QList<int> postings = Postings(h, tabla);
    const qsizetype ultima = qsizetype(tabla.size()) - 1;
    if (h < 0 || h >= ultima) {
        EXIGIR(postings.isEmpty());
        return;
    }
    // From h + 1 to the next string beginning as a head, or to the last string, which is
    // never taken for a head.
    qsizetype i = h + 1;
    while (i != ultima && !tabla[i].startsWith(MarcaCabeza))
        ++i;
    EXIGIR(postings.size() == (i == ultima ? ultima - h : i - h - 1));
    if (delPrograma) {
        if (h == 0)
            EXIGIR(postings.isEmpty()); // the program's string 1 is a head
        if (esCabeza(tabla[h])) {
            EXIGIR(postings.size() == Analizar_Cabeza(tabla[h]).articulos);
            for (qsizetype k = 0; k < postings.size(); ++k) {
                EXIGIR(postings[k] >= 1 && postings[k] <= 371);
                EXIGIR(k == 0 || postings[k] > postings[k - 1]);
            }
        }
    }
}

void comprobarComparacion(QStringView a, QStringView b)
{
    const int ab = compararPlegandoAZ(a, b);
    EXIGIR(signo(ab) == -signo(compararPlegandoAZ(b, a)));
    EXIGIR(compararPlegandoAZ(a, a) == 0);
    EXIGIR((ab == 0) == (plegar(a) == plegar(b)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *datos, size_t tamano)
{
    DatosFuzz entrada(datos, tamano);
    const auto modo = entrada.Entero<uint8_t>();
    if (modo % 2 == 0) {
        // The program's own table: a prefix or a word the reader might type.
        const QString texto = entrada.Texto(24);
        comprobarFiltro(texto, Palabras, true);
        comprobarBusqueda(texto, Palabras);
        const int h = Buscar_Palabra(texto, Palabras);
        comprobarPostings(h, Palabras, true);
        comprobarPostings(int(entrada.Entero<uint16_t>() % (Palabras.size() + 4)) - 2, Palabras, true);
        const QStringList palabras = Filtrar_Palabras(texto, Palabras);
        if (!palabras.isEmpty())
            comprobarComparacion(texto, palabras[entrada.Entero<uint16_t>() % palabras.size()]);
        return 0;
    }
    // An arbitrary table: heads, postings and junk, element 0 empty.
    std::vector<QByteArray> cadenas{QByteArray()};
    const int n = entrada.Entero<uint8_t>() % 48;
    for (int i = 0; i < n && entrada.Restantes() > 0; ++i) {
        const auto tipo = entrada.Entero<uint8_t>();
        const QByteArray cuerpo = entrada.TextoLatin1(entrada.Entero<uint8_t>() % 24).toLatin1();
        cadenas.push_back(tipo % 3 == 0 ? QByteArray("<Palabra>") + cuerpo : cuerpo);
    }
    std::vector<QLatin1String> tabla;
    for (const QByteArray &c : cadenas)
        tabla.emplace_back(c.constData(), c.size());
    const TablaPalabras t(tabla.data(), tabla.size());
    const QString texto = entrada.Texto(16);
    comprobarFiltro(texto, t, false);
    comprobarBusqueda(texto, t);
    for (qsizetype i = 0; i < qsizetype(tabla.size()); ++i) {
        Analizar_Cabeza(tabla[i]);
        if (tabla[i].startsWith(MarcaCabeza))
            comprobarBusqueda(QString(palabraDeCabeza(tabla[i])), t);
    }
    comprobarPostings(int(entrada.Entero<int8_t>()), t, false);
    recorrerCabezas(t);
    comprobarComparacion(texto, entrada.Texto(16));
    return 0;
}
