#include "arranque.h"

int main(int argc, char **argv)
{
    return ejecutar(argc, argv);
}
