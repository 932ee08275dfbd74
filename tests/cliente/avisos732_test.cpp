#include <gtest/gtest.h>

#include <set>

#include "form732/avisos732.h"
#include "compartido/cadenas.h"

using namespace oxalde;

namespace {

struct Esperado {
    int codigo, id, pestanaP, pestanaT;
    const char* foco;
    int elemento;
};

// The messages, tabs (quarterly, transport) and focus the editor gives each code.
const Esperado kTabla[] = {
    {1, 267, 1, 1, "txttranif", -1},     {2, 268, 1, 1, "txttranom", -1},      {3, 269, 1, 1, "txttrapais", -1},
    {4, 270, 2, 2, nullptr, -1},         {5, 271, 1, 1, "txttranif", -1},      {6, 272, 2, 2, "chksittib", 0},
    {7, 273, 2, 2, "chksittib", 1},      {8, 274, 2, 2, "chksittib", 3},       {9, 275, 0, 0, nullptr, -1},
    {10, 276, 4, 4, "txtmarcav", -1},    {11, 277, 4, 4, "txttipov", -1},      {12, 278, 4, 4, "txtmodelov", -1},
    {13, 279, 4, 4, "txtnbastidor", -1}, {15, 281, 4, 4, "txtfabricb", -1},    {16, 282, 4, 4, "txtnconstruc", -1},
    {17, 283, 4, 4, "txtfabrica", -1},   {18, 284, 4, 4, "txtnserie", -1},     {19, 285, 4, 4, "txtanofab", -1},
    {20, 286, 5, 5, "txtbase16", -1},    {21, 287, 4, 4, "txtbase16", -1},     {23, 289, 4, 4, "txtbaeq4", -1},
    {24, 365, 4, 4, "txtbaeq1", -1},     {25, 365, 4, 4, "txtbaeq05", -1},     {26, 290, 4, 5, "txttotal", -1},
    {27, 365, 4, 4, "txtbaeq175", -1},   {28, 323, 1, 1, "txtTraProvincia", -1}, {30, 325, 4, 4, "txtbaeq4", -1},
    {31, 367, 4, 5, "txtcuota16", -1},   {32, 367, 4, 5, "txtcuota7", -1},     {33, 367, 4, 5, "txtcueq4", -1},
    {34, 367, 4, 5, "txtcueq1", -1},
};

TEST(Avisos732, CadaCodigoConSuMensajePestanaYFoco) {
    ASSERT_EQ(AvisosValidacion732().size(), std::size(kTabla));
    for (const Esperado& e : kTabla) {
        const Aviso732* a = AvisoValidacion732(static_cast<vb::Integer>(e.codigo));
        ASSERT_NE(a, nullptr) << e.codigo;
        EXPECT_EQ(a->id, e.id) << e.codigo;
        EXPECT_EQ(PestanaAviso(*a, "P"), e.pestanaP) << e.codigo;
        EXPECT_EQ(PestanaAviso(*a, "T"), e.pestanaT) << e.codigo;
        EXPECT_STREQ(a->foco, e.foco) << e.codigo;
        EXPECT_EQ(a->elemento, e.elemento) << e.codigo;
        for (int idioma : {0, kDesplEuskera}) {
            const QString texto = TextoAviso(*a, 20110630, idioma);
            EXPECT_FALSE(texto.isEmpty()) << e.codigo << " " << idioma;
            if (e.id != 365) {
                EXPECT_EQ(texto, LoadResString(e.id + idioma)) << e.codigo;
            }
        }
    }
    for (int codigo : {0, 14, 22, 29, 35, -1, 100})
        EXPECT_EQ(AvisoValidacion732(static_cast<vb::Integer>(codigo)), nullptr);
}

TEST(Avisos732, TextosLiterales) {
    EXPECT_EQ(TextoAviso(*AvisoValidacion732(23), 0, 0),
              "La casilla  base de recargo no puede ser mayor que la base imponible correspondiente");
    EXPECT_EQ(TextoAviso(*AvisoValidacion732(31), 0, kDesplEuskera),
              TextoAviso(*AvisoValidacion732(34), 0, kDesplEuskera));
    EXPECT_EQ(TextoAviso(*AvisoValidacion732(10), 0, kDesplEuskera),
              "Ibilgailu markaren  laukian balioren bat jarri behar da");
    // Every Basque text is its own, never the Spanish one.
    std::set<int> ids;
    for (const Aviso732& a : AvisosValidacion732()) ids.insert(a.id);
    for (int id : ids) EXPECT_NE(LoadResString(id), LoadResString(id + kDesplEuskera)) << id;
}

TEST(Avisos732, MensajesCompuestosConLosTiposDeLaFecha) {
    const QString es = "La casilla base recargo %1  no puede ser mayor que la casilla base imponible  %2";
    const QString eu = "%%1ko errekargu oinarriaren laukia ezin da handiagoa izan %2ko oinarri ezargarria baino";
    struct Caso {
        int codigo;
        vb::Long fecha;
        const char *recargo, *base;  // as the Spanish text shows them
        const char *recargoEu, *baseEu;
    };
    for (const Caso& c :
         {Caso{24, 20100630, "1%", "7%", "1", "7"}, Caso{24, 20100701, "1%", "8%", "1", "8"},
          Caso{24, 20120901, "1.4%", "10%", "1.4", "10"}, Caso{25, 20100630, "0,5%", "4%", "0,5", "4"},
          Caso{25, 20121231, "0,5%", "4%", "0,5", "4"}, Caso{27, 20100630, "1,75%", "16%", "1,75", "16"},
          Caso{27, 20120831, "1,75%", "18%", "1,75", "18"}, Caso{27, 20121001, "1,75%", "21%", "1,75", "21"}}) {
        const Aviso732& a = *AvisoValidacion732(static_cast<vb::Integer>(c.codigo));
        EXPECT_EQ(TextoAviso(a, c.fecha, 0), es.arg(c.recargo, c.base)) << c.codigo << " " << c.fecha;
        EXPECT_EQ(TextoAviso(a, c.fecha, kDesplEuskera), eu.arg(c.recargoEu, c.baseEu)) << c.codigo << " " << c.fecha;
    }
}

}  // namespace
