#include "intercambio/lista_exportar.h"

#include <cstdint>

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

// A whole number of any width the register may hold, rounded as the runtime rounds; one beyond
// 64 bits stays at the edge, which is still too wide for every field. A value that is no number
// (a text typed into the column outside the program) is kNoEsNumero, refused when written.
qint64 Entero(const vb::Variant& v) {
    if (const vb::Long* n = v.Si<vb::Long>()) return *n;
    const vb::Variant& valor = Valor(v);
    if (!valor.IsNumeric()) return kNoEsNumero;
    const double d = vb::RedondeoBancario(valor.CDbl());
    constexpr double kBorde = 9.2e18;
    return d >= kBorde ? INT64_MAX : d <= -kBorde ? -INT64_MAX : static_cast<qint64>(d);
}

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
    r.NUMERO = l(5, f).IsNumeric() ? Entero(l(5, f)) : 0;
    r.LETRA = TextoONada(l(6, f));
    r.ESCALERA = TextoONada(l(7, f));
    r.PISO = TextoONada(l(8, f));
    r.MANO = TextoONada(l(9, f));
    r.CODIGOPROVINCIA = Entero(l(10, f));
    r.CODIGOPOSTAL = Entero(l(11, f));
    r.CODIGOMUNICIPIO = Entero(l(12, f));
    r.NOMBREMUNICIPIO = TextoONada(l(13, f));
    r.TELEFONO = Entero(l(14, f));
    r.NUM731 = Entero(l(15, f));
    r.NUM732 = Entero(l(16, f));
    return r;
}

}  // namespace oxalde
