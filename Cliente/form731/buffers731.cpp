#include "form731/buffers731.h"

#include "form731/cDatos731.h"
#include "compartido/cDecResumen.h"

namespace oxalde {

namespace {

vb::Variant Texto(const QString& s) { return vb::Variant(s.toStdString()); }

}  // namespace

vb::Variant BufferValidacion731(const cDatos731& d) {
    const vb::Variant items[] = {
        Texto(d.MODOP()),   Texto(d.ADQNIF()),  Texto(d.ADQNOM()),  Texto(d.ADQPAIS()),    Texto(d.TMEDIO()),
        Texto(d.MARCAV()),  Texto(d.TIPOV()),   Texto(d.MODELOV()), Texto(d.NBASTIDOR()), d.CLASIF(),
        Texto(d.FABRICB()), Texto(d.NCONSTRUC()), Texto(d.FABRICA()), Texto(d.NSERIE()),  d.ANOFAB(),
        d.PREADQ(),         d.IVASOP(),         d.PREVEN(),         d.MAXDEV(),            d.IVADEV2(),
        Texto(d.CC()),      d.BASE16(),         d.CUOTA16(),        d.BASE7(),             d.CUOTA7(),
    };
    vb::Variant buffer = vb::Variant::Array1(0, 24);
    for (vb::Long i = 0; i <= 24; ++i) buffer(i) = items[i];
    return buffer;
}

vb::Variant BufferDeclaracion731(const cDatos731& d, const cDecResumen& c) {
    vb::Variant buffer = vb::Variant::Array1(0, 47);
    buffer(0) = d.CSDE();
    buffer(1) = c.CSCO();
    buffer(2) = Texto(c.Modelo());
    buffer(3) = Texto(c.DNI().left(1));
    buffer(4) = Texto(d.MODOP());
    buffer(5) = c.FECHA();
    buffer(6) = c.Ejercicio();
    buffer(7) = Texto(c.PERIODO());
    buffer(8) = c.TIPOLOGIA();
    for (int i = 0; i < cDatos731::kAlmacenados; ++i) buffer(10 + i) = d.Almacenado(i);
    return buffer;
}

}  // namespace oxalde
