#include "concordancia.h"

#include <QHash>
#include <QSet>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The small accented letters of the concordance's alphabet; each capital is 0x20 below.
bool esAcentuadaMinuscula(char16_t c)
{
    return c == u'á' || c == u'é' || c == u'í' || c == u'ó' || c == u'ú' || c == u'ü' || c == u'ñ';
}

bool esAcentuadaMayuscula(char16_t c)
{
    return c == u'Á' || c == u'É' || c == u'Í' || c == u'Ó' || c == u'Ú' || c == u'Ü' || c == u'Ñ';
}

// Rank of a letter in the order of the groups: case and the accents of the vowels
// folded away, ñ just after z.
char16_t rango(char16_t c)
{
    if ((c >= u'A' && c <= u'Z') || esAcentuadaMayuscula(c))
        c += 0x20;
    switch (c) {
    case u'á': return u'a';
    case u'é': return u'e';
    case u'í': return u'i';
    case u'ó': return u'o';
    case u'ú': case u'ü': return u'u';
    case u'ñ': return u'z' + 1;
    default: return c;
    }
}

QSet<QString> clavesVacias()
{
    QSet<QString> claves;
    for (const QString &p : palabrasVacias())
        claves.insert(claveConcordancia(p));
    return claves;
}

struct Grupo {
    QList<int> entradas;
    int veces = 0;
};

} // namespace

bool esLetraConcordancia(QChar ch)
{
    const char16_t c = ch.unicode();
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || esAcentuadaMinuscula(c)
           || esAcentuadaMayuscula(c);
}

QStringList tokensConcordancia(QStringView texto)
{
    QStringList tokens;
    qsizetype i = 0;
    while (i < texto.size()) {
        while (i < texto.size() && !esLetraConcordancia(texto[i]))
            ++i;
        const qsizetype inicio = i;
        while (i < texto.size() && esLetraConcordancia(texto[i]))
            ++i;
        if (i > inicio)
            tokens.append(texto.mid(inicio, i - inicio).toString());
    }
    return tokens;
}

QString claveConcordancia(QStringView token)
{
    QString clave = token.toString();
    if (!clave.isEmpty()) {
        const char16_t c = clave[0].unicode();
        if ((c >= u'a' && c <= u'z') || esAcentuadaMinuscula(c))
            clave[0] = QChar(char16_t(c - 0x20));
    }
    return clave;
}

const QStringList &palabrasVacias()
{
    static const QStringList lista = {
        u"alguna"_s, u"alguno"_s, u"algún"_s, u"allí"_s, u"ante"_s, u"antes"_s, u"aquel"_s,
        u"aquella"_s, u"aquellas"_s, u"aquellos"_s, u"aquél"_s, u"aquí"_s, u"artículo"_s,
        u"artículos"_s, u"así"_s, u"aun"_s, u"año"_s, u"años"_s, u"aún"_s, u"bajo"_s, u"cada"_s,
        u"Capítulo"_s, u"como"_s, u"común"_s, u"con"_s, u"conformidad"_s, u"cual"_s, u"cuales"_s,
        u"cualesquier"_s, u"cualesquiera"_s, u"cualquier"_s, u"cualquiera"_s, u"cuando"_s,
        u"cuanto"_s, u"cuya"_s, u"cuyas"_s, u"cuyo"_s, u"cuyos"_s, u"cuál"_s, u"cuáles"_s,
        u"cómo"_s, u"del"_s, u"demás"_s, u"donde"_s, u"dos"_s, u"ellas"_s, u"ellos"_s, u"esa"_s,
        u"esas"_s, u"ese"_s, u"esos"_s, u"esta"_s, u"estando"_s, u"estar"_s, u"estará"_s,
        u"estarán"_s, u"estas"_s, u"este"_s, u"estos"_s, u"está"_s, u"están"_s, u"esté"_s,
        u"estén"_s, u"las"_s, u"ley"_s, u"los"_s, u"misma"_s, u"mismas"_s, u"mismo"_s,
        u"mismos"_s, u"más"_s, u"nacional"_s, u"otra"_s, u"otras"_s, u"otro"_s, u"otros"_s,
        u"para"_s, u"pero"_s, u"por"_s, u"que"_s, u"quien"_s, u"quienes"_s, u"sea"_s, u"sean"_s,
        u"ser"_s, u"será"_s, u"serán"_s, u"sido"_s, u"siendo"_s, u"siguiente"_s, u"siguientes"_s,
        u"sin"_s, u"sobre"_s, u"son"_s, u"sus"_s, u"tal"_s, u"tales"_s, u"una"_s, u"uno"_s,
        u"ésta"_s, u"éstas"_s, u"éste"_s, u"éstos"_s,
    };
    return lista;
}

bool esPalabraVacia(QStringView clave)
{
    static const QSet<QString> claves = clavesVacias();
    return claves.contains(clave.toString());
}

int compararConcordancia(QStringView a, QStringView b)
{
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t ra = rango(a[i].unicode());
        const char16_t rb = rango(b[i].unicode());
        if (ra != rb)
            return ra < rb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

QStringList derivarConcordancia(const QStringList &entradas)
{
    QHash<QString, Grupo> grupos;
    for (int e = 0; e < entradas.size(); ++e) {
        const int numero = e + 1;
        for (const QString &token : tokensConcordancia(entradas[e])) {
            const QString clave = claveConcordancia(token);
            if (clave.size() < 3 || esPalabraVacia(clave))
                continue;
            Grupo &g = grupos[clave];
            if (g.entradas.isEmpty() || g.entradas.last() != numero)
                g.entradas.append(numero);
            ++g.veces;
        }
    }

    QStringList palabras = grupos.keys();
    // Words equal under the folding may stand in either order; their exact codes decide,
    // so that the table does not depend on the hash's order.
    std::sort(palabras.begin(), palabras.end(), [](const QString &a, const QString &b) {
        const int c = compararConcordancia(a, b);
        return c != 0 ? c < 0 : a < b;
    });

    QStringList tabla;
    for (const QString &palabra : palabras) {
        const Grupo &g = grupos[palabra];
        tabla.append(QStringLiteral("<Palabra>,[%1],(%2),%3").arg(g.entradas.size()).arg(g.veces).arg(palabra));
        for (const int entrada : g.entradas)
            tabla.append(QString::number(entrada));
    }
    return tabla;
}
