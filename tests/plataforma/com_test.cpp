#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "com/com.h"

namespace {

struct Clase : com::Object {
    explicit Clase(std::string n) : nombre(std::move(n)) {}
    std::string nombre;
};
struct Otra : com::Object {};

com::Fabrica FabricaDe(const std::string& nombre) {
    return [nombre] { return std::make_shared<Clase>(nombre); };
}

int32_t ErrorAlCrear(const std::string& progId) {
    try {
        com::CreateObject<Clase>(progId);
    } catch (const vb::Error& e) {
        return e.Number();
    }
    return 0;
}

}  // namespace

TEST(CreacionPorProgId, DesconocidoEsError429) {
    EXPECT_EQ(ErrorAlCrear("Prueba.NoRegistrada"), vb::errCrearObjeto);
    // A factory that hands back nothing cannot create the object either.
    com::RegistroTemporal vacia("Prueba.Vacia", [] { return std::shared_ptr<com::Object>(); });
    EXPECT_EQ(ErrorAlCrear("Prueba.Vacia"), vb::errCrearObjeto);
}

TEST(CreacionPorProgId, RegistroTemporalDevuelveLaFabricaAnterior) {
    com::Registrar("Prueba.Clase", FabricaDe("real"));
    {
        com::RegistroTemporal falsa("Prueba.Clase", FabricaDe("falsa"));
        EXPECT_EQ(com::CreateObject<Clase>("Prueba.Clase")->nombre, "falsa");
        {
            com::RegistroTemporal otra("Prueba.Clase", FabricaDe("otra"));
            EXPECT_EQ(com::CreateObject<Clase>("Prueba.Clase")->nombre, "otra");
        }
        EXPECT_EQ(com::CreateObject<Clase>("Prueba.Clase")->nombre, "falsa");
    }
    EXPECT_EQ(com::CreateObject<Clase>("Prueba.Clase")->nombre, "real");
    com::Desregistrar("Prueba.Clase");

    // With nothing registered before, the ProgID is unknown again afterwards.
    { com::RegistroTemporal falsa("Prueba.Nueva", FabricaDe("falsa")); }
    EXPECT_EQ(ErrorAlCrear("Prueba.Nueva"), vb::errCrearObjeto);
}

TEST(CreacionPorProgId, ClaseEquivocadaEsError13) {
    com::RegistroTemporal otra("Prueba.Otra", [] { return std::make_shared<Otra>(); });
    EXPECT_EQ(ErrorAlCrear("Prueba.Otra"), vb::errTipos);
    EXPECT_NE(com::CreateObject<Otra>("Prueba.Otra"), nullptr);
}
