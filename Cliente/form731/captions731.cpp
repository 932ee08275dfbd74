#include "form731/captions731.h"

namespace oxalde {

namespace {

constexpr auto T = Propiedad::Texto;
constexpr auto C = Propiedad::Consejo;
constexpr auto P = Propiedad::Pestana;

const Caption kCaptions[] = {
    {"FrmDatos731", 172},
    {"lblshape", 196},
    {"TabTra", 174, P, 1},
    {"TabTra", 175, P, 2},
    {"TabTra", 176, P, 3},
    {"Label9", 236},
    {"Label10", 187},
    {"Label11", 237},
    {"Label14", 195},
    {"Label1", 232},
    {"Label2", 141},
    {"Label3", 142},
    {"Label4", 168},
    {"Label5", 177},
    {"Label6", 157},
    {"Label7", 158},
    {"Label12", 174},
    {"Label13", 193},
    {"Label20", 227},
    {"Label21", 177},
    {"Label23", 194},
    {"Label24", 192},
    {"Label26", 195},
    {"Label27", 191},
    {"Label28", 187},
    {"Label29", 187},
    {"Label30", 233},
    {"Label31", 179},
    {"Label32", 178},
    {"Label33", 182},
    {"Label34", 186},
    {"Label35", 123},
    {"Label37", 187},
    {"Label36", 188},
    {"Label38", 189},
    {"Label39", 190},
    {"Label41", 215},
    {"Label42", 187},
    {"Label43", 188},
    {"Label44", 186},
    {"Label45", 235},
    {"Label46", 216},
    {"Label47", 186},
    {"Label48", 188},
    {"Label49", 187},
    {"Label50", 215},
    {"Label51", 218},
    {"Label52", 217},
    {"cmdAceptar", 118, T, 0, 3},
    {"cmdCancelar", 119, T, 0, 5},
    {"cmdAceptar", 248, C},
    {"cmdCancelar", 250, C},
    {"OptTmedio(0)", 183},
    {"OptTmedio(1)", 184},
    {"OptTmedio(2)", 185},
};

}  // namespace

std::span<const Caption> Captions731() { return kCaptions; }

}  // namespace oxalde
