#include "intercambio/lista_exportar.h"

#include "com/com.h"
#include "servicios/cDeclarante.h"
#include "shell/general.h"

namespace oxalde {
namespace {

const vb::Variant& Valor(const vb::Variant& v) {
    static const vb::Variant kCero{vb::Long{0}};
    const std::string* texto = v.Si<std::string>();
    return v.IsNull() || v.IsEmpty() || (texto && vb::Trim(*texto).empty()) ? kCero : v;
}

QString Texto(const vb::Variant& v) { return v.IsNull() ? QString() : QString::fromStdString(v.CStr()); }

}  // namespace

vb::Long CargarContribuyentes(cExportar& exportar, vb::Variant& lista) {
    auto declarante = com::CreateObject<brunsel::cDeclarante>("Brunsel.cDeclarante");
    declarante->mdbnameM(RutaBDModificable.toStdString());
    vb::Integer orden = exportar.ORDEN();
    const vb::Long n = declarante->dameResultadoExportar(lista, orden);
    exportar.NUMCONTRISEL(n);
    if (n == 0) return 0;
    exportar.TablaContriCLEAR();
    for (vb::Long fila = 0; fila <= lista.UBound(2); ++fila) exportar.TablaContriAnadir(RegistroDeFila(lista, fila));
    return n;
}

RegistroContribuyente RegistroDeFila(const vb::Variant& l, vb::Long f) {
    RegistroContribuyente r;
    r.CSCO = Valor(l(0, f)).CLng();
    r.DNI = Texto(l(1, f));
    r.NOMBRE = Texto(l(2, f));
    r.VIA = Texto(l(3, f));
    r.DOMICILIO = Texto(l(4, f));
    r.NUMERO = l(5, f).IsNumeric() ? l(5, f).CLng() : 0;
    r.LETRA = Texto(l(6, f));
    r.ESCALERA = Texto(l(7, f));
    r.PISO = Texto(l(8, f));
    r.MANO = Texto(l(9, f));
    r.CODIGOPROVINCIA = Valor(l(10, f)).CInt();
    r.CODIGOPOSTAL = Valor(l(11, f)).CLng();
    r.CODIGOMUNICIPIO = Valor(l(12, f)).CInt();
    r.NOMBREMUNICIPIO = Texto(l(13, f));
    r.TELEFONO = Valor(l(14, f)).CLng();
    r.NUM731 = Valor(l(15, f)).CLng();
    r.NUM732 = Valor(l(16, f)).CLng();
    return r;
}

}  // namespace oxalde
