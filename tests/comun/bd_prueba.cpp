#include "comun/bd_prueba.h"

#include <fcntl.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string_view>
#include <utility>

#include "dao/dao.h"

std::string LeerTexto(const std::string& ruta) {
    std::ifstream f(ruta);
    if (!f) throw std::runtime_error("cannot read " + ruta);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

BdPrueba::BdPrueba() {
    std::string plantilla = (std::filesystem::temp_directory_path() / "oxalde-XXXXXX").string();
    if (!mkdtemp(plantilla.data())) throw std::runtime_error("mkdtemp");
    dir_ = plantilla;
    dao::CrearBaseDesdeSql(Mod(), LeerTexto(std::string(OXALDE_DIR_SQL) + "/731_2Mod.sql"));
    dao::CrearBaseDesdeSql(Lec(), LeerTexto(std::string(OXALDE_DIR_SQL) + "/731_2Lec.sql"));
}

BdPrueba::~BdPrueba() {
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
}

void BdPrueba::Ejecutar(const std::string& ruta, const std::string& sql) {
    auto db = dao::DBEngine::Instancia().OpenDatabase(ruta);
    dao::EjecutarGuion(*db, sql);
}

namespace {

// Where a table's root page lies in the file, and its length.
std::pair<long, long> PaginaRaiz(const std::string& ruta, const std::string& tabla) {
    auto db = dao::DBEngine::Instancia().OpenDatabase(ruta, false, true);
    auto rs = db->OpenRecordset("SELECT rootpage, (SELECT page_size FROM pragma_page_size) FROM sqlite_master "
                                "WHERE name = ?",
                                {tabla});
    if (!rs || rs->Eof()) throw std::runtime_error("no table " + tabla);
    const long pagina = rs->Fields(0).CLng(), tamano = rs->Fields(1).CLng();
    db->Close();
    return {(pagina - 1) * tamano, tamano};
}

}  // namespace

void BdPrueba::DanarTabla(const std::string& ruta, const std::string& tabla) {
    const auto [inicio, tamano] = PaginaRaiz(ruta, tabla);
    std::fstream f(ruta, std::ios::in | std::ios::out | std::ios::binary);
    f.seekp(inicio);
    f << std::string(static_cast<size_t>(tamano), '\x5a');
}

void BdPrueba::CambiarEnTabla(const std::string& ruta, const std::string& tabla, const std::string& de,
                              const std::string& a) {
    if (de.size() != a.size()) throw std::invalid_argument("texts of different lengths");
    const auto [inicio, tamano] = PaginaRaiz(ruta, tabla);
    std::fstream f(ruta, std::ios::in | std::ios::out | std::ios::binary);
    std::string pagina(static_cast<size_t>(tamano), '\0');
    f.seekg(inicio);
    f.read(pagina.data(), tamano);
    const size_t donde = pagina.find(de);
    if (donde == std::string::npos) throw std::runtime_error(de + " not in the root page of " + tabla);
    f.seekp(inicio + static_cast<long>(donde));
    f << a;
}

void BdPrueba::AnadirColumnaObligatoria(const std::string& ruta, const std::string& tabla) {
    auto db = dao::DBEngine::Instancia().OpenDatabase(ruta);
    auto rs = db->OpenRecordset("SELECT sql FROM sqlite_master WHERE name = ?", {tabla});
    if (!rs || rs->Eof()) throw std::runtime_error("no table " + tabla);
    std::string sql = rs->Fields(0).CStr();
    sql.insert(sql.rfind(')'), ", OTRA INTEGER NOT NULL");
    dao::EjecutarGuion(*db, "ALTER TABLE " + tabla + " RENAME TO VIEJA; " + sql + "; INSERT INTO " + tabla +
                                " SELECT *, 0 FROM VIEJA; DROP TABLE VIEJA;");
    db->Close();
}

CerrojoEscritura::CerrojoEscritura(const std::string& ruta, int ms) {
    std::promise<void> tomado;
    auto listo = tomado.get_future();
    hilo_ = std::thread([ruta, ms, tomado = std::move(tomado), fin = fin_.get_future()]() mutable {
        std::shared_ptr<dao::Database> db;
        try {
            db = dao::DBEngine::Instancia().OpenDatabase(ruta);
            db->Execute("BEGIN EXCLUSIVE");
        } catch (...) {
            tomado.set_exception(std::current_exception());
            return;
        }
        tomado.set_value();
        if (ms >= 0)
            fin.wait_for(std::chrono::milliseconds(ms));
        else
            fin.wait();
        db->Rollback();
        db->Close();
    });
    try {
        listo.get();
    } catch (...) {
        hilo_.join();
        throw;
    }
}

CerrojoEscritura::~CerrojoEscritura() {
    fin_.set_value();
    hilo_.join();
}

namespace {

// Opens the file through `real`, then gives it `metodos`: the real file methods (taken from the
// first file opened, which every file of the system's layer shares) with some changed by `cambiar`.
template <class Cambiar>
int AbrirCambiado(sqlite3_vfs* real, const char* nombre, sqlite3_file* f, int flags, int* salida,
                  const sqlite3_io_methods*& reales, sqlite3_io_methods& metodos, Cambiar cambiar) {
    const int rc = real->xOpen(real, nombre, f, flags, salida);
    if (rc != SQLITE_OK || !f->pMethods) return rc;
    if (!reales) {
        reales = f->pMethods;
        metodos = *f->pMethods;
        cambiar(metodos);
    }
    if (f->pMethods == reales) f->pMethods = &metodos;
    return rc;
}

struct SinEsperas {
    inline static sqlite3_vfs* real = nullptr;
    inline static const sqlite3_io_methods* metodosReales = nullptr;
    inline static sqlite3_io_methods metodos{};
    inline static std::function<void()> trasConfirmar;
    inline static std::atomic<bool> confirmado = false;
    inline static std::function<void()> alPedirLectura;
    inline static std::atomic<int> lecturasHastaAccion = 0;

    static int Escribir(sqlite3_file* f, const void* datos, int n, sqlite3_int64 donde) {
        return CapaSinEsperas::lleno ? SQLITE_FULL : metodosReales->xWrite(f, datos, n, donde);
    }
    static int Bloquear(sqlite3_file* f, int nivel) {
        if (nivel == SQLITE_LOCK_SHARED && confirmado.exchange(false) && trasConfirmar)
            std::exchange(trasConfirmar, {})();
        if (nivel == SQLITE_LOCK_SHARED && lecturasHastaAccion > 0 && --lecturasHastaAccion == 0)
            std::exchange(alPedirLectura, {})();
        return metodosReales->xLock(f, nivel);
    }
    static int Borrar(sqlite3_vfs*, const char* nombre, int sincronizar) {
        const int rc = real->xDelete(real, nombre, sincronizar);
        if (rc == SQLITE_OK && std::string_view(nombre).ends_with("-journal")) confirmado = true;
        return rc;
    }
    static int Abrir(sqlite3_vfs*, const char* nombre, sqlite3_file* f, int flags, int* salida) {
        return AbrirCambiado(real, nombre, f, flags, salida, metodosReales, metodos, [](sqlite3_io_methods& m) {
            m.xWrite = Escribir;
            m.xLock = Bloquear;
        });
    }
};

}  // namespace

CapaSinEsperas::CapaSinEsperas() {
    static sqlite3_vfs* real = SinEsperas::real = sqlite3_vfs_find(nullptr);
    static sqlite3_vfs capa = [] {
        sqlite3_vfs v;
        std::memcpy(&v, real, sizeof v);
        v.zName = "capa_sin_esperas";
        v.xOpen = SinEsperas::Abrir;
        v.xDelete = SinEsperas::Borrar;
        v.xSleep = [](sqlite3_vfs*, int microsegundos) { return microsegundos; };
        return v;
    }();
    sqlite3_vfs_register(&capa, 1);
}

void CapaSinEsperas::TrasConfirmar(std::function<void()> accion) {
    SinEsperas::confirmado = false;
    SinEsperas::trasConfirmar = std::move(accion);
}

void CapaSinEsperas::AlPedirLectura(int n, std::function<void()> accion) {
    SinEsperas::lecturasHastaAccion = 0;
    SinEsperas::alPedirLectura = std::move(accion);
    SinEsperas::lecturasHastaAccion = n;
}

CapaSinEsperas::~CapaSinEsperas() {
    lleno = false;
    SinEsperas::trasConfirmar = {};
    SinEsperas::lecturasHastaAccion = 0;
    SinEsperas::alPedirLectura = {};
    sqlite3_vfs_register(SinEsperas::real, 1);
}

struct CapaAlBorrar::Capa {
    sqlite3_vfs vfs{};
    sqlite3_vfs* real = nullptr;
    AlBorrar alBorrar;
    inline static Capa* actual = nullptr;
    static int Borrar(sqlite3_vfs*, const char* nombre, int sincronizar) {
        actual->alBorrar(nombre, sincronizar);
        return actual->real->xDelete(actual->real, nombre, sincronizar);
    }
};

CapaAlBorrar::CapaAlBorrar(AlBorrar alBorrar) : capa_(new Capa) {
    capa_->alBorrar = std::move(alBorrar);
    std::memcpy(&capa_->vfs, capa_->real = sqlite3_vfs_find(nullptr), sizeof capa_->vfs);
    capa_->vfs.zName = "capa_al_borrar";
    capa_->vfs.xDelete = Capa::Borrar;
    Capa::actual = capa_;
    sqlite3_vfs_register(&capa_->vfs, 1);
}

CapaAlBorrar::~CapaAlBorrar() {
    sqlite3_vfs_unregister(&capa_->vfs);
    Capa::actual = nullptr;
    delete capa_;
}

namespace {

struct Mortal {
    inline static sqlite3_vfs vfs{};
    inline static sqlite3_vfs* real = nullptr;
    inline static const sqlite3_io_methods* metodosReales = nullptr;
    inline static sqlite3_io_methods metodos{};
    inline static std::atomic<int> pasos = 0;

    static int Escribir(sqlite3_file* f, const void* datos, int n, sqlite3_int64 donde) {
        CapaMortal::Paso();
        return metodosReales->xWrite(f, datos, n, donde);
    }
    static int Truncar(sqlite3_file* f, sqlite3_int64 tamano) {
        CapaMortal::Paso();
        return metodosReales->xTruncate(f, tamano);
    }
    static int Sincronizar(sqlite3_file* f, int flags) {
        CapaMortal::Paso();
        return metodosReales->xSync(f, flags);
    }
    static int Borrar(sqlite3_vfs*, const char* nombre, int sincronizar) {
        CapaMortal::Paso();
        return real->xDelete(real, nombre, sincronizar);
    }
    static int Abrir(sqlite3_vfs*, const char* nombre, sqlite3_file* f, int flags, int* salida) {
        return AbrirCambiado(real, nombre, f, flags, salida, metodosReales, metodos, [](sqlite3_io_methods& m) {
            m.xWrite = Escribir;
            m.xTruncate = Truncar;
            m.xSync = Sincronizar;
        });
    }
};

}  // namespace

CapaMortal::CapaMortal(int pasos) {
    Mortal::pasos = pasos;
    std::memcpy(&Mortal::vfs, Mortal::real = sqlite3_vfs_find(nullptr), sizeof Mortal::vfs);
    Mortal::vfs.zName = "capa_mortal";
    Mortal::vfs.xOpen = Mortal::Abrir;
    Mortal::vfs.xDelete = Mortal::Borrar;
    sqlite3_vfs_register(&Mortal::vfs, 1);
}

CapaMortal::~CapaMortal() {
    sqlite3_vfs_unregister(&Mortal::vfs);
    Mortal::pasos = 0;
}

void CapaMortal::Paso() {
    if (Mortal::pasos > 0 && --Mortal::pasos == 0) raise(SIGKILL);
}

namespace {

// Forks a child that runs `escribir`, calling `alConfirmar` at the last moment of its commit (its
// journal about to be deleted).
pid_t EscribirEnHijo(const std::function<void()>& escribir, const std::function<void()>& alConfirmar) {
    const pid_t pid = fork();
    if (pid < 0) throw std::runtime_error("fork");
    if (pid == 0) {
        CapaAlBorrar capa([&](const std::string& nombre, int) {
            if (nombre.ends_with("-journal")) alConfirmar();
        });
        try {
            escribir();
        } catch (...) {
            _exit(3);
        }
        _exit(0);
    }
    return pid;
}

}  // namespace

void MatarAlConfirmar(const std::function<void()>& escribir) {
    const pid_t pid = EscribirEnHijo(escribir, [] { raise(SIGKILL); });
    int estado = 0;
    waitpid(pid, &estado, 0);
    if (!WIFSIGNALED(estado) || WTERMSIG(estado) != SIGKILL) throw std::runtime_error("the write was not killed");
}

GuardadoDetenido::GuardadoDetenido(const std::function<void()>& escribir) {
    int listo[2], seguir[2];
    if (pipe2(listo, O_CLOEXEC) != 0 || pipe2(seguir, O_CLOEXEC) != 0) throw std::runtime_error("pipe");
    pid_ = EscribirEnHijo(escribir, [&] {
        close(listo[0]), close(seguir[1]);
        char c = 'x';
        if (write(listo[1], &c, 1) != 1 || read(seguir[0], &c, 1) < 0) _exit(4);
    });
    close(listo[1]), close(seguir[0]);
    seguir_ = seguir[1];
    char c;
    const bool detenido = read(listo[0], &c, 1) == 1;
    close(listo[0]);
    if (!detenido) {
        Seguir();
        waitpid(pid_, nullptr, 0);
        throw std::runtime_error("the write did not reach its commit");
    }
}

void GuardadoDetenido::Seguir() {
    if (seguir_ >= 0) close(std::exchange(seguir_, -1));
}

GuardadoDetenido::~GuardadoDetenido() {
    Seguir();
    waitpid(pid_, nullptr, 0);
}
