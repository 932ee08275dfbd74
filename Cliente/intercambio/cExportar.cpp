#include "intercambio/cExportar.h"

#include "intercambio/formato_contri.h"
#include "vb/error.h"

namespace oxalde {

cExportar& cExportar::Instancia() {
    static cExportar instancia;
    return instancia;
}

void cExportar::COPIARELEMENTOENTRETABLAS(qint32 posicion) {
    contriExp_.Anadir(contri_.Elemento(posicion));
    numContriExp_ = TablaContriExpCOUNT();
}

void cExportar::TablaContriCLEAR() { contri_.Vaciar(); }

void cExportar::TablaContriExpCLEAR() {
    contriExp_.Vaciar();
    numContriExp_ = 0;
}

void cExportar::TablaContriAnadir(RegistroContribuyente r) {
    for (const CampoLinea& campo : CamposLinea())
        if (campo.texto) r.*campo.texto = AnchoFijo(r.*campo.texto, campo.ancho);
    contri_.Anadir(std::move(r));
    numContriSel_ = TablaContriCOUNT();
}

void cExportar::TablaContriExpBORRAR(qint32 posicion) {
    contriExp_.Borrar(posicion);
    numContriExp_ = TablaContriExpCOUNT();
}

const RegistroContribuyente& cExportar::TablaContriExpELEMENTO(qint32 posicion) const {
    return contriExp_.Elemento(posicion);
}

qint32 cExportar::Tabla::Posicion(qint32 csco) const {
    return posiciones_.value(csco, 0);
}

void cExportar::Tabla::Anadir(RegistroContribuyente registro) {
    if (!posiciones_.contains(registro.CSCO)) posiciones_.insert(registro.CSCO, Cuenta() + 1);
    registros_.push_back(std::move(registro));
}

void cExportar::Tabla::Borrar(qint32 posicion) {
    registros_.erase(registros_.begin() + static_cast<std::ptrdiff_t>(Indice(posicion)));
    // Every later record moved down: the positions are counted again.
    posiciones_.clear();
    for (size_t i = registros_.size(); i-- > 0;) posiciones_.insert(registros_[i].CSCO, static_cast<qint32>(i + 1));
}

void cExportar::Tabla::Vaciar() {
    registros_.clear();
    posiciones_.clear();
}

size_t cExportar::Tabla::Indice(qint32 posicion) const {
    if (posicion < 1 || posicion > Cuenta()) vb::Lanzar(vb::errSubindice);
    return static_cast<size_t>(posicion - 1);
}

}  // namespace oxalde
