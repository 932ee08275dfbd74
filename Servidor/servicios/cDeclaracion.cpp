#include "servicios/cDeclaracion.h"

#include <algorithm>

#include "general.h"
#include "servicios/buffers_declaracion.h"
#include "tablas/cT01.h"
#include "tablas/cT02.h"
#include "tablas/cT03.h"
#include "tablas/cT04.h"
#include "tablas/lista_declaraciones.h"

namespace brunsel {
namespace {

// What differs between the two forms: the detail row class, its buffer slots and the counter.
struct Forma731 {
    using Detalle = cT03;
    static constexpr vb::Long kPrimerDetalle = kPrimerDetalle731;
    static const Casillas<cT03>& CasillasDetalle() { return CasillasDetalle731(); }
    static void Clave(cT03& d, vb::Long clave) { d.KeyT03_CSDE(clave); }
    static double Contador(const cT01& t) { return t.datT01_NUM731(); }
    static void Contador(cT01& t, double n) { t.datT01_NUM731(n); }
};

struct Forma732 {
    using Detalle = cT04;
    static constexpr vb::Long kPrimerDetalle = kPrimerDetalle732;
    static const Casillas<cT04>& CasillasDetalle() { return CasillasDetalle732(); }
    static void Clave(cT04& d, vb::Long clave) { d.keyT04_CSDE(clave); }
    static double Contador(const cT01& t) { return t.datT01_NUM732(); }
    static void Contador(cT01& t, double n) { t.datT01_NUM732(n); }
};

// Raises or lowers by one the owner's count of declarations of the form; a count never goes
// below 0. An owner without a row is left alone.
template <class Forma>
void CambiarContador(vb::Long csco, int paso) {
    cT01 declarante;
    declarante.KeyT01_CSCO(csco);
    if (!declarante.Seleccionar()) return;
    const double actual = Forma::Contador(declarante);
    if (paso < 0 && actual <= 0) return;
    Forma::Contador(declarante, actual + paso);
    declarante.Modificar();
}

bool ExisteDeclarante(vb::Long csco) {
    cT01 declarante;
    declarante.KeyT01_CSCO(csco);
    return declarante.Seleccionar();
}

template <class Forma>
vb::Long Guardar(const std::string& ruta, const vb::Variant& buffer) {
    cT02 cabecera;
    typename Forma::Detalle detalle;
    LeerCasillas(buffer, 0, CasillasCabecera(), cabecera);
    LeerCasillas(buffer, Forma::kPrimerDetalle, Forma::CasillasDetalle(), detalle);
    vb::Long clave = cabecera.KeyT02_CSDE();
    Forma::Clave(detalle, clave);

    BaseAbierta base(ruta);
    dao::Transaccion transaccion(ConexionDAO().BD());
    if (clave != 0) {
        // A declaration deleted in the meantime is not saved: 0 tells the program so.
        if (!cabecera.Existe()) return 0;
        cabecera.Modificar();
        // A detail row that went missing is written again instead of losing the boxes.
        if (detalle.Existe())
            detalle.Modificar();
        else
            detalle.Insertar();
    } else {
        // A taxpayer deleted in the meantime (by another copy of the program) gets no
        // declaration: nothing is written and 0 tells the program so.
        if (!ExisteDeclarante(cabecera.datT02_CSCO())) return 0;
        clave = cabecera.Insertar();
        cabecera.KeyT02_CSDE(clave);
        Forma::Clave(detalle, clave);
        detalle.Insertar();
        CambiarContador<Forma>(cabecera.datT02_CSCO(), +1);
    }
    transaccion.Confirmar();
    return clave;
}

template <class Forma>
void Cargar(const std::string& ruta, vb::Long csde, vb::Variant& buffer) {
    BaseAbierta base(ruta);
    typename Forma::Detalle detalle;
    Forma::Clave(detalle, csde);
    detalle.Seleccionar();  // a missing row leaves "" and 0 in every property
    VolcarCasillas(Forma::CasillasDetalle(), detalle, buffer);
}

template <class Forma>
bool TieneDetalle(vb::Long csde) {
    typename Forma::Detalle detalle;
    Forma::Clave(detalle, csde);
    return detalle.Existe();
}

// Deletes one form's detail row of a declaration; when there was one, its owner's counter of
// that form goes down.
template <class Forma>
void BorrarDetalle(vb::Long csde, vb::Long csco) {
    if (!TieneDetalle<Forma>(csde)) return;
    typename Forma::Detalle detalle;
    Forma::Clave(detalle, csde);
    detalle.Borrar();
    CambiarContador<Forma>(csco, -1);
}

// A declaration goes whole, in one transaction: both detail tables (a header whose form text is
// wrong must not leave its boxes behind), the counters of the rows really deleted, the header.
// A process killed at any moment leaves the declaration either whole or gone.
void BorrarEntera(vb::Long csde) {
    dao::Transaccion transaccion(ConexionDAO().BD());
    cT02 cabecera;
    cabecera.KeyT02_CSDE(csde);
    cabecera.Seleccionar();  // no header: owner 0, no counter changes
    const vb::Long csco = cabecera.datT02_CSCO();
    BorrarDetalle<Forma731>(csde, csco);
    BorrarDetalle<Forma732>(csde, csco);
    cabecera.KeyT02_CSDE(csde);
    cabecera.Borrar();
    transaccion.Confirmar();
}

// The columns of kSqlListaDeclaraciones.
enum ColumnaLista { kCsde, kFecha, kEjercicio, kPeriodo, kModelo, kTipologia, kModo, kImporte };

}  // namespace

vb::Long cDeclaracion::dameResultado(vb::Variant& vBufferResultado, vb::Long& csco) {
    BaseAbierta base(mdbname_);
    auto consulta = ConexionDAO().openRecordset(kSqlListaDeclaraciones, 0, {csco});
    auto& rs = Requerir(consulta);
    const vb::Long filas = rs.RecordCount();
    // Built aside and handed over whole; no declaration gives one row of Empty cells.
    vb::Variant lista = vb::Variant::Array2(0, 11, 0, std::max<vb::Long>(filas - 1, 0));
    for (vb::Long r = 0; !rs.Eof(); rs.MoveNext(), ++r) {
        for (int c = kCsde; c <= kTipologia; ++c) lista(c, r) = rs.Fields(c);
        const vb::Variant& importe = rs.Fields(kImporte);
        lista(6, r) = importe.IsNull() ? 0.0 : importe.CDbl();
        lista(7, r) = rs.Fields(kPeriodo);
        lista(8, r) = rs.Fields(kFecha);
        lista(9, r) = rs.Fields(kEjercicio);
        lista(10, r) = rs.Fields(kModo);
        lista(11, r) = rs.Fields(kPeriodo);
    }
    rs.Close();
    vBufferResultado = std::move(lista);
    return filas;
}

bool cDeclaracion::ObtenerUltimaDeclaracion(vb::Variant& vBufferResultado, vb::Long& csco, std::string& smodo) {
    BaseAbierta base(mdbname_);
    cT02 cabecera;
    cabecera.datT02_CSCO(csco);
    vBufferResultado = vb::Variant::Array1(0, 8);
    auto consulta = ConexionDAO().openRecordset(cabecera.SQLDeclaracionesDeclarante(2, smodo));
    auto& rs = Requerir(consulta);
    const bool hay = !rs.Eof();
    if (hay)
        for (int i = 0; i < 8; ++i) vBufferResultado(i) = rs.Fields(i);
    rs.Close();
    return hay;
}

bool cDeclaracion::EjerPerValidos(vb::Variant& vBufferResultado) {
    cT02 cabecera;
    LeerCasillas(vBufferResultado, 0, CasillasEjerPer(), cabecera);
    return cabecera.EjerPerValidos();
}

vb::Integer cDeclaracion::ValidarDatos731(vb::Variant& vBufferResultado, bool& blnValPreven, std::string& strFecha) {
    cT03 detalle;
    LeerCasillas(vBufferResultado, 0, CasillasValidacion731(), detalle);
    BaseAbierta base(mdbname_);  // the reference database: the account check reads its banks
    return detalle.ValidarDatos731(blnValPreven, strFecha);
}

vb::Integer cDeclaracion::ValidarDatosComunes(vb::Variant& vBufferResultado) {
    BaseAbierta base(mdbname_);  // the duplicate rule reads the stored declarations
    cT02 cabecera;
    LeerCasillas(vBufferResultado, 0, CasillasDatosComunes(), cabecera);
    return cabecera.ValidarDatosComunes();
}

void cDeclaracion::Cargar731(vb::Long& csde, vb::Variant& vBufferResultado) {
    Cargar<Forma731>(mdbname_, csde, vBufferResultado);
}

void cDeclaracion::Cargar732(vb::Long& csde, vb::Variant& vBufferResultado) {
    Cargar<Forma732>(mdbname_, csde, vBufferResultado);
}

vb::Long cDeclaracion::Guardar731(vb::Variant& vBufferResultado) {
    return Guardar<Forma731>(mdbname_, vBufferResultado);
}

vb::Long cDeclaracion::Guardar732(vb::Variant& vBufferResultado) {
    return Guardar<Forma732>(mdbname_, vBufferResultado);
}

void cDeclaracion::BorrarDeclaracion(vb::Long& csde) {
    BaseAbierta base(mdbname_);
    BorrarEntera(csde);
}

void cDeclaracion::BorrarDatosNoComunes(vb::Long& csde, std::string& smodelo) {
    BaseAbierta base(mdbname_);
    // The form is compared exactly ("731 " or "" deletes nothing) and must be the one of the
    // declaration's boxes. The program always follows with BorrarDeclaracion, which then finds
    // nothing left.
    if ((smodelo == "731" && TieneDetalle<Forma731>(csde)) || (smodelo == "732" && TieneDetalle<Forma732>(csde)))
        BorrarEntera(csde);
}

vb::Integer cDeclaracion::ValidarDatos732(vb::Variant& vBufferResultado, std::string& strFecha) {
    cT04 detalle;
    LeerCasillas(vBufferResultado, 0, CasillasValidacion732(), detalle);
    return detalle.ValidarDatos732(strFecha);
}

}  // namespace brunsel
