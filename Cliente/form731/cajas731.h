#pragma once
// The data boxes of the form-731 window, one row per box: the record member it shows and edits,
// how it shows it, and which family of handlers it answers with. The window creates, fills and
// connects every box from these tables; no box has a handler of its own.
#include <QColor>
#include <QString>
#include <span>

#include "compartido/cajas.h"

namespace oxalde {

class cDatos731;

// Free-text boxes: shown as stored, upper-case key filter, stored as typed when left.
std::span<const CajaTexto<cDatos731>> CajasTexto();

struct CajaNumero {
    const char* nombre;
    Almacen almacen;  // Importe, Cuota, Numero or Ninguno
    Foco foco;
    bool importe;        // shown in the amount format, empty for 0; else the number in its own format
    const char* formato;
    int enteros, decimales;
    QColor fondo;        // invalid: the box's default (editable) background
    // Reads the member; null for the header boxes, which show the declaration header.
    double (*leer)(const cDatos731&);
    // Stores the box's value text (locale-neutral) into the member; null for boxes that store
    // nothing.
    void (*escribir)(cDatos731&, const QString& valor);
};
std::span<const CajaNumero> CajasNumero();

// Leaving a numeric box whose member reads `miembro`: whether the value text differs from it, by
// the comparison of the box's family (amounts in cents, whole numbers by their leading number,
// the boat length as a two-decimal single).
bool ValorCambiado(const CajaNumero& caja, double miembro, const QString& valor);

}  // namespace oxalde
