#include "intercambio/lista_exportar.h"

#include "compartido/biblioteca.h"
#include "compartido/general.h"

namespace oxalde {
namespace {

const vb::Variant& Valor(const vb::Variant& v) {
    static const vb::Variant kCero{vb::Long{0}};
    const std::string* texto = v.Si<std::string>();
    return v.IsNull() || v.IsEmpty() || (texto && vb::Trim(*texto).empty()) ? kCero : v;
}

QString TextoONada(const vb::Variant& v) { return v.IsNull() ? QString() : Texto(v); }

}  // namespace

vb::Long CargarContribuyentes(cExportar& exportar) {
    auto declarante = Declarante();
    declarante->mdbnameM(RutaBDModificable.toStdString());
    vb::Integer orden = exportar.ORDEN();
    vb::Variant lista;
    const vb::Long n = declarante->dameResultadoExportar(lista, orden);
    exportar.NUMCONTRISEL(n);
    if (n == 0) return 0;
    exportar.TablaContriCARGAR(std::move(lista));
    return n;
}

qint32 CodigoDeFila(const vb::Variant& l, vb::Long f) { return Valor(l(0, f)).CLng(); }

RegistroContribuyente RegistroDeFila(const vb::Variant& l, vb::Long f) {
    RegistroContribuyente r;
    r.CSCO = CodigoDeFila(l, f);
    r.DNI = TextoONada(l(1, f));
    r.NOMBRE = TextoONada(l(2, f));
    r.VIA = TextoONada(l(3, f));
    r.DOMICILIO = TextoONada(l(4, f));
    r.NUMERO = l(5, f).IsNumeric() ? l(5, f).CLng() : 0;
    r.LETRA = TextoONada(l(6, f));
    r.ESCALERA = TextoONada(l(7, f));
    r.PISO = TextoONada(l(8, f));
    r.MANO = TextoONada(l(9, f));
    r.CODIGOPROVINCIA = Valor(l(10, f)).CInt();
    r.CODIGOPOSTAL = Valor(l(11, f)).CLng();
    r.CODIGOMUNICIPIO = Valor(l(12, f)).CInt();
    r.NOMBREMUNICIPIO = TextoONada(l(13, f));
    r.TELEFONO = Valor(l(14, f)).CLng();
    r.NUM731 = Valor(l(15, f)).CLng();
    r.NUM732 = Valor(l(16, f)).CLng();
    return r;
}

}  // namespace oxalde
