#include <gtest/gtest.h>

#include <string>

#include "actualizacion/lector_ini.h"

using oxalde::LeerValorIni;

namespace {

std::string Leer(const std::string& ini, const char* seccion, const char* clave, std::size_t capacidad = 1024) {
    return LeerValorIni(ini, seccion, clave, " ", capacidad);
}

TEST(LectorIni, ReglasDelLectorDePerfiles) {
    const struct {
        const char* ini;
        const char* seccion;
        const char* clave;
        std::string valor;
    } casos[] = {
        {"[informacion]\r\ncurrentversion=2.1.0\r\n", "informacion", "currentversion", "2.1.0"},
        {"[INFORMACION]\ncurrentVersion = \t 2.1.1  \r\n", "informacion", "currentversion", "2.1.1"},
        {"  [informacion]  \n  currentversion=2\n", "informacion", "currentversion", "2"},
        {"[informacion]\nx=a=b\n", "informacion", "x", "a=b"},
        {"[informacion]\nx=\"entre comillas\"\n", "informacion", "x", "entre comillas"},
        {"[informacion]\nx='a'\n", "informacion", "x", "a"},
        {"[informacion]\nx=\"a'\n", "informacion", "x", "\"a'"},
        {"[informacion]\nx=\n", "informacion", "x", ""},
        {"[informacion]\nx=1\nx=2\n[informacion]\nx=3\n", "informacion", "x", "1"},
        {"[otra]\nx=1\n[informacion]\ny=2\n[informacion]\nx=3\n", "informacion", "x", "3"},
        {"x=fuera de seccion\n[informacion]\n", "informacion", "x", " "},
        {"[informacion\nx=1\n", "informacion", "x", " "},
        {"[otra]\ncurrentversion=2.1.1\n", "informacion", "currentversion", " "},
        {"[informacion]\nsin igual\n", "informacion", "sin igual", " "},
        {"", "informacion", "x", " "},
        {"[informacion]\rx=1\r", "informacion", "x", " "},  // lines end in LF
        {"[informacion]\nx=versi\xF3n 5 \x80 \x9F\n", "informacion", "x", "versión 5 € Ÿ"},
    };
    for (const auto& caso : casos) EXPECT_EQ(Leer(caso.ini, caso.seccion, caso.clave), caso.valor) << caso.ini;
}

TEST(LectorIni, ElValorCabeEnElBufferMenosLaMarcaDeFin) {
    const std::string largo(2000, 'a');
    EXPECT_EQ(Leer("[s]\nx=" + largo, "s", "x"), std::string(1023, 'a'));
    EXPECT_EQ(Leer("[s]\nx=\xF1\xF1\xF1", "s", "x", 3), "ññ");  // characters, not bytes
    EXPECT_EQ(Leer("[s]\nx=abc", "s", "x", 0), "");
}

}  // namespace
