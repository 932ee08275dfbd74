#pragma once
// The language-dependent texts of the form-732 window: the captions set at load in their fixed
// order, the tabs of each kind and the rate labels of the declaration's date.
#include <QString>
#include <span>

#include "compartido/captions.h"
#include "vb/variant.h"

namespace oxalde {

// The captions, in the order they are set; controls are named as the window names them, array
// elements as "chksittib(0)".
std::span<const Caption> Captions732();

// Caption and tooltip ids of one tab.
struct Pestana732 {
    int caption;
    int consejo;
};
// The tabs of a kind, first to last: four for a quarterly declaration, five for "T".
std::span<const Pestana732> Pestanas732(const QString& modop);

// The rate labels of the liquidation tab on a declaration date (0 counts as the earliest).
struct EtiquetasTipo732 {
    QString tipo16;
    QString tipo7;
    QString tipo4;
    QString tipo1;
};
EtiquetasTipo732 EtiquetasTipo(vb::Long fecha);

}  // namespace oxalde
