#include "hogar_prueba.h"

#include <unistd.h>

#include <cstdlib>
#include <cstdio>
#include <filesystem>
#include <string>

namespace prueba {
namespace {

constexpr const char* kMarca = "OXALDE_HOGAR_PRUEBA";

// Removed by the process that made it, never by a forked child that happens to exit normally.
struct Hogar {
    std::string ruta;
    pid_t dueno = 0;
    ~Hogar() {
        std::error_code ec;
        if (!ruta.empty() && getpid() == dueno) std::filesystem::remove_all(ruta, ec);
    }
};

}  // namespace

void HogarPropio() {
    if (std::getenv(kMarca)) return;
    const char* temporal = std::getenv("TMPDIR");
    std::string plantilla = std::string(temporal && *temporal ? temporal : "/tmp") + "/oxalde-hogar-XXXXXX";
    if (!mkdtemp(plantilla.data())) {
        std::perror(("cannot make a home for the tests in " + plantilla).c_str());
        std::exit(1);
    }
    static Hogar hogar;
    hogar = {plantilla, getpid()};
    setenv("HOME", plantilla.c_str(), 1);
    for (auto [variable, carpeta] : {std::pair{"XDG_CONFIG_HOME", "/.config"},
                                     {"XDG_CACHE_HOME", "/.cache"},
                                     {"XDG_DATA_HOME", "/.local/share"},
                                     {"XDG_STATE_HOME", "/.local/state"}})
        setenv(variable, (plantilla + carpeta).c_str(), 1);
    setenv(kMarca, plantilla.c_str(), 1);
}

}  // namespace prueba
