#include "vb/error.h"

namespace vb {

Error::Error(int32_t numero, std::string origen, std::string descripcion)
    : std::runtime_error(descripcion),
      numero_(numero),
      origen_(std::move(origen)),
      descripcion_(std::move(descripcion)) {}

Error Error::ConDescripcion(std::string descripcion) const {
    return Error(numero_, origen_, std::move(descripcion)).ConMotor(archivo_, motor_);
}

Error Error::ConMotor(std::string archivo, int codigo) const {
    Error e = *this;
    e.archivo_ = std::move(archivo);
    e.motor_ = codigo;
    return e;
}

std::string TextoError(int32_t numero) {
    switch (numero) {
        case errDesbordamiento: return "Overflow";
        case errSubindice: return "Subscript out of range";
        case errTipos: return "Type mismatch";
        case errObjetoNoEstablecido: return "Object variable or With block variable not set";
        case errUsoNull: return "Invalid use of Null";
        case errCrearObjeto: return "ActiveX component can't create object";
        case errArchivoNoEncontrado: return "Could not find file";
        case errSinRegistroActual: return "No current record";
        case errElementoNoEncontrado: return "Item not found in this collection";
        default: return "Application-defined or object-defined error";
    }
}

void Lanzar(int32_t numero, const std::string& origen) {
    throw Error(numero, origen, TextoError(numero));
}

void Lanzar(int32_t numero, const std::string& origen, const std::string& descripcion) {
    throw Error(numero, origen, descripcion);
}

}  // namespace vb
