#include "actualizacion/FrmVersionCheck.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "actualizacion/cActOnline.h"
#include "actualizacion/navegador.h"
#include "actualizacion/ventanas_resultado.h"
#include "compartido/captions.h"
#include "compartido/ventana_principal.h"
#include "compartido/fin_programa.h"

namespace oxalde {
namespace {

bool& salidaPedida() {
    static bool pedida = false;
    return pedida;
}

// The fixed captions of the labels, by control.
struct Rotulo {
    const char* nombre;
    const char* texto;
};
constexpr Rotulo kRotulos[] = {
    {"LblAct", "Oraingoa / Actual"},
    {"LblDisp", "Erabilgarria / Disponible"},
    {"LblArchivo", "Fitxategia / Fichero"},
    {"LblUrl", "Deskarga helbidea / Dirección de descarga"},
    {"LblInfo", "Argibideak / Información"},
};

QLabel* Rotulado(QWidget* padre, int i) {
    return NuevaEtiqueta(padre, kRotulos[i].nombre, QString::fromUtf8(kRotulos[i].texto));
}

QLineEdit* CajaFija(QWidget* padre, const char* nombre) {
    auto* caja = Nombrado(new QLineEdit(padre), nombre);
    caja->setReadOnly(true);
    caja->setMinimumWidth(380);
    return caja;
}

QString Version(const QString& a, const QString& b, const QString& c) { return a + u'.' + b + u'.' + c; }

// Ends the program the ordinary way: closing the main window unloads every window. Before the
// main window is up, start-up is told to end instead.
void TerminarPrograma() {
    if (VentanaPrincipal* principal = VentanaPrincipal::Actual()) {
        principal->Ventana()->close();
        return;
    }
    salidaPedida() = true;
    FinalizarPrograma();
}

}  // namespace

FrmVersionCheck::FrmVersionCheck(QWidget* parent)
    : QDialog(parent),
      lblActual_(NuevaEtiqueta(this, "LblActual")),
      lblDisponible_(NuevaEtiqueta(this, "LblDisponible")),
      txtPath_(CajaFija(this, "TxtPath")),
      txtUrl_(CajaFija(this, "TxtUrl")),
      txtInfo_(Nombrado(new QPlainTextEdit(this), "TxtInfo")),
      cmdActualizar_(Nombrado(new QPushButton(QStringLiteral("Deskargatu Descargar"), this), "CmdActualizar")),
      cmdContinuar_(Nombrado(new QPushButton(kTextoContinuar, this), "CmdContinuar")) {
    setObjectName(QStringLiteral("FrmVersionCheck"));
    setWindowTitle(QStringLiteral("Actualizar versión"));
    txtInfo_->setReadOnly(true);
    txtInfo_->setFixedHeight(txtInfo_->fontMetrics().lineSpacing() * 4 + 12);
    txtUrl_->setCursor(Qt::PointingHandCursor);
    txtUrl_->installEventFilter(this);

    auto* fraVersion = Nombrado(new QGroupBox(QStringLiteral("Bertsioa / Versión"), this), "FraVersion");
    auto* versiones = new QGridLayout(fraVersion);
    versiones->addWidget(Rotulado(fraVersion, 0), 0, 0);
    versiones->addWidget(lblActual_, 0, 1);
    versiones->addWidget(Rotulado(fraVersion, 1), 1, 0);
    versiones->addWidget(lblDisponible_, 1, 1);
    versiones->setColumnStretch(1, 1);

    auto* datos = new QGridLayout;
    QWidget* const cajas[] = {txtPath_, txtUrl_, txtInfo_};
    for (int i = 0; i < 3; ++i) {
        datos->addWidget(Rotulado(this, i + 2), i, 0, Qt::AlignTop);
        datos->addWidget(cajas[i], i, 1);
    }
    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(cmdActualizar_);
    botones->addWidget(cmdContinuar_);
    auto* capas = new QVBoxLayout(this);
    capas->addWidget(fraVersion);
    capas->addLayout(datos);
    capas->addLayout(botones);
    capas->setSizeConstraint(QLayout::SetFixedSize);
    connect(cmdActualizar_, &QPushButton::clicked, this, &FrmVersionCheck::CmdActualizar_Click);
    connect(cmdContinuar_, &QPushButton::clicked, this, &QDialog::accept);

    // Load.
    PunteroNormal();
    PresentaDatosVersion();
    QPushButton* principal = cmdActualizar_->isEnabled() ? cmdActualizar_ : cmdContinuar_;
    principal->setDefault(true);
    principal->setFocus();
}

void FrmVersionCheck::PresentaDatosVersion() {
    const auto& act = cActOnline::Instancia();
    cmdActualizar_->setEnabled(act.ComVer() != 0);
    txtUrl_->setText(act.ActDownloadURL());
    txtPath_->setText(act.ActFile());
    lblActual_->setText(Version(act.ProgVer1(), act.ProgVer2(), act.ProgVer3()));
    lblDisponible_->setText(Version(act.ActVer1(), act.ActVer2(), act.ActVer3()));
    txtInfo_->setPlainText(act.ActDescripcion());
}

bool FrmVersionCheck::SalidaPedida() { return salidaPedida(); }

void FrmVersionCheck::SalidaPedida(bool pedida) { salidaPedida() = pedida; }

bool FrmVersionCheck::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == txtUrl_ && evento->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(evento)->button() == Qt::LeftButton) {
        TxtUrl_Click();
        return true;
    }
    return QDialog::eventFilter(objeto, evento);
}

void FrmVersionCheck::CmdActualizar_Click() {
    LanzarExplorador(cActOnline::Instancia().ActDownloadURL());
    accept();
}

// A click in the address box opens the page and ends the program.
void FrmVersionCheck::TxtUrl_Click() {
    LanzarExplorador(cActOnline::Instancia().ActDownloadURL());
    accept();
    TerminarPrograma();
}

}  // namespace oxalde
