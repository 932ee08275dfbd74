#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QToolButton>

#include "cliente/prueba.h"
#include "intercambio/dialogo_fichero.h"
#include "intercambio/frmimport.h"
#include "vb/ansi.h"

namespace {

using oxalde::frmimport;

QByteArray Linea(const QString& dni, const QString& nombre) {
    const QString l = dni.leftJustified(9) + nombre.leftJustified(40) + "CL" + QString("NAGUSIA").leftJustified(30) +
                      "00012" + "A   3 IZQ" + "2020001079" + QString(25, ' ') + "943000000" + "00000030000000";
    return QByteArray::fromStdString(vb::Utf8AAnsi(l.toStdString()));
}

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
    void Escribir(const QString& ruta, const QByteArray& datos) {
        QFile f(ruta);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(datos);
    }
    QString Valores() const {
        QStringList l;
        for (int i = 0; i < 5; ++i) l << v->Valor(i)->text();
        return l.join(' ');
    }
};

TEST_F(VentanaImportar, ImportaPreguntaYTermina) {
    const QString ruta = carpeta.filePath("Contri.txt");
    EXPECT_EQ(v->txtruta()->text(), ruta);
    EXPECT_EQ(v->windowTitle(), "Importación de declarantes");
    EXPECT_FALSE(v->FraErrores()->isVisible());
    Escribir(ruta, Linea("12345678Z", "NUEVO") + "\r\n" + Linea("11111111H", "OTRO") + "\n" + "CORTA\n");
    respuesta = oxalde::vbNo;
    v->cmdace()->click();
    EXPECT_EQ(Valores(), "3 1 1 0 1");
    ASSERT_EQ(mensajes.size(), 2u);
    EXPECT_EQ(mensajes[0].texto, "El declarante con dni-cif 11111111H ya existe \n¿Está seguro que desea sustituirlo?");
    EXPECT_EQ(mensajes[0].estilo, oxalde::vbYesNo | oxalde::vbQuestion | oxalde::vbDefaultButton2);
    EXPECT_EQ(titulos[0], "Importación de declarantes");
    EXPECT_EQ(mensajes[1].texto, "Hay 1 declarante erroneo");
    EXPECT_EQ(mensajes[1].estilo, oxalde::vbInformation);
    EXPECT_EQ(v->cmdcan()->text(), "&Salir");
    EXPECT_FALSE(v->cmdace()->isVisible());
    EXPECT_FALSE(v->imgmodi()->isEnabled());
    EXPECT_TRUE(v->FraErrores()->isVisible());
    EXPECT_EQ(v->lblError2()->text(), carpeta.filePath("Errores.txt"));  // the name as written
    EXPECT_TRUE(QFile::exists(v->lblError2()->text()));
    EXPECT_EQ(Valor("SELECT T01_NOMBRE FROM T01_DECLARANTES WHERE T01_DNI = '11111111H'").CStr(), "VIEJO");
}

TEST_F(VentanaImportar, AutomaticoEnEuskeraYSinErrores) {
    oxalde::DesplIdioma = 10000;
    v->Anadir_captions();
    Escribir(carpeta.filePath("Contri.txt"), Linea("11111111H", "OTRO") + "\r\n");
    v->chkauto()->setChecked(true);
    v->cmdace()->click();
    EXPECT_EQ(Valores(), "1 1 0 1 0");
    ASSERT_EQ(mensajes.size(), 1u);
    EXPECT_EQ(mensajes[0].texto, "Zure datuak behar bezala inportatu dira");
    EXPECT_EQ(titulos[0], "");
    EXPECT_FALSE(v->FraErrores()->isVisible());
}

TEST_F(VentanaImportar, ElegirFicheroYFicheroQueFalta) {
    const QString antes = v->txtruta()->text();
    v->imgmodi()->click();  // cancelled
    ASSERT_EQ(dialogos.size(), 1u);
    EXPECT_EQ(dialogos[0].titulo, "Archivo a importar...");
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
    EXPECT_TRUE(v->cmdace()->isVisible());  // still ready
    EXPECT_EQ(v->Valor(0)->text(), "0");
}

}  // namespace
