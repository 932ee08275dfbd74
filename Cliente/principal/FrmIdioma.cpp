#include "principal/FrmIdioma.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "actualizacion/cActOnline.h"
#include "compartido/CEntrada.h"
#include "principal/MDI7312.h"
#include "compartido/cadenas.h"
#include "controles/controles.h"
#include "compartido/general.h"
#include "principal/menu_principal.h"

namespace oxalde {
namespace {

constexpr int kDesplazamientoIzquierda = 3150;  // twips
constexpr int kDesplazamientoArriba = 2655;

bool EsIntro(const QEvent* evento) {
    if (evento->type() != QEvent::KeyPress) return false;
    const int tecla = static_cast<const QKeyEvent*>(evento)->key();
    return tecla == Qt::Key_Return || tecla == Qt::Key_Enter;
}

}  // namespace

FrmIdioma::FrmIdioma(QWidget* parent)
    : QDialog(parent),
      Frame1_(new QGroupBox(this)),
      cmdcastellano_(new QPushButton(Frame1_)),
      cmdeuskera_(new QPushButton(Frame1_)),
      chkActOnline_(new QCheckBox(this)) {
    setObjectName(QStringLiteral("FrmIdioma"));
    Frame1_->setObjectName(QStringLiteral("Frame1"));
    cmdcastellano_->setObjectName(QStringLiteral("cmdcastellano"));
    cmdeuskera_->setObjectName(QStringLiteral("cmdeuskera"));
    chkActOnline_->setObjectName(QStringLiteral("chkActOnline"));
    chkActOnline_->setText(QStringLiteral(
        "¿desea que se le informe sobre la existencia de actualizaciones cada vez que se inicie el programa?"));
    for (QPushButton* boton : {cmdcastellano_, cmdeuskera_}) boton->setMinimumSize(150, 70);

    auto* botones = new QHBoxLayout(Frame1_);
    botones->addWidget(cmdcastellano_);
    botones->addWidget(cmdeuskera_);
    auto* capas = new QVBoxLayout(this);
    capas->addWidget(Frame1_);
    capas->addWidget(LineaHundida(this));
    capas->addWidget(chkActOnline_);
    capas->addWidget(LineaHundida(this));
    capas->setSizeConstraint(QLayout::SetFixedSize);

    // The window sees key presses before its controls.
    for (QWidget* control : {static_cast<QWidget*>(cmdcastellano_), static_cast<QWidget*>(cmdeuskera_),
                             static_cast<QWidget*>(chkActOnline_)})
        control->installEventFilter(this);
    connect(chkActOnline_, &QCheckBox::clicked, this, &FrmIdioma::chkActOnline_Click);
    connect(cmdcastellano_, &QPushButton::clicked, this, [this] { Elegir(kCastellano); });
    connect(cmdeuskera_, &QPushButton::clicked, this, [this] { Elegir(kEuskera); });
    Form_Load();
}

void FrmIdioma::Anadir_captions() {
    setWindowTitle(QStringLiteral("Hautatu Hizkuntza/Selección de idioma"));
    Frame1_->setTitle(QStringLiteral("Hizkuntza/Idioma"));
    cmdcastellano_->setText(Cadena(kIdBotonCastellano) + QStringLiteral("\n\n") + Cadena(kIdCastellanoEnEuskera));
    cmdeuskera_->setText(Cadena(kIdBotonEuskera) + QStringLiteral("\n\n") + Cadena(kIdEuskeraEnEuskera));
}

void FrmIdioma::Form_Load() {
    Anadir_captions();
    DeshabilitarMenus();
    const vb::Integer actOnline = cActOnline::Instancia().ActOnline();
    EstablecerCasilla(chkActOnline_, actOnline == -1 || actOnline > 0);
}

// At the main window's outer corner plus the design offset.
void FrmIdioma::Colocar() {
    if (MDI7312* principal = MDI7312::Actual())
        move(principal->frameGeometry().topLeft() + QPoint(TwipsAPixeles(this, kDesplazamientoIzquierda),
                                                           TwipsAPixeles(this, kDesplazamientoArriba)));
}

// Placed when shown, and again whenever the main window moves while it is open: on a first run
// the desktop may place the main window only after this window has appeared.
void FrmIdioma::showEvent(QShowEvent* evento) {
    Colocar();
    if (MDI7312* principal = MDI7312::Actual()) principal->installEventFilter(this);
    QDialog::showEvent(evento);
}

void FrmIdioma::Form_Activate() {
    (CEntrada::Instancia().IDI() == kCastellano ? cmdcastellano_ : cmdeuskera_)->setFocus();
}

bool FrmIdioma::event(QEvent* evento) {
    if (evento->type() == QEvent::WindowActivate) Form_Activate();
    return QDialog::event(evento);
}

// The window has no default button: Enter never presses one.
void FrmIdioma::keyPressEvent(QKeyEvent* evento) {
    if (EsIntro(evento)) return;
    QDialog::keyPressEvent(evento);
}

// Enter on any control moves the focus on, like a Tab, and goes no further: on a language
// button it would otherwise press it.
bool FrmIdioma::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == MDI7312::Actual()) {
        if (evento->type() == QEvent::Move && isVisible()) Colocar();
        return QDialog::eventFilter(objeto, evento);
    }
    if (!EsIntro(evento)) return QDialog::eventFilter(objeto, evento);
    focusNextChild();
    return true;
}

void FrmIdioma::chkActOnline_Click() {
    auto& act = cActOnline::Instancia();
    act.ActOnline(chkActOnline_->isChecked() ? 1 : 0);
    act.GuardarActOnline();
}

void FrmIdioma::Elegir(const QString& letra) {
    CEntrada::Instancia().IDI(letra);
    if (MDI7312* principal = MDI7312::Actual()) principal->Anadir_captions();
    accept();
}

}  // namespace oxalde
