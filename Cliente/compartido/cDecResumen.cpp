#include "compartido/claves_declaracion.h"
#include "compartido/cDecResumen.h"

#include <limits>

#include "GarobelLib/cMiscelaneos.h"
#include "com/com.h"
#include "compartido/CEntrada.h"
#include "compartido/biblioteca.h"
#include "compartido/general.h"
#include "compartido/procedimientos.h"

namespace oxalde {

cDecResumen& cDecResumen::Instancia() {
    static cDecResumen instancia;
    return instancia;
}

void cDecResumen::MODO(const QString& m) {
    modo_ = m;
    if (m == QStringLiteral("L")) return VaciarCabecera();
    vb::Variant ultima;
    const bool hay = ObtenerUltimaDeclaracion(ultima);
    if (m == kModoTransporte) {
        // Only the form of the latest transport declaration is proposed.
        VaciarFecha();
        modelo_ = hay ? Texto(ultima(1)) : QString();
        tipologia_ = hay ? ultima(7).CByte() : vb::Byte{0};
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
    modelo_.clear();
    tipologia_ = 0;
}

void cDecResumen::VaciarFecha() {
    fecha_ = 0;
    ejercicio_ = 0;
    periodo_.clear();
}

void cDecResumen::CopiarUltima(const vb::Variant& ultima) {
    modelo_ = Texto(ultima(1));
    fecha_ = ultima(4).CLng();
    ejercicio_ = ultima(5).CInt();
    periodo_ = Texto(ultima(6));
    tipologia_ = ultima(7).CByte();
}

// Moves the header to the next quarter; any other period text stays. False when the next
// quarter would fall in a year the header cannot hold.
bool cDecResumen::ProponerTrimestre() {
    static const QStringList trimestres{"1T", "2T", "3T", "4T"};
    const qsizetype n = trimestres.indexOf(periodo_);
    if (n == 3) {
        if (ejercicio_ == std::numeric_limits<vb::Integer>::max()) return false;
        ++ejercicio_;
    }
    if (n >= 0) periodo_ = trimestres[(n + 1) % 4];
    fecha_ = FechaFinTrimestre(ejercicio_, periodo_);
    return true;
}

bool cDecResumen::EjerPerValidos() {
    vb::Variant buffer = vb::Variant::Array1(0, 5);
    buffer(0) = ejercicio_;
    buffer(1) = periodo_.toStdString();
    buffer(2) = CEntrada::Instancia().FECHAMIN();
    buffer(3) = CEntrada::Instancia().FECHAMAX();
    buffer(4) = modo_.toStdString();
    buffer(5) = fecha_;
    return Declaracion(RutaBDModificable)->EjerPerValidos(buffer);
}

bool cDecResumen::ObtenerUltimaDeclaracion(vb::Variant& vBufferResultado) {
    std::string modo = modo_.toStdString();
    return Declaracion(RutaBDModificable)->ObtenerUltimaDeclaracion(vBufferResultado, csco_, modo);
}

vb::Integer cDecResumen::ValidarDatosComunes(vb::Variant& vBufferResultado) {
    return Declaracion(RutaBDModificable)->ValidarDatosComunes(vBufferResultado);
}

QString cDecResumen::TipoDec() const {
    if (dni_.isEmpty()) return QStringLiteral("F");
    std::string primera = dni_.left(1).toStdString();
    auto componente = com::CreateObject<GarobelLib::cMiscelaneos>("GarobelLib.cMiscelaneos");
    switch (componente->NIF_TP(primera)) {
        case 3: return QStringLiteral("F");
        case 0: return QStringLiteral("S");
        default: return QStringLiteral("C");
    }
}

}  // namespace oxalde
