#include <string>
#include <vector>

#include "prueba.h"
#include "registro/cDecDatos.h"

using namespace oxalde;

namespace {

class DecDatos : public prueba::Principal {
protected:
    cDecDatos& d = cDecDatos::Instancia();

    static vb::Variant Buffer(const std::vector<vb::Variant>& v) {
        vb::Variant b = vb::Variant::Array1(0, vb::Long(v.size()) - 1);
        for (size_t i = 0; i < v.size(); ++i) b(vb::Long(i)) = v[i];
        return b;
    }
    static vb::Variant T(const QString& s) { return s.toStdString(); }

    // The buffers as the entry window fills them from the record.
    vb::Integer Guardar() {
        vb::Variant b = Buffer({d.CSCO(), T(d.DNI()), T(d.NOMBRE()), T(d.VIA()), T(d.DOMICILIO()), d.NUMERO(),
                                T(d.LETRA()), T(d.ESCALERA()), T(d.PISO()), T(d.MANO()), T(d.CODPROV()),
                                T(d.CODPOS()), T(d.CODMUN()), T(d.NOMMUN()), T(d.TELEFONO()), d.NUM731(), d.NUM732()});
        return d.GuardarDeclarante(b);
    }
    vb::Integer Validar() {
        vb::Variant b = Buffer({T(d.DNI()), T(d.NOMBRE()), T(d.DOMICILIO()), T(d.CODPROV()), T(d.CODPOS()),
                                T(d.CODMUN()), T(d.NOMMUN()), T(d.TELEFONO())});
        return d.ValidarDatosDeclarante(b);
    }

    // A new taxpayer of another province that passes the checks.
    void Nuevo(const QString& dni, const QString& provincia = "01", const QString& postal = "01001") {
        d.MODO("A");
        d.DNI(dni), d.NOMBRE("CONTRIBUYENTE"), d.DOMICILIO("MAYOR"), d.CODPROV(provincia), d.CODPOS(postal);
        d.NOMMUN("VILLA"), d.TELEFONO("943123456"), d.NUMERO(12);
    }

    std::string Campos() {
        return QStringList{d.MODO(), QString::number(d.CSCO()), d.DNI(), d.NOMBRE(), d.VIA(), d.DOMICILIO(),
                           QString::number(d.NUMERO()), d.LETRA(), d.ESCALERA(), d.PISO(), d.MANO(), d.CODPROV(),
                           d.NOMPROV(), d.CODPOS(), d.CODMUN(), d.NOMMUN(), d.TELEFONO(), QString::number(d.NUM731()),
                           QString::number(d.NUM732())}
            .join(u'|')
            .toStdString();
    }
};

TEST_F(DecDatos, NuevoEmpiezaEnLaProvinciaPropiaYSoloConAMayuscula) {
    for (int desplazamiento : {0, kDesplEuskera}) {
        DesplIdioma = desplazamiento;
        d.MODO("A");
        const std::string nuevo = "A|0|||CL||0|||||20|KELMORIA|||||0|0";
        EXPECT_EQ(Campos(), nuevo);
        d.CSCO(5), d.DNI("X"), d.NUMERO(3), d.NUM731(2);
        d.MODO("a"), d.MODO("C");
        EXPECT_EQ(Campos(), "C|5|X||CL||3|||||20|KELMORIA|||||2|0");
        d.MODO("A");
        EXPECT_EQ(Campos(), nuevo);
    }
}

TEST_F(DecDatos, GuardarDaCeroUnoODosYUnRechazoLlegaComoError) {
    Nuevo("00000001R");
    EXPECT_EQ(Guardar(), 0);
    EXPECT_EQ(Guardar(), 1);  // the same DNI again
    const vb::Long primero = d.ObtenerCodigoDeclarante("00000001R");
    Nuevo("00000002W");
    EXPECT_EQ(Guardar(), 0);
    d.CSCO(d.ObtenerCodigoDeclarante("00000002W"));
    EXPECT_EQ(Guardar(), 0);  // its own DNI, unchanged
    d.DNI("00000001R");
    EXPECT_EQ(Guardar(), 2);  // another taxpayer's DNI
    EXPECT_EQ(std::vector<vb::Long>({primero > 0, d.CSCO() > primero, d.ObtenerCodigoDeclarante(""),
                                     d.ObtenerCodigoDeclarante("00000003A")}),
              std::vector<vb::Long>({1, 1, 0, 0}));
    // What the library could not store is never "saved": a key without row, no DNI.
    d.CSCO(999), d.DNI("00000003A");
    EXPECT_THROW(Guardar(), vb::Error);
    Nuevo("");
    EXPECT_THROW(Guardar(), vb::Error);
    EXPECT_EQ(Valor("SELECT COUNT(*) FROM T01_DECLARANTES").CLng(), 2);
}

TEST_F(DecDatos, LaCargaDevuelveLosCodigosConSusCerosYElNombreDeLaProvincia) {
    for (auto [provincia, postal, idioma, nombre] :
         {std::tuple{"01", "01001", 0, "PROVINCIA ABRELDA"}, {"01", "01001", kDesplEuskera, "ABRELDA PROBINTZIA"},
          {"09", "09350", 0, "PROVINCIA ILDAVERA"}, {"12", "12001", 0, "PROVINCIA MIRSALDA"}}) {
        DesplIdioma = idioma;
        Sql("DELETE FROM T01_DECLARANTES");
        Nuevo("00000001R", provincia, postal);
        ASSERT_EQ(Guardar(), 0);
        d.MODO("C"), d.CSCO(77);  // a load never changes the key
        d.CargarDeclarante(d.ObtenerCodigoDeclarante("00000001R"));
        EXPECT_EQ(Campos(), "C|77|00000001R|CONTRIBUYENTE|CL|MAYOR|12|||||" + std::string(provincia) + "|" + nombre +
                                "|" + postal + "|0|VILLA|943123456|0|0");
        EXPECT_EQ(Validar(), 0) << postal;  // accepted again untouched
    }
    Sql("UPDATE T01_DECLARANTES SET T01_CODPROV = 77");  // no such province: no name
    d.CargarDeclarante(d.ObtenerCodigoDeclarante("00000001R"));
    EXPECT_EQ(d.CODPROV() + d.NOMPROV(), "77");
}

TEST_F(DecDatos, BorrarSeLlevaSusDeclaracionesYLaImportacionDaCadaRegla) {
    Nuevo("00000001R");
    ASSERT_EQ(Guardar(), 0);
    const std::string c = std::to_string(d.ObtenerCodigoDeclarante("00000001R"));
    Sql("INSERT INTO T02_COMUNDECLA (T02_CSCO, T02_MODELO, T02_MODO) VALUES (" + c + ", '731', 'P')");
    Sql("INSERT INTO T03_731DECLA (T03_CSDE) SELECT MAX(T02_CSDE) FROM T02_COMUNDECLA");
    Declarantes(1);
    d.CSCO(std::stoi(c));
    d.BorrarDeclarante();
    EXPECT_EQ(d.DNI(), "00000001R");  // the record keeps its fields
    EXPECT_EQ(Valor("SELECT (SELECT COUNT(*) FROM T01_DECLARANTES) || (SELECT COUNT(*) FROM T02_COMUNDECLA) || "
                    "(SELECT COUNT(*) FROM T03_731DECLA)")
                  .CStr(),
              "100");
    // An empty exchange line fails several rules, and each comes back.
    vb::Variant linea = Buffer(std::vector<vb::Variant>(12, ""));
    const vb::Variant errores = d.ValidarDatosImportar(linea);
    ASSERT_EQ(errores.Dimensiones(), 2);
    EXPECT_GE(errores.UBound(2), 2);
}

}  // namespace
