#pragma once
// Creation of the public classes of the library and of the outside component by their ProgID.
// A class registers a factory under its ProgID; tests may put a fake in its place for a while.
#include <functional>
#include <memory>
#include <string>

#include "vb/error.h"

namespace com {

class Object {
public:
    virtual ~Object() = default;
};

using Fabrica = std::function<std::shared_ptr<Object>()>;

void Registrar(const std::string& progId, Fabrica fabrica);
void Desregistrar(const std::string& progId);

// Raises error 429 when nothing is registered under the ProgID.
std::shared_ptr<Object> CreateObject(const std::string& progId);

// The object as the class the caller expects; another class raises a type mismatch.
template <class T>
std::shared_ptr<T> CreateObject(const std::string& progId) {
    auto objeto = std::dynamic_pointer_cast<T>(CreateObject(progId));
    if (!objeto) vb::Lanzar(vb::errTipos, progId);
    return objeto;
}

// Puts a factory under a ProgID for the lifetime of this object and restores the previous one.
class RegistroTemporal {
public:
    RegistroTemporal(std::string progId, Fabrica fabrica);
    ~RegistroTemporal();
    RegistroTemporal(const RegistroTemporal&) = delete;
    RegistroTemporal& operator=(const RegistroTemporal&) = delete;

private:
    std::string progId_;
    Fabrica anterior_;
};

}  // namespace com
