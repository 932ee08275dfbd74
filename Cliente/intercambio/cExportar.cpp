#include "intercambio/cExportar.h"

#include "intercambio/formato_contri.h"
#include "vb/error.h"

namespace oxalde {

cExportar& cExportar::Instancia() {
    static cExportar instancia;
    return instancia;
}

void cExportar::COPIARELEMENTOENTRETABLAS(qint32 posicion) {
    contriExp_.push_back(contri_[Indice(contri_, posicion)]);
    numContriExp_ = TablaContriExpCOUNT();
}

void cExportar::TablaContriCLEAR() { contri_.clear(); }

void cExportar::TablaContriExpCLEAR() {
    contriExp_.clear();
    numContriExp_ = 0;
}

void cExportar::TablaContriAnadir(RegistroContribuyente r) {
    for (const CampoLinea& campo : CamposLinea())
        if (campo.texto) r.*campo.texto = AnchoFijo(r.*campo.texto, campo.ancho);
    contri_.push_back(std::move(r));
    numContriSel_ = TablaContriCOUNT();
}

void cExportar::TablaContriExpBORRAR(qint32 posicion) {
    contriExp_.erase(contriExp_.begin() + static_cast<std::ptrdiff_t>(Indice(contriExp_, posicion)));
    numContriExp_ = TablaContriExpCOUNT();
}

const RegistroContribuyente& cExportar::TablaContriExpELEMENTO(qint32 posicion) const {
    return contriExp_[Indice(contriExp_, posicion)];
}

qint32 cExportar::Posicion(const Tabla& tabla, qint32 csco) {
    for (size_t i = 0; i < tabla.size(); ++i)
        if (tabla[i].CSCO == csco) return static_cast<qint32>(i + 1);
    return 0;
}

size_t cExportar::Indice(const Tabla& tabla, qint32 posicion) {
    if (posicion < 1 || static_cast<size_t>(posicion) > tabla.size()) vb::Lanzar(vb::errSubindice);
    return static_cast<size_t>(posicion - 1);
}

}  // namespace oxalde
