#include <gtest/gtest.h>

#include "shell/cFecha.h"

using oxalde::cFecha;

namespace {

cFecha En(const char* idioma) {
    cFecha f;
    f.fecidioma(idioma);
    return f;
}

TEST(Fecha, CastellanoCalendarioGregoriano) {
    cFecha f = En("C");
    EXPECT_EQ(f.StringToLong("29/02/2008"), 20080229);
    EXPECT_EQ(f.StringToLong("29/02/2000"), 20000229);  // divisible by 400
    EXPECT_EQ(f.StringToLong("30/04/2008"), 20080430);
    EXPECT_EQ(f.StringToLong("12-05-2008"), 20080512);  // separators are not looked at
    EXPECT_EQ(f.StringToLong("__/__/____"), 0);
    for (const char* mala : {"29/02/2009", "29/02/1900", "31/04/2008", "00/01/2008", "32/01/2008",
                             "01/13/2008", "12/__/2008", "01/01/0999", "", "____/__/__"})
        EXPECT_EQ(f.StringToLong(mala), -1) << mala;
    EXPECT_FALSE(f.EsFecha("31/12/2007", 2008));
}

TEST(Fecha, EuskeraAnioPrimero) {
    cFecha f = En("E");
    EXPECT_EQ(f.FecVacia(), "____/__/__");
    EXPECT_EQ(f.StringToLong("____/__/__"), 0);
    EXPECT_EQ(f.StringToLong("2012/09/30"), 20120930);
    EXPECT_EQ(f.StringToLong("2000/02/29"), 20000229);
    for (const char* mala : {"2100/02/29", "2012/09/31", "30/09/2012", "__/__/____"})
        EXPECT_EQ(f.StringToLong(mala), -1) << mala;
}

// A text that passes the check only because its year or day is read up to a stray character
// is neither "no date" (0) nor another date.
TEST(Fecha, TextoQueNoSeDejaCortarNoEsFecha) {
    EXPECT_EQ(En("C").StringToLong("29/02/2008x"), -1);
    EXPECT_EQ(En("C").StringToLong("01/03/12008"), -1);
    EXPECT_EQ(En("E").StringToLong("2012/09/3"), -1);
}

TEST(Fecha, LongToStringEnAmbosIdiomas) {
    cFecha c = En("C"), e = En("E");
    EXPECT_EQ(c.LongToString(20120930), "30/09/2012");
    EXPECT_EQ(e.LongToString(20120930), "2012/09/30");
    for (vb::Long imposible : {0, -20120930, 20121330, 20090229})
        EXPECT_EQ(c.LongToString(imposible), "__/__/____") << imposible;
    EXPECT_EQ(e.LongToString(0), "____/__/__");
    EXPECT_EQ(c.LongToString(30092012, true), "30/09/2012");
}

}  // namespace
