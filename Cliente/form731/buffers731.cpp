#include "form731/buffers731.h"

#include "compartido/miembros_registro.h"

namespace oxalde {
namespace {

using C = Campos731;

// The stored values in the library's load order.
const Casillas<C>& CasillasCarga() {
    static const Casillas<C> c = {
        &C::ADQNIF,  &C::ADQNOM,  &C::ADQPAIS,   &C::TMEDIO,    &C::MARCAV,  &C::TIPOV,   &C::MODELOV, &C::NBASTIDOR,
        &C::CLASIF,  &C::FABRICB, &C::ESLORAMAX, &C::NCONSTRUC, &C::MARCAB,  &C::TIPOB,   &C::MODELOB, &C::FABRICA,
        &C::PESOMAX, &C::NSERIE,  &C::ANOFAB,    &C::MARCAA,    &C::TIPOA,   &C::MODELOA, &C::PREADQ,  &C::TIPOADQ,
        &C::IVASOP,  &C::PREVEN,  &C::TIPOVEN,   &C::MAXDEV,    &C::IVADEV1, &C::BASE16,  &C::CUOTA16, &C::BASE7,
        &C::CUOTA7,  &C::BASE4,   &C::CUOTA4,    &C::IVADEV2,   &C::resul,   &C::CC,
    };
    return c;
}

const Casillas<C>& CasillasValidacion() {
    static const Casillas<C> c = {
        &C::MODOP,   &C::ADQNIF,    &C::ADQNOM, &C::ADQPAIS, &C::TMEDIO,    &C::MARCAV,  &C::TIPOV,
        &C::MODELOV, &C::NBASTIDOR, &C::CLASIF, &C::FABRICB, &C::NCONSTRUC, &C::FABRICA, &C::NSERIE,
        &C::ANOFAB,  &C::PREADQ,    &C::IVASOP, &C::PREVEN,  &C::MAXDEV,    &C::IVADEV2, &C::CC,
        &C::BASE16,  &C::CUOTA16,   &C::BASE7,  &C::CUOTA7,
    };
    return c;
}

}  // namespace

vb::Variant BufferCarga731(const Campos731& campos) { return BufferDe(campos, CasillasCarga(), kCasillasCarga731); }

void LeerBufferCarga731(const vb::Variant& buffer, Campos731& campos) { Cargar(campos, CasillasCarga(), buffer); }

vb::Variant BufferValidacion731(const cDatos731& datos) {
    return BufferDe(datos.Campos(), CasillasValidacion(), kCasillasValidacion731);
}

vb::Variant BufferDeclaracion731(const cDatos731& datos, const cDecResumen& cabecera) {
    return BufferDeclaracionDe(datos, CasillasCarga(), kCasillasDeclaracion731, cabecera);
}

}  // namespace oxalde
