#include "registro/cDecDatos.h"

#include "compartido/biblioteca.h"
#include "compartido/claves_declaracion.h"
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
    c_.MODO = v;
    if (v != kModoNueva) return;
    // A new taxpayer starts in the home province, on a street.
    c_ = Campos{};
    c_.MODO = v;
    c_.VIA = QStringLiteral("CL");
    c_.CODPROV = QStringLiteral("20");
    c_.NOMPROV = QStringLiteral("KELMORIA");
}

void cDecDatos::BorrarDeclarante() {
    auto declarante = Declarante();
    declarante->mdbnameM(RutaBDModificable.toStdString());
    vb::Long csco = c_.CSCO;
    declarante->BorrarDeclarante(csco);
}

void cDecDatos::CargarDeclarante(vb::Long csco) {
    vb::Variant b;
    {
        auto declarante = Declarante();
        declarante->mdbnameM(RutaBDModificable.toStdString());
        declarante->CargarDeclarante(csco, b);
    }
    c_.DNI = Texto(b(1));
    c_.NOMBRE = Texto(b(2));
    c_.VIA = Texto(b(3));
    c_.DOMICILIO = Texto(b(4));
    c_.NUMERO = b(5).CLng();
    c_.LETRA = Texto(b(6));
    c_.ESCALERA = Texto(b(7));
    c_.PISO = Texto(b(8));
    c_.MANO = Texto(b(9));
    c_.CODPROV = ConCeros(b(10), 2, false);
    std::string codigo = c_.CODPROV.toStdString();
    std::string nombre;
    vb::Integer idioma = static_cast<vb::Integer>(DesplIdioma);
    DatosGeneral(RutaBDLectura)->ObtenerNombreProvincia(codigo, nombre, idioma);
    c_.NOMPROV = QString::fromStdString(nombre);
    c_.CODPOS = ConCeros(b(11), 5, true);
    c_.CODMUN = Texto(b(12));
    c_.NOMMUN = Texto(b(13));
    c_.TELEFONO = Texto(b(14));
    c_.NUM731 = b(15).CDbl();
    c_.NUM732 = b(16).CDbl();
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
