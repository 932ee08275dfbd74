#pragma once
// The taxpayer being created, shown, edited or deleted, one instance for the whole run, and the
// program's door to the library's service for single taxpayers. The record itself checks
// nothing: the library's rules come back as codes.
#include <QString>

#include "vb/variant.h"

namespace oxalde {

class cDecDatos {
public:
    static cDecDatos& Instancia();

    // The library's checks of one exchange-file line (12 slots): every failed rule, unchanged.
    vb::Variant ValidarDatosImportar(vb::Variant& vBufferResultado);

    // "A" a new taxpayer (resets every field to the home province's defaults), "C" existing.
    QString MODO() const { return modo_; }
    void MODO(const QString& v);
    // Taxpayer key; 0 while not stored.
    vb::Long CSCO() const { return csco_; }
    void CSCO(vb::Long v) { csco_ = v; }
    QString DOMICILIO() const { return domicilio_; }
    void DOMICILIO(const QString& v) { domicilio_ = v; }
    QString DNI() const { return dni_; }
    void DNI(const QString& v) { dni_ = v; }
    QString NOMBRE() const { return nombre_; }
    void NOMBRE(const QString& v) { nombre_ = v; }
    // Street-type code.
    QString VIA() const { return via_; }
    void VIA(const QString& v) { via_ = v; }
    vb::Long NUMERO() const { return numero_; }
    void NUMERO(vb::Long v) { numero_ = v; }
    QString LETRA() const { return letra_; }
    void LETRA(const QString& v) { letra_ = v; }
    QString ESCALERA() const { return escalera_; }
    void ESCALERA(const QString& v) { escalera_ = v; }
    QString PISO() const { return piso_; }
    void PISO(const QString& v) { piso_ = v; }
    QString MANO() const { return mano_; }
    void MANO(const QString& v) { mano_ = v; }
    // Two digits, "20" the home province.
    QString CODPROV() const { return codprov_; }
    void CODPROV(const QString& v) { codprov_ = v; }
    // The province's name in capitals, in the language of its last load; never stored.
    QString NOMPROV() const { return nomprov_; }
    void NOMPROV(const QString& v) { nomprov_ = v; }
    QString CODPOS() const { return codpos_; }
    void CODPOS(const QString& v) { codpos_ = v; }
    // Municipality code (home province only).
    QString CODMUN() const { return codmun_; }
    void CODMUN(const QString& v) { codmun_ = v; }
    // Municipality name as typed (other provinces).
    QString NOMMUN() const { return nommun_; }
    void NOMMUN(const QString& v) { nommun_ = v; }
    QString TELEFONO() const { return telefono_; }
    void TELEFONO(const QString& v) { telefono_ = v; }
    // Declarations stored of each form (the library keeps them).
    double NUM731() const { return num731_; }
    void NUM731(double v) { num731_ = v; }
    double NUM732() const { return num732_; }
    void NUM732(double v) { num732_ = v; }

    // Deletes the taxpayer CSCO with all its declarations; the fields stay as they are.
    void BorrarDeclarante();
    // Fills every field but CSCO and MODO from the stored taxpayer, and the province's name in
    // the current language.
    void CargarDeclarante(vb::Long csco);
    // The library's check of the 8 typed fields: 0, or the first failed rule (1 to 12).
    vb::Integer ValidarDatosDeclarante(vb::Variant& vBufferResultado);
    // The key of the taxpayer with that DNI; 0 for none.
    vb::Long ObtenerCodigoDeclarante(const QString& dni);
    // Saves a 17-slot taxpayer: 0 saved, 1 a new taxpayer whose DNI is taken, 2 a DNI changed
    // to another taxpayer's; once saved, slot 0 holds the stored taxpayer's key. A save the
    // library cannot make reaches the caller as its error.
    vb::Integer GuardarDeclarante(vb::Variant& vBufferResultado);

private:
    cDecDatos() = default;
    QString modo_;
    QString domicilio_;
    QString dni_;
    QString nombre_;
    QString via_;
    QString letra_;
    QString escalera_;
    QString piso_;
    QString mano_;
    QString codprov_;
    QString nomprov_;
    QString codpos_;
    QString codmun_;
    QString nommun_;
    QString telefono_;
    vb::Long csco_ = 0;
    vb::Long numero_ = 0;
    double num731_ = 0;
    double num732_ = 0;
};

}  // namespace oxalde
