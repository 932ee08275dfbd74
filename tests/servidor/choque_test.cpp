// A process that saves and deletes declarations is killed at random moments; after each kill the
// database must be whole and consistent: every declaration complete, every counter right.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <iostream>
#include <random>
#include <string>
#include <utility>

#include "servidor/utiles_prueba.h"

namespace {

// What the child tells the parent after each finished step, and before a delete (two calls a
// kill may fall between) with the key it is deleting.
struct Aviso {
    char tipo;  // 'g' saved, 'B' deleting, 'b' deleted, 'E' failed
    vb::Long clave;
};

void Avisar(int fd, char tipo, vb::Long clave = 0) {
    const Aviso a{tipo, clave};
    if (write(fd, &a, sizeof a) != sizeof a) _exit(2);
}

// Saves new declarations, rewrites and deletes stored ones of two taxpayers, for ever.
[[noreturn]] void Trabajar(const std::string& ruta, int fd, unsigned semilla) {
    try {
        std::mt19937 azar(semilla);
        auto s = prueba::Servicio(ruta);
        for (int paso = 1;; ++paso) {
            vb::Long csco = 1 + static_cast<vb::Long>(azar() % 2);
            vb::Variant lista;
            const vb::Long n = s->dameResultado(lista, csco);
            const unsigned accion = azar() % 10;
            const vb::Long fila = n > 0 ? static_cast<vb::Long>(azar() % n) : 0;
            std::string modelo = n > 0 ? lista(4, fila).CStr() : (accion % 2 ? "731" : "732");
            vb::Long k = n > 0 ? lista(0, fila).CLng() : 0;
            if (n > 0 && (accion < 3 || n > 12)) {
                Avisar(fd, 'B', k);
                s->BorrarDatosNoComunes(k, modelo);
                s->BorrarDeclaracion(k);
                Avisar(fd, 'b');
                continue;
            }
            if (n == 0 || accion >= 5) modelo = accion % 2 ? "731" : "732", k = 0;  // a new one
            vb::Variant b = prueba::BufferGuardar(modelo, k, csco, paso);
            modelo == "731" ? s->Guardar731(b) : s->Guardar732(b);
            Avisar(fd, 'g');
        }
    } catch (...) {
        Avisar(fd, 'E');
    }
    _exit(1);
}

struct Progreso {
    int pasos = 0;
    vb::Long borrando = 0;  // a delete announced and not finished
    bool fallo = false;

    // One message of the child; false once the pipe is closed and empty.
    bool Leer(int fd) {
        Aviso a;
        if (read(fd, &a, sizeof a) != sizeof a) return false;
        if (a.tipo == 'B') borrando = a.clave;
        if (a.tipo == 'b') borrando = 0;
        pasos += a.tipo == 'g' || a.tipo == 'b';
        fallo |= a.tipo == 'E';
        return true;
    }
};

void Comprobar(const std::string& ruta, vb::Long borrando) {
    {
        prueba::Lectura l(ruta);
        ASSERT_EQ(l.Valor("PRAGMA integrity_check").CStr(), "ok");
        // A delete cut between its two calls leaves the header without its detail; the
        // program's next delete of it finishes the job.
        if (borrando && l.Contar("SELECT count(*) FROM T02_COMUNDECLA WHERE T02_CSDE=? AND T02_CSDE NOT IN "
                                 "(SELECT T03_CSDE FROM T03_731DECLA UNION SELECT T04_CSDE FROM T04_732DECLA)",
                                 {borrando}) == 1) {
            l.BD().Close();
            prueba::Servicio(ruta)->BorrarDeclaracion(borrando);
        }
    }
    const std::pair<const char*, const char*> reglas[] = {
        {"a header without its one detail row",
         "SELECT count(*) FROM T02_COMUNDECLA h WHERE (SELECT count(*) FROM T03_731DECLA WHERE T03_CSDE = "
         "h.T02_CSDE) <> (h.T02_MODELO = '731') OR (SELECT count(*) FROM T04_732DECLA WHERE T04_CSDE = h.T02_CSDE) "
         "<> (h.T02_MODELO = '732')"},
        {"a detail row without its header",
         "SELECT (SELECT count(*) FROM T03_731DECLA WHERE T03_CSDE NOT IN (SELECT T02_CSDE FROM T02_COMUNDECLA)) + "
         "(SELECT count(*) FROM T04_732DECLA WHERE T04_CSDE NOT IN (SELECT T02_CSDE FROM T02_COMUNDECLA))"},
        {"a counter out of step",
         "SELECT count(*) FROM T01_DECLARANTES t WHERE T01_NUM731 <> (SELECT count(*) FROM T02_COMUNDECLA WHERE "
         "T02_CSCO = t.T01_CSCO AND T02_MODELO = '731') OR T01_NUM732 <> (SELECT count(*) FROM T02_COMUNDECLA "
         "WHERE T02_CSCO = t.T01_CSCO AND T02_MODELO = '732')"}};
    prueba::Lectura l(ruta);
    for (auto [fallo, sql] : reglas) EXPECT_EQ(l.Contar(sql), 0) << fallo;
}

TEST(Choque, MatarAlQueGuardaYBorraNuncaDejaLaBaseAMedias) {
    BdPrueba bd;
    prueba::DosDeclarantes(bd.Mod());
    const unsigned semilla = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(semilla));
    std::mt19937 azar(semilla);
    int pasos = 0, conDiario = 0;

    for (int ronda = 0; ronda < 30; ++ronda) {
        int tubo[2];
        ASSERT_EQ(pipe(tubo), 0);
        pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            close(tubo[0]);
            Trabajar(bd.Mod(), tubo[1], semilla + static_cast<unsigned>(ronda));
        }
        close(tubo[1]);
        // The kill falls after a random number of steps, at a random moment of the next one
        // (as long as the last step took).
        Progreso p;
        const int objetivo = 1 + static_cast<int>(azar() % 8);
        auto anterior = std::chrono::steady_clock::now(), ultimo = anterior;
        while (p.pasos < objetivo && !p.fallo && p.Leer(tubo[0]))
            anterior = std::exchange(ultimo, std::chrono::steady_clock::now());
        const auto paso = std::chrono::duration_cast<std::chrono::microseconds>(ultimo - anterior).count();
        usleep(static_cast<useconds_t>(azar() % (paso + 1)));
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        while (p.Leer(tubo[0])) continue;
        close(tubo[0]);
        ASSERT_FALSE(p.fallo) << "round " << ronda << ": the child's operation failed";
        pasos += p.pasos;
        if (std::filesystem::exists(bd.Mod() + "-journal")) ++conDiario;
        Comprobar(bd.Mod(), p.borrando);
        if (HasFailure()) FAIL() << "round " << ronda;
    }
    std::cout << "[ choque ] " << pasos << " steps, " << conDiario << " of 30 kills inside a write\n";
}

}  // namespace
