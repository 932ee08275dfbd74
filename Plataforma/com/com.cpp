#include "com/com.h"

#include <map>
#include <mutex>

namespace com {
namespace {

struct Registro {
    std::mutex cerrojo;
    std::map<std::string, Fabrica> fabricas;
};

Registro& registro() {
    static Registro r;
    return r;
}

Fabrica Buscar(const std::string& progId) {
    auto& r = registro();
    std::lock_guard<std::mutex> l(r.cerrojo);
    auto it = r.fabricas.find(progId);
    return it == r.fabricas.end() ? Fabrica{} : it->second;
}

}  // namespace

void Registrar(const std::string& progId, Fabrica fabrica) {
    auto& r = registro();
    std::lock_guard<std::mutex> l(r.cerrojo);
    r.fabricas[progId] = std::move(fabrica);
}

void Desregistrar(const std::string& progId) {
    auto& r = registro();
    std::lock_guard<std::mutex> l(r.cerrojo);
    r.fabricas.erase(progId);
}

std::shared_ptr<Object> CreateObject(const std::string& progId) {
    Fabrica fabrica = Buscar(progId);
    std::shared_ptr<Object> objeto = fabrica ? fabrica() : nullptr;
    if (!objeto) vb::Lanzar(vb::errCrearObjeto, progId);
    return objeto;
}

RegistroTemporal::RegistroTemporal(std::string progId, Fabrica fabrica)
    : progId_(std::move(progId)), anterior_(Buscar(progId_)) {
    Registrar(progId_, std::move(fabrica));
}

RegistroTemporal::~RegistroTemporal() {
    if (anterior_)
        Registrar(progId_, anterior_);
    else
        Desregistrar(progId_);
}

}  // namespace com
