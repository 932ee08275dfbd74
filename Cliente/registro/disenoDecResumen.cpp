// The declarations window as designed: the taxpayer's lines, the grid, the frame of the two
// new-declaration pictures and the header frame that takes its place, and the command buttons,
// each at its place in twips, wired to its handler; the header's boxes placed by its kind; then
// its texts in the language in force when it opens (Anadir_captions).
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>

#include "controles/CajaFecha.h"
#include "controles/ComboLista.h"
#include "controles/FlexGrid.h"
#include "controles/Pindaro.h"
#include "controles/controles.h"
#include "controles/entrada.h"
#include "compartido/cDecResumen.h"
#include "compartido/cadenas.h"
#include "compartido/captions.h"
#include "compartido/importe.h"
#include "compartido/procedimientos.h"
#include "registro/FrmDecResumen.h"

namespace oxalde {

namespace {

template <class T>
T* Nuevo(QWidget* padre, const char* nombre) {
    return Nombrado(new T(padre), nombre);
}

}  // namespace

void FrmDecResumen::CrearControles() {
    auto* Label2 = NuevaEtiqueta(this, "Label2");
    Negrita(Label2);
    ColocarEnTwips(Label2, 120, 120, 4000, 240);
    NuevaEtiqueta(this, "Label3", {240, 420, 1000, 240});
    auto* Label4 = NuevaEtiqueta(this, "Label4");
    ColocarEnTwips(Label4, 240, 720, 1000, 240);
    lbldni_ = NuevaEtiqueta(this, "lbldni");
    lblnombre_ = NuevaEtiqueta(this, "lblnombre");
    for (QLabel* l : {lbldni_, lblnombre_}) {
        l->setFrameShape(QFrame::Panel);
        l->setFrameShadow(QFrame::Sunken);
    }
    ColocarEnTwips(lbldni_, 1320, 390, 1800, 285);
    ColocarEnTwips(lblnombre_, 1320, 690, 5520, 285);
    CrearGrid();
    CrearOpciones();
    CrearCabecera();
    CrearBotones();
    Label4->setBuddy(cmdDeclarante_);  // its access key goes to the taxpayer button
    auto* ctrlP = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), this, this, &FrmDecResumen::ImgPer_Click);
    auto* ctrlT = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_T), this, this, &FrmDecResumen::ImgTra_Click);
    for (auto* atajo : {ctrlP, ctrlT}) atajo->setContext(Qt::WidgetWithChildrenShortcut);
}

void FrmDecResumen::CrearGrid() {
    flxDeclaraciones_ = Nuevo<FlexGrid>(this, "flxDeclaraciones");
    ColocarEnTwips(flxDeclaraciones_, 120, 1080, 6720, 4380);
    flxDeclaraciones_->ForeColorSel(Qt::black);
    picasc_ = NuevaEtiqueta(this, "picasc");
    picasc_->setPixmap(style()->standardIcon(QStyle::SP_ArrowUp).pixmap(10, 10));
    picasc_->setAttribute(Qt::WA_TransparentForMouseEvents);
    picasc_->resize(10, 10);
    picasc_->hide();
    lblResultado_ = NuevaEtiqueta(this, "lblResultado");
    ColocarEnTwips(lblResultado_, 120, 5550, 6720, 240);
    connect(flxDeclaraciones_, &FlexGrid::MouseDown, this,
            [this] { ClickEnCabecera = flxDeclaraciones_->MouseRow() == 0; });
    connect(flxDeclaraciones_, &FlexGrid::Click, this, &FrmDecResumen::flxDeclaraciones_Click);
    connect(flxDeclaraciones_, &FlexGrid::EnterCell, this, &FrmDecResumen::flxDeclaraciones_EnterCell);
    // A double click on a row, or Enter, opens its declaration as the data button does.
    auto abrir = [this](bool pedido) {
        if (pedido && cDecResumen::Instancia().NUMDECLASEL() > 0 && cmdDatos_->isEnabled()) cmdDatos_Click();
    };
    connect(flxDeclaraciones_, &FlexGrid::DblClick, this, [this, abrir] { abrir(!ClickEnCabecera); });
    connect(flxDeclaraciones_, &FlexGrid::KeyPress, this, [abrir](char32_t& codigo) { abrir(codigo == kIntro); });
}

void FrmDecResumen::CrearOpciones() {
    FraOpciones_ = Nuevo<QGroupBox>(this, "FraOpciones");
    ColocarEnTwips(FraOpciones_, 6960, 1080, 2460, 4380);
    ImgPer_ = Nuevo<EtiquetaEnlace>(FraOpciones_, "ImgPer");
    ImgTra_ = Nuevo<EtiquetaEnlace>(FraOpciones_, "ImgTra");
    for (auto* img : {ImgPer_, ImgTra_}) img->setCursor(Qt::PointingHandCursor);
    ColocarEnTwips(ImgPer_, 120, 300, 600, 600);
    ColocarEnTwips(ImgTra_, 120, 2340, 600, 600);
    auto* Label9 = NuevaEtiqueta(FraOpciones_, "Label9");
    auto* Label8 = NuevaEtiqueta(FraOpciones_, "Label8");
    Label9->setText(QStringLiteral("(Ctrl + P)"));
    Label8->setText(QStringLiteral("(Ctrl + T)"));
    ColocarEnTwips(Label9, 840, 480, 1440, 240);
    ColocarEnTwips(Label8, 840, 2520, 1440, 240);
    auto* Label6 = NuevaEtiqueta(FraOpciones_, "Label6");
    auto* Label5 = NuevaEtiqueta(FraOpciones_, "Label5");
    for (QLabel* l : {Label6, Label5}) l->setWordWrap(true);
    ColocarEnTwips(Label6, 120, 960, 2160, 1200);
    ColocarEnTwips(Label5, 120, 3000, 2160, 1200);
    connect(ImgPer_, &EtiquetaEnlace::clicked, this, &FrmDecResumen::ImgPer_Click);
    connect(ImgTra_, &EtiquetaEnlace::clicked, this, &FrmDecResumen::ImgTra_Click);
}

void FrmDecResumen::CrearCabecera() {
    FraNueva_ = Nuevo<QGroupBox>(this, "FraNueva");
    ColocarEnTwips(FraNueva_, 6960, 1080, 2460, 4380);
    FraNueva_->hide();
    Label1_ = NuevaEtiqueta(FraNueva_, "Label1");
    Label1_->setWordWrap(true);
    ColocarEnTwips(Label1_, 90, 300, 2220, 600);
    lblejer_ = NuevaEtiqueta(FraNueva_, "lblejer");
    lblejer_->setText(QStringLiteral("Ejercicio:"));
    lblper_ = NuevaEtiqueta(FraNueva_, "lblper");
    lblmod_ = NuevaEtiqueta(FraNueva_, "lblmod");
    lblfecha_ = NuevaEtiqueta(FraNueva_, "lblfecha");
    lblFormato_ = NuevaEtiqueta(FraNueva_, "lblFormato");
    ColocarEnTwips(lblFormato_, 960, 1560, 1300, 240);
    txtejer_ = Nuevo<Pindaro>(FraNueva_, "txtejer");
    // Four digits: a year the header can hold (a fifth digit could overflow it).
    txtejer_->modo(Pindaro::Entero);
    txtejer_->formato(QString::fromLatin1(kFormatoCifras));
    txtejer_->enteros(4);
    txtejer_->maxlength(4);
    txtejer_->KeyPress = [](char32_t& c) { SoloNumeros(c); };
    cmbperiodo_ = Nuevo<ComboLista>(FraNueva_, "cmbperiodo");
    cmbmodelo_ = Nuevo<ComboLista>(FraNueva_, "cmbmodelo");
    txtfecha_ = Nuevo<CajaFecha>(FraNueva_, "txtfecha");
    for (int i = 0; i < 2; ++i) {
        ImgNueva_[i] = Nuevo<EtiquetaEnlace>(FraNueva_, i == 0 ? "ImgNueva0" : "ImgNueva1");
        ImgNueva_[i]->setFocusPolicy(Qt::NoFocus);
        ColocarEnTwips(ImgNueva_[i], i == 0 ? 480 : 1440, 3240, 480, 480);
        connect(ImgNueva_[i], &EtiquetaEnlace::clicked, this, [this, i] {
            // The press never takes the focus: the box being left finishes first.
            ImgNueva_MouseUp(i);
            ImgNueva_Click(i);
        });
    }
    entrada_->SeleccionarAlEntrar(txtejer_);
    entrada_->AlPerderFoco(txtejer_, [this] { txtejer_LostFocus(); });
    entrada_->AlPerderFoco(txtfecha_, [this] { txtfecha_LostFocus(); });
    entrada_->AlPerderFoco(cmbperiodo_, [this] { cmbperiodo_LostFocus(); });
    entrada_->AlPerderFoco(cmbmodelo_, [this] { cmbmodelo_LostFocus(); });
    connect(cmbperiodo_, &ComboLista::Click, this, &FrmDecResumen::cmbperiodo_Click);
    connect(cmbmodelo_, &ComboLista::Click, this, &FrmDecResumen::cmbmodelo_Click);
}

void FrmDecResumen::CrearBotones() {
    struct Boton {
        QPushButton*& cmd;
        EtiquetaEnlace*& pic;
        const char* nombre;
        const char* imagen;
        int izquierda;
        void (FrmDecResumen::*accion)();
    } botones[] = {
        {cmdDatos_, PicDatos_, "cmdDatos", "PicDatos", 120, &FrmDecResumen::cmdDatos_Click},
        {cmdEliminar_, PicEli_, "cmdEliminar", "PicEli", 1800, &FrmDecResumen::cmdEliminar_Click},
        {cmdImprimir_, PicImprimir_, "cmdImprimir", "PicImprimir", 3480, &FrmDecResumen::cmdImprimir_Click},
        {cmdDeclarante_, PicDeclarante_, "cmdDeclarante", "PicDeclarante", 5160, &FrmDecResumen::cmdDeclarante_Click},
        {cmdCerrar_, PicCerrar_, "cmdCerrar", "PicCerrar", 7680, &FrmDecResumen::cmdCerrar_Click},
    };
    for (Boton& b : botones) {
        b.cmd = Nuevo<QPushButton>(this, b.nombre);
        ColocarEnTwips(b.cmd, b.izquierda, 6000, 1560, 480);
        b.pic = Nuevo<EtiquetaEnlace>(this, b.imagen);
        ColocarEnTwips(b.pic, b.izquierda + 90, 6090, 300, 300);
        b.pic->raise();
        connect(b.cmd, &QPushButton::clicked, this, b.accion);
        connect(b.pic, &EtiquetaEnlace::clicked, this, b.accion);
    }
}

// The header's boxes where its kind puts them: year, quarter and form, or date and form.
void FrmDecResumen::ColocarCabecera(bool trimestral) {
    if (trimestral) {
        ColocarEnTwips(lblejer_, 90, 1230, 870, 240);
        ColocarEnTwips(txtejer_, 960, 1170, 800, 315);
        ColocarEnTwips(lblper_, 90, 1740, 870, 240);
        ColocarEnTwips(cmbperiodo_, 960, 1710, 1470, 315);
        ColocarEnTwips(lblmod_, 90, 2280, 870, 240);
        ColocarEnTwips(cmbmodelo_, 960, 2250, 800, 315);
    } else {
        ColocarEnTwips(lblfecha_, 90, 1230, 870, 240);
        ColocarEnTwips(txtfecha_, 960, 1200, 1300, 315);
        ColocarEnTwips(lblmod_, 90, 2040, 870, 240);
        ColocarEnTwips(cmbmodelo_, 960, 2010, 800, 315);
    }
}

void FrmDecResumen::Anadir_captions() {
    constexpr auto Tx = Propiedad::Texto;
    constexpr auto C = Propiedad::Consejo;
    static constexpr Caption kCaptions[] = {
        {"", 156},
        {"Label1", 226},    {"Label2", 141},    {"Label3", 142},    {"Label4", 168},
        {"Label5", 162},    {"Label6", 163},    {"lblfecha", 227},  {"lblmod", 159},
        {"lblper", 158},
        {"cmdCerrar", 169, Tx, 0, 5},     {"cmdCerrar", 137, C},
        {"cmdDatos", 166, Tx, 0, 3},      {"cmdDatos", 170, C},
        {"cmdDeclarante", 168, Tx, 0, 3}, {"cmdDeclarante", 141, C},
        {"cmdEliminar", 126, Tx, 0, 3},   {"cmdEliminar", 171, C},
        {"cmdImprimir", 167, Tx, 0, 5},
        {"ImgTra", 226, C}, {"ImgPer", 247, C}, {"ImgNueva0", 250, C}, {"ImgNueva1", 170, C},
    };
    EscribirCaptions(*this, kCaptions);
    cmdImprimir_->setToolTip(Cadena(kIdBotonImprimir).mid(1));
    lblFormato_->setText(TextoIdioma(QStringLiteral("dd/mm/yyyy"), QStringLiteral("yyyy/mm/dd")));
}

}  // namespace oxalde
