#pragma once

#include <QString>
#include <QStringList>

// The command line, read before the application object exists: no display is needed to
// answer --help or --version or to refuse a bad argument.
struct Ordenes {
    enum class Accion { Abrir, Ayuda, Version, Error, Buscar, Texto };
    Accion accion = Accion::Abrir;
    int articulo = -1;     // 0 (the preamble) to 350 when one was asked for, -1 otherwise
    QString consulta;      // what --buscar looks for
    QString plataforma;    // the value of Qt's own -platform option, empty when not given
    QString error;         // the one line to print when accion is Error
};

inline constexpr int ArticuloMaximo = 350;

// Reads the arguments after the program's name. Accepted: N or --articulo N (also
// --articulo=N), N from 0 to 350; --buscar CONSULTA and --texto N (also with "="), which
// print to standard output instead of opening the window and take no article besides;
// --help or -h; --version; and Qt's own options, which are left for the application object.
Ordenes leerOrdenes(const QStringList &argumentos);

// The text --help prints and the line --version prints, each ending in a line feed.
QString textoAyuda();
QString textoVersion();
