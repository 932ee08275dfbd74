#include "shell/biblioteca.h"

#include "com/com.h"

namespace oxalde {

std::shared_ptr<brunsel::cDatosGeneral> DatosGeneral(const QString& baseDatos) {
    auto datos = com::CreateObject<brunsel::cDatosGeneral>("Brunsel.cDatosGeneral");
    datos->mdbname(baseDatos.toStdString());
    return datos;
}

}  // namespace oxalde
