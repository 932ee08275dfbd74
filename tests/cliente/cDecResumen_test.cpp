#include <sstream>
#include <string>
#include <vector>

#include "prueba.h"
#include "compartido/cDecResumen.h"
#include "compartido/claves_declaracion.h"

using namespace oxalde;

namespace {

class DecResumen : public prueba::Principal {
protected:
    cDecResumen& r = cDecResumen::Instancia();

    void SetUp() override {
        Principal::SetUp();
        Declarantes(2);
        r.CSCO(1);
    }

    // A stored header: "modo fecha ejercicio periodo modelo tipologia csco".
    void Cabecera(const std::string& c) {
        std::istringstream e(c);
        std::string modo, fecha, ejercicio, periodo, modelo, tipologia, csco;
        e >> modo >> fecha >> ejercicio >> periodo >> modelo >> tipologia >> csco;
        Sql("INSERT INTO T02_COMUNDECLA (T02_MODO, T02_FECHA, T02_EJERCICIO, T02_PERIODO, T02_MODELO, T02_TIPOLOGIA, "
            "T02_CSCO) VALUES ('" + modo + "', " + fecha + ", " + ejercicio + ", '" + periodo + "', '" + modelo +
            "', " + tipologia + ", " + csco + ")");
    }

    // The header MODO leaves, after an earlier one left everything filled.
    std::string Propuesta(const QString& modo) {
        r.FECHA(20990101), r.Ejercicio(2099), r.PERIODO("3T"), r.Modelo("999"), r.TIPOLOGIA(9);
        r.MODO(modo);
        return std::to_string(r.FECHA()) + " " + std::to_string(r.Ejercicio()) + " " + r.PERIODO().toStdString() +
               " " + r.Modelo().toStdString() + " " + std::to_string(r.TIPOLOGIA());
    }
};

TEST_F(DecResumen, ProponeElTrimestreSiguienteOElModeloDelUltimoTransporte) {
    struct Caso {
        std::vector<std::string> guardadas;
        long fechaMax;
        const char* modo;
        const char* esperada;
    };
    const Caso casos[] = {
        {{}, 20261231, "P", "0 0   0"},
        {{"T 20120505 2012 OA 732 2 1"}, 20261231, "P", "0 0   0"},  // only quarterly ones count
        {{"P 20121231 2012 4T 731 1 1"}, 20261231, "P", "20130331 2013 1T 731 1"},
        {{"P 20120630 2012 2T 731 1 1", "P 20251231 2025 4T 731 1 2"}, 20261231, "P", "20120930 2012 3T 731 1"},
        // Both forms count: the latest, of either, gives the form.
        {{"P 20120630 2012 2T 731 1 1", "P 20120630 2012 2T 732 2 1"}, 20261231, "P", "20120930 2012 3T 732 2"},
        // The last accepted day is accepted; past it the form stays and the quarter goes.
        {{"P 20120930 2012 3T 731 1 1"}, 20121231, "P", "20121231 2012 4T 731 1"},
        {{"P 20121231 2012 4T 731 1 1"}, 20121231, "P", "0 0  731 1"},
        // Past the last year a header holds: no proposal, and nothing overflows.
        {{"P 327671231 32767 4T 732 2 1"}, 20261231, "P", "0 0  732 2"},
        {{"T 20120505 2012 OA 731 1 1", "T 20110101 2011 OA 732 2 1"}, 20261231, "T", "0 0  731 1"},
        {{}, 20261231, "T", "0 0   0"},
        {{"P 20121231 2012 4T 731 1 1"}, 20261231, "L", "0 0   0"},
    };
    for (const auto& c : casos) {
        Sql("DELETE FROM T02_COMUNDECLA");
        for (const auto& g : c.guardadas) Cabecera(g);
        CEntrada::Instancia().FECHAMAX(c.fechaMax);
        EXPECT_EQ(Propuesta(c.modo), c.esperada) << c.modo << " " << c.esperada;
        EXPECT_EQ(r.MODO(), c.modo);
    }
}

TEST_F(DecResumen, ValidarDatosComunesEnSuOrden) {
    Cabecera("P 20120331 2012 1T 731 1 1");
    // "ejercicio periodo fecha modelo modo letra" and the code.
    const std::pair<std::string, int> casos[] = {
        {"0 - 0 - T B", 1},          {"0 - 0 - P B", 2},          {"2012 - 0 - P B", 3},
        {"2012 2T 0 - P B", 4},      {"0 OA 20300101 731 T B", 8},  // a company declares no transport
        {"0 OA 20300101 731 T Y", 6}, {"2030 1T 0 731 P B", 5},     {"2012 1T 20120331 731 P B", 7},
        {"2012 1T 20120331 732 P B", 0}, {"0 OA 20120331 731 T Z", 0},  // a transport date may repeat
    };
    for (const auto& [texto, codigo] : casos) {
        std::istringstream e(texto);
        int ejercicio;
        long fecha;
        std::string periodo, modelo, modo, letra;
        e >> ejercicio >> periodo >> fecha >> modelo >> modo >> letra;
        const std::vector<vb::Variant> v = {vb::Integer(ejercicio), periodo == "-" ? "" : periodo, vb::Long(fecha),
                                            vb::Long(20080101), vb::Long(20261231), modelo == "-" ? "" : modelo,
                                            vb::Long(1), modo, letra};
        vb::Variant b = vb::Variant::Array1(0, 8);
        for (int i = 0; i < 9; ++i) b(i) = v[i];
        EXPECT_EQ(r.ValidarDatosComunes(b), codigo) << texto;
    }
}

TEST_F(DecResumen, TipoDecComoLaComprobacionDePersonaFisica) {
    // A NIE holder (X, Y, Z) is a natural person, as the transport check has it.
    for (const auto& [letras, tipo] : {std::pair{"0 9 K L M X Y Z", "F"}, {"A B C D F G N P Q S", "S"},
                                       {"E H y x Ñ _", "C"}}) {
        for (const QString& dni : QString(letras).split(u' ')) {
            r.DNI(dni + "1234567");
            EXPECT_EQ(r.TipoDec(), tipo) << dni.toStdString();
        }
    }
    r.DNI("");
    EXPECT_EQ(r.TipoDec(), "F");
}

// Only the two forms' names have a form: any other is none, never form 732.
TEST(ClavesDeclaracion, TipologiaSoloDeLosDosModelos) {
    for (auto [modelo, tipologia] : {std::pair{"731", kTipologia731}, {"732", kTipologia732}, {"", kSinTipologia},
                                     {"733", kSinTipologia}, {"732 ", kSinTipologia}})
        EXPECT_EQ(TipologiaDe(modelo), tipologia) << modelo;
}

}  // namespace
