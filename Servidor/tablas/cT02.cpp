#include "tablas/cT02.h"

#include "general.h"
#include "tablas/tabla_clave.h"

namespace brunsel {
namespace {

const TablaClave kTabla{"T02_COMUNDECLA", kColumnasT02};

// A text placed in an SQL text that is handed back, not run here.
std::string Comillas(const std::string& texto) {
    std::string r;
    for (char c : texto) r += c == '\'' ? std::string("''") : std::string(1, c);
    return r;
}

}  // namespace

cT02::cT02() : valores_(FilaInicial(kColumnasT02)) {}

bool cT02::Existe() { return KeyT02_CSDE() > 0 && kTabla.Existe(KeyT02_CSDE()); }

bool cT02::ExisteDeclaracionAlta() {
    if (datT02_MODO() == "T" || datT02_MODELO().empty()) return false;
    if (!(datT02_FECHA() > 0 && datT02_CSCO() > 0)) return false;
    auto rs = ConexionDAO().openRecordset(
        "Select T02_CSDE From T02_COMUNDECLA Where T02_FECHA=? AND T02_MODELO=? AND T02_CSCO=?", 0,
        {datT02_FECHA(), datT02_MODELO(), datT02_CSCO()});
    auto& r = Requerir(rs);
    bool existe = !r.Eof();
    r.Close();
    return existe;
}

vb::Long cT02::Insertar() {
    kTabla.Insertar(valores_, false);
    // The key of this insert on this connection: another copy of the program may have added a
    // higher one in the meantime.
    return ConexionDAO().BD().UltimaClave();
}

bool cT02::Borrar() {
    if (KeyT02_CSDE() <= 0) return false;
    kTabla.Borrar(KeyT02_CSDE());
    return true;
}

bool cT02::Modificar() {
    if (KeyT02_CSDE() <= 0) return false;
    kTabla.Modificar(valores_);
    return true;
}

bool cT02::Seleccionar() { return KeyT02_CSDE() > 0 && kTabla.Seleccionar(valores_); }

vb::Long cT02::UltimoCSDE() {
    auto rs = ConexionDAO().openRecordset("SELECT MAX(T02_CSDE) FROM T02_COMUNDECLA");
    auto& r = Requerir(rs);
    const vb::Variant& maximo = r.Fields(0);
    vb::Long clave = maximo.IsNull() ? 0 : maximo.CLng();
    r.Close();
    return clave;
}

bool cT02::ObtenerDeclaracionesDeclarante(vb::Variant& vBufferResultado) {
    vBufferResultado = vb::Variant::Array1(0, 0);
    auto rs = ConexionDAO().openRecordset(
        "SELECT T02_CSDE FROM T02_COMUNDECLA WHERE T02_CSCO=? ORDER BY T02_CSDE", 0, {datT02_CSCO()});
    auto& r = Requerir(rs);
    vb::Long n = 0;
    for (; !r.Eof(); r.MoveNext(), ++n) {
        vBufferResultado.RedimPreserve(n);
        vBufferResultado(n) = r.Fields("T02_CSDE");
    }
    r.Close();
    return n > 0;
}

std::string cT02::SQLDeclaracionesDeclarante(vb::Integer iorden, const std::string& smodo) const {
    const std::string csco = std::to_string(datT02_CSCO());
    if (iorden == 1)
        return "Select T02_CSDE,T02_FECHA,T02_EJERCICIO,T02_PERIODO,T02_MODELO,T02_TIPOLOGIA,T02_MODO "
               "From T02_COMUNDECLA Where T02_CSDE >= 1 And T02_CSCO =" +
               csco + " Order by T02_FECHA, T02_MODO, T02_CSDE";
    return "Select T02_CSDE,T02_MODELO,T02_LETRADNI,T02_MODO,T02_FECHA,T02_EJERCICIO,T02_PERIODO,T02_TIPOLOGIA "
           "From T02_COMUNDECLA Where T02_CSDE >= 1 And T02_CSCO =" +
           csco + " And T02_MODO='" + Comillas(smodo) + "' Order by T02_FECHA DESC, T02_CSDE DESC";
}

vb::Integer cT02::ValidarDatosComunes() {
    const std::string modo = datT02_MODO();
    if (modo == "T" && datT02_FECHA() == 0) return 1;
    if (modo == "P" && datT02_EJERCICIO() == 0) return 2;
    if (modo == "P" && datT02_PERIODO().empty()) return 3;
    if (datT02_MODELO().empty()) return 4;
    if (vb::Trim(modo) == "T" && !EsNifTipo3(primeraLetra_)) return 8;
    if (!EjerPerValidos()) return modo == "P" ? 5 : 6;
    if (ExisteDeclaracionAlta()) return 7;
    return 0;
}

bool cT02::EjerPerValidos() const {
    vb::Long d = datT02_MODO() == "P" ? FechaFinPeriodo(datT02_EJERCICIO(), datT02_PERIODO()) : datT02_FECHA();
    return fechaMin_ <= d && d <= fechaMax_;
}

}  // namespace brunsel
