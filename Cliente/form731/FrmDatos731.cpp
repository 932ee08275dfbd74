#include "form731/FrmDatos731.h"

#include <QApplication>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "GarobelLib/cMiscelaneos.h"
#include "com/com.h"
#include "controles/CajaFecha.h"
#include "controles/Pindaro.h"
#include "controles/TiraPestanas.h"
#include "controles/controles.h"
#include "controles/entrada.h"
#include "form731/cDatos731.h"
#include "form731/buffers731.h"
#include "form731/codigos731.h"
#include "form731/cuenta731.h"
#include "form731/liquidacion731.h"
#include "compartido/claves_declaracion.h"
#include "compartido/cDecResumen.h"
#include "compartido/cFecha.h"
#include "compartido/cadenas.h"
#include "compartido/general.h"
#include "compartido/procedimientos.h"

namespace oxalde {

namespace {

cDecResumen& Resumen() { return cDecResumen::Instancia(); }

// Design size of the window, in twips.
constexpr int kAncho = 9480;
constexpr int kAlto = 6120;

}  // namespace

FrmDatos731::FrmDatos731(QWidget* parent) : EditorDe(QStringLiteral("FrmDatos731"), parent) {
    QFont letra = font();
    letra.setPointSize(8);
    setFont(letra);
    CrearControles();
    ConectarCajas();
    // The two activities are one choice of their own: left to themselves they would count the
    // means-of-transport options below them in, and a click on the selected activity would
    // clear it, and the sale price with it.
    auto* actividad = new QButtonGroup(this);
    actividad->addButton(optActividad_);
    actividad->addButton(optEntregas_);
    AlPulsar(optActividad_, [this] { optActividad_Click(); });
    AlPulsar(optEntregas_, [this] { optEntregas_Click(); });
}

QSize FrmDatos731::sizeHint() const { return {TwipsAPixeles(this, kAncho), TwipsAPixeles(this, kAlto)}; }

// Every box answers with the handlers of its family.
void FrmDatos731::ConectarCajas() {
    ConectarTablas(kCajas731, Datos());
    auto modificado = [this] { datosModificados_ = true; };
    for (const char* prefijo : {"txtPIban", "txtTIban"}) {
        for (int k = 0; k < CuentaIban::kGrupos; ++k) {
            QLineEdit* caja = CajaCuenta(prefijo, k);
            connect(caja, &QLineEdit::textChanged, this, modificado);
            entrada_->SeleccionarAlEntrar(caja);
            FiltrarTeclas(caja, FiltrarTecla);
            AlPerder(caja, [this, prefijo, k] { SalirCajaCuenta(prefijo, k); });
        }
    }
}

// ---- Opening -------------------------------------------------------------------------------

void FrmDatos731::PasosDeCarga() {
    Anadir_captions();
    InicializarFormulario();
    AbrirCuotasTecleadas();
    SeleccionarActividad();
}

void FrmDatos731::PrepararPantalla() {
    MostrarMarcoDatos();
    const bool t = Transporte();
    if (t) Datos().PESTAÑA(1);
    // The locked copy of the date shows over the masked box in a transport declaration.
    auto* bis = Control<QLineEdit>(QStringLiteral("txtFechaBis"));
    bis->setVisible(t);
    if (!t) return;
    bis->setText(cFecha::Instancia().LongToString(Resumen().FECHA()));
    bis->raise();
}

void FrmDatos731::AbrirCuotasTecleadas() {
    if (!FechaConCuotasTecleadas()) return;
    for (const char* n : {"txtcuota16", "txtcuota7"}) Editable(Caja(n), true);
}

void FrmDatos731::Form_Activate() {
    EditorDeclaracion::Form_Activate();
    if (Datos().MODOP() == kModoPeriodica) {
        Caja("txtbase16")->setFocus();
        return;
    }
    // A transport declaration: what the user types must land in a box the opened tab shows,
    // the first one that can be typed in.
    QWidget* foco = focusWidget();
    if (foco && foco->isVisible() && foco->isEnabled()) return;
    for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
        auto* caja = qobject_cast<QLineEdit*>(w);
        if (caja && isAncestorOf(caja) && caja->isVisible() && caja->isEnabled() && !caja->isReadOnly() &&
            (caja->focusPolicy() & Qt::TabFocus)) {
            caja->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

// ---- Calculation ---------------------------------------------------------------------------

void FrmDatos731::CalcularLiquidacion() {
    oxalde::CalcularLiquidacion(Datos(), Resumen());
    if (!Transporte()) MostrarCuentaPeriodo();
}

void FrmDatos731::MostrarCuentaPeriodo() {
    const long fin = FechaFinTrimestre(Resumen().Ejercicio(), Resumen().PERIODO());
    Control("fraPCC")->setVisible(CuentaPeriodoVisible(Datos().IVADEV2(), fin));
}

// ---- Repaint -------------------------------------------------------------------------------

void FrmDatos731::MostrarRegistro() {
    if (Transporte()) {
        MostrarMarcosPestana();
        MostrarDatosPestana();
    } else if (Datos().MODOP() == kModoPeriodica) {
        MostrarDatosPeriodicos();
    }
}

QLineEdit* FrmDatos731::CajaCuenta(const char* prefijo, int k) const {
    return findChild<QLineEdit*>(QString::fromLatin1(prefijo) + (k == 0 ? QString() : QString::number(k)));
}

void FrmDatos731::MostrarCuenta(const char* prefijo) {
    const auto grupos = CuentaIban::Grupos(Datos().CC());
    for (int k = 0; k < CuentaIban::kGrupos; ++k) CajaCuenta(prefijo, k)->setText(grupos[k]);
}

void FrmDatos731::MostrarDatosPeriodicos() {
    RepintarCajas(Control(QStringLiteral("FraDatosP")));
    MostrarCuenta("txtPIban");
}

void FrmDatos731::MostrarMarcosPestana() {
    const int pestana = Datos().PESTAÑA();
    if (pestana >= 1 && pestana <= 3) {
        const char* marcos[] = {"FraAdq", "FraTec", "FraLiq"};
        for (int i = 0; i < 3; ++i) Control(marcos[i])->setVisible(i + 1 == pestana);
        Control(marcos[pestana - 1])->raise();
    }
    if (pestana == 3)
        Control("fraTCC")->setVisible(CuentaTransporteVisible(Datos().IVADEV1(), Resumen().FECHA()));
    if (pestana >= 1 && pestana <= 3) tabTra_->setCurrentIndex(pestana - 1);
}

void FrmDatos731::MostrarDatosPestana() {
    switch (Datos().PESTAÑA()) {
        case 1: MostrarAdquirente(); break;
        case 2: MostrarDatosTecnicos(); break;
        case 3: MostrarLiquidacion(); break;
        default: break;
    }
}

void FrmDatos731::MostrarAdquirente() { RepintarCajas(Control(QStringLiteral("FraAdq"))); }

void FrmDatos731::MostrarDatosTecnicos() {
    const bool libre = Nueva();
    Control("FraTMedio")->setEnabled(libre);
    for (QRadioButton* o : OptTmedio_) TextoUsable(o, libre);
    MostrarMedioTransporte(Datos().TMEDIO());
}

void FrmDatos731::MostrarLiquidacion() {
    RepintarCajas(Control(QStringLiteral("FraLiq")));
    MostrarCuenta("txtTIban");
}

// ---- Options and tabs ----------------------------------------------------------------------

void FrmDatos731::SeleccionarActividad() {
    // A stored declaration reopens as intra-community deliveries exactly when it has a sale
    // price. The record's activity follows the option chosen, so that the refund is computed
    // for the activity the window shows, and road transport has no sale price to type.
    const bool entregas = Nueva() || Datos().PREVEN() > 0;
    Datos().ACTIVIDAD(entregas ? 0 : -1);
    Control("fraPrecioVenta")->setVisible(entregas);
    (entregas ? optEntregas_ : optActividad_)->setChecked(true);
    CalcularLiquidacion();
}

void FrmDatos731::optActividad_Click() {
    if (optActividad_->isChecked()) {
        datosModificados_ = true;
        Datos().ACTIVIDAD(-1);
        Datos().PREVEN(0);
        Control("fraPrecioVenta")->hide();
    } else {
        Control("fraPrecioVenta")->show();
    }
    CalcularLiquidacion();
    RefrescarDatos();
}

void FrmDatos731::optEntregas_Click() {
    if (optEntregas_->isChecked()) {
        datosModificados_ = true;
        Datos().ACTIVIDAD(0);
        Control("fraPrecioVenta")->show();
    } else {
        Datos().PREVEN(0);
        Control("fraPrecioVenta")->hide();
    }
    CalcularLiquidacion();
    RefrescarDatos();
}

void FrmDatos731::TabTra_Click(int pestana) {
    if (pestana >= 1 && pestana <= 3) Datos().PESTAÑA(static_cast<vb::Byte>(pestana));
    RefrescarDatos();
    QWidget* foco = nullptr;
    switch (Datos().PESTAÑA()) {
        case 1: foco = Control("txtadqnif"); break;
        case 2: foco = InicioDelMedio(Datos().TMEDIO()); break;
        case 3: foco = Control("txtpreadq"); break;
        default: break;
    }
    if (foco) foco->setFocus(Qt::TabFocusReason);
}

// ---- Leaving a box -------------------------------------------------------------------------

// A box of the account left: when it no longer holds its group of the account, the account is
// put together again from the six boxes of its row, each filled to four characters.
void FrmDatos731::SalirCajaCuenta(const char* prefijo, int k) {
    auto componente = com::CreateObject<GarobelLib::cMiscelaneos>("GarobelLib.cMiscelaneos");
    if (CajaCuenta(prefijo, k)->text() == CuentaIban::Grupo(Datos().CC(), k + 1)) return;
    std::array<QString, CuentaIban::kGrupos> cajas;
    for (int i = 0; i < CuentaIban::kGrupos; ++i) cajas[i] = CajaCuenta(prefijo, i)->text();
    Datos().CC(CuentaIban::Unir(cajas, [&](const QString& texto, int ancho) {
        return QString::fromStdString(componente->rellena(texto.toStdString(), static_cast<vb::Integer>(ancho), " "));
    }));
    RefrescarDatos();
}

// ---- Checks and save -----------------------------------------------------------------------

bool FrmDatos731::ValidarCampos() {
    vb::Variant buffer = BufferValidacion731(Datos());
    bool entregas = optEntregas_->isChecked();
    const int codigo = Datos().ValidarDatos731(buffer, entregas);
    if (codigo == 0) return true;
    const std::optional<Codigo731> fallo = BuscarCodigo731(codigo);
    if (!fallo) return false;
    return Rechazar(Cadena(fallo->id), fallo->pestana, fallo->caja ? Control(fallo->caja) : nullptr);
}

vb::Long FrmDatos731::GuardarDeclaracion() {
    vb::Variant buffer = BufferDeclaracion731(Datos(), Resumen());
    return Datos().GuardarDeclaracion(buffer);
}

}  // namespace oxalde
