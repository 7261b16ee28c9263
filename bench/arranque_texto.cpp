// The minimal window of arranque_minimo with one line of text: what any window that shows
// text pays for the font machinery (fontconfig, FreeType, HarfBuzz) that an empty window
// never loads. A second yardstick for bench_arranque.
#include "primer_cuadro.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication aplicacion(argc, argv);
    QWidget ventana;
    ventana.resize(664, 480);
    QLabel linea(QStringLiteral("Constitución de la República Bolivariana de Venezuela"), &ventana);
    linea.move(8, 8);
    PrimerCuadro cuadro(&ventana);
    ventana.show();
    return aplicacion.exec();
}
