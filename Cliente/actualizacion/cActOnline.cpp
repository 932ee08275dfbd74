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
    c_.URLAct = QString::fromStdString(DatosGeneral(RutaBDLectura)->URLAct());
    return c_.URLAct;
}

void cActOnline::LeerActOnline() { c_.ActOnline = DatosGeneral(RutaBDModificable)->ObtenerActOnline(); }

void cActOnline::GuardarActOnline() {
    if (BaseSinEscritura) return;  // said at start; the choice holds for this run
    vb::Integer valor = c_.ActOnline;
    DatosGeneral(RutaBDModificable)->GuardarActOnline(valor);
}

}  // namespace oxalde
