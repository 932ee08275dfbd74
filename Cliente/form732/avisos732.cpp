#include "form732/avisos732.h"

#include <algorithm>
#include <array>

#include "compartido/claves_declaracion.h"
#include "compartido/cadenas.h"
#include "compartido/tipos_iva.h"

namespace oxalde {
namespace {

constexpr int kLiq = kPestanaLiquidacion;
constexpr int kSin = kPestanaSinCambio;
constexpr int kRec = kIdMsgBaseRecargoMayor;  // the composed messages (codes 24, 25 and 27)

constexpr std::array<Aviso732, 31> kAvisos = {{
    {1, 267, 1, "txttranif", -1},     {2, 268, 1, "txttranom", -1},      {3, 269, 1, "txttrapais", -1},
    {4, 270, 2, nullptr, -1},         {5, 271, 1, "txttranif", -1},      {6, 272, 2, "chksittib", 0},
    {7, 273, 2, "chksittib", 1},      {8, 274, 2, "chksittib", 3},       {9, 275, kSin, nullptr, -1},
    {10, 276, 4, "txtmarcav", -1},    {11, 277, 4, "txttipov", -1},      {12, 278, 4, "txtmodelov", -1},
    {13, 279, 4, "txtnbastidor", -1}, {15, 281, 4, "txtfabricb", -1},    {16, 282, 4, "txtnconstruc", -1},
    {17, 283, 4, "txtfabrica", -1},   {18, 284, 4, "txtnserie", -1},     {19, 285, 4, "txtanofab", -1},
    {20, 286, 5, "txtbase16", -1},    {21, 287, 4, "txtbase16", -1},     {23, 289, 4, "txtbaeq4", -1},
    {24, kRec, 4, "txtbaeq1", -1},     {25, kRec, 4, "txtbaeq05", -1},     {26, 290, kLiq, "txttotal", -1},
    {27, kRec, 4, "txtbaeq175", -1},   {28, 323, 1, "txtTraProvincia", -1}, {30, 325, 4, "txtbaeq4", -1},
    {31, 367, kLiq, "txtcuota16", -1}, {32, 367, kLiq, "txtcuota7", -1}, {33, 367, kLiq, "txtcueq4", -1},
    {34, 367, kLiq, "txtcueq1", -1},
}};

// The surcharge's rate and its base's rate that a composed message names, as the editor's rate
// labels show them on that date.
std::pair<std::string, std::string> TiposDelMensaje(vb::Integer codigo, vb::Long fecha) {
    const tipos::TiposIva t = tipos::TiposEn(fecha);
    switch (codigo) {
        case 24: return {tipos::EtiquetaTipo(t.recargoReducido, '.'), tipos::EtiquetaTipo(t.reducido, '.')};
        case 25: return {tipos::EtiquetaTipo(tipos::kTipo05), tipos::EtiquetaTipo(tipos::kTipo4)};
        default: return {tipos::EtiquetaTipo(tipos::kTipo175), tipos::EtiquetaTipo(t.general, '.')};
    }
}

QString SinPorcentaje(const std::string& etiqueta) {
    return QString::fromStdString(etiqueta.substr(0, etiqueta.size() - 1));
}

// Spanish: "<first half><surcharge rate> <second half> <base rate>"; Basque puts the per cent sign first and
// the bare rates before its two halves.
QString Compuesto(const Aviso732& aviso, vb::Long fecha, int desplIdioma) {
    const auto [recargo, base] = TiposDelMensaje(aviso.codigo, fecha);
    const QString inicio = Cadena(aviso.id, desplIdioma);
    const QString fin = Cadena(kIdMsgBaseRecargoMayorFin, desplIdioma);
    if (desplIdioma == 0)
        return inicio + QString::fromStdString(recargo) + " " + fin + " " + QString::fromStdString(base);
    return "%" + SinPorcentaje(recargo) + inicio + " " + SinPorcentaje(base) + fin;
}

}  // namespace

const Aviso732* AvisoValidacion732(vb::Integer codigo) {
    auto it = std::find_if(kAvisos.begin(), kAvisos.end(), [&](const Aviso732& a) { return a.codigo == codigo; });
    return it == kAvisos.end() ? nullptr : &*it;
}

std::span<const Aviso732> AvisosValidacion732() { return kAvisos; }

int PestanaAviso(const Aviso732& aviso, const QString& modop) {
    if (aviso.pestana != kPestanaLiquidacion) return aviso.pestana;
    return modop == kModoTransporte ? 5 : 4;
}

QString TextoAviso(const Aviso732& aviso, vb::Long fecha, int desplIdioma) {
    if (aviso.id == kIdMsgBaseRecargoMayor) return Compuesto(aviso, fecha, desplIdioma);
    return Cadena(aviso.id, desplIdioma);
}

}  // namespace oxalde
