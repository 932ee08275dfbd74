#include "registro/frmDecDatos.h"

#include <QFrame>
#include <QGuiApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

#include "controles/Pindaro.h"
#include "controles/controles.h"
#include "controles/entrada.h"
#include "registro/FrmDecResumen.h"
#include "registro/cDecDatos.h"
#include "compartido/claves_declaracion.h"
#include "compartido/cDecResumen.h"
#include "registro/declarante_textos.h"
#include "registro/navegacion.h"
#include "compartido/cadenas.h"
#include "compartido/cajas.h"
#include "compartido/captions.h"
#include "compartido/general.h"
#include "compartido/mensajes.h"
#include "compartido/mostrar_error.h"
#include "compartido/ventana_principal.h"
#include "compartido/procedimientos.h"

namespace oxalde {
namespace {

constexpr auto C = Propiedad::Consejo;
constexpr Caption kCaptions[] = {
    {"", 141},
    {"Label2", 141},
    {"cmdCancelar", 119, Propiedad::Texto, 0, 3},
    {"cmdCancelar", 250, C},
    {"cmdAceptar", 118, Propiedad::Texto, 0, 3},
    {"cmdAceptar", 249, C},
    {"lbldni", 142},
    {"lblnombre", 123},
    {"lblvia", 143},
    {"lbldomicilio", 144},
    {"lblnumero", 145},
    {"lblletra", 146},
    {"lblescalera", 147},
    {"lblpiso", 148},
    {"lblmano", 149},
    {"lblprovincia", 150},
    {"lblcodpos", 151},
    {"lblmunicipio", 152},
    {"lbltelefonop", 153},
    {"lblnum731", 154},
    {"lblnum732", 154},
};

double Val(const QString& texto) { return vb::Val(texto.toStdString()); }

// A box that shows without taking typing or a tab stop.
void SoloLectura(QLineEdit* caja, bool solo) {
    caja->setReadOnly(solo);
    caja->setFocusPolicy(solo ? Qt::ClickFocus : Qt::StrongFocus);
    QPalette p = caja->palette();
    p.setColor(QPalette::Base, solo ? kFondoBloqueado : kFondoEditable);
    caja->setPalette(p);
}

// The value written, then copied into the box's first property, as the window always does.
void Escribir(Pindaro* caja, const QString& valor) {
    caja->valor(valor);
    caja->texto(caja->valor());
}

QString SiNoCero(const QString& texto) { return Val(texto) == 0 ? QString() : texto; }

}  // namespace

frmDecDatos::frmDecDatos(QWidget* parent) : VentanaHija(QStringLiteral("frmDecDatos"), parent) {
    CrearControles();
    CrearListas();
    ConectarCajas();
    OrdenTabulacion();
}

void frmDecDatos::CrearControles() {
    CrearCajas();
    CrearBotones();
    auto* todo = new QVBoxLayout(this);
    todo->addWidget(CrearMarcoDatos());
    todo->addWidget(CrearMarcoBotones());
    todo->addStretch();
    // A press on Cancel's picture is a press on Cancel too.
    findChild<QWidget*>(QStringLiteral("Piccan"))->installEventFilter(this);
}

// The boxes, each with its name, what it holds and its width in pixels (0: as wide as its row
// lets it); those that only show stay out of typing and of the tab order.
void frmDecDatos::CrearCajas() {
    const struct {
        QLineEdit*& caja;
        const char* nombre;
        int maximo;  // characters, 0 for no limit
        int ancho;
    } textos[] = {
        {txtdni_, "txtdni", 9, 110},          {txtnombre_, "txtnombre", 40, 0},
        {txtvia_, "txtvia", 2, 36},           {txtviaaux_, "txtviaaux", 0, 140},
        {txtdomicilio_, "txtdomicilio", 20, 0}, {txtletra_, "txtletra", 2, 36},
        {txtescalera_, "txtescalera", 2, 36}, {txtpiso_, "txtpiso", 2, 36},
        {txtmano_, "txtmano", 3, 44},         {txtnomprov_, "txtnomprov", 20, 170},
        {txtnommun_, "txtnommun", 25, 190},   {txttelefono_, "txttelefono", 9, 100},
    };
    for (const auto& t : textos) {
        t.caja = Nombrado(new QLineEdit, t.nombre);
        if (t.maximo > 0) t.caja->setMaxLength(t.maximo);
        if (t.ancho > 0) t.caja->setFixedWidth(t.ancho);
    }
    txtnombre_->setMinimumWidth(300);
    txtdomicilio_->setMinimumWidth(200);
    const struct {
        Pindaro*& caja;
        const char* nombre;
        int enteros;
        const char* formato;
        int ancho;
    } numeros[] = {
        {txtnumero_, "txtnumero", 5, "#####", 60}, {txtcodprov_, "txtcodprov", 2, "00", 36},
        {txtcodpos_, "txtcodpos", 5, "00000", 70}, {txtcodmun_, "txtcodmun", 3, "###", 50},
        {txtnum731_, "txtnum731", 7, kFormatoMillones, 80}, {txtnum732_, "txtnum732", 7, kFormatoMillones, 80},
    };
    for (const auto& n : numeros) {
        n.caja = Nombrado(new Pindaro, n.nombre);
        n.caja->enteros(n.enteros);
        n.caja->maxlength(n.enteros);
        n.caja->formato(QString::fromLatin1(n.formato));
        n.caja->setFont(QFont(QStringLiteral("Verdana"), n.caja->font().pointSize()));
        n.caja->setFixedWidth(n.ancho);
    }
    for (QLineEdit* caja : {txtviaaux_, txtnomprov_}) SoloLectura(caja, true);
    for (Pindaro* caja : {txtnum731_, txtnum732_}) {
        caja->locked(true);
        caja->backcolor(kFondoBloqueado);
        caja->setFocusPolicy(Qt::ClickFocus);
    }
}

void frmDecDatos::CrearBotones() {
    for (auto [boton, nombre] : {std::pair{&cmdVia_, "cmdVia"}, {&cmdProvincia_, "cmdProvincia"},
                                 {&cmdMunicipio_, "cmdMunicipio"}, {&cmdAceptar_, "cmdAceptar"},
                                 {&cmdCancelar_, "cmdCancelar"}})
        *boton = Nombrado(new QPushButton, nombre);
    cmdVia_->setText(QStringLiteral("..."));
    cmdVia_->setFixedWidth(28);
    // A press on Cancel leaves the focus where it is, so the box being edited is never left
    // (nor its code looked up) on the way out.
    cmdCancelar_->setFocusPolicy(Qt::TabFocus);
}

// The data frame: a label column and one line of boxes per row.
QFrame* frmDecDatos::CrearMarcoDatos() {
    fraDatos_ = Nombrado(new QFrame(this), "fraDatos");
    fraDatos_->setFrameShape(QFrame::StyledPanel);
    auto* rejilla = new QGridLayout(fraDatos_);
    auto etiqueta = [](const char* nombre) { return NuevaEtiqueta(nullptr, nombre); };
    Label2_ = etiqueta("Label2");
    Negrita(Label2_);
    rejilla->addWidget(Label2_, 0, 0, 1, 2);
    auto linea = [rejilla, etiqueta](const char* nombre, std::initializer_list<QWidget*> controles) {
        const int fila = rejilla->rowCount();
        rejilla->addWidget(etiqueta(nombre), fila, 0);
        auto* h = new QHBoxLayout;
        for (QWidget* w : controles) h->addWidget(w);
        h->addStretch();
        rejilla->addLayout(h, fila, 1);
    };
    linea("lbldni", {txtdni_});
    linea("lblnombre", {txtnombre_});
    linea("lblvia", {txtvia_, cmdVia_, txtviaaux_});
    linea("lbldomicilio", {txtdomicilio_});
    linea("lblnumero", {txtnumero_, etiqueta("lblletra"), txtletra_, etiqueta("lblescalera"), txtescalera_,
                        etiqueta("lblpiso"), txtpiso_, etiqueta("lblmano"), txtmano_});
    linea("lblprovincia", {txtcodprov_, cmdProvincia_, txtnomprov_});
    linea("lblcodpos", {txtcodpos_});
    linea("lblmunicipio", {txtcodmun_, cmdMunicipio_, txtnommun_});
    linea("lbltelefonop", {txttelefono_});
    linea("lblnum731", {txtnum731_});
    linea("lblnum732", {txtnum732_});
    rejilla->setColumnStretch(1, 1);
    return fraDatos_;
}

// The button frame, each button with its picture over its left part; a click on the picture is a
// click of the button.
QFrame* frmDecDatos::CrearMarcoBotones() {
    fraBotones_ = Nombrado(new QFrame(this), "fraBotones");
    auto* botones = new QHBoxLayout(fraBotones_);
    botones->addStretch();
    const struct {
        QPushButton* boton;
        const char* nombre;
        QStyle::StandardPixmap figura;
        void (frmDecDatos::*alPulsar)();
    } filas[] = {{cmdAceptar_, "PicAce", QStyle::SP_DialogApplyButton, &frmDecDatos::cmdAceptar_Click},
                 {cmdCancelar_, "Piccan", QStyle::SP_DialogCancelButton, &frmDecDatos::cmdCancelar_Click}};
    for (const auto& f : filas) {
        f.boton->setMinimumWidth(110);
        auto* pic = Nombrado(new EtiquetaEnlace(f.boton), f.nombre);
        pic->setPixmap(style()->standardPixmap(f.figura));
        pic->move(6, (f.boton->sizeHint().height() - pic->pixmap().height()) / 2);
        connect(pic, &EtiquetaEnlace::clicked, this, f.alPulsar);
        connect(f.boton, &QPushButton::clicked, this, f.alPulsar);
        botones->addWidget(f.boton);
    }
    connect(cmdCancelar_, &QPushButton::pressed, this, [this] { cancelarPulsado_ = true; });
    return fraBotones_;
}

void frmDecDatos::OrdenTabulacion() {
    const QWidget* orden[] = {txtdni_,     txtnombre_,    txtvia_,      cmdVia_,     txtviaaux_,    txtdomicilio_,
                              txtnumero_,  txtletra_,     txtescalera_, txtpiso_,    txtmano_,      txtcodprov_,
                              cmdProvincia_, txtnomprov_, txtcodpos_,   txtcodmun_,  cmdMunicipio_, txtnommun_,
                              txttelefono_, txtnum731_,   txtnum732_,   cmdAceptar_, cmdCancelar_};
    for (size_t i = 1; i < std::size(orden); ++i)
        setTabOrder(const_cast<QWidget*>(orden[i - 1]), const_cast<QWidget*>(orden[i]));
}

void frmDecDatos::Anadir_captions() {
    EscribirCaptions(*this, kCaptions);
    // The form number goes after the text in Spanish and before it in Basque.
    for (const QString& numero : {QString(kModelo731), QString(kModelo732)}) {
        auto* etiqueta = findChild<QLabel*>(QStringLiteral("lblnum") + numero);
        etiqueta->setText(TextoIdioma(etiqueta->text() + u' ' + numero, numero + u' ' + etiqueta->text()));
    }
    cmdMunicipio_->setText(Cadena(kIdMunicipio) + QStringLiteral(" ..."));
    cmdProvincia_->setText(Cadena(kIdProvincia) + QStringLiteral(" ..."));
}

void frmDecDatos::Form_Load() {
    Anadir_captions();
    DeshabilitarMenus();
    CargarListas();
    CargarDatosPantalla();
    PresentaDeclarante();
    HabilitarBotones();
    cancelarPulsado_ = false;
    datosModificados_ = false;
}

void frmDecDatos::Form_Activate() { DeshabilitarMenus(); }

// Once shown, with its captions and style in place, the frame fits the window to them.
void frmDecDatos::showEvent(QShowEvent* evento) {
    VentanaHija::showEvent(evento);
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        layout()->activate();
        sub->resize(sub->sizeHint().expandedTo(sub->size()));
    }
}

void frmDecDatos::CargarDatosPantalla() {
    cDecDatos& d = cDecDatos::Instancia();
    if (d.MODO() == kModoExistente) d.CargarDeclarante(d.CSCO());
    MostrarNombres();
}

// The names shown beside the street-type and municipality codes come from the lists.
void frmDecDatos::MostrarNombres() {
    const cDecDatos& d = cDecDatos::Instancia();
    if (Val(d.CODMUN()) != 0)
        txtnommun_->setText(BuscarClaveLista(municipio_.lista, u'c' + d.CODMUN()));
    else
        txtnommun_->setText(d.NOMMUN());
    txtviaaux_->setText(BuscarClaveLista(via_.lista, d.VIA()));
}

void frmDecDatos::PresentaDeclarante() {
    const cDecDatos& d = cDecDatos::Instancia();
    txtdni_->setText(d.DNI());
    txtnombre_->setText(d.NOMBRE());
    txtvia_->setText(d.VIA());
    txtdomicilio_->setText(d.DOMICILIO());
    Escribir(txtnumero_, QString::number(d.NUMERO()));
    txtletra_->setText(d.LETRA());
    txtescalera_->setText(d.ESCALERA());
    txtpiso_->setText(d.PISO());
    txtmano_->setText(d.MANO());
    Escribir(txtcodprov_, d.CODPROV());
    txtnomprov_->setText(d.NOMPROV());
    Escribir(txtcodpos_, SiNoCero(d.CODPOS()));
    if (Val(d.CODMUN()) == 0) {
        Escribir(txtcodmun_, QString());
        txtnommun_->setText(d.NOMMUN());
    } else {
        Escribir(txtcodmun_, d.CODMUN());
    }
    Escribir(txtnum731_, QString::number(d.NUM731()));
    Escribir(txtnum732_, QString::number(d.NUM732()));
    txttelefono_->setText(SiNoCero(d.TELEFONO()));
    // The home province's municipality goes by code, any other by name.
    const bool casa = d.CODPROV() == QStringLiteral("20");
    SoloLectura(txtcodmun_, !casa);
    SoloLectura(txtnommun_, casa);
}

void frmDecDatos::HabilitarBotones() {
    cmdProvincia_->setEnabled(true);
    cmdMunicipio_->setEnabled(cDecDatos::Instancia().CODPROV() == QStringLiteral("20"));
}

void frmDecDatos::Repintar() {
    PresentaDeclarante();
    HabilitarBotones();
}

bool frmDecDatos::ValidarCampos() {
    vb::Variant buffer = BufferValidacionDeclarante(cDecDatos::Instancia());
    const int codigo = cDecDatos::Instancia().ValidarDatosDeclarante(buffer);
    if (codigo == 0) return true;
    const QString caja = CajaDeRegla(codigo);
    if (caja.isEmpty()) return false;
    MsgBox(Cadena(kBaseMsgReglaDeclarante + codigo), vbOKOnly | vbExclamation, windowTitle(), this);
    if (auto* w = findChild<QWidget*>(caja)) w->setFocus(Qt::OtherFocusReason);
    return false;
}

vb::Integer frmDecDatos::GuardarDeclarante() {
    cDecDatos& d = cDecDatos::Instancia();
    vb::Variant buffer = BufferDeclarante(d);
    const vb::Integer codigo = d.GuardarDeclarante(buffer);
    if (codigo == 1 || codigo == 2)
        MsgBox(Cadena(kBaseMsgGuardarDeclarante + codigo), vbOKOnly | vbExclamation, windowTitle(), this);
    if (codigo == 0 && d.MODO() == kModoNueva) {
        // Stored: from here on the window holds that taxpayer, with the key its save gave it, so
        // that whatever fails next, another Accept updates it.
        d.CSCO(buffer(0).CLng());
        d.MODO(kModoExistente);
    }
    return codigo;
}

void frmDecDatos::cmdAceptar_Click() {
    // The access key and the picture press Accept without moving the focus: the box being
    // edited is stored first, so that what it holds reaches the record before the check.
    entrada_->TerminarEdicion();
    cmdAceptar_->setFocus(Qt::OtherFocusReason);
    if (!ValidarCampos()) return;
    cDecDatos& d = cDecDatos::Instancia();
    cDecResumen& r = cDecResumen::Instancia();
    if (datosModificados_) {
        const bool nuevo = d.MODO() == kModoNueva;
        if (GuardarDeclarante() != 0) return;
        r.CSCO(d.CSCO());
        if (nuevo) {
            r.ENTRADA(kEntradaNueva);
        } else {
            r.ENTRADA(kEntradaVuelta);
            r.CSDE(0);
        }
        r.DNI(d.DNI());
        r.NOMBRE(d.NOMBRE());
    } else {
        r.CSDE(0);
    }
    aceptado_ = true;
    Descargar();
}

void frmDecDatos::cmdCancelar_Click() {
    cancelarPulsado_ = true;
    Descargar();
}

void frmDecDatos::Form_Unload() {
    entrada_->Descargando();
    const bool guardado = aceptado_ && datosModificados_;
    // After a save the menus are read only once the declarations window has opened, or has said
    // why it could not (below): reading them may meet the same lock, whose message must not come
    // before the one that says the taxpayer was saved.
    if (!guardado) RefrescarMenuPrincipal();
    const bool existente = cDecDatos::Instancia().MODO() == kModoExistente;
    // Whatever closed the window without a save is Cancel: the button, its picture, the
    // keyboard or the close box.
    if (!aceptado_) {
        cancelarPulsado_ = true;
        if (existente) {
            cDecResumen::Instancia().ENTRADA(kEntradaVuelta);
            cDecResumen::Instancia().CSDE(0);
        }
    }
    if (cancelarPulsado_ && !existente) return;
    if (!guardado) {
        MostrarSiguiente([] { return new FrmDecResumen; });
        return;
    }
    // The taxpayer is stored whatever keeps its declarations from opening: said so first, lest
    // the user type it again as new and be told its NIF is taken.
    MostrarSiguiente([] { return new FrmDecResumen; },
                     [titulo = windowTitle()](std::exception_ptr fallo) {
                         RestaurarCursor();
                         MsgBox(Cadena(kIdMsgDeclaranteGuardadoSinDeclaraciones).arg(DescripcionFallo(ErrorDe(fallo))),
                                vbExclamation, titulo);
                         RefrescarMenuPrincipal();
                     });
}

}  // namespace oxalde
