// The program Oxalde.
#include "principal/aplicacion.h"

int main(int argc, char** argv) {
    oxalde::Aplicacion aplicacion(argc, argv);
    switch (oxalde::Arrancar()) {
        case oxalde::Arranque::Continuar: return aplicacion.exec();
        case oxalde::Arranque::Terminar: return 0;
        case oxalde::Arranque::Fallo: break;
    }
    return 1;
}
