#include "compartido/clase_motor.h"

#include <sqlite3.h>

namespace oxalde {

ClaseMotor ClaseMotorDe(int codigo) {
    if (codigo == SQLITE_READONLY_ROLLBACK) return ClaseMotor::GuardadoCortado;
    switch (codigo & 0xFF) {
        case SQLITE_BUSY:
        case SQLITE_LOCKED: return ClaseMotor::Bloqueo;
        case SQLITE_FULL: return ClaseMotor::DiscoLleno;
        case SQLITE_NOMEM: return ClaseMotor::SinMemoria;
        case SQLITE_CANTOPEN:
        case SQLITE_PERM:
        case SQLITE_AUTH: return ClaseMotor::SinAcceso;
        case SQLITE_READONLY: return ClaseMotor::SoloLectura;
        case SQLITE_NOTADB: return ClaseMotor::NoEsBase;
        case SQLITE_CORRUPT: return ClaseMotor::Danada;
        case SQLITE_IOERR: return ClaseMotor::EntradaSalida;
        default: return ClaseMotor::Otra;
    }
}

ClaseMotor ClaseMotorDe(const vb::Error& error) {
    if (error.Motor() != 0) return ClaseMotorDe(error.Motor());
    const int codigo = error.Number() - vb::errBaseDatos;
    return codigo > 0 && codigo <= 0xFF ? ClaseMotorDe(codigo) : ClaseMotor::Otra;
}

bool DelSistema(ClaseMotor clase) {
    switch (clase) {
        case ClaseMotor::Otra:
        case ClaseMotor::NoEsBase:
        case ClaseMotor::Danada: return false;
        default: return true;
    }
}

}  // namespace oxalde
