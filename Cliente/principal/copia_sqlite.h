#pragma once
// Copies of a database file made by the engine itself, never by copying the file: the engine's
// online backup reads the source under its own locks, so a file in use is copied consistently,
// and it writes the destination in one transaction, so a failed copy leaves the destination as
// it was.
#include <QString>
#include <QStringList>
#include <functional>

#include "compartido/clase_motor.h"
#include "vb/error.h"

namespace oxalde {

// Copies the database `origen` into `destino` (created when missing, replaced whole otherwise).
// Raises vb::Error naming the file it concerns with the engine's code (vb::Error::Motor): the
// source for what reading it met (missing: SQLITE_CANTOPEN; a lock; a save cut short beside it,
// which a copy never rolls back: SQLITE_READONLY_ROLLBACK), the destination for what writing it
// met. A missing source creates nothing.
void CopiarBaseEnLinea(const QString& origen, const QString& destino);
// How long in all that copy keeps trying a destination another connection holds: as long as the
// engine waits for a lock, 5 s; tests shorten it. A value of 0 or less restores it.
void EstablecerEsperaCopiaMs(int ms);

// Whether a new copy must pass the engine's integrity check before it takes the place of the file.
enum class Comprobada { No, Si };
// The same into a new file: written in a scratch folder beside it and moved into place at the
// end, so an earlier file of that name stays whole until the copy is complete, and a copy that
// fails leaves nothing (neither the file nor its journal). A journal (or write-ahead log) beside
// the earlier file goes with it: one of a write cut short is first rolled back into it, so that a
// kill before the move leaves it whole. Errors of the new file name `destino`, another program
// writing the earlier file names it (in use); a copy that fails the check (Comprobada::Si) is
// raised as the source's damage (SQLITE_CORRUPT).
void CopiarBaseAArchivoNuevo(const QString& origen, const QString& destino, Comprobada comprobada = Comprobada::No);
// For tests: `paso` runs before each step of that replacement (the earlier file made whole, what
// lay beside it moved aside, the folder synced, the new file moved in, the folder synced), where a
// kill may come.
void EstablecerPasoReemplazo(std::function<void()> paso);

// The journal of a save cut short beside the file rolled back into it by the engine (a first read
// on a connection that may write). Raises vb::Error naming the file.
void DeshacerEnSuSitio(const QString& ruta);

// Why a file cannot stand for a database that holds these tables. EnUso: another program kept
// it locked for longer than the engine waits. AMedioGuardar: a write was cut short (its journal
// lies beside the file) and the journal cannot be rolled back here; the data is not damaged.
// DiarioAjeno: a copy of the file failed the check once the journal beside it was rolled back
// into it while the file alone passes it, and the file and the journal were left as they were;
// DanadaConDiario the same where the file alone fails it too (the file or its own journal is
// damaged). Found only at start: DiarioSinPermiso, AMedioGuardar where the file and its folder may
// be written but the journal may not be (or not be deleted); ModoWal, the
// file is in the write-ahead-log mode and may not be written here (dao::WalSinPoderEscribir);
// DiscoLleno, the disk lacks the room to keep the file and its journal aside before the journal
// is rolled back (detalle: the megabytes needed). Found only when a backup or a restore fails on
// a file it reads or writes: SinAcceso, it cannot be opened or written; SinLectura, this user may
// not read it; Fallo, anything else met reading or writing it.
enum class DefectoCopia {
    Ninguno,
    NoExiste,
    NoEsBase,
    Danada,
    FaltanTablas,
    EnUso,
    AMedioGuardar,
    DiarioAjeno,
    DanadaConDiario,
    DiarioSinPermiso,
    ModoWal,
    DiscoLleno,
    SinAcceso,
    SinLectura,
    Fallo
};
struct ResultadoComprobacion {
    DefectoCopia defecto = DefectoCopia::Ninguno;
    QString detalle;  // the engine's finding, or the missing tables joined by ", "
};
// Opens the file read-only, runs the engine's integrity check and looks for every table.
// A file locked by another program is waited for as long as the engine waits for a lock.
ResultadoComprobacion ComprobarCopia(const QString& ruta, const QStringList& tablas);

// What an engine error met reading the file says of it: not a database, in use, left in the
// middle of a write, or else damaged.
DefectoCopia DefectoDe(ClaseMotor clase);
// What an engine error that stopped a backup or a restore says of the file it names: besides what
// DefectoDe finds, a full disk, a file that cannot be opened or written or read, or any other
// failure. A lock or a full disk of no named file is any other failure.
DefectoCopia DefectoDeFallo(const vb::Error& error);

}  // namespace oxalde
