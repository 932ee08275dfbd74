// A process that saves, rewrites and deletes taxpayers and declarations of both forms, through the
// library's public classes and through the program's own delete (EliminarDeclaracion), is killed
// at random moments; after each kill the program's own start-up check must accept the files as the
// kill left them, and the database must be whole and consistent (every declaration
// complete with its owner, every counter equal to the real count) and hold exactly the calls
// that returned before the kill, the one under way either whole or not at all. A process importing
// an exchange file is killed the same way: the register must be whole, and the error file must
// already say what was refused up to the line the import had reached.
// The ordinary run makes 30 kills (and 10 during an import); OXALDE_CHOQUES=300
// (scripts/resistencia.sh) makes a soak run.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <random>
#include <string>
#include <type_traits>
#include <utility>

#include <QByteArray>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <set>

#include "cliente/ficheros_prueba.h"
#include "intercambio/importacion.h"
#include "servicios/registro.h"
#include "servicios/cDeclarante.h"
#include "servidor/utiles_prueba.h"
#include "compartido/general.h"
#include "compartido/procedimientos.h"
#include "principal/arranque.h"

namespace {

int Rondas() {
    const char* n = std::getenv("OXALDE_CHOQUES");
    return n && std::atoi(n) > 0 ? std::atoi(n) : 30;
}

// The child tells the parent, one line per message, about every call that writes: "S <call>"
// before it starts and "D <result>" once it has returned; "E" when one failed. A call is
//   A <nif> <name>                a new taxpayer; result 0 when it was added
//   M <nif> <name>                the taxpayer's name rewritten
//   B <nif>                       the taxpayer deleted with its declarations
//   X <key>                       the declaration deleted
//   G <form> <key> <nif> <step>   a declaration saved (key 0: a new one); result its key
void Avisar(int fd, const std::string& linea) {
    const std::string texto = linea + "\n";
    if (write(fd, texto.data(), texto.size()) != static_cast<ssize_t>(texto.size())) _exit(2);
}

// The value a saved declaration carries for its step, and the detail column that holds it.
struct Marca {
    std::string columna;
    double valor;
};
Marca MarcaDe(const std::string& modelo, int paso) {
    const auto columnas = prueba::Detalle(modelo);
    for (size_t i = 0; i < columnas.size(); ++i)
        if (columnas[i].tipo == brunsel::TipoCampo::Long)
            return {columnas[i].nombre, prueba::ValorDetalle(columnas[i].tipo, static_cast<int>(i), paso).CDbl()};
    throw std::logic_error("no whole-number column");
}

// What the database holds, as the calls see it: taxpayers by NIF, declarations by key.
struct Declaracion {
    std::string nif, modelo;
    double marca = 0;
    auto operator<=>(const Declaracion&) const = default;
};
struct Estado {
    std::map<std::string, std::string> declarantes;  // NIF -> name
    std::map<vb::Long, Declaracion> declaraciones;
    bool operator==(const Estado&) const = default;
};

Estado Leer(const std::string& ruta) {
    prueba::Lectura l(ruta);
    Estado e;
    for (auto rs = l.BD().OpenRecordset("SELECT T01_DNI, T01_NOMBRE FROM T01_DECLARANTES"); !rs->Eof(); rs->MoveNext())
        e.declarantes[rs->Fields(0).CStr()] = rs->Fields(1).CStr();
    const std::string sql = "SELECT T02_CSDE, T01_DNI, T02_MODELO, CASE T02_MODELO WHEN '731' THEN (SELECT " +
                            MarcaDe("731", 0).columna + " FROM T03_731DECLA WHERE T03_CSDE = T02_CSDE) ELSE (SELECT " +
                            MarcaDe("732", 0).columna + " FROM T04_732DECLA WHERE T04_CSDE = T02_CSDE) END "
                            "FROM T02_COMUNDECLA LEFT JOIN T01_DECLARANTES ON T01_CSCO = T02_CSCO";
    for (auto rs = l.BD().OpenRecordset(sql); !rs->Eof(); rs->MoveNext())
        e.declaraciones[rs->Fields(0).CLng()] = {rs->Fields(1).CStr(), rs->Fields(2).CStr(),
                                                 rs->Fields(3).IsNull() ? -1 : rs->Fields(3).CDbl()};
    return e;
}

// The state after one call, given its result. A new declaration's key is the result.
void Aplicar(Estado& e, const std::string& llamada, const std::string& resultado) {
    std::istringstream in(llamada);
    char tipo;
    std::string nif, modelo;
    in >> tipo;
    if (tipo == 'A' || tipo == 'M') {
        std::string nombre;
        in >> nif >> std::ws;
        std::getline(in, nombre);
        if (tipo == 'M' || resultado == "0") e.declarantes[nif] = nombre;
    } else if (tipo == 'B') {
        in >> nif;
        e.declarantes.erase(nif);
        std::erase_if(e.declaraciones, [&](const auto& d) { return d.second.nif == nif; });
    } else if (tipo == 'X') {
        vb::Long k;
        in >> k;
        e.declaraciones.erase(k);
    } else if (tipo == 'G') {
        vb::Long k;
        int paso;
        in >> modelo >> k >> nif >> paso;
        const vb::Long clave = std::stol(resultado);
        if (clave != 0) e.declaraciones[clave] = {nif, modelo, MarcaDe(modelo, paso).valor};
    }
}

// The result a call under way would have given had it returned: a declaration saved again keeps
// its key, a new one has a key the expected state does not hold.
std::string ResultadoVisto(const Estado& esperado, const Estado& real, const std::string& llamada) {
    if (llamada[0] == 'A') return "0";
    if (llamada[0] != 'G') return "";
    std::istringstream in(llamada.substr(2));
    std::string modelo;
    vb::Long k = 0;
    in >> modelo >> k;
    if (k != 0) return std::to_string(k);
    for (const auto& [clave, d] : real.declaraciones)
        if (!esperado.declaraciones.contains(clave)) return std::to_string(clave);
    return "0";
}

// Whether the database holds every call that returned and nothing of a call that never started:
// the state after the calls that returned, or that state with the call under way done as well.
bool SoloLlamadasHechas(const Estado& real, const Estado& esperado, const std::optional<std::string>& enCurso) {
    if (real == esperado) return true;
    if (!enCurso) return false;
    Estado tras = esperado;
    Aplicar(tras, *enCurso, ResultadoVisto(esperado, real, *enCurso));
    return real == tras;
}

// The child's work: one random operation per step, for ever.
class Trabajo {
public:
    Trabajo(const std::string& ruta, unsigned semilla, int fd)
        : azar_(semilla), fd_(fd), declaraciones_(prueba::Servicio(ruta)) {
        declarantes_ = com::CreateObject<brunsel::cDeclarante>("Brunsel.cDeclarante");
        declarantes_->mdbnameM(ruta);
    }

    void Paso(int paso) {
        vb::Variant lista;
        vb::Integer orden = 1;
        const vb::Long n = declarantes_->dameResultadoExportar(lista, orden);
        const unsigned accion = azar_() % 20;
        if (n == 0 || accion == 0) return Alta();
        const vb::Long fila = static_cast<vb::Long>(azar_() % n);
        vb::Long csco = lista(0, fila).CLng();
        const std::string nif = lista(1, fila).CStr();
        if (accion == 1) return Modificar(csco);
        if (accion == 2 && n > 1) return Llamada("B " + nif, [&] { declarantes_->BorrarDeclarante(csco); });
        Declaracion(csco, nif, paso);
    }

private:
    std::mt19937 azar_;
    int fd_;
    std::shared_ptr<brunsel::cDeclaracion> declaraciones_;
    std::shared_ptr<brunsel::cDeclarante> declarantes_;

    template <class F>
    void Llamada(const std::string& llamada, F&& f) {
        Avisar(fd_, "S " + llamada);
        if constexpr (std::is_void_v<decltype(f())>) {
            f();
            Avisar(fd_, "D");
        } else {
            Avisar(fd_, "D " + std::to_string(f()));
        }
    }

    void Alta() {
        auto b = vb::Variant::Array1(0, 16);
        b(0) = vb::Long(0);
        char nif[10];
        std::snprintf(nif, sizeof nif, "D%08u", static_cast<unsigned>(azar_() % 100000000));
        b(1) = std::string(nif), b(2) = std::string("CHOQUE ") + nif;
        Llamada("A " + b(1).CStr() + " " + b(2).CStr(), [&] { return declarantes_->GuardarDeclarante(b); });
    }

    // The window's buffer, loaded now and saved with other counters: they must not count.
    void Modificar(vb::Long csco) {
        vb::Variant b;
        declarantes_->CargarDeclarante(csco, b);
        b(2) = b(2).CStr() + "+";
        if (b(2).CStr().size() > 40) b(2) = std::string("CHOQUE");
        b(15) = vb::Long(azar_() % 9), b(16) = vb::Long(azar_() % 9);
        Llamada("M " + b(1).CStr() + " " + b(2).CStr(), [&] { return declarantes_->GuardarDeclarante(b); });
    }

    void Declaracion(vb::Long csco, const std::string& nif, int paso) {
        vb::Variant lista;
        const vb::Long n = declaraciones_->dameResultado(lista, csco);
        const unsigned accion = azar_() % 10;
        const vb::Long fila = n > 0 ? static_cast<vb::Long>(azar_() % n) : 0;
        std::string modelo = n > 0 ? lista(4, fila).CStr() : (accion % 2 ? "731" : "732");
        vb::Long k = n > 0 ? lista(0, fila).CLng() : 0;
        if (n > 0 && (accion < 3 || n > 12)) {
            const std::string borrar = "X " + std::to_string(k);
            if (accion % 2)
                return Llamada(borrar, [&] { oxalde::EliminarDeclaracion(k, QString::fromStdString(modelo)); });
            Llamada(borrar, [&] { declaraciones_->BorrarDatosNoComunes(k, modelo); });
            return Llamada(borrar, [&] { declaraciones_->BorrarDeclaracion(k); });
        }
        if (n == 0 || accion >= 5) modelo = accion % 2 ? "731" : "732", k = 0;  // a new one
        vb::Variant b = prueba::BufferGuardar(modelo, k, csco, paso);
        Llamada("G " + modelo + " " + std::to_string(k) + " " + nif + " " + std::to_string(paso), [&] {
            return modelo == "731" ? declaraciones_->Guardar731(b) : declaraciones_->Guardar732(b);
        });
    }
};

[[noreturn]] void Trabajar(const std::string& ruta, int fd, unsigned semilla) {
    try {
        Trabajo trabajo(ruta, semilla, fd);
        for (int paso = 1;; ++paso) trabajo.Paso(paso);
    } catch (...) {
        Avisar(fd, "E");
    }
    _exit(1);
}

// The program's own start-up check, on both files exactly as the kill left them (a journal beside
// the user's database included): a save cut short must never keep the program from starting.
int NoArranca() {
    try {
        oxalde::ComprobarBasesDatos();
        return 0;
    } catch (const oxalde::ErrorArranque& e) {
        std::cout << "[ choque ] violation: start-up refuses the files: " << e.Texto().toStdString() << "\n";
        return 1;
    }
}

// The rules a database must keep after any kill; answers how many it breaks. A counter is
// compared with IS NOT, so a Null counter breaks its rule too.
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
         "SELECT count(*) FROM T01_DECLARANTES t WHERE T01_NUM731 IS NOT (SELECT count(*) FROM T02_COMUNDECLA WHERE "
         "T02_CSCO = t.T01_CSCO AND T02_MODELO = '731') OR T01_NUM732 IS NOT (SELECT count(*) FROM T02_COMUNDECLA "
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

// What the parent knows of a round: the state the calls that returned leave, and the call under
// way.
struct Ronda {
    Estado esperado;
    std::optional<std::string> enCurso;
    int pasos = 0;
    bool fallo = false;
    FILE* tubo = nullptr;

    // One message of the child; false once the pipe is closed and empty.
    bool Leer() {
        char linea[256];
        if (!std::fgets(linea, sizeof linea, tubo)) return false;
        std::string m(linea);
        if (!m.empty() && m.back() == '\n') m.pop_back();
        if (m.starts_with("S ")) enCurso = m.substr(2);
        if (m == "D" || m.starts_with("D ")) {
            if (enCurso) Aplicar(esperado, *enCurso, m.size() > 2 ? m.substr(2) : "");
            enCurso.reset();
            ++pasos;
        }
        fallo |= m == "E";
        return true;
    }
};

// The checker itself, on databases doctored after the calls it was told about.
TEST(Choque, ElComprobadorVeContadoresNulosYLlamadasPerdidasOInventadas) {
    BdPrueba bd;
    prueba::DosDeclarantes(bd.Mod());
    const std::string nueva = "G 731 0 11111111H 7";
    const struct {
        const char* caso;
        const char* sql;
        std::optional<std::string> enCurso;
        bool infraccion, soloHechas;
    } casos[] = {
        {"sound", "", std::nullopt, false, true},
        {"a Null counter", "UPDATE T01_DECLARANTES SET T01_NUM731 = NULL WHERE T01_CSCO = 1", std::nullopt, true, true},
        {"a call that returned is missing", "DELETE FROM T01_DECLARANTES WHERE T01_CSCO = 2", std::nullopt, false,
         false},
        {"a call that never started is there", "UPDATE T01_DECLARANTES SET T01_NOMBRE = 'OTRO' WHERE T01_CSCO = 2",
         std::nullopt, false, false},
        {"the call under way is there", "UPDATE T01_DECLARANTES SET T01_NOMBRE = 'OTRO' WHERE T01_CSCO = 2",
         "M 22222222J OTRO", false, true},
        {"the call under way is not there", "", "M 22222222J OTRO", false, true},
        {"another call than the one under way", "UPDATE T01_DECLARANTES SET T01_NOMBRE = 'OTRO' WHERE T01_CSCO = 2",
         "M 22222222J NUEVO", false, false},
        {"a new declaration under way", "", nueva, false, true},
    };
    const Estado esperado = Leer(bd.Mod());
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.caso);
        BdPrueba copia;
        std::filesystem::copy_file(bd.Mod(), copia.Mod(), std::filesystem::copy_options::overwrite_existing);
        if (*caso.sql) BdPrueba::Ejecutar(copia.Mod(), caso.sql);
        EXPECT_EQ(Infracciones(copia.Mod()) != 0, caso.infraccion);
        EXPECT_EQ(SoloLlamadasHechas(Leer(copia.Mod()), esperado, caso.enCurso), caso.soloHechas);
    }
    // A new declaration saved by the call under way, with the step's value in its detail.
    auto servicio = prueba::Servicio(bd.Mod());
    vb::Variant b = prueba::BufferGuardar("731", 0, 1, 7);
    const vb::Long clave = servicio->Guardar731(b);
    EXPECT_TRUE(SoloLlamadasHechas(Leer(bd.Mod()), esperado, nueva));
    EXPECT_FALSE(SoloLlamadasHechas(Leer(bd.Mod()), esperado, "G 731 0 11111111H 8"));
    EXPECT_FALSE(SoloLlamadasHechas(Leer(bd.Mod()), esperado, std::nullopt));
    // The same declaration saved again by the call under way.
    const Estado guardada = Leer(bd.Mod());
    b = prueba::BufferGuardar("731", clave, 1, 9);
    servicio->Guardar731(b);
    const std::string otraVez = "G 731 " + std::to_string(clave) + " 11111111H 9";
    EXPECT_TRUE(SoloLlamadasHechas(Leer(bd.Mod()), guardada, otraVez));
    EXPECT_FALSE(SoloLlamadasHechas(Leer(bd.Mod()), guardada, std::nullopt));
}

TEST(Choque, MatarAlQueGuardaYBorraNuncaDejaLaBaseAMedias) {
    BdPrueba bd;
    prueba::DosDeclarantes(bd.Mod());
    brunsel::RegistrarClases();
    oxalde::RutaBDModificable = QString::fromStdString(bd.Mod());
    oxalde::RutaBDLectura = QString::fromStdString(bd.Lec());
    const unsigned semilla = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(semilla));
    std::mt19937 azar(semilla);
    const int rondas = Rondas();
    int pasos = 0, conDiario = 0, infracciones = 0, aMedias = 0;

    for (int ronda = 0; ronda < rondas; ++ronda) {
        // What the database holds before the child starts: read while it writes, the reader could
        // wait on its locks for longer than the engine waits.
        Ronda r;
        r.esperado = Leer(bd.Mod());
        int tubo[2];
        ASSERT_EQ(pipe(tubo), 0);
        pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            close(tubo[0]);
            Trabajar(bd.Mod(), tubo[1], semilla + static_cast<unsigned>(ronda));
        }
        close(tubo[1]);
        // The kill falls after a random number of calls, at a random moment of the next one (as
        // long as the last call took).
        r.tubo = fdopen(tubo[0], "r");
        const int objetivo = 1 + static_cast<int>(azar() % 8);
        auto anterior = std::chrono::steady_clock::now(), ultimo = anterior;
        while (r.pasos < objetivo && !r.fallo && r.Leer())
            if (!r.enCurso) anterior = std::exchange(ultimo, std::chrono::steady_clock::now());
        const auto paso = std::chrono::duration_cast<std::chrono::microseconds>(ultimo - anterior).count();
        usleep(static_cast<useconds_t>(azar() % (paso + 1)));
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        while (r.Leer()) continue;
        std::fclose(r.tubo);
        ASSERT_FALSE(r.fallo) << "round " << ronda << ": the child's operation failed";
        pasos += r.pasos;
        if (std::filesystem::exists(bd.Mod() + "-journal")) ++conDiario;
        int estas = NoArranca();
        estas += Infracciones(bd.Mod());
        if (!SoloLlamadasHechas(Leer(bd.Mod()), r.esperado, r.enCurso)) {
            std::cout << "[ choque ] violation: not the calls that returned"
                      << (r.enCurso ? " (with or without \"" + *r.enCurso + "\")" : "") << "\n";
            ++estas;
        }
        aMedias += r.enCurso.has_value();
        if (estas) std::cout << "[ choque ] round " << ronda << ": " << estas << " rules broken\n";
        infracciones += estas;
    }
    oxalde::RutaBDModificable.clear();
    oxalde::RutaBDLectura.clear();
    std::cout << "[ choque ] " << rondas << " kills, " << pasos << " calls, " << aMedias << " during a call, "
              << conDiario << " inside a write, " << infracciones << " violations\n";
    EXPECT_EQ(infracciones, 0);
}

// ---- kills during an import ----

constexpr int kLineasImportar = 100;

// Every fourth line has no name (refused); the others are new taxpayers named after the round and
// the line, so that what a round saved can be told from what earlier rounds did.
bool Refusada(int linea) { return linea % 4 == 0; }

QByteArray FicheroRonda(int ronda) {
    QByteArray f;
    for (int i = 1; i <= kLineasImportar; ++i) {
        const int n = 20000000 + i;
        const QString nif = QString::asprintf("%08d%c", n, "TRWAGMYFPDXBNJZSQVHLCKE"[n % 23]);
        f += prueba::LineaValida(nif, Refusada(i) ? QString() : QString("R%1 L%2").arg(ronda).arg(i)) + "\r\n";
    }
    return f;
}

class SiempreSustituir : public oxalde::PreguntaSustitucion {
    bool Sustituir(const QString&) override { return true; }
};

// What a killed import left: the lines it saved in this round and the lines its error file names.
struct Rastro {
    std::set<int> guardadas, refusadas;
    bool erroresEnteros = true;  // only whole lines, each about a refused line, in order
};

Rastro LeerRastro(const std::string& base, const QString& errores, int ronda) {
    Rastro r;
    prueba::Lectura l(base);
    auto rs = l.BD().OpenRecordset("SELECT T01_NOMBRE FROM T01_DECLARANTES WHERE T01_NOMBRE LIKE ?",
                                   {"R" + std::to_string(ronda) + " L%"});
    for (; !rs->Eof(); rs->MoveNext())
        r.guardadas.insert(QString::fromStdString(rs->Fields(0).CStr()).section('L', 1).toInt());
    const QByteArray texto = QFile::exists(errores) ? prueba::Leer(errores) : QByteArray();  // killed before it
    if (!texto.isEmpty() && !texto.endsWith("\r\n")) r.erroresEnteros = false;
    static const QRegularExpression linea("^Linea (\\d+) El Nombre debe tener alg\u00fan valor$");
    int anterior = 0;
    for (const QByteArray& bytes : texto.split('\n')) {
        const QString t = QString::fromLatin1(bytes).chopped(bytes.endsWith('\r') ? 1 : 0);
        if (t.isEmpty() || t.startsWith("FORMATO") || t.startsWith("         ")) continue;  // the legend
        const auto m = linea.match(t);
        const int n = m.hasMatch() ? m.captured(1).toInt() : -1;
        if (n <= anterior || !Refusada(n)) r.erroresEnteros = false;
        r.refusadas.insert(anterior = n);
    }
    return r;
}

// Lines are done one after another: every line before one that was saved, or refused, is done too.
int Desordenes(const Rastro& r) {
    const int hecha = std::max(r.guardadas.empty() ? 0 : *r.guardadas.rbegin(),
                               r.refusadas.empty() ? 0 : *r.refusadas.rbegin());
    int faltan = 0;
    for (int i = 1; i < hecha; ++i) faltan += !(Refusada(i) ? r.refusadas.contains(i) : r.guardadas.contains(i));
    return faltan;
}

TEST(Choque, MatarDuranteUnaImportacionDejaLaBaseEnteraYLosErroresHastaAhi) {
    BdPrueba bd;
    brunsel::RegistrarClases();
    oxalde::RutaBDModificable = QString::fromStdString(bd.Mod());
    oxalde::RutaBDLectura = QString::fromStdString(bd.Lec());
    QTemporaryDir carpeta;
    const QString fichero = carpeta.filePath("Contri.txt"), errores = oxalde::RutaFicheroErrores(fichero);
    const unsigned semilla = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(semilla));
    std::mt19937 azar(semilla);
    const int rondas = std::max(Rondas() / 3, 1);
    long entera = 0;  // µs a whole import takes, measured by the first round, which is not killed
    int guardadas = 0, conDiario = 0, infracciones = 0;

    for (int ronda = 0; ronda <= rondas; ++ronda) {
        ASSERT_TRUE(prueba::Escribir(fichero, FicheroRonda(ronda)));
        QFile::remove(errores);  // the last round's, which a kill before the start would leave
        const auto inicio = std::chrono::steady_clock::now();
        pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            try {
                SiempreSustituir pregunta;
                oxalde::ImportarFichero(fichero, true, pregunta);
            } catch (...) {
                _exit(1);
            }
            _exit(0);
        }
        if (ronda > 0) {
            usleep(static_cast<useconds_t>(azar() % (entera + 1)));
            kill(pid, SIGKILL);
        }
        int estado = 0;
        waitpid(pid, &estado, 0);
        if (ronda == 0) {
            ASSERT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 0);
            const auto tardado = std::chrono::steady_clock::now() - inicio;
            entera = std::chrono::duration_cast<std::chrono::microseconds>(tardado).count();
        } else {
            ASSERT_TRUE(WIFSIGNALED(estado) || WEXITSTATUS(estado) == 0) << "round " << ronda;
        }
        conDiario += std::filesystem::exists(bd.Mod() + "-journal");
        const int noArranca = NoArranca();
        const Rastro r = LeerRastro(bd.Mod(), errores, ronda);
        const int estas = noArranca + Infracciones(bd.Mod()) + !r.erroresEnteros + Desordenes(r);
        if (ronda == 0) {
            EXPECT_EQ(r.guardadas.size() + r.refusadas.size(), size_t{kLineasImportar});
        }
        if (estas) std::cout << "[ choque ] import round " << ronda << ": " << estas << " rules broken\n";
        infracciones += estas;
        guardadas += static_cast<int>(r.guardadas.size());
    }
    oxalde::RutaBDModificable.clear();
    oxalde::RutaBDLectura.clear();
    std::cout << "[ choque ] " << rondas << " kills during an import of " << kLineasImportar << " lines ("
              << entera / 1000 << " ms whole), " << guardadas << " lines saved, " << conDiario << " inside a write, "
              << infracciones << " violations\n";
    EXPECT_EQ(infracciones, 0);
}

}  // namespace
