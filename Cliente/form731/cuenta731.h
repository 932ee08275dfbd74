#pragma once
// The refund's bank account (an IBAN of 24 characters) as the six groups of four that the
// window's boxes show, and put together again from those boxes.
#include <QString>
#include <array>
#include <functional>

namespace oxalde {

class CuentaIban {
public:
    static constexpr int kGrupos = 6;
    static constexpr int kLargoGrupo = 4;

    // Group k (1 to 6) as stored: characters 4k-3 to 4k, fewer or none past the end of the
    // account. The sixth group is characters 21 to 24 like the others, so a shorter, older
    // account never shows the fifth group's characters twice.
    static QString Grupo(const QString& cc, int k);
    // The six groups as the boxes show them, without blanks on either side.
    static std::array<QString, kGrupos> Grupos(const QString& cc);
    // The account from the six boxes of a row, each brought to four characters by `rellenar`
    // (text, width): an empty box gives four blanks.
    static QString Unir(const std::array<QString, kGrupos>& cajas,
                        const std::function<QString(const QString&, int)>& rellenar);
};

}  // namespace oxalde
