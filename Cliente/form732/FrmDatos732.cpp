#include "form732/FrmDatos732.h"

#include <algorithm>

#include <QCheckBox>
#include <QTabBar>

#include "controles/controles.h"
#include "form732/avisos732.h"
#include "form732/buffers732.h"
#include "form732/cDatos732.h"
#include "form732/liquidacion732.h"
#include "compartido/claves_declaracion.h"
#include "compartido/cDecResumen.h"
#include "compartido/avisos.h"
#include "compartido/cadenas.h"
#include "compartido/general.h"
#include "compartido/procedimientos.h"

namespace oxalde {
namespace {

QString Bandera(bool marcada) { return marcada ? QStringLiteral("X") : QString(); }

// Whether any of the six taxable events, or of the six tax situations, is marked.
bool AlgunoMarcado(bool hechos) {
    const cDatos732& d = cDatos732::Instancia();
    for (int i = 0; i < 6; ++i)
        if (!(hechos ? d.Hecho(i) : d.Situacion(i)).isEmpty()) return true;
    return false;
}

}  // namespace

FrmDatos732::FrmDatos732(QWidget* parent) : EditorDe(QStringLiteral("FrmDatos732"), parent) {
    CrearControles();
    ConectarTablas(kCajas732, Datos());
}

// Lifecycle.

void FrmDatos732::PasosDeCarga() {
    Anadir_captions();
    InicializarFormulario();
    AjustarEtiquetas(this);
}

// Clicks.

void FrmDatos732::chksittib_Click(int i) {
    Datos().Situacion(i, Bandera(Casilla("chksittib", i)->isChecked()));
    datosModificados_ = true;
    CalcularLiquidacion();
    RefrescarDatos();
}

void FrmDatos732::chkhecho_Click(int i) {
    auto& d = Datos();
    const bool marcado = Casilla("chkhecho", i)->isChecked();
    // In a transport declaration the new means of transport, forced execution and other cases
    // exclude each other.
    constexpr int kExcluyentes[] = {1, 4, 5};
    if (marcado && Transporte() &&
        std::find(std::begin(kExcluyentes), std::end(kExcluyentes), i) != std::end(kExcluyentes))
        for (int otro : kExcluyentes)
            if (otro != i) d.Hecho(otro, QString());
    d.Hecho(i, Bandera(marcado));
    if (i == 0 && !marcado) {
        d.TRANIF(QString());
        d.TRANOM(QString());
        d.TRAPAIS(QString());
    }
    datosModificados_ = true;
    CalcularLiquidacion();
    RefrescarDatos();
}

// The tab guard: no tab but the taxable event until an event is marked, then no tab but the
// tax situation until a situation is marked (a transport declaration's situation is fixed).
void FrmDatos732::TabTra_Click(int pestana) {
    const QString titulo = windowTitle();
    if (pestana != 3) {
        if (!AlgunoMarcado(true)) {
            hechosMarcados_ = false;
            tabTra_->setCurrentIndex(2);
            Advertencia(Cadena(kIdMsgFaltaHechoImponible), titulo, this);
            return;
        }
        hechosMarcados_ = true;
    }
    if (hechosMarcados_ && pestana != 2 && !Transporte() && !AlgunoMarcado(false)) {
        tabTra_->setCurrentIndex(1);
        Advertencia(Cadena(kIdMsgFaltaSituacionTributaria), titulo, this);
        return;
    }
    auto& d = Datos();
    d.PESTANA(vb::Byte(pestana));
    RefrescarDatos();
    switch (d.PESTANA()) {
        case 1:
            PonerFoco(!Transporte() && d.HECHO1() != QLatin1String("X") ? static_cast<QWidget*>(tabTra_)
                                                                          : Caja("txttranif"));
            break;
        case 2:
        case 3:
            if (Transporte()) PonerFoco(tabTra_);
            break;
        case 4:
            if (Transporte()) {
                PonerFoco(InicioDelMedio(d.TMEDIO()));
                break;
            }
            [[fallthrough]];
        case 5: PonerFoco(Caja("txtbase16")); break;
    }
}

// Accept's check and save.

bool FrmDatos732::ValidarCampos() {
    const vb::Integer codigo = ComprobarDeclaracion732();
    if (codigo == 0) return true;
    const Aviso732* aviso = AvisoValidacion732(codigo);
    if (!aviso) return false;
    QWidget* control = aviso->foco ? Control(QString::fromUtf8(aviso->foco), aviso->elemento) : nullptr;
    return Rechazar(TextoAviso(*aviso, cDecResumen::Instancia().FECHA(), DesplIdioma),
                    PestanaAviso(*aviso, Datos().MODOP()), control);
}

vb::Long FrmDatos732::GuardarDeclaracion() { return GuardarDeclaracion732(); }

void FrmDatos732::CalcularLiquidacion() { oxalde::CalcularLiquidacion(); }

}  // namespace oxalde
