#include <map>
#include <vector>

#include "GarobelLib/algoritmos.h"
#include "dao/esquema.h"
#include "servicios/cTraspaso.h"
#include "servidor/utiles_prueba.h"

namespace {

// A domestic account with right control digits.
std::string Cuenta(const std::string& entidad, const std::string& numero) {
    return entidad + "0020" + GarobelLib::DigitosControlCuenta(entidad + "002000" + numero) + numero;
}

class Traspaso : public prueba::ConBase {
protected:
    void Desde(const std::string& fixtura) {
        dao::CrearBaseDesdeSql(bd.Mod(), LeerTexto(std::string(OXALDE_DIR_FIXTURAS) + "/" + fixtura));
    }
    bool Ejecutar() {
        auto t = com::CreateObject<brunsel::cTraspaso>("Brunsel.cTraspaso");
        t->mdbmod(bd.Mod()), t->mdblec(bd.Lec()), t->mdbPath(bd.Dir());
        return t->Traspaso();
    }
    // A declaration with a few boxes that must survive the upgrade; cuenta "NULL" stores Null.
    void Declaracion(int clave, const std::string& cuenta) {
        const std::string k = std::to_string(clave);
        Sql("INSERT INTO T02_COMUNDECLA (T02_CSDE, T02_MODELO) VALUES (" + k + ", '731');"
            "INSERT INTO T03_731DECLA (T03_CSDE, T03_ADQNOM, T03_ESLORAMAX, T03_RESUL, T03_CC) VALUES (" + k +
            ", 'O''Neill Ñ', 7.5, " + k + "000.0, " + (cuenta == "NULL" ? cuenta : "'" + cuenta + "'") + ")");
    }
    // The names of every schema object and every stored value of every table but T03_CC.
    std::string Volcado() {
        prueba::Lectura l(bd.Mod());
        std::string r;
        auto t = l.BD().OpenRecordset("SELECT name, type FROM sqlite_master ORDER BY name");
        for (; !t->Eof(); t->MoveNext()) {
            const std::string nombre = t->Fields(0).CStr();
            r += nombre + "\n";
            if (t->Fields(1).CStr() != "table") continue;
            auto rs = l.BD().OpenRecordset("SELECT * FROM " + nombre + " ORDER BY rowid");
            for (; !rs->Eof(); rs->MoveNext()) {
                for (int i = 0; i < rs->FieldCount(); ++i)
                    if (rs->FieldName(i) != "T03_CC") r += prueba::Describir(rs->Fields(i)) + "|";
                r += "\n";
            }
        }
        return r;
    }
    std::map<int, vb::Variant> Cuentas() {
        prueba::Lectura l(bd.Mod());
        std::map<int, vb::Variant> r;
        for (auto rs = l.BD().OpenRecordset("SELECT T03_CSDE, T03_CC FROM T03_731DECLA"); !rs->Eof(); rs->MoveNext())
            r[rs->Fields(0).CLng()] = rs->Fields(1);
        return r;
    }
    dao::Field CampoCuenta() {
        prueba::Lectura l(bd.Mod());
        auto campos = dao::Fields(l.BD(), "T03_731DECLA");
        EXPECT_EQ(campos.size(), 39u) << "no working column left behind";
        return campos.back();
    }
};

TEST_F(Traspaso, SinColumnaLaCreaYLaAmplia) {
    Desde("mod_sin_cc.sql");
    Sql("INSERT INTO T03_731DECLA (T03_CSDE, T03_ADQNOM, T03_RESUL) VALUES (1, 'A', 98765), (2, 'B', 12)");
    const auto antes = Volcado();

    EXPECT_FALSE(Ejecutar());
    EXPECT_EQ(CampoCuenta().Name + std::to_string(CampoCuenta().Size), "T03_CC24");
    EXPECT_EQ(Volcado(), antes) << "result amounts, every other value and the schema objects kept";
    EXPECT_EQ(Cuentas(), (std::map<int, vb::Variant>{{1, ""}, {2, ""}}));

    // The widened column takes an IBAN and refuses a longer text.
    const std::string iban = GarobelLib::IbanDeCuenta(Cuenta("0019", "0123456789"));
    Sql("UPDATE T03_731DECLA SET T03_CC = '" + iban + "' WHERE T03_CSDE = 1");
    EXPECT_THROW(Sql("UPDATE T03_731DECLA SET T03_CC = '" + iban + "X' WHERE T03_CSDE = 1"), vb::Error);
}

TEST_F(Traspaso, Con20CaracteresAmpliaYConvierteSoloCuentasAntiguasValidas) {
    Desde("mod_cc20.sql");
    const std::string buena = Cuenta("0019", "0123456789"), sinBanco = Cuenta("9999", "0000000001");
    const std::string malDc = buena.substr(0, 8) + (buena.substr(8, 2) == "00" ? "11" : "00") + buena.substr(10);
    using Iban = std::string (*)(const std::string&);
    const Iban igual = [](const std::string& c) { return c; };
    // Old 20-digit accounts become the IBAN of that same account; anything else is left as it is.
    const std::pair<std::string, Iban> casos[] = {
        {buena, GarobelLib::IbanDeCuenta}, {malDc, GarobelLib::IbanDeCuenta}, {sinBanco, GarobelLib::IbanDeCuenta},
        {"", igual}, {"    ", igual}, {"ES12            ", igual}, {"0019-0020-12-345678", igual},
        {" " + buena.substr(0, 19), igual}};
    for (int i = 0; i < static_cast<int>(std::size(casos)); ++i) Declaracion(i + 1, casos[i].first);
    Declaracion(99, "NULL");
    const auto antes = Volcado();

    EXPECT_FALSE(Ejecutar());
    EXPECT_EQ(CampoCuenta().Size, 24);
    EXPECT_EQ(Volcado(), antes);
    auto c = Cuentas();
    for (int i = 0; i < static_cast<int>(std::size(casos)); ++i)
        EXPECT_EQ(c[i + 1], vb::Variant(casos[i].second(casos[i].first))) << "'" << casos[i].first << "'";
    EXPECT_TRUE(c[99].IsNull());

    // A second run, like a run on a current database, changes nothing.
    const auto despues = LeerTexto(bd.Mod());
    EXPECT_FALSE(Ejecutar());
    EXPECT_EQ(LeerTexto(bd.Mod()), despues);
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
    Declaracion(1, a), Declaracion(2, b);
    EXPECT_FALSE(Ejecutar());
    EXPECT_EQ(Cuentas(), (std::map<int, vb::Variant>{{1, a}, {2, b}}));
}

TEST_F(Traspaso, UnFalloAlAmpliarNoPierdeNada) {
    Desde("mod_cc20.sql");
    const std::string buena = Cuenta("0019", "0123456789");
    Declaracion(1, buena);
    // An older file may hold a value its column's check no longer accepts: copying it fails.
    Sql("PRAGMA ignore_check_constraints = ON;"
        "UPDATE T03_731DECLA SET T03_ADQNIF = 'MUCHO MAS DE DOCE' WHERE T03_CSDE = 1");
    const auto antes = LeerTexto(bd.Mod());
    EXPECT_THROW(Ejecutar(), vb::Error);
    EXPECT_EQ(LeerTexto(bd.Mod()), antes);
    EXPECT_EQ(CampoCuenta().Size, 20);
}

TEST_F(Traspaso, SinTablaDeDetalleEsUnError) {
    Sql("DROP TABLE T03_731DECLA");
    EXPECT_EQ(NumeroDeError([&] { Ejecutar(); }), vb::errElementoNoEncontrado);
}

}  // namespace
