#pragma once
// What both declaration records do with their stored values alike, each value named by its
// member of the record's field struct: read it for a buffer, empty lists of them, and load them
// from a buffer all or nothing.
#include <QString>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

#include "compartido/biblioteca.h"
#include "vb/variant.h"

namespace oxalde {

// A stored value of the field struct C, of any of the kinds the library stores.
template <class C>
using Miembro = std::variant<QString C::*, vb::Integer C::*, vb::Long C::*, vb::Single C::*, double C::*>;

// Stored values in a buffer's slot order.
template <class C>
using Casillas = std::vector<Miembro<C>>;

// A text as a buffer holds it.
inline vb::Variant Valor(const QString& texto) { return vb::Variant(texto.toStdString()); }

// The value as a buffer holds it.
template <class C>
vb::Variant Tomar(const C& campos, const Miembro<C>& miembro) {
    return std::visit(
        [&](auto m) {
            if constexpr (std::is_same_v<decltype(m), QString C::*>)
                return Valor(campos.*m);
            else
                return vb::Variant(campos.*m);
        },
        miembro);
}

// Slots desde, desde + 1, ... of the buffer from the values named.
template <class C, class Miembros>
void Volcar(const C& campos, const Miembros& miembros, vb::Long desde, vb::Variant& buffer) {
    for (const Miembro<C>& miembro : miembros) buffer(desde++) = Tomar(campos, miembro);
}

// A buffer of that many slots, 0 to casillas - 1, the values named from slot 0.
template <class C, class Miembros>
vb::Variant BufferDe(const C& campos, const Miembros& miembros, vb::Long casillas) {
    vb::Variant buffer = vb::Variant::Array1(0, casillas - 1);
    Volcar(campos, miembros, 0, buffer);
    return buffer;
}

// Empties the values named: texts "", numbers 0.
template <class C, class Miembros>
void Vaciar(C& campos, const Miembros& miembros) {
    for (const Miembro<C>& miembro : miembros) std::visit([&](auto m) { campos.*m = {}; }, miembro);
}
template <class C>
void Vaciar(C& campos, std::initializer_list<std::type_identity_t<Miembro<C>>> miembros) {
    Vaciar<C, decltype(miembros)>(campos, miembros);
}

// Empties every value but those named, which keep theirs.
template <class C, class... Quedan>
void VaciarSalvo(C& campos, Quedan... quedan) {
    C vacio;
    ((vacio.*quedan = campos.*quedan), ...);
    campos = std::move(vacio);
}

// Slots 0, 1, ... of the buffer into the values named, each converted to its value's kind. All
// or nothing: a slot that is missing or does not convert raises its error, and the values are
// left as they were.
template <class C, class Miembros>
void Cargar(C& campos, const Miembros& miembros, const vb::Variant& buffer) {
    C cargado = campos;
    vb::Long casilla = 0;
    for (const Miembro<C>& miembro : miembros) {
        const vb::Variant& valor = buffer(casilla++);
        std::visit(
            [&](auto m) {
                using T = std::remove_reference_t<decltype(cargado.*m)>;
                if constexpr (std::is_same_v<T, QString>) cargado.*m = Texto(valor);
                if constexpr (std::is_same_v<T, vb::Integer>) cargado.*m = valor.CInt();
                if constexpr (std::is_same_v<T, vb::Long>) cargado.*m = valor.CLng();
                if constexpr (std::is_same_v<T, vb::Single>) cargado.*m = valor.CSng();
                if constexpr (std::is_same_v<T, double>) cargado.*m = valor.CDbl();
            },
            miembro);
    }
    campos = std::move(cargado);
}

}  // namespace oxalde
