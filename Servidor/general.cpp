#include "general.h"

#include "com/com.h"

namespace brunsel {
namespace {

thread_local std::unique_ptr<cConexionDAO> conexion;
thread_local std::shared_ptr<GarobelLib::cMiscelaneos> componente;

bool NifDeTipo(const std::string& texto, vb::Integer tipo) {
    std::string t = texto;
    return NuevoComponente().NIF_TP(t) == tipo;
}

}  // namespace

cConexionDAO& ConexionDAO() {
    if (!conexion) conexion = std::make_unique<cConexionDAO>();
    return *conexion;
}

GarobelLib::cMiscelaneos& NuevoComponente() {
    componente.reset();
    componente = com::CreateObject<GarobelLib::cMiscelaneos>("GarobelLib.cMiscelaneos");
    return *componente;
}

void SoltarComponente() { componente.reset(); }

dao::Recordset& Requerir(const std::shared_ptr<dao::Recordset>& rs) {
    if (!rs) {
        const cConexionDAO& cn = ConexionDAO();
        const std::string& motivo = cn.UltimoError();
        std::string texto = vb::TextoError(vb::errObjetoNoEstablecido);
        // What the engine met (another program's lock, a full disk) goes with the error, so that
        // the program tells the user that rather than an object not set.
        throw vb::Error(vb::errObjetoNoEstablecido, "Brunsel", motivo.empty() ? texto : texto + " (" + motivo + ")")
            .ConMotor(cn.UltimoArchivo(), cn.UltimoMotor());
    }
    return *rs;
}

vb::Variant CambiarComaPorPunto(const vb::Variant& valor) {
    std::string texto = valor.CStr();
    auto coma = texto.find(',');
    if (coma == std::string::npos) return valor;
    return texto.substr(0, coma) + "." + texto.substr(coma + 1);
}

vb::Long FechaFinPeriodo(vb::Integer anio, const std::string& periodo) {
    const char* finales[] = {"0331", "0630", "0930", "1231"};
    const char* periodos[] = {"1T", "2T", "3T", "4T"};
    for (int i = 0; i < 4; ++i)
        if (periodo == periodos[i]) return vb::Variant(std::to_string(anio) + finales[i]).CLng();
    return 0;
}

bool EsNifTipo3(const std::string& texto) { return NifDeTipo(texto, 3); }
bool EsNifTipo0(const std::string& texto) { return NifDeTipo(texto, 0); }
bool EsNifTipo2(const std::string& texto) { return NifDeTipo(texto, 2); }

std::string NuloAVacio(const vb::Variant& valor) { return valor.IsNull() ? "" : valor.CStr(); }

bool CuotaValida(double tipo, double base, double cuota) {
    double calculada = vb::RedondeoBancario(tipo / 100 * base);
    return calculada <= cuota;
}

vb::Variant VolcarRecordset(dao::Recordset* rs, vb::Long modo) {
    if (!rs) vb::Lanzar(vb::errObjetoNoEstablecido, "Brunsel");
    if (rs->RecordCount() <= 0) return vb::Null;
    rs->MoveLast();
    rs->MoveFirst();
    const vb::Long filas = rs->RecordCount();
    const vb::Long columnas = rs->FieldCount();
    if (modo == 1) {
        auto r = vb::Variant::Array1(0, filas - 1);
        for (vb::Long i = 0; i < filas; ++i, rs->MoveNext()) r(i) = rs->Fields(0);
        return r;
    }
    if (modo == 0) {
        auto r = vb::Variant::Array1(0, columnas);
        for (vb::Long j = 0; j < columnas; ++j) r(j) = rs->Fields(j);
        return r;
    }
    auto r = vb::Variant::Array2(0, columnas, 0, filas);
    for (vb::Long fila = 1; fila <= filas; ++fila, rs->MoveNext())
        for (vb::Long j = 0; j < columnas; ++j) r(j, fila) = rs->Fields(j);
    return r;
}

vb::Variant RellenarBancos() {
    try {
        auto& cn = ConexionDAO();
        auto rs = cn.openRecordset("Select TBAN_CODI, TBAN_COLA From TBANCOS order by TBAN_CODI asc");
        vb::Variant bancos = VolcarRecordset(&Requerir(rs), 2);
        rs->Close();
        cn.Cerrar();
        return bancos;
    } catch (const vb::Error& e) {
        ConexionDAO().Cerrar();
        throw e.ConDescripcion("cDatosGeneralesIVA.RellenarBancos " + e.Description());
    }
}

}  // namespace brunsel
