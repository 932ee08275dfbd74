#include "tablas/cT04.h"
#include <algorithm>

#include "general.h"
#include "tablas/tabla_clave.h"

namespace brunsel {
namespace {

const TablaClave kTabla{"T04_732DECLA", kColumnasT04};

bool EnBlanco(const std::string& s) { return vb::Trim(s).empty(); }
bool Marcado(const std::string& s) { return vb::Trim(s) == "X"; }

// The quarter of 2012 whose quotas are checked against the rates of the time. The date is read
// only here, so a date that is not a number fails only when a rate rule is reached.
bool EnVentana2012(const std::string& strFecha) {
    const double fecha = vb::Variant(strFecha).CDbl();
    return 20120701 <= fecha && fecha <= 20120930;
}

// Fires when the quota is below the rate applied to the whole base, inside the window only.
bool CuotaBaja(const std::string& strFecha, double tipo, double base, double cuota) {
    return EnVentana2012(strFecha) && !CuotaValida(tipo, base, cuota);
}

}  // namespace

cT04::cT04() : valores_(FilaInicial(kColumnasT04)) {}

bool cT04::Existe() { return keyT04_CSDE() > 0 && kTabla.Existe(keyT04_CSDE()); }

bool cT04::Insertar() {
    if (keyT04_CSDE() <= 0) return false;
    kTabla.Insertar(valores_, true);
    return true;
}

bool cT04::Borrar() {
    if (keyT04_CSDE() <= 0) return false;
    kTabla.Borrar(keyT04_CSDE());
    return true;
}

bool cT04::Modificar() {
    if (keyT04_CSDE() <= 0) return false;
    kTabla.Modificar(valores_);
    return true;
}

bool cT04::Seleccionar() { return keyT04_CSDE() > 0 && kTabla.Seleccionar(valores_); }

vb::Integer cT04::ValidarDatos732(std::string& strFecha) const {
    if (vb::Trim(modop_) == "T")
        if (vb::Integer codigo = ReglasTransporte(strFecha)) return codigo;
    const std::string hechos[] = {datT04_HECHO1(), datT04_HECHO2(), datT04_HECHO3(),
                                  datT04_HECHO4(), datT04_HECHO5(), datT04_HECHO6()};
    if (std::all_of(std::begin(hechos), std::end(hechos), EnBlanco)) return 9;
    if (vb::Trim(modop_) != "P") return 0;
    return ReglasComunes(strFecha);
}

// The transmitter, the declarant's kind and the technical data of a new means of transport.
vb::Integer cT04::ReglasTransporte(const std::string& strFecha) const {
    const bool hecho2 = Marcado(datT04_HECHO2());
    const bool hecho5 = Marcado(datT04_HECHO5());
    if ((hecho5 || hecho2) && EnBlanco(datT04_TRANIF())) return 1;
    if ((hecho5 || hecho2) && EnBlanco(datT04_TRANOM())) return 2;
    if (hecho2 && EnBlanco(datT04_TRAPAIS())) return 3;
    if (hecho5 && !hecho2 && EnBlanco(datT04_TRAPAIS()) && EnBlanco(datT04_TRAPROV())) return 28;
    if (!EsNifTipo3(primeraLetra_)) return 5;

    if (datT04_HECHO2() == "X") {
        const std::string medio = datT04_TMEDIO();
        if (medio == "V") {
            if (EnBlanco(datT04_MARCAV())) return 10;
            if (EnBlanco(datT04_TIPOV())) return 11;
            if (EnBlanco(datT04_MODELOV())) return 12;
            if (EnBlanco(datT04_NBASTIDOR())) return 13;
        } else if (medio == "B") {
            if (EnBlanco(datT04_FABRICB())) return 15;
            if (EnBlanco(datT04_NCONSTRUC())) return 16;
        } else if (medio == "A") {
            if (EnBlanco(datT04_FABRICA())) return 17;
            if (EnBlanco(datT04_NSERIE())) return 18;
            if (datT04_ANOFAB() == 0) return 19;
        }
        if (datT04_BASE16() == 0) return 20;
    }
    if (CuotaBaja(strFecha, 18, datT04_BASE16(), datT04_CUOTA16())) return 31;
    if (CuotaBaja(strFecha, 8, datT04_BASE7(), datT04_CUOTA7())) return 32;
    return 0;
}

// The tax situation against the declarant's kind, the bases, the total and the quotas.
vb::Integer cT04::ReglasComunes(const std::string& strFecha) const {
    const std::string situaciones[] = {datT04_SITTIB1(), datT04_SITTIB2(), datT04_SITTIB3(),
                                       datT04_SITTIB4(), datT04_SITTIB5(), datT04_SITTIB6()};
    if (std::all_of(std::begin(situaciones), std::end(situaciones), EnBlanco)) return 4;
    const std::string& letra = primeraLetra_;
    if (Marcado(datT04_SITTIB1()) && !(EsNifTipo2(letra) || EsNifTipo3(letra))) return 6;
    if (Marcado(datT04_SITTIB2()) && !(EsNifTipo2(letra) || EsNifTipo3(letra))) return 7;
    if (Marcado(datT04_SITTIB4()) && !(EsNifTipo0(letra) || EsNifTipo2(letra))) return 8;

    const double base16 = datT04_BASE16();
    const double base7 = datT04_BASE7();
    const double base4 = datT04_BASE4();
    const double baeq4 = datT04_BAEQ4();
    const double baeq175 = datT04_BAEQ175();
    const double baeq1 = datT04_BAEQ1();
    const double baeq05 = datT04_BAEQ05();
    if (EnBlanco(datT04_HECHO4()) && Marcado(datT04_SITTIB2()) && baeq4 == 0 && baeq175 == 0 && baeq1 == 0 &&
        baeq05 == 0)
        return 30;
    if (Marcado(datT04_HECHO2()) && base7 + base16 + base4 == 0) return 21;
    if (baeq4 > base16) return 23;
    if (baeq175 > base16) return 27;
    if (baeq1 > base7) return 24;
    if (baeq05 > base4) return 25;
    if (datT04_TOTAL() == 0) return 26;

    if (CuotaBaja(strFecha, 18, base16, datT04_CUOTA16())) return 31;
    if (CuotaBaja(strFecha, 8, base7, datT04_CUOTA7())) return 32;
    if (CuotaBaja(strFecha, 4, baeq4, datT04_CUEQ4())) return 33;
    if (CuotaBaja(strFecha, 1, baeq1, datT04_CUEQ1())) return 34;
    return 0;
}

}  // namespace brunsel
