#include "intercambio/FrmExportar.h"

#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

#include "controles/FlexGrid.h"
#include "controles/controles.h"
#include "intercambio/dialogo_fichero.h"
#include "intercambio/fichero_contri.h"
#include "intercambio/lista_exportar.h"
#include "compartido/biblioteca.h"
#include "compartido/cadenas.h"
#include "compartido/captions.h"
#include "compartido/columnas_lista.h"
#include "compartido/etiqueta_ruta.h"
#include "compartido/general.h"
#include "compartido/imagenes.h"
#include "compartido/mensajes.h"
#include "compartido/ventana_principal.h"
#include "compartido/procedimientos.h"

namespace oxalde {
namespace {

const QColor kResaltado{0xFF, 0xC0, 0x80};  // &H80C0FF

// The grids' columns: the hidden code, the NIF and the name.
struct Columna {
    int cabecera;  // string id
    int ancho;
};
constexpr Columna kColumnas[3] = {{9146, 0}, {9147, 1100}, {9148, 2500}};

// The taxpayer code in column 0 of a grid row, or nothing when the cell holds no number.
std::optional<qint32> Codigo(const FlexGrid* grid, int fila) {
    if (fila < 1 || fila >= grid->Rows()) return std::nullopt;
    const QString texto = grid->TextMatrix(fila, 0);
    // The plain digits the grids are filled with, without the runtime's general conversion.
    bool entero = false;
    if (const qint32 codigo = texto.toInt(&entero); entero) return codigo;
    const vb::Variant celda(texto.toStdString());
    if (!celda.IsNumeric()) return std::nullopt;
    return celda.CLng();
}

// The chosen grid's rows read from the chosen list where it is held: the code, the NIF and the
// name at their full widths. The window gives the grid this source anew whenever the list has
// changed; a row the list no longer has reads empty.
class ColumnasElegidas : public FuenteFlex {
public:
    explicit ColumnasElegidas(const TablaCompacta& tabla) : tabla_(tabla) {}
    int Filas() const override { return tabla_.Cuenta(); }
    QString Texto(int fila, int columna) const override {
        if (fila > tabla_.Cuenta()) return {};
        return columna == 0   ? QString::number(tabla_.Codigo(fila))
               : columna <= 2 ? tabla_.Texto(fila, columna - 1)
                              : QString();
    }

private:
    const TablaCompacta& tabla_;
};

qint32 CodigoActual(const FlexGrid* grid) { return Codigo(grid, grid->Row()).value_or(0); }

QColor TextoGrid(const FlexGrid* grid) { return grid->palette().color(QPalette::Text); }

QPushButton* BotonFlecha(QWidget* padre, QStyle::StandardPixmap dibujo) {
    auto* boton = new QPushButton(padre);
    boton->setIcon(padre->style()->standardIcon(dibujo));
    return boton;
}

// The arrow that points back, made once: the style caches an icon's drawings under its picture.
const QIcon& FlechaAtras(const QStyle* estilo) {
    static const QIcon flecha(
        estilo->standardIcon(QStyle::SP_MediaPlay).pixmap(16, 16).transformed(QTransform().scale(-1, 1)));
    return flecha;
}

}  // namespace

FrmExportar::FrmExportar(QWidget* parent)
    : VentanaHija(QStringLiteral("FrmExportar"), parent),
      lblTitulo_(new QLabel(this)),
      Label1_(new QLabel(this)),
      picasc_(new QLabel(this)),
      lblResultado1_(new QLabel(this)),
      lblresultado2_(new QLabel(this)),
      flxDeclaraciones_(new FlexGrid(this)),
      FlxSeleccionados_(new FlexGrid(this)),
      CmdSelTodos_(BotonFlecha(this, QStyle::SP_MediaSeekForward)),
      CmdSelUno_(BotonFlecha(this, QStyle::SP_MediaPlay)),
      CmdDeselUno_(BotonFlecha(this, QStyle::SP_MediaPlay)),
      CmdDeselTodos_(BotonFlecha(this, QStyle::SP_MediaSeekBackward)),
      fraFichero_(new QFrame(this)),
      fraBotones_(new QFrame(this)),
      imgmodi_(new QToolButton(fraFichero_)) {
    Label2_ = new QLabel(fraFichero_);
    lblfichero_ = new EtiquetaRuta(fraFichero_);
    cmdAceptar_ = new QPushButton(fraBotones_);
    cmdCancelar_ = new QPushButton(fraBotones_);
    Nombrar({{Label1_, "Label1"}, {Label2_, "Label2"}, {cmdAceptar_, "cmdAceptar"}, {cmdCancelar_, "cmdCancelar"}});
    // The remove button points back to the offered list.
    CmdDeselUno_->setIcon(FlechaAtras(style()));
    QFont letra = font();
    letra.setFamily(QStringLiteral("Verdana"));
    letra.setPointSizeF(8.25);
    setFont(letra);
    // The chosen grid shows the texts at their full fixed widths: blanks, not an ellipsis.
    for (FlexGrid* grid : {flxDeclaraciones_, FlxSeleccionados_}) {
        grid->Cols(3);
        grid->setTextElideMode(Qt::ElideNone);
    }
    fraFichero_->setFrameShape(QFrame::StyledPanel);
    Label1_->setWordWrap(true);
    imgmodi_->setAutoRaise(true);
    imgmodi_->setCursor(Qt::PointingHandCursor);
    picasc_->setPixmap(style()->standardIcon(QStyle::SP_ArrowUp).pixmap(12, 12));

    ColocarEnTwips(lblTitulo_, 120, 120, 8800, 195);
    ColocarEnTwips(Label1_, 120, 465, 3990, 630);
    ColocarEnTwips(flxDeclaraciones_, 120, 1140, 3870, 3450);
    ColocarEnTwips(picasc_, 0, 0, 210, 180);
    ColocarEnTwips(CmdSelTodos_, 4300, 1500, 540, 480);
    ColocarEnTwips(CmdSelUno_, 4300, 2100, 540, 480);
    ColocarEnTwips(CmdDeselUno_, 4320, 2940, 540, 480);
    ColocarEnTwips(CmdDeselTodos_, 4320, 3540, 540, 480);
    ColocarEnTwips(FlxSeleccionados_, 5040, 1140, 3870, 3450);
    ColocarEnTwips(lblResultado1_, 120, 4620, 4800, 285);
    ColocarEnTwips(lblresultado2_, 5040, 4620, 4800, 255);
    ColocarEnTwips(fraFichero_, 120, 4950, 5895, 675);
    ColocarEnTwips(Label2_, 120, 30, 5200, 225);
    ColocarEnTwips(imgmodi_, 5460, 300, 300, 300);
    ColocarEnTwips(lblfichero_, 390, 360, 4815, 225);
    ColocarEnTwips(fraBotones_, 6180, 5100, 2895, 465);
    ColocarEnTwips(cmdAceptar_, 30, 60, 1275, 345);
    ColocarEnTwips(cmdCancelar_, 1530, 60, 1275, 345);
    setMinimumSize(TwipsAPixeles(this, 9200), TwipsAPixeles(this, 5800));

    setTabOrder(flxDeclaraciones_, CmdSelTodos_);
    setTabOrder(CmdSelTodos_, CmdSelUno_);
    setTabOrder(CmdSelUno_, CmdDeselUno_);
    setTabOrder(CmdDeselUno_, CmdDeselTodos_);
    setTabOrder(CmdDeselTodos_, FlxSeleccionados_);
    setTabOrder(FlxSeleccionados_, cmdAceptar_);
    setTabOrder(cmdAceptar_, cmdCancelar_);
    setFocusProxy(flxDeclaraciones_);
    Conectar();
}

void FrmExportar::Conectar() {
    connect(CmdSelUno_, &QPushButton::clicked, this, &FrmExportar::CmdSelUno_Click);
    connect(CmdSelTodos_, &QPushButton::clicked, this, &FrmExportar::CmdSelTodos_Click);
    connect(CmdDeselUno_, &QPushButton::clicked, this, &FrmExportar::CmdDeselUno_Click);
    connect(CmdDeselTodos_, &QPushButton::clicked, this, &FrmExportar::CmdDeselTodos_Click);
    connect(cmdAceptar_, &QPushButton::clicked, this, &FrmExportar::cmdAceptar_Click);
    connect(cmdCancelar_, &QPushButton::clicked, this, &FrmExportar::cmdCancelar_Click);
    connect(imgmodi_, &QToolButton::clicked, this, &FrmExportar::imgmodi_Click);

    FlexGrid* o = flxDeclaraciones_;
    connect(o->horizontalHeader(), &QHeaderView::sectionPressed, this, [this](int c) { columnaPulsada_ = c; });
    connect(o, &FlexGrid::MouseDown, this, [this, o] { cabeceraOfrecidos_ = o->MouseRow() == 0; });
    connect(o, &FlexGrid::Click, this, [this] {
        auto& e = cExportar::Instancia();
        if (cabeceraOfrecidos_) {
            if (columnaPulsada_ < 1) return;
            e.CSCO(0);
            e.ORDEN(static_cast<quint8>(columnaPulsada_));
            PresentaDatos();
            PresentaBotones();
        } else if (e.NUMCONTRISEL() > 0) {
            MarcarOfrecido();
        }
    });
    connect(o, &FlexGrid::EnterCell, this, [this] {
        if (cExportar::Instancia().NUMCONTRISEL() > 0 && presentando_) MarcarOfrecido();
    });
    connect(o, &FlexGrid::DblClick, this, [this] {
        if (!cabeceraOfrecidos_) CmdSelUno_Click();
    });
    connect(o, &FlexGrid::KeyPress, this, [this](char32_t& codigo) {
        if (codigo == kIntro && CmdSelUno_->isEnabled()) CmdSelUno_Click();
    });

    FlexGrid* s = FlxSeleccionados_;
    connect(s, &FlexGrid::MouseDown, this, [this, s] { cabeceraElegidos_ = s->MouseRow() == 0; });
    connect(s, &FlexGrid::Click, this, [this, s] {
        auto& e = cExportar::Instancia();
        if (e.NUMCONTRIEXP() <= 0) return;
        if (cabeceraElegidos_) {
            e.CSCOEXP(Codigo(s, 1).value_or(0));
            return;
        }
        presentando_ = false;
        utilElegidos_.SeleccionarGrid(kResaltado, s->ForeColorSel(), 0);
        presentando_ = true;
        e.CSCOEXP(CodigoActual(s));
    });
    connect(s, &FlexGrid::EnterCell, this, [this, s] {
        if (cExportar::Instancia().NUMCONTRIEXP() > 0 && presentando_) MarcarElegido(TextoGrid(s));
    });
    connect(s, &FlexGrid::DblClick, this, [this] {
        if (!cabeceraElegidos_ && CmdDeselUno_->isEnabled()) CmdDeselUno_Click();
        PresentaDatos();
        PresentaBotones();
    });
    connect(s, &FlexGrid::KeyPress, this, [this](char32_t& codigo) {
        if (codigo == kIntro && CmdDeselUno_->isEnabled()) CmdDeselUno_Click();
        PresentaDatos();
        PresentaBotones();
    });
}

void FrmExportar::MarcarOfrecido() {
    presentando_ = false;
    utilOfrecidos_.SeleccionarGrid(kResaltado, TextoGrid(flxDeclaraciones_), 0);
    presentando_ = true;
    cExportar::Instancia().CSCO(CodigoActual(flxDeclaraciones_));
    PresentaBotones();
}

void FrmExportar::MarcarElegido(const QColor& texto) {
    presentando_ = false;
    utilElegidos_.SeleccionarGrid(kResaltado, texto, 0);
    presentando_ = true;
    cExportar::Instancia().CSCOEXP(CodigoActual(FlxSeleccionados_));
    PresentaBotones();
}

// Opening.

void FrmExportar::Form_Load() {
    Anadir_captions();
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) sub->setWindowState(Qt::WindowMaximized);
    FormatearGrids();
    MostrarEtiqueta(lblTitulo_, Cadena(kIdExportarInstrucciones));
    utilOfrecidos_.Flex(flxDeclaraciones_);
    utilElegidos_.Flex(FlxSeleccionados_);
    InicializarExportacion();
    PresentaDatos();
    PresentaBotones();
    presentando_ = true;
}

void FrmExportar::Form_Activate() { DeshabilitarMenus(); }

void FrmExportar::Form_Unload() {
    // The offered list is read again at every opening: its buffer (tens of megabytes for a large
    // register) is not kept for the rest of the run.
    cExportar::Instancia().TablaContriCLEAR();
    RefrescarMenuPrincipal();
}

void FrmExportar::Anadir_captions() {
    constexpr auto C = Propiedad::Consejo;
    static constexpr Caption kCaptions[] = {
        {"", 223},
        {"Label1", 120},
        {"Label2", 140},
        {"cmdAceptar", 118, Propiedad::Texto, 0, 3},
        {"cmdAceptar", 239, C},
        {"cmdCancelar", 119, Propiedad::Texto, 0, 5},
        {"cmdCancelar", 137, C},
    };
    EscribirCaptions(*this, kCaptions);
    imgmodi_->setToolTip(QStringLiteral("Seleccionar fichero"));
    for (FlexGrid* grid : {flxDeclaraciones_, FlxSeleccionados_})
        for (int c = 0; c < 3; ++c) grid->TextMatrix(0, c, Cadena(kColumnas[c].cabecera));
}

void FrmExportar::FormatearGrids() {
    for (FlexGrid* grid : {flxDeclaraciones_, FlxSeleccionados_}) {
        grid->Rows(2);
        grid->Cols(3);
        int ancho = 0;
        for (int c = 0; c < 3; ++c) {
            grid->TextMatrix(0, c, Cadena(kColumnas[c].cabecera));
            grid->ColWidth(c, kColumnas[c].ancho);
            if (c > 0) grid->ColAlignment(c, FlexGrid::flexAlignLeftCenter);
            ancho += kColumnas[c].ancho;
        }
        grid->resize(TwipsAPixeles(grid, ancho + 270), grid->height());
    }
}

void FrmExportar::InicializarExportacion() {
    auto& e = cExportar::Instancia();
    e.ORDEN(1);
    e.CSCO(0);
    e.CSCOEXP(0);
    e.FICHEROAEXPORTAR(CarpetaPrograma() + QStringLiteral("/Contri.txt"));
    e.TablaContriExpCLEAR();
    lblfichero_->setText(e.FICHEROAEXPORTAR());
    lblfichero_->setToolTip(e.FICHEROAEXPORTAR());
    e.NUMCONTRISEL(0);
    e.NUMCONTRIEXP(0);
    imgmodi_->setIcon(QIcon(ImgBotones(13)));
    LimpiarGrids();
}

void FrmExportar::LimpiarGrids() {
    for (FlexGrid* grid : {flxDeclaraciones_, FlxSeleccionados_}) {
        grid->HighLight(false);
        grid->Rows(1);
        grid->Rows(2);
    }
}

// The offered list.

void FrmExportar::CargarFlxDeclaraciones() {
    auto& e = cExportar::Instancia();
    // The list shown is let go before the register is read again, so that a large one is never
    // held twice; a register found empty leaves one blank row, as at opening.
    e.TablaContriCLEAR();
    flxDeclaraciones_->Rows(1);
    flxDeclaraciones_->Rows(2);
    const vb::Long n = CargarContribuyentes(e);
    if (n == 0) return;
    CargarTablaContribuyentes(e.TablaContriLISTACOMPARTIDA(), n);
}

void FrmExportar::CargarTablaContribuyentes(std::shared_ptr<const vb::Variant> lista, vb::Long filas) {
    FlexGrid* g = flxDeclaraciones_;
    g->Redraw(false);
    g->Fuente(std::make_shared<ColumnasDeLista>(std::move(lista), filas, 3));
    g->Redraw(true);
    MostrarEtiqueta(lblResultado1_, Cadena(kIdNumExportarSeleccionados).arg(cExportar::Instancia().NUMCONTRISEL()));
}

void FrmExportar::PresentaDatos() {
    auto& e = cExportar::Instancia();
    presentando_ = false;
    CargarFlxDeclaraciones();

    FlexGrid* o = flxDeclaraciones_;
    int fila = BuscarFilaGrid(o, 0, e.CSCO());
    o->TopRow(fila);
    utilOfrecidos_.SeleccionarGrid(kResaltado, TextoGrid(o), fila);
    e.CSCO(CodigoActual(o));
    picasc_->show();
    ColocarIndicadorOrden();

    FlexGrid* s = FlxSeleccionados_;
    s->Redraw(false);
    s->Rows(1);
    s->Fuente(std::make_shared<ColumnasElegidas>(e.TablaContriExpLISTA()));
    e.NUMCONTRIEXP(e.TablaContriExpCOUNT());
    s->Redraw(true);
    if (e.NUMCONTRIEXP() != 0) {
        fila = BuscarFilaGrid(s, 0, e.CSCOEXP());
        s->TopRow(fila);
        utilElegidos_.SeleccionarGrid(kResaltado, s->ForeColorSel(), fila);
        e.CSCOEXP(CodigoActual(s));
        // Number and text always one blank apart: the Spanish text brings its own.
        const QString texto = Cadena(kIdExportarSeleccionadosParaExportar);
        MostrarEtiqueta(lblresultado2_,
                        QString::number(e.NUMCONTRIEXP()) + (texto.startsWith(u' ') ? texto : u' ' + texto));
    } else {
        s->HighLight(false);
        s->Rows(1);
        s->Rows(2);
        MostrarEtiqueta(lblresultado2_, QString());
    }
    presentando_ = true;
}

void FrmExportar::ColocarIndicadorOrden() {
    const int orden = cExportar::Instancia().ORDEN();
    FlexGrid* g = flxDeclaraciones_;
    if (orden == 1 || orden == 2) {
        const int x = g->x() + TwipsAPixeles(g, g->ColPos(orden) + g->ColWidth(orden) - 250);
        picasc_->move(x, g->y() + TwipsAPixeles(g, 65));
    }
    picasc_->raise();
}

void FrmExportar::PresentaBotones() {
    const auto& e = cExportar::Instancia();
    const bool ofrecidos = e.NUMCONTRISEL() >= 1;
    const bool elegidos = e.NUMCONTRIEXP() >= 1;
    CmdSelTodos_->setEnabled(ofrecidos);
    CmdSelUno_->setEnabled(ofrecidos && e.CSCO() != 0);
    CmdDeselTodos_->setEnabled(elegidos);
    cmdAceptar_->setEnabled(elegidos);
    CmdDeselUno_->setEnabled(elegidos && e.CSCOEXP() != 0);
    imgmodi_->setEnabled(true);
    cmdCancelar_->setEnabled(true);
    cmdAceptar_->setIcon(QIcon(ImgBotones(elegidos ? 11 : 12)));
    cmdCancelar_->setIcon(QIcon(ImgBotones(9)));
}

// Commands.

void FrmExportar::CmdSelUno_Click() {
    auto& e = cExportar::Instancia();
    const qint32 posicion = e.TablaContriPERTENECE(e.CSCO());
    if (e.TablaContriExpPERTENECE(e.CSCO()) != 0 || posicion == 0) return;
    e.COPIARELEMENTOENTRETABLAS(posicion);
    e.CSCOEXP(e.CSCO());
    // The highlight moves one row down, ready for the next choice.
    FlexGrid* o = flxDeclaraciones_;
    int fila = BuscarFilaGrid(o, 0, e.CSCO());
    if (fila < o->Rows() - 1) ++fila;
    presentando_ = false;
    o->TopRow(fila);
    utilOfrecidos_.SeleccionarGrid(kResaltado, TextoGrid(o), fila);
    e.CSCO(Codigo(o, fila).value_or(0));
    PresentaDatos();
    PresentaBotones();
}

void FrmExportar::CmdSelTodos_Click() {
    auto& e = cExportar::Instancia();
    e.CSCO(0);
    e.TablaContriExpRESERVAR(e.TablaContriExpCOUNT() + flxDeclaraciones_->Rows() - 1);
    for (int fila = 1; fila < flxDeclaraciones_->Rows(); ++fila) {
        const auto codigo = Codigo(flxDeclaraciones_, fila);
        if (!codigo || e.TablaContriExpPERTENECE(*codigo) != 0) continue;
        if (const qint32 posicion = e.TablaContriPERTENECE(*codigo)) e.COPIARELEMENTOENTRETABLAS(posicion);
    }
    e.CSCOEXP(0);
    PresentaDatos();
    PresentaBotones();
}

void FrmExportar::CmdDeselUno_Click() {
    auto& e = cExportar::Instancia();
    // The first taxpayer of the list before the removal becomes current (the grid reads the list
    // itself, so it is taken first).
    const auto primero = Codigo(FlxSeleccionados_, 1);
    e.TablaContriExpBORRAR(BuscarFilaGrid(FlxSeleccionados_, 0, e.CSCOEXP()));
    if (!primero) return;
    e.CSCOEXP(*primero);
    PresentaDatos();
    PresentaBotones();
}

void FrmExportar::CmdDeselTodos_Click() {
    auto& e = cExportar::Instancia();
    e.TablaContriExpCLEAR();
    e.CSCOEXP(0);
    PresentaDatos();
    PresentaBotones();
}

void FrmExportar::cmdAceptar_Click() { ExportarFichero(lblfichero_->text()); }

void FrmExportar::cmdCancelar_Click() { Descargar(); }

void FrmExportar::imgmodi_Click() {
    auto& e = cExportar::Instancia();
    const QString ruta = e.FICHEROAEXPORTAR();
    const QString elegido = ElegirFichero(
        this, {QStringLiteral("Exportar a..."), ObtenerRuta(ruta), ObtenerNombreFichero(ruta), true});
    if (ObtenerRuta(elegido).isEmpty()) return;
    e.FICHEROAEXPORTAR(elegido);
    lblfichero_->setText(elegido);
    lblfichero_->setToolTip(elegido);
}

// Writing the file: every number must fit its field, an existing file is replaced only at the
// user's word and only once the new one is written whole, anything but a file never; a failure
// keeps the window open.
void FrmExportar::ExportarFichero(const QString& ruta) {
    const cExportar& e = cExportar::Instancia();
    if (const auto excedido = BuscarExcedido(e)) {
        const QString campo = QString::fromLatin1(excedido->campo->etiqueta);
        MsgBox(Cadena(excedido->esNumero ? kIdMsgValorNoCabe : kIdMsgValorNoEsNumero).arg(excedido->dni, campo),
               vbOKOnly | vbExclamation, windowTitle());
        return;
    }
    // A folder, a device, a pipe or a socket under the name is refused before the question: the
    // write would put a file in its place.
    const auto noEsFichero = [&](ClaseFichero clase) {
        MsgBox(TextoNoEsFichero(kIdMsgNoSeExporta, ruta, clase), vbOKOnly | vbExclamation, windowTitle());
    };
    const ClaseFichero clase = ClaseDe(ruta);
    if (NoEsFichero(clase)) return noEsFichero(clase);
    const bool habia = clase == ClaseFichero::Regular;
    if (habia &&
        MsgBox(Cadena(kIdPreguntaSobreescribir), vbYesNo | vbQuestion, QStringLiteral("Confirmación...")) == vbNo)
        return;
    const ResultadoEscritura r = EscribirFicheroContri(ruta, e);
    if (r.estado == ResultadoEscritura::Inalcanzable) {
        MsgBox(QString(30, u' ') + Cadena(kIdMsgSinDisquete), vbOKOnly, windowTitle());
        return;
    }
    if (r.estado == ResultadoEscritura::NoEsFichero) return noEsFichero(r.clase);
    if (r.estado == ResultadoEscritura::Fallido) {
        // That the earlier content is unchanged is said only when there was one.
        const int texto = habia ? kIdMsgExportacionFallida : kIdMsgExportacionFallidaSinAnterior;
        MsgBox(Cadena(texto).arg(ruta, r.detalle), vbOKOnly | vbCritical, windowTitle());
        return;
    }
    Descargar();
    RefrescarMenuPrincipal();
}

}  // namespace oxalde
