#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "GarobelLib/cMiscelaneos.h"
#include "GarobelLib/registro.h"
#include "com/com.h"
#include "vb/variant.h"

using GarobelLib::cMiscelaneos;

namespace {

std::shared_ptr<cMiscelaneos> Crear() {
    GarobelLib_Registrar();
    return com::CreateObject<cMiscelaneos>("GarobelLib.cMiscelaneos");
}

// Bank list as the library hands it over: entity code at (0, r), r from 1.
vb::Variant Bancos(std::initializer_list<vb::Variant> codigos) {
    vb::Variant lista = vb::Variant::Array2(0, 2, 0, static_cast<vb::Long>(codigos.size()));
    vb::Long r = 1;
    for (const auto& codigo : codigos) lista(0, r++) = codigo;
    return lista;
}

const std::string kIban = "ES5812345678010123456789";  // entity 1234, worked out in algoritmos_test

}  // namespace

TEST(cMiscelaneos, TextosYRelleno) {
    auto m = Crear();
    EXPECT_EQ(m->ErarioTributos(), "Departamento de Tributos Verales");
    m->Idioma(10000);
    EXPECT_EQ(m->ErarioTributos(), "Veru Zergen Saila");
    m->Idioma(1000);
    EXPECT_EQ(m->ErarioTributos(), "Veru Zergen Saila");

    EXPECT_EQ(m->rellena("AB", 4, " "), "AB  ");
    EXPECT_EQ(m->rellena("ABCDEF", 4, " "), "ABCD");
    EXPECT_EQ(m->rellena("", 4, " "), "    ");
    EXPECT_EQ(m->rellena("Ñá", 4, "*-"), "Ñá**");  // characters, not bytes
}

TEST(cMiscelaneos, NifTp) {
    auto m = Crear();
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
    std::string malos[] = {"12345678z", "", "   ", "B1234567D"};
    for (auto& n : malos) EXPECT_FALSE(m->ValidaNifCif(n)) << n;
}

TEST(cMiscelaneos, ValidarIbanYCta) {
    auto m = Crear();
    std::string cuenta = kIban;
    EXPECT_TRUE(m->validarIbanYCta(Bancos({"0049", "1234"}), cuenta, false, false));
    EXPECT_TRUE(m->validarIbanYCta(Bancos({vb::Long(1234)}), cuenta, false, false));
    EXPECT_FALSE(m->validarIbanYCta(Bancos({"0049", "2100"}), cuenta, false, false));
    EXPECT_FALSE(m->validarIbanYCta(vb::Variant::Array2(0, 2, 0, 0), cuenta, false, false));
    EXPECT_TRUE(m->validarIbanYCta(vb::Null, cuenta, false, false));
    EXPECT_TRUE(m->validarIbanYCta(vb::Variant(), cuenta, false, false));
    EXPECT_EQ(cuenta, kIban);

    // Right IBAN check over wrong domestic control digits ("99"), no IBAN, a trailing blank.
    std::string malas[] = {m->calcularIban("12345678990123456789"), "12345678010123456789",
                           kIban + " "};
    for (auto& c : malas) EXPECT_FALSE(m->validarIbanYCta(vb::Null, c, false, false)) << c;
}

TEST(cMiscelaneos, CalcularIban) {
    auto m = Crear();
    std::string iban = m->calcularIban(" 12345678010123456789 ");
    EXPECT_EQ(iban, kIban);
    EXPECT_TRUE(m->validarIbanYCta(Bancos({"1234"}), iban, false, false));
    for (const char* otra : {kIban.c_str(), "1234567801012345678", "", "abc"})
        EXPECT_EQ(m->calcularIban(otra), otra);
}
