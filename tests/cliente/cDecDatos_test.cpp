#include <string>
#include <vector>

#include "prueba.h"
#include "registro/cDecDatos.h"
#include "servicios/cDeclarante.h"

using namespace oxalde;

namespace {

class DecDatos : public prueba::Principal {
protected:
    cDecDatos& d = cDecDatos::Instancia();

    // The save buffer as the entry window fills it from the record.
    vb::Variant BufferGuardar() {
        const std::vector<vb::Variant> v = {
            d.CSCO(), d.DNI().toStdString(), d.NOMBRE().toStdString(), d.VIA().toStdString(),
            d.DOMICILIO().toStdString(), d.NUMERO(), d.LETRA().toStdString(), d.ESCALERA().toStdString(),
            d.PISO().toStdString(), d.MANO().toStdString(), d.CODPROV().toStdString(), d.CODPOS().toStdString(),
            d.CODMUN().toStdString(), d.NOMMUN().toStdString(), d.TELEFONO().toStdString(), d.NUM731(), d.NUM732()};
        vb::Variant b = vb::Variant::Array1(0, 16);
        for (int i = 0; i < 17; ++i) b(i) = v[i];
        return b;
    }

    vb::Integer Validar() {
        const std::vector<QString> v = {d.DNI(), d.NOMBRE(), d.DOMICILIO(), d.CODPROV(),
                                        d.CODPOS(), d.CODMUN(), d.NOMMUN(), d.TELEFONO()};
        vb::Variant b = vb::Variant::Array1(0, 7);
        for (int i = 0; i < 8; ++i) b(i) = v[i].toStdString();
        return d.ValidarDatosDeclarante(b);
    }

    vb::Integer Guardar() {
        vb::Variant b = BufferGuardar();
        return d.GuardarDeclarante(b);
    }

    // A new taxpayer of another province, ready to pass the checks.
    void Nuevo(const QString& dni, const QString& provincia, const QString& postal) {
        d.MODO("A");
        d.DNI(dni);
        d.NOMBRE("CONTRIBUYENTE " + dni);
        d.DOMICILIO("MAYOR");
        d.CODPROV(provincia);
        d.CODPOS(postal);
        d.NOMMUN("VILLA");
    }

    std::string Campos() {
        return (QStringList{d.MODO(), QString::number(d.CSCO()), d.DNI(), d.NOMBRE(), d.VIA(), d.DOMICILIO(),
                            QString::number(d.NUMERO()), d.LETRA(), d.ESCALERA(), d.PISO(), d.MANO(), d.CODPROV(),
                            d.NOMPROV(), d.CODPOS(), d.CODMUN(), d.NOMMUN(), d.TELEFONO(), QString::number(d.NUM731()),
                            QString::number(d.NUM732())}
                    .join(u'|'))
            .toStdString();
    }
};

TEST_F(DecDatos, NuevoEmpiezaEnLaProvinciaPropiaYSoloConAMayuscula) {
    for (int desplazamiento : {0, 10000}) {
        DesplIdioma = desplazamiento;
        d.MODO("A");
        const std::string nuevo = "A|0|||CL||0|||||20|KELMORIA|||||0|0";
        EXPECT_EQ(Campos(), nuevo);
        d.CSCO(5), d.DNI("X"), d.NUMERO(3), d.NUM731(2), d.TELEFONO("943000000");
        d.MODO("a");
        d.MODO("C");
        EXPECT_EQ(Campos(), "C|5|X||CL||3|||||20|KELMORIA||||943000000|2|0");
        d.MODO("A");
        EXPECT_EQ(Campos(), nuevo);
    }
}

TEST_F(DecDatos, GuardarDaCeroUnoODosYLaClaveSeBuscaPorDni) {
    Nuevo("00000001R", "01", "01001");
    EXPECT_EQ(Guardar(), 0);
    EXPECT_EQ(Guardar(), 1);  // the same DNI again
    const vb::Long primero = d.ObtenerCodigoDeclarante("00000001R");
    EXPECT_GE(primero, 1);
    Nuevo("00000002W", "01", "01002");
    EXPECT_EQ(Guardar(), 0);
    d.CSCO(d.ObtenerCodigoDeclarante("00000002W"));
    EXPECT_NE(d.CSCO(), primero);
    d.DOMICILIO("OTRA");
    EXPECT_EQ(Guardar(), 0);  // its own DNI unchanged
    d.DNI("00000001R");
    EXPECT_EQ(Guardar(), 2);  // another taxpayer's DNI
    EXPECT_EQ(Valor("SELECT COUNT(*) FROM T01_DECLARANTES WHERE T01_DNI = '00000001R'").CLng(), 1);
    EXPECT_EQ(d.ObtenerCodigoDeclarante(""), 0);
    EXPECT_EQ(d.ObtenerCodigoDeclarante("00000003A"), 0);
}

TEST_F(DecDatos, UnGuardadoRechazadoLlegaComoError) {
    // Nothing stored is never "saved": a key that has no row, a new taxpayer without DNI.
    Nuevo("00000001R", "01", "01001");
    d.CSCO(999);
    EXPECT_THROW(Guardar(), vb::Error);
    Nuevo("", "01", "01001");
    EXPECT_THROW(Guardar(), vb::Error);
    EXPECT_EQ(Valor("SELECT COUNT(*) FROM T01_DECLARANTES").CLng(), 0);
}

TEST_F(DecDatos, LaCargaDevuelveLosCodigosConSusCerosYElNombreDeLaProvincia) {
    struct Caso {
        QString provincia, postal;
        int idioma;
        const char* nombre;
    };
    const Caso casos[] = {{"01", "01001", 0, "PROVINCIA ABRELDA"},
                         {"01", "01001", 10000, "ABRELDA PROBINTZIA"},
                         {"09", "09350", 0, "PROVINCIA ILDAVERA"},
                         {"12", "12001", 0, "PROVINCIA MIRSALDA"}};
    for (const auto& c : casos) {
        DesplIdioma = c.idioma;
        Sql("DELETE FROM T01_DECLARANTES");
        Nuevo("00000001R", c.provincia, c.postal);
        d.TELEFONO("943123456");
        d.NUMERO(12);
        ASSERT_EQ(Guardar(), 0);
        const vb::Long clave = d.ObtenerCodigoDeclarante("00000001R");
        const std::string guardado = Campos();
        d.MODO("C");
        d.CSCO(77);  // a load never changes the key
        d.CargarDeclarante(clave);
        EXPECT_EQ(d.CODPROV(), c.provincia);
        EXPECT_EQ(d.CODPOS(), c.postal);
        EXPECT_EQ(d.NOMPROV(), c.nombre);
        EXPECT_EQ(d.CSCO(), 77);
        EXPECT_EQ(d.TELEFONO(), "943123456");
        EXPECT_EQ(d.NUMERO(), 12);
        // Accepted again untouched.
        EXPECT_EQ(Validar(), 0) << c.postal.toStdString();
    }
    // A province without reference row has no name.
    Sql("UPDATE T01_DECLARANTES SET T01_CODPROV = 77");
    d.CargarDeclarante(d.ObtenerCodigoDeclarante("00000001R"));
    EXPECT_EQ(d.CODPROV(), "77");
    EXPECT_EQ(d.NOMPROV(), "");
}

TEST_F(DecDatos, BorrarSeLlevaSusDeclaraciones) {
    Nuevo("00000001R", "01", "01001");
    ASSERT_EQ(Guardar(), 0);
    const vb::Long clave = d.ObtenerCodigoDeclarante("00000001R");
    const std::string c = std::to_string(clave);
    Sql("INSERT INTO T02_COMUNDECLA (T02_CSCO, T02_MODELO, T02_MODO) VALUES (" + c + ", '731', 'P')");
    Sql("INSERT INTO T03_731DECLA (T03_CSDE) SELECT MAX(T02_CSDE) FROM T02_COMUNDECLA");
    Declarantes(1);
    d.CSCO(clave);
    d.BorrarDeclarante();
    EXPECT_EQ(d.DNI(), "00000001R");  // the record keeps its fields
    EXPECT_EQ(Valor("SELECT COUNT(*) FROM T01_DECLARANTES").CLng(), 1);
    EXPECT_EQ(Valor("SELECT COUNT(*) FROM T02_COMUNDECLA").CLng(), 0);
    EXPECT_EQ(Valor("SELECT COUNT(*) FROM T03_731DECLA").CLng(), 0);
}

TEST_F(DecDatos, LaImportacionDevuelveTodasLasReglasFallidas) {
    vb::Variant linea = vb::Variant::Array1(0, 11);
    for (int i = 0; i < 12; ++i) linea(i) = "";
    const vb::Variant errores = d.ValidarDatosImportar(linea);
    ASSERT_TRUE(errores.IsArray());
    EXPECT_EQ(errores.Dimensiones(), 2);
    EXPECT_GE(errores.UBound(2), 2);  // several codes and the closing empty cell
    vb::Integer idioma = 0;
    vb::Variant otra = linea;
    auto declarante = com::CreateObject<brunsel::cDeclarante>("Brunsel.cDeclarante");
    declarante->mdbnameL(RutaBDLectura.toStdString());
    EXPECT_EQ(declarante->ValidarDatosImportar(otra, idioma), errores);
}

}  // namespace
