#include <map>
#include <vector>

#include "servicios/cDeclarante.h"
#include "servidor/utiles_prueba.h"

namespace {

enum Campo { NIF, NOMBRE, DOMICILIO, PROVINCIA, POSTAL, NOMMUN, CODMUN, NUMERO, NUM731, NUM732, VIA, TELEFONO };
using Linea = std::map<Campo, std::string>;
using Codigos = std::vector<int>;

class Importar : public prueba::ConBase {
protected:
    bool nifValido = true;
    int llamadas = 0;
    com::RegistroTemporal componente = prueba::ComponenteNif([this] { return nifValido; }, &llamadas);

    // A line every rule accepts: a taxpayer of the home province.
    const Linea valida = {
        {NIF, "11111111H"}, {NOMBRE, "ZUBIRI ETXEA    "}, {DOMICILIO, "NAGUSIA"}, {PROVINCIA, "20"},
        {POSTAL, "20001"},  {NOMMUN, "          "},       {CODMUN, "079"},       {NUMERO, "12"},
        {NUM731, "3"},      {NUM732, "0"},                {VIA, "CL"},           {TELEFONO, "943000000"},
    };

    // The codes returned for the valid line with `cambios`, checking the shape: (0, 0..n), last cell Empty.
    Codigos Validar(const Linea& cambios, vb::Integer idioma = 0) {
        auto b = vb::Variant::Array1(0, 11);
        for (auto& [campo, texto] : valida) b(campo) = cambios.contains(campo) ? cambios.at(campo) : texto;
        auto s = com::CreateObject<brunsel::cDeclarante>("Brunsel.cDeclarante");
        s->mdbnameL(bd.Lec());
        vb::Variant r = s->ValidarDatosImportar(b, idioma);
        EXPECT_EQ(r.Dimensiones(), 2);
        EXPECT_EQ(r.UBound(1), 0);
        EXPECT_TRUE(r(0, r.UBound(2)).IsEmpty());
        Codigos codigos;
        for (vb::Long i = 0; i < r.UBound(2); ++i) {
            EXPECT_EQ(r(0, i).tipo(), vb::Tipo::Integer);
            codigos.push_back(r(0, i).CInt());
        }
        return codigos;
    }
};

TEST_F(Importar, TodasLasReglasFallidasEnSuOrden) {
    EXPECT_EQ(Validar({}), Codigos{});
    nifValido = false;
    const Linea mala = {{NIF, "X"},    {NOMBRE, "   "}, {DOMICILIO, ""}, {PROVINCIA, "AB"},
                        {POSTAL, ""},  {NOMMUN, ""},    {CODMUN, ""},    {NUMERO, "1A"},
                        {NUM731, " "}, {NUM732, "-"},   {VIA, "ZZ"},     {TELEFONO, "ABC"}};
    // Letters in the province skip every municipality rule (8, 10, 17, 20).
    EXPECT_EQ(Validar(mala), (Codigos{11, 12, 13, 14, 15, 16, 18, 1, 2, 3, 19, 7, 21, 22}));
}

TEST_F(Importar, CadaReglaConSusCasos) {
    const std::pair<Linea, Codigos> casos[] = {
        {{{NOMBRE, "    "}, {DOMICILIO, " "}}, {2, 3}},
        {{{NIF, "000000"}}, {1}}, {{{NIF, "0000000"}}, {1}},  // whatever the component answers
        {{{VIA, "Q"}}, {18}}, {{{POSTAL, "00000"}}, {7}}, {{{POSTAL, ""}}, {13, 7}}, {{{POSTAL, "20000"}}, {6}},
        {{{POSTAL, "2001"}}, {5}}, {{{POSTAL, "48001"}}, {4}}, {{{POSTAL, "48000"}}, {4, 6}},
        {{{PROVINCIA, "00"}, {POSTAL, "00001"}, {CODMUN, "000"}, {NOMMUN, "X"}}, {19, 9}},  // no province 0
        {{{CODMUN, "000"}, {NOMMUN, ""}}, {10, 20}},                                       // no municipality 0
        {{{CODMUN, "998"}}, {20}}, {{{CODMUN, "007"}}, {}},  // a code the reference data lacks, one it has
        {{{PROVINCIA, "48"}, {POSTAL, "48001"}, {NOMMUN, "   "}}, {8, 17}},  // another province: a name, code 000
        {{{PROVINCIA, "48"}, {POSTAL, "48001"}, {CODMUN, "000"}, {NOMMUN, "BELDRO"}}, {}},
        {{{PROVINCIA, "99"}, {POSTAL, "99001"}, {CODMUN, "000"}, {NOMMUN, "X"}}, {19}},
        {{{TELEFONO, "         "}}, {}}, {{{TELEFONO, ""}}, {}}, {{{TELEFONO, "012345678"}}, {21}},
        {{{TELEFONO, "000000000"}}, {21, 22}}, {{{TELEFONO, "94300000"}}, {21}}, {{{TELEFONO, "A94300000"}}, {22}},
    };
    for (const auto& [cambios, esperado] : casos) {
        std::string caso;
        for (auto& [campo, texto] : cambios) caso += std::to_string(campo) + "='" + texto + "' ";
        llamadas = 0;
        EXPECT_EQ(Validar(cambios), esperado) << caso;
        EXPECT_EQ(Validar(cambios, 10000), esperado) << caso << "in Basque";
        EXPECT_EQ(llamadas, 2) << caso << ": the component is always asked";
    }
}

TEST_F(Importar, SinComponenteNoHayListaDeCodigos) {
    auto sinComponente = prueba::SinComponente();
    EXPECT_EQ(NumeroDeError([&] { Validar({}); }), vb::errCrearObjeto);
    EXPECT_THROW(brunsel::ConexionDAO().BD(), vb::Error);  // the reference database is closed
}

}  // namespace
