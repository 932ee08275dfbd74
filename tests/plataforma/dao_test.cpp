#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>

#include "comun/bd_prueba.h"
#include "comun/errores.h"
#include "dao/dao.h"

namespace fs = std::filesystem;
using vb::Variant;

namespace {

class Dao : public ::testing::Test {
protected:
    void SetUp() override {
        dao::CrearBaseDesdeSql(ruta_, R"(
            CREATE TABLE T (ID INTEGER PRIMARY KEY AUTOINCREMENT, NOMBRE VARCHAR(40) DEFAULT '' COLLATE NOCASE,
                            ENTERO SMALLINT, OCTETO TINYINT, SIMPLE FLOAT, DOBLE DOUBLE, LARGO INTEGER);
            INSERT INTO T (NOMBRE, ENTERO, OCTETO, SIMPLE, DOBLE, LARGO)
                VALUES ('Pérez', 7, 200, 1.5, 2.25, 70000);)");
        db_ = dao::DBEngine::Instancia().OpenDatabase(ruta_);
    }
    void TearDown() override { db_->Close(); }

    vb::Long Contar() { return db_->OpenRecordset("SELECT count(*) FROM T")->Fields(0).CLng(); }
    void Insertar(const Variant& nombre) { db_->Execute("INSERT INTO T (NOMBRE) VALUES (?)", 0, {nombre}); }

    BdPrueba bd_;  // a throw-away folder
    std::string dir_ = bd_.Dir(), ruta_ = dir_ + "/prueba.mdb";
    std::shared_ptr<dao::Database> db_;
};

TEST_F(Dao, AbrirFallaSinCrearNadaSiFaltaOSiNoEsUnaBase) {
    auto& motor = dao::DBEngine::Instancia();
    std::string falta = dir_ + "/no_existe.mdb";
    EXPECT_EQ(NumeroDeError([&] { motor.OpenDatabase(falta); }), vb::errArchivoNoEncontrado);
    EXPECT_FALSE(fs::exists(falta));
    EXPECT_NE(NumeroDeError([&] { motor.OpenDatabase(dir_); }), 0);
    std::ofstream(dir_ + "/texto.mdb") << std::string(2000, 'x');
    EXPECT_GT(NumeroDeError([&] { motor.OpenDatabase(dir_ + "/texto.mdb"); }), vb::errBaseDatos);
}

TEST_F(Dao, ErroresDelMotorYUnaSolaSentencia) {
    EXPECT_THROW(db_->Execute("INSERT INTO NO_EXISTE VALUES (1)"), vb::Error);
    EXPECT_NE(NumeroDeError([&] { db_->Execute("INSERT INTO T (ID) VALUES (1)"); }), 0);
    EXPECT_EQ(db_->OpenRecordset("SELECT X FROM NO_EXISTE"), nullptr);
    EXPECT_NE(db_->UltimoError().find("no such table"), std::string::npos);
    ASSERT_NE(db_->OpenRecordset("SELECT 1"), nullptr);
    EXPECT_EQ(db_->UltimoError(), "");
    // A second statement is refused, not silently left undone.
    EXPECT_NE(NumeroDeError([&] { db_->Execute("DELETE FROM T WHERE ID = 1; DROP TABLE T"); }), 0);
    EXPECT_EQ(db_->OpenRecordset("SELECT 1; DELETE FROM T"), nullptr);
    EXPECT_EQ(Contar(), 1);
    EXPECT_NO_THROW(db_->Execute("UPDATE T SET LARGO = 1; -- done"));
}

TEST_F(Dao, TiposSegunLaDeclaracionDeLaColumnaYNull) {
    auto rs = db_->OpenRecordset("SELECT ENTERO, OCTETO, SIMPLE, DOBLE, LARGO, count(*) FROM T");
    const vb::Tipo tipos[] = {vb::Tipo::Integer, vb::Tipo::Byte, vb::Tipo::Single,
                              vb::Tipo::Double,  vb::Tipo::Long, vb::Tipo::Long};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(rs->Fields(i).tipo(), tipos[i]) << rs->FieldName(i);
    EXPECT_EQ(rs->Fields("LARGO").CLng(), 70000);
    // A value the declared type cannot hold comes back whole rather than wrapped around.
    db_->Execute("UPDATE T SET ENTERO = 40000, OCTETO = 300");
    rs = db_->OpenRecordset("SELECT ENTERO, OCTETO FROM T");
    EXPECT_EQ(rs->Fields(0).CLng() + rs->Fields(1).CLng(), 40300);
    db_->Execute("INSERT INTO T (NOMBRE, ENTERO, DOBLE) VALUES (?, ?, ?)", 0, {vb::Null, Variant(), vb::Null});
    rs = db_->OpenRecordset("SELECT NOMBRE, ENTERO, DOBLE, SIMPLE FROM T WHERE ID = ?", {db_->UltimaClave()});
    for (int i = 0; i < rs->FieldCount(); ++i) EXPECT_TRUE(rs->Fields(i).IsNull()) << rs->FieldName(i);
}

TEST_F(Dao, RecorridoCamposYTextoSinDistinguirMayusculas) {
    Insertar("Garcia");
    EXPECT_EQ(db_->OpenRecordset("SELECT ID FROM T WHERE NOMBRE = ?", {"gArCiA"})->RecordCount(), 1);
    auto rs = db_->OpenRecordset("SELECT Nombre FROM T ORDER BY ID");
    EXPECT_EQ(rs->Fields("nombre").CStr(), "Pérez");
    EXPECT_EQ(NumeroDeError([&] { rs->Fields("APELLIDO"); }), vb::errElementoNoEncontrado);
    EXPECT_EQ(rs->RecordCount(), 2);
    rs->MoveLast();
    EXPECT_EQ(rs->Fields(0).CStr(), "Garcia");
    rs->MoveNext();
    EXPECT_TRUE(rs->Eof());
    EXPECT_EQ(NumeroDeError([&] { rs->Fields(0); }), vb::errSinRegistroActual);
    EXPECT_EQ(NumeroDeError([&] { db_->OpenRecordset("SELECT 1 WHERE 0")->MoveFirst(); }), vb::errSinRegistroActual);
    db_->Close();
    EXPECT_TRUE(rs->Cerrado());
    EXPECT_NE(NumeroDeError([&] { db_->Execute("DELETE FROM T"); }), 0);
}

// The same statement run again over lists of other lengths gives each time its own rows, and a
// set handed over as values gives them row after row and is left closed and empty.
TEST_F(Dao, MismaSentenciaConListasDeOtrasLongitudesYValoresEntregados) {
    for (int i = 0; i < 300; ++i) Insertar("N" + std::to_string(i));
    const std::string sql = "SELECT ID, NOMBRE FROM T WHERE ID <= ? ORDER BY ID";
    for (vb::Long hasta : {301, 0, 3, 301, 1}) {
        auto rs = db_->OpenRecordset(sql, {hasta});
        ASSERT_NE(rs, nullptr) << db_->UltimoError();
        EXPECT_EQ(rs->RecordCount(), hasta) << hasta;
        if (hasta > 0) {
            rs->MoveLast();
            EXPECT_EQ(rs->Fields(0).CLng(), hasta);
            EXPECT_EQ(rs->Fields(1).CStr(), hasta == 1 ? "Pérez" : "N" + std::to_string(hasta - 2));
        }
    }
    // A list longer than the room made for it (here several pieces of it) keeps every row in order.
    db_->Execute("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 20000) "
                 "INSERT INTO T (NOMBRE) SELECT 'M' || i FROM n");
    auto largo = db_->OpenRecordset(sql, {vb::Long(20301)});
    ASSERT_EQ(largo->RecordCount(), 20301);
    largo->MoveLast();
    EXPECT_EQ(largo->Fields(1).CStr(), "M20000");
    const std::vector<Variant> todos = largo->TomarValores();
    for (size_t i = 0; i < todos.size(); i += 2) ASSERT_EQ(todos[i].CLng(), vb::Long(i / 2 + 1));
    auto rs = db_->OpenRecordset(sql, {vb::Long(3)});
    const std::vector<Variant> valores = rs->TomarValores();
    ASSERT_EQ(valores.size(), 6u);
    EXPECT_EQ(valores[0].CLng() + valores[2].CLng() + valores[4].CLng(), 6);
    EXPECT_EQ(valores[1].CStr() + valores[3].CStr() + valores[5].CStr(), "PérezN0N1");
    EXPECT_TRUE(rs->Cerrado());
    EXPECT_EQ(rs->RecordCount(), 0);
}

// Another connection rebuilds the table with its columns in another order between two runs of a
// statement this connection keeps prepared: each value comes back under its own name and type.
TEST_F(Dao, OtraConexionReordenaLasColumnasEntreDosLlamadas) {
    const std::string sql = "SELECT * FROM T WHERE ID = ?";
    ASSERT_EQ(db_->OpenRecordset(sql, {vb::Long(1)})->Fields("NOMBRE").CStr(), "Pérez");
    auto otra = dao::DBEngine::Instancia().OpenDatabase(ruta_);
    dao::EjecutarGuion(*otra, "CREATE TABLE T2 (ID INTEGER PRIMARY KEY, LARGO INTEGER, DOBLE DOUBLE, ENTERO SMALLINT, "
                              "NOMBRE VARCHAR(40), OCTETO TINYINT, SIMPLE FLOAT); "
                              "INSERT INTO T2 SELECT ID, LARGO, DOBLE, ENTERO, NOMBRE, OCTETO, SIMPLE FROM T; "
                              "DROP TABLE T; ALTER TABLE T2 RENAME TO T;");
    otra->Close();
    auto rs = db_->OpenRecordset(sql, {vb::Long(1)});
    ASSERT_NE(rs, nullptr) << db_->UltimoError();
    EXPECT_EQ(rs->FieldName(1), "LARGO");
    EXPECT_EQ(rs->Fields("NOMBRE").CStr(), "Pérez");
    EXPECT_EQ(rs->Fields("LARGO").CLng(), 70000);
    EXPECT_EQ(rs->Fields("ENTERO").tipo(), vb::Tipo::Integer);
}

TEST_F(Dao, ContadorSinReutilizarClavesYTransaccionSinConfirmarDeshecha) {
    Insertar("uno");
    const vb::Long ultima = db_->UltimaClave();
    db_->Execute("DELETE FROM T WHERE ID = ?", 0, {ultima});
    EXPECT_EQ(db_->RecordsAffected(), 1);
    Insertar("dos");
    EXPECT_EQ(db_->UltimaClave(), ultima + 1);
    {
        dao::Transaccion t(*db_);
        Insertar("a");
    }
    EXPECT_EQ(Contar(), 2);
}

TEST_F(Dao, ValoresEnlazadosSeGuardanTalCual) {
    for (std::string nombre : {"O'Brien", "d'Àlava; DROP TABLE T; --", "Ñoño \"x\" ?", ""}) {
        Insertar(nombre);
        auto rs = db_->OpenRecordset("SELECT NOMBRE FROM T WHERE ID = ?", {db_->UltimaClave()});
        EXPECT_EQ(rs->Fields(0).CStr(), nombre);
        EXPECT_EQ(db_->OpenRecordset("SELECT ID FROM T WHERE NOMBRE = ?", {nombre})->RecordCount(), 1);
    }
    // A Single goes in as the decimal number it shows, so it reads back equal in a Double column.
    db_->Execute("UPDATE T SET DOBLE = ?, SIMPLE = ? WHERE ID = 1", 0, {vb::Single(0.1f), vb::Single(0.1f)});
    auto rs = db_->OpenRecordset("SELECT DOBLE, SIMPLE FROM T WHERE DOBLE = 0.1");
    ASSERT_EQ(rs->RecordCount(), 1);
    EXPECT_EQ(rs->Fields(1), Variant(0.1f));
}

TEST_F(Dao, OtraConexionNoQuedaBloqueadaYEsperaSuTurno) {
    auto rs = db_->OpenRecordset("SELECT NOMBRE FROM T");  // read whole: holds no lock
    auto otra = dao::DBEngine::Instancia().OpenDatabase(ruta_);
    const auto inicio = std::chrono::steady_clock::now();
    otra->Execute("INSERT INTO T (NOMBRE) VALUES ('otra')");
    EXPECT_LT(std::chrono::steady_clock::now() - inicio, std::chrono::seconds(1));

    auto t = std::make_unique<dao::Transaccion>(*db_);
    Insertar("en curso");
    auto cuenta = otra->OpenRecordset("SELECT count(*) FROM T");  // the data as before the transaction
    ASSERT_NE(cuenta, nullptr) << otra->UltimoError();
    EXPECT_EQ(cuenta->Fields(0).CLng(), 2);
    // A second writer waits for the first one to finish instead of failing at once.
    std::thread primero([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        t->Confirmar();
    });
    EXPECT_NO_THROW(otra->Execute("INSERT INTO T (NOMBRE) VALUES ('despues')"));
    primero.join();
    t.reset();
    EXPECT_EQ(Contar(), 4);
}

}  // namespace
