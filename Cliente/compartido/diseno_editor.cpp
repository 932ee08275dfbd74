// The layout both declaration editors share: the header, the tab strip, the means-of-transport
// options and how each shows for the record; each form gives its places, captions and names.
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "compartido/EditorDeclaracion.h"
#include "compartido/cDecResumen.h"
#include "compartido/cFecha.h"
#include "compartido/captions.h"
#include "compartido/claves_declaracion.h"
#include "compartido/procedimientos.h"
#include "controles/CajaFecha.h"
#include "controles/Pindaro.h"
#include "controles/TiraPestanas.h"
#include "controles/controles.h"

namespace oxalde {
namespace {

// The header's frames, one per kind, at one place.
constexpr QRect kMarcoCabecera(7170, 1350, 2175, 2475);
// The frames of the three means, in the order of kMedios.
const char* const kMarcosMedio[] = {"FraVeh", "FraBar", "FraAer"};

}  // namespace

void EditorDeclaracion::NuevasEtiquetas(QWidget* padre, std::span<const RotuloEditor> rotulos, int alto) {
    for (const RotuloEditor& r : rotulos) {
        QLabel* l =
            NuevaEtiqueta(padre, r.nombre, {r.x, r.y, r.ancho, alto}, r.texto ? QString::fromUtf8(r.texto) : QString());
        if (r.aspecto & kResaltado) Negrita(l);
        if (r.aspecto & kCentrado) l->setAlignment(Qt::AlignCenter);
        if (r.aspecto & kHundido) {
            l->setFrameShape(QFrame::Panel);
            l->setFrameShadow(QFrame::Sunken);
        }
    }
}

void EditorDeclaracion::CrearCabecera(const DisenoCabecera& d) {
    NuevasEtiquetas(this, d.ventana, d.altoEtiqueta);
    lbldni_ = Control<QLabel>(QStringLiteral("lbldni"));
    lblnombre_ = Control<QLabel>(QStringLiteral("lblnombre"));

    fraDeclaP_ = NuevoMarco(this, "FraDeclaP", kMarcoCabecera, d.estiloMarco);
    NuevasEtiquetas(fraDeclaP_, d.trimestral, d.altoEtiqueta);
    lblperiodo_ = fraDeclaP_->findChild<QLabel*>(QStringLiteral("lblperiodo"));
    for (int i = 0; i < 2; ++i) {
        txtejer_[i] = new Pindaro(fraDeclaP_);
        txtejer_[i]->setObjectName(Elemento(QStringLiteral("txtejer"), i));
        txtejer_[i]->formato(QStringLiteral("0"));
        txtejer_[i]->enteros(1);
        txtejer_[i]->maxlength(1);
        ColocarEnTwips(txtejer_[i], d.ejercicio.x() + i * d.paso, d.ejercicio.y(), d.ancho, kAltoCaja);
    }
    for (int i = 0; i < 2; ++i) {
        txtper_[i] = new QLineEdit(fraDeclaP_);
        txtper_[i]->setObjectName(Elemento(QStringLiteral("txtper"), i));
        txtper_[i]->setMaxLength(1);
        txtper_[i]->setAlignment(Qt::AlignCenter);
        ColocarEnTwips(txtper_[i], d.periodo.x() + i * d.paso, d.periodo.y(), d.ancho, kAltoCaja);
    }

    fraDeclaT_ = NuevoMarco(this, "FraDeclaT", kMarcoCabecera, d.estiloMarco);
    NuevasEtiquetas(fraDeclaT_, d.transporte, d.altoEtiqueta);
    txtfecha_ = new CajaFecha(fraDeclaT_);
    txtfecha_->setObjectName(QStringLiteral("txtfecha"));
    ColocarEnTwips(txtfecha_, d.fecha.x(), d.fecha.y(), 1500, kAltoCaja);
    // The header only shows: its boxes pass the focus on (PasarCabecera).
    for (QLineEdit* caja : std::initializer_list<QLineEdit*>{txtejer_[0], txtejer_[1], txtper_[0], txtper_[1]})
        caja->setReadOnly(true);
    txtfecha_->setReadOnly(true);
}

void EditorDeclaracion::CrearPestanas(QWidget* padre, const QRect& sitio, std::initializer_list<const char*> textos) {
    tabTra_ = new TiraPestanas(padre);
    tabTra_->setObjectName(QStringLiteral("TabTra"));
    tabTra_->setDrawBase(false);
    tabTra_->setExpanding(false);
    for (const char* texto : textos) tabTra_->addTab(QString::fromUtf8(texto));
    ColocarEnTwips(tabTra_, sitio.x(), sitio.y(), sitio.width(), sitio.height());
    AlCambiarPestana([this](int pestana) { TabTra_Click(pestana); });
}

void EditorDeclaracion::CrearOpcionesMedio(QWidget* padre, const QRect& marco, int estilo, int y) {
    QFrame* medio = NuevoMarco(padre, "FraTMedio", marco, estilo);
    for (int i = 0; i < 3; ++i) {
        OptTmedio_[i] = new QRadioButton(medio);
        OptTmedio_[i]->setObjectName(Elemento(QStringLiteral("OptTmedio"), i));
        ColocarEnTwips(OptTmedio_[i], 240 + i * 1860, y, 1700, kAltoCaja);
        AlPulsar(OptTmedio_[i], [this] { OptTmedio_Click(); });
    }
}

void EditorDeclaracion::OptTmedio_Click() {
    ElegirMedio(MedioMarcado());
    datosModificados_ = true;
    RefrescarDatos();
}

void EditorDeclaracion::InicializarFormulario() {
    const cDecResumen& r = cDecResumen::Instancia();
    lbldni_->setText(r.DNI());
    lblnombre_->setText(r.NOMBRE());
    FormatearMascaraFecha(txtfecha_);
    PrepararPantalla();
    MostrarCabecera();
    if (!CargarGuardada()) CalcularLiquidacion();
}

void EditorDeclaracion::MostrarMarcoDatos() {
    const bool t = Transporte();
    Control(QString::fromLatin1(t ? "FraDatosP" : "FraDatosT"))->hide();
    QWidget* marco = Control(QString::fromLatin1(t ? "FraDatosT" : "FraDatosP"));
    marco->show();
    marco->raise();
}

void EditorDeclaracion::MostrarCabecera() {
    const cDecResumen& r = cDecResumen::Instancia();
    const bool t = Transporte();
    (t ? fraDeclaP_ : fraDeclaT_)->hide();
    QFrame* marco = t ? fraDeclaT_ : fraDeclaP_;
    marco->show();
    marco->raise();
    if (t) {
        txtfecha_->Text(cFecha::Instancia().LongToString(r.FECHA()));
        return;
    }
    const QString anio = QString::number(r.Ejercicio());
    for (int i = 0; i < 2; ++i) {
        txtejer_[i]->valor(anio.mid(2 + i, 1));
        txtejer_[i]->texto(txtejer_[i]->valor());
        txtper_[i]->setText(r.PERIODO().mid(i, 1));
    }
    lblperiodo_->setText(NombreTrimestre(r.PERIODO()));
}

void EditorDeclaracion::MostrarMedioTransporte(const QString& tmedio) {
    const int medio = IndiceMedio(tmedio);
    if (medio < 0) return;
    for (int i = 0; i < 3; ++i)
        if (i != medio) Control(QString::fromLatin1(kMarcosMedio[i]))->hide();
    QWidget* mostrado = Control(QString::fromLatin1(kMarcosMedio[medio]));
    mostrado->show();
    mostrado->raise();
    OptTmedio_[medio]->setChecked(true);
    RepintarCajas(mostrado);
}

void EditorDeclaracion::TextoUsable(QWidget* boton, bool usable) {
    QPalette p = boton->palette();
    for (auto grupo : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        p.setColor(grupo, QPalette::WindowText, usable ? Qt::black : Qt::white);
    boton->setPalette(p);
}

void EditorDeclaracion::RepintarCajas(const QWidget* marco) const {
    for (const Pintor& p : pintores_)
        if (marco->isAncestorOf(p.caja)) p.pintar();
}

}  // namespace oxalde
