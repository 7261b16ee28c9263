#include "linea_de_ordenes.h"

namespace {

// Qt's own options (QGuiApplication and QApplication read them from the same command line),
// with one dash or two; the first group takes a value.
const char *const OpcionesQtConValor[] = {"platform", "platformpluginpath", "platformtheme", "plugin",
                                          "qwindowgeometry", "qwindowtitle", "qwindowicon", "display",
                                          "geometry", "title", "name", "icon", "style", "stylesheet",
                                          "session", "qmljsdebugger"};
const char *const OpcionesQtSinValor[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

template <std::size_t N>
bool esUna(const QString &nombre, const char *const (&lista)[N])
{
    for (const char *opcion : lista)
        if (nombre == QLatin1String(opcion))
            return true;
    return false;
}

// The name of a Qt option without its dashes, or the empty text when it is not one.
QString opcionQt(const QString &argumento)
{
    if (!argumento.startsWith(QLatin1Char('-')) || argumento.size() < 2)
        return {};
    QString nombre = argumento.mid(argumento.startsWith(QLatin1String("--")) ? 2 : 1);
    nombre = nombre.section(QLatin1Char('='), 0, 0);
    return esUna(nombre, OpcionesQtConValor) || esUna(nombre, OpcionesQtSinValor) ? nombre : QString();
}

// 0..350 written in decimal digits only (leading zeros allowed, as the selector shows them);
// -1 for anything else.
int numeroDeArticulo(const QString &texto)
{
    if (texto.isEmpty() || texto.size() > 6)
        return -1;
    int n = 0;
    for (const QChar c : texto) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return -1;
        n = n * 10 + (c.unicode() - '0');
    }
    return n <= ArticuloMaximo ? n : -1;
}

Ordenes error(const QString &argumento)
{
    Ordenes o;
    o.accion = Ordenes::Accion::Error;
    o.error = QStringLiteral("constitucion: argumento no válido «%1»: se acepta un número de artículo de 0 "
                             "a 350 (0 es el Preámbulo), --articulo N, --buscar CONSULTA, --texto N, "
                             "--help o --version.")
                  .arg(argumento);
    return o;
}

} // namespace

Ordenes leerOrdenes(const QStringList &argumentos)
{
    Ordenes o;
    bool ayuda = false;
    bool version = false;
    for (qsizetype i = 0; i < argumentos.size(); ++i) {
        const QString &a = argumentos.at(i);
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            ayuda = true;
        } else if (a == QLatin1String("--version")) {
            version = true;
        } else if (const QString opcion = a.section(QLatin1Char('='), 0, 0);
                   opcion == QLatin1String("--articulo") || opcion == QLatin1String("--texto")
                   || opcion == QLatin1String("--buscar")) {
            const bool junto = a.contains(QLatin1Char('='));
            if (!junto && i + 1 >= argumentos.size())
                return error(a);
            const QString valor = junto ? a.mid(a.indexOf(QLatin1Char('=')) + 1) : argumentos.at(++i);
            const QString escrito = junto ? a : a + QLatin1Char(' ') + valor;
            if (opcion == QLatin1String("--buscar")) {
                if (o.accion != Ordenes::Accion::Abrir || o.articulo >= 0)
                    return error(escrito);
                o.accion = Ordenes::Accion::Buscar;
                o.consulta = valor;
                continue;
            }
            const int n = numeroDeArticulo(valor);
            if (n < 0 || o.articulo >= 0 || o.accion != Ordenes::Accion::Abrir)
                return error(escrito);
            o.articulo = n;
            if (opcion == QLatin1String("--texto"))
                o.accion = Ordenes::Accion::Texto;
        } else if (const QString qt = opcionQt(a); !qt.isEmpty()) {
            if (!esUna(qt, OpcionesQtConValor) || a.contains(QLatin1Char('=')))
                continue;
            if (i + 1 >= argumentos.size())
                return error(a);
            const QString &valor = argumentos.at(++i);
            if (qt == QLatin1String("platform"))
                o.plataforma = valor;
        } else {
            const int n = numeroDeArticulo(a);
            if (n < 0 || o.articulo >= 0 || o.accion != Ordenes::Accion::Abrir)
                return error(a);
            o.articulo = n;
        }
    }
    if (ayuda)
        o.accion = Ordenes::Accion::Ayuda;
    else if (version)
        o.accion = Ordenes::Accion::Version;
    return o;
}

QString textoAyuda()
{
    return QStringLiteral(
        "Uso: constitucion [N | --articulo N] [opciones de Qt]\n"
        "     constitucion --buscar CONSULTA\n"
        "     constitucion --texto N\n"
        "Lector de la Constitución de la República Bolivariana de Venezuela (1999).\n"
        "\n"
        "  N, --articulo N   abre el artículo N, de 0 a 350 (0 es el Preámbulo),\n"
        "                    como si se eligiera con el selector\n"
        "  --buscar CONSULTA escribe en la salida estándar las entradas que responden\n"
        "                    a la consulta, con sus coincidencias entre [ y ], y la\n"
        "                    cuenta al final; termina con 0 si encontró algo, 1 si no\n"
        "  --texto N         escribe el artículo N (0 es el Preámbulo) con su cita,\n"
        "                    sus encabezados y, si fue enmendado, la nota\n"
        "  -h, --help        muestra esta ayuda y termina\n"
        "  --version         muestra la versión y termina\n"
        "\n"
        "Ejemplos:\n"
        "  constitucion --buscar 'derecho vivienda'\n"
        "  constitucion --buscar '\"derechos humanos\" -tratados'\n"
        "  constitucion --texto 82\n"
        "\n"
        "También acepta las opciones propias de Qt, como -platform, -display o -style.\n"
        "La ventana necesita una pantalla gráfica (X11 o Wayland); --buscar y --texto no.\n"
        "Un argumento no válido termina con 2.\n");
}

QString textoVersion()
{
    return QStringLiteral("constitucion " CONSTITUCION_VERSION "\n");
}
