#include "intercambio/frmimport.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "shell/cadenas.h"
#include "shell/general.h"
#include "shell/menu_principal.h"

namespace oxalde {

frmimport::frmimport(QWidget* parent)
    : VentanaHija(QStringLiteral("frmimport"), parent), cmdCancelar_(new QPushButton(this)) {
    cmdCancelar_->setObjectName(QStringLiteral("cmdCancelar"));
    auto* capas = new QVBoxLayout(this);
    capas->addStretch();
    capas->addWidget(cmdCancelar_, 0, Qt::AlignRight);
    connect(cmdCancelar_, &QPushButton::clicked, this, [this] {
        RefrescarMenuPrincipal();
        Descargar();
    });
}

void frmimport::Form_Load() {
    setWindowTitle(LoadResString(108 + DesplIdioma).remove(u'&'));
    cmdCancelar_->setText(LoadResString(119 + DesplIdioma));
    DeshabilitarMenus();
}

void frmimport::Form_Unload() { RefrescarMenuPrincipal(); }

}  // namespace oxalde
