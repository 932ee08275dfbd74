#include "principal/frmPreferencias.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "actualizacion/ActualizacionOnline.h"
#include "compartido/CEntrada.h"
#include "principal/MDI7312.h"
#include "compartido/cadenas.h"
#include "compartido/captions.h"
#include "controles/controles.h"
#include "compartido/general.h"

namespace oxalde {

frmPreferencias::frmPreferencias(QWidget* parent)
    : QDialog(parent),
      optCast_(Nombrado(new QRadioButton(QStringLiteral("Castellano"), this), "optCast")),
      optEusk_(Nombrado(new QRadioButton(QStringLiteral("Euskera"), this), "optEusk")),
      chkActOnline_(Nombrado(new QCheckBox(this), "chkActOnline")),
      lblActAhora_(Nombrado(new EtiquetaEnlace(this), "lblActAhora")),
      lblActualizaciones_(NuevaEtiqueta(this, "lblActualizaciones")),
      lblIdioma_(NuevaEtiqueta(this, "lblIdioma")),
      cmdAceptar_(Nombrado(new QPushButton(this), "cmdAceptar")),
      cmdCancelar_(Nombrado(new QPushButton(this), "cmdCancelar")) {
    setObjectName(QStringLiteral("frmPreferencias"));
    Negrita(lblIdioma_);
    Negrita(lblActualizaciones_);

    auto* capas = new QGridLayout(this);
    capas->addWidget(lblIdioma_, 0, 0, 1, 2);
    capas->addWidget(optCast_, 1, 0);
    capas->addWidget(optEusk_, 1, 1);
    capas->addWidget(lblActualizaciones_, 2, 0, 1, 2);
    capas->addWidget(chkActOnline_, 3, 0, 1, 2);
    capas->addWidget(lblActAhora_, 4, 0, 1, 2);
    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(cmdAceptar_);
    botones->addWidget(cmdCancelar_);
    capas->addLayout(botones, 5, 0, 1, 2);

    connect(optCast_, &QRadioButton::clicked, this, [this] {
        idiomaElegido_ = optCast_->isChecked() ? kCastellano : kEuskera;
    });
    connect(optEusk_, &QRadioButton::clicked, this, [this] {
        idiomaElegido_ = optEusk_->isChecked() ? kEuskera : kCastellano;
    });
    connect(lblActAhora_, &EtiquetaEnlace::clicked, this, &frmPreferencias::lblActAhora_Click);
    connect(cmdAceptar_, &QPushButton::clicked, this, &frmPreferencias::cmdAceptar_Click);
    connect(cmdCancelar_, &QPushButton::clicked, this, &QDialog::reject);

    // Load.
    CargarPreferencias();
}

void frmPreferencias::CargarPreferencias() {
    chkActOnline_->setChecked(cActOnline::Instancia().ActOnline() == 1);
    EstablecerOpcion(CEntrada::Instancia().IDI() == kCastellano ? optCast_ : optEusk_);
}

void frmPreferencias::PonerCaptions() {
    static constexpr Caption kCaptions[] = {
        {"lblActAhora", 332}, {"chkActOnline", 333}, {"lblActualizaciones", 334}, {"lblIdioma", 336},
        {"", 335},            {"cmdAceptar", 118},   {"cmdCancelar", 119},
    };
    EscribirCaptions(*this, kCaptions);
}

bool frmPreferencias::event(QEvent* evento) {
    if (evento->type() == QEvent::WindowActivate) Form_Activate();
    return QDialog::event(evento);
}

// Every return to the window shows the stored settings again.
void frmPreferencias::Form_Activate() {
    CargarPreferencias();
    PonerCaptions();
}

void frmPreferencias::lblActAhora_Click() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        ComprobarActualizacion();
    } catch (...) {
        QGuiApplication::restoreOverrideCursor();
        throw;
    }
    QGuiApplication::restoreOverrideCursor();
}

void frmPreferencias::cmdAceptar_Click() {
    auto& act = cActOnline::Instancia();
    act.ActOnline(chkActOnline_->isChecked() ? 1 : 0);
    act.GuardarActOnline();
    CEntrada::Instancia().IDI(idiomaElegido_);
    if (MDI7312* principal = MDI7312::Actual()) principal->Anadir_captions();
    accept();
}

}  // namespace oxalde
