#pragma once
// The taxpayer being created, shown, edited or deleted, one instance for the whole run, and the
// program's door to the library's service for single taxpayers. The record itself checks
// nothing: the library's rules come back as codes.
#include <QString>

#include "compartido/campos_registro.h"
#include "vb/variant.h"

namespace oxalde {

class cDecDatos {
public:
    static cDecDatos& Instancia();

    // The library's checks of one exchange-file line (12 slots): every failed rule, unchanged.
    vb::Variant ValidarDatosImportar(vb::Variant& vBufferResultado);

    // "A" a new taxpayer (resets every field to the home province's defaults), "C" existing.
    OXALDE_TEXTO_PROPIO(MODO)
    // Taxpayer key; 0 while not stored.
    OXALDE_CAMPO(vb::Long, CSCO)
    OXALDE_TEXTO(DOMICILIO)
    OXALDE_TEXTO(DNI)
    OXALDE_TEXTO(NOMBRE)
    // Street-type code.
    OXALDE_TEXTO(VIA)
    OXALDE_CAMPO(vb::Long, NUMERO)
    OXALDE_TEXTO(LETRA)
    OXALDE_TEXTO(ESCALERA)
    OXALDE_TEXTO(PISO)
    OXALDE_TEXTO(MANO)
    // Two digits, "20" the home province.
    OXALDE_TEXTO(CODPROV)
    // The province's name in capitals, in the language of its last load; never stored.
    OXALDE_TEXTO(NOMPROV)
    OXALDE_TEXTO(CODPOS)
    // Municipality code (home province only).
    OXALDE_TEXTO(CODMUN)
    // Municipality name as typed (other provinces).
    OXALDE_TEXTO(NOMMUN)
    OXALDE_TEXTO(TELEFONO)
    // Declarations stored of each form (the library keeps them).
    OXALDE_CAMPO(double, NUM731)
    OXALDE_CAMPO(double, NUM732)

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
    struct Campos {
        QString MODO;
        QString DOMICILIO;
        QString DNI;
        QString NOMBRE;
        QString VIA;
        QString LETRA;
        QString ESCALERA;
        QString PISO;
        QString MANO;
        QString CODPROV;
        QString NOMPROV;
        QString CODPOS;
        QString CODMUN;
        QString NOMMUN;
        QString TELEFONO;
        vb::Long CSCO = 0;
        vb::Long NUMERO = 0;
        double NUM731 = 0;
        double NUM732 = 0;
    };
    Campos c_;
};

}  // namespace oxalde
