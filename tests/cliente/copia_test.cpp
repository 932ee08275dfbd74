// Backup and restore of the user's database from the utilities menu.
#include <QDir>
#include <QFile>

#include "principal_prueba.h"
#include "shell/cSaveAsRestore.h"
#include "shell/cadenas.h"
#include "shell/copia_seguridad.h"
#include "shell/menu_principal.h"

using namespace oxalde;

namespace {

class Copia : public prueba::Principal {
protected:
    QString Copia_() const { return carpeta.path() + "/backups/7312Mod_Bak.mdb"; }
    QString Anterior() const { return RutaTablas + "731_2Mod_Anterior.mdb"; }
    static vb::Long Declarantes(const QString& base) {
        auto db = dao::DBEngine::Instancia().OpenDatabase(base.toStdString());
        const vb::Long n = db->OpenRecordset("SELECT COUNT(*) FROM T01_DECLARANTES")->Fields(0).CLng();
        db->Close();
        return n;
    }
    using Principal::Declarantes;
    QByteArray Bytes(const QString& ruta) {
        QFile f(ruta);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void Escribir(const QString& ruta, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(ruta).path());
        QFile f(ruta);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
};

TEST_F(Copia, CopiaYRestauracionDevuelvenLosDatos) {
    Declarantes(2);
    MDI7312& v = Abrir();
    v.Entrada("mnuBackup")->trigger();
    EXPECT_TRUE(mensajes.empty());  // no earlier copy: nothing to ask
    ASSERT_TRUE(QFile::exists(Copia_()));
    EXPECT_EQ(Declarantes(Copia_()), 2);

    Sql("DELETE FROM T01_DECLARANTES WHERE T01_CSCO = 1");
    Declarantes(2);
    RefrescarMenuPrincipal();
    EXPECT_EQ(Foto(v), "mnu=11 bot=11111 imp=0 d=1110");

    v.Entrada("mnuRestore")->trigger();
    ASSERT_EQ(mensajes.size(), 1u) << mensajes.back().texto.toStdString();
    EXPECT_EQ(mensajes[0].texto, LoadResString(348));
    EXPECT_EQ(titulos[0], LoadResString(338));
    EXPECT_EQ(Valor("SELECT group_concat(T01_CSCO) FROM T01_DECLARANTES").CStr(), "1,2");
    EXPECT_EQ(Declarantes(Anterior()), 3);  // the replaced data is kept beside it
    // Only the two restored taxpayers are in the menu: the third entry no longer points anywhere.
    EXPECT_EQ(CEntrada::Instancia().NUMDECLA(), 2);
    EXPECT_EQ(Foto(v), "mnu=11 bot=11111 imp=0 d=1100");
    EXPECT_TRUE(v.Reciente(1)->text().startsWith("2 - "));
}

TEST_F(Copia, UnaCopiaAnteriorSoloSeSustituyeSiElUsuarioQuiere) {
    Declarantes(1);
    MDI7312& v = Abrir();
    v.mnuBackup_Click();
    Declarantes(1);
    respuesta = vbNo;
    v.mnuBackup_Click();
    ASSERT_EQ(mensajes.size(), 1u);
    EXPECT_EQ(mensajes[0].texto, LoadResString(345));
    EXPECT_EQ(titulos[0], LoadResString(337));
    EXPECT_EQ(Declarantes(Copia_()), 1);
    respuesta = vbYes;
    v.mnuBackup_Click();
    EXPECT_EQ(Declarantes(Copia_()), 2);
    EXPECT_FALSE(QFile::exists(Copia_() + ".tmp"));
}

TEST_F(Copia, RestauracionNoConfirmadaNoCambiaNada) {
    Declarantes(1);
    MDI7312& v = Abrir();
    v.mnuBackup_Click();
    Declarantes(1);
    const QByteArray antes = Bytes(RutaBDModificable);
    const std::string foto = Foto(v);
    respuesta = vbNo;
    EXPECT_FALSE(RestaurarCopiaSeguridad(v));
    EXPECT_EQ(Bytes(RutaBDModificable), antes);
    EXPECT_FALSE(QFile::exists(Anterior()));
    EXPECT_EQ(Foto(v), foto);
}

TEST_F(Copia, RestaurarEnElOtroIdiomaCambiaLosTitulos) {
    Sql("UPDATE T00_GENERAL SET T00_Idioma = 'E'");
    MDI7312& v = Abrir();
    v.mnuBackup_Click();
    Sql("UPDATE T00_GENERAL SET T00_Idioma = 'C'");
    ASSERT_EQ(DesplIdioma, 0);
    EXPECT_EQ(v.windowTitle(), "I.V.A. - Declaraciones no periódicas");

    EXPECT_TRUE(RestaurarCopiaSeguridad(v));
    EXPECT_EQ(CEntrada::Instancia().IDI(), "E");
    EXPECT_EQ(DesplIdioma, 10000);
    EXPECT_EQ(v.windowTitle(), LoadResString(10155));
    EXPECT_EQ(v.Entrada("mnuDeclarante")->text(), LoadResString(10101));
    EXPECT_EQ(v.Boton(1)->toolTip(), LoadResString(10113));
}

TEST_F(Copia, UnaCopiaDanadaOAjenaSeRechazaYLosDatosSiguenIguales) {
    Declarantes(2);
    MDI7312& v = Abrir();
    v.mnuBackup_Click();
    const QByteArray buena = Bytes(Copia_());
    auto ajena = [this] {
        // A sound database file of some other program.
        QFile::remove(Copia_());
        dao::CrearBaseDesdeSql(Copia_().toStdString(), "CREATE TABLE CLIENTES (ID INTEGER);");
    };
    const struct {
        const char* caso;
        std::function<void()> preparar;
    } casos[] = {
        {"sin copia", [this] { QFile::remove(Copia_()); }},
        {"texto", [this] { Escribir(Copia_(), "esto no es una base de datos"); }},
        {"cortada", [&] { Escribir(Copia_(), buena.left(buena.size() / 2)); }},
        {"ajena", ajena},
    };
    const QByteArray antes = Bytes(RutaBDModificable);
    const std::string foto = Foto(v);
    const QString titulo = v.windowTitle();
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.caso);
        caso.preparar();
        mensajes.clear();
        titulos.clear();
        EXPECT_FALSE(RestaurarCopiaSeguridad(v));
        ASSERT_EQ(mensajes.size(), 2u);  // the question, then why nothing was done
        EXPECT_EQ(mensajes[1].estilo & vbCritical, vbCritical);
        EXPECT_EQ(titulos[1], LoadResString(338));
        EXPECT_EQ(Bytes(RutaBDModificable), antes);
        EXPECT_FALSE(QFile::exists(Anterior()));
        EXPECT_EQ(Foto(v), foto);
        EXPECT_EQ(v.windowTitle(), titulo);
    }
}

TEST_F(Copia, UnaCopiaDeUnaVersionAnteriorSeActualizaAlRestaurar) {
    MDI7312& v = Abrir();
    QDir().mkpath(CarpetaCopias());
    dao::CrearBaseDesdeSql(Copia_().toStdString(), LeerTexto(std::string(OXALDE_DIR_FIXTURAS) + "/mod_sin_cc.sql"));
    EXPECT_TRUE(RestaurarCopiaSeguridad(v));
    EXPECT_EQ(Valor("SELECT COUNT(*) FROM pragma_table_info('T03_731DECLA') WHERE name = 'T03_CC'").CLng(), 1);
}

}  // namespace
