#pragma once
// What an error of the database engine says, in the kinds the program tells the user apart: the
// one place where the engine's codes are sorted, for start-up's check, backup, restore and every
// message that names a file.
#include "vb/error.h"

namespace oxalde {

enum class ClaseMotor {
    Otra,
    Bloqueo,          // another connection holds the file locked
    DiscoLleno,       // the disk or the quota is full
    SinMemoria,
    SinAcceso,        // the file cannot be opened, or leave to open it is missing
    GuardadoCortado,  // a journal to roll back beside a file this connection may not write
    SoloLectura,      // any other write refused
    NoEsBase,         // the file is not a database
    Danada,           // a page or an index is damaged
    EntradaSalida,    // the system failed to read or write
};

// From the engine's code, extended or primary.
ClaseMotor ClaseMotorDe(int codigo);
// From an error: its engine code (vb::Error::Motor) where it has one, else its number when that
// is the engine's (vb::errBaseDatos + code).
ClaseMotor ClaseMotorDe(const vb::Error& error);

// What says nothing of a file's contents: the disk, the permissions, a lock, the memory.
bool DelSistema(ClaseMotor clase);

}  // namespace oxalde
