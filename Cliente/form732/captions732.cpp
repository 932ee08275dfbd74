#include "form732/captions732.h"

#include <array>

#include "compartido/claves_declaracion.h"
#include "compartido/tipos_iva.h"

namespace oxalde {
namespace {

constexpr Caption kCaptions[] = {
    {"lblshape1", 199},     {"lblDomicilio", 327},  {"Label2", 141},        {"Label3", 142},
    {"Label4", 238},        {"Label5", 177},        {"Label6", 157},        {"Label7", 158},
    {"Label9", 236},        {"Label10", 187},       {"Label11", 237},       {"Label12", 200},
    {"Label13", 204},       {"Label14", 221},       {"Label20", 227},       {"Label21", 177},
    {"Label23", 210},       {"Label30", 233},       {"lblPais", 179},       {"Label32", 178},
    {"Label33", 214},       {"Label34", 186},       {"lblRazonSocial", 123}, {"Label36", 159},
    {"Label37", 187},       {"Label38", 189},       {"Label39", 190},       {"Label41", 215},
    {"Label43", 326},       {"Label45", 235},       {"Label46", 216},       {"Label48", 326},
    {"Label50", 215},       {"Label51", 218},       {"Label52", 217},       {"Label55", 219},
    {"Label56", 220},       {"chksittib(0)", 205},  {"chksittib(1)", 206},  {"chksittib(2)", 207},
    {"chksittib(3)", 208},  {"chksittib(4)", 209},  {"chksittib(5)", 328},  {"chkhecho(0)", 211},
    {"chkhecho(1)", 199},   {"chkhecho(2)", 212},   {"chkhecho(3)", 213},   {"chkhecho(4)", 262},
    {"chkhecho(5)", 261},   {"lblshape", 196},      {"OptTmedio(0)", 183},  {"OptTmedio(1)", 184},
    {"OptTmedio(2)", 185},
    {"cmdAceptar", 118, Propiedad::Texto, 0, 3}, {"cmdAceptar", 248, Propiedad::Consejo},
    {"cmdCancelar", 119, Propiedad::Texto, 0, 5}, {"cmdCancelar", 250, Propiedad::Consejo},
};

// The transport kind inserts the technical-data tab before the liquidation.
constexpr std::array<Pestana732, 4> kPestanasP = {{{200, 200}, {201, 204}, {202, 210}, {176, 233}}};
constexpr std::array<Pestana732, 5> kPestanasT = {{{200, 200}, {201, 204}, {202, 210}, {203, 175}, {176, 233}}};

QString Etiqueta(int tipo) { return QString::fromStdString(tipos::EtiquetaTipo(tipo, '.')); }

}  // namespace

std::span<const Caption> Captions732() { return kCaptions; }

std::span<const Pestana732> Pestanas732(const QString& modop) {
    if (modop == kModoTransporte) return kPestanasT;
    return kPestanasP;
}

EtiquetasTipo732 EtiquetasTipo(vb::Long fecha) {
    const tipos::TiposIva t = tipos::TiposEn(fecha);
    return {Etiqueta(t.general), Etiqueta(t.reducido), Etiqueta(t.recargo), Etiqueta(t.recargoReducido)};
}

}  // namespace oxalde
