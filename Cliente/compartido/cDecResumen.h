#pragma once
// The declaration header, one instance for the whole run: the taxpayer the declarations window
// shows, the declaration selected, opened or being created there, and how that window is
// entered. The registry, both form editors and printing hand a declaration over through it.
#include <QString>

#include "vb/variant.h"

namespace oxalde {

class cDecResumen {
public:
    static cDecResumen& Instancia();

    // Taxpayer key.
    vb::Long CSCO() const { return csco_; }
    void CSCO(vb::Long v) { csco_ = v; }
    // Declaration date yyyymmdd (the quarter's last day, or the transport date); 0 none.
    vb::Long FECHA() const { return fecha_; }
    void FECHA(vb::Long v) { fecha_ = v; }
    // Key of the selected declaration; 0 none or new.
    vb::Long CSDE() const { return csde_; }
    void CSDE(vb::Long v) { csde_ = v; }
    // Rows in the declarations window's last list.
    vb::Long NUMDECLASEL() const { return numDeclaSel_; }
    void NUMDECLASEL(vb::Long v) { numDeclaSel_ = v; }
    // "L" list (clears the new header), "P" new quarterly declaration (proposes the quarter
    // after the latest quarterly one), "T" new transport declaration (proposes its form).
    QString MODO() const { return modo_; }
    void MODO(const QString& m);
    // Kind of the declaration opened or printed: "P" quarterly, "T" transport.
    QString MODOP() const { return modop_; }
    void MODOP(const QString& v) { modop_ = v; }
    // "A" fresh entry into the declarations window, "P" back from a child window.
    QString ENTRADA() const { return entrada_; }
    void ENTRADA(const QString& v) { entrada_ = v; }
    QString DNI() const { return dni_; }
    void DNI(const QString& v) { dni_ = v; }
    QString NOMBRE() const { return nombre_; }
    void NOMBRE(const QString& v) { nombre_ = v; }
    vb::Integer Ejercicio() const { return ejercicio_; }
    void Ejercicio(vb::Integer v) { ejercicio_ = v; }
    // "1T" to "4T", "OA" transport, "" none.
    QString PERIODO() const { return periodo_; }
    void PERIODO(const QString& v) { periodo_ = v; }
    // "731", "732" or "".
    QString Modelo() const { return modelo_; }
    void Modelo(const QString& v) { modelo_ = v; }
    // 1 form 731, 2 form 732, 0 none.
    vb::Byte TIPOLOGIA() const { return tipologia_; }
    void TIPOLOGIA(vb::Byte v) { tipologia_ = v; }

    // The taxpayer's latest declaration of the kind in MODO, into a 9-slot buffer; false when
    // there is none.
    bool ObtenerUltimaDeclaracion(vb::Variant& vBufferResultado);
    // The library's check of a new declaration's header (9-slot buffer): 0, or the first
    // failed rule.
    vb::Integer ValidarDatosComunes(vb::Variant& vBufferResultado);
    // Taxpayer kind by the DNI's first character: "F" natural person (also for no DNI), "S"
    // company, "C" anything else. The outside component's NIF kind decides, so this agrees
    // with the header check that refuses a transport declaration to anyone but a person.
    QString TipoDec() const;

private:
    cDecResumen() = default;
    void VaciarCabecera();
    void VaciarFecha();
    void CopiarUltima(const vb::Variant& ultima);
    bool ProponerTrimestre();
    bool EjerPerValidos();

    vb::Long csco_ = 0;
    vb::Long fecha_ = 0;
    vb::Long csde_ = 0;
    vb::Long numDeclaSel_ = 0;
    QString modo_;
    QString modop_;
    QString entrada_;
    QString dni_;
    QString nombre_;
    QString periodo_;
    QString modelo_;
    vb::Integer ejercicio_ = 0;
    vb::Byte tipologia_ = 0;
};

}  // namespace oxalde
