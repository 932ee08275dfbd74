#include "compartido/EditorDeclaracion.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>

#include "compartido/avisos.h"
#include "compartido/cDecResumen.h"
#include "compartido/cadenas.h"
#include "compartido/claves_declaracion.h"
#include "compartido/imagenes.h"
#include "compartido/mensajes.h"
#include "compartido/mostrar_error.h"
#include "compartido/procedimientos.h"
#include "compartido/tipos_iva.h"
#include "compartido/ventana_principal.h"
#include "controles/TiraPestanas.h"
#include "controles/controles.h"
#include "controles/entrada.h"

namespace oxalde {

EditorDeclaracion::EditorDeclaracion(const QString& nombre, QWidget* parent)
    : VentanaHija(nombre, parent), entrada_(new EntradaVentana(this)) {}

bool EditorDeclaracion::FechaConCuotasTecleadas() {
    return tipos::EnVentanaCuotasTecleadas(cDecResumen::Instancia().FECHA());
}

bool EditorDeclaracion::Rechazar(const QString& texto, int pestana, QWidget* control) {
    Advertencia(texto, windowTitle(), this);
    if (pestana >= 1 && pestana <= tabTra_->count()) tabTra_->setCurrentIndex(pestana - 1);
    PonerFoco(control);
    return false;
}

void EditorDeclaracion::PonerFoco(QWidget* control) {
    if (control && control->isVisible() && control->isEnabled()) control->setFocus(Qt::OtherFocusReason);
}

void EditorDeclaracion::cmdAceptar_Click() {
    // An access key presses the button without moving the focus: the box being edited is stored
    // first, so that what it holds reaches the record.
    entrada_->TerminarEdicion();
    PonerFoco(cmdAceptar_);
    if (!ValidarCampos()) return;
    if (datosModificados_) {
        const vb::Long clave = GuardarDeclaracion();
        if (clave < 1) {
            // Nothing was written: the declaration stays on screen to be cancelled or retried.
            Advertencia(Cadena(kIdMsgDeclaracionNoGuardada), windowTitle(), this);
            return;
        }
        if (Nueva()) cDecResumen::Instancia().CSDE(clave);
    }
    VolverADeclaraciones(datosModificados_);
}

void EditorDeclaracion::cmdCancelar_Click() {
    cDecResumen::Instancia().CSDE(Clave());
    VolverADeclaraciones();
}

void EditorDeclaracion::VolverADeclaraciones(bool guardada) {
    cDecResumen::Instancia().ENTRADA(kEntradaVuelta);
    VentanaPrincipal* principal = VentanaPrincipal::Actual();
    if (!guardada) {
        // Nothing to lose: while the declarations window cannot open, the editor stays as it was.
        if (principal)
            principal->MostrarDeclaraciones(this);
        else
            Descargar();
        return;
    }
    const QString titulo = windowTitle();
    entrada_->Descargando();
    volverGuardada_ = true;
    Descargar();
    if (!principal) return;
    try {
        principal->MostrarDeclaraciones();
    } catch (...) {
        RestaurarCursor();
        const QString motivo = DescripcionFallo(ErrorDe(std::current_exception()));
        MsgBox(Cadena(kIdMsgDeclaracionGuardadaSinLista).arg(motivo), vbExclamation, titulo);
    }
}

QString EditorDeclaracion::Elemento(const QString& nombre, int elemento) {
    return QStringLiteral("%1(%2)").arg(nombre).arg(elemento);
}

QLineEdit* EditorDeclaracion::Caja(const char* nombre) const { return cajas_.value(QString::fromUtf8(nombre)); }

Pindaro* EditorDeclaracion::Numerica(const char* nombre) const { return qobject_cast<Pindaro*>(Caja(nombre)); }

template <class T>
T* EditorDeclaracion::Registrada(T* caja, const char* nombre, int x, int y, int ancho) {
    caja->setObjectName(QString::fromUtf8(nombre));
    ColocarEnTwips(caja, x, y, ancho, kAltoCaja);
    cajas_.insert(caja->objectName(), caja);
    return caja;
}

QLineEdit* EditorDeclaracion::NuevaCaja(QWidget* padre, const char* nombre, int x, int y, int ancho) {
    return Registrada(new QLineEdit(padre), nombre, x, y, ancho);
}

Pindaro* EditorDeclaracion::NuevaNumerica(QWidget* padre, const char* nombre, int x, int y, int ancho) {
    return Registrada(new Pindaro(padre), nombre, x, y, ancho);
}

QFrame* EditorDeclaracion::NuevoMarco(QWidget* padre, const char* nombre, const QRect& sitio, int estilo) {
    auto* marco = new QFrame(padre);
    marco->setObjectName(QString::fromUtf8(nombre));
    if (estilo != QFrame::NoFrame) marco->setFrameStyle(estilo);
    ColocarEnTwips(marco, sitio.x(), sitio.y(), sitio.width(), sitio.height());
    return marco;
}

void EditorDeclaracion::NuevosBotones(const SitioBotones& sitio) {
    // The mark, 300 twips square, is centred on the button's height; a click on it presses the
    // button.
    constexpr int kAlto = 480;
    constexpr int kLado = 300;
    for (const bool aceptar : {true, false}) {
        auto* boton = new QPushButton(sitio.padre);
        boton->setObjectName(aceptar ? QStringLiteral("cmdAceptar") : QStringLiteral("cmdCancelar"));
        ColocarEnTwips(boton, sitio.x, aceptar ? sitio.yAceptar : sitio.yCancelar, sitio.ancho, kAlto);
        auto* marca = new EtiquetaEnlace(boton);
        marca->setObjectName(aceptar ? QStringLiteral("PicAce") : QStringLiteral("Piccan"));
        ColocarEnTwips(marca, sitio.margen, (kAlto - kLado) / 2, kLado, kLado);
        marca->setPixmap(MarcaBoton(marca->size(), aceptar));
        connect(marca, &EtiquetaEnlace::clicked, boton, &QPushButton::click);
        const auto orden = aceptar ? &EditorDeclaracion::cmdAceptar_Click : &EditorDeclaracion::cmdCancelar_Click;
        connect(boton, &QPushButton::clicked, this, [this, orden] { Seguro([&] { (this->*orden)(); }); });
        (aceptar ? cmdAceptar_ : cmdCancelar_) = boton;
    }
}

void EditorDeclaracion::SoloLectura(QLineEdit* caja, bool soloLectura) {
    caja->setReadOnly(soloLectura);
    QPalette p = caja->palette();
    p.setColor(QPalette::Base, soloLectura ? kFondoBloqueado : kFondoEditable);
    caja->setPalette(p);
}

void EditorDeclaracion::Editable(QLineEdit* caja, bool editable) {
    caja->setFocusPolicy(editable ? Qt::StrongFocus : Qt::ClickFocus);
    SoloLectura(caja, !editable);
}

void EditorDeclaracion::PasarCabecera() {
    for (QLineEdit* caja : findChildren<QLineEdit*>())
        if (caja->isReadOnly() && !cajas_.contains(caja->objectName())) entrada_->PasarAlEntrar(caja);
}

void EditorDeclaracion::ConectarTexto(const char* nombre, int maxLength, Almacen almacen,
                                      std::function<bool(const QString&)> almacenar) {
    QLineEdit* caja = Caja(nombre);
    caja->setMaxLength(maxLength);
    FiltrarTeclas(caja, FiltrarTecla);
    connect(caja, &QLineEdit::textChanged, this, [this] { datosModificados_ = true; });
    const bool transmisor = almacen == Almacen::Transmisor;
    FocoAlEntrar(caja, transmisor ? Foco::PasarSiBloqueada : Foco::Seleccionar);
    AlPerder(caja, [this, caja, transmisor, almacenar] {
        if (transmisor && caja->isReadOnly()) return;
        if (!almacenar(caja->text())) return;
        datosModificados_ = true;
        RefrescarDatos();
    });
}

void EditorDeclaracion::ConectarNumero(const FilaNumero& fila,
                                       std::function<std::optional<bool>(const QString&)> almacenar) {
    Pindaro* caja = Numerica(fila.nombre);
    caja->modo(fila.modo);
    caja->formato(QString::fromUtf8(fila.formato));
    caja->enteros(fila.enteros);
    caja->decimales(fila.decimales);
    if (fila.fondo.isValid()) caja->backcolor(fila.fondo);
    if (fila.soloNumeros) caja->KeyPress = [](char32_t& codigo) { SoloNumeros(codigo); };
    if (fila.cambio != Cambio::Nunca)
        connect(caja, &Pindaro::cambio, this, [this, &fila] {
            if (fila.cambio == Cambio::Siempre || !FechaConCuotasTecleadas()) datosModificados_ = true;
        });
    FocoAlEntrar(caja, fila.foco);
    if (fila.almacen == Almacen::Ninguno) return;
    AlPerder(caja, [this, caja, &fila, almacenar] {
        if (fila.almacen == Almacen::Importe && caja->locked()) return;
        const std::optional<bool> cambiado = almacenar(caja->valor());
        // Not a number: the member keeps its value and the repaint shows it again. An unchanged
        // value is left alone, but a typed quota always counts as typed.
        if (cambiado && !*cambiado && fila.almacen != Almacen::Cuota) return;
        if (cambiado) {
            datosModificados_ = true;
            if (fila.almacen != Almacen::Numero) CalcularLiquidacion();
        }
        RefrescarDatos();
    });
}

bool EditorDeclaracion::Seguro(const std::function<void()>& manejador) {
    try {
        manejador();
        return true;
    } catch (...) {
        // The record and the window stay as the failed step left them; the user can go on.
        MostrarError(ErrorDe(std::current_exception()), this);
        return false;
    }
}

void EditorDeclaracion::AlPulsar(QAbstractButton* boton, std::function<void()> manejador) {
    connect(boton, &QAbstractButton::clicked, this, [this, manejador] {
        if (datosPresentados_) Seguro(manejador);
    });
}

void EditorDeclaracion::AlCambiarPestana(std::function<void(int)> manejador) {
    connect(tabTra_, &QTabBar::currentChanged, this, [this, manejador](int indice) {
        if (datosPresentados_) Seguro([&] { manejador(indice + 1); });
    });
}

void EditorDeclaracion::RefrescarDatos() {
    const QScopedValueRollback repintando(datosPresentados_, false);
    MostrarRegistro();
}

void EditorDeclaracion::AlPerder(QLineEdit* caja, const std::function<void()>& manejador) {
    entrada_->AlPerderFoco(caja, [this, caja, manejador] {
        if (!Seguro(manejador)) PonerFoco(caja);
    });
}

void EditorDeclaracion::FocoAlEntrar(QLineEdit* caja, Foco foco) {
    switch (foco) {
        case Foco::Seleccionar: break;
        case Foco::PasarSiBloqueada: entrada_->PasarAlEntrar(caja, [caja] { return caja->isReadOnly(); }); break;
        case Foco::FechaCuotas:
        case Foco::FechaCuotasSinSeleccion:
            entrada_->PasarAlEntrar(caja, [] { return !FechaConCuotasTecleadas(); });
            break;
        case Foco::Pasar: entrada_->PasarAlEntrar(caja); return;
    }
    if (foco != Foco::FechaCuotasSinSeleccion) entrada_->SeleccionarAlEntrar(caja);
}

void EditorDeclaracion::Form_Activate() { DeshabilitarMenus(); }

void EditorDeclaracion::Form_Load() {
    DeshabilitarMenus();
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) sub->move(0, 0);
    for (Pindaro* caja : findChildren<Pindaro*>()) {
        QFont letra = caja->font();
        letra.setFamily(QStringLiteral("Verdana"));
        caja->setFont(letra);
    }
    PasosDeCarga();
    RefrescarDatos();
    datosPresentados_ = true;
    datosModificados_ = corregido_;
}

QString EditorDeclaracion::MedioMarcado() const {
    const int i = OptTmedio_[0]->isChecked() ? 0 : OptTmedio_[1]->isChecked() ? 1 : 2;
    return QString(kMedios[i]);
}

QWidget* EditorDeclaracion::InicioDelMedio(const QString& tmedio) const {
    const int i = IndiceMedio(tmedio);
    if (i < 0) return nullptr;
    const char* primeras[] = {"txtmarcav", "txtfabricb", "txtfabrica"};
    return Nueva() ? static_cast<QWidget*>(OptTmedio_[i]) : Caja(primeras[i]);
}

void EditorDeclaracion::Form_Unload() {
    entrada_->Descargando();
    // After a save the menus are not read here: reading them may meet a lock, whose message must
    // not come before the one that says the declaration was saved. A saved declaration changes
    // neither the count nor the recent taxpayers, and a declarations window that cannot open
    // puts the menus back as they were last read.
    if (!volverGuardada_) RefrescarMenuPrincipal();
}

}  // namespace oxalde
