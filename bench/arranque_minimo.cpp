// The smallest Qt Widgets program: an empty window of the main window's size, ending
// at its first frame. The yardstick for bench_arranque.
#include "primer_cuadro.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication aplicacion(argc, argv);
    QWidget ventana;
    ventana.resize(664, 480);
    PrimerCuadro cuadro(&ventana);
    ventana.show();
    return aplicacion.exec();
}
