#include "servicios/cDeclarante.h"

#include <algorithm>
#include <array>
#include <map>
#include <vector>

#include "dao/dao.h"
#include "general.h"
#include "tablas/cT01.h"
#include "tablas/cT02.h"
#include "tablas/cT03.h"
#include "tablas/cT04.h"

namespace brunsel {
namespace {

const char* const kOrigen = "Brunsel.cDeclarante";

// A (column, row) list of `filas` rows, rows from 0; no row gives one all-Empty row.
vb::Variant Lista(vb::Long ultimaColumna, vb::Long filas) {
    return vb::Variant::Array2(0, ultimaColumna, 0, std::max<vb::Long>(filas - 1, 0));
}

// The number a value begins with, as the row classes and the buffers read codes.
double NumeroInicial(const vb::Variant& v) { return vb::Val(NuloAVacio(v)); }

// BufferDeclarante: the 17 columns of T01_DECLARANTES in table order.
void LeerBuffer(const vb::Variant& b, cT01& d) {
    d.KeyT01_CSCO(b(0).CLng());
    d.datT01_DNI(b(1).CStr());
    d.datT01_NOMBRE(b(2).CStr());
    d.datT01_VIA(b(3).CStr());
    d.datT01_DOMICILIO(b(4).CStr());
    d.datT01_NUMERO(vb::Variant(vb::Val(b(5).CStr())).CLng());
    d.datT01_LETRA(b(6).CStr());
    d.datT01_ESCALERA(b(7).CStr());
    d.datT01_PISO(b(8).CStr());
    d.datT01_MANO(b(9).CStr());
    d.datT01_CODPROV(b(10).CStr());
    d.datT01_CODPOS(b(11).CStr());
    d.datT01_CODMUN(b(12).CStr());
    d.datT01_NOMMUN(b(13).CStr());
    d.datT01_TELEFONO(b(14).CStr());
    d.datT01_NUM731(vb::Val(b(15).CStr()));
    d.datT01_NUM732(vb::Val(b(16).CStr()));
}

vb::Variant Buffer(const cT01& d) {
    auto b = vb::Variant::Array1(0, 16);
    b(0) = d.KeyT01_CSCO();
    b(1) = d.datT01_DNI();
    b(2) = d.datT01_NOMBRE();
    b(3) = d.datT01_VIA();
    b(4) = d.datT01_DOMICILIO();
    b(5) = d.datT01_NUMERO();
    b(6) = d.datT01_LETRA();
    b(7) = d.datT01_ESCALERA();
    b(8) = d.datT01_PISO();
    b(9) = d.datT01_MANO();
    b(10) = d.datT01_CODPROV();
    b(11) = d.datT01_CODPOS();
    b(12) = d.datT01_CODMUN();
    b(13) = d.datT01_NOMMUN();
    b(14) = d.datT01_TELEFONO();
    b(15) = d.datT01_NUM731();
    b(16) = d.datT01_NUM732();
    return b;
}

// The counters are the library's to keep: an update takes the stored ones, never the buffer's,
// which the window may have loaded before another copy of the program saved a declaration.
void ConservarContadores(cT01& declarante) {
    cT01 guardado;
    guardado.KeyT01_CSCO(declarante.KeyT01_CSCO());
    if (!guardado.Seleccionar()) return;
    declarante.datT01_NUM731(guardado.datT01_NUM731());
    declarante.datT01_NUM732(guardado.datT01_NUM732());
}

[[noreturn]] void NoGuardado(const std::string& motivo) {
    throw vb::Error(errDeclaranteNoGuardado, kOrigen, "The taxpayer was not saved: " + motivo);
}

// Names of the reference database by code. The tables are small, so they are read once per
// list instead of once per taxpayer; a code without a row names nothing ("").
class NombresReferencia {
public:
    explicit NombresReferencia(vb::Integer iidioma) {
        Leer("Select T06_CODMUN, T06_NOMMUN From T06_MUNICIPIOS", municipios_);
        Leer(iidioma == 0 ? "Select T05_PRO_ID, T05_PRO_CAS From T05_PROVINCIAS"
                          : "Select T05_PRO_ID, T05_PRO_EUS From T05_PROVINCIAS",
             provincias_);
    }
    const vb::Variant& Municipio(double codigo) const { return Buscar(municipios_, codigo); }
    const vb::Variant& Provincia(double codigo) const { return Buscar(provincias_, codigo); }

private:
    using Tabla = std::map<double, vb::Variant>;
    Tabla municipios_;
    Tabla provincias_;
    inline static const vb::Variant kNinguno{""};

    static void Leer(const std::string& sql, Tabla& tabla) {
        auto rs = ConexionDAO().openRecordsetAux(sql);
        for (auto& r = Requerir(rs); !r.Eof(); r.MoveNext())
            if (!r.Fields(0).IsNull()) tabla.emplace(r.Fields(0).CDbl(), r.Fields(1));  // the first row wins
        rs->Close();
    }
    static const vb::Variant& Buscar(const Tabla& tabla, double codigo) {
        auto it = tabla.find(codigo);
        return it == tabla.end() ? kNinguno : it->second;
    }
};

}  // namespace

void cDeclarante::ObtenerUltimosDeclarantes(vb::Variant& vBufferResultado) {
    vBufferResultado = vb::Variant::Array2(0, 3, 0, 2);
    BaseAbierta base(mdbnameM_);
    auto rs = ConexionDAO().openRecordset(
        "Select T01_CSCO,T01_DNI,T01_NOMBRE From T01_DECLARANTES ORDER BY T01_CSCO DESC LIMIT 4");
    auto& r = Requerir(rs);
    for (vb::Long fila = 0; !r.Eof() && fila < 4; r.MoveNext(), ++fila)
        for (vb::Long columna = 0; columna < 3; ++columna) vBufferResultado(fila, columna) = r.Fields(columna);
    r.Close();
}

vb::Integer cDeclarante::BorrarDeclarante(vb::Long& csco) {
    BaseAbierta base(mdbnameM_);
    dao::Transaccion transaccion(ConexionDAO().BD());
    cT02 cabecera;
    cabecera.datT02_CSCO(csco);
    vb::Variant claves;
    if (cabecera.ObtenerDeclaracionesDeclarante(claves)) {
        for (vb::Long i = claves.LBound(); i <= claves.UBound(); ++i) {
            const vb::Long clave = claves(i).CLng();
            // Both detail tables: a header whose form text is wrong must not leave its boxes behind.
            cT03 detalle731;
            detalle731.KeyT03_CSDE(clave);
            detalle731.Borrar();
            cT04 detalle732;
            detalle732.keyT04_CSDE(clave);
            detalle732.Borrar();
            cabecera.KeyT02_CSDE(clave);
            cabecera.Borrar();
        }
    }
    cT01 declarante;
    declarante.KeyT01_CSCO(csco);
    const bool borrado = declarante.Borrar();
    transaccion.Confirmar();
    return borrado ? -1 : 0;
}

void cDeclarante::CargarDeclarante(vb::Long& csco, vb::Variant& vBufferResultado) {
    BaseAbierta base(mdbnameM_);
    cT01 declarante;
    declarante.KeyT01_CSCO(csco);
    declarante.Seleccionar();
    vBufferResultado = Buffer(declarante);
}

void cDeclarante::ObtenerContadores(vb::Long& csco, vb::Long& num731, vb::Long& num732) {
    BaseAbierta base(mdbnameM_);
    cT01 declarante;
    declarante.KeyT01_CSCO(csco);
    declarante.Seleccionar();
    num731 = vb::Variant(declarante.datT01_NUM731()).CLng();
    num732 = vb::Variant(declarante.datT01_NUM732()).CLng();
}

vb::Integer cDeclarante::ValidarDatosDeclarante(vb::Variant& vBufferResultado) {
    const vb::Variant& b = vBufferResultado;
    cT01 declarante;
    declarante.datT01_DNI(b(0).CStr());
    declarante.datT01_NOMBRE(b(1).CStr());
    declarante.datT01_DOMICILIO(b(2).CStr());
    declarante.datT01_CODPROV(b(3).CStr());
    declarante.datT01_CODPOS(b(4).CStr());
    declarante.datT01_CODMUN(b(5).CStr());
    declarante.datT01_NOMMUN(b(6).CStr());
    declarante.datT01_TELEFONO(b(7).CStr());
    return declarante.ValidarDatosDeclarante();
}

vb::Long cDeclarante::ObtenerCodigoDeclarante(std::string& sdni) {
    BaseAbierta base(mdbnameM_);
    cT01 declarante;
    declarante.datT01_DNI(sdni);
    return declarante.ObtenerCodigoDeclarante();
}

vb::Integer cDeclarante::GuardarDeclarante(vb::Variant& vBufferResultado) {
    cT01 declarante;
    LeerBuffer(vBufferResultado, declarante);
    BaseAbierta base(mdbnameM_);
    // The checks and the write in one transaction: another copy of the program cannot register
    // the same NIF in between.
    auto& bd = ConexionDAO().BD();
    dao::Transaccion transaccion(bd);
    vb::Long clave = declarante.KeyT01_CSCO();
    if (clave == 0) {
        if (declarante.ExisteDeclaranteAlta()) return 1;
        if (!declarante.Insertar()) NoGuardado("a new taxpayer needs a NIF.");
        // The key the database gave it, read in the same transaction: no later look-up can meet
        // a lock or another program's change.
        clave = declarante.ObtenerCodigoDeclarante();
    } else {
        if (!declarante.Existe() && declarante.DniDuplicado()) return 2;
        ConservarContadores(declarante);
        if (!declarante.Modificar() || bd.RecordsAffected() == 0)
            NoGuardado("there is no taxpayer with the key " + std::to_string(declarante.KeyT01_CSCO()) + ".");
    }
    transaccion.Confirmar();
    vBufferResultado(0) = clave;
    return 0;
}

vb::Long cDeclarante::dameResultado(vb::Variant& vBufferResultado, vb::Integer& iorder, vb::Integer& iidioma) {
    vBufferResultado = Lista(6, 0);
    BaseAbierta base(mdbnameM_, mdbnameL_);
    auto rs = ConexionDAO().openRecordset(cT01().SQLBusqueda(iorder, false));
    auto& r = Requerir(rs);
    const vb::Long filas = r.RecordCount();
    if (filas == 0) return 0;
    const NombresReferencia nombres(iidioma);
    // Columns of the query: CSCO, DNI, NOMBRE, CODPROV, CODMUN, NOMMUN, NUM731, NUM732. Each row
    // of 8 values becomes a row of 7 in the same storage (a row never reaches past the one it is
    // made from), so a list of a million taxpayers is never held twice.
    std::vector<vb::Variant> v = r.TomarValores();
    constexpr size_t kEntrada = 8;
    constexpr size_t kSalida = 7;
    for (size_t fila = 0; fila < static_cast<size_t>(filas); ++fila) {
        vb::Variant* e = v.data() + fila * kEntrada;
        std::array<vb::Variant, kEntrada> de;
        std::move(e, e + kEntrada, de.begin());
        // A municipality code names the home province's municipality; without one the row
        // carries the name typed for another province.
        const double municipio = NumeroInicial(de[4]);
        vb::Variant* s = v.data() + fila * kSalida;
        s[0] = std::move(de[0]);
        s[1] = std::move(de[1]);
        s[2] = std::move(de[2]);
        s[3] = municipio != 0 ? nombres.Municipio(municipio) : std::move(de[5]);
        s[4] = nombres.Provincia(NumeroInicial(de[3]));
        s[5] = std::move(de[6]);
        s[6] = std::move(de[7]);
    }
    v.resize(static_cast<size_t>(filas) * kSalida);
    vBufferResultado = vb::Variant::Array2(0, 6, 0, filas - 1, std::move(v));
    return filas;
}

vb::Long cDeclarante::dameResultadoExportar(vb::Variant& vBufferResultado, vb::Integer& iorder) {
    vBufferResultado = Lista(16, 0);
    BaseAbierta base(mdbnameM_);
    auto rs = ConexionDAO().openRecordset(cT01().SQLBusqueda(iorder, true));
    auto& r = Requerir(rs);
    const vb::Long filas = r.RecordCount();
    // Rows of the table's 17 columns in their usual order are already laid out as the buffer
    // wants them (column fastest): they become the buffer without a copy of each value.
    bool enOrden = r.FieldCount() == 17;
    for (int c = 0; enOrden && c < 17; ++c) enOrden = r.FieldName(c) == kColumnasT01[c].nombre;
    if (filas > 0 && enOrden) {
        vBufferResultado = vb::Variant::Array2(0, 16, 0, filas - 1, r.TomarValores());
        return filas;
    }
    // A table rebuilt with other columns or in another order (an older or hand-edited file): by name.
    vBufferResultado = Lista(16, filas);
    for (vb::Long fila = 0; !r.Eof(); r.MoveNext(), ++fila)
        for (vb::Long columna = 0; columna <= 16; ++columna)
            vBufferResultado(columna, fila) = r.Fields(kColumnasT01[columna].nombre);
    r.Close();
    return filas;
}

vb::Long cDeclarante::ExisteContribuyente(std::string& sdni) {
    BaseAbierta base(mdbnameM_);
    cT01 declarante;
    declarante.datT01_DNI(sdni);
    return declarante.ExisteDeclaranteAltaCSCO();
}

}  // namespace brunsel
