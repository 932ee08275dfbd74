#pragma once
// What the shared editor frame asks of a form's record, answered alike for both records
// (cDatos731, cDatos732): whether it is new or of the transport kind, its key, the means chosen,
// and the load of a stored declaration.
#include "compartido/EditorDeclaracion.h"
#include "compartido/claves_declaracion.h"

namespace oxalde {

template <class Registro>
class EditorDe : public EditorDeclaracion {
public:
    using EditorDeclaracion::EditorDeclaracion;

protected:
    // The one record of the form.
    static Registro& Datos() { return Registro::Instancia(); }

    bool Nueva() const override { return Datos().MODO() == kModoNueva; }
    vb::Long Clave() const override { return Datos().CSDE(); }
    bool Transporte() const override { return Datos().MODOP() == kModoTransporte; }
    void ElegirMedio(const QString& tmedio) override { Datos().TMEDIO(tmedio); }
    bool CargarGuardada() override {
        if (Datos().MODO() != kModoExistente) return false;
        Datos().CargarDeclaracion(Datos().CSDE());
        return true;
    }
};

}  // namespace oxalde
