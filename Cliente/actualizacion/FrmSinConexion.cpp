#include "actualizacion/FrmSinConexion.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "actualizacion/cActOnline.h"
#include "actualizacion/ventanas_resultado.h"
#include "compartido/captions.h"
#include "compartido/cadenas.h"
#include "controles/controles.h"

namespace oxalde {
namespace {

QLabel* Explicacion(QWidget* padre, const char* nombre) {
    auto* etiqueta = NuevaEtiqueta(padre, nombre);
    etiqueta->setWordWrap(true);
    etiqueta->setFixedWidth(420);
    return etiqueta;
}

}  // namespace

FrmSinConexion::FrmSinConexion(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint),
      lblTituloC_(Explicacion(this, "lblTituloC")),
      lblTituloE_(Explicacion(this, "lblTituloE")),
      chkNoPreg_(Nombrado(
          new QCheckBox(QStringLiteral("Berriro kontsulta ez egin / No volver a consultar"), this), "ChkNoPreg")),
      cmdContinuar_(Nombrado(new QPushButton(kTextoContinuar, this), "CmdContinuar")) {
    setObjectName(QStringLiteral("FrmSinConexion"));
    Negrita(lblTituloC_);
    QFont cursiva = lblTituloE_->font();
    cursiva.setItalic(true);
    lblTituloE_->setFont(cursiva);

    auto* capas = new QVBoxLayout(this);
    capas->setSpacing(12);
    capas->addWidget(lblTituloC_);
    capas->addWidget(lblTituloE_);
    capas->addWidget(chkNoPreg_);
    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(cmdContinuar_);
    capas->addLayout(botones);
    capas->setSizeConstraint(QLayout::SetFixedSize);
    connect(chkNoPreg_, &QCheckBox::clicked, this, &FrmSinConexion::ChkNoPreg_Click);
    connect(cmdContinuar_, &QPushButton::clicked, this, &QDialog::accept);

    // Load.
    PunteroNormal();
    PresentaMensaje();
    Centrar();
    EstablecerCasilla(chkNoPreg_, cActOnline::Instancia().ActOnline() == 0);
}

void FrmSinConexion::PresentaMensaje() {
    // Both languages by their fixed ids, whatever language is chosen.
    const bool sinDescarga = cActOnline::Instancia().SitAct() == 1;
    const int titulo = sinDescarga ? kIdTituloSinConexion : kIdTituloDatosErroneos;
    const int texto = sinDescarga ? kIdMsgSinConexion : kIdMsgDatosActualizacionErroneos;
    setWindowTitle(Cadena(titulo, 0) + QStringLiteral(" / ") + Cadena(titulo, kDesplEuskera));
    lblTituloC_->setText(Cadena(texto, 0));
    lblTituloE_->setText(Cadena(texto, kDesplEuskera));
}

void FrmSinConexion::Centrar() {
    adjustSize();
    if (const QScreen* pantalla = screen()) {
        const QRect area = pantalla->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
}

// Every change of the box is stored at once, also the one made while the window loads.
void FrmSinConexion::ChkNoPreg_Click() {
    auto& act = cActOnline::Instancia();
    act.ActOnline(chkNoPreg_->isChecked() ? 0 : 1);
    act.GuardarActOnline();
}

}  // namespace oxalde
