#include "principal/textos_defecto.h"

#include <QFileInfo>
#include <utility>

#include "compartido/cadenas.h"
#include "principal/arranque.h"

namespace oxalde {
namespace {

// A finding missing here says nothing to the user (Ninguno).
constexpr std::pair<DefectoCopia, TextosDefecto> kTextos[] = {
    {DefectoCopia::NoExiste, {kIdMsgBaseNoEncontrada, kIdMsgSinCopia}},
    {DefectoCopia::NoEsBase, {kIdMsgBaseNoValida, kIdMsgNoEsCopia, Huecos::Archivo, true}},
    {DefectoCopia::Danada, {kIdMsgBaseNoValida, kIdMsgCopiaDanada, Huecos::Archivo, true}},
    {DefectoCopia::FaltanTablas, {kIdMsgBaseNoValida, kIdMsgCopiaAjena, Huecos::Archivo, true}},
    // Another program keeps the file locked: not damaged, or the user would restore over good data.
    {DefectoCopia::EnUso, {kIdMsgBaseEnUso, kIdMsgArchivoEnUso}},
    // The data is whole: the user needs write permission, not a backup.
    {DefectoCopia::AMedioGuardar, {kIdMsgGuardadoAMedias, kIdMsgCopiaAMedias}},
    {DefectoCopia::DiarioSinPermiso, {kIdMsgDiarioSinPermiso, 0, Huecos::ConDiario}},
    {DefectoCopia::DiarioAjeno, {kIdMsgDiarioAjeno, kIdMsgDiarioAjenoCopia, Huecos::ConDiario, true}},
    // Never a hint that the journal came from elsewhere: without it the file keeps part of a save.
    {DefectoCopia::DanadaConDiario, {kIdMsgDanadaConDiario, kIdMsgDanadaConDiarioCopia, Huecos::ConDiario, true}},
    {DefectoCopia::ModoWal, {kIdMsgBaseEnModoWal, 0}},
    {DefectoCopia::DiscoLleno, {kIdMsgSinSitioParaApartar, 0, Huecos::ConCarpetaYMegas}},
};

}  // namespace

TextosDefecto TextosDe(DefectoCopia defecto) {
    for (const auto& [d, textos] : kTextos)
        if (d == defecto) return textos;
    return {};
}

QString TextoArranque(const QString& ruta, const ResultadoComprobacion& r) {
    const TextosDefecto textos = TextosDe(r.defecto);
    QStringList huecos{ruta};
    if (textos.huecos == Huecos::ConDiario) huecos << ruta + QStringLiteral("-journal");
    if (textos.huecos == Huecos::ConCarpetaYMegas) huecos << QFileInfo(ruta).path() << r.detalle;
    const QString texto = TextoBilingue(textos.alArrancar, huecos);
    return textos.conDetalle ? texto + QStringLiteral("\n\n(") + r.detalle + u')' : texto;
}

}  // namespace oxalde
