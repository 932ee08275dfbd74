#pragma once
// A fresh object of the library's reference data and settings service, pointed at a database:
// the program creates one for every call and lets it go afterwards.
#include <QString>
#include <memory>

#include "servicios/cDatosGeneral.h"

namespace oxalde {

std::shared_ptr<brunsel::cDatosGeneral> DatosGeneral(const QString& baseDatos);

}  // namespace oxalde
