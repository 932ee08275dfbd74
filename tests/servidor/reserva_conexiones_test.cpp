// The library keeps one connection per file between two operations: it must open each file once
// for a run of calls, and still behave as if every call opened and closed it: no lock between
// two calls, and every change of the file by anyone else seen by the next call.
#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "general.h"
#include "servicios/cDeclarante.h"
#include "servidor/utiles_prueba.h"

namespace {

namespace fs = std::filesystem;

// A count of the database files opened, by name; it can also put another file in the place of
// one just opened, as another program may while an operation runs. The connections kept are
// closed before the count goes, as they would outlive its file layer.
class ContarAperturas {
public:
    ~ContarAperturas() { brunsel::ConexionDAO().Soltar(); }
    int Veces(const std::string& ruta) const {
        auto it = veces_.find(fs::weakly_canonical(ruta).string());
        return it == veces_.end() ? 0 : it->second;
    }
    // At the next opening of `ruta`, once it is open, `nueva` is renamed over it.
    void SustituirAlAbrir(const std::string& ruta, const std::string& nueva) {
        sustituida_ = fs::weakly_canonical(ruta).string();
        nueva_ = nueva;
    }
    bool Sustituida() const { return sustituida_.empty(); }

private:
    std::map<std::string, int> veces_;
    std::string sustituida_, nueva_;
    prueba::CapaAlAbrir capa_{[this](const std::string& nombre, int) {
        const std::string ruta = fs::weakly_canonical(nombre).string();
        ++veces_[ruta];
        if (ruta == sustituida_) {
            fs::rename(nueva_, ruta);
            sustituida_.clear();
        }
    }};
};

class Reserva : public prueba::ConBase {
protected:
    std::shared_ptr<brunsel::cDeclarante> Servicio() {
        auto s = com::CreateObject<brunsel::cDeclarante>("Brunsel.cDeclarante");
        s->mdbnameM(bd.Mod());
        s->mdbnameL(bd.Lec());
        return s;
    }
    vb::Long Clave(std::string nif) { return Servicio()->ExisteContribuyente(nif); }
    vb::Integer Guardar(vb::Long csco, const std::string& nif) {
        auto b = vb::Variant::Array1(0, 16);
        b(0) = csco, b(1) = nif, b(2) = std::string("NOMBRE");
        return Servicio()->GuardarDeclarante(b);
    }
    // A line the import check looks up in the reference database.
    vb::Variant Comprobar() {
        auto b = vb::Variant::Array1(0, 11);
        const char* campos[] = {"11111111H", "X", "NAGUSIA", "20", "20001", " ", "079", "1", "0", "0", "CL", " "};
        for (vb::Long i = 0; i < 12; ++i) b(i) = std::string(campos[i]);
        vb::Integer idioma = 0;
        return Servicio()->ValidarDatosImportar(b, idioma);
    }
};

TEST_F(Reserva, CadaFicheroSeAbreUnaVezEnUnaSerieDeLlamadas) {
    ContarAperturas aperturas;
    const com::RegistroTemporal nif = prueba::ComponenteNif([] { return true; });
    for (int i = 0; i < 10; ++i) {
        const std::string dni = "D" + std::to_string(1000000 + i);
        EXPECT_EQ(Clave(dni), 0);
        EXPECT_EQ(Comprobar().UBound(2), 0);
        EXPECT_EQ(Guardar(0, dni), 0);
        EXPECT_GT(Clave(dni), 0);
    }
    EXPECT_EQ(aperturas.Veces(bd.Mod()), 1);
    EXPECT_EQ(aperturas.Veces(bd.Lec()), 1);
}

TEST_F(Reserva, LaSiguienteLlamadaVeElFicheroCambiadoPorOtro) {
    ContarAperturas capa;
    // A second register with one more taxpayer, to be put in the place of the first.
    BdPrueba otra;
    BdPrueba::Ejecutar(otra.Mod(), "INSERT INTO T01_DECLARANTES (T01_DNI) VALUES ('OTRA')");
    const std::string copia = bd.Dir() + "/copia.mdb";
    const auto vacio = [&] {  // an empty register in place
        fs::copy_file(BdPrueba().Mod(), copia, fs::copy_options::overwrite_existing);
        fs::rename(copia, bd.Mod());
    };
    const std::pair<const char*, std::function<void()>> casos[] = {
        {"another connection writes",
         [&] { BdPrueba::Ejecutar(bd.Mod(), "INSERT INTO T01_DECLARANTES (T01_DNI) VALUES ('OTRA')"); }},
        {"replaced by another file (a restore)",
         [&] {
             fs::copy_file(otra.Mod(), copia, fs::copy_options::overwrite_existing);
             fs::rename(copia, bd.Mod());
         }},
        {"rewritten in place, its times put back",
         [&] {
             struct stat antes {};
             ASSERT_EQ(stat(bd.Mod().c_str(), &antes), 0);
             std::ifstream de(otra.Mod(), std::ios::binary);
             std::ofstream a(bd.Mod(), std::ios::binary | std::ios::in);  // same file, not truncated
             a << de.rdbuf();
             a.close();
             const timespec tiempos[2] = {antes.st_atim, antes.st_mtim};
             ASSERT_EQ(utimensat(AT_FDCWD, bd.Mod().c_str(), tiempos, 0), 0);
         }},
        {"replaced during the call that opened it",
         [&] {
             vacio();  // the next call opens the file afresh
             fs::copy_file(otra.Mod(), copia, fs::copy_options::overwrite_existing);
             capa.SustituirAlAbrir(bd.Mod(), copia);
             EXPECT_EQ(Clave("OTRA"), 0);  // read from the file it had opened
             EXPECT_TRUE(capa.Sustituida());
         }},
    };
    for (const auto& [nombre, cambiar] : casos) {
        SCOPED_TRACE(nombre);
        vacio();
        EXPECT_EQ(Clave("OTRA"), 0);
        cambiar();
        EXPECT_GT(Clave("OTRA"), 0);
        EXPECT_EQ(Guardar(0, "NUEVO"), 0);  // and writes go to the new file
        EXPECT_GT(prueba::Lectura(bd.Mod()).Contar("SELECT count(*) FROM T01_DECLARANTES WHERE T01_DNI = 'NUEVO'"), 0);
    }
    // A file gone is missing for the next call, which creates nothing.
    fs::remove(bd.Mod());
    EXPECT_EQ(NumeroDeError([&] { Clave("OTRA"); }), vb::errArchivoNoEncontrado);
    EXPECT_FALSE(fs::exists(bd.Mod()));
}

TEST_F(Reserva, NingunaLlamadaDejaBloqueoNiTransaccion) {
    // Another connection that will not wait must be able to take the file for itself.
    auto escribeOtro = [&] {
        sqlite3* otro = nullptr;
        sqlite3_open_v2(bd.Mod().c_str(), &otro, SQLITE_OPEN_READWRITE, nullptr);
        const int rc = sqlite3_exec(otro, "BEGIN EXCLUSIVE; UPDATE T01_DECLARANTES SET T01_NOMBRE = 'OTRO'; COMMIT;",
                                    nullptr, nullptr, nullptr);
        sqlite3_close(otro);
        return rc;
    };
    prueba::DosDeclarantes(bd.Mod());
    const std::pair<const char*, std::function<void()>> casos[] = {
        {"a read", [&] { Clave("11111111H"); }},
        {"a list", [&] { vb::Variant l; vb::Integer o = 2, i = 0; Servicio()->dameResultado(l, o, i); }},
        {"a save", [&] { Guardar(0, "33333333P"); }},
        {"a refused save", [&] { Guardar(0, "11111111H"); }},
        {"a save failing inside its transaction", [&] { EXPECT_THROW(Guardar(99, "44444444A"), vb::Error); }},
        {"a delete", [&] { vb::Long k = 2; Servicio()->BorrarDeclarante(k); }},
    };
    for (const auto& [nombre, llamada] : casos) {
        SCOPED_TRACE(nombre);
        llamada();
        ASSERT_EQ(escribeOtro(), SQLITE_OK);
        vb::Variant b;
        vb::Long uno = 1;
        Servicio()->CargarDeclarante(uno, b);
        EXPECT_EQ(b(2).CStr(), "OTRO");  // and the next call sees what it wrote
        BdPrueba::Ejecutar(bd.Mod(), "UPDATE T01_DECLARANTES SET T01_NOMBRE = 'UNO'");
    }
}

}  // namespace
