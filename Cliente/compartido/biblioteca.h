#pragma once
// Fresh objects of the library's services, pointed at a database: the program creates one for
// every call and lets it go afterwards. Also the text of a value the library hands back.
#include <QString>
#include <memory>

#include "servicios/cDatosGeneral.h"
#include "servicios/cDeclaracion.h"
#include "servicios/cDeclarante.h"
#include "vb/variant.h"

namespace oxalde {

std::shared_ptr<brunsel::cDatosGeneral> DatosGeneral(const QString& baseDatos);
std::shared_ptr<brunsel::cDeclaracion> Declaracion(const QString& baseDatos);
// The taxpayer service with no path set: each call sets the one or two paths it needs.
std::shared_ptr<brunsel::cDeclarante> Declarante();

// A library value as text (Empty gives "").
QString Texto(const vb::Variant& valor);

}  // namespace oxalde
