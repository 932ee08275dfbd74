#include "compartido/biblioteca.h"

#include "com/com.h"

namespace oxalde {

std::shared_ptr<brunsel::cDatosGeneral> DatosGeneral(const QString& baseDatos) {
    auto datos = com::CreateObject<brunsel::cDatosGeneral>("Brunsel.cDatosGeneral");
    datos->mdbname(baseDatos.toStdString());
    return datos;
}

std::shared_ptr<brunsel::cDeclaracion> Declaracion(const QString& baseDatos) {
    auto declaracion = com::CreateObject<brunsel::cDeclaracion>("Brunsel.cDeclaracion");
    declaracion->mdbname(baseDatos.toStdString());
    return declaracion;
}

std::shared_ptr<brunsel::cDeclarante> Declarante() {
    return com::CreateObject<brunsel::cDeclarante>("Brunsel.cDeclarante");
}

QString Texto(const vb::Variant& valor) {
    // Texts and keys, most of what lists hold, without the runtime's general conversion.
    if (const auto* texto = valor.Si<std::string>()) return QString::fromStdString(*texto);
    if (const auto* numero = valor.Si<vb::Long>()) return QString::number(*numero);
    return QString::fromStdString(valor.CStr());
}

}  // namespace oxalde
