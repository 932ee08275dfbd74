#include "registro/FrmDecLista.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QMdiSubWindow>
#include <QStyle>
#include <QVBoxLayout>

#include "controles/FlexGrid.h"
#include "controles/controles.h"
#include "registro/cDecDatos.h"
#include "registro/cDecLista.h"
#include "compartido/claves_declaracion.h"
#include "compartido/cDecResumen.h"
#include "registro/declarante_textos.h"
#include "compartido/biblioteca.h"
#include "compartido/cadenas.h"
#include "compartido/captions.h"
#include "compartido/columnas_lista.h"
#include "compartido/general.h"
#include "compartido/mensajes.h"
#include "compartido/ventana_principal.h"
#include "compartido/procedimientos.h"

namespace oxalde {
namespace {

const QColor kResaltado(255, 192, 128);  // the highlighted row

struct Columna {
    const char* castellano;
    const char* euskera;
    int ancho;  // twips; 0 hidden
    FlexGrid::Alineacion alineacion;
};

const Columna kColumnas[] = {
    {"Codigo", "Codigo", 0, FlexGrid::flexAlignLeftCenter},
    {"DNI", "NA", 1100, FlexGrid::flexAlignLeftCenter},
    {"Razón Social", "Sozietatearen izena", 2700, FlexGrid::flexAlignLeftCenter},
    {"Municipio", "Udalerria", 2000, FlexGrid::flexAlignLeftCenter},
    {"Provincia", "Probintzia", 2000, FlexGrid::flexAlignLeftCenter},
    {"731", "731", 600, FlexGrid::flexAlignRightCenter},
    {"732", "732", 600, FlexGrid::flexAlignRightCenter},
};

bool Abrir() { return cDecLista::Instancia().MODO() == kListaAbrir; }

EtiquetaEnlace* Imagen(QPushButton* boton, const char* nombre, QStyle::StandardPixmap figura) {
    auto* pic = new EtiquetaEnlace(boton);
    pic->setObjectName(QString::fromLatin1(nombre));
    pic->setPixmap(boton->style()->standardPixmap(figura));
    pic->move(6, (boton->sizeHint().height() - pic->pixmap().height()) / 2);
    return pic;
}

}  // namespace

FrmDecLista::FrmDecLista(QWidget* parent)
    : VentanaHija(QStringLiteral("FrmDecLista"), parent),
      flx_(new FlexGrid),
      lblayuda_(new QLabel),
      lblResultado_(new QLabel(QStringLiteral("0 declarantes seleccionados"))),
      picasc_(new QLabel(flx_->horizontalHeader()->viewport())),
      cmdAceptar_(new QPushButton),
      cmdCancelar_(new QPushButton(QStringLiteral("    &Cancelar"))) {
    flx_->setObjectName(QStringLiteral("flxDeclarantes"));
    // The columns' widths were made for a small font.
    QFont letra = flx_->font();
    letra.setPointSize(8);
    flx_->setFont(letra);
    lblayuda_->setObjectName(QStringLiteral("lblayuda"));
    lblayuda_->setWordWrap(true);
    lblResultado_->setObjectName(QStringLiteral("lblResultado"));
    picasc_->setObjectName(QStringLiteral("picasc"));
    picasc_->setPixmap(style()->standardPixmap(QStyle::SP_ArrowUp).scaled(12, 12, Qt::KeepAspectRatio));
    picasc_->hide();
    cmdAceptar_->setObjectName(QStringLiteral("cmdAceptar"));
    cmdCancelar_->setObjectName(QStringLiteral("cmdCancelar"));
    for (QPushButton* b : {cmdAceptar_, cmdCancelar_}) b->setMinimumWidth(130);
    PicAce_ = Imagen(cmdAceptar_, "PicAce", QStyle::SP_DialogOpenButton);
    PicEli_ = Imagen(cmdAceptar_, "PicEli", QStyle::SP_TrashIcon);
    Piccan_ = Imagen(cmdCancelar_, "Piccan", QStyle::SP_DialogCancelButton);

    auto* botones = new QHBoxLayout;
    botones->addWidget(lblResultado_);
    botones->addStretch();
    botones->addWidget(cmdAceptar_);
    botones->addWidget(cmdCancelar_);
    auto* todo = new QVBoxLayout(this);
    todo->addWidget(lblayuda_);
    todo->addWidget(flx_, 1);
    todo->addLayout(botones);

    connect(flx_, &FlexGrid::MouseDown, this, &FrmDecLista::flx_MouseDown);
    // A press on a header cell makes its column current: the click that follows sorts by it.
    connect(flx_->horizontalHeader(), &QHeaderView::sectionPressed, this, [this](int columna) {
        if (flx_->Row() > 0) flx_->Col(columna);
    });
    connect(flx_, &FlexGrid::Click, this, &FrmDecLista::flx_Click);
    connect(flx_, &FlexGrid::EnterCell, this, &FrmDecLista::flx_EnterCell);
    connect(flx_, &FlexGrid::DblClick, this, &FrmDecLista::flx_DblClick);
    connect(flx_, &FlexGrid::KeyPress, this, &FrmDecLista::flx_KeyPress);
    for (auto* aceptar : {PicAce_, PicEli_})
        connect(aceptar, &EtiquetaEnlace::clicked, this, &FrmDecLista::cmdAceptar_Click);
    connect(cmdAceptar_, &QPushButton::clicked, this, &FrmDecLista::cmdAceptar_Click);
    connect(Piccan_, &EtiquetaEnlace::clicked, this, &FrmDecLista::cmdCancelar_Click);
    connect(cmdCancelar_, &QPushButton::clicked, this, &FrmDecLista::cmdCancelar_Click);
}

QSize FrmDecLista::sizeHint() const { return {TwipsAPixeles(this, 9800), TwipsAPixeles(this, 6000)}; }

void FrmDecLista::Anadir_captions() {
    static constexpr Caption kCaptions[] = {{"", 114}, {"lblayuda", 120}, {"cmdCancelar", 250, Propiedad::Consejo}};
    EscribirCaptions(*this, kCaptions);
}

void FrmDecLista::Form_Load() {
    Anadir_captions();
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) sub->move(0, 0);
    FormatearflxDeclarantes();
    utilidades_.Flex(flx_);
    InicializarLista();
    PresentaDatos();
    PresentaModo();
    seleccionActiva_ = true;
}

void FrmDecLista::Form_Activate() { DeshabilitarMenus(); }

void FrmDecLista::Form_Unload() { RefrescarMenuPrincipal(); }

void FrmDecLista::FormatearflxDeclarantes() {
    flx_->Rows(2);
    flx_->Cols(int(std::size(kColumnas)));
    for (int c = 0; c < flx_->Cols(); ++c) {
        const Columna& k = kColumnas[c];
        flx_->TextMatrix(0, c, TextoIdioma(QString::fromUtf8(k.castellano), QString::fromUtf8(k.euskera)));
        flx_->ColWidth(c, k.ancho);
        if (c > 0) flx_->ColAlignment(c, k.alineacion);
    }
}

void FrmDecLista::InicializarLista() {
    cDecLista& l = cDecLista::Instancia();
    l.CSCO(0);
    l.NUMDECLASEL(0);
    l.ORDEN(1);
    LimpiarflxDeclarantes();
}

void FrmDecLista::LimpiarflxDeclarantes() {
    flx_->HighLight(false);
    flx_->Rows(1);
    flx_->Rows(2);
}

void FrmDecLista::PresentaDatos() {
    cDecLista& l = cDecLista::Instancia();
    seleccionActiva_ = false;
    CargarflxDeclarantes();
    const int fila = l.CSCO() == 0 ? 1 : BuscarFilaGrid(flx_, 0, l.CSCO());
    flx_->TopRow(fila);
    Resaltar(fila);
    PosicionarFlecha();
    seleccionActiva_ = true;
}

void FrmDecLista::CargarflxDeclarantes() {
    cDecLista& l = cDecLista::Instancia();
    auto buffer = std::make_shared<vb::Variant>();
    vb::Long filas = 0;
    {
        auto declarante = Declarante();
        declarante->mdbnameM(RutaBDModificable.toStdString());
        declarante->mdbnameL(RutaBDLectura.toStdString());
        vb::Integer orden = l.ORDEN();
        vb::Integer idioma = static_cast<vb::Integer>(DesplIdioma);
        filas = declarante->dameResultado(*buffer, orden, idioma);
    }
    l.NUMDECLASEL(filas);
    if (filas <= 0) return;
    const int columnas = int(std::size(kColumnas));
    // A value no text can show fails here, as when the texts were copied, not while painting.
    for (vb::Long i = 0; i <= buffer->UBound(2); ++i)
        for (int j = 0; j < columnas; ++j)
            if ((*buffer)(j, i).IsNull()) Texto((*buffer)(j, i));
    // The grid reads the buffer itself: the list is held once while the window shows it.
    flx_->Redraw(false);
    const int filasBuffer = int(buffer->UBound(2)) + 1;
    flx_->Fuente(std::make_shared<ColumnasDeLista>(std::move(buffer), filasBuffer, columnas));
    flx_->Redraw(true);
    MostrarEtiqueta(lblResultado_, Cadena(kIdNumDeclarantesSeleccionados).arg(filas));
}

// The row painted in the highlight colour becomes the chosen taxpayer.
void FrmDecLista::Resaltar(int fila) {
    utilidades_.SeleccionarGrid(kResaltado, flx_->ForeColorSel(), fila);
    cDecLista::Instancia().CSCO(static_cast<vb::Long>(vb::Val(flx_->TextMatrix(flx_->Row(), 0).toStdString())));
}

void FrmDecLista::PosicionarFlecha() {
    const int orden = cDecLista::Instancia().ORDEN();
    if (orden != 1 && orden != 2) return;
    // At the right end of the sort column's header cell; it lies on the header row itself.
    picasc_->show();
    picasc_->move(TwipsAPixeles(this, flx_->ColPos(orden) + flx_->ColWidth(orden) - 250), TwipsAPixeles(this, 65));
    picasc_->raise();
}

void FrmDecLista::PresentaModo() {
    const bool abrir = Abrir();
    setWindowTitle(Cadena(abrir ? kIdTituloAbrirDeclarante : kIdTituloEliminarDeclarante));
    PicAce_->setVisible(abrir);
    PicEli_->setVisible(!abrir);
    if (!abrir) cmdAceptar_->setToolTip(Cadena(kIdConsejoEliminarDeclarante));
    const Caption botones[] = {
        {"cmdAceptar", abrir ? kIdBotonAceptar : kIdBotonEliminar, Propiedad::Texto, 0, 4, abrir ? 0 : 5},
        {"cmdCancelar", kIdBotonCancelar, Propiedad::Texto, 0, 4, 0}};
    EscribirCaptions(*this, botones);
    cmdAceptar_->setEnabled(cDecLista::Instancia().NUMDECLASEL() > 0);
}

void FrmDecLista::flx_MouseDown() { clickEnCabecera_ = flx_->MouseRow() == 0; }

void FrmDecLista::flx_Click() {
    if (flx_->Row() < 1) return;
    if (clickEnCabecera_) {
        const int columna = flx_->Col();
        if (columna != 1 && columna != 2) return;
        cDecLista::Instancia().CSCO(0);
        cDecLista::Instancia().ORDEN(static_cast<vb::Byte>(columna));
        PresentaDatos();
        return;
    }
    seleccionActiva_ = false;
    Resaltar(0);
    seleccionActiva_ = true;
}

void FrmDecLista::flx_EnterCell() {
    if (cDecLista::Instancia().NUMDECLASEL() <= 0 || !seleccionActiva_) return;
    seleccionActiva_ = false;
    Resaltar(flx_->Row());
    seleccionActiva_ = true;
}

void FrmDecLista::flx_DblClick() {
    if (!clickEnCabecera_ && cmdAceptar_->isEnabled()) cmdAceptar_Click();
}

void FrmDecLista::flx_KeyPress(char32_t& codigo) {
    if (codigo == kIntro && cmdAceptar_->isEnabled()) cmdAceptar_Click();
}

void FrmDecLista::cmdAceptar_Click() {
    // Key, DNI and name all come from the one row of the chosen key, so the question names the
    // taxpayer that is deleted or opened.
    const vb::Long csco = cDecLista::Instancia().CSCO();
    const int fila = BuscarFilaGrid(flx_, 0, csco);
    if (csco == 0 || static_cast<vb::Long>(vb::Val(flx_->TextMatrix(fila, 0).toStdString())) != csco) return;
    const QString dni = flx_->TextMatrix(fila, 1).trimmed();
    const QString nombre = flx_->TextMatrix(fila, 2).trimmed();
    if (!Abrir()) {
        auto val = [&](int c) { return vb::Val(flx_->TextMatrix(fila, c).toStdString()); };
        const bool conDeclaraciones = val(5) != 0 || val(6) != 0;
        const int respuesta = MsgBox(PreguntaBorrarDeclarante(dni, nombre, conDeclaraciones),
                                     vbYesNo | vbQuestion | vbDefaultButton2, QStringLiteral("Borrado del declarante"));
        if (respuesta == vbYes) {
            cDecDatos::Instancia().CSCO(csco);
            cDecDatos::Instancia().BorrarDeclarante();
        }
        Descargar();
        return;
    }
    cDecResumen& r = cDecResumen::Instancia();
    r.ENTRADA(kEntradaNueva);
    r.CSCO(csco);
    r.DNI(dni);
    r.NOMBRE(nombre);
    DarPasoA([this](VentanaPrincipal& p) { p.MostrarDeclaraciones(this); });
}

void FrmDecLista::cmdCancelar_Click() { Descargar(); }

}  // namespace oxalde
