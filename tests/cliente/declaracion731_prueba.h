#pragma once
// What every form-731 case starts from: the record `d`, and the header `r` of a declaration of that
// form by the first declarant (12345678Z, as prueba::Principal::Declarantes adds them).
#include "compartido/cDecResumen.h"
#include "form731/cDatos731.h"

namespace prueba {

struct Declaracion731 {
    oxalde::cDatos731& d = oxalde::cDatos731::Instancia();
    oxalde::cDecResumen& r = oxalde::cDecResumen::Instancia();

    void CabeceraDelPrimerDeclarante() {
        r.CSCO(1);
        r.DNI("12345678Z");
        r.Modelo("731");
        r.TIPOLOGIA(1);
    }
};

}  // namespace prueba
