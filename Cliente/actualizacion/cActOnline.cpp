#include "actualizacion/cActOnline.h"

#include "com/com.h"
#include "compartido/biblioteca.h"
#include "compartido/general.h"

namespace oxalde {

cActOnline& cActOnline::Instancia() {
    static cActOnline instancia;
    return instancia;
}

QString cActOnline::ObtenerURLAct() {
    urlAct_ = QString::fromStdString(DatosGeneral(RutaBDLectura)->URLAct());
    return urlAct_;
}

void cActOnline::LeerActOnline() { actOnline_ = DatosGeneral(RutaBDModificable)->ObtenerActOnline(); }

void cActOnline::GuardarActOnline() {
    if (BaseSinEscritura) return;  // said at start; the choice holds for this run
    vb::Integer valor = actOnline_;
    DatosGeneral(RutaBDModificable)->GuardarActOnline(valor);
}

}  // namespace oxalde
