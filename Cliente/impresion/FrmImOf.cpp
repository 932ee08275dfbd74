#include "impresion/FrmImOf.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDate>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "controles/CajaFecha.h"
#include "controles/controles.h"
#include "form731/cDatos731.h"
#include "form732/cDatos732.h"
#include "impresion/Impresora.h"
#include "impresion/cImOf.h"
#include "compartido/claves_declaracion.h"
#include "compartido/imagenes.h"
#include "impresion/modelo731.h"
#include "impresion/modelo732.h"
#include "registro/cDecDatos.h"
#include "compartido/cDecResumen.h"
#include "compartido/ventana_principal.h"
#include "compartido/mostrar_error.h"
#include "compartido/cFecha.h"
#include "compartido/cadenas.h"
#include "compartido/captions.h"
#include "compartido/general.h"
#include "compartido/mensajes.h"
#include "compartido/modal.h"
#include "compartido/procedimientos.h"

namespace oxalde {
namespace {

constexpr vb::Long kPrimeraFecha = 20020101;

QString Hoy() {
    return QDate::currentDate().toString(TextoIdioma(QStringLiteral("dd/MM/yyyy"), QStringLiteral("yyyy/MM/dd")));
}

// One copy of the declaration's form.
void ImprimirCopia(const QString& modelo, const QString& copia) {
    if (modelo == kModelo731) ImprimirModelo731(copia);
    if (modelo == kModelo732) ImprimirModelo732(copia);
}

}  // namespace

FrmImOf::FrmImOf(QWidget* parent)
    : QDialog(parent),
      frameTipoImpreso_(new QGroupBox(this)),
      fraDestinatario_(new QGroupBox(this)),
      fraFechaPresentacion_(new QGroupBox(this)),
      optTipoImpreso_{new QRadioButton(frameTipoImpreso_), new QRadioButton(frameTipoImpreso_)},
      chkCopiaAdministracion_(new QCheckBox(fraDestinatario_)),
      chkCopiaInformatica_(new QCheckBox(fraDestinatario_)),
      txtFechaPresentacion_(new CajaFecha(fraFechaPresentacion_)),
      btnAceptar_(new QPushButton(this)),
      btnCancelar_(new QPushButton(this)),
      PicAce_(new QToolButton(this)),
      Piccan_(new QToolButton(this)) {
    setObjectName(QStringLiteral("FrmImOf"));
    Disponer();
    for (int i = 0; i < 2; ++i)
        connect(optTipoImpreso_[i], &QRadioButton::clicked, this, [this, i] { optTipoImpreso_Click(i); });
    connect(chkCopiaAdministracion_, &QCheckBox::clicked, this, &FrmImOf::chkCopiaAdministracion_Click);
    connect(chkCopiaInformatica_, &QCheckBox::clicked, this, &FrmImOf::chkCopiaInformatica_Click);
    connect(btnAceptar_, &QPushButton::clicked, this, &FrmImOf::btnAceptar_Click);
    connect(PicAce_, &QToolButton::clicked, this, &FrmImOf::btnAceptar_Click);
    connect(btnCancelar_, &QPushButton::clicked, this, &FrmImOf::btnCancelar_Click);
    connect(Piccan_, &QToolButton::clicked, this, &FrmImOf::btnCancelar_Click);
    // Load: the declaration is read first, so that a dialog that cannot read it changes nothing.
    InicializarOpciones();
    Anadir_captions();
    DeshabilitarMenus();
    MostrarOpciones();
    ActualizarBotonAceptar();
}

void FrmImOf::Disponer() {
    const QFont verdana(QStringLiteral("Verdana"), 8);
    QWidget* conVerdana[] = {frameTipoImpreso_, optTipoImpreso_[0], optTipoImpreso_[1], chkCopiaAdministracion_,
                             chkCopiaInformatica_, btnAceptar_, btnCancelar_};
    for (QWidget* w : conVerdana) w->setFont(verdana);
    optTipoImpreso_[0]->setObjectName(QStringLiteral("optTipoImpreso0"));
    optTipoImpreso_[1]->setObjectName(QStringLiteral("optTipoImpreso1"));
    frameTipoImpreso_->setObjectName(QStringLiteral("frameTipoImpreso"));
    fraDestinatario_->setObjectName(QStringLiteral("fraDestinatario"));
    fraFechaPresentacion_->setObjectName(QStringLiteral("fraFechaPresentacion"));
    chkCopiaAdministracion_->setObjectName(QStringLiteral("chkCopiaAdministracion"));
    chkCopiaInformatica_->setObjectName(QStringLiteral("chkCopiaInformatica"));
    txtFechaPresentacion_->setObjectName(QStringLiteral("txtFechaPresentacion"));
    btnAceptar_->setObjectName(QStringLiteral("btnAceptar"));
    btnCancelar_->setObjectName(QStringLiteral("btnCancelar"));
    PicAce_->setObjectName(QStringLiteral("PicAce"));
    Piccan_->setObjectName(QStringLiteral("Piccan"));

    auto* tipo = new QVBoxLayout(frameTipoImpreso_);
    tipo->addWidget(optTipoImpreso_[0]);
    tipo->addWidget(optTipoImpreso_[1]);
    auto* destino = new QVBoxLayout(fraDestinatario_);
    destino->addWidget(chkCopiaAdministracion_);
    destino->addWidget(chkCopiaInformatica_);
    auto* fecha = new QVBoxLayout(fraFechaPresentacion_);
    fecha->addWidget(txtFechaPresentacion_);
    txtFechaPresentacion_->setFixedWidth(110);

    for (QToolButton* b : {PicAce_, Piccan_}) {
        b->setAutoRaise(true);
        b->setIconSize(QSize(32, 32));
        b->setFocusPolicy(Qt::NoFocus);
    }
    Piccan_->setIcon(QIcon(ImgBotones(9)));
    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(PicAce_);
    botones->addWidget(btnAceptar_);
    botones->addSpacing(16);
    botones->addWidget(Piccan_);
    botones->addWidget(btnCancelar_);

    auto* rejilla = new QGridLayout(this);
    rejilla->addWidget(frameTipoImpreso_, 0, 0);
    rejilla->addWidget(fraDestinatario_, 0, 1);
    rejilla->addWidget(fraFechaPresentacion_, 1, 0, 1, 2);
    rejilla->addLayout(botones, 2, 0, 1, 2);
    rejilla->setSizeConstraint(QLayout::SetFixedSize);
}

void FrmImOf::Anadir_captions() {
    static constexpr Caption kCaptions[] = {
        {"", 246},
        {"frameTipoImpreso", 240},
        {"optTipoImpreso0", 241},
        {"optTipoImpreso1", 242},
        {"fraDestinatario", 359},
        {"chkCopiaAdministracion", 244},
        {"chkCopiaInformatica", 243},
        {"fraFechaPresentacion", 358},
        {"btnAceptar", 118, Propiedad::Texto, 0, 3},
        {"btnCancelar", 119, Propiedad::Texto, 0, 4},
    };
    EscribirCaptions(*this, kCaptions);
    if (VentanaPrincipal* principal = VentanaPrincipal::Actual()) {
        QAction* imprimir = principal->Boton(6);
        imprimir->setToolTip(Cadena(kIdConsejoImpresora));
        imprimir->setVisible(true);
    }
}

void FrmImOf::InicializarOpciones() {
    cImOf& opciones = cImOf::Instancia();
    if (opciones.Modelo() == kModelo731) {
        cDatos731& datos = cDatos731::Instancia();
        datos.CSDE(opciones.CSDE());
        vb::Long clave = datos.CSDE();
        datos.CargarDeclaracion(clave);
    } else if (opciones.Modelo() == kModelo732) {
        cDatos732& datos = cDatos732::Instancia();
        datos.CSDE(opciones.CSDE());
        datos.CargarDeclaracion(datos.CSDE());
    }
    FormatearMascaraFecha(txtFechaPresentacion_);
    txtFechaPresentacion_->Text(Hoy());
    opciones.TIPOIMP(QStringLiteral("O"));
    opciones.COPIAINF(QStringLiteral("X"));
    opciones.COPIAADM(QStringLiteral("X"));
}

void FrmImOf::MostrarOpciones() {
    const cImOf& opciones = cImOf::Instancia();
    OpcionesPresentadas = false;
    const bool oficial = opciones.TIPOIMP() == QLatin1String("O");
    optTipoImpreso_[oficial ? 0 : 1]->setChecked(true);
    chkCopiaInformatica_->setEnabled(oficial);
    chkCopiaAdministracion_->setEnabled(oficial);
    chkCopiaInformatica_->setChecked(opciones.COPIAINF() == QLatin1String("X"));
    chkCopiaAdministracion_->setChecked(opciones.COPIAADM() == QLatin1String("X"));
    OpcionesPresentadas = true;
}

void FrmImOf::ActualizarBotonAceptar() {
    const cImOf& opciones = cImOf::Instancia();
    const bool activo = opciones.TIPOIMP() == QLatin1String("B") || opciones.COPIAINF() == QLatin1String("X") ||
                        opciones.COPIAADM() == QLatin1String("X");
    btnAceptar_->setEnabled(activo);
    PicAce_->setEnabled(activo);
    PicAce_->setIcon(QIcon(ImgBotones(activo ? 11 : 12)));
}

void FrmImOf::CargarDatosDeclarante() { cDecDatos::Instancia().CargarDeclarante(cImOf::Instancia().CSCO()); }

void FrmImOf::optTipoImpreso_Click(int indice) {
    if (!OpcionesPresentadas) return;
    cImOf& opciones = cImOf::Instancia();
    const bool oficial = indice == 0;
    opciones.TIPOIMP(oficial ? QStringLiteral("O") : QStringLiteral("B"));
    opciones.COPIAINF(oficial ? QStringLiteral("X") : QString());
    opciones.COPIAADM(oficial ? QStringLiteral("X") : QString());
    MostrarOpciones();
    ActualizarBotonAceptar();
}

void FrmImOf::chkCopiaAdministracion_Click() {
    if (!OpcionesPresentadas) return;
    cImOf::Instancia().COPIAADM(chkCopiaAdministracion_->isChecked() ? QStringLiteral("X") : QString());
    MostrarOpciones();
    ActualizarBotonAceptar();
}

void FrmImOf::chkCopiaInformatica_Click() {
    if (!OpcionesPresentadas) return;
    cImOf::Instancia().COPIAINF(chkCopiaInformatica_->isChecked() ? QStringLiteral("X") : QString());
    MostrarOpciones();
    ActualizarBotonAceptar();
}

bool FrmImOf::ValidarFechaPresentacion() {
    const cFecha& fechas = cFecha::Instancia();
    const QString texto = txtFechaPresentacion_->Text();
    if (!fechas.EsFecha(texto)) {
        MsgBox(Cadena(kIdMsgFechaPresentacionIncorrecta), vbExclamation, Cadena(kIdTituloErrorDatosImpresion));
        return true;
    }
    const vb::Long fecha = fechas.StringToLong(texto);
    if (fecha >= kPrimeraFecha) {
        cImOf::Instancia().FECHAPRE(fecha);
        return false;
    }
    MsgBox(Cadena(kIdMsgFechaPresentacionAnterior).arg(fechas.LongToString(kPrimeraFecha)), vbExclamation,
           Cadena(kIdTituloErrorDatosImpresion));
    return true;
}

QStringList FrmImOf::Copias() const {
    if (optTipoImpreso_[1]->isChecked()) return {QStringLiteral("BO")};
    QStringList copias;
    if (chkCopiaAdministracion_->isChecked()) copias << QStringLiteral("AD");
    if (chkCopiaInformatica_->isChecked()) copias << QStringLiteral("IF");
    return copias;
}

void FrmImOf::btnAceptar_Click() {
    if (!Printer().HayImpresoras()) {
        MsgBox(Cadena(kIdMsgSinImpresoras), vbInformation, windowTitle());
        return;
    }
    if (ValidarFechaPresentacion()) return;
    const QString modelo = cImOf::Instancia().Modelo();
    const QStringList copias = Copias();
    int hechas = 0;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        CargarDatosDeclarante();
        for (const QString& copia : copias) {
            ImprimirCopia(modelo, copia);
            ++hechas;
        }
    } catch (...) {
        // The failed copy's job is discarded already; the dialog stays open for another try.
        QApplication::restoreOverrideCursor();
        const vb::Error error = ErrorDe(std::current_exception());
        MsgBox(Cadena(kIdMsgErrorImpresion) + u'\n' + QString::fromStdString(error.Description()) + u'\n' +
                   Cadena(kIdMsgCopiasImpresas).arg(hechas).arg(copias.size()),
               vbExclamation, windowTitle());
        return;
    }
    accept();
    QApplication::restoreOverrideCursor();
}

void FrmImOf::btnCancelar_Click() { reject(); }

void MostrarFrmImOf(VentanaHija* declaraciones) {
    VentanaPrincipal* principal = VentanaPrincipal::Actual();
    FrmImOf dialogo(principal ? principal->Ventana() : nullptr);
    if (principal && declaraciones) principal->CerrarParaOtra(declaraciones);
    // Back to the declarations window however the dialog ends.
    std::exception_ptr fallo;
    try {
        MostrarModal(dialogo);
    } catch (...) {
        fallo = std::current_exception();
    }
    // Its unload: the main menus back, and the declarations window told it is shown again.
    RefrescarMenuPrincipal();
    cDecResumen::Instancia().ENTRADA(kEntradaVuelta);
    // Once back in the main loop, when the declarations window that opened the dialog is gone.
    if (principal) {
        QTimer::singleShot(0, principal->Ventana(), [principal] { principal->MostrarDeclaraciones(); });
    }
    if (fallo) std::rethrow_exception(fallo);
}

}  // namespace oxalde
