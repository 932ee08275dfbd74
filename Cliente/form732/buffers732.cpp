#include "form732/buffers732.h"

#include "compartido/miembros_registro.h"

namespace oxalde {
namespace {

using C = Campos732;

// The stored fields in the detail table's column order.
const Casillas<C>& CasillasCarga() {
    static const Casillas<C> c = {
        &C::TRANIF,    &C::TRANOM,  &C::TRADIRECC, &C::TRAPROVINCIA, &C::TRAPAIS,   &C::SITTIB1, &C::SITTIB2,
        &C::SITTIB3,   &C::SITTIB4, &C::SITTIB5,   &C::SITTIB6,      &C::HECHO1,    &C::HECHO2,  &C::HECHO3,
        &C::HECHO4,    &C::HECHO5,  &C::HECHO6,    &C::TMEDIO,       &C::MARCAV,    &C::TIPOV,   &C::MODELOV,
        &C::NBASTIDOR, &C::CLASIF,  &C::FABRICB,   &C::ESLORAMAX,    &C::NCONSTRUC, &C::MODELOB, &C::FABRICA,
        &C::PESOMAX,   &C::NSERIE,  &C::ANOFAB,    &C::MODELOA,      &C::BASE16,    &C::CUOTA16, &C::BASE7,
        &C::CUOTA7,    &C::BASE4,   &C::CUOTA4,    &C::BAEQ4,        &C::CUEQ4,     &C::BAEQ175, &C::CUEQ175,
        &C::BAEQ1,     &C::CUEQ1,   &C::BAEQ05,    &C::CUEQ05,       &C::TOTAL,
    };
    return c;
}

// Slots 2 to 41 of the validation buffer (slot 0 is MODOP, slot 1 the DNI's first character):
// the stored fields up to CLASIF, then the rest of the technical data and the amounts checked.
const Casillas<C>& CasillasValidacion() {
    static const Casillas<C> c = [] {
        const auto& carga = CasillasCarga();
        Casillas<C> v(carga.begin(), carga.begin() + 23);
        v.insert(v.end(), {&C::FABRICB, &C::NCONSTRUC, &C::FABRICA, &C::NSERIE, &C::ANOFAB, &C::BASE16, &C::BASE7,
                           &C::BASE4, &C::BAEQ4, &C::BAEQ175, &C::BAEQ1, &C::BAEQ05, &C::TOTAL, &C::CUOTA16,
                           &C::CUOTA7, &C::CUEQ4, &C::CUEQ1});
        return v;
    }();
    return c;
}

vb::Variant PrimeraLetra(const QString& dni) { return Valor(dni.left(1)); }

}  // namespace

vb::Variant BufferCarga732(const Campos732& campos) { return BufferDe(campos, CasillasCarga(), kCasillasCarga732); }

void LeerBufferCarga732(const vb::Variant& buffer, Campos732& campos) { Cargar(campos, CasillasCarga(), buffer); }

vb::Variant BufferValidacion732(const cDatos732& datos, const cDecResumen& cabecera) {
    vb::Variant buffer = vb::Variant::Array1(0, kCasillasValidacion732 - 1);
    buffer(0) = Valor(datos.MODOP());
    buffer(1) = PrimeraLetra(cabecera.DNI());
    Volcar(datos.Campos(), CasillasValidacion(), 2, buffer);
    return buffer;
}

vb::Variant BufferDeclaracion732(const cDatos732& datos, const cDecResumen& cabecera) {
    return BufferDeclaracionDe(datos, CasillasCarga(), kCasillasDeclaracion732, cabecera);
}

vb::Integer ComprobarDeclaracion732() {
    cDatos732& datos = cDatos732::Instancia();
    vb::Variant buffer = BufferValidacion732(datos, cDecResumen::Instancia());
    return datos.ValidarDatos732(buffer);
}

vb::Long GuardarDeclaracion732() {
    cDatos732& datos = cDatos732::Instancia();
    vb::Variant buffer = BufferDeclaracion732(datos, cDecResumen::Instancia());
    return datos.GuardarDeclaracion(buffer);
}

}  // namespace oxalde
