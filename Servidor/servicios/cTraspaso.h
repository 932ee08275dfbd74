#pragma once
// Brings a modifiable database of an older layout up to date in place: the form-731 detail
// table gains the bank-account column T03_CC, or has it widened from 20 to 24 characters, and
// the old 20-digit domestic accounts stored there become IBANs. Runs at every start.
#include <memory>
#include <string>

#include "com/com.h"
#include "dao/dao.h"

namespace brunsel {

class cTraspaso : public com::Object {
public:
    void mdblec(std::string v) { mdblec_ = std::move(v); }
    void mdbmod(std::string v) { mdbmod_ = std::move(v); }
    void mdbPath(std::string v) { mdbPath_ = std::move(v); }  // kept; nothing reads it
    // Answers False; a failure raises its error and leaves the database as it was before the
    // step that failed (the schema change and the account rewrite are each one transaction).
    bool Traspaso();

private:
    std::string mdblec_;
    std::string mdbmod_;
    std::string mdbPath_;
    // The modifiable database opened directly for the schema change and the account rewrite.
    std::shared_ptr<dao::Database> db_;

    void VerificarCampo(const std::string& nombre);
    void ConvertirCuentasIban();
    void AmpliarCampoCuenta();
    void CrearCampoCuenta();
};

}  // namespace brunsel
