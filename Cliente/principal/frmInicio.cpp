#include "principal/frmInicio.h"

#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

#include "actualizacion/ActualizacionOnline.h"
#include "compartido/emblema.h"
#include "compartido/general.h"
#include "compartido/reloj.h"

namespace oxalde {
namespace {

constexpr qint64 kDuracionMs = 3000;
constexpr qint64 kDuracionConComprobacionMs = 4000;

QLabel* Etiqueta(const QString& texto, QWidget* padre, int puntos = 0, bool negrita = false) {
    auto* etiqueta = new QLabel(texto, padre);
    etiqueta->setAlignment(Qt::AlignCenter);
    etiqueta->setWordWrap(true);
    QFont letra = etiqueta->font();
    if (puntos > 0) letra.setPointSize(puntos);
    letra.setBold(negrita);
    etiqueta->setFont(letra);
    return etiqueta;
}

}  // namespace

frmInicio::frmInicio(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmInicio"));
    auto* marco = new QFrame(this);
    marco->setFrameShape(QFrame::Box);
    auto* capas = new QVBoxLayout(marco);
    capas->setContentsMargins(24, 24, 24, 24);
    capas->setSpacing(10);
    auto* imagen = new QLabel(marco);
    imagen->setObjectName(QStringLiteral("imgEmblema"));
    imagen->setPixmap(PixmapEmblema(96));
    imagen->setAlignment(Qt::AlignCenter);
    capas->addWidget(imagen);
    capas->addWidget(Etiqueta(QStringLiteral("BEZ - Aldizkakoak ez diren aitorpenak"), marco, 14, true));
    capas->addWidget(Etiqueta(QStringLiteral("I.V.A. - Declaraciones no periódicas"), marco, 14, true));
    capas->addWidget(Etiqueta(QStringLiteral("731 eta 732 ereduak egiteko laguntza programa"), marco));
    capas->addWidget(Etiqueta(QStringLiteral("Programa de ayuda para los modelos 731 y 732"), marco));
    lblVersion_ = Etiqueta(QString(), marco);
    lblVersion_->setObjectName(QStringLiteral("lblVersion"));
    capas->addWidget(lblVersion_);
    lblAct_ = Etiqueta(QStringLiteral("Eguneratzen / Buscando actualización ..."), marco);
    lblAct_->setObjectName(QStringLiteral("LblAct"));
    lblAct_->hide();
    capas->addWidget(lblAct_);
    auto* exterior = new QVBoxLayout(this);
    exterior->setContentsMargins(0, 0, 0, 0);
    exterior->addWidget(marco);
    setFixedWidth(460);
}

void frmInicio::MostrarVersion() { lblVersion_->setText(QStringLiteral("Bertsioa/Versión") + VersionPrograma); }

void frmInicio::Cargar() {
    show();
    MostrarVersion();
    Reloj& reloj = RelojActual();
    qint64 limite = reloj.AhoraMs() + kDuracionMs;
    if (cActOnline::Instancia().ActOnline() == 1) {
        limite = reloj.AhoraMs() + kDuracionConComprobacionMs;
        lblAct_->show();
        ComprobarActualizacion();
        lblAct_->hide();
    }
    EsperarHasta(limite);
}

}  // namespace oxalde
