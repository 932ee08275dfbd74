#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "GarobelLib/algoritmos.h"
#include "GarobelLib/cMiscelaneos.h"
#include "com/com.h"
#include "comun/bd_prueba.h"
#include "dao/esquema.h"
#include "servicios/cTraspaso.h"

using brunsel::cTraspaso;

namespace {

// A domestic account with right control digits.
std::string Cuenta(const std::string& entidad, const std::string& numero) {
    std::string base = entidad + "0020" + "00" + numero;
    return entidad + "0020" + GarobelLib::DigitosControlCuenta(base) + numero;
}

// Every stored value of every table, as text, T03_CC aside.
using Volcado = std::map<std::string, std::vector<std::string>>;

Volcado Volcar(const std::string& ruta) {
    auto db = dao::DBEngine::Instancia().OpenDatabase(ruta);
    Volcado v;
    auto tablas = db->OpenRecordset("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name");
    for (; !tablas->Eof(); tablas->MoveNext()) {
        std::string tabla = tablas->Fields(0).CStr();
        std::string columnas;
        for (const auto& f : dao::Fields(*db, tabla))
            if (f.Name != "T03_CC") columnas += (columnas.empty() ? "" : ",") + f.Name;
        auto rs = db->OpenRecordset("SELECT " + columnas + " FROM " + tabla + " ORDER BY rowid");
        for (; !rs->Eof(); rs->MoveNext()) {
            std::string fila;
            for (int i = 0; i < rs->FieldCount(); ++i)
                fila += std::to_string(static_cast<int>(rs->Fields(i).tipo())) + ":" +
                        (rs->Fields(i).IsNull() ? "" : rs->Fields(i).CStr()) + "|";
            v[tabla].push_back(fila);
        }
    }
    return v;
}

class Traspaso : public ::testing::Test {
protected:
    BdPrueba bd;

    void Desde(const std::string& fixtura) {
        dao::CrearBaseDesdeSql(bd.Mod(), LeerTexto(std::string(OXALDE_DIR_FIXTURAS) + "/" + fixtura));
    }

    bool Ejecutar() {
        auto t = com::CreateObject<cTraspaso>("Brunsel.cTraspaso");
        t->mdbmod(bd.Mod());
        t->mdblec(bd.Lec());
        t->mdbPath(bd.Dir());
        return t->Traspaso();
    }

    // A declaration with its header and a few boxes that must survive the upgrade.
    void Declaracion(int clave, const std::string& cuenta) {
        std::string valor = cuenta == "NULL" ? "NULL" : "'" + cuenta + "'";
        BdPrueba::Ejecutar(bd.Mod(),
                           "INSERT INTO T02_COMUNDECLA (T02_CSDE, T02_MODELO) VALUES (" + std::to_string(clave) +
                               ", '731');"
                               "INSERT INTO T03_731DECLA (T03_CSDE, T03_ADQNOM, T03_ESLORAMAX, T03_RESUL, T03_CC) "
                               "VALUES (" + std::to_string(clave) + ", 'O''Neill Ñ', 7.5, " +
                               std::to_string(1000 * clave + 0.0) + ", " + valor + ")");
    }

    std::map<int, vb::Variant> Cuentas() {
        auto db = dao::DBEngine::Instancia().OpenDatabase(bd.Mod());
        std::map<int, vb::Variant> r;
        auto rs = db->OpenRecordset("SELECT T03_CSDE, T03_CC FROM T03_731DECLA");
        for (; !rs->Eof(); rs->MoveNext()) r[rs->Fields(0).CLng()] = rs->Fields(1);
        return r;
    }

    std::vector<dao::Field> Campos() {
        auto db = dao::DBEngine::Instancia().OpenDatabase(bd.Mod());
        return dao::Fields(*db, "T03_731DECLA");
    }

    std::vector<std::string> Tablas() {
        auto db = dao::DBEngine::Instancia().OpenDatabase(bd.Mod());
        std::vector<std::string> r;
        auto rs = db->OpenRecordset("SELECT name FROM sqlite_master ORDER BY name");
        for (; !rs->Eof(); rs->MoveNext()) r.push_back(rs->Fields(0).CStr());
        return r;
    }

    void EsperarColumnaActual() {
        auto campos = Campos();
        ASSERT_EQ(campos.size(), 39u);
        EXPECT_EQ(campos.back().Name, "T03_CC");
        EXPECT_EQ(campos.back().Size, 24);
        for (const auto& c : campos) EXPECT_NE(c.Name, "temp");
    }
};

TEST_F(Traspaso, SinColumnaLaCreaYLaAmplia) {
    Desde("mod_sin_cc.sql");
    auto tablasAntes = Tablas();
    BdPrueba::Ejecutar(bd.Mod(),
                       "INSERT INTO T03_731DECLA (T03_CSDE, T03_ADQNOM, T03_RESUL) VALUES (1, 'A', 98765), (2, 'B', 12)");
    Volcado antes = Volcar(bd.Mod());

    EXPECT_FALSE(Ejecutar());
    EsperarColumnaActual();
    EXPECT_EQ(Tablas(), tablasAntes) << "no working table left behind";
    EXPECT_EQ(Volcar(bd.Mod()), antes) << "result amounts and every other value kept";
    auto cuentas = Cuentas();
    EXPECT_EQ(cuentas[1], vb::Variant(""));
    EXPECT_EQ(cuentas[2], vb::Variant(""));

    // The widened column takes an IBAN and refuses a longer text.
    std::string iban = GarobelLib::IbanDeCuenta(Cuenta("0019", "0123456789"));
    BdPrueba::Ejecutar(bd.Mod(), "UPDATE T03_731DECLA SET T03_CC = '" + iban + "' WHERE T03_CSDE = 1");
    EXPECT_THROW(BdPrueba::Ejecutar(bd.Mod(), "UPDATE T03_731DECLA SET T03_CC = '" + iban + "X' WHERE T03_CSDE = 1"),
                 vb::Error);
    EXPECT_FALSE(Ejecutar());
    EXPECT_EQ(Cuentas()[1], vb::Variant(iban));
}

TEST_F(Traspaso, Con20CaracteresAmpliaYConvierteSoloCuentasAntiguas) {
    Desde("mod_cc20.sql");
    const std::string buena = Cuenta("0019", "0123456789");
    const std::string malDc = buena.substr(0, 8) + (buena.substr(8, 2) == "00" ? "11" : "00") + buena.substr(10);
    const std::string sinBanco = Cuenta("9999", "0000000001");
    Declaracion(1, buena);
    Declaracion(2, "NULL");
    Declaracion(3, "");
    Declaracion(4, "    ");
    Declaracion(5, "ES12            ");       // a half-typed IBAN
    Declaracion(6, "0019-0020-12-345678");  // not 20 digits
    Declaracion(7, " " + buena.substr(0, 19));
    Declaracion(8, malDc);
    Declaracion(9, sinBanco);
    Volcado antes = Volcar(bd.Mod());
    auto tablasAntes = Tablas();

    EXPECT_FALSE(Ejecutar());
    EsperarColumnaActual();
    EXPECT_EQ(Tablas(), tablasAntes);
    EXPECT_EQ(Volcar(bd.Mod()), antes);

    auto c = Cuentas();
    EXPECT_EQ(c[1], vb::Variant(GarobelLib::IbanDeCuenta(buena)));
    EXPECT_TRUE(c[2].IsNull());
    EXPECT_EQ(c[3], vb::Variant(""));
    EXPECT_EQ(c[4], vb::Variant("    "));
    EXPECT_EQ(c[5], vb::Variant("ES12            "));
    EXPECT_EQ(c[6], vb::Variant("0019-0020-12-345678"));
    EXPECT_EQ(c[7], vb::Variant(" " + buena.substr(0, 19)));
    // Old 20-digit accounts become the IBAN of that same account.
    EXPECT_EQ(c[8], vb::Variant(GarobelLib::IbanDeCuenta(malDc)));
    EXPECT_EQ(c[9], vb::Variant(GarobelLib::IbanDeCuenta(sinBanco)));

    // A second run finds nothing left to do.
    auto despues = LeerTexto(bd.Mod());
    EXPECT_FALSE(Ejecutar());
    EXPECT_EQ(LeerTexto(bd.Mod()), despues);
}

TEST_F(Traspaso, UnaBaseActualNoCambia) {
    const std::string iban = GarobelLib::IbanDeCuenta(Cuenta("0019", "0123456789"));
    Declaracion(1, iban);
    Declaracion(2, "ES12                    ");
    Declaracion(3, "");
    auto antes = LeerTexto(bd.Mod());
    EXPECT_FALSE(Ejecutar());
    EXPECT_EQ(LeerTexto(bd.Mod()), antes);
}

TEST_F(Traspaso, UnIbanDudosoDelComponenteNoSeGuarda) {
    // A component that answers an IBAN with wrong check digits, or of another account.
    struct IbanErroneo : GarobelLib::cMiscelaneos {
        std::string calcularIban(std::string cuenta) override {
            std::string t = vb::Trim(cuenta);
            return t.back() == '1' ? "ES00" + t : GarobelLib::IbanDeCuenta(Cuenta("0019", "0000000000"));
        }
    };
    com::RegistroTemporal falso("GarobelLib.cMiscelaneos", [] { return std::make_shared<IbanErroneo>(); });
    Desde("mod_cc20.sql");
    const std::string a = Cuenta("0019", "0000000001"), b = Cuenta("0019", "0000000002");
    Declaracion(1, a);
    Declaracion(2, b);
    EXPECT_FALSE(Ejecutar());
    auto c = Cuentas();
    EXPECT_EQ(c[1], vb::Variant(a));
    EXPECT_EQ(c[2], vb::Variant(b));
}

TEST_F(Traspaso, UnFalloAlAmpliarNoPierdeNada) {
    Desde("mod_cc20.sql");
    const std::string buena = Cuenta("0019", "0123456789");
    Declaracion(1, buena);
    // An older file may hold a value its column's check no longer accepts: copying it fails.
    BdPrueba::Ejecutar(bd.Mod(),
                       "PRAGMA ignore_check_constraints = ON;"
                       "UPDATE T03_731DECLA SET T03_ADQNIF = 'MUCHO MAS DE DOCE' WHERE T03_CSDE = 1");
    auto antes = LeerTexto(bd.Mod());
    auto tablasAntes = Tablas();

    EXPECT_THROW(Ejecutar(), vb::Error);
    EXPECT_EQ(LeerTexto(bd.Mod()), antes);
    EXPECT_EQ(Tablas(), tablasAntes);
    EXPECT_EQ(Campos().back().Size, 20);
    EXPECT_EQ(Cuentas()[1], vb::Variant(buena));
}

TEST_F(Traspaso, SinTablaDeDetalleEsUnError) {
    BdPrueba::Ejecutar(bd.Mod(), "DROP TABLE T03_731DECLA");
    try {
        Ejecutar();
        FAIL();
    } catch (const vb::Error& e) {
        EXPECT_EQ(e.Number(), vb::errElementoNoEncontrado);
    }
}

}  // namespace
