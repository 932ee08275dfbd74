// The check of one taxpayer line of the exchange file. Unlike the check of the taxpayer window,
// every rule is evaluated and every failure reported, so the import can list all of a line's
// faults at once.
#include <cmath>
#include <memory>
#include <vector>

#include "GarobelLib/cMiscelaneos.h"
#include "com/com.h"
#include "servicios/cDatosGeneral.h"
#include "servicios/cDeclarante.h"

namespace brunsel {
namespace {

// The fields of a line, as the import cuts them.
enum Campo : vb::Long {
    NIF, NOMBRE, DOMICILIO, PROVINCIA, POSTAL, NOMMUN, CODMUN, NUMERO, NUM731, NUM732, VIA, TELEFONO,
};

bool Vacio(const std::string& s) { return vb::Trim(s).empty(); }

// The text as a number formatted with digit placeholders only: the digits without leading zeros,
// rounded to a whole number, nothing for 0; a text that is not a number stays as it is.
std::string FormatoDigitos(const std::string& texto) {
    vb::Variant v(texto);
    if (!v.IsNumeric()) return texto;
    const double n = std::round(v.CDbl());  // halves away from zero, as formatting rounds
    return n == 0 ? std::string() : vb::TextoNumero(n);
}

// The reference look-ups the rules need; each opens and closes the reference database.
class Referencia {
public:
    explicit Referencia(const std::string& ruta) { datos_.mdbname(ruta); }

    bool HayVia(std::string codigo) { return !Nombre(&cDatosGeneral::ObtenerDescriVia, codigo).empty(); }
    bool HayMunicipio(std::string codigo) { return !Nombre(&cDatosGeneral::ObtenerNombreMunicipio, codigo).empty(); }
    bool HayProvincia(std::string codigo, vb::Integer idioma) {
        std::string nombre;
        datos_.ObtenerNombreProvincia(codigo, nombre, idioma);
        return !nombre.empty();
    }

private:
    cDatosGeneral datos_;
    std::string Nombre(void (cDatosGeneral::*buscar)(std::string&, std::string&), std::string& codigo) {
        std::string nombre;
        (datos_.*buscar)(codigo, nombre);
        return nombre;
    }
};

// Asked once, through a component created for this rule alone.
bool NifValido(const std::string& nif) {
    auto componente = com::CreateObject<GarobelLib::cMiscelaneos>("GarobelLib.cMiscelaneos");
    std::string texto = nif;
    return componente->ValidaNifCif(texto);
}

}  // namespace

vb::Variant cDeclarante::ValidarDatosImportar(vb::Variant& vBufferResultado, vb::Integer& Idioma) {
    std::vector<std::string> c;
    for (vb::Long i = NIF; i <= TELEFONO; ++i) c.push_back(vBufferResultado(i).CStr());
    Referencia referencia(mdbnameL_);
    std::vector<vb::Integer> errores;
    auto regla = [&errores](bool falla, vb::Integer codigo) {
        if (falla) errores.push_back(codigo);
    };
    auto numerico = [&c](Campo campo) { return vb::Variant(c[campo]).IsNumeric(); };

    regla(!numerico(NUMERO), 11);
    regla(!numerico(PROVINCIA), 12);
    regla(!numerico(POSTAL), 13);
    regla(!numerico(CODMUN), 14);
    regla(!numerico(NUM731), 15);
    regla(!numerico(NUM732), 16);
    regla(!referencia.HayVia(c[VIA]), 18);
    const bool nifCero = c[NIF] == "000000" || c[NIF] == "0000000";
    regla(!NifValido(c[NIF]) || nifCero, 1);
    regla(Vacio(c[NOMBRE]), 2);
    regla(Vacio(c[DOMICILIO]), 3);
    regla(!referencia.HayProvincia(c[PROVINCIA], Idioma), 19);
    regla(c[PROVINCIA] == "00", 9);

    // Postcode: either it is missing (7) or it must belong to the province and be complete.
    const bool hayPostal = vb::Val(c[POSTAL]) != 0;
    regla(hayPostal && vb::Left(c[POSTAL], 2) != c[PROVINCIA], 4);
    regla(hayPostal && vb::Len(c[POSTAL]) != 5, 5);
    regla(hayPostal && vb::Right(c[POSTAL], 3) == "000", 6);
    regla(!hayPostal, 7);

    // Municipality: the home province gives a known code, any other a name and code "000".
    if (numerico(PROVINCIA)) {
        const bool casa = vb::Val(c[PROVINCIA]) == 20;
        regla(casa && c[CODMUN] == "000", 10);
        regla(casa && !referencia.HayMunicipio(c[CODMUN]), 20);
        regla(!casa && Vacio(c[NOMMUN]), 8);
        regla(!casa && c[CODMUN] != "000", 17);
    }

    const bool hayTelefono = !Vacio(c[TELEFONO]);
    regla(hayTelefono && vb::Len(FormatoDigitos(c[TELEFONO])) != 9, 21);
    regla(hayTelefono && vb::Val(c[TELEFONO]) == 0, 22);

    const auto n = static_cast<vb::Long>(errores.size());
    auto resultado = vb::Variant::Array2(0, 0, 0, n);
    for (vb::Long i = 0; i < n; ++i) resultado(0, i) = errores[static_cast<size_t>(i)];
    return resultado;
}

}  // namespace brunsel
