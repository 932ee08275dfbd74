#include "registro/cDecDatos.h"

#include "compartido/biblioteca.h"
#include "compartido/general.h"

namespace oxalde {
namespace {

// A stored code as digits with leading zeros, as the boxes and the checks expect it back:
// province 1 reads "01", postal code 1001 reads "01001". An empty text stays empty, and so
// does a code that reads as 0 when `ceroTalCual`.
QString ConCeros(const vb::Variant& valor, int cifras, bool ceroTalCual) {
    const QString texto = Texto(valor);
    const double numero = vb::Val(texto.toStdString());
    if (texto.isEmpty() || (ceroTalCual && numero == 0)) return texto;
    return QStringLiteral("%1").arg(static_cast<qlonglong>(numero), cifras, 10, QLatin1Char('0'));
}

}  // namespace

cDecDatos& cDecDatos::Instancia() {
    static cDecDatos instancia;
    return instancia;
}

vb::Variant cDecDatos::ValidarDatosImportar(vb::Variant& vBufferResultado) {
    auto declarante = Declarante();
    declarante->mdbnameL(RutaBDLectura.toStdString());
    vb::Integer idioma = static_cast<vb::Integer>(DesplIdioma);
    return declarante->ValidarDatosImportar(vBufferResultado, idioma);
}

void cDecDatos::MODO(const QString& v) {
    modo_ = v;
    if (v != QStringLiteral("A")) return;
    // A new taxpayer starts in the home province, on a street.
    *this = cDecDatos();
    modo_ = v;
    via_ = QStringLiteral("CL");
    codprov_ = QStringLiteral("20");
    nomprov_ = QStringLiteral("KELMORIA");
}

void cDecDatos::BorrarDeclarante() {
    auto declarante = Declarante();
    declarante->mdbnameM(RutaBDModificable.toStdString());
    vb::Long csco = csco_;
    declarante->BorrarDeclarante(csco);
}

void cDecDatos::CargarDeclarante(vb::Long csco) {
    vb::Variant b;
    {
        auto declarante = Declarante();
        declarante->mdbnameM(RutaBDModificable.toStdString());
        declarante->CargarDeclarante(csco, b);
    }
    dni_ = Texto(b(1));
    nombre_ = Texto(b(2));
    via_ = Texto(b(3));
    domicilio_ = Texto(b(4));
    numero_ = b(5).CLng();
    letra_ = Texto(b(6));
    escalera_ = Texto(b(7));
    piso_ = Texto(b(8));
    mano_ = Texto(b(9));
    codprov_ = ConCeros(b(10), 2, false);
    std::string codigo = codprov_.toStdString();
    std::string nombre;
    vb::Integer idioma = static_cast<vb::Integer>(DesplIdioma);
    DatosGeneral(RutaBDLectura)->ObtenerNombreProvincia(codigo, nombre, idioma);
    nomprov_ = QString::fromStdString(nombre);
    codpos_ = ConCeros(b(11), 5, true);
    codmun_ = Texto(b(12));
    nommun_ = Texto(b(13));
    telefono_ = Texto(b(14));
    num731_ = b(15).CDbl();
    num732_ = b(16).CDbl();
}

vb::Integer cDecDatos::ValidarDatosDeclarante(vb::Variant& vBufferResultado) {
    return Declarante()->ValidarDatosDeclarante(vBufferResultado);
}

vb::Long cDecDatos::ObtenerCodigoDeclarante(const QString& dni) {
    auto declarante = Declarante();
    declarante->mdbnameM(RutaBDModificable.toStdString());
    std::string sdni = dni.toStdString();
    return declarante->ObtenerCodigoDeclarante(sdni);
}

vb::Integer cDecDatos::GuardarDeclarante(vb::Variant& vBufferResultado) {
    auto declarante = Declarante();
    declarante->mdbnameM(RutaBDModificable.toStdString());
    return declarante->GuardarDeclarante(vBufferResultado);
}

}  // namespace oxalde
