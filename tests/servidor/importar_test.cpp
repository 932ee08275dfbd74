#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "GarobelLib/cMiscelaneos.h"
#include "com/com.h"
#include "comun/bd_prueba.h"
#include "general.h"
#include "servicios/cDeclarante.h"

using brunsel::cDeclarante;

namespace {

// Answers the NIF check as told and counts the calls.
struct NifFalso : GarobelLib::cMiscelaneos {
    bool respuesta;
    int* llamadas;
    NifFalso(bool r, int* n) : respuesta(r), llamadas(n) {}
    bool ValidaNifCif(std::string&) override {
        ++*llamadas;
        return respuesta;
    }
};

enum Campo { NIF, NOMBRE, DOMICILIO, PROVINCIA, POSTAL, NOMMUN, CODMUN, NUMERO, NUM731, NUM732, VIA, TELEFONO };

class Importar : public ::testing::Test {
protected:
    BdPrueba bd;
    bool nifValido = true;
    int llamadas = 0;
    com::RegistroTemporal componente{"GarobelLib.cMiscelaneos",
                                     [this] { return std::make_shared<NifFalso>(nifValido, &llamadas); }};

    // A line every rule accepts: a taxpayer of the home province.
    std::map<Campo, std::string> linea = {
        {NIF, "11111111H"}, {NOMBRE, "ZUBIRI ETXEA    "}, {DOMICILIO, "NAGUSIA"}, {PROVINCIA, "20"},
        {POSTAL, "20001"},  {NOMMUN, "          "},       {CODMUN, "079"},       {NUMERO, "12"},
        {NUM731, "3"},      {NUM732, "0"},                {VIA, "CL"},           {TELEFONO, "943000000"},
    };

    // The codes returned, checking the shape: (0, 0..n) with the last cell Empty.
    std::vector<int> Validar(vb::Integer idioma = 0) {
        auto b = vb::Variant::Array1(0, 11);
        for (auto& [campo, texto] : linea) b(campo) = texto;
        auto s = com::CreateObject<cDeclarante>("Brunsel.cDeclarante");
        s->mdbnameL(bd.Lec());
        vb::Variant r = s->ValidarDatosImportar(b, idioma);
        std::vector<int> codigos;
        EXPECT_EQ(r.Dimensiones(), 2);
        EXPECT_EQ(r.UBound(1), 0);
        for (vb::Long i = 0; i < r.UBound(2); ++i) {
            EXPECT_EQ(r(0, i).tipo(), vb::Tipo::Integer);
            codigos.push_back(r(0, i).CInt());
        }
        EXPECT_TRUE(r(0, r.UBound(2)).IsEmpty());
        return codigos;
    }
    using Codigos = std::vector<int>;
};

TEST_F(Importar, UnaLineaValidaNoDaNingunCodigo) {
    EXPECT_EQ(Validar(), Codigos{});
    EXPECT_EQ(Validar(10000), Codigos{});
    EXPECT_EQ(llamadas, 2);
}

TEST_F(Importar, TodasLasReglasFallidasEnSuOrden) {
    linea = {{NIF, "X"},     {NOMBRE, "   "}, {DOMICILIO, ""},  {PROVINCIA, "AB"}, {POSTAL, ""},  {NOMMUN, ""},
             {CODMUN, ""},   {NUMERO, "1A"},  {NUM731, " "},    {NUM732, "-"},     {VIA, "ZZ"},  {TELEFONO, "ABC"}};
    nifValido = false;
    // Letters in the province skip every municipality rule (8, 10, 17, 20).
    EXPECT_EQ(Validar(), (Codigos{11, 12, 13, 14, 15, 16, 18, 1, 2, 3, 19, 7, 21, 22}));
}

TEST_F(Importar, ReglasDeNombreDomicilioYNif) {
    linea[NOMBRE] = "    ";
    linea[DOMICILIO] = " ";
    EXPECT_EQ(Validar(), (Codigos{2, 3}));

    linea[NOMBRE] = linea[DOMICILIO] = "X";
    for (const char* ceros : {"000000", "0000000"}) {
        linea[NIF] = ceros;
        llamadas = 0;
        EXPECT_EQ(Validar(), Codigos{1}) << ceros;  // whatever the component answers
        EXPECT_EQ(llamadas, 1);                     // it is asked all the same
    }
    linea[NIF] = "11111111H";
    linea[VIA] = "Q";
    EXPECT_EQ(Validar(), Codigos{18});
}

TEST_F(Importar, ReglasDelCodigoPostal) {
    const std::vector<std::pair<std::string, Codigos>> casos = {
        {"00000", {7}}, {"", {13, 7}}, {"20000", {6}}, {"2001", {5}}, {"48001", {4}}, {"48000", {4, 6}},
    };
    for (auto& [postal, esperado] : casos) {
        linea[POSTAL] = postal;
        EXPECT_EQ(Validar(), esperado) << "'" << postal << "'";
    }
}

TEST_F(Importar, ReglasDeProvinciaYMunicipio) {
    struct Caso {
        std::string provincia, postal, codmun, nommun;
        Codigos esperado;
    };
    const std::vector<Caso> casos = {
        {"00", "00001", "000", "X", {19, 9}},           // no province 0 in the reference data
        {"20", "20001", "000", "", {10, 20}},           // no municipality 0 either
        {"20", "20001", "998", "", {20}},               // a code the reference data lacks
        {"20", "20001", "007", "", {}},
        {"48", "48001", "079", "   ", {8, 17}},         // another province: a name, code 000
        {"48", "48001", "000", "BILBO", {}},
        {"99", "99001", "000", "X", {19}},
    };
    for (const auto& c : casos) {
        linea[PROVINCIA] = c.provincia;
        linea[POSTAL] = c.postal;
        linea[CODMUN] = c.codmun;
        linea[NOMMUN] = c.nommun;
        EXPECT_EQ(Validar(), c.esperado) << c.provincia << " " << c.codmun << " '" << c.nommun << "'";
        EXPECT_EQ(Validar(10000), c.esperado) << "in Basque";
    }
}

TEST_F(Importar, ReglasDelTelefono) {
    const std::vector<std::pair<std::string, Codigos>> casos = {
        {"         ", {}}, {"", {}},         {"943000000", {}},     {"012345678", {21}},
        {"000000000", {21, 22}}, {"94300000", {21}}, {"A94300000", {22}},
    };
    for (auto& [telefono, esperado] : casos) {
        linea[TELEFONO] = telefono;
        EXPECT_EQ(Validar(), esperado) << "'" << telefono << "'";
    }
}

TEST_F(Importar, SinComponenteNoHayListaDeCodigos) {
    com::RegistroTemporal sinComponente("GarobelLib.cMiscelaneos", [] { return nullptr; });
    auto b = vb::Variant::Array1(0, 11);
    for (auto& [campo, texto] : linea) b(campo) = texto;
    auto s = com::CreateObject<cDeclarante>("Brunsel.cDeclarante");
    s->mdbnameL(bd.Lec());
    vb::Integer idioma = 0;
    try {
        s->ValidarDatosImportar(b, idioma);
        ADD_FAILURE() << "no error";
    } catch (const vb::Error& e) {
        EXPECT_EQ(e.Number(), vb::errCrearObjeto);
    }
    EXPECT_THROW(brunsel::ConexionDAO().BD(), vb::Error);  // the reference database is closed
}

}  // namespace
