#include "principal/MDI7312.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScopedValueRollback>
#include <QStyle>
#include <QToolBar>

#include "actualizacion/cActOnline.h"
#include "com/com.h"
#include "form731/FrmDatos731.h"
#include "form731/cDatos731.h"
#include "form732/FrmDatos732.h"
#include "form732/cDatos732.h"
#include "impresion/FrmImOf.h"
#include "intercambio/FrmExportar.h"
#include "intercambio/frmimport.h"
#include "registro/FrmDecLista.h"
#include "registro/FrmDecResumen.h"
#include "registro/cDecDatos.h"
#include "registro/cDecLista.h"
#include "compartido/claves_declaracion.h"
#include "compartido/cDecResumen.h"
#include "registro/frmDecDatos.h"
#include "compartido/CEntrada.h"
#include "principal/FrmIdioma.h"
#include "compartido/VentanaHija.h"
#include "principal/ayuda.h"
#include "compartido/cadenas.h"
#include "compartido/captions.h"
#include "principal/copia_seguridad.h"
#include "compartido/emblema.h"
#include "compartido/fin_programa.h"
#include "principal/frmAbout.h"
#include "principal/frmPreferencias.h"
#include "principal/garobel_ventanas.h"
#include "compartido/general.h"
#include "principal/menu_principal.h"
#include "compartido/modal.h"
#include "compartido/procedimientos.h"
#include "principal/recientes.h"

namespace oxalde {
namespace {

const char* const kBotones[] = {"nuedec", "abrdec", "elidec", "ayu", "salir", "imprimir"};
const char* const kRecientes[] = {"d1", "d2", "d3", "d4"};

// The window's captions: its title, the toolbar buttons (caption and tooltip) and the menus.
constexpr Caption kCaptions[] = {
    {"", 155},
    {"nuedec", 113}, {"nuedec", 113, Propiedad::Consejo}, {"abrdec", 114}, {"abrdec", 114, Propiedad::Consejo},
    {"elidec", 115}, {"elidec", 115, Propiedad::Consejo}, {"ayu", 116},    {"ayu", 116, Propiedad::Consejo},
    {"salir", 117},  {"salir", 117, Propiedad::Consejo},
    {"mnuDeclarante", 101},       {"mnuNuevoDeclarante", 102}, {"mnuAbrirDeclarante", 103},
    {"mnuEliminarDeclarante", 104}, {"mnuSalir", 105},         {"mnuUtilidades", 106},
    {"mnuExport", 107},           {"mnuImport", 108},          {"mnuAyuda", 110},
    {"mnucontind", 111},          {"mnuacerca", 112},          {"mnuPreferencias", 335},
    {"mnuBackup", 352},           {"mnuRestore", 353},         {"mnuAsistenciaOnline", 354},
    {"mnuAsisOnline", 354},       {"mnuDescripAsisOnline", 355},
};

// The caption without its access-key mark ("&&" stands for an ampersand and stays).
QString SinTecla(QString texto) {
    for (int i = 0; i + 1 < texto.size(); ++i) {
        if (texto[i] != u'&') continue;
        if (texto[i + 1] != u'&') return texto.remove(i, 1);
        ++i;
    }
    return texto;
}

// A disabled menu takes no access key, so that a child window's control with the same letter
// gets it: the menu bar registers a menu's key from its caption, so the caption loses the mark
// while the menu is disabled and gets it back when the menu is enabled again.
void TeclaSegunEstado(QAction* menu) {
    static constexpr char kTitulo[] = "oxalde_tituloConTecla";
    const QString texto = menu->text();
    if (!menu->isEnabled()) {
        if (QKeySequence::mnemonic(texto).isEmpty()) return;
        menu->setProperty(kTitulo, texto);
        menu->setText(SinTecla(texto));
        return;
    }
    const QVariant titulo = menu->property(kTitulo);
    if (!titulo.isValid()) return;
    menu->setProperty(kTitulo, QVariant());
    menu->setText(titulo.toString());
}

// Fills an editor's record as its load reads it: the mode, then the kind (whose reset reads the
// mode), then for an existing declaration its key.
template <class Datos>
void PrepararEditor(Datos& datos, const QString& modo, const QString& modop, int csde) {
    datos.MODO(modo);
    datos.MODOP(modop);
    if (modo == kModoExistente) datos.CSDE(csde);
}

}  // namespace

MDI7312::MDI7312(QWidget* parent) : QMainWindow(parent), area_(new QMdiArea(this)) {
    setObjectName(QStringLiteral("MDI7312"));
    setCentralWidget(area_);
    setWindowIcon(IconoEmblema());
    resize(800, 600);
    RegistrarVentanasGarobel();
    CrearMenus();
    CrearBarra();
    connect(area_, &QMdiArea::subWindowActivated, this, [](QMdiSubWindow* sub) {
        if (auto* hija = sub ? qobject_cast<VentanaHija*>(sub->widget()) : nullptr) hija->Activar();
    });
    Registrar();
    // Load.
    Anadir_captions();
    primeraActivacion_ = true;
    RefrescarMenuPrincipal();
}

MDI7312::~MDI7312() {
    // The frame may report an activation while it is being taken down.
    disconnect(area_, nullptr, this, nullptr);
    Retirar();
}

MDI7312* MDI7312::Actual() { return dynamic_cast<MDI7312*>(VentanaPrincipal::Actual()); }

void MDI7312::ApagarMenus() { DeshabilitarMenus(*this); }

void MDI7312::RefrescarMenus() {
    if (!relevo_) RefrescarMenuPrincipal(*this);
}

QAction* MDI7312::NuevaEntrada(QMenu* menu, const char* nombre, void (MDI7312::*alPulsar)()) {
    QAction* entrada = menu->addAction(QString::fromLatin1(nombre));
    entrada->setObjectName(QString::fromLatin1(nombre));
    connect(entrada, &QAction::triggered, this, alPulsar);
    return entrada;
}

QAction* MDI7312::NuevoSeparador(QMenu* menu, const char* nombre) {
    QAction* separador = menu->addSeparator();
    separador->setObjectName(QString::fromLatin1(nombre));
    return separador;
}

void MDI7312::CrearMenus() {
    auto nuevoMenu = [this](const char* nombre, void (MDI7312::*alAbrir)()) {
        QMenu* menu = menuBar()->addMenu(QString::fromLatin1(nombre));
        menu->setObjectName(QString::fromLatin1(nombre));
        menu->menuAction()->setObjectName(QString::fromLatin1(nombre));
        if (alAbrir) connect(menu, &QMenu::aboutToShow, this, alAbrir);
        QAction* titulo = menu->menuAction();
        connect(titulo, &QAction::changed, this, [titulo] { TeclaSegunEstado(titulo); });
        return menu;
    };
    mnuDeclarante_ = nuevoMenu("mnuDeclarante", &MDI7312::mnuDeclarante_Click);
    NuevaEntrada(mnuDeclarante_, "mnuNuevoDeclarante", &MDI7312::mnuNuevoDeclarante_Click);
    NuevaEntrada(mnuDeclarante_, "mnuAbrirDeclarante", &MDI7312::mnuAbrirDeclarante_Click);
    NuevaEntrada(mnuDeclarante_, "mnuEliminarDeclarante", &MDI7312::mnuEliminarDeclarante_Click);
    NuevoSeparador(mnuDeclarante_, "separa2");
    for (const char* nombre : kRecientes) {
        QAction* entrada = mnuDeclarante_->addAction(QString::fromLatin1(nombre));
        entrada->setObjectName(QString::fromLatin1(nombre));
        entrada->setVisible(false);
        connect(entrada, &QAction::triggered, this, [this, entrada] { Reciente_Click(entrada); });
    }
    NuevoSeparador(mnuDeclarante_, "sepa2");
    NuevaEntrada(mnuDeclarante_, "mnuSalir", &MDI7312::mnuSalir_Click);

    mnuUtilidades_ = nuevoMenu("mnuUtilidades", &MDI7312::mnuUtilidades_Click);
    NuevaEntrada(mnuUtilidades_, "mnuExport", &MDI7312::mnuExport_Click);
    NuevaEntrada(mnuUtilidades_, "mnuImport", &MDI7312::mnuImport_Click);
    NuevoSeparador(mnuUtilidades_, "separador");
    NuevaEntrada(mnuUtilidades_, "mnuBackup", &MDI7312::mnuBackup_Click);
    NuevaEntrada(mnuUtilidades_, "mnuRestore", &MDI7312::mnuRestore_Click);
    NuevoSeparador(mnuUtilidades_, "separa");
    NuevaEntrada(mnuUtilidades_, "mnuPreferencias", &MDI7312::mnuPreferencias_Click);

    mnuAsistenciaOnline_ = nuevoMenu("mnuAsistenciaOnline", nullptr);
    NuevaEntrada(mnuAsistenciaOnline_, "mnuDescripAsisOnline", &MDI7312::mnuDescripAsisOnline_Click);
    NuevaEntrada(mnuAsistenciaOnline_, "mnuAsisOnline", &MDI7312::mnuAsisOnline_Click);

    mnuAyuda_ = nuevoMenu("mnuAyuda", nullptr);
    NuevaEntrada(mnuAyuda_, "mnucontind", &MDI7312::mnucontind_Click);
    NuevaEntrada(mnuAyuda_, "mnuacerca", &MDI7312::mnuacerca_Click);
}

void MDI7312::CrearBarra() {
    QToolBar* barra = addToolBar(QStringLiteral("Toolbar1"));
    barra->setObjectName(QStringLiteral("Toolbar1"));
    barra->setMovable(false);
    barra->setToolButtonStyle(Qt::ToolButtonIconOnly);
    const QStyle::StandardPixmap iconos[] = {
        QStyle::SP_FileIcon,         QStyle::SP_DialogOpenButton,  QStyle::SP_TrashIcon,
        QStyle::SP_DialogHelpButton, QStyle::SP_DialogCloseButton, QStyle::SP_FileDialogContentsView,
    };
    void (MDI7312::*comandos[])() = {
        &MDI7312::mnuNuevoDeclarante_Click, &MDI7312::mnuAbrirDeclarante_Click,
        &MDI7312::mnuEliminarDeclarante_Click, &MDI7312::mnucontind_Click, &MDI7312::mnuSalir_Click,
        nullptr,  // the print button does nothing here; the print dialog shows it while it is open
    };
    for (int i = 0; i < 6; ++i) {
        QAction* boton = barra->addAction(style()->standardIcon(iconos[i]), QString::fromLatin1(kBotones[i]));
        boton->setObjectName(QString::fromLatin1(kBotones[i]));
        if (comandos[i]) connect(boton, &QAction::triggered, this, comandos[i]);
    }
    Boton(6)->setVisible(false);
}

QAction* MDI7312::Entrada(const QString& nombre) const { return findChild<QAction*>(nombre); }

QAction* MDI7312::Boton(int numero) const {
    return numero >= 1 && numero <= 6 ? Entrada(QString::fromLatin1(kBotones[numero - 1])) : nullptr;
}

QAction* MDI7312::Reciente(int numero) const {
    return numero >= 1 && numero <= 4 ? Entrada(QString::fromLatin1(kRecientes[numero - 1])) : nullptr;
}

void MDI7312::Anadir_captions() { EscribirCaptions(*this, kCaptions); }

void MDI7312::DescargarFormularios(const QString& nombreVentana) {
    for (QMdiSubWindow* sub : area_->subWindowList()) {
        QWidget* hija = sub->widget();
        if (!hija || hija->objectName() != nombreVentana) sub->close();
    }
    for (QWidget* ventana : QApplication::topLevelWidgets()) {
        const Qt::WindowType tipo = ventana->windowType();
        if (ventana == this || !ventana->isVisible() || (tipo != Qt::Window && tipo != Qt::Dialog)) continue;
        if (ventana->objectName() != nombreVentana) ventana->close();
    }
}

void MDI7312::MostrarHija(VentanaHija* hija, VentanaHija* sustituida) {
    for (QMdiSubWindow* sub : area_->subWindowList()) {
        if (sub->widget() && sub->widget()->objectName() == hija->objectName()) {
            delete hija;
            if (sustituida && sustituida != sub->widget()) CerrarParaOtra(sustituida);
            area_->setActiveSubWindow(sub);
            return;
        }
    }
    QMdiSubWindow* sub = area_->addSubWindow(hija);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    // A press on a part of the window that takes no focus (a picture, a frame) leaves the focus
    // where it is: the frame around the window does not take it either.
    sub->setFocusPolicy(Qt::TabFocus);
    sub->setWindowIcon(windowIcon());
    try {
        hija->Cargar();
    } catch (...) {
        // A window that could not load (a file another program keeps locked) goes at once,
        // without its unload: left hidden in the area it would stand for the window at every
        // later opening. The window it was to replace stays as it was, menus included; with none,
        // the menus it may have turned off come back as they were last read.
        delete sub;
        if (!sustituida) RefrescarMenuPrincipal(*this, false);
        throw;
    }
    if (sustituida) CerrarParaOtra(sustituida);
    sub->show();
    area_->setActiveSubWindow(sub);
}

void MDI7312::CerrarParaOtra(VentanaHija* hija) {
    const QScopedValueRollback relevo(relevo_, true);
    hija->Descargar();
}

void MDI7312::MostrarDeclaraciones(VentanaHija* sustituida) { MostrarHija(new FrmDecResumen, sustituida); }

void MDI7312::MostrarEditor(int tipologia, const QString& modo, const QString& modop, int csde,
                            VentanaHija* sustituida) {
    if (tipologia == kTipologia731) {
        PrepararEditor(cDatos731::Instancia(), modo, modop, csde);
        MostrarHija(new FrmDatos731, sustituida);
    } else {
        PrepararEditor(cDatos732::Instancia(), modo, modop, csde);
        MostrarHija(new FrmDatos732, sustituida);
    }
}

void MDI7312::MostrarImpresion(VentanaHija* sustituida) { MostrarFrmImOf(sustituida); }

// Commands.

void MDI7312::mnuNuevoDeclarante_Click() {
    cDecDatos::Instancia().MODO(kModoNueva);
    MostrarHija(new frmDecDatos);
}

void MDI7312::mnuAbrirDeclarante_Click() {
    if (CEntrada::Instancia().NUMDECLA() == 1) {
        Reciente_Click(Reciente(1));
        return;
    }
    cDecLista::Instancia().MODO(kListaAbrir);
    MostrarHija(new FrmDecLista);
}

void MDI7312::mnuEliminarDeclarante_Click() {
    cDecLista::Instancia().MODO(kListaEliminar);
    MostrarHija(new FrmDecLista);
}

void MDI7312::Reciente_Click(QAction* entrada) {
    auto& resumen = cDecResumen::Instancia();
    resumen.ENTRADA(kEntradaNueva);
    resumen.CSCO(entrada->data().value<DeclaranteReciente>().clave);
    resumen.DNI(ObtenerDNIMenu(entrada));
    resumen.NOMBRE(ObtenerNombreMenu(entrada));
    MostrarHija(new FrmDecResumen);
}

void MDI7312::mnuSalir_Click() { FinalizarPrograma(); }

void MDI7312::mnuExport_Click() { MostrarHija(new FrmExportar); }

void MDI7312::mnuImport_Click() { MostrarHija(new frmimport); }

void MDI7312::mnuBackup_Click() { CrearCopiaSeguridad(*this); }

void MDI7312::mnuRestore_Click() { RestaurarCopiaSeguridad(*this); }

void MDI7312::mnuPreferencias_Click() {
    frmPreferencias preferencias(this);
    MostrarModal(preferencias);
}

void MDI7312::mnuAsisOnline_Click() {
    auto componente = com::CreateObject<cMiscelaneosVentanas>("GarobelLib.cMiscelaneos");
    componente->Idioma(static_cast<vb::Integer>(DesplIdioma));
    componente->AccesoAyuOnline();
}

void MDI7312::mnuDescripAsisOnline_Click() {
    auto componente = com::CreateObject<cMiscelaneosVentanas>("GarobelLib.cMiscelaneos");
    componente->Idioma(static_cast<vb::Integer>(DesplIdioma));
    componente->Parent(winId());
    componente->MostrarOnlineInfo();
}

void MDI7312::mnucontind_Click() {
    MostrarAyuda(TextoIdioma(QStringLiteral("cap.htm"), QStringLiteral("kap.htm")), this);
}

void MDI7312::mnuacerca_Click() {
    frmAbout acerca(this);
    acerca.setWindowTitle(windowTitle());
    MostrarModal(acerca);
}

void MDI7312::mnuDeclarante_Click() {
    const bool hay = CEntrada::Instancia().NUMDECLA() >= 1;
    Entrada(QStringLiteral("mnuAbrirDeclarante"))->setEnabled(hay);
    Entrada(QStringLiteral("mnuEliminarDeclarante"))->setEnabled(hay);
}

void MDI7312::mnuUtilidades_Click() {
    Entrada(QStringLiteral("mnuExport"))->setEnabled(CEntrada::Instancia().NUMDECLA() >= 1);
}

// Activation and unload.

void MDI7312::changeEvent(QEvent* evento) {
    QMainWindow::changeEvent(evento);
    if (evento->type() == QEvent::ActivationChange && isActiveWindow()) Form_Activate();
}

// Showing the window activates it, whether or not the desktop hands it the focus (a display
// without a window manager never does, and a window that was active before it, as the start-up's
// version-check outcome, may have left none): the first activation runs once the window is up.
void MDI7312::showEvent(QShowEvent* evento) {
    QMainWindow::showEvent(evento);
    if (!primeraActivacion_) return;
    activateWindow();
    QMetaObject::invokeMethod(this, &MDI7312::Form_Activate, Qt::QueuedConnection);
}

void MDI7312::Form_Activate() {
    if (!primeraActivacion_) return;
    primeraActivacion_ = false;
    setWindowTitle(QStringLiteral("I.V.A. - Declaraciones no periódicas"));
    if (cActOnline::Instancia().ActOnline() < 0) {
        FrmIdioma idioma(this);
        MostrarModal(idioma);
    }
    RefrescarMenuPrincipal();
}

void MDI7312::closeEvent(QCloseEvent* evento) {
    DescargarFormularios(objectName());
    evento->accept();
    FinalizarPrograma();
}

}  // namespace oxalde
