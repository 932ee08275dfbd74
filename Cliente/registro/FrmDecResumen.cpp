#include "registro/FrmDecResumen.h"

#include <QLabel>
#include <QVBoxLayout>

#include "registro/cDecResumen.h"
#include "shell/menu_principal.h"

namespace oxalde {

FrmDecResumen::FrmDecResumen(QWidget* parent)
    : VentanaHija(QStringLiteral("FrmDecResumen"), parent), lblDeclarante_(new QLabel(this)) {
    lblDeclarante_->setObjectName(QStringLiteral("lblDeclarante"));
    lblDeclarante_->setAlignment(Qt::AlignCenter);
    auto* capas = new QVBoxLayout(this);
    capas->addWidget(lblDeclarante_);
}

void FrmDecResumen::Form_Load() {
    const auto& resumen = cDecResumen::Instancia();
    setWindowTitle(resumen.DNI() + QStringLiteral(" - ") + resumen.NOMBRE());
    lblDeclarante_->setText(QString::number(resumen.CSCO()) + u'\n' + resumen.DNI() + u'\n' + resumen.NOMBRE());
    DeshabilitarMenus();
}

void FrmDecResumen::Form_Activate() { DeshabilitarMenus(); }

void FrmDecResumen::Form_Unload() { RefrescarMenuPrincipal(); }

}  // namespace oxalde
