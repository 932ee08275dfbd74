#include "tablas/cConexionDAO.h"

#include "tablas/cotejo.h"

namespace brunsel {

cConexionDAO::~cConexionDAO() {
    Cerrar();
    CerrarAux();
    espacio_.reset();
}

void cConexionDAO::CrearWorkSpace() {
    espacio_ = dao::DBEngine::Instancia().CreateWorkspace("wrk1", "admin", "", 2);
}

void cConexionDAO::InicializaBD(const std::string& ruta) {
    CrearWorkSpace();
    AbrirBD(ruta);
}

std::shared_ptr<dao::Database> cConexionDAO::Abrir(const std::string& ruta) {
    if (auto guardada = reserva_.Tomar(ruta)) return guardada;
    if (!espacio_) CrearWorkSpace();
    auto base = espacio_->OpenDatabase(ruta, false, false, "");
    RegistrarCotejo(base->Handle());
    return base;
}

void cConexionDAO::AbrirBD(const std::string& ruta) {
    Cerrar();
    principal_ = Abrir(ruta);
}

void cConexionDAO::AbrirBDAux(const std::string& ruta) {
    CerrarAux();
    auxiliar_ = Abrir(ruta);
}

void cConexionDAO::Cerrar() { reserva_.Devolver(std::move(principal_)); }

void cConexionDAO::CerrarAux() { reserva_.Devolver(std::move(auxiliar_)); }

void cConexionDAO::Soltar() { reserva_.Vaciar(); }

dao::Database& cConexionDAO::BD() {
    if (!principal_ || !principal_->Abierta()) vb::Lanzar(vb::errObjetoNoEstablecido, "Brunsel");
    return *principal_;
}

void cConexionDAO::execute(const std::string& sql, int opciones, const dao::Parametros& parametros) {
    BD().Execute(sql, opciones, parametros);
}

void cConexionDAO::executeAux(const std::string& sql, int opciones, const dao::Parametros& parametros) {
    if (!auxiliar_ || !auxiliar_->Abierta()) vb::Lanzar(vb::errObjetoNoEstablecido, "Brunsel");
    auxiliar_->Execute(sql, opciones, parametros);
}

std::shared_ptr<dao::Recordset> cConexionDAO::Consultar(dao::Database* db, const std::string& sql,
                                                        const dao::Parametros& parametros) {
    ultimoArchivo_.clear();
    ultimoMotor_ = 0;
    if (!db || !db->Abierta()) {
        ultimoError_ = "Database is not open";
        return nullptr;
    }
    auto rs = db->OpenRecordset(sql, parametros);
    ultimoError_ = rs ? "" : db->UltimoError();
    if (!rs) ultimoArchivo_ = db->Name(), ultimoMotor_ = db->MotorUltimoFallo();
    return rs;
}

std::shared_ptr<dao::Recordset> cConexionDAO::openRecordset(const std::string& sql, int,
                                                            const dao::Parametros& parametros) {
    return Consultar(principal_.get(), sql, parametros);
}

std::shared_ptr<dao::Recordset> cConexionDAO::openRecordsetAux(const std::string& sql, int,
                                                               const dao::Parametros& parametros) {
    return Consultar(auxiliar_.get(), sql, parametros);
}

}  // namespace brunsel
