#include <string>
#include <vector>

#include "prueba.h"
#include "registro/cDecResumen.h"

using namespace oxalde;

namespace {

class DecResumen : public prueba::Principal {
protected:
    cDecResumen& r = cDecResumen::Instancia();

    void SetUp() override {
        Principal::SetUp();
        Declarantes(2);
        r.CSCO(1);
        r.DNI("12345678Z");
    }

    // A stored header of taxpayer 1.
    void Cabecera(const std::string& modo, long fecha, int ejercicio, const std::string& periodo,
                  const std::string& modelo, int tipologia, long csco = 1) {
        Sql("INSERT INTO T02_COMUNDECLA (T02_CSCO, T02_MODELO, T02_LETRADNI, T02_MODO, T02_FECHA, "
            "T02_EJERCICIO, T02_PERIODO, T02_TIPOLOGIA) VALUES (" + std::to_string(csco) + ", '" + modelo +
            "', '1', '" + modo + "', " + std::to_string(fecha) + ", " + std::to_string(ejercicio) + ", '" +
            periodo + "', " + std::to_string(tipologia) + ")");
    }

    // The proposed header in one line, after filling it with leftovers of an earlier one.
    std::string Propuesta(const QString& modo) {
        r.FECHA(20990101);
        r.Ejercicio(2099);
        r.PERIODO("3T");
        r.Modelo("999");
        r.TIPOLOGIA(9);
        r.MODO(modo);
        return std::to_string(r.FECHA()) + " " + std::to_string(r.Ejercicio()) + " " +
               r.PERIODO().toStdString() + " " + r.Modelo().toStdString() + " " + std::to_string(r.TIPOLOGIA());
    }
};

TEST_F(DecResumen, SinDeclaracionesNoSeProponeNada) {
    EXPECT_EQ(Propuesta("P"), "0 0   0");
    EXPECT_EQ(Propuesta("T"), "0 0   0");
    EXPECT_EQ(Propuesta("L"), "0 0   0");
    Cabecera("T", 20120505, 2012, "OA", "732", 2);
    EXPECT_EQ(Propuesta("P"), "0 0   0");  // only quarterly declarations count for "P"
    vb::Variant ultima;
    EXPECT_FALSE(r.ObtenerUltimaDeclaracion(ultima));
}

TEST_F(DecResumen, ElTrimestreSiguienteDentroDelIntervaloAceptado) {
    struct Caso {
        long fechaMax;
        std::vector<std::tuple<long, int, const char*, const char*, int>> guardadas;
        const char* esperada;
    };
    const std::vector<Caso> casos = {
        {20261231, {{20121231, 2012, "4T", "731", 1}}, "20130331 2013 1T 731 1"},
        {20261231, {{20120630, 2012, "2T", "731", 1}}, "20120930 2012 3T 731 1"},
        // The latest by date, then by key; both forms count.
        {20261231, {{20120930, 2012, "3T", "731", 1}, {20120331, 2012, "1T", "731", 1}}, "20121231 2012 4T 731 1"},
        {20261231, {{20120630, 2012, "2T", "731", 1}, {20120630, 2012, "2T", "732", 2}}, "20120930 2012 3T 732 2"},
        // The last accepted day is accepted; the quarter after it is no proposal, the form stays.
        {20121231, {{20120930, 2012, "3T", "731", 1}}, "20121231 2012 4T 731 1"},
        {20121231, {{20121231, 2012, "4T", "731", 1}}, "0 0  731 1"},
        // Past the last year a header holds: no proposal, and nothing overflows.
        {20261231, {{327671231, 32767, "4T", "732", 2}}, "0 0  732 2"},
    };
    for (const auto& c : casos) {
        Sql("DELETE FROM T02_COMUNDECLA");
        for (const auto& [fecha, ejercicio, periodo, modelo, tipologia] : c.guardadas)
            Cabecera("P", fecha, ejercicio, periodo, modelo, tipologia);
        Cabecera("P", 20251231, 2025, "4T", "731", 1, 2);  // another taxpayer's
        CEntrada::Instancia().FECHAMAX(c.fechaMax);
        EXPECT_EQ(Propuesta("P"), c.esperada) << c.esperada;
        EXPECT_EQ(r.MODO(), "P");
    }
}

TEST_F(DecResumen, TransporteProponeSoloElModeloYListaLoVacia) {
    Cabecera("T", 20120505, 2012, "OA", "731", 1);
    Cabecera("T", 20110101, 2011, "OA", "732", 2);
    Cabecera("P", 20121231, 2012, "4T", "732", 2);
    EXPECT_EQ(Propuesta("T"), "0 0  731 1");
    vb::Variant ultima;
    ASSERT_TRUE(r.ObtenerUltimaDeclaracion(ultima));
    EXPECT_EQ(ultima.UBound(), 8);
    EXPECT_EQ(ultima(4).CLng(), 20120505);
    EXPECT_EQ(Propuesta("L"), "0 0   0");
}

TEST_F(DecResumen, ValidarDatosComunesEnSuOrden) {
    Cabecera("P", 20120331, 2012, "1T", "731", 1);
    struct Caso {
        int ejercicio;
        const char* periodo;
        long fecha;
        const char* modelo;
        const char* modo;
        const char* letra;
        int codigo;
    };
    const Caso casos[] = {
        {0, "", 0, "", "T", "B", 1},               // transport without a date comes first
        {0, "", 0, "", "P", "B", 2},
        {2012, "", 0, "", "P", "B", 3},
        {2012, "2T", 0, "", "P", "B", 4},
        {0, "OA", 20300101, "731", "T", "B", 8},   // a company cannot declare transport, in range or not
        {0, "OA", 20300101, "731", "T", "Y", 6},   // a NIE holder can
        {2030, "1T", 0, "731", "P", "B", 5},
        {2012, "1T", 20120331, "731", "P", "B", 7},
        {2012, "1T", 20120331, "732", "P", "B", 0},
        {0, "OA", 20120331, "731", "T", "Z", 0},   // a transport date may repeat
        {2008, "1T", 20080331, "731", "P", "1", 0},
    };
    for (const auto& c : casos) {
        vb::Variant b = vb::Variant::Array1(0, 8);
        b(0) = vb::Integer(c.ejercicio);
        b(1) = c.periodo;
        b(2) = vb::Long(c.fecha);
        b(3) = vb::Long(20080101);
        b(4) = vb::Long(20261231);
        b(5) = c.modelo;
        b(6) = vb::Long(1);
        b(7) = c.modo;
        b(8) = c.letra;
        EXPECT_EQ(r.ValidarDatosComunes(b), c.codigo) << c.modo << c.ejercicio << c.periodo << c.letra;
    }
}

TEST_F(DecResumen, TipoDecComoLaComprobacionDePersonaFisica) {
    const std::vector<std::pair<QString, QString>> casos = {
        {"", "F"},          {"12345678Z", "F"}, {"K1234567", "F"}, {"L", "F"}, {"M", "F"},
        {"X1234567L", "F"}, {"Y1234567X", "F"}, {"Z1234567R", "F"}, {"A", "S"}, {"B", "S"},
        {"C", "S"},         {"D", "S"},         {"F", "S"},         {"G", "S"}, {"N", "S"},
        {"P", "S"},         {"Q", "S"},         {"S", "S"},         {"E", "C"}, {"H", "C"},
        {"y1234567X", "C"}, {"Ñ", "C"},         {" 1", "C"},
    };
    for (const auto& [dni, tipo] : casos) {
        r.DNI(dni);
        EXPECT_EQ(r.TipoDec(), tipo) << dni.toStdString();
    }
}

}  // namespace
