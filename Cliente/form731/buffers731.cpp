#include "form731/buffers731.h"

#include "form731/cDatos731.h"
#include "compartido/cDecResumen.h"
#include "compartido/miembros_registro.h"

namespace oxalde {

vb::Variant BufferValidacion731(const cDatos731& d) {
    const vb::Variant items[] = {
        Valor(d.MODOP()),   Valor(d.ADQNIF()),  Valor(d.ADQNOM()),  Valor(d.ADQPAIS()),    Valor(d.TMEDIO()),
        Valor(d.MARCAV()),  Valor(d.TIPOV()),   Valor(d.MODELOV()), Valor(d.NBASTIDOR()), d.CLASIF(),
        Valor(d.FABRICB()), Valor(d.NCONSTRUC()), Valor(d.FABRICA()), Valor(d.NSERIE()),  d.ANOFAB(),
        d.PREADQ(),         d.IVASOP(),         d.PREVEN(),         d.MAXDEV(),            d.IVADEV2(),
        Valor(d.CC()),      d.BASE16(),         d.CUOTA16(),        d.BASE7(),             d.CUOTA7(),
    };
    vb::Variant buffer = vb::Variant::Array1(0, 24);
    for (vb::Long i = 0; i <= 24; ++i) buffer(i) = items[i];
    return buffer;
}

vb::Variant BufferDeclaracion731(const cDatos731& d, const cDecResumen& c) {
    vb::Variant buffer = BufferGuardado(48, d.CSDE(), d.MODOP(), c);
    for (int i = 0; i < cDatos731::kAlmacenados; ++i) buffer(10 + i) = d.Almacenado(i);
    return buffer;
}

}  // namespace oxalde
