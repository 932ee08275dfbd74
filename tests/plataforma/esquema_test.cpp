#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include "dao/dao.h"
#include "dao/esquema.h"

namespace {

class Esquema : public ::testing::Test {
protected:
    std::string ruta;
    std::shared_ptr<dao::Database> db;

    void SetUp() override {
        ruta = (std::filesystem::temp_directory_path() / ("esquema-" + std::to_string(::getpid()) + ".db")).string();
        dao::CrearBaseDesdeSql(ruta,
                               "CREATE TABLE T (ID INTEGER PRIMARY KEY AUTOINCREMENT,"
                               " \"Nombre raro\" VARCHAR(5) DEFAULT 'x' CHECK (length(\"Nombre raro\") <= 5),"
                               " CC VARCHAR(20) DEFAULT '' COLLATE NOCASE CHECK (length(CC) <= 20),"
                               " B VARCHAR(3), UNIQUE (B));"
                               "CREATE INDEX IX_T_CC ON T (CC);"
                               "CREATE TABLE REGISTRO (N INTEGER);"
                               "CREATE TRIGGER TR_T AFTER INSERT ON T BEGIN INSERT INTO REGISTRO VALUES (NEW.ID); END;"
                               "INSERT INTO T (CC, B) VALUES ('abc', '1'), ('12345678901234567890', '2'), (NULL, '3');"
                               "DELETE FROM T WHERE ID = 3;");
        db = dao::DBEngine::Instancia().OpenDatabase(ruta);
    }
    void TearDown() override {
        db->Close();
        std::filesystem::remove(ruta);
    }

    std::vector<std::string> Nombres(const std::string& sql) {
        std::vector<std::string> r;
        auto rs = db->OpenRecordset(sql);
        for (; !rs->Eof(); rs->MoveNext()) r.push_back(rs->Fields(0).IsNull() ? "<null>" : rs->Fields(0).CStr());
        return r;
    }
};

TEST_F(Esquema, AmpliarConservaFilasIndicesYContador) {
    auto tablas = Nombres("SELECT name FROM sqlite_master ORDER BY name");
    dao::AmpliarCampoTexto(*db, "T", "CC", 24);

    auto campos = dao::Fields(*db, "T");
    ASSERT_EQ(campos.size(), 4u);
    EXPECT_EQ(campos[2].Name, "CC");
    EXPECT_EQ(campos[2].Size, 24);
    EXPECT_EQ(campos[1].Size, 5) << "other fields keep their size";
    EXPECT_EQ(Nombres("SELECT name FROM sqlite_master ORDER BY name"), tablas) << "indexes and trigger back, nothing extra";
    EXPECT_EQ(Nombres("SELECT CC FROM T ORDER BY ID"), (std::vector<std::string>{"abc", "12345678901234567890"}));
    EXPECT_EQ(Nombres("SELECT B FROM T WHERE CC = 'ABC'"), (std::vector<std::string>{"1"})) << "collation kept";

    db->Execute("INSERT INTO T (CC) VALUES ('123456789012345678901234')");
    EXPECT_EQ(Nombres("SELECT max(ID) FROM T"), (std::vector<std::string>{"4"})) << "a deleted key is not reused";
    EXPECT_EQ(Nombres("SELECT max(N) FROM REGISTRO"), (std::vector<std::string>{"4"}));
    EXPECT_EQ(Nombres("SELECT \"Nombre raro\" FROM T WHERE ID = 4"), (std::vector<std::string>{"x"}));
    EXPECT_THROW(db->Execute("INSERT INTO T (CC) VALUES ('1234567890123456789012345')"), vb::Error);
    EXPECT_THROW(db->Execute("INSERT INTO T (B) VALUES ('1')"), vb::Error) << "unique constraint kept";
}

}  // namespace
