#pragma once
// A throw-away folder holding fresh copies of both databases, built from the delivered SQL text.
#include <string>

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

private:
    std::string dir_;
};

std::string LeerTexto(const std::string& ruta);
