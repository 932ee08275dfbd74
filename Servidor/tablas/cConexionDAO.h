#pragma once
// The library's one connection: a workspace, the main database and an auxiliary one.
// Every public operation opens the database it needs at its start and closes it at its end.
// Closing gives the file's connection back to rest for the next operation on the same,
// unchanged file (see ReservaConexiones): no lock or transaction outlives the operation.
#include <memory>
#include <string>

#include "dao/dao.h"
#include "tablas/reserva_conexiones.h"

namespace brunsel {

class cConexionDAO {
public:
    ~cConexionDAO();

    void CrearWorkSpace();
    // A new workspace, then the main database. Raises when the file cannot be opened; the
    // database of an earlier call is closed first, so nothing runs on it afterwards.
    void InicializaBD(const std::string& ruta);
    void AbrirBD(const std::string& ruta);
    void AbrirBDAux(const std::string& ruta);
    // Close the open result sets and end the use of the database; never raise.
    void Cerrar();
    void CerrarAux();
    // Closes the connections kept for later operations: a file about to be deleted (a scratch
    // copy) must not stay open behind its name.
    void Soltar();

    // Raise the engine's error.
    void execute(const std::string& sql, int opciones = 0, const dao::Parametros& parametros = {});
    void executeAux(const std::string& sql, int opciones = 0, const dao::Parametros& parametros = {});
    // Never raise: no result set on failure (see Requerir).
    std::shared_ptr<dao::Recordset> openRecordset(const std::string& sql, int tipo = 0,
                                                  const dao::Parametros& parametros = {});
    std::shared_ptr<dao::Recordset> openRecordsetAux(const std::string& sql, int tipo = 0,
                                                     const dao::Parametros& parametros = {});

    // The open main database (raises "object not set" when there is none).
    dao::Database& BD();
    // The engine's message of the last result set that could not be opened.
    const std::string& UltimoError() const { return ultimoError_; }
    // The file of that result set and what the engine answered about it (0 when it was not asked).
    const std::string& UltimoArchivo() const { return ultimoArchivo_; }
    int UltimoMotor() const { return ultimoMotor_; }

private:
    ReservaConexiones reserva_;  // outlives the databases below, which go back into it
    std::shared_ptr<dao::Workspace> espacio_;
    std::shared_ptr<dao::Database> principal_;
    std::shared_ptr<dao::Database> auxiliar_;
    std::string ultimoError_;
    std::string ultimoArchivo_;
    int ultimoMotor_ = 0;
    std::shared_ptr<dao::Database> Abrir(const std::string& ruta);
    std::shared_ptr<dao::Recordset> Consultar(dao::Database* db, const std::string& sql,
                                              const dao::Parametros& parametros);
};

}  // namespace brunsel
