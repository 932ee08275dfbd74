#pragma once
// The error that every call raises and every caller may catch and raise again:
// a number, the source that raised it and a description, as the program shows them.
#include <cstdint>
#include <stdexcept>
#include <string>

namespace vb {

// Error numbers the system relies on.
enum NumeroError : int32_t {
    errDesbordamiento = 6,         // overflow
    errSinMemoria = 7,             // out of memory
    errSubindice = 9,              // subscript out of range
    errTipos = 13,                 // type mismatch
    errInterno = 51,               // internal error: what no caller raised by number
    errArchivoInexistente = 53,    // file not found
    errArchivoAbierto = 55,        // file already open
    errAccesoArchivo = 75,         // path/file access error
    errObjetoNoEstablecido = 91,   // object variable not set
    errUsoNull = 94,               // invalid use of Null
    errRecursoNoEncontrado = 326,  // no text under that id in the string table
    errCrearObjeto = 429,          // cannot create object
    errImpresora = 482,            // printer error
    errBaseDatos = 3000,           // database engine errors: 3000 + SQLite's primary code
    errArchivoNoEncontrado = 3024,
    errSinRegistroActual = 3021,
    errElementoNoEncontrado = 3265,
    errClaveRepetida = 35602,  // key is not unique in collection
};

class Error : public std::runtime_error {
public:
    Error(int32_t numero, std::string origen, std::string descripcion);

    int32_t Number() const { return numero_; }
    const std::string& Source() const { return origen_; }
    const std::string& Description() const { return descripcion_; }

    // The same error with a new description: "catch and raise again" keeps number and source,
    // and what the engine said of its file.
    Error ConDescripcion(std::string descripcion) const;

    // The database file the error comes from and the engine's own answer about it (its result
    // code, primary or extended; 0 when the error did not come from the engine), whatever number
    // the call raised: a lock or a full disk can then be told to the user as such, naming the file.
    const std::string& Archivo() const { return archivo_; }
    int Motor() const { return motor_; }
    Error ConMotor(std::string archivo, int codigo) const;

private:
    int32_t numero_;
    std::string origen_;
    std::string descripcion_;
    std::string archivo_;
    int motor_ = 0;
};

// The standard texts for the runtime's own errors.
[[noreturn]] void Lanzar(int32_t numero, const std::string& origen = "Oxalde");
[[noreturn]] void Lanzar(int32_t numero, const std::string& origen, const std::string& descripcion);
std::string TextoError(int32_t numero);

}  // namespace vb
