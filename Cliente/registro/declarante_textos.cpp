#include "registro/declarante_textos.h"

#include <array>

#include "registro/cDecDatos.h"
#include "compartido/cadenas.h"
#include "compartido/general.h"

namespace oxalde {
namespace {

vb::Variant Buffer(std::initializer_list<vb::Variant> valores) {
    vb::Variant b = vb::Variant::Array1(0, vb::Long(valores.size()) - 1);
    vb::Long i = 0;
    for (const vb::Variant& v : valores) b(i++) = v;
    return b;
}

vb::Variant T(const QString& s) { return s.toStdString(); }

// Rules 1 to 12, in code order.
constexpr std::array<const char*, 12> kCajas = {
    "txtdni",   "txtnombre", "txtdomicilio", "txtcodprov",  "txtcodpos",   "txtcodpos",
    "txtcodpos", "txtcodpos", "txtcodmun",   "txtnommun",   "txttelefono", "txttelefono"};

}  // namespace

vb::Variant BufferValidacionDeclarante(const cDecDatos& d) {
    return Buffer({T(d.DNI()), T(d.NOMBRE()), T(d.DOMICILIO()), T(d.CODPROV()), T(d.CODPOS()), T(d.CODMUN()),
                   T(d.NOMMUN()), T(d.TELEFONO())});
}

vb::Variant BufferDeclarante(const cDecDatos& d) {
    return Buffer({d.CSCO(), T(d.DNI()), T(d.NOMBRE()), T(d.VIA()), T(d.DOMICILIO()), d.NUMERO(), T(d.LETRA()),
                   T(d.ESCALERA()), T(d.PISO()), T(d.MANO()), T(d.CODPROV()), T(d.CODPOS()), T(d.CODMUN()),
                   T(d.NOMMUN()), T(d.TELEFONO()), d.NUM731(), d.NUM732()});
}

QString CajaDeRegla(int codigo) {
    if (codigo < 1 || codigo > int(kCajas.size())) return QString();
    return QString::fromLatin1(kCajas[size_t(codigo - 1)]);
}

QString PreguntaBorrarDeclarante(const QString& dni, const QString& nombre, bool conDeclaraciones) {
    const int pregunta = conDeclaraciones ? kIdPreguntaBorrarDeclaranteConTodas : kIdPreguntaBorrarDeclaranteSolo;
    return Cadena(pregunta).arg(dni + QStringLiteral(" - ") + nombre);
}

}  // namespace oxalde
