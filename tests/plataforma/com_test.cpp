#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "com/com.h"

namespace {

struct Clase : com::Object {
    explicit Clase(std::string n) : nombre(std::move(n)) {}
    std::string nombre;
};

com::Fabrica FabricaDe(const std::string& nombre) {
    return [nombre] { return std::make_shared<Clase>(nombre); };
}

// The created object's name, or the number of the error raised.
std::string Crear(const std::string& progId) {
    try {
        return com::CreateObject<Clase>(progId)->nombre;
    } catch (const vb::Error& e) {
        return std::to_string(e.Number());
    }
}

TEST(CreacionPorProgId, ErroresYRegistroTemporalQueDevuelveLaFabricaAnterior) {
    const std::string noCrea = std::to_string(vb::errCrearObjeto);
    EXPECT_EQ(Crear("Prueba.NoRegistrada"), noCrea);
    {
        com::RegistroTemporal vacia("Prueba.Vacia", [] { return std::shared_ptr<com::Object>(); });
        com::RegistroTemporal otra("Prueba.Otra", [] { return std::make_shared<com::Object>(); });
        EXPECT_EQ(Crear("Prueba.Vacia"), noCrea);
        EXPECT_EQ(Crear("Prueba.Otra"), std::to_string(vb::errTipos));
        com::RegistroTemporal nueva("Prueba.Nueva", FabricaDe("falsa"));
    }
    EXPECT_EQ(Crear("Prueba.Nueva"), noCrea);

    com::Registrar("Prueba.Clase", FabricaDe("real"));
    {
        com::RegistroTemporal falsa("Prueba.Clase", FabricaDe("falsa"));
        {
            com::RegistroTemporal otra("Prueba.Clase", FabricaDe("otra"));
            EXPECT_EQ(Crear("Prueba.Clase"), "otra");
        }
        EXPECT_EQ(Crear("Prueba.Clase"), "falsa");
    }
    EXPECT_EQ(Crear("Prueba.Clase"), "real");
    com::Desregistrar("Prueba.Clase");
}

}  // namespace
