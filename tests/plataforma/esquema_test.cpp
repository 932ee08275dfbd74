#include <gtest/gtest.h>

#include <string>

#include "comun/bd_prueba.h"
#include "dao/dao.h"
#include "dao/esquema.h"

namespace {

// The first column of every row, joined by ",".
std::string Valores(dao::Database& db, const std::string& sql) {
    std::string r;
    for (auto rs = db.OpenRecordset(sql); !rs->Eof(); rs->MoveNext())
        r += (r.empty() ? "" : ",") + (rs->Fields(0).IsNull() ? "<null>" : rs->Fields(0).CStr());
    return r;
}

TEST(Esquema, AmpliarConservaFilasIndicesYContador) {
    BdPrueba bd;
    const std::string ruta = bd.Dir() + "/esquema.db";
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
    auto db = dao::DBEngine::Instancia().OpenDatabase(ruta);
    const std::string objetos = Valores(*db, "SELECT name FROM sqlite_master ORDER BY name");
    dao::AmpliarCampoTexto(*db, "T", "CC", 24);

    auto campos = dao::Fields(*db, "T");
    ASSERT_EQ(campos.size(), 4u);
    EXPECT_EQ(campos[2].Name, "CC");
    EXPECT_EQ(campos[2].Size, 24);
    EXPECT_EQ(campos[1].Size, 5) << "other fields keep their size";
    EXPECT_EQ(Valores(*db, "SELECT name FROM sqlite_master ORDER BY name"), objetos) << "indexes and trigger back";
    EXPECT_EQ(Valores(*db, "SELECT CC FROM T ORDER BY ID"), "abc,12345678901234567890");
    EXPECT_EQ(Valores(*db, "SELECT B FROM T WHERE CC = 'ABC'"), "1") << "collation kept";

    db->Execute("INSERT INTO T (CC) VALUES ('123456789012345678901234')");
    EXPECT_EQ(Valores(*db, "SELECT (SELECT max(ID) FROM T) || ',' || max(N) FROM REGISTRO"), "4,4")
        << "a deleted key is not reused, the trigger runs";
    EXPECT_EQ(Valores(*db, "SELECT \"Nombre raro\" FROM T WHERE ID = 4"), "x");
    EXPECT_THROW(db->Execute("INSERT INTO T (CC) VALUES ('1234567890123456789012345')"), vb::Error);
    EXPECT_THROW(db->Execute("INSERT INTO T (B) VALUES ('1')"), vb::Error) << "unique constraint kept";
    db->Close();
}

}  // namespace
