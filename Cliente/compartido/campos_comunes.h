#pragma once
// What both declaration records (cDatos731, cDatos732) store alike, with the same Lets: the
// declaration's key, the means of transport with its technical data, and the bases and taxes at
// the three rates. Each record's field struct derives from CamposComunes and its class expands
// OXALDE_CAMPOS_COMUNES. Also what both do alike with them: TMEDIO's Let, the clearing of the
// means, the header of the save buffer and the date both are checked on.
#include <QString>
#include <string>

#include "compartido/campos_registro.h"
#include "vb/variant.h"

namespace oxalde {

class cDecResumen;

struct CamposComunes {
    // Key of the declaration; 0 while it has never been saved.
    vb::Long CSDE = 0;
    // Means of transport: "V" vehicle, "B" boat, "A" aircraft.
    QString TMEDIO;
    // Vehicle.
    QString MARCAV;
    QString TIPOV;
    QString MODELOV;
    QString NBASTIDOR;
    vb::Integer CLASIF = 0;
    // Boat; its length in metres.
    QString FABRICB;
    QString NCONSTRUC;
    QString MARCAB;
    QString TIPOB;
    QString MODELOB;
    vb::Single ESLORAMAX = 0;
    // Aircraft.
    QString FABRICA;
    QString NSERIE;
    QString MARCAA;
    QString TIPOA;
    QString MODELOA;
    vb::Long PESOMAX = 0;
    vb::Integer ANOFAB = 0;
    // Bases and taxes at the three rates.
    double BASE16 = 0;
    double CUOTA16 = 0;
    double BASE7 = 0;
    double CUOTA7 = 0;
    double BASE4 = 0;
    double CUOTA4 = 0;

    bool operator==(const CamposComunes&) const = default;
};

// TMEDIO's Let: the means stored; when it is one of kMedios, the technical data of the other two
// emptied.
void ElegirMedio(CamposComunes& c, const QString& medio);
// Empties the technical data of all three means; the means stays.
void VaciarDatosTecnicos(CamposComunes& c);
// Empties the means of transport and the technical data of all three.
void VaciarTransporte(CamposComunes& c);

// A save buffer of that many slots: 0 the declaration's key (0 for a new one), 1 to 8 the header
// with the declaration's kind; the caller fills the stored values in.
vb::Variant BufferGuardado(vb::Long casillas, vb::Long csde, const QString& modop, const cDecResumen& cabecera);

// The date the library checks a declaration on, as yyyymmdd text: the declaration's own date for
// a transport declaration, otherwise the last day of its quarter.
std::string strFecha(const QString& modop, vb::Long fecha, vb::Integer ejercicio, const QString& periodo);

}  // namespace oxalde

// The Get/Let pairs of CamposComunes; the boat length's Let rounds to two decimals.
#define OXALDE_CAMPOS_COMUNES                             \
    OXALDE_CAMPO(vb::Long, CSDE)                          \
    QString TMEDIO() const { return c_.TMEDIO; }          \
    void TMEDIO(const QString& v) { ElegirMedio(c_, v); } \
    OXALDE_TEXTO(MARCAV)                                  \
    OXALDE_TEXTO(TIPOV)                                   \
    OXALDE_TEXTO(MODELOV)                                 \
    OXALDE_TEXTO(NBASTIDOR)                               \
    OXALDE_CAMPO(vb::Integer, CLASIF)                     \
    OXALDE_TEXTO(FABRICB)                                 \
    OXALDE_TEXTO(NCONSTRUC)                               \
    OXALDE_TEXTO(MARCAB)                                  \
    OXALDE_TEXTO(TIPOB)                                   \
    OXALDE_TEXTO(MODELOB)                                 \
    OXALDE_DECIMAL(ESLORAMAX)                             \
    OXALDE_TEXTO(FABRICA)                                 \
    OXALDE_TEXTO(NSERIE)                                  \
    OXALDE_TEXTO(MARCAA)                                  \
    OXALDE_TEXTO(TIPOA)                                   \
    OXALDE_TEXTO(MODELOA)                                 \
    OXALDE_CAMPO(vb::Long, PESOMAX)                       \
    OXALDE_CAMPO(vb::Integer, ANOFAB)                     \
    OXALDE_IMPORTE(BASE16)                                \
    OXALDE_IMPORTE(CUOTA16)                               \
    OXALDE_IMPORTE(BASE7)                                 \
    OXALDE_IMPORTE(CUOTA7)                                \
    OXALDE_IMPORTE(BASE4)                                 \
    OXALDE_IMPORTE(CUOTA4)
