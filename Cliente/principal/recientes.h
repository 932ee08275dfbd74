#pragma once
// The recent-taxpayer entries of the main menu as plain data: who each entry stands for and the
// caption it shows. An entry keeps its taxpayer's key, NIF and name whole, so a NIF of any
// length or a name with "-" comes back as stored; the caption is only for the eye.
#include <QMetaType>
#include <QString>
#include <vector>

#include "vb/variant.h"

namespace oxalde {

struct DeclaranteReciente {
    vb::Long clave = 0;
    QString dni;
    QString nombre;
};

// The first min(numDecla, 4) taxpayers of a recent-taxpayer buffer (row 0..3, column 0 key |
// 1 NIF | 2 name, highest key first). A row without a taxpayer ends the list early.
std::vector<DeclaranteReciente> DeclarantesRecientes(const vb::Variant& buffer, vb::Long numDecla);

// key " - " NIF " - " name.
QString TituloReciente(const DeclaranteReciente& declarante);

}  // namespace oxalde

Q_DECLARE_METATYPE(oxalde::DeclaranteReciente)
