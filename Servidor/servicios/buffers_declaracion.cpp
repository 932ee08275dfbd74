#include "servicios/buffers_declaracion.h"

#include <string>

namespace brunsel {
namespace {

// A slot's value as the type of the property it goes into.
template <class T> T Como(const vb::Variant& v);
template <> std::string Como(const vb::Variant& v) { return v.CStr(); }
template <> vb::Byte Como(const vb::Variant& v) { return v.CByte(); }
template <> vb::Integer Como(const vb::Variant& v) { return v.CInt(); }
template <> vb::Long Como(const vb::Variant& v) { return v.CLng(); }
template <> vb::Single Como(const vb::Variant& v) { return v.CSng(); }
template <> double Como(const vb::Variant& v) { return v.CDbl(); }

template <class Fila, class T>
Casilla<Fila> Propiedad(void (Fila::*let)(T), T (Fila::*get)() const) {
    return {[let](Fila& f, const vb::Variant& v) { (f.*let)(Como<T>(v)); },
            [get](const Fila& f) { return vb::Variant((f.*get)()); }};
}

template <class Fila, class T>
Casilla<Fila> SoloLet(void (Fila::*let)(T)) {
    return {[let](Fila& f, const vb::Variant& v) { (f.*let)(Como<T>(v)); }, nullptr};
}

// The let/get pair of one property, named once.
#define PROPIEDAD(miembro) Propiedad(&miembro, &miembro)

}  // namespace

const Casillas<cT02>& CasillasCabecera() {
    static const Casillas<cT02> c = {
        PROPIEDAD(cT02::KeyT02_CSDE),     PROPIEDAD(cT02::datT02_CSCO),      PROPIEDAD(cT02::datT02_MODELO),
        PROPIEDAD(cT02::datT02_LETRADNI), PROPIEDAD(cT02::datT02_MODO),      PROPIEDAD(cT02::datT02_FECHA),
        PROPIEDAD(cT02::datT02_EJERCICIO), PROPIEDAD(cT02::datT02_PERIODO), PROPIEDAD(cT02::datT02_TIPOLOGIA),
    };
    return c;
}

const Casillas<cT03>& CasillasDetalle731() {
    static const Casillas<cT03> c = {
        PROPIEDAD(cT03::datT03_ADQNIF),   PROPIEDAD(cT03::datT03_ADQNOM),    PROPIEDAD(cT03::datT03_ADQPAIS),
        PROPIEDAD(cT03::datT03_TMEDIO),   PROPIEDAD(cT03::datT03_MARCAV),    PROPIEDAD(cT03::datT03_TIPOV),
        PROPIEDAD(cT03::datT03_MODELOV),  PROPIEDAD(cT03::datT03_NBASTIDOR), PROPIEDAD(cT03::datT03_CLASIF),
        PROPIEDAD(cT03::datT03_FABRICB),  PROPIEDAD(cT03::datT03_ESLORAMAX), PROPIEDAD(cT03::datT03_NCONSTRUC),
        PROPIEDAD(cT03::datT03_MARCAB),   PROPIEDAD(cT03::datT03_TIPOB),     PROPIEDAD(cT03::datT03_MODELOB),
        PROPIEDAD(cT03::datT03_FABRICA),  PROPIEDAD(cT03::datT03_PESOMAX),   PROPIEDAD(cT03::datT03_NSERIE),
        PROPIEDAD(cT03::datT03_ANOFAB),   PROPIEDAD(cT03::datT03_MARCAA),    PROPIEDAD(cT03::datT03_TIPOA),
        PROPIEDAD(cT03::datT03_MODELOA),  PROPIEDAD(cT03::datT03_PREADQ),    PROPIEDAD(cT03::datT03_TIPOADQ),
        PROPIEDAD(cT03::datT03_IVASOP),   PROPIEDAD(cT03::datT03_PREVEN),    PROPIEDAD(cT03::datT03_TIPOVEN),
        PROPIEDAD(cT03::datT03_MAXDEV),   PROPIEDAD(cT03::datT03_IVADEV1),   PROPIEDAD(cT03::datT03_BASE16),
        PROPIEDAD(cT03::datT03_CUOTA16),  PROPIEDAD(cT03::datT03_BASE7),     PROPIEDAD(cT03::datT03_CUOTA7),
        PROPIEDAD(cT03::datT03_BASE4),    PROPIEDAD(cT03::datT03_CUOTA4),    PROPIEDAD(cT03::datT03_IVADEV2),
        PROPIEDAD(cT03::datT03_RESUL),    PROPIEDAD(cT03::datT03_CC),
    };
    return c;
}

const Casillas<cT04>& CasillasDetalle732() {
    static const Casillas<cT04> c = {
        PROPIEDAD(cT04::datT04_TRANIF),    PROPIEDAD(cT04::datT04_TRANOM),   PROPIEDAD(cT04::datT04_TRADIRECC),
        PROPIEDAD(cT04::datT04_TRAPROV),   PROPIEDAD(cT04::datT04_TRAPAIS),  PROPIEDAD(cT04::datT04_SITTIB1),
        PROPIEDAD(cT04::datT04_SITTIB2),   PROPIEDAD(cT04::datT04_SITTIB3),  PROPIEDAD(cT04::datT04_SITTIB4),
        PROPIEDAD(cT04::datT04_SITTIB5),   PROPIEDAD(cT04::datT04_SITTIB6),  PROPIEDAD(cT04::datT04_HECHO1),
        PROPIEDAD(cT04::datT04_HECHO2),    PROPIEDAD(cT04::datT04_HECHO3),   PROPIEDAD(cT04::datT04_HECHO4),
        PROPIEDAD(cT04::datT04_HECHO5),    PROPIEDAD(cT04::datT04_HECHO6),   PROPIEDAD(cT04::datT04_TMEDIO),
        PROPIEDAD(cT04::datT04_MARCAV),    PROPIEDAD(cT04::datT04_TIPOV),    PROPIEDAD(cT04::datT04_MODELOV),
        PROPIEDAD(cT04::datT04_NBASTIDOR), PROPIEDAD(cT04::datT04_CLASIF),   PROPIEDAD(cT04::datT04_FABRICB),
        PROPIEDAD(cT04::datT04_ESLORAMAX), PROPIEDAD(cT04::datT04_NCONSTRUC), PROPIEDAD(cT04::datT04_MODELOB),
        PROPIEDAD(cT04::datT04_FABRICA),   PROPIEDAD(cT04::datT04_PESOMAX),  PROPIEDAD(cT04::datT04_NSERIE),
        PROPIEDAD(cT04::datT04_ANOFAB),    PROPIEDAD(cT04::datT04_MODELOA),  PROPIEDAD(cT04::datT04_BASE16),
        PROPIEDAD(cT04::datT04_CUOTA16),   PROPIEDAD(cT04::datT04_BASE7),    PROPIEDAD(cT04::datT04_CUOTA7),
        PROPIEDAD(cT04::datT04_BASE4),     PROPIEDAD(cT04::datT04_CUOTA4),   PROPIEDAD(cT04::datT04_BAEQ4),
        PROPIEDAD(cT04::datT04_CUEQ4),     PROPIEDAD(cT04::datT04_BAEQ175),  PROPIEDAD(cT04::datT04_CUEQ175),
        PROPIEDAD(cT04::datT04_BAEQ1),     PROPIEDAD(cT04::datT04_CUEQ1),    PROPIEDAD(cT04::datT04_BAEQ05),
        PROPIEDAD(cT04::datT04_CUEQ05),    PROPIEDAD(cT04::datT04_TOTAL),
    };
    return c;
}

const Casillas<cT02>& CasillasEjerPer() {
    static const Casillas<cT02> c = {
        PROPIEDAD(cT02::datT02_EJERCICIO), PROPIEDAD(cT02::datT02_PERIODO), SoloLet(&cT02::FECHAMIN),
        SoloLet(&cT02::FECHAMAX),          PROPIEDAD(cT02::datT02_MODO),    PROPIEDAD(cT02::datT02_FECHA),
    };
    return c;
}

const Casillas<cT02>& CasillasDatosComunes() {
    static const Casillas<cT02> c = {
        PROPIEDAD(cT02::datT02_EJERCICIO), PROPIEDAD(cT02::datT02_PERIODO), PROPIEDAD(cT02::datT02_FECHA),
        SoloLet(&cT02::FECHAMIN),          SoloLet(&cT02::FECHAMAX),        PROPIEDAD(cT02::datT02_MODELO),
        PROPIEDAD(cT02::datT02_CSCO),      PROPIEDAD(cT02::datT02_MODO),    PROPIEDAD(cT02::PrimeraLetra),
    };
    return c;
}

const Casillas<cT03>& CasillasValidacion731() {
    static const Casillas<cT03> c = {
        PROPIEDAD(cT03::MODOP),           PROPIEDAD(cT03::datT03_ADQNIF),    PROPIEDAD(cT03::datT03_ADQNOM),
        PROPIEDAD(cT03::datT03_ADQPAIS),  PROPIEDAD(cT03::datT03_TMEDIO),    PROPIEDAD(cT03::datT03_MARCAV),
        PROPIEDAD(cT03::datT03_TIPOV),    PROPIEDAD(cT03::datT03_MODELOV),   PROPIEDAD(cT03::datT03_NBASTIDOR),
        PROPIEDAD(cT03::datT03_CLASIF),   PROPIEDAD(cT03::datT03_FABRICB),   PROPIEDAD(cT03::datT03_NCONSTRUC),
        PROPIEDAD(cT03::datT03_FABRICA),  PROPIEDAD(cT03::datT03_NSERIE),    PROPIEDAD(cT03::datT03_ANOFAB),
        PROPIEDAD(cT03::datT03_PREADQ),   PROPIEDAD(cT03::datT03_IVASOP),    PROPIEDAD(cT03::datT03_PREVEN),
        PROPIEDAD(cT03::datT03_MAXDEV),   PROPIEDAD(cT03::datT03_IVADEV2),   PROPIEDAD(cT03::datT03_CC),
        PROPIEDAD(cT03::datT03_BASE16),   PROPIEDAD(cT03::datT03_CUOTA16),   PROPIEDAD(cT03::datT03_BASE7),
        PROPIEDAD(cT03::datT03_CUOTA7),
    };
    return c;
}

const Casillas<cT04>& CasillasValidacion732() {
    static const Casillas<cT04> c = {
        PROPIEDAD(cT04::MODOP),            PROPIEDAD(cT04::PrimeraLetra),    PROPIEDAD(cT04::datT04_TRANIF),
        PROPIEDAD(cT04::datT04_TRANOM),    PROPIEDAD(cT04::datT04_TRADIRECC), PROPIEDAD(cT04::datT04_TRAPROV),
        PROPIEDAD(cT04::datT04_TRAPAIS),   PROPIEDAD(cT04::datT04_SITTIB1),  PROPIEDAD(cT04::datT04_SITTIB2),
        PROPIEDAD(cT04::datT04_SITTIB3),   PROPIEDAD(cT04::datT04_SITTIB4),  PROPIEDAD(cT04::datT04_SITTIB5),
        PROPIEDAD(cT04::datT04_SITTIB6),   PROPIEDAD(cT04::datT04_HECHO1),   PROPIEDAD(cT04::datT04_HECHO2),
        PROPIEDAD(cT04::datT04_HECHO3),    PROPIEDAD(cT04::datT04_HECHO4),   PROPIEDAD(cT04::datT04_HECHO5),
        PROPIEDAD(cT04::datT04_HECHO6),    PROPIEDAD(cT04::datT04_TMEDIO),   PROPIEDAD(cT04::datT04_MARCAV),
        PROPIEDAD(cT04::datT04_TIPOV),     PROPIEDAD(cT04::datT04_MODELOV),  PROPIEDAD(cT04::datT04_NBASTIDOR),
        PROPIEDAD(cT04::datT04_CLASIF),    PROPIEDAD(cT04::datT04_FABRICB),  PROPIEDAD(cT04::datT04_NCONSTRUC),
        PROPIEDAD(cT04::datT04_FABRICA),   PROPIEDAD(cT04::datT04_NSERIE),   PROPIEDAD(cT04::datT04_ANOFAB),
        PROPIEDAD(cT04::datT04_BASE16),    PROPIEDAD(cT04::datT04_BASE7),    PROPIEDAD(cT04::datT04_BASE4),
        PROPIEDAD(cT04::datT04_BAEQ4),     PROPIEDAD(cT04::datT04_BAEQ175),  PROPIEDAD(cT04::datT04_BAEQ1),
        PROPIEDAD(cT04::datT04_BAEQ05),    PROPIEDAD(cT04::datT04_TOTAL),    PROPIEDAD(cT04::datT04_CUOTA16),
        PROPIEDAD(cT04::datT04_CUOTA7),    PROPIEDAD(cT04::datT04_CUEQ4),    PROPIEDAD(cT04::datT04_CUEQ1),
    };
    return c;
}

#undef PROPIEDAD

}  // namespace brunsel
