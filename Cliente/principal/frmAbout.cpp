#include "principal/frmAbout.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "compartido/cadenas.h"
#include "controles/controles.h"
#include "compartido/emblema.h"
#include "compartido/general.h"

namespace oxalde {
namespace {

QLabel* Etiqueta(const char* nombre, QWidget* padre) {
    auto* etiqueta = new QLabel(padre);
    etiqueta->setObjectName(QString::fromLatin1(nombre));
    etiqueta->setWordWrap(true);
    return etiqueta;
}

}  // namespace

frmAbout::frmAbout(QWidget* parent)
    : QDialog(parent),
      lblTitle_(Etiqueta("lblTitle", this)),
      lblVersion_(Etiqueta("lblVersion", this)),
      lblDescription_(Etiqueta("lblDescription", this)),
      cmdOK_(new QPushButton(this)) {
    setObjectName(QStringLiteral("frmAbout"));
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    auto* picIcon = Etiqueta("picIcon", this);
    picIcon->setPixmap(PixmapEmblema(48));
    Negrita(lblTitle_);
    auto* fijo = Etiqueta("lblFijo", this);
    fijo->setText(QStringLiteral("Quelvarin"));

    auto* capas = new QGridLayout(this);
    capas->addWidget(picIcon, 0, 0, 3, 1, Qt::AlignTop);
    capas->addWidget(lblTitle_, 0, 1);
    capas->addWidget(lblVersion_, 1, 1);
    capas->addWidget(lblDescription_, 2, 1);
    capas->addWidget(LineaHundida(this), 3, 0, 1, 2);
    capas->addWidget(fijo, 4, 0, 1, 2);
    capas->addWidget(LineaHundida(this), 5, 0, 1, 2);
    capas->addWidget(cmdOK_, 6, 1, Qt::AlignRight);
    for (QLabel* texto : {lblTitle_, lblDescription_}) texto->setFixedWidth(380);
    capas->setSizeConstraint(QLayout::SetFixedSize);
    connect(cmdOK_, &QPushButton::clicked, this, &QDialog::accept);

    // Load.
    setWindowTitle(QStringLiteral("Acerca de Quelvarin"));
    lblTitle_->setText(Cadena(kIdAcercaTitulo));
    lblVersion_->setText(Cadena(kIdAcercaVersion).arg(VersionPrograma));
    lblDescription_->setText(Cadena(kIdAcercaDescripcion));
    cmdOK_->setText(Cadena(kIdBotonAceptar));
}

}  // namespace oxalde
