#include "intercambio/cExportar.h"

#include "intercambio/formato_contri.h"
#include "intercambio/lista_exportar.h"
#include "vb/error.h"

namespace oxalde {

cExportar& cExportar::Instancia() {
    static cExportar instancia;
    return instancia;
}

void cExportar::COPIARELEMENTOENTRETABLAS(qint32 posicion) {
    RegistroContribuyente r = contri_.Elemento(posicion);
    for (const CampoLinea& campo : CamposLinea())
        if (campo.texto) r.*campo.texto = AnchoFijo(r.*campo.texto, campo.ancho);
    contriExp_.Anadir(std::move(r));
    numContriExp_ = TablaContriExpCOUNT();
}

void cExportar::TablaContriCLEAR() { contri_.Vaciar(); }

void cExportar::TablaContriExpCLEAR() {
    contriExp_.Vaciar();
    numContriExp_ = 0;
}

void cExportar::TablaContriAnadir(RegistroContribuyente r) {
    contri_.Anadir(std::move(r));
    numContriSel_ = TablaContriCOUNT();
}

void cExportar::TablaContriCARGAR(vb::Variant lista) {
    contri_.Cargar(std::move(lista));
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
    if (!contadas_) {
        // From the end, so that the lowest position of a code is the one kept.
        posiciones_.clear();
        posiciones_.reserve(static_cast<qsizetype>(registros_.size()));
        for (size_t i = registros_.size(); i-- > 0;) posiciones_.insert(registros_[i].CSCO, static_cast<qint32>(i + 1));
        contadas_ = true;
    }
    return posiciones_.value(csco, 0);
}

void cExportar::Tabla::Anadir(RegistroContribuyente registro) {
    if (contadas_ && !posiciones_.contains(registro.CSCO)) posiciones_.insert(registro.CSCO, Cuenta() + 1);
    registros_.push_back(std::move(registro));
}

void cExportar::Tabla::Borrar(qint32 posicion) {
    registros_.erase(registros_.begin() + static_cast<std::ptrdiff_t>(Indice(posicion)));
    contadas_ = false;  // every later record moved down
}

void cExportar::Tabla::Reservar(qint32 registros) {
    if (registros <= Cuenta()) return;
    registros_.reserve(static_cast<size_t>(registros));
    if (contadas_) posiciones_.reserve(registros);
}

void cExportar::Tabla::Vaciar() {
    registros_.clear();
    posiciones_.clear();
    contadas_ = false;
}

qint32 cExportar::TablaOfrecida::Codigo(qint32 indice) const {
    return indice < filasLista_ ? CodigoDeFila(*lista_, indice) : anadidos_[static_cast<size_t>(indice - filasLista_)].CSCO;
}

qint32 cExportar::TablaOfrecida::Posicion(qint32 csco) const {
    if (!contadas_) {
        // From the end, so that the lowest position of a code is the one kept.
        posiciones_.clear();
        posiciones_.reserve(Cuenta());
        for (qint32 i = Cuenta(); i-- > 0;) posiciones_.insert(Codigo(i), i + 1);
        contadas_ = true;
    }
    return posiciones_.value(csco, 0);
}

RegistroContribuyente cExportar::TablaOfrecida::Elemento(qint32 posicion) const {
    if (posicion < 1 || posicion > Cuenta()) vb::Lanzar(vb::errSubindice);
    if (posicion <= filasLista_) return RegistroDeFila(*lista_, posicion - 1);
    return anadidos_[static_cast<size_t>(posicion - filasLista_ - 1)];
}

const vb::Variant& cExportar::TablaOfrecida::Lista() const {
    static const vb::Variant kNinguna;
    return lista_ ? *lista_ : kNinguna;
}

void cExportar::TablaOfrecida::Cargar(vb::Variant lista) {
    Vaciar();
    filasLista_ = lista.IsArray() ? lista.UBound(2) + 1 : 0;
    lista_ = std::make_shared<const vb::Variant>(std::move(lista));
}

void cExportar::TablaOfrecida::Anadir(RegistroContribuyente registro) {
    if (contadas_ && !posiciones_.contains(registro.CSCO)) posiciones_.insert(registro.CSCO, Cuenta() + 1);
    anadidos_.push_back(std::move(registro));
}

void cExportar::TablaOfrecida::Vaciar() {
    lista_.reset();
    filasLista_ = 0;
    anadidos_.clear();
    posiciones_.clear();
    contadas_ = false;
}

size_t cExportar::Tabla::Indice(qint32 posicion) const {
    if (posicion < 1 || posicion > Cuenta()) vb::Lanzar(vb::errSubindice);
    return static_cast<size_t>(posicion - 1);
}

}  // namespace oxalde
