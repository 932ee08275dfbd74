#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QToolButton>

#include "cliente/ficheros_prueba.h"
#include "cliente/prueba.h"
#include "intercambio/dialogo_fichero.h"
#include "intercambio/frmimport.h"

namespace {

using oxalde::frmimport;

using prueba::Escribir;
using prueba::LineaValida;

class VentanaImportar : public prueba::Principal {
protected:
    frmimport* v = nullptr;
    std::vector<oxalde::DialogoFichero> dialogos;
    QString eleccion;

    void SetUp() override {
        Principal::SetUp();
        oxalde::EstablecerElectorFichero([this](const oxalde::DialogoFichero& d) {
            dialogos.push_back(d);
            return eleccion;
        });
        Sql("INSERT INTO T01_DECLARANTES (T01_DNI, T01_NOMBRE) VALUES ('11111111H', 'VIEJO')");
        v = new frmimport;
        v->Cargar();
        v->show();
    }
    void TearDown() override {
        delete v;
        oxalde::EstablecerElectorFichero({});
        Principal::TearDown();
    }
    // The five counters, then whether Accept is offered, the file can be chosen and the error
    // file is shown.
    QString Estado() const {
        QStringList l;
        for (int i = 0; i < 5; ++i) l << v->Valor(i)->text();
        auto b = [](bool x) { return x ? '1' : '0'; };
        return l.join(' ') + " | " + b(v->cmdace()->isVisible()) + b(v->imgmodi()->isEnabled()) +
               b(v->FraErrores()->isVisible());
    }
};

TEST_F(VentanaImportar, ImportaPreguntaYTermina) {
    const QString ruta = carpeta.filePath("Contri.txt");
    EXPECT_EQ(v->txtruta()->text(), ruta);
    EXPECT_EQ(Estado(), "0 0 0 0 0 | 110");
    ASSERT_TRUE(Escribir(ruta, LineaValida("12345678Z", "NUEVO") + "\r\n" + LineaValida("11111111H", "OTRO") + "\n" +
                                   "CORTA\n"));
    respuesta = oxalde::vbNo;
    v->cmdace()->click();
    EXPECT_EQ(Estado(), "3 1 1 0 1 | 001");
    EXPECT_EQ(v->cmdcan()->text(), "&Salir");
    ASSERT_EQ(mensajes.size(), 2u);
    EXPECT_EQ(mensajes[0].texto, "El declarante con dni-cif 11111111H ya existe \n¿Está seguro que desea sustituirlo?");
    EXPECT_EQ(mensajes[0].estilo, oxalde::vbYesNo | oxalde::vbQuestion | oxalde::vbDefaultButton2);
    EXPECT_EQ(titulos[0], "Importación de declarantes");
    EXPECT_EQ(mensajes[1].texto, "Hay 1 declarante erroneo");
    EXPECT_EQ(v->lblError2()->text(), carpeta.filePath("Errores.txt"));  // the name as written
    EXPECT_TRUE(QFile::exists(v->lblError2()->text()));
    EXPECT_EQ(Valor("SELECT T01_NOMBRE FROM T01_DECLARANTES WHERE T01_DNI = '11111111H'").CStr(), "VIEJO");
}

TEST_F(VentanaImportar, AutomaticoEnEuskeraYSinErrores) {
    oxalde::DesplIdioma = 10000;
    v->Anadir_captions();
    ASSERT_TRUE(Escribir(carpeta.filePath("Contri.txt"), LineaValida("11111111H", "OTRO") + "\r\n"));
    v->chkauto()->setChecked(true);
    v->cmdace()->click();
    EXPECT_EQ(Estado(), "1 1 0 1 0 | 000");
    ASSERT_EQ(mensajes.size(), 1u);
    EXPECT_EQ(mensajes[0].texto + "|" + titulos[0], "Zure datuak behar bezala inportatu dira|");
}

TEST_F(VentanaImportar, ElegirFicheroYFicheroQueFalta) {
    const QString antes = v->txtruta()->text();
    v->imgmodi()->click();  // cancelled
    ASSERT_EQ(dialogos.size(), 1u);
    EXPECT_EQ(dialogos[0].nombre, "Contri.txt");
    EXPECT_EQ(dialogos[0].carpeta, carpeta.path() + "/");
    EXPECT_EQ(v->txtruta()->text(), antes);
    eleccion = carpeta.filePath("otro.txt");
    v->imgmodi()->click();
    EXPECT_EQ(v->txtruta()->text(), eleccion);
    EXPECT_EQ(v->txtruta()->toolTip(), eleccion);
    v->cmdace()->click();
    ASSERT_EQ(mensajes.size(), 1u);
    EXPECT_EQ(mensajes[0].texto, "No existe el fichero que se desea importar");
    EXPECT_EQ(Estado(), "0 0 0 0 0 | 110");  // still ready
}

}  // namespace
