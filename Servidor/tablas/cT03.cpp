#include "tablas/cT03.h"

#include "general.h"
#include "tablas/tabla_clave.h"

namespace brunsel {
namespace {

const TablaClave kTabla{"T03_731DECLA", kColumnasT03};

bool EnBlanco(const std::string& s) { return vb::Trim(s).empty(); }

// The quarter of 2012 whose quotas are checked against the 18 % and 8 % rates.
bool EnVentana2012(double fecha) { return 20120701 <= fecha && fecha <= 20120930; }

// Accounts are checked from the second half of 2010 on.
constexpr double kUltimaFechaSinCuenta = 20100630;

}  // namespace

cT03::cT03() : valores_(FilaInicial(kColumnasT03)) {}

bool cT03::Existe() { return KeyT03_CSDE() > 0 && kTabla.Existe(KeyT03_CSDE()); }

bool cT03::Insertar() {
    if (KeyT03_CSDE() <= 0) return false;
    kTabla.Insertar(valores_, true);
    return true;
}

bool cT03::Borrar() {
    if (KeyT03_CSDE() <= 0) return false;
    kTabla.Borrar(KeyT03_CSDE());
    return true;
}

bool cT03::Modificar() {
    if (KeyT03_CSDE() <= 0) return false;
    kTabla.Modificar(valores_);
    return true;
}

bool cT03::Seleccionar() { return KeyT03_CSDE() > 0 && kTabla.Seleccionar(valores_); }

vb::Integer cT03::ValidarDatos731(bool /*blnValPreven*/, const std::string& strFecha) {
    // Created before any rule, so a missing component fails every check alike.
    auto& componente = NuevoComponente();
    const bool transporte = vb::Trim(modop_) == "T";
    if (vb::Integer codigo = transporte ? ReglasTransporte() : ReglasTrimestrales(strFecha)) return codigo;

    const bool devolucion = transporte ? datT03_IVASOP() > 0 : datT03_IVADEV2() > 0;
    const double fecha = vb::Variant(strFecha).CDbl();
    if (!devolucion || fecha <= kUltimaFechaSinCuenta) return 0;

    vb::Variant bancos = RellenarBancos();
    std::string cuenta = datT03_CC();
    const bool valida = componente.validarIbanYCta(bancos, cuenta, false, false);
    datT03_CC(cuenta);
    if (valida) return 0;
    SoltarComponente();
    return 21;
}

vb::Integer cT03::ReglasTransporte() const {
    if (EnBlanco(datT03_ADQNIF())) return 1;
    if (EnBlanco(datT03_ADQNOM())) return 2;
    if (EnBlanco(datT03_ADQPAIS())) return 3;
    const std::string medio = datT03_TMEDIO();
    if (medio == "V") {
        if (EnBlanco(datT03_MARCAV())) return 4;
        if (EnBlanco(datT03_TIPOV())) return 5;
        if (EnBlanco(datT03_MODELOV())) return 6;
        if (EnBlanco(datT03_NBASTIDOR())) return 7;
    } else if (medio == "B") {
        if (EnBlanco(datT03_FABRICB())) return 9;
        if (EnBlanco(datT03_NCONSTRUC())) return 10;
    } else if (medio == "A") {
        if (EnBlanco(datT03_FABRICA())) return 11;
        if (EnBlanco(datT03_NSERIE())) return 12;
        if (datT03_ANOFAB() == 0) return 13;
    }
    if (datT03_PREADQ() == 0) return 14;
    if (datT03_IVASOP() == 0) return 15;
    return 0;
}

vb::Integer cT03::ReglasTrimestrales(const std::string& strFecha) const {
    if (datT03_IVADEV2() == 0) return 18;
    const double fecha = vb::Variant(strFecha).CDbl();
    if (EnVentana2012(fecha) && !CuotaValida(18, datT03_BASE16(), datT03_CUOTA16())) return 19;
    if (EnVentana2012(fecha) && !CuotaValida(8, datT03_BASE7(), datT03_CUOTA7())) return 20;
    return 0;
}

}  // namespace brunsel
