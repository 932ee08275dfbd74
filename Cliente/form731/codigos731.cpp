#include "form731/codigos731.h"

namespace oxalde {

namespace {

const Codigo731 kCodigos[] = {
    {1, 291, 1, "txtadqnif"},     {2, 292, 1, "txtadqnom"},     {3, 293, 1, "txtadqpais"},
    {4, 276, 2, "txtmarcav"},     {5, 277, 2, "txttipov"},      {6, 278, 2, "txtmodelov"},
    {7, 279, 2, "txtnbastidor"},  {9, 281, 2, "txtfabricb"},    {10, 282, 2, "txtnconstruc"},
    {11, 283, 2, "txtfabrica"},   {12, 284, 2, "txtnserie"},    {13, 285, 2, "txtanofab"},
    // The VAT borne is computed from the acquisition price.
    {14, 294, 3, "txtpreadq"},    {15, 295, 3, "txtpreadq"},
    {18, 298, 0, "txtbase16"},    {19, 367, 0, "txtcuota16"},   {20, 367, 0, "txtcuota7"},
    {21, 368, 0, nullptr},
};

}  // namespace

std::optional<Codigo731> BuscarCodigo731(int codigo) {
    for (const Codigo731& c : kCodigos)
        if (c.codigo == codigo) return c;
    return std::nullopt;
}

}  // namespace oxalde
