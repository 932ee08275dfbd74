#pragma once
// The start of every form-731 case: one declarant (12345678Z) whose declaration of that form is
// at hand, `d` its record and `r` its header, over Base's fixture (the program, or one window).
#include "cliente/prueba.h"
#include "compartido/cDecResumen.h"
#include "form731/cDatos731.h"

namespace prueba {

template <class Base = Principal>
class Con731 : public Base {
protected:
    oxalde::cDatos731& d = oxalde::cDatos731::Instancia();
    oxalde::cDecResumen& r = oxalde::cDecResumen::Instancia();

    void SetUp() override {
        Base::SetUp();
        this->Declarantes(1);
        r.CSCO(1);
        r.DNI("12345678Z");
        r.Modelo("731");
        r.TIPOLOGIA(1);
    }
};

}  // namespace prueba
