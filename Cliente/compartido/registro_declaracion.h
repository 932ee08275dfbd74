#pragma once
// What both declaration records (cDatos731, cDatos732) have alike beyond their fields: one
// instance for the whole run, the stored values kept together for the buffers, the date the
// library checks the declaration on, and the save buffer built from them.
#include <iterator>
#include <string>

#include "compartido/cDecResumen.h"
#include "compartido/campos_comunes.h"
#include "compartido/miembros_registro.h"

namespace oxalde {

template <class Registro, class CamposRegistro>
class RegistroDeclaracion {
public:
    static Registro& Instancia() {
        static Registro instancia;
        return instancia;
    }

    // Every stored value, for the buffers.
    const CamposRegistro& Campos() const { return c_; }

protected:
    RegistroDeclaracion() = default;

    // The date of the check (strFecha) from the record's kind and the declaration's header.
    std::string FechaComprobacion() const {
        const auto& r = cDecResumen::Instancia();
        return strFecha(c_.MODOP, r.FECHA(), r.Ejercicio(), r.PERIODO());
    }

    using C = CamposRegistro;
    CamposRegistro c_;
};

// A record's save buffer of that many slots: its key and the declaration's header
// (BufferGuardado), then the stored values named in the last slots.
template <class Registro, class Miembros>
vb::Variant BufferDeclaracionDe(const Registro& datos, const Miembros& carga, vb::Long casillas,
                                const cDecResumen& cabecera) {
    vb::Variant buffer = BufferGuardado(casillas, datos.CSDE(), datos.MODOP(), cabecera);
    Volcar(datos.Campos(), carga, casillas - static_cast<vb::Long>(std::size(carga)), buffer);
    return buffer;
}

}  // namespace oxalde
