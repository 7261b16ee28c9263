// The program as app/main.cpp starts it, watched for its first frame. It runs on for a
// second after it, so that its peak memory includes what the window makes once the
// frame is out.
#include "arranque.h"
#include "form1.h"
#include "primer_cuadro.h"

int main(int argc, char **argv)
{
    return ejecutar(argc, argv, [](Form1 &ventana) { new PrimerCuadro(&ventana, 1000); });
}
