// The declaration service against the same statements run directly on SQLite: the save of a new
// form-731 declaration, its load, and the list of a taxpayer with 1,000 declarations. Each
// baseline opens and closes the file as the service does and writes in one transaction.
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "comun/bd_prueba.h"
#include "dao/dao.h"
#include "servicios/cDeclaracion.h"
#include "tablas/cT03.h"
#include "tablas/lista_declaraciones.h"

namespace fs = std::filesystem;

namespace {

constexpr vb::Long kDeclarante = 1;  // the saves go to this taxpayer
constexpr vb::Long kConLista = 2;    // the taxpayer with 1,000 declarations
constexpr int kDeclaraciones = 1000;

std::string carpeta;
std::string baseServicio, baseDirecta;  // one file each, so both saves grow alike
vb::Long claveCarga = 0;                // a form-731 declaration of the list

void Preparar() {
    std::string plantilla = (fs::temp_directory_path() / "oxalde-bench-XXXXXX").string();
    if (!mkdtemp(plantilla.data())) throw std::runtime_error("mkdtemp");
    carpeta = plantilla;
    baseServicio = carpeta + "/servicio.mdb";
    baseDirecta = carpeta + "/directa.mdb";
    dao::CrearBaseDesdeSql(baseServicio, LeerTexto(std::string(OXALDE_DIR_SQL) + "/731_2Mod.sql"));
    auto db = dao::DBEngine::Instancia().OpenDatabase(baseServicio);
    dao::EjecutarGuion(*db,
                       "INSERT INTO T01_DECLARANTES (T01_CSCO,T01_DNI,T01_NOMBRE,T01_CODPROV,T01_CODPOS,"
                       "T01_NUM731,T01_NUM732) VALUES (1,'11111111H','UNO',20,20001,0,0),"
                       "(2,'22222222J','DOS',20,20002,500,500);"
                       "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
                           std::to_string(kDeclaraciones) +
                           ") INSERT INTO T02_COMUNDECLA (T02_CSCO,T02_MODELO,T02_LETRADNI,T02_MODO,T02_FECHA,"
                           "T02_EJERCICIO,T02_PERIODO,T02_TIPOLOGIA) SELECT 2, CASE WHEN i % 2 THEN '731' ELSE "
                           "'732' END,'2','P',20100000 + i,2010,'1T',CASE WHEN i % 2 THEN 1 ELSE 2 END FROM n;"
                           "INSERT INTO T03_731DECLA (T03_CSDE,T03_ADQNOM,T03_RESUL,T03_CC) SELECT T02_CSDE,"
                           "'NOMBRE',T02_CSDE * 100,'ES0000000000000000000000' FROM T02_COMUNDECLA "
                           "WHERE T02_MODELO = '731';"
                           "INSERT INTO T04_732DECLA (T04_CSDE,T04_TRANOM,T04_TOTAL) SELECT T02_CSDE,'NOMBRE',"
                           "T02_CSDE * 10 FROM T02_COMUNDECLA WHERE T02_MODELO = '732';");
    claveCarga = db->OpenRecordset("SELECT min(T03_CSDE) FROM T03_731DECLA")->Fields(0).CLng();
    db->Close();
    fs::copy_file(baseServicio, baseDirecta);
}

// ---- the service ----

vb::Variant BufferNuevo731() {
    auto b = vb::Variant::Array1(0, 47);
    b(0) = vb::Long(0), b(1) = kDeclarante, b(2) = "731", b(3) = "1", b(4) = "P";
    b(5) = vb::Long(20120930), b(6) = vb::Integer(2012), b(7) = "3T", b(8) = vb::Byte(1);
    for (vb::Long i = 10; i <= 47; ++i) {
        const auto tipo = brunsel::kColumnasT03[i - 9].tipo;
        if (tipo == brunsel::TipoCampo::Texto)
            b(i) = "A";
        else
            b(i) = static_cast<double>(i);
    }
    return b;
}

void Guardar731_Servicio(benchmark::State& estado) {
    brunsel::cDeclaracion s;
    s.mdbname(baseServicio);
    vb::Variant b = BufferNuevo731();
    for (auto _ : estado) benchmark::DoNotOptimize(s.Guardar731(b));
}

void Cargar731_Servicio(benchmark::State& estado) {
    brunsel::cDeclaracion s;
    s.mdbname(baseServicio);
    vb::Variant b;
    vb::Long k = claveCarga;
    for (auto _ : estado) s.Cargar731(k, b);
}

void dameResultado_Servicio(benchmark::State& estado) {
    brunsel::cDeclaracion s;
    s.mdbname(baseServicio);
    vb::Variant b;
    vb::Long csco = kConLista;
    for (auto _ : estado)
        if (s.dameResultado(b, csco) != kDeclaraciones) estado.SkipWithError("wrong count");
}

// ---- the same statements on SQLite ----

struct Conexion {
    sqlite3* db = nullptr;
    // Opened as the data layer opens every file.
    explicit Conexion(const std::string& ruta) {
        sqlite3_open_v2(ruta.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
        sqlite3_busy_timeout(db, 5000);
        sqlite3_exec(db, "PRAGMA journal_mode=DELETE; PRAGMA synchronous=EXTRA; PRAGMA foreign_keys=OFF;", nullptr,
                     nullptr, nullptr);
    }
    ~Conexion() { sqlite3_close_v2(db); }
    void Ejecutar(const char* sql) { sqlite3_exec(db, sql, nullptr, nullptr, nullptr); }
};

struct Sentencia {
    sqlite3_stmt* st = nullptr;
    Sentencia(sqlite3* db, const std::string& sql) { sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr); }
    ~Sentencia() { sqlite3_finalize(st); }
};

// Every column of every row, as a program would keep it.
std::vector<std::vector<std::string>> LeerTodo(sqlite3_stmt* st) {
    std::vector<std::vector<std::string>> filas;
    const int n = sqlite3_column_count(st);
    while (sqlite3_step(st) == SQLITE_ROW) {
        std::vector<std::string> fila;
        fila.reserve(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i) {
            const unsigned char* t = sqlite3_column_text(st, i);
            fila.emplace_back(t ? reinterpret_cast<const char*>(t) : "");
        }
        filas.push_back(std::move(fila));
    }
    return filas;
}

void Guardar731_SQLite(benchmark::State& estado) {
    std::string columnas, marcas;
    for (const auto& c : brunsel::kColumnasT03) {
        columnas += std::string(columnas.empty() ? "" : ",") + c.nombre;
        marcas += marcas.empty() ? "?" : ",?";
    }
    const std::string insertarDetalle = "INSERT INTO T03_731DECLA (" + columnas + ") VALUES (" + marcas + ")";
    const std::string modificarDeclarante =
        "UPDATE T01_DECLARANTES SET T01_DNI=?,T01_NOMBRE=?,T01_VIA=?,T01_DOMICILIO=?,T01_NUMERO=?,T01_LETRA=?,"
        "T01_ESCALERA=?,T01_PISO=?,T01_MANO=?,T01_CODPROV=?,T01_CODPOS=?,T01_CODMUN=?,T01_NOMMUN=?,"
        "T01_TELEFONO=?,T01_NUM731=?,T01_NUM732=? WHERE T01_CSCO=?";
    for (auto _ : estado) {
        Conexion c(baseDirecta);
        c.Ejecutar("BEGIN IMMEDIATE");
        {
            Sentencia s(c.db,
                        "INSERT INTO T02_COMUNDECLA (T02_CSCO,T02_MODELO,T02_LETRADNI,T02_MODO,T02_FECHA,"
                        "T02_EJERCICIO,T02_PERIODO,T02_TIPOLOGIA) VALUES (?,?,?,?,?,?,?,?)");
            sqlite3_bind_int(s.st, 1, kDeclarante);
            sqlite3_bind_text(s.st, 2, "731", -1, SQLITE_STATIC);
            sqlite3_bind_text(s.st, 3, "1", -1, SQLITE_STATIC);
            sqlite3_bind_text(s.st, 4, "P", -1, SQLITE_STATIC);
            sqlite3_bind_int(s.st, 5, 20120930);
            sqlite3_bind_int(s.st, 6, 2012);
            sqlite3_bind_text(s.st, 7, "3T", -1, SQLITE_STATIC);
            sqlite3_bind_int(s.st, 8, 1);
            sqlite3_step(s.st);
        }
        const sqlite3_int64 clave = sqlite3_last_insert_rowid(c.db);
        {
            Sentencia s(c.db, insertarDetalle);
            sqlite3_bind_int64(s.st, 1, clave);
            for (int i = 1; i < static_cast<int>(std::size(brunsel::kColumnasT03)); ++i) {
                if (brunsel::kColumnasT03[i].tipo == brunsel::TipoCampo::Texto)
                    sqlite3_bind_text(s.st, i + 1, "A", -1, SQLITE_STATIC);
                else
                    sqlite3_bind_double(s.st, i + 1, i + 9);
            }
            sqlite3_step(s.st);
        }
        std::vector<std::string> declarante;
        {
            Sentencia s(c.db, "Select * From T01_DECLARANTES WHERE T01_CSCO=?");
            sqlite3_bind_int(s.st, 1, kDeclarante);
            declarante = LeerTodo(s.st).at(0);
        }
        {
            Sentencia s(c.db, modificarDeclarante);
            for (int i = 1; i < 15; ++i) sqlite3_bind_text(s.st, i, declarante[i].c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_double(s.st, 15, std::stod(declarante[15]) + 1);
            sqlite3_bind_double(s.st, 16, std::stod(declarante[16]));
            sqlite3_bind_int(s.st, 17, kDeclarante);
            sqlite3_step(s.st);
        }
        c.Ejecutar("COMMIT");
    }
}

void Cargar731_SQLite(benchmark::State& estado) {
    for (auto _ : estado) {
        Conexion c(baseDirecta);
        Sentencia s(c.db, "SELECT * FROM T03_731DECLA WHERE T03_CSDE = ?");
        sqlite3_bind_int(s.st, 1, claveCarga);
        benchmark::DoNotOptimize(LeerTodo(s.st));
    }
}

void dameResultado_SQLite(benchmark::State& estado) {
    for (auto _ : estado) {
        Conexion c(baseDirecta);
        // The very query the service runs for its list.
        Sentencia s(c.db, brunsel::kSqlListaDeclaraciones);
        sqlite3_bind_int(s.st, 1, kConLista);
        if (LeerTodo(s.st).size() != kDeclaraciones) estado.SkipWithError("wrong count");
    }
}

// A save waits for the disk, so its time is the wall-clock time.
BENCHMARK(Guardar731_Servicio)->Unit(benchmark::kMicrosecond)->MinTime(1.0)->UseRealTime();
BENCHMARK(Guardar731_SQLite)->Unit(benchmark::kMicrosecond)->MinTime(1.0)->UseRealTime();
BENCHMARK(Cargar731_Servicio)->Unit(benchmark::kMicrosecond);
BENCHMARK(Cargar731_SQLite)->Unit(benchmark::kMicrosecond);
BENCHMARK(dameResultado_Servicio)->Unit(benchmark::kMicrosecond);
BENCHMARK(dameResultado_SQLite)->Unit(benchmark::kMicrosecond);

// Keeps each benchmark's time per iteration for the ratios printed at the end.
class Informe : public benchmark::ConsoleReporter {
public:
    Informe() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular) {}
    std::map<std::string, double> microsegundos;
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        // With --benchmark_repetitions the median of the repetitions is kept.
        for (const auto& r : runs) {
            const bool mediana = r.run_type == Run::RT_Aggregate && r.aggregate_name == "median";
            if (r.error_occurred || !(mediana || r.run_type == Run::RT_Iteration)) continue;
            microsegundos[r.run_name.function_name] = r.GetAdjustedRealTime();
        }
    }
};

void Razon(const Informe& informe, const std::string& nombre, const char* objetivo) {
    auto s = informe.microsegundos.find(nombre + "_Servicio"), d = informe.microsegundos.find(nombre + "_SQLite");
    if (s == informe.microsegundos.end() || d == informe.microsegundos.end()) return;
    std::printf("%-14s service %9.1f us  SQLite %9.1f us  ratio %.2f  %s\n", nombre.c_str(), s->second, d->second,
                s->second / d->second, objetivo);
}

}  // namespace

int main(int argc, char** argv) {
    // The disk's pace drifts, so by default each benchmark runs five times, interleaved with the
    // others, and the medians are compared; flags given on the command line come after and win.
    std::vector<char*> argumentos{argv[0]};
    std::string repeticiones = "--benchmark_repetitions=5", mezcla = "--benchmark_enable_random_interleaving=true",
                agregados = "--benchmark_report_aggregates_only=true";
    for (std::string* a : {&repeticiones, &mezcla, &agregados}) argumentos.push_back(a->data());
    argumentos.insert(argumentos.end(), argv + 1, argv + argc);
    int n = static_cast<int>(argumentos.size());
    benchmark::Initialize(&n, argumentos.data());
    if (benchmark::ReportUnrecognizedArguments(n, argumentos.data())) return 1;
    Preparar();
    Informe informe;
    benchmark::RunSpecifiedBenchmarks(&informe);
    std::printf("\n");
    Razon(informe, "Guardar731", "(target: ratio <= 1.3)");
    Razon(informe, "Cargar731", "");
    Razon(informe, "dameResultado", "(target: under 5000 us for 1,000 declarations)");
    benchmark::Shutdown();
    fs::remove_all(carpeta);
    return 0;
}
