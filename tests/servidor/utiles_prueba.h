#pragma once
// Helpers shared by the library's tests: fixtures, fakes of the outside component, step runners,
// save buffers and direct reads of a database file that do not go through the library.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstring>
#include <functional>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <utility>

#include "GarobelLib/cMiscelaneos.h"
#include "com/com.h"
#include "comun/bd_prueba.h"
#include "comun/errores.h"
#include "dao/dao.h"
#include "general.h"
#include "servicios/cDeclaracion.h"
#include "tablas/cT03.h"
#include "tablas/cT04.h"
#include "vb/variant.h"

namespace prueba {

// The error f raises (number 0 when none).
inline vb::Error ErrorDe(const std::function<void()>& f) {
    try {
        f();
    } catch (const vb::Error& e) {
        return e;
    }
    return vb::Error(0, "", "");
}

// Every service member closes the shared connection when it ends, also on failure.
inline bool BaseAbierta() { return NumeroDeError([] { brunsel::ConexionDAO().BD(); }) == 0; }

// Fresh copies of both databases; the shared connection is closed after each test.
class ConBase : public ::testing::Test {
protected:
    BdPrueba bd;
    void TearDown() override { brunsel::ConexionDAO().Cerrar(); }
    void Sql(const std::string& sql) { BdPrueba::Ejecutar(bd.Mod(), sql); }
};
// The same with the modifiable database open on the shared connection.
class ConMod : public ConBase {
protected:
    void SetUp() override { brunsel::ConexionDAO().InicializaBD(bd.Mod()); }
};

// Two taxpayers: 1 "UNO" and 2 "DOS".
inline void DosDeclarantes(const std::string& ruta) {
    BdPrueba::Ejecutar(ruta, "INSERT INTO T01_DECLARANTES (T01_CSCO,T01_DNI,T01_NOMBRE) VALUES "
                             "(1,'11111111H','UNO'),(2,'22222222J','DOS')");
}

// The outside component answering the NIF check as told and counting the calls.
struct NifFalso : GarobelLib::cMiscelaneos {
    std::function<bool()> respuesta;
    int* llamadas;
    NifFalso(std::function<bool()> r, int* n) : respuesta(std::move(r)), llamadas(n) {}
    bool ValidaNifCif(std::string&) override {
        if (llamadas) ++*llamadas;
        return respuesta();
    }
};
inline com::RegistroTemporal ComponenteNif(std::function<bool()> r, int* llamadas = nullptr) {
    return {"GarobelLib.cMiscelaneos", [r, llamadas] { return std::make_shared<NifFalso>(r, llamadas); }};
}
inline com::RegistroTemporal SinComponente() { return {"GarobelLib.cMiscelaneos", [] { return nullptr; }}; }

// The system's file layer as the engine's default while it lives, calling `alAbrir` with the name
// of each database file once the engine has tried to open it, and the engine's answer.
class CapaAlAbrir {
public:
    using AlAbrir = std::function<void(const std::string& nombre, int rc)>;
    explicit CapaAlAbrir(AlAbrir alAbrir) : alAbrir_(std::move(alAbrir)) {
        std::memcpy(&vfs_, real_ = sqlite3_vfs_find(nullptr), sizeof vfs_);
        vfs_.zName = "capa_al_abrir";
        vfs_.xOpen = Abrir;
        actual_ = this;
        sqlite3_vfs_register(&vfs_, 1);
    }
    ~CapaAlAbrir() { sqlite3_vfs_unregister(&vfs_), actual_ = nullptr; }

private:
    sqlite3_vfs vfs_{};
    sqlite3_vfs* real_;
    AlAbrir alAbrir_;
    inline static CapaAlAbrir* actual_ = nullptr;
    static int Abrir(sqlite3_vfs*, const char* nombre, sqlite3_file* f, int flags, int* salida) {
        const int rc = actual_->real_->xOpen(actual_->real_, nombre, f, flags, salida);
        if (nombre && (flags & SQLITE_OPEN_MAIN_DB)) actual_->alAbrir_(nombre, rc);
        return rc;
    }
};

// Applies each change in turn and expects the code the check answers after it.
using Paso = std::pair<std::function<void()>, int>;
inline void Recorrer(const std::function<int()>& codigo, std::initializer_list<Paso> pasos) {
    int n = 0;
    for (const auto& [cambio, esperado] : pasos) {
        cambio();
        EXPECT_EQ(codigo(), esperado) << "step " << n++;
    }
}

// One column's let and get of a row class C with its test value.
template <class C>
struct Campo {
    std::function<void(C&)> fijar;
    std::function<void(const C&)> comprobar;
};
template <class C, class T>
Campo<C> Par(void (C::*let)(T), T (C::*get)() const, std::type_identity_t<T> v) {
    return {[=](C& t) { (t.*let)(v); }, [=](const C& t) { EXPECT_EQ((t.*get)(), v); }};
}

// Type and value, so a failed comparison shows both.
inline std::string Describir(const vb::Variant& v) {
    static const char* const kTipos[] = {"Empty", "Null",   "Boolean", "Byte",   "Integer",
                                         "Long",  "Single", "Double",  "String", "Array"};
    const std::string tipo = kTipos[static_cast<int>(v.tipo())];
    if (v.IsEmpty() || v.IsNull() || v.IsArray()) return tipo;
    return v.tipo() == vb::Tipo::String ? "String:\"" + v.CStr() + "\"" : tipo + ":" + v.CStr();
}

inline std::shared_ptr<brunsel::cDeclaracion> Servicio(const std::string& ruta = "") {
    auto s = com::CreateObject<brunsel::cDeclaracion>("Brunsel.cDeclaracion");
    if (!ruta.empty()) s->mdbname(ruta);
    return s;
}

// A test value for a detail column: distinct per place n, short enough for every text column.
inline vb::Variant ValorDetalle(brunsel::TipoCampo tipo, int n, int variante = 0) {
    static const std::string letras = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    switch (tipo) {
        case brunsel::TipoCampo::Texto:
        case brunsel::TipoCampo::CodigoTexto: return std::string(1, letras[(n + variante) % letras.size()]);
        case brunsel::TipoCampo::Integer: return static_cast<vb::Integer>(n + 1 + variante);
        case brunsel::TipoCampo::Long: return static_cast<vb::Long>(1000 + n + variante);
        case brunsel::TipoCampo::Byte: return static_cast<vb::Byte>(n + variante);
        case brunsel::TipoCampo::Single: return static_cast<vb::Single>(n + variante + 0.5f);
        case brunsel::TipoCampo::Double: return 100.0 * (n + 1 + variante);
    }
    return {};
}

// The detail columns of a form, in load-buffer order.
inline std::span<const brunsel::Columna> Detalle(const std::string& modelo) {
    return modelo == "731" ? std::span(brunsel::kColumnasT03).subspan(1) : std::span(brunsel::kColumnasT04).subspan(1);
}

// A quarterly declaration of `csco` with key `csde` (0 = new); `variante` changes every detail value.
inline vb::Variant BufferGuardar(const std::string& modelo, vb::Long csde, vb::Long csco, int variante = 0,
                                 vb::Long fecha = 20120930) {
    const bool es731 = modelo == "731";
    const auto columnas = Detalle(modelo);
    const vb::Long primera = es731 ? 10 : 9;
    auto b = vb::Variant::Array1(0, primera + static_cast<vb::Long>(columnas.size()) - 1);
    b(0) = csde, b(1) = csco, b(2) = modelo, b(3) = "1", b(4) = "P", b(5) = fecha;
    b(6) = static_cast<vb::Integer>(fecha / 10000), b(7) = "3T", b(8) = static_cast<vb::Byte>(es731 ? 1 : 2);
    for (size_t i = 0; i < columnas.size(); ++i)
        b(primera + static_cast<vb::Long>(i)) = ValorDetalle(columnas[i].tipo, static_cast<int>(i), variante);
    return b;
}

// Direct reads of a database file, on a connection of their own.
class Lectura {
public:
    explicit Lectura(const std::string& ruta) : db_(dao::DBEngine::Instancia().OpenDatabase(ruta)) {}
    ~Lectura() { db_->Close(); }

    // The first column of the first row (Empty when there is no row).
    vb::Variant Valor(const std::string& sql, const dao::Parametros& p = {}) {
        auto rs = db_->OpenRecordset(sql, p);
        if (!rs) throw std::runtime_error(db_->UltimoError() + " in " + sql);
        return rs->Eof() ? vb::Variant() : rs->Fields(0);
    }
    vb::Long Contar(const std::string& sql, const dao::Parametros& p = {}) { return Valor(sql, p).CLng(); }

    // Every row of the four declaration tables as text: two equal pictures mean nothing changed.
    std::string Foto() {
        std::string foto;
        for (const char* tabla : {"T01_DECLARANTES", "T02_COMUNDECLA", "T03_731DECLA", "T04_732DECLA"}) {
            foto += std::string(tabla) + "\n";
            for (auto rs = db_->OpenRecordset(std::string("SELECT * FROM ") + tabla + " ORDER BY 1"); !rs->Eof();
                 rs->MoveNext()) {
                for (int i = 0; i < rs->FieldCount(); ++i) foto += Describir(rs->Fields(i)) + "|";
                foto += "\n";
            }
        }
        return foto;
    }

    dao::Database& BD() { return *db_; }

private:
    std::shared_ptr<dao::Database> db_;
};

}  // namespace prueba
