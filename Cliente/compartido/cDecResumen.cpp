#include "compartido/cDecResumen.h"

#include <limits>

#include "GarobelLib/cMiscelaneos.h"
#include "com/com.h"
#include "compartido/CEntrada.h"
#include "compartido/biblioteca.h"
#include "compartido/claves_declaracion.h"
#include "compartido/general.h"
#include "compartido/procedimientos.h"

namespace oxalde {

cDecResumen& cDecResumen::Instancia() {
    static cDecResumen instancia;
    return instancia;
}

void cDecResumen::MODO(const QString& m) {
    c_.MODO = m;
    if (m == kModoLista) return VaciarCabecera();
    vb::Variant ultima;
    const bool hay = ObtenerUltimaDeclaracion(ultima);
    if (m == kModoTransporte) {
        // Only the form of the latest transport declaration is proposed.
        VaciarFecha();
        c_.Modelo = hay ? Texto(ultima(1)) : QString();
        c_.TIPOLOGIA = hay ? ultima(7).CByte() : vb::Byte{0};
        return;
    }
    if (!hay) return VaciarCabecera();
    CopiarUltima(ultima);
    // Out of the accepted range (or past the last year there is): the form stays proposed,
    // the user types the year and chooses the quarter.
    if (!ProponerTrimestre() || !EjerPerValidos()) VaciarFecha();
}

void cDecResumen::VaciarCabecera() {
    VaciarFecha();
    c_.Modelo.clear();
    c_.TIPOLOGIA = 0;
}

void cDecResumen::VaciarFecha() {
    c_.FECHA = 0;
    c_.Ejercicio = 0;
    c_.PERIODO.clear();
}

void cDecResumen::CopiarUltima(const vb::Variant& ultima) {
    c_.Modelo = Texto(ultima(1));
    c_.FECHA = ultima(4).CLng();
    c_.Ejercicio = ultima(5).CInt();
    c_.PERIODO = Texto(ultima(6));
    c_.TIPOLOGIA = ultima(7).CByte();
}

// Moves the header to the next quarter; any other period text stays. False when the next
// quarter would fall in a year the header cannot hold.
bool cDecResumen::ProponerTrimestre() {
    static const QStringList trimestres{"1T", "2T", "3T", "4T"};
    const qsizetype n = trimestres.indexOf(c_.PERIODO);
    if (n == 3) {
        if (c_.Ejercicio == std::numeric_limits<vb::Integer>::max()) return false;
        ++c_.Ejercicio;
    }
    if (n >= 0) c_.PERIODO = trimestres[(n + 1) % 4];
    c_.FECHA = FechaFinTrimestre(c_.Ejercicio, c_.PERIODO);
    return true;
}

bool cDecResumen::EjerPerValidos() {
    vb::Variant buffer = vb::Variant::Array1(0, 5);
    buffer(0) = c_.Ejercicio;
    buffer(1) = c_.PERIODO.toStdString();
    buffer(2) = CEntrada::Instancia().FECHAMIN();
    buffer(3) = CEntrada::Instancia().FECHAMAX();
    buffer(4) = c_.MODO.toStdString();
    buffer(5) = c_.FECHA;
    return Declaracion(RutaBDModificable)->EjerPerValidos(buffer);
}

bool cDecResumen::ObtenerUltimaDeclaracion(vb::Variant& vBufferResultado) {
    std::string modo = c_.MODO.toStdString();
    return Declaracion(RutaBDModificable)->ObtenerUltimaDeclaracion(vBufferResultado, c_.CSCO, modo);
}

vb::Integer cDecResumen::ValidarDatosComunes(vb::Variant& vBufferResultado) {
    return Declaracion(RutaBDModificable)->ValidarDatosComunes(vBufferResultado);
}

QString cDecResumen::TipoDec() const {
    if (c_.DNI.isEmpty()) return QStringLiteral("F");
    std::string primera = c_.DNI.left(1).toStdString();
    auto componente = com::CreateObject<GarobelLib::cMiscelaneos>("GarobelLib.cMiscelaneos");
    switch (componente->NIF_TP(primera)) {
        case 3: return QStringLiteral("F");
        case 0: return QStringLiteral("S");
        default: return QStringLiteral("C");
    }
}

}  // namespace oxalde
