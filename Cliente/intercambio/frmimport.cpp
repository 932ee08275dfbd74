#include "intercambio/frmimport.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "intercambio/dialogo_fichero.h"
#include "compartido/cadenas.h"
#include "compartido/captions.h"
#include "compartido/etiqueta_ruta.h"
#include "compartido/general.h"
#include "compartido/imagenes.h"
#include "compartido/mensajes.h"
#include "compartido/mostrar_error.h"
#include "compartido/ventana_principal.h"
#include "compartido/procedimientos.h"

namespace oxalde {
namespace {

// The counters in the order of the value labels, with their captions.
constexpr Caption kCaptions[] = {
    {"", 130},           {"Label5", 128},      {"imgmodi", 128, Propiedad::Consejo}, {"chkauto", 131},
    {"Frame2", 129},     {"etiquetas(0)", 132}, {"etiquetas(1)", 133}, {"etiquetas(2)", 134},
    {"etiquetas(3)", 135}, {"etiquetas(4)", 136}, {"cmdace", 118},      {"cmdace", 130, Propiedad::Consejo},
    {"cmdcan", 119},     {"cmdcan", 137, Propiedad::Consejo},
};
constexpr qint32 ContadoresImportacion::*kValores[5] = {
    &ContadoresImportacion::total, &ContadoresImportacion::importados, &ContadoresImportacion::incorrectos,
    &ContadoresImportacion::sustituidos, &ContadoresImportacion::ignorados};

// Messages for the failures before the first line.
QString TextoFallo(const vb::Error& e) {
    if (e.Number() == vb::errArchivoInexistente) return Cadena(kIdMsgFicheroNoExiste);
    if (e.Number() == vb::errArchivoAbierto) return Cadena(kIdMsgFicheroAbierto);
    return QStringLiteral("ERROR Nº: ") + QString::number(e.Number()) + QStringLiteral(": ") + DescripcionFallo(e);
}

// The replace-or-keep question in a message box, No by default; the question proper on a line
// of its own (the toolkit's boxes break lines at LF, not at a lone CR).
class PreguntaVentana : public PreguntaSustitucion {
public:
    explicit PreguntaVentana(QString titulo) : titulo_(std::move(titulo)) {}
    bool Sustituir(const QString& dni) override {
        const QString texto = Cadena(kIdPreguntaSustituirDeclarante).arg(dni);
        return MsgBox(texto, vbYesNo | vbQuestion | vbDefaultButton2, titulo_) == vbYes;
    }

private:
    QString titulo_;
};

}  // namespace

frmimport::frmimport(QWidget* parent)
    : VentanaHija(QStringLiteral("frmimport"), parent),
      FraImportar_(new QGroupBox(this)),
      Frame2_(new QGroupBox(this)),
      FraErrores_(new QGroupBox(this)),
      Label5_(new QLabel(FraImportar_)),
      txtruta_(new QLineEdit(FraImportar_)),
      imgmodi_(new QToolButton(FraImportar_)),
      chkauto_(new QCheckBox(FraImportar_)),
      cmdace_(new QPushButton(this)),
      cmdcan_(new QPushButton(this)),
      imgerror_(new QLabel(FraErrores_)),
      lblError_(new QLabel(FraErrores_)),
      lblError2_(new EtiquetaRuta(FraErrores_)) {
    // The path changes only through the dialog: the box never keeps the focus.
    txtruta_->setReadOnly(true);
    txtruta_->setFocusPolicy(Qt::NoFocus);
    txtruta_->setMinimumWidth(360);
    imgmodi_->setAutoRaise(true);
    auto* fichero = new QGridLayout(FraImportar_);
    fichero->addWidget(Label5_, 0, 0, 1, 2);
    fichero->addWidget(txtruta_, 1, 0);
    fichero->addWidget(imgmodi_, 1, 1);
    fichero->addWidget(chkauto_, 2, 0, 1, 2);

    auto* resultados = new QGridLayout(Frame2_);
    for (int i = 0; i < 5; ++i) {
        etiquetas_[i] = new QLabel(Frame2_);
        valores_[i] = new QLabel(Frame2_);
        valores_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        valores_[i]->setMinimumWidth(60);
        resultados->addWidget(etiquetas_[i], i, 0);
        resultados->addWidget(valores_[i], i, 1);
    }
    resultados->setColumnStretch(2, 1);

    imgerror_->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(24, 24));
    lblError_->setText(QStringLiteral("Consulte el fichero para  visualizar los errores de importación :"));
    auto* errores = new QGridLayout(FraErrores_);
    errores->addWidget(imgerror_, 0, 0, 2, 1, Qt::AlignTop);
    errores->addWidget(lblError_, 0, 1);
    errores->addWidget(lblError2_, 1, 1);
    errores->setColumnStretch(1, 1);

    cmdace_->setIcon(QIcon(ImgBotones(11)));
    cmdcan_->setIcon(QIcon(ImgBotones(9)));
    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(cmdace_);
    botones->addWidget(cmdcan_);

    auto* capas = new QVBoxLayout(this);
    capas->addWidget(FraImportar_);
    capas->addWidget(Frame2_);
    capas->addWidget(FraErrores_);
    capas->addStretch();
    capas->addLayout(botones);

    Nombrar({{Label5_, "Label5"}, {imgmodi_, "imgmodi"}, {chkauto_, "chkauto"}, {Frame2_, "Frame2"},
             {cmdace_, "cmdace"}, {cmdcan_, "cmdcan"}, {etiquetas_[0], "etiquetas(0)"}, {etiquetas_[1], "etiquetas(1)"},
             {etiquetas_[2], "etiquetas(2)"}, {etiquetas_[3], "etiquetas(3)"}, {etiquetas_[4], "etiquetas(4)"}});
    connect(imgmodi_, &QToolButton::clicked, this, &frmimport::imgmodi_Click);
    connect(cmdace_, &QPushButton::clicked, this, &frmimport::cmdace_Click);
    connect(cmdcan_, &QPushButton::clicked, this, &frmimport::cmdcan_Click);
}

void frmimport::Form_Load() {
    DeshabilitarMenus();
    PonerRuta(CarpetaPrograma() + QStringLiteral("/Contri.txt"));
    lblError_->hide();
    FraErrores_->hide();
    imgmodi_->setIcon(QIcon(ImgBotones(13)));
    Anadir_captions();
}

void frmimport::Form_Unload() { RefrescarMenuPrincipal(); }

void frmimport::Anadir_captions() {
    EscribirCaptions(*this, kCaptions);
    for (QLabel* valor : valores_) valor->setText(QStringLiteral("0"));
}

void frmimport::PonerRuta(const QString& ruta) {
    importar_.FICHEROAIMPORTAR(ruta);
    txtruta_->setText(ruta);
    txtruta_->setToolTip(ruta);
}

void frmimport::imgmodi_Click() {
    const QString ruta = importar_.FICHEROAIMPORTAR();
    const QString elegido = ElegirFichero(
        this, {QStringLiteral("Archivo a importar..."), ObtenerRuta(ruta), ObtenerNombreFichero(ruta), false});
    if (!ObtenerRuta(elegido).isEmpty()) PonerRuta(elegido);
}

void frmimport::cmdace_Click() {
    PreguntaVentana pregunta(windowTitle());
    ResultadoImportacion resultado;
    try {
        resultado = ImportarFichero(txtruta_->text(), chkauto_->isChecked(), pregunta);
    } catch (const vb::Error& e) {
        MsgBox(TextoFallo(e));
        return;
    }
    Terminar(resultado);
}

void frmimport::Terminar(const ResultadoImportacion& r) {
    for (int i = 0; i < 5; ++i) valores_[i]->setText(QString::number(r.contadores.*kValores[i]));
    cmdcan_->setText(QStringLiteral("&Salir"));
    cmdace_->hide();
    imgmodi_->setEnabled(false);
    imgmodi_->setIcon(QIcon(ImgBotones(14)));
    if (r.contadores.incorrectos > 0) {
        lblError_->show();
        FraErrores_->show();
        lblError2_->setText(r.ficheroErrores);
        lblError2_->setToolTip(r.ficheroErrores);
        lblError2_->show();
    }
    Crecer();
    if (!r.falloErrores.isEmpty())
        MsgBox(QStringLiteral("ERROR Nº: %1: ").arg(vb::errAccesoArchivo) + r.ficheroErrores + QStringLiteral(": ") +
               r.falloErrores);
    if (const auto m = MensajeFinal(r.contadores))
        MsgBox(m->texto, m->estilo, m->tituloVentana ? windowTitle() : QString());
}

// The frame keeps the size it was given: the window grows (never shrinks) to show whole what the
// import revealed, the error notice and the counters above it.
void frmimport::Crecer() {
    layout()->activate();
    QWidget* marco = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (!marco) marco = this;
    marco->resize(marco->size().expandedTo(marco->minimumSizeHint()));
}

void frmimport::cmdcan_Click() {
    Descargar();
    RefrescarMenuPrincipal();
}

}  // namespace oxalde
