#pragma once
// The one form-731 declaration being entered, viewed or printed; one instance for the whole
// run. It keeps amounts in whole cents and the two rates and the boat length to two decimals,
// empties what does not belong to the chosen mode, kind and means of transport, and loads,
// checks and saves through the library. The header (taxpayer, date, quarter) is cDecResumen's.
#include <QString>
#include <array>
#include <variant>

#include "vb/variant.h"

namespace oxalde {

class cDatos731 {
public:
    static cDatos731& Instancia();

    // Bank account for the refund (an IBAN).
    QString CC() const { return cc_; }
    void CC(const QString& v) { cc_ = v; }
    // Transport kind's activity: -1 road transport, 0 intra-community deliveries.
    vb::Integer ACTIVIDAD() const { return actividad_; }
    void ACTIVIDAD(vb::Integer v) { actividad_ = v; }
    // Tab shown in the transport kind: 1 acquirer, 2 technical data, 3 liquidation.
    vb::Byte PESTAÑA() const { return pestana_; }
    void PESTAÑA(vb::Byte v) { pestana_ = v; }
    // "P" quarterly, "T" one new means of transport; empties the other kind's fields.
    QString MODOP() const { return modop_; }
    void MODOP(const QString& v);

    // Amounts in whole cents; every store rounds halves away from zero.
    double IVADEV1() const { return ivadev1_; }
    void IVADEV1(double v) { ivadev1_ = Importe(v); }
    double MAXDEV() const { return maxdev_; }
    void MAXDEV(double v) { maxdev_ = Importe(v); }
    // Rates in percent, two decimals.
    vb::Single TIPOVEN() const { return tipoven_; }
    void TIPOVEN(vb::Single v) { tipoven_ = DosDecimales(v); }
    double PREVEN() const { return preven_; }
    void PREVEN(double v) { preven_ = Importe(v); }
    double IVASOP() const { return ivasop_; }
    void IVASOP(double v) { ivasop_ = Importe(v); }
    vb::Single TIPOADQ() const { return tipoadq_; }
    void TIPOADQ(vb::Single v) { tipoadq_ = DosDecimales(v); }
    double PREADQ() const { return preadq_; }
    void PREADQ(double v) { preadq_ = Importe(v); }

    // Aircraft.
    QString MODELOA() const { return modeloa_; }
    void MODELOA(const QString& v) { modeloa_ = v; }
    QString TIPOA() const { return tipoa_; }
    void TIPOA(const QString& v) { tipoa_ = v; }
    QString MARCAA() const { return marcaa_; }
    void MARCAA(const QString& v) { marcaa_ = v; }
    vb::Integer ANOFAB() const { return anofab_; }
    void ANOFAB(vb::Integer v) { anofab_ = v; }
    QString NSERIE() const { return nserie_; }
    void NSERIE(const QString& v) { nserie_ = v; }
    vb::Long PESOMAX() const { return pesomax_; }
    void PESOMAX(vb::Long v) { pesomax_ = v; }
    QString FABRICA() const { return fabrica_; }
    void FABRICA(const QString& v) { fabrica_ = v; }

    // Boat.
    QString MODELOB() const { return modelob_; }
    void MODELOB(const QString& v) { modelob_ = v; }
    QString TIPOB() const { return tipob_; }
    void TIPOB(const QString& v) { tipob_ = v; }
    QString MARCAB() const { return marcab_; }
    void MARCAB(const QString& v) { marcab_ = v; }
    QString NCONSTRUC() const { return nconstruc_; }
    void NCONSTRUC(const QString& v) { nconstruc_ = v; }
    vb::Single ESLORAMAX() const { return eslora_; }
    void ESLORAMAX(vb::Single v) { eslora_ = DosDecimales(v); }
    QString FABRICB() const { return fabricb_; }
    void FABRICB(const QString& v) { fabricb_ = v; }

    // Vehicle.
    vb::Integer CLASIF() const { return clasif_; }
    void CLASIF(vb::Integer v) { clasif_ = v; }
    QString NBASTIDOR() const { return nbastidor_; }
    void NBASTIDOR(const QString& v) { nbastidor_ = v; }
    QString MODELOV() const { return modelov_; }
    void MODELOV(const QString& v) { modelov_ = v; }
    QString TIPOV() const { return tipov_; }
    void TIPOV(const QString& v) { tipov_ = v; }
    QString MARCAV() const { return marcav_; }
    void MARCAV(const QString& v) { marcav_ = v; }

    // Means of transport: "V" vehicle, "B" boat, "A" aircraft; empties the other two.
    QString TMEDIO() const { return tmedio_; }
    void TMEDIO(const QString& v);

    // Acquirer.
    QString ADQPAIS() const { return adqpais_; }
    void ADQPAIS(const QString& v) { adqpais_ = v; }
    QString ADQNOM() const { return adqnom_; }
    void ADQNOM(const QString& v) { adqnom_ = v; }
    QString ADQNIF() const { return adqnif_; }
    void ADQNIF(const QString& v) { adqnif_ = v; }

    // Result: IVADEV1 for the transport kind, IVADEV2 for the quarterly kind.
    double resul() const { return resul_; }
    void resul(double v) { resul_ = Importe(v); }
    // Quarterly kind.
    double IVADEV2() const { return ivadev2_; }
    void IVADEV2(double v) { ivadev2_ = Importe(v); }
    double CUOTA4() const { return cuota4_; }
    void CUOTA4(double v) { cuota4_ = Importe(v); }
    double BASE4() const { return base4_; }
    void BASE4(double v) { base4_ = Importe(v); }
    double CUOTA7() const { return cuota7_; }
    void CUOTA7(double v) { cuota7_ = Importe(v); }
    double BASE7() const { return base7_; }
    void BASE7(double v) { base7_ = Importe(v); }
    double CUOTA16() const { return cuota16_; }
    void CUOTA16(double v) { cuota16_ = Importe(v); }
    double BASE16() const { return base16_; }
    void BASE16(double v) { base16_ = Importe(v); }

    // Key of the declaration; 0 while it has never been saved.
    vb::Long CSDE() const { return csde_; }
    void CSDE(vb::Long v) { csde_ = v; }
    // "A" a new declaration (empties all but MODOP and PESTAÑA), "C" an existing one.
    QString MODO() const { return modo_; }
    void MODO(const QString& v);

    // Loads the stored declaration: its 38 stored values exactly as stored, nothing else.
    void CargarDeclaracion(vb::Long& csde);
    // The library's check of a 25-item check buffer on the declaration's date (the transport
    // date, or the last day of the declared quarter): 0, or the first failed rule.
    vb::Integer ValidarDatos731(vb::Variant& vBufferResultado, bool& blnValPreven);
    // Saves a 48-item save buffer; answers the declaration's key (below 1: nothing saved).
    vb::Long GuardarDeclaracion(vb::Variant& vBufferResultado);

    // The stored values in the library's load order (0 ADQNIF ... 36 resul, 37 CC), each with
    // its member's kind: items 10 to 47 of the save buffer.
    static constexpr int kAlmacenados = 38;
    vb::Variant Almacenado(int casilla) const;

private:
    cDatos731() = default;
    static double Importe(double v);
    static vb::Single DosDecimales(vb::Single v);

    using Miembro = std::variant<QString cDatos731::*, vb::Integer cDatos731::*, vb::Long cDatos731::*,
                                 vb::Single cDatos731::*, double cDatos731::*>;
    static const std::array<Miembro, kAlmacenados>& Almacenados();
    // Empties the stored values desde..hasta of the load order (texts "", numbers 0).
    void Vaciar(int desde, int hasta);

    QString cc_, modop_, modo_;
    vb::Integer actividad_ = 0;
    vb::Byte pestana_ = 0;
    double ivadev1_ = 0, maxdev_ = 0, preven_ = 0, ivasop_ = 0, preadq_ = 0;
    vb::Single tipoven_ = 0, tipoadq_ = 0, eslora_ = 0;
    QString modeloa_, tipoa_, marcaa_, nserie_, fabrica_;
    vb::Integer anofab_ = 0, clasif_ = 0;
    vb::Long pesomax_ = 0, csde_ = 0;
    QString modelob_, tipob_, marcab_, nconstruc_, fabricb_;
    QString nbastidor_, modelov_, tipov_, marcav_, tmedio_;
    QString adqpais_, adqnom_, adqnif_;
    double resul_ = 0, ivadev2_ = 0, cuota4_ = 0, base4_ = 0, cuota7_ = 0, base7_ = 0, cuota16_ = 0, base16_ = 0;
};

}  // namespace oxalde
