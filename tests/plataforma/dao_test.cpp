#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>

#include "dao/dao.h"

namespace fs = std::filesystem;
using vb::Variant;

namespace {

const char* const kEsquema = R"(
CREATE TABLE T (
  ID INTEGER PRIMARY KEY AUTOINCREMENT,
  NOMBRE VARCHAR(40) DEFAULT '' COLLATE NOCASE,
  ENTERO SMALLINT, OCTETO TINYINT, SIMPLE FLOAT, DOBLE DOUBLE, LARGO INTEGER);
INSERT INTO T (NOMBRE, ENTERO, OCTETO, SIMPLE, DOBLE, LARGO) VALUES ('Pérez', 7, 200, 1.5, 2.25, 70000);
)";

// The error a call raises (number 0 when none).
vb::Error ErrorDe(const std::function<void()>& llamada) {
    try {
        llamada();
    } catch (const vb::Error& e) {
        return e;
    }
    return vb::Error(0, "", "");
}

class Dao : public ::testing::Test {
protected:
    void SetUp() override {
        std::string plantilla = (fs::temp_directory_path() / "oxalde-dao-XXXXXX").string();
        ASSERT_TRUE(mkdtemp(plantilla.data()));
        dir_ = plantilla;
        ruta_ = dir_ + "/prueba.mdb";
        dao::CrearBaseDesdeSql(ruta_, kEsquema);
        db_ = dao::DBEngine::Instancia().OpenDatabase(ruta_);
    }
    void TearDown() override {
        if (db_) db_->Close();
        fs::remove_all(dir_);
    }

    vb::Long Contar() { return db_->OpenRecordset("SELECT count(*) FROM T")->Fields(0).CLng(); }
    void Insertar(const Variant& nombre) { db_->Execute("INSERT INTO T (NOMBRE) VALUES (?)", 0, {nombre}); }
    vb::Long Filas(const std::string& sql, const dao::Parametros& p = {}) {
        return db_->OpenRecordset(sql, p)->RecordCount();
    }

    std::string dir_, ruta_;
    std::shared_ptr<dao::Database> db_;
};

}  // namespace

TEST_F(Dao, AbrirFallaSinCrearNadaSiFaltaOSiNoEsUnaBase) {
    auto& motor = dao::DBEngine::Instancia();
    std::string falta = dir_ + "/no_existe.mdb";
    EXPECT_EQ(ErrorDe([&] { motor.OpenDatabase(falta); }).Number(), vb::errArchivoNoEncontrado);
    EXPECT_FALSE(fs::exists(falta));
    EXPECT_NE(ErrorDe([&] { motor.OpenDatabase(dir_); }).Number(), 0);  // a folder

    std::string texto = dir_ + "/texto.mdb";
    std::ofstream(texto) << std::string(2000, 'x');
    vb::Error e = ErrorDe([&] { motor.OpenDatabase(texto); });
    EXPECT_GT(e.Number(), vb::errBaseDatos);
    EXPECT_FALSE(e.Description().empty());
}

TEST_F(Dao, ErroresDelMotor) {
    vb::Error e = ErrorDe([&] { db_->Execute("INSERT INTO NO_EXISTE VALUES (1)"); });
    EXPECT_NE(e.Description().find("no such table: NO_EXISTE"), std::string::npos) << e.Description();
    EXPECT_NE(ErrorDe([&] { db_->Execute("INSERT INTO T (ID) VALUES (1)"); }).Number(), 0);  // duplicate key

    EXPECT_EQ(db_->OpenRecordset("SELECT X FROM NO_EXISTE"), nullptr);
    EXPECT_NE(db_->UltimoError().find("no such table"), std::string::npos);
    ASSERT_NE(db_->OpenRecordset("SELECT 1"), nullptr);
    EXPECT_EQ(db_->UltimoError(), "");

    // One statement per call: a second one is refused, not silently left undone.
    EXPECT_NE(ErrorDe([&] { db_->Execute("DELETE FROM T WHERE ID = 1; DROP TABLE T"); }).Number(), 0);
    EXPECT_NE(ErrorDe([&] { db_->Execute(""); }).Number(), 0);
    EXPECT_EQ(db_->OpenRecordset("SELECT 1; DELETE FROM T"), nullptr);
    EXPECT_FALSE(db_->UltimoError().empty());
    EXPECT_EQ(Contar(), 1);
    EXPECT_NO_THROW(db_->Execute("UPDATE T SET LARGO = 1; -- done"));
}

TEST_F(Dao, TiposSegunLaDeclaracionDeLaColumnaYNull) {
    auto rs = db_->OpenRecordset("SELECT ENTERO, OCTETO, SIMPLE, DOBLE, LARGO, NOMBRE, ID FROM T");
    ASSERT_NE(rs, nullptr);
    EXPECT_EQ(rs->Fields("ENTERO").tipo(), vb::Tipo::Integer);
    EXPECT_EQ(rs->Fields("OCTETO").tipo(), vb::Tipo::Byte);
    EXPECT_EQ(rs->Fields("SIMPLE").tipo(), vb::Tipo::Single);
    EXPECT_EQ(rs->Fields("DOBLE").tipo(), vb::Tipo::Double);
    EXPECT_EQ(rs->Fields("LARGO").tipo(), vb::Tipo::Long);
    EXPECT_EQ(rs->Fields("LARGO").CLng(), 70000);
    EXPECT_EQ(db_->OpenRecordset("SELECT count(*) FROM T")->Fields(0).tipo(), vb::Tipo::Long);

    // A value the declared type cannot hold comes back whole rather than wrapped around.
    db_->Execute("UPDATE T SET ENTERO = 40000, OCTETO = 300");
    rs = db_->OpenRecordset("SELECT ENTERO, OCTETO FROM T");
    EXPECT_EQ(rs->Fields(0).CLng(), 40000);
    EXPECT_EQ(rs->Fields(1).CLng(), 300);

    db_->Execute("INSERT INTO T (NOMBRE, ENTERO, DOBLE) VALUES (?, ?, ?)", 0, {vb::Null, Variant(), vb::Null});
    rs = db_->OpenRecordset("SELECT NOMBRE, ENTERO, DOBLE, SIMPLE FROM T WHERE ID = ?", {db_->UltimaClave()});
    ASSERT_EQ(rs->RecordCount(), 1);
    for (int i = 0; i < rs->FieldCount(); ++i) EXPECT_TRUE(rs->Fields(i).IsNull()) << rs->FieldName(i);
}

TEST_F(Dao, CamposYTextoSinDistinguirMayusculas) {
    auto rs = db_->OpenRecordset("SELECT Nombre FROM T");
    EXPECT_EQ(rs->Fields("nombre").CStr(), "Pérez");
    EXPECT_EQ(ErrorDe([&] { rs->Fields("APELLIDO"); }).Number(), vb::errElementoNoEncontrado);
    Insertar("Garcia");
    EXPECT_EQ(Filas("SELECT ID FROM T WHERE NOMBRE = ?", {"GARCIA"}), 1);
    EXPECT_EQ(Filas("SELECT ID FROM T WHERE NOMBRE = ?", {"gArCiA"}), 1);
}

TEST_F(Dao, RecorridoYCierre) {
    Insertar("C");
    auto rs = db_->OpenRecordset("SELECT NOMBRE FROM T ORDER BY ID");
    EXPECT_EQ(rs->RecordCount(), 2);
    rs->MoveLast();
    EXPECT_EQ(rs->Fields(0).CStr(), "C");
    rs->MoveNext();
    EXPECT_TRUE(rs->Eof());
    EXPECT_EQ(ErrorDe([&] { rs->Fields(0); }).Number(), vb::errSinRegistroActual);

    auto vacio = db_->OpenRecordset("SELECT NOMBRE FROM T WHERE 0");
    EXPECT_EQ(ErrorDe([&] { vacio->MoveFirst(); }).Number(), vb::errSinRegistroActual);

    db_->Close();
    EXPECT_TRUE(rs->Cerrado());
    EXPECT_NE(ErrorDe([&] { db_->Execute("DELETE FROM T"); }).Number(), 0);
}

TEST_F(Dao, ElContadorNoReutilizaUnaClaveBorrada) {
    Insertar("uno");
    vb::Long ultima = db_->UltimaClave();
    db_->Execute("DELETE FROM T WHERE ID = ?", 0, {ultima});
    EXPECT_EQ(db_->RecordsAffected(), 1);
    Insertar("dos");
    EXPECT_EQ(db_->UltimaClave(), ultima + 1);
}

TEST_F(Dao, ValoresEnlazadosSeGuardanTalCual) {
    for (std::string nombre : {"O'Brien", "d'Àlava; DROP TABLE T; --", "Ñoño \"x\" ?", ""}) {
        Insertar(nombre);
        auto rs = db_->OpenRecordset("SELECT NOMBRE FROM T WHERE ID = ?", {db_->UltimaClave()});
        EXPECT_EQ(rs->Fields(0).CStr(), nombre);
        EXPECT_EQ(Filas("SELECT ID FROM T WHERE NOMBRE = ?", {nombre}), 1);
    }
    // A Single goes in as the decimal number it shows, so it reads back equal in a Double column.
    for (auto [f, d] : {std::pair{12.5f, 12.5}, {0.1f, 0.1}}) {
        db_->Execute("UPDATE T SET DOBLE = ?, SIMPLE = ? WHERE ID = 1", 0, {vb::Single(f), vb::Single(f)});
        auto rs = db_->OpenRecordset("SELECT DOBLE, SIMPLE FROM T WHERE ID = 1");
        EXPECT_EQ(rs->Fields(0).CDbl(), d);
        EXPECT_EQ(rs->Fields(1), Variant(f));
    }
    EXPECT_EQ(Filas("SELECT ID FROM T WHERE DOBLE = 0.1"), 1);
}

TEST_F(Dao, TransaccionSinConfirmarSeDeshace) {
    try {
        dao::Transaccion t(*db_);
        Insertar("a");
        vb::Lanzar(vb::errTipos);
    } catch (const vb::Error&) {
    }
    EXPECT_EQ(Contar(), 1);
    {
        dao::Transaccion t(*db_);
        Insertar("b");
        t.Confirmar();
    }
    EXPECT_EQ(Contar(), 2);
}

TEST_F(Dao, UnResultadoAbiertoNoBloqueaAOtraConexion) {
    auto rs = db_->OpenRecordset("SELECT NOMBRE FROM T");
    auto otra = dao::DBEngine::Instancia().OpenDatabase(ruta_);
    auto inicio = std::chrono::steady_clock::now();
    otra->Execute("INSERT INTO T (NOMBRE) VALUES ('otra')");
    EXPECT_LT(std::chrono::steady_clock::now() - inicio, std::chrono::seconds(1));
    EXPECT_EQ(rs->Fields(0).CStr(), "Pérez");
    EXPECT_EQ(Contar(), 2);
}

TEST_F(Dao, DosConexionesAlMismoArchivoEsperanSuTurno) {
    auto otra = dao::DBEngine::Instancia().OpenDatabase(ruta_);
    auto t = std::make_unique<dao::Transaccion>(*db_);
    Insertar("en curso");
    // The reader sees the data as it was before the open transaction.
    auto rs = otra->OpenRecordset("SELECT count(*) FROM T");
    ASSERT_NE(rs, nullptr) << otra->UltimoError();
    EXPECT_EQ(rs->Fields(0).CLng(), 1);

    // A second writer waits for the first one to finish instead of failing at once.
    std::thread primero([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        t->Confirmar();
    });
    EXPECT_NO_THROW(otra->Execute("INSERT INTO T (NOMBRE) VALUES ('despues')"));
    primero.join();
    t.reset();
    EXPECT_EQ(Contar(), 3);
}
