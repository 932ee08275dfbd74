#pragma once
// What both declaration records (cDatos731, cDatos732) store alike, with the same Lets: the
// declaration's key, the means of transport with its technical data, and the bases and taxes at
// the three rates. Each record's field struct derives from CamposComunes and its class expands
// OXALDE_CAMPOS_COMUNES; TMEDIO's Let empties what each record keeps apart, so each writes its own.
#include <QString>

#include "compartido/campos_registro.h"
#include "vb/variant.h"

namespace oxalde {

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

}  // namespace oxalde

// The Get/Let pairs of CamposComunes but TMEDIO's; the boat length's Let rounds to two decimals.
#define OXALDE_CAMPOS_COMUNES         \
    OXALDE_CAMPO(vb::Long, CSDE)      \
    OXALDE_TEXTO(MARCAV)              \
    OXALDE_TEXTO(TIPOV)               \
    OXALDE_TEXTO(MODELOV)             \
    OXALDE_TEXTO(NBASTIDOR)           \
    OXALDE_CAMPO(vb::Integer, CLASIF) \
    OXALDE_TEXTO(FABRICB)             \
    OXALDE_TEXTO(NCONSTRUC)           \
    OXALDE_TEXTO(MARCAB)              \
    OXALDE_TEXTO(TIPOB)               \
    OXALDE_TEXTO(MODELOB)             \
    OXALDE_DECIMAL(ESLORAMAX)         \
    OXALDE_TEXTO(FABRICA)             \
    OXALDE_TEXTO(NSERIE)              \
    OXALDE_TEXTO(MARCAA)              \
    OXALDE_TEXTO(TIPOA)               \
    OXALDE_TEXTO(MODELOA)             \
    OXALDE_CAMPO(vb::Long, PESOMAX)   \
    OXALDE_CAMPO(vb::Integer, ANOFAB) \
    OXALDE_IMPORTE(BASE16)            \
    OXALDE_IMPORTE(CUOTA16)           \
    OXALDE_IMPORTE(BASE7)             \
    OXALDE_IMPORTE(CUOTA7)            \
    OXALDE_IMPORTE(BASE4)             \
    OXALDE_IMPORTE(CUOTA4)
