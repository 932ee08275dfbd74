// A process that saves, rewrites and deletes taxpayers and declarations of both forms, through the
// library's public classes and through the program's own delete (EliminarDeclaracion), is killed
// at random moments; after each kill the database must be whole and consistent: every declaration
// complete with its owner, every counter equal to the real count.
// The ordinary run makes 30 kills; OXALDE_CHOQUES=300 (scripts/resistencia.sh) makes a soak run.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <random>
#include <string>
#include <utility>

#include "registro.h"
#include "servicios/cDeclarante.h"
#include "servidor/utiles_prueba.h"
#include "compartido/general.h"
#include "compartido/procedimientos.h"

namespace {

int Rondas() {
    const char* n = std::getenv("OXALDE_CHOQUES");
    return n && std::atoi(n) > 0 ? std::atoi(n) : 30;
}

// What the child tells the parent after each finished step.
enum Aviso : char { kPaso = 'g', kFallo = 'E' };

void Avisar(int fd, Aviso a) {
    if (write(fd, &a, 1) != 1) _exit(2);
}

// The child's work: one random operation per step, for ever.
class Trabajo {
public:
    Trabajo(const std::string& ruta, unsigned semilla) : azar_(semilla), declaraciones_(prueba::Servicio(ruta)) {
        declarantes_ = com::CreateObject<brunsel::cDeclarante>("Brunsel.cDeclarante");
        declarantes_->mdbnameM(ruta);
    }

    void Paso(int paso) {
        vb::Variant lista;
        vb::Integer orden = 1;
        const vb::Long n = declarantes_->dameResultadoExportar(lista, orden);
        const unsigned accion = azar_() % 20;
        if (n == 0 || accion == 0) return Alta();
        vb::Long csco = lista(0, static_cast<vb::Long>(azar_() % n)).CLng();
        if (accion == 1) return Modificar(csco);
        if (accion == 2 && n > 1) return void(declarantes_->BorrarDeclarante(csco));
        Declaracion(csco, paso);
    }

private:
    std::mt19937 azar_;
    std::shared_ptr<brunsel::cDeclaracion> declaraciones_;
    std::shared_ptr<brunsel::cDeclarante> declarantes_;

    void Alta() {
        auto b = vb::Variant::Array1(0, 16);
        b(0) = vb::Long(0);
        char nif[10];
        std::snprintf(nif, sizeof nif, "D%08u", static_cast<unsigned>(azar_() % 100000000));
        b(1) = std::string(nif), b(2) = std::string("CHOQUE ") + nif;
        declarantes_->GuardarDeclarante(b);
    }

    // The window's buffer, loaded now and saved with other counters: they must not count.
    void Modificar(vb::Long csco) {
        vb::Variant b;
        declarantes_->CargarDeclarante(csco, b);
        b(2) = b(2).CStr() + "+";
        if (b(2).CStr().size() > 40) b(2) = std::string("CHOQUE");
        b(15) = vb::Long(azar_() % 9), b(16) = vb::Long(azar_() % 9);
        declarantes_->GuardarDeclarante(b);
    }

    void Declaracion(vb::Long csco, int paso) {
        vb::Variant lista;
        const vb::Long n = declaraciones_->dameResultado(lista, csco);
        const unsigned accion = azar_() % 10;
        const vb::Long fila = n > 0 ? static_cast<vb::Long>(azar_() % n) : 0;
        std::string modelo = n > 0 ? lista(4, fila).CStr() : (accion % 2 ? "731" : "732");
        vb::Long k = n > 0 ? lista(0, fila).CLng() : 0;
        if (n > 0 && (accion < 3 || n > 12)) {
            if (accion % 2)
                oxalde::EliminarDeclaracion(k, QString::fromStdString(modelo));
            else
                declaraciones_->BorrarDatosNoComunes(k, modelo), declaraciones_->BorrarDeclaracion(k);
            return;
        }
        if (n == 0 || accion >= 5) modelo = accion % 2 ? "731" : "732", k = 0;  // a new one
        vb::Variant b = prueba::BufferGuardar(modelo, k, csco, paso);
        modelo == "731" ? declaraciones_->Guardar731(b) : declaraciones_->Guardar732(b);
    }
};

[[noreturn]] void Trabajar(const std::string& ruta, int fd, unsigned semilla) {
    try {
        Trabajo trabajo(ruta, semilla);
        for (int paso = 1;; ++paso) {
            trabajo.Paso(paso);
            Avisar(fd, kPaso);
        }
    } catch (...) {
        Avisar(fd, kFallo);
    }
    _exit(1);
}

// The rules a database must keep after any kill; answers how many it breaks.
int Infracciones(const std::string& ruta) {
    const std::pair<const char*, const char*> reglas[] = {
        {"the engine's integrity check", "SELECT (SELECT integrity_check FROM pragma_integrity_check) <> 'ok'"},
        {"a header without its one detail row",
         "SELECT count(*) FROM T02_COMUNDECLA h WHERE (SELECT count(*) FROM T03_731DECLA WHERE T03_CSDE = "
         "h.T02_CSDE) <> (h.T02_MODELO = '731') OR (SELECT count(*) FROM T04_732DECLA WHERE T04_CSDE = h.T02_CSDE) "
         "<> (h.T02_MODELO = '732')"},
        {"a detail row without its header",
         "SELECT (SELECT count(*) FROM T03_731DECLA WHERE T03_CSDE NOT IN (SELECT T02_CSDE FROM T02_COMUNDECLA)) + "
         "(SELECT count(*) FROM T04_732DECLA WHERE T04_CSDE NOT IN (SELECT T02_CSDE FROM T02_COMUNDECLA))"},
        {"a header without its taxpayer",
         "SELECT count(*) FROM T02_COMUNDECLA WHERE T02_CSCO NOT IN (SELECT T01_CSCO FROM T01_DECLARANTES)"},
        {"a counter out of step",
         "SELECT count(*) FROM T01_DECLARANTES t WHERE T01_NUM731 <> (SELECT count(*) FROM T02_COMUNDECLA WHERE "
         "T02_CSCO = t.T01_CSCO AND T02_MODELO = '731') OR T01_NUM732 <> (SELECT count(*) FROM T02_COMUNDECLA "
         "WHERE T02_CSCO = t.T01_CSCO AND T02_MODELO = '732')"}};
    prueba::Lectura l(ruta);
    int infracciones = 0;
    for (auto [regla, sql] : reglas) {
        const vb::Long n = l.Contar(sql);
        if (n != 0) std::cout << "[ choque ] violation: " << regla << " (" << n << ")\n";
        infracciones += n != 0;
    }
    return infracciones;
}

struct Ronda {
    int pasos = 0;
    bool fallo = false;

    // One message of the child; false once the pipe is closed and empty.
    bool Leer(int fd) {
        char a;
        if (read(fd, &a, 1) != 1) return false;
        pasos += a == kPaso;
        fallo |= a == kFallo;
        return true;
    }
};

TEST(Choque, MatarAlQueGuardaYBorraNuncaDejaLaBaseAMedias) {
    BdPrueba bd;
    prueba::DosDeclarantes(bd.Mod());
    brunsel::RegistrarClases();
    oxalde::RutaBDModificable = QString::fromStdString(bd.Mod());
    const unsigned semilla = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(semilla));
    std::mt19937 azar(semilla);
    const int rondas = Rondas();
    int pasos = 0, conDiario = 0, infracciones = 0;

    for (int ronda = 0; ronda < rondas; ++ronda) {
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
        Ronda r;
        const int objetivo = 1 + static_cast<int>(azar() % 8);
        auto anterior = std::chrono::steady_clock::now(), ultimo = anterior;
        while (r.pasos < objetivo && !r.fallo && r.Leer(tubo[0]))
            anterior = std::exchange(ultimo, std::chrono::steady_clock::now());
        const auto paso = std::chrono::duration_cast<std::chrono::microseconds>(ultimo - anterior).count();
        usleep(static_cast<useconds_t>(azar() % (paso + 1)));
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        while (r.Leer(tubo[0])) continue;
        close(tubo[0]);
        ASSERT_FALSE(r.fallo) << "round " << ronda << ": the child's operation failed";
        pasos += r.pasos;
        if (std::filesystem::exists(bd.Mod() + "-journal")) ++conDiario;
        const int estas = Infracciones(bd.Mod());
        if (estas) std::cout << "[ choque ] round " << ronda << ": " << estas << " rules broken\n";
        infracciones += estas;
    }
    oxalde::RutaBDModificable.clear();
    std::cout << "[ choque ] " << rondas << " kills, " << pasos << " steps, " << conDiario
              << " inside a write, " << infracciones << " violations\n";
    EXPECT_EQ(infracciones, 0);
}

}  // namespace
