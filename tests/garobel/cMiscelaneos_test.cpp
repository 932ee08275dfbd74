#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "GarobelLib/cMiscelaneos.h"
#include "GarobelLib/registro.h"
#include "com/com.h"
#include "vb/variant.h"

namespace {

std::shared_ptr<GarobelLib::cMiscelaneos> Crear() {
    GarobelLib_Registrar();
    return com::CreateObject<GarobelLib::cMiscelaneos>("GarobelLib.cMiscelaneos");
}

// Bank list as the library hands it over: entity code at (0, r), r from 1.
vb::Variant Bancos(std::initializer_list<vb::Variant> codigos) {
    vb::Variant lista = vb::Variant::Array2(0, 2, 0, static_cast<vb::Long>(codigos.size()));
    vb::Long r = 1;
    for (const auto& codigo : codigos) lista(0, r++) = codigo;
    return lista;
}

const std::string kIban = "ES5812345678010123456789";  // entity 1234

TEST(cMiscelaneos, TextosRellenoYTipoDeNif) {
    auto m = Crear();
    EXPECT_EQ(m->ErarioTributos(), "Departamento de Tributos Verales");
    m->Idioma(10000);
    EXPECT_EQ(m->ErarioTributos(), "Veru Zergen Saila");
    EXPECT_EQ(m->rellena("AB", 4, " ") + m->rellena("ABCDEF", 4, " ") + m->rellena("", 2, " "), "AB  ABCD  ");
    EXPECT_EQ(m->rellena("Ñá", 4, "*-"), "Ñá**");  // characters, not bytes
    auto tp = [&](std::string c) { return m->NIF_TP(c); };
    for (const char* c : {"0", "9", "K", "L", "M", "X", "Y", "Z"}) EXPECT_EQ(tp(c), 3) << c;
    for (const char* c : {"A", "B", "C", "D", "F", "G", "N", "P", "Q", "S"}) EXPECT_EQ(tp(c), 0) << c;
    for (const char* c : {"E", "H", "J", "U", "V", "W"}) EXPECT_EQ(tp(c), 2) << c;
    for (const char* c : {"R", "a", "x", "", " ", "Ñ", "AB"}) EXPECT_EQ(tp(c), -1) << c;
}

TEST(cMiscelaneos, ValidaNifCifRecortaSinTocarElArgumento) {
    auto m = Crear();
    std::string nif = "12345678Z   ";  // as a fixed-width import field brings it
    EXPECT_TRUE(m->ValidaNifCif(nif));
    EXPECT_EQ(nif, "12345678Z   ");
    for (std::string n : {"12345678z", "", "   ", "B1234567D"}) EXPECT_FALSE(m->ValidaNifCif(n)) << n;
}

TEST(cMiscelaneos, ValidarIbanYCtaYCalcularIban) {
    auto m = Crear();
    std::string cuenta = m->calcularIban(" 12345678010123456789 ");
    EXPECT_EQ(cuenta, kIban);
    for (const vb::Variant& lista :
         {Bancos({"0049", "1234"}), Bancos({vb::Long(1234)}), vb::Variant(vb::Null), vb::Variant()})
        EXPECT_TRUE(m->validarIbanYCta(lista, cuenta, false, false));
    EXPECT_FALSE(m->validarIbanYCta(Bancos({"0049", "2100"}), cuenta, false, false));
    EXPECT_FALSE(m->validarIbanYCta(vb::Variant::Array2(0, 2, 0, 0), cuenta, false, false));
    EXPECT_EQ(cuenta, kIban);
    // Right IBAN check over wrong domestic control digits ("99"), no IBAN, a trailing blank.
    for (std::string c : {m->calcularIban("12345678990123456789"), std::string("12345678010123456789"), kIban + " "})
        EXPECT_FALSE(m->validarIbanYCta(vb::Null, c, false, false)) << c;
    for (const char* otra : {kIban.c_str(), "1234567801012345678", "", "abc"}) EXPECT_EQ(m->calcularIban(otra), otra);
}

}  // namespace
