// The form-731 window as designed: frames, boxes, labels and buttons at their places in twips;
// then its texts in the language in force when it opens, and the rate labels of the
// declaration's date (Anadir_captions).
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <array>

#include "controles/CajaFecha.h"
#include "controles/Pindaro.h"
#include "controles/TiraPestanas.h"
#include "controles/controles.h"
#include "form731/FrmDatos731.h"
#include "form731/captions731.h"
#include "compartido/captions.h"
#include "form731/liquidacion731.h"
#include "compartido/cDecResumen.h"

namespace oxalde {

namespace {

// Height of a box and of a label, in twips.
constexpr int kAlto = 300;
// The border of the window's frames.
constexpr int kBorde = QFrame::StyledPanel;
// The leaders of the two refund lines.
const QString kPuntos(21, u'.');

// The header's labels and boxes.
constexpr RotuloEditor kDeclarante[] = {
    {"Label2", 120, 90, 4000, kResaltado},    {"Label3", 240, 480, 900},
    {"lbldni", 1140, 480, 1500, kHundido},    {"Label4", 2760, 480, 1200},
    {"lblnombre", 3960, 480, 5385, kHundido}, {"Label1", 7170, 1050, 2175, kResaltado}};
constexpr RotuloEditor kTrimestral[] = {{"Label5", 120, 90, 1900, kResaltado},
                                        {"Label6", 120, 540, 1100},
                                        {"Label7", 120, 1050, 1100},
                                        {"lblperiodo", 120, 1560, 1935, kResaltado | kCentrado}};
constexpr RotuloEditor kTransporte[] = {{"Label21", 120, 90, 1900, kResaltado}, {"Label20", 120, 540, 1900}};
const DisenoCabecera kCabecera{kAlto,       kBorde,       kDeclarante, kTrimestral, kTransporte,
                               {1260, 510}, {1260, 1020}, 360,         330,         {120, 870}};

bool EsNumerica(const char* nombre) {
    for (const CajaNumero<cDatos731>& c : kCajas731.numeros)
        if (qstrcmp(c.nombre, nombre) == 0) return true;
    return false;
}

}  // namespace

void FrmDatos731::NuevaFilaCuenta(QGroupBox* marco, const char* prefijo, const std::array<int, 6>& izquierdas,
                                  int arriba) {
    for (int k = 0; k < 6; ++k) {
        auto* caja = new QLineEdit(marco);
        caja->setObjectName(QString::fromLatin1(prefijo) + (k == 0 ? QString() : QString::number(k)));
        caja->setMaxLength(4);
        ColocarEnTwips(caja, izquierdas[k], arriba, 720, kAlto);
    }
}

QGroupBox* FrmDatos731::NuevoGrupo(QWidget* padre, const char* nombre, int x, int y, int ancho, int alto) {
    auto* grupo = new QGroupBox(QStringLiteral("IBAN"), padre);
    grupo->setObjectName(QString::fromLatin1(nombre));
    ColocarEnTwips(grupo, x, y, ancho, alto);
    return grupo;
}

void FrmDatos731::CrearControles() {
    // Creation order is the tab order: the data of either kind, the buttons, then the header,
    // whose boxes pass the focus on.
    CrearDatosP();
    CrearDatosT();
    NuevosBotones({this, 7170, 4230, 4830, 2175, 120});
    // The captions start after the mark.
    for (QPushButton* b : {cmdAceptar_, cmdCancelar_})
        b->setStyleSheet(QStringLiteral("QPushButton { text-align: left; padding-left: 22px }"));
    CrearCabecera(kCabecera);
    // The locked copy of the date stands over the masked box.
    auto* bis = new QLineEdit(fraDeclaT_);
    bis->setObjectName(QStringLiteral("txtFechaBis"));
    bis->setReadOnly(true);
    ColocarEnTwips(bis, 120, 870, 1500, kAlto);
}

void FrmDatos731::CrearDatosP() {
    QFrame* f = NuevoMarco(this, "FraDatosP", {30, 990, 6975, 4995}, kBorde);
    auto* lblshape = NuevaEtiqueta(f, "lblshape", {240, 150, 6495, 420});
    lblshape->setFrameShape(QFrame::Box);
    lblshape->setAlignment(Qt::AlignCenter);
    Negrita(lblshape);

    NuevaEtiqueta(f, "Label9", {600, 840, 2400, kAlto})->setAlignment(Qt::AlignCenter);
    NuevaEtiqueta(f, "Label10", {3150, 840, 900, kAlto})->setAlignment(Qt::AlignCenter);
    NuevaEtiqueta(f, "Label11", {4200, 840, 2400, kAlto})->setAlignment(Qt::AlignCenter);
    struct Fila {
        const char *base, *tipo, *cuota;
    };
    const Fila filas[] = {{"txtbase16", "lblTipo16", "txtcuota16"},
                          {"txtbase7", "lblTipo7", "txtcuota7"},
                          {"txtbase4", "Label22", "txtcuota4"}};
    int y = 1200;
    for (const Fila& fila : filas) {
        NuevaNumerica(f, fila.base, 600, y, 2400);
        NuevaEtiqueta(f, fila.tipo, {3150, y, 900, kAlto})->setAlignment(Qt::AlignCenter);
        NuevaNumerica(f, fila.cuota, 4200, y, 2400);
        y += 480;
    }
    Control<QLabel>("Label22")->setText(QStringLiteral("4%"));
    NuevaEtiqueta(f, "Label14", {600, 2850, 1900, kAlto});
    NuevaEtiqueta(f, "Label15", {2550, 2850, 1600, kAlto}, kPuntos);
    NuevaNumerica(f, "txtivadev2", 4200, 2850, 2400);

    NuevaFilaCuenta(NuevoGrupo(f, "fraPCC", 465, 3975, 5970, 855), "txtPIban", {1140, 1875, 2610, 3330, 4050, 4755},
                    405);
}

void FrmDatos731::CrearDatosT() {
    QFrame* f = NuevoMarco(this, "FraDatosT", {30, 990, 6975, 4995}, kBorde);
    optActividad_ = new QRadioButton(
        QStringLiteral("Actividad de transporte de viajeros o de mercancias por carretera"), f);
    optActividad_->setObjectName(QStringLiteral("optActividad"));
    ColocarEnTwips(optActividad_, 240, 90, 6500, kAlto);
    optEntregas_ = new QRadioButton(QStringLiteral("Entregas intracomunitarias de medios de transporte nuevos"), f);
    optEntregas_->setObjectName(QStringLiteral("optEntregas"));
    ColocarEnTwips(optEntregas_, 240, 420, 6500, kAlto);

    CrearPestanas(f, {300, 780, 6450, 360}, {"", "", ""});
    auto* pagina = new QFrame(f);
    pagina->setFrameShape(QFrame::StyledPanel);
    ColocarEnTwips(pagina, 300, 1110, 6450, 3810);

    CrearAdquirente(NuevoMarco(f, "FraAdq", {450, 1200, 6255, 2835}));
    CrearTecnicos(NuevoMarco(f, "FraTec", {450, 1200, 6255, 2835}));
    CrearLiquidacion(NuevoMarco(f, "FraLiq", {450, 1200, 6255, 3650}));
}

void FrmDatos731::CrearAdquirente(QFrame* f) {
    Negrita(NuevaEtiqueta(f, "Label12", {120, 120, 4000, kAlto}));
    struct Fila {
        const char *etiqueta, *caja;
        int ancho;
    };
    const Fila filas[] = {
        {"Label32", "txtadqnif", 1800}, {"Label35", "txtadqnom", 3450}, {"Label31", "txtadqpais", 2400}};
    int y = 720;
    for (const Fila& fila : filas) {
        NuevaEtiqueta(f, fila.etiqueta, {240, y - 45, 2400, 390})->setWordWrap(true);
        NuevaCaja(f, fila.caja, 2700, y, fila.ancho);
        y += 540;
    }
}

void FrmDatos731::CrearTecnicos(QFrame* f) {
    Negrita(NuevaEtiqueta(f, "Label33", {120, 60, 5000, kAlto}));
    CrearOpcionesMedio(f, {360, 360, 5595, 690}, kBorde, 195);

    // One frame per means of transport, two label-and-box pairs a row; the aircraft's long
    // labels of its last row are wider.
    struct Par {
        const char *etiqueta, *caja;
        int fila;
        int columna;
        const char* texto = nullptr;  // design text, for labels Anadir_captions leaves alone
    };
    auto marco = [&](const char* nombre, std::initializer_list<Par> pares) {
        QFrame* m = NuevoMarco(f, nombre, {360, 1170, 5595, 1455}, kBorde);
        for (const Par& par : pares) {
            const int x = par.columna * 2760;
            const int y = 45 + par.fila * 330;
            const int etiqueta = par.fila == 3 ? 1560 : 1290;
            // A caption too long for one line takes two, centred on its box.
            NuevaEtiqueta(m, par.etiqueta, {x + 90, y - 45, etiqueta, 390},
                          par.texto ? QString::fromUtf8(par.texto) : QString())
                ->setWordWrap(true);
            if (EsNumerica(par.caja))
                NuevaNumerica(m, par.caja, x + etiqueta + 120, y, 2580 - etiqueta);
            else
                NuevaCaja(m, par.caja, x + etiqueta + 120, y, 2580 - etiqueta);
        }
    };
    marco("FraVeh", {{"Label34", "txtmarcav", 0, 0}, {"Label37", "txttipov", 0, 1}, {"Label36", "txtmodelov", 1, 0},
                     {"Label38", "txtnbastidor", 1, 1}, {"Label39", "txtclasif", 2, 0}});
    marco("FraBar", {{"Label41", "txtfabricb", 0, 0}, {"Label44", "txtmarcab", 0, 1}, {"Label42", "txttipob", 1, 0},
                     {"Label43", "txtmodelob", 1, 1}, {"Label45", "txtnconstruc", 2, 0},
                     {"Label40", "txtesloramax", 2, 1, "Eslora máx.:"}});
    marco("FraAer", {{"Label50", "txtfabrica", 0, 0}, {"Label47", "txtmarcaa", 0, 1}, {"Label49", "txttipoa", 1, 0},
                     {"Label48", "txtmodeloa", 1, 1}, {"Label46", "txtnserie", 2, 0}, {"Label51", "txtpesomax", 3, 0},
                     {"Label52", "txtanofab", 3, 1}});
}

void FrmDatos731::CrearLiquidacion(QFrame* f) {
    // A row of the liquidation: caption and amount, and the rate beside a price.
    auto fila = [this](QWidget* padre, int y, const char* etiqueta, const char* caja,
                       const char* etiquetaTipo = nullptr, const char* tipo = nullptr) {
        NuevaEtiqueta(padre, etiqueta, {120, y, 2100, kAlto});
        NuevaNumerica(padre, caja, 2280, y, 1900);
        if (!tipo) return;
        NuevaEtiqueta(padre, etiquetaTipo, {4350, y, 600, kAlto});
        NuevaNumerica(padre, tipo, 4980, y, 750);
    };
    Negrita(NuevaEtiqueta(f, "Label30", {120, 60, 4000, kAlto}));
    fila(f, 450, "Label27", "txtpreadq", "Label28", "txttipoadq");
    fila(f, 840, "Label13", "txtivasop");
    QFrame* venta = NuevoMarco(f, "fraPrecioVenta", {0, 1170, 6255, 780});
    fila(venta, 60, "Label24", "txtpreven", "Label29", "txttipoven");
    fila(venta, 450, "Label23", "txtmaxdev");

    NuevaEtiqueta(f, "Label26", {120, 2070, 2100, kAlto});
    NuevaEtiqueta(f, "Label25", {1380, 2070, 870, kAlto}, kPuntos);
    NuevaNumerica(f, "txtivadev1", 2280, 2070, 1900);

    QGroupBox* cc = NuevoGrupo(f, "fraTCC", 180, 2595, 5970, 855);
    cc->setAutoFillBackground(true);
    QPalette paleta = cc->palette();
    paleta.setColor(QPalette::Window, QColor(224, 224, 224));
    cc->setPalette(paleta);
    NuevaFilaCuenta(cc, "txtTIban", {1110, 1830, 2565, 3285, 4020, 4740}, 435);
}

void FrmDatos731::Anadir_captions() {
    EscribirCaptions(*this, Captions731());
    // The dotted leaders run from the end of their caption to the amount box.
    for (auto [texto, puntos, caja] :
         {std::array{"Label14", "Label15", "txtivadev2"}, {"Label26", "Label25", "txtivadev1"}}) {
        auto* etiqueta = findChild<QLabel*>(QString::fromLatin1(texto));
        auto* guia = findChild<QLabel*>(QString::fromLatin1(puntos));
        const int x = etiqueta->x() + etiqueta->fontMetrics().horizontalAdvance(etiqueta->text()) + 4;
        guia->setGeometry(x, guia->y(), findChild<QWidget*>(QString::fromLatin1(caja))->x() - x - 4, guia->height());
    }
    const EtiquetasTipo tipos = EtiquetasTipoEn(cDecResumen::Instancia().FECHA());
    findChild<QLabel*>(QStringLiteral("lblTipo16"))->setText(tipos.general);
    findChild<QLabel*>(QStringLiteral("lblTipo7"))->setText(tipos.reducido);
}

}  // namespace oxalde
