#pragma once
// The one form-731 declaration being entered, viewed or printed; one instance for the whole
// run. It keeps amounts in whole cents and the two rates and the boat length to two decimals,
// empties what does not belong to the chosen mode, kind and means of transport, and loads,
// checks and saves through the library. The header (taxpayer, date, quarter) is cDecResumen's.
#include <QString>

#include "compartido/registro_declaracion.h"
#include "vb/variant.h"

namespace oxalde {

// The stored values, without the Lets' rules.
struct Campos731 : CamposComunes {
    QString CC;
    QString MODOP;
    QString MODO;
    vb::Integer ACTIVIDAD = 0;
    vb::Byte PESTAÑA = 0;
    double IVADEV1 = 0;
    double MAXDEV = 0;
    double PREVEN = 0;
    double IVASOP = 0;
    double PREADQ = 0;
    vb::Single TIPOVEN = 0;
    vb::Single TIPOADQ = 0;
    QString ADQPAIS;
    QString ADQNOM;
    QString ADQNIF;
    double resul = 0;
    double IVADEV2 = 0;
};

class cDatos731 : public RegistroDeclaracion<cDatos731, Campos731> {
public:
    // Bank account for the refund (an IBAN).
    OXALDE_TEXTO(CC)
    // Transport kind's activity: -1 road transport, 0 intra-community deliveries.
    OXALDE_CAMPO(vb::Integer, ACTIVIDAD)
    // Tab shown in the transport kind: 1 acquirer, 2 technical data, 3 liquidation.
    OXALDE_CAMPO(vb::Byte, PESTAÑA)
    // kModoPeriodica or kModoTransporte; empties the other kind's fields.
    OXALDE_TEXTO_PROPIO(MODOP)

    // The transport kind's liquidation; rates in percent.
    OXALDE_IMPORTE(IVADEV1)
    OXALDE_IMPORTE(MAXDEV)
    OXALDE_DECIMAL(TIPOVEN)
    OXALDE_IMPORTE(PREVEN)
    OXALDE_IMPORTE(IVASOP)
    OXALDE_DECIMAL(TIPOADQ)
    OXALDE_IMPORTE(PREADQ)

    // Key, means of transport and its technical data, bases and taxes at the three rates.
    OXALDE_CAMPOS_COMUNES

    // Acquirer.
    OXALDE_TEXTO(ADQPAIS)
    OXALDE_TEXTO(ADQNOM)
    OXALDE_TEXTO(ADQNIF)

    // Result: IVADEV1 for the transport kind, IVADEV2 for the quarterly kind.
    OXALDE_IMPORTE(resul)
    // Quarterly kind's refund (its bases and taxes are among the common fields).
    OXALDE_IMPORTE(IVADEV2)

    // kModoNueva (empties all but MODOP and PESTAÑA) or kModoExistente.
    OXALDE_TEXTO_PROPIO(MODO)

    // Loads the stored declaration: its 38 stored values exactly as stored, nothing else. All or
    // nothing: when a slot does not convert, the record is left as it was and the error reaches
    // the caller.
    void CargarDeclaracion(vb::Long csde);
    // The library's check of a 25-item check buffer on the declaration's date (the transport
    // date, or the last day of the declared quarter): 0, or the first failed rule.
    vb::Integer ValidarDatos731(vb::Variant& vBufferResultado, bool& blnValPreven);
    // Saves a 48-item save buffer; answers the declaration's key (below 1: nothing saved).
    vb::Long GuardarDeclaracion(vb::Variant& vBufferResultado);

private:
    friend RegistroDeclaracion;
    cDatos731() = default;
};

}  // namespace oxalde
