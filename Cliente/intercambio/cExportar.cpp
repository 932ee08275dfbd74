#include "intercambio/cExportar.h"

#include "intercambio/lista_exportar.h"
#include "vb/error.h"

namespace oxalde {

cExportar& cExportar::Instancia() {
    static cExportar instancia;
    return instancia;
}

void cExportar::COPIARELEMENTOENTRETABLAS(qint32 posicion) {
    contriExp_.Anadir(contri_.Elemento(posicion));
    c_.NUMCONTRIEXP = TablaContriExpCOUNT();
}

void cExportar::TablaContriCLEAR() { contri_.Vaciar(); }

void cExportar::TablaContriExpCLEAR() {
    contriExp_.Vaciar();
    c_.NUMCONTRIEXP = 0;
}

void cExportar::TablaContriAnadir(RegistroContribuyente r) {
    contri_.Anadir(std::move(r));
    c_.NUMCONTRISEL = TablaContriCOUNT();
}

void cExportar::TablaContriCARGAR(vb::Variant lista) {
    contri_.Cargar(std::move(lista));
    c_.NUMCONTRISEL = TablaContriCOUNT();
}

void cExportar::TablaContriExpBORRAR(qint32 posicion) {
    contriExp_.Borrar(posicion);
    c_.NUMCONTRIEXP = TablaContriExpCOUNT();
}

qint32 cExportar::TablaOfrecida::Codigo(qint32 indice) const {
    return indice < filasLista_ ? CodigoDeFila(*lista_, indice)
                                : anadidos_[static_cast<size_t>(indice - filasLista_)].CSCO;
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

}  // namespace oxalde
