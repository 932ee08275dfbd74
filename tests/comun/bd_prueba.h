#pragma once
// A throw-away folder holding fresh copies of both databases, built from the delivered SQL text.
#include <sys/types.h>

#include <atomic>
#include <functional>
#include <future>
#include <string>
#include <thread>

class BdPrueba {
public:
    BdPrueba();
    ~BdPrueba();
    BdPrueba(const BdPrueba&) = delete;
    BdPrueba& operator=(const BdPrueba&) = delete;

    const std::string& Dir() const { return dir_; }
    std::string Mod() const { return dir_ + "/731_2Mod.mdb"; }
    std::string Lec() const { return dir_ + "/731_2Lec.mdb"; }

    // Runs SQL text on a file of this folder (to set up a case).
    static void Ejecutar(const std::string& ruta, const std::string& sql);
    // Overwrites the root page of a table with other bytes, as a failing disk would: the file
    // still opens and its schema reads, the table does not.
    static void DanarTabla(const std::string& ruta, const std::string& tabla);
    // Rewrites `de` as `a` (same length) inside the root page of a table, not in its indexes, as a
    // failing disk would: the row then disagrees with its index while every page stays readable.
    static void CambiarEnTabla(const std::string& ruta, const std::string& tabla, const std::string& de,
                               const std::string& a);
    // Rebuilds a table with one more column, NOT NULL and without a default, keeping its rows.
    static void AnadirColumnaObligatoria(const std::string& ruta, const std::string& tabla);

private:
    std::string dir_;
};

std::string LeerTexto(const std::string& ruta);

// Another connection holding the file's write lock (the engine's exclusive lock, taken when the
// object is made), from a thread of its own: until the object is destroyed, or for `ms`
// milliseconds when given.
class CerrojoEscritura {
public:
    explicit CerrojoEscritura(const std::string& ruta, int ms = -1);
    ~CerrojoEscritura();
    CerrojoEscritura(const CerrojoEscritura&) = delete;
    CerrojoEscritura& operator=(const CerrojoEscritura&) = delete;

private:
    std::promise<void> fin_;
    std::thread hilo_;
};

// The engine's file layer as the default while it lives, with two changes for the connections
// opened meanwhile: its waits take no time (a lock met is reported at once, after the same number
// of tries as always), and while `lleno` is set every write answers that the disk is full. The
// layer itself stays registered for the run: connections the library keeps open still use it.
class CapaSinEsperas {
public:
    inline static std::atomic<bool> lleno = false;
    // Runs `accion` once, the first time a lock is asked for after a write has been committed (its
    // journal deleted) from now on: another program acting between a save and the next call.
    static void TrasConfirmar(std::function<void()> accion);
    // Runs `accion` once, when the `n`-th lock for reading (from none) is asked for from now on,
    // before it is taken: another program taking the file at that point of a sequence of reads.
    static void AlPedirLectura(int n, std::function<void()> accion);
    CapaSinEsperas();
    ~CapaSinEsperas();
    CapaSinEsperas(const CapaSinEsperas&) = delete;
    CapaSinEsperas& operator=(const CapaSinEsperas&) = delete;
};

// The system's file layer as the engine's default while it lives, calling `alBorrar` with the name
// of each file the engine deletes and whether it asked for the folder to be synced afterwards,
// before the file is deleted.
class CapaAlBorrar {
public:
    using AlBorrar = std::function<void(const std::string& nombre, int sincronizarCarpeta)>;
    explicit CapaAlBorrar(AlBorrar alBorrar);
    ~CapaAlBorrar();
    CapaAlBorrar(const CapaAlBorrar&) = delete;
    CapaAlBorrar& operator=(const CapaAlBorrar&) = delete;

private:
    struct Capa;
    Capa* capa_;
};

// The engine's file layer as the default while it lives, with every write, truncation, sync and
// deletion it asks for counted as a step (Paso) before it is done: at the `pasos`-th step the
// process is killed (SIGKILL), as a power cut or a user ending the program would stop it there.
// For a child process: made in the parent, it would kill the test run.
class CapaMortal {
public:
    explicit CapaMortal(int pasos);
    ~CapaMortal();
    CapaMortal(const CapaMortal&) = delete;
    CapaMortal& operator=(const CapaMortal&) = delete;
    // One step more, of the engine's or of the code under test's own.
    static void Paso();
};

// A write to a database killed (SIGKILL) in a child process at the last moment of its commit:
// the file holds the new pages, written and synced, and the journal that undoes them is still
// beside it, as a kill or a power cut during a save leaves them. `escribir` runs in the child.
void MatarAlConfirmar(const std::function<void()>& escribir);

// The same write stopped there instead, its child alive and holding the file's write lock, as
// another copy of the program in the middle of a save, until `Seguir` lets it finish.
class GuardadoDetenido {
public:
    explicit GuardadoDetenido(const std::function<void()>& escribir);
    ~GuardadoDetenido();
    GuardadoDetenido(const GuardadoDetenido&) = delete;
    GuardadoDetenido& operator=(const GuardadoDetenido&) = delete;
    void Seguir();
    // The descriptor (closed on exec) to which one byte written lets the save go on.
    int DescriptorSeguir() const { return seguir_; }

private:
    int seguir_ = -1;
    pid_t pid_ = -1;
};
