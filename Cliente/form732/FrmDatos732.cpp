#include "form732/FrmDatos732.h"

#include <algorithm>

#include <QCheckBox>
#include <QTabBar>

#include "controles/controles.h"
#include "form732/avisos732.h"
#include "form732/buffers732.h"
#include "form732/cDatos732.h"
#include "form732/cajas732.h"
#include "form732/liquidacion732.h"
#include "compartido/claves_declaracion.h"
#include "compartido/cDecResumen.h"
#include "compartido/avisos.h"
#include "compartido/cadenas.h"
#include "compartido/ventana_principal.h"
#include "compartido/general.h"
#include "compartido/procedimientos.h"

namespace oxalde {
namespace {

QString Bandera(bool marcada) { return marcada ? QStringLiteral("X") : QString(); }

using GetBandera = QString (cDatos732::*)() const;
// The stores of the two sets of six flags are called by name: the sanitizer build misreads an
// indexed call through a table of member-function pointers as out of bounds.
void LetSituacion(cDatos732& d, int i, const QString& v) {
    switch (i) {
    case 0: d.SITTIB1(v); break;
    case 1: d.SITTIB2(v); break;
    case 2: d.SITTIB3(v); break;
    case 3: d.SITTIB4(v); break;
    case 4: d.SITTIB5(v); break;
    case 5: d.SITTIB6(v); break;
    }
}
void LetHecho(cDatos732& d, int i, const QString& v) {
    switch (i) {
    case 0: d.HECHO1(v); break;
    case 1: d.HECHO2(v); break;
    case 2: d.HECHO3(v); break;
    case 3: d.HECHO4(v); break;
    case 4: d.HECHO5(v); break;
    case 5: d.HECHO6(v); break;
    }
}
const GetBandera kSituacion[] = {&cDatos732::SITTIB1, &cDatos732::SITTIB2, &cDatos732::SITTIB3,
                                 &cDatos732::SITTIB4, &cDatos732::SITTIB5, &cDatos732::SITTIB6};
const GetBandera kHecho[] = {&cDatos732::HECHO1, &cDatos732::HECHO2, &cDatos732::HECHO3,
                             &cDatos732::HECHO4, &cDatos732::HECHO5, &cDatos732::HECHO6};

bool AlgunoMarcado(const GetBandera (&banderas)[6]) {
    return std::any_of(std::begin(banderas), std::end(banderas),
                       [](GetBandera get) { return !(cDatos732::Instancia().*get)().isEmpty(); });
}

}  // namespace

cDatos732& FrmDatos732::Datos() { return cDatos732::Instancia(); }

bool FrmDatos732::Transporte() { return Datos().MODOP() == kModoTransporte; }

FrmDatos732::FrmDatos732(QWidget* parent) : EditorDeclaracion(QStringLiteral("FrmDatos732"), parent) {
    CrearControles();
    ConectarCajas();
}

QWidget* FrmDatos732::Control(const QString& nombre, int elemento) const {
    return findChild<QWidget*>(elemento < 0 ? nombre : QStringLiteral("%1(%2)").arg(nombre).arg(elemento));
}

// Lifecycle.

void FrmDatos732::PasosDeCarga() {
    Anadir_captions();
    InicializarFormulario();
    AjustarEtiquetas(this);
}

void FrmDatos732::Form_Activate() { DeshabilitarMenus(); }

bool FrmDatos732::Nueva() const { return Datos().MODO() == kModoNueva; }

vb::Long FrmDatos732::Clave() const { return Datos().CSDE(); }

// Clicks.

void FrmDatos732::chksittib_Click(int i) {
    LetSituacion(Datos(), i, Bandera(chksittib_[i]->isChecked()));
    datosModificados_ = true;
    CalcularLiquidacion();
    RefrescarDatos();
}

void FrmDatos732::chkhecho_Click(int i) {
    auto& d = Datos();
    const bool marcado = chkhecho_[i]->isChecked();
    // In a transport declaration the new means of transport, forced execution and other cases
    // exclude each other.
    constexpr int kExcluyentes[] = {1, 4, 5};
    if (marcado && Transporte() &&
        std::find(std::begin(kExcluyentes), std::end(kExcluyentes), i) != std::end(kExcluyentes))
        for (int otro : kExcluyentes)
            if (otro != i) LetHecho(d, otro, QString());
    LetHecho(d, i, Bandera(marcado));
    if (i == 0 && !marcado) {
        d.TRANIF(QString());
        d.TRANOM(QString());
        d.TRAPAIS(QString());
    }
    datosModificados_ = true;
    CalcularLiquidacion();
    RefrescarDatos();
}

void FrmDatos732::OptTmedio_Click() {
    Datos().TMEDIO(MedioMarcado());
    datosModificados_ = true;
    RefrescarDatos();
}

// The tab guard: no tab but the taxable event until an event is marked, then no tab but the
// tax situation until a situation is marked (a transport declaration's situation is fixed).
void FrmDatos732::TabTra_Click(int pestana) {
    const QString titulo = windowTitle();
    if (pestana != 3) {
        if (!AlgunoMarcado(kHecho)) {
            hechosMarcados_ = false;
            tabTra_->setCurrentIndex(2);
            Advertencia(Cadena(kIdMsgFaltaHechoImponible), titulo, this);
            return;
        }
        hechosMarcados_ = true;
    }
    if (hechosMarcados_ && pestana != 2 && !Transporte() && !AlgunoMarcado(kSituacion)) {
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

// Box handlers, one family per row of the box tables.

void FrmDatos732::ConectarCajas() {
    ConectarTablas(CajasTexto732(), CajasNumero732(), Datos());
}

void FrmDatos732::CalcularLiquidacion() { oxalde::CalcularLiquidacion(); }

}  // namespace oxalde
