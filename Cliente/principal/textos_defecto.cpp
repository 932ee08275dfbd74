#include "principal/textos_defecto.h"

#include <QDir>
#include <QFileInfo>
#include <utility>

#include "compartido/cadenas.h"
#include "principal/arranque.h"

namespace oxalde {
namespace {

// A finding missing here says nothing to the user (Ninguno).
constexpr std::pair<DefectoCopia, TextosDefecto> kTextos[] = {
    {DefectoCopia::NoExiste, {kIdMsgBaseNoEncontrada, 0, kIdMsgSinCopia}},
    {DefectoCopia::NoEsBase, {kIdMsgBaseNoValida, 0, kIdMsgNoEsCopia, Huecos::Archivo, true}},
    {DefectoCopia::Danada, {kIdMsgBaseNoValida, kIdMsgArchivoDanado, kIdMsgCopiaDanada, Huecos::Archivo, true}},
    {DefectoCopia::FaltanTablas, {kIdMsgBaseNoValida, 0, kIdMsgCopiaAjena, Huecos::Archivo, true}},
    // Another program keeps the file locked: not damaged, or the user would restore over good data.
    {DefectoCopia::EnUso, {kIdMsgBaseEnUso, kIdMsgArchivoEnUso, kIdMsgArchivoEnUso}},
    // The data is whole: the user needs write permission, not a backup.
    {DefectoCopia::AMedioGuardar, {kIdMsgGuardadoAMedias, kIdMsgGuardadoCortadoCopia, kIdMsgCopiaAMedias}},
    {DefectoCopia::DiarioSinPermiso, {kIdMsgDiarioSinPermiso, kIdMsgDiarioSinPermisoCopia, 0, Huecos::ConDiario}},
    {DefectoCopia::DiarioAjeno, {kIdMsgDiarioAjeno, kIdMsgDiarioAjenoCopia, 0, Huecos::ConDiario, true}},
    // Never a hint that the journal came from elsewhere: without it the file keeps part of a save.
    {DefectoCopia::DanadaConDiario, {kIdMsgDanadaConDiario, kIdMsgDanadaConDiarioCopia, 0, Huecos::ConDiario, true}},
    {DefectoCopia::ModoWal, {kIdMsgBaseEnModoWal}},
    {DefectoCopia::DiscoLleno, {kIdMsgSinSitioParaApartar, kIdMsgDiscoLleno, 0, Huecos::ConCarpetaYMegas}},
    {DefectoCopia::SinAcceso, {0, kIdMsgSinAccesoCopia}},
    {DefectoCopia::SinLectura, {0, kIdMsgSinLecturaCopia}},
    {DefectoCopia::Fallo, {0, kIdMsgFalloCopia}},
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

QString TextoCopia(int id, DefectoCopia defecto, const QString& ruta, int idioma) {
    const QString archivo = QDir::toNativeSeparators(ruta);
    const QString texto = Cadena(id, idioma);
    // In one step, so that a "%2" inside a path is never taken for a place.
    if (TextosDe(defecto).huecos == Huecos::ConDiario) return texto.arg(archivo, archivo + QStringLiteral("-journal"));
    return texto.arg(archivo);
}

}  // namespace oxalde
