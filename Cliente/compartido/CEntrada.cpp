#include "compartido/CEntrada.h"

#include "com/com.h"
#include "compartido/biblioteca.h"
#include "compartido/cFecha.h"
#include "compartido/cadenas.h"
#include "compartido/traduccion_toolkit.h"
#include "compartido/general.h"

namespace oxalde {

QString NormalizarIdioma(const QString& almacenada) {
    return almacenada == kEuskera ? kEuskera : kCastellano;
}

int DesplazamientoIdioma(const QString& letra) { return letra == kEuskera ? kDesplEuskera : 0; }

CEntrada& CEntrada::Instancia() {
    static CEntrada instancia;
    return instancia;
}

void CEntrada::InicializarContadores() { numDecla_ = DatosGeneral(RutaBDModificable)->NumeroDeclarantes(); }

void CEntrada::ModificarIdioma(QString& letra) {
    if (BaseSinEscritura) return;  // said at start; the language holds for this run
    std::string sidioma = letra.toStdString();
    DatosGeneral(RutaBDModificable)->CambiarIdioma(sidioma);
}

void CEntrada::LeerIdioma() {
    idi_ = NormalizarIdioma(QString::fromStdString(DatosGeneral(RutaBDModificable)->ObtenerIdioma()));
}

void CEntrada::LeerFechaMinMax() {
    vb::Variant buffer;
    DatosGeneral(RutaBDLectura)->DameFechaMinMax(buffer);
    fechaMin_ = buffer(0).CLng();
    fechaMax_ = buffer(1).CLng();
}

// Saved first: a save that fails (a lock, a full disk) leaves the language of the run as it was.
void CEntrada::IDI(const QString& letra) {
    QString guardada = letra;
    ModificarIdioma(guardada);
    idi_ = letra;
    AplicarIdioma();
}

void CEntrada::AplicarIdioma() const {
    DesplIdioma = DesplazamientoIdioma(idi_);
    cFecha::Instancia().fecidioma(idi_);
    TraducirToolkit(idi_);
}

}  // namespace oxalde
