// The control tree of the form-732 window, its layout by kind and its captions. Positions and
// sizes are in twips (1/1440 inch), finer than a pixel, and turned into pixels for the screen's
// resolution when placed.
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QRadioButton>
#include <QTabBar>

#include "controles/Pindaro.h"
#include "controles/TiraPestanas.h"
#include "controles/controles.h"
#include "form732/FrmDatos732.h"
#include "form732/cDatos732.h"
#include "form732/captions732.h"
#include "form732/imagenes732.h"
#include "compartido/cDecResumen.h"
#include "compartido/cadenas.h"
#include "compartido/captions.h"
#include "compartido/general.h"

namespace oxalde {
namespace {

// The window, the data frame of either kind, the tab frames and the frame of each means of
// transport (left, top, width, height).
constexpr QRect kVentana(0, 0, 9480, 5430);
constexpr QRect kMarcoDatos(30, 990, 6975, 4305);
constexpr QRect kMarcoPestana(120, 1200, 6585, 3015);
// Width of the liquidation tab's amount boxes.
constexpr int kAnchoImporte = 1320;
constexpr QRect kMarcoMedio(360, 1320, 5595, 1455);
constexpr int kAnchoPestanaT = 1250;
constexpr int kAnchoPestanaP = 1620;
// Height of a label.
constexpr int kAltoEtiqueta = 240;

const QColor kFondoPestanas(196, 212, 230);
// The border of the window's frames.
constexpr int kRecuadro = QFrame::Box | QFrame::Plain;

// The header's labels, with the design texts of those no caption sets, and its boxes.
constexpr RotuloEditor kDeclarante[] = {{"Label2", 1770, 120, 4000, kResaltado, "Datos del declarante"},
                                        {"Label3", 1770, 400, 1100, kLlano, "DNI-CIF:"},
                                        {"Label4", 1770, 650, 1100, kLlano, "Declarante:"},
                                        {"lbldni", 2950, 400, 3000},
                                        {"lblnombre", 2950, 650, 6300},
                                        {"Label1", 7170, 1080, 2175, kResaltado, "Declaración"}};
constexpr RotuloEditor kTrimestral[] = {{"Label5", 120, 780, 1950, kResaltado, "Devengo"},
                                        {"Label6", 120, 1200, 1000, kLlano, "Ejercicio:"},
                                        {"Label7", 120, 1620, 1000, kLlano, "Período:"},
                                        {"lblperiodo", 120, 2040, 1950, kResaltado, "1ºTRIMESTRE"}};
constexpr RotuloEditor kTransporte[] = {{"Label21", 120, 780, 1950, kResaltado, "Devengo"},
                                        {"Label20", 120, 1200, 1950, kLlano, "Fecha:"}};
const DisenoCabecera kCabecera{kAltoEtiqueta, kRecuadro,    kDeclarante, kTrimestral, kTransporte,
                               {1200, 1170},  {1200, 1590}, 330,         300,         {120, 1500}};

// The tab frames, moved into the data frame of the record's kind at load.
const char* const kPestanas[] = {"FraAdq", "FraSitTib", "FraHecho", "FraTec", "FraLiq"};

}  // namespace

void FrmDatos732::CrearControles() {
    setWindowTitle(QStringLiteral("732. IVA. Declaración-Liquidación no periódica"));
    QFont letra(QStringLiteral("Arial"));
    letra.setPointSize(8);
    setFont(letra);
    setFixedSize(TwipsAPixeles(this, kVentana.width()), TwipsAPixeles(this, kVentana.height()));

    auto* ImgCabecera = new QLabel(this);
    ImgCabecera->setObjectName(QStringLiteral("ImgCabecera"));
    ColocarEnTwips(ImgCabecera, 60, 60, 1500, 870);
    ImgCabecera->setPixmap(ImagenCabecera732(ImgCabecera->size()));
    NuevoMarco(this, "Shape3", {1650, 60, 7695, 870}, kRecuadro);
    CrearCabecera(kCabecera);
    for (auto [marco, nombre] : {std::pair{fraDeclaP_, "ImgDeclaP"}, std::pair{fraDeclaT_, "ImgDeclaT"}}) {
        auto* imagen = new QLabel(marco);
        imagen->setObjectName(QString::fromUtf8(nombre));
        ColocarEnTwips(imagen, 60, 60, 2055, 600);
        imagen->setPixmap(
            ImagenDeclaracion732(imagen->size(), marco == fraDeclaP_ ? QStringLiteral("1T-4T") : QStringLiteral("OA")));
    }

    QFrame* datosT = NuevoMarco(this, "FraDatosT", kMarcoDatos, kRecuadro);
    QFrame* datosP = NuevoMarco(this, "FraDatosP", kMarcoDatos, kRecuadro);
    for (auto [marco, nombre, texto] :
         {std::tuple{datosT, "lblshape1", "Adquisición intracomunitaria de medios de transporte nuevos"},
          std::tuple{datosP, "lblshape", "Régimen especial de recargo de equivalencia"}}) {
        auto* titulo = NuevaEtiqueta(marco, nombre, {120, 150, 6735, 450}, QString::fromUtf8(texto));
        titulo->setAlignment(Qt::AlignCenter);
        titulo->setFrameStyle(kRecuadro);
        titulo->setAutoFillBackground(true);
        QPalette p = titulo->palette();
        p.setColor(QPalette::Window, kFondoPestanas);
        titulo->setPalette(p);
        Negrita(titulo);
    }

    CrearPestanas(datosT, {120, 840, kMarcoPestana.width(), 360},
                  {"T&ransmitente", "&Situación Tributaria", "&Hecho imponible", "&Liquidación"});
    CrearTransmitente(datosT);
    CrearCasillas(datosT, "FraSitTib", "Label13", QString::fromUtf8("Situación Tributaria"),
                  {"fraSitTib0", "fraSitTib1", "fraSitTib2", "frasittib3", "FraSittib4", "frasittib5"}, "chksittib",
                  &FrmDatos732::chksittib_Click);
    CrearCasillas(datosT, "FraHecho", "Label23", QStringLiteral("Hecho imponible"),
                  {"FraHecho1", "FraHecho2", "FraHecho3", "FraHecho4", "fraHecho5", "fraHecho6"}, "chkhecho",
                  &FrmDatos732::chkhecho_Click);
    CrearTecnicos(datosT);
    CrearLiquidacion(datosT);
    for (const char* nombre : kPestanas) {
        auto* marco = Control<QFrame>(QString::fromLatin1(nombre));
        marco->setAutoFillBackground(true);
        QPalette p = marco->palette();
        p.setColor(QPalette::Window, kFondoPestanas);
        marco->setPalette(p);
        marco->setFrameStyle(kRecuadro);
    }
    NuevosBotones({NuevoMarco(this, "fraBotones", {7170, 3930, 2175, 1365}), 120, 120, 720, 1935, 90});
}

void FrmDatos732::CrearTransmitente(QFrame* datos) {
    QFrame* adq = NuevoMarco(datos, "FraAdq", kMarcoPestana);
    Negrita(NuevaEtiqueta(adq, "Label12", {120, 120, 4000, kAltoEtiqueta}, QStringLiteral("Transmitente")));
    struct Fila {
        const char *etiqueta, *texto, *caja;
        int ancho;
    };
    const Fila filas[] = {{"Label32", "N.I.F.:", "txttranif", 1800},
                          {"lblRazonSocial", "Nombre o Razón social:", "txttranom", 3800},
                          {"lblDomicilio", "Domicilio Fiscal:", "txttraDomicilio", 3800},
                          {"lblProv", "Provincia:", "txtTraProvincia", 2400},
                          {"lblPais", "Pais:", "txttrapais", 2400}};
    int y = 600;
    for (const Fila& f : filas) {
        NuevaEtiqueta(adq, f.etiqueta, {180, y + 30, 2400, kAltoEtiqueta}, QString::fromUtf8(f.texto));
        NuevaCaja(adq, f.caja, 2640, y, f.ancho);
        y += 450;
    }
}

// A tab of six check boxes, each in its own inner frame (so that the frame can be disabled).
void FrmDatos732::CrearCasillas(QFrame* datos, const char* nombre, const char* etiqueta, const QString& titulo,
                                const std::array<const char*, 6>& marcos, const char* casillas,
                                void (FrmDatos732::*alPulsar)(int)) {
    QFrame* pestana = NuevoMarco(datos, nombre, kMarcoPestana);
    Negrita(NuevaEtiqueta(pestana, etiqueta, {120, 120, 4000, kAltoEtiqueta}, titulo));
    for (int i = 0; i < 6; ++i) {
        auto* casilla = new QCheckBox(NuevoMarco(pestana, marcos[i], {120, 450 + i * 420, 6345, 400}));
        casilla->setObjectName(Elemento(QString::fromLatin1(casillas), i));
        ColocarEnTwips(casilla, 60, 0, 6225, 400);
        AlPulsar(casilla, [this, i, alPulsar] { (this->*alPulsar)(i); });
    }
}

void FrmDatos732::CrearTecnicos(QFrame* datos) {
    QFrame* tec = NuevoMarco(datos, "FraTec", kMarcoPestana);
    Negrita(NuevaEtiqueta(tec, "Label33", {120, 120, 6000, kAltoEtiqueta},
                          QString::fromUtf8("Características y datos técnicos")));
    CrearOpcionesMedio(tec, {360, 540, 5595, 600}, kRecuadro, 150);
    // Two label-and-box pairs a row; the boxes in their tab order.
    struct Celda {
        const char *etiqueta, *texto, *caja;
        bool numerica;
        int columna;
        int fila;
        int ancho;
    };
    auto crear = [this, tec](const char* nombre, std::initializer_list<Celda> celdas) {
        QFrame* marco = NuevoMarco(tec, nombre, kMarcoMedio, kRecuadro);
        for (const Celda& c : celdas) {
            const int x = 60 + c.columna * 2820;
            const int y = 90 + c.fila * 450;
            NuevaEtiqueta(marco, c.etiqueta, {x, y + 30, 1440, kAltoEtiqueta}, QString::fromUtf8(c.texto));
            if (c.numerica)
                NuevaNumerica(marco, c.caja, x + 1470, y, c.ancho);
            else
                NuevaCaja(marco, c.caja, x + 1470, y, c.ancho);
        }
    };
    crear("FraVeh", {{"Label34", "Marca:", "txtmarcav", false, 0, 0, 1200},
                     {"Label37", "Tipo:", "txttipov", false, 1, 0, 1200},
                     {"Label36", "Modelo:", "txtmodelov", false, 0, 1, 1200},
                     {"Label38", "Nºbastidor:", "txtnbastidor", false, 1, 1, 1200},
                     {"Label39", "Clasificación:", "txtclasif", true, 0, 2, 700}});
    crear("FraAer", {{"Label50", "Fabricante:", "txtfabrica", false, 0, 0, 1200},
                     {"Label46", "Nº Serie:", "txtnserie", false, 1, 0, 1200},
                     {"Label52", "Año fabric.:", "txtanofab", true, 0, 1, 700},
                     {"Label51", "Peso máx.:", "txtpesomax", true, 1, 1, 1000},
                     {"Label48", "Modelo:", "txtmodeloa", false, 0, 2, 1200}});
    crear("FraBar", {{"Label41", "Fabricante:", "txtfabricb", false, 0, 0, 1200},
                     {"Label43", "Tipo - Modelo:", "txtmodelob", false, 1, 0, 1200},
                     {"Label45", "Identificación:", "txtnconstruc", false, 0, 1, 1200},
                     {"Label40", "Eslora máx.:", "txtesloramax", true, 1, 1, 800}});
}

void FrmDatos732::CrearLiquidacion(QFrame* datos) {
    QFrame* liq = NuevoMarco(datos, "FraLiq", kMarcoPestana);
    auto etiqueta = [liq](const char* nombre, const char* texto, int x, int y, int ancho) {
        return NuevaEtiqueta(liq, nombre, {x, y, ancho, kAltoEtiqueta}, QString::fromUtf8(texto));
    };
    Negrita(etiqueta("Label30", "Liquidación", 120, 90, 4000));
    Negrita(etiqueta("Label55", "Régimen general", 120, 420, 3100));
    Negrita(etiqueta("Label56", "Recargo equivalencia", 3370, 420, 3100));
    etiqueta("Label9", "Base imponible", 120, 690, 1300);
    etiqueta("Label10", "Tipo", 1450, 690, 500)->setAlignment(Qt::AlignCenter);
    etiqueta("Label11", "Cuota", 1980, 690, 1300);
    // base box, rate label (name, design text), quota box; one row each, left block then right.
    struct Fila {
        const char *base, *tipo, *texto, *cuota;
    };
    auto crear = [this, liq, etiqueta](int x, std::initializer_list<Fila> filas) {
        int y = 960;
        for (const Fila& f : filas) {
            // As wide as the frame allows: the largest amount shows whole in them only in a small letter.
            NuevaNumerica(liq, f.base, x, y, kAnchoImporte);
            etiqueta(f.tipo, f.texto, x + 1340, y + 30, 490)->setAlignment(Qt::AlignCenter);
            NuevaNumerica(liq, f.cuota, x + 1860, y, kAnchoImporte);
            y += 420;
        }
    };
    crear(120, {{"txtbase16", "lblTipo16", "18%", "txtcuota16"},
                {"txtbase7", "lblTipo7", "8%", "txtcuota7"},
                {"txtbase4", "Label18", "4%", "txtcuota4"}});
    crear(3370, {{"txtbaeq4", "lblTipo4", "4%", "txtcueq4"},
                 {"txtbaeq175", "Label24", "1,75%", "txtcueq175"},
                 {"txtbaeq1", "lblTipo1", "1%", "txtcueq1"},
                 {"txtbaeq05", "Label17", "0.5%", "txtcueq05"}});
    Negrita(etiqueta("Label14", "Total cuota devengada", 120, 2670, 3100));
    NuevaEtiqueta(liq, "Label15", {3000, 2670, 2200, kAltoEtiqueta}, QString(48, u'.'));
    NuevaNumerica(liq, "txttotal", 3370 + 1860, 2640, kAnchoImporte);
}

// Load steps.

void FrmDatos732::PrepararPantalla() {
    const bool transporte = Transporte();
    MostrarMarcoDatos();
    QWidget* marco = Control(QString::fromLatin1(transporte ? "FraDatosT" : "FraDatosP"));
    const auto pestanas = Pestanas732(Datos().MODOP());
    if (transporte) tabTra_->insertTab(3, Cadena(kIdPestanaDatosTecnicos));
    for (int i = 0; i < int(pestanas.size()); ++i) {
        tabTra_->setTabText(i, Cadena(pestanas[i].caption));
        tabTra_->setTabToolTip(i, Cadena(pestanas[i].consejo).remove(u'&'));
    }
    AnchoPestanas(TwipsAPixeles(this, transporte ? kAnchoPestanaT : kAnchoPestanaP));
    std::vector<QWidget*> hijos = {tabTra_};
    for (const char* nombre : kPestanas)
        if (transporte || qstrcmp(nombre, "FraTec") != 0) hijos.push_back(Control(QString::fromLatin1(nombre)));
    for (QWidget* hijo : hijos) {
        const QPoint sitio = hijo->pos();
        hijo->setParent(marco);
        hijo->move(sitio);
        hijo->show();
    }
    Control(QStringLiteral("FraHecho"))->raise();
    Datos().PESTANA(3);
}

// Every tab gets the same width; a caption wider than that gets a smaller letter, not cut.
void FrmDatos732::AnchoPestanas(int ancho) {
    QFont letra = tabTra_->font();
    auto cabe = [&] {
        const QFontMetrics medidas(letra);
        for (int i = 0; i < tabTra_->count(); ++i)
            if (medidas.horizontalAdvance(QString(tabTra_->tabText(i)).remove(u'&')) + 24 > ancho) return false;
        return true;
    };
    while (!cabe() && letra.pointSizeF() > 6) letra.setPointSizeF(letra.pointSizeF() - 0.5);
    tabTra_->setFont(letra);
    tabTra_->TabFixedWidth(ancho);
}

// A caption that does not fit its check box is broken into lines at blanks.
static QString Ajustar(const QString& texto, const QWidget* control, int ancho) {
    const QFontMetrics medidas(control->font());
    QString resultado;
    QString linea;
    for (const QString& palabra : texto.split(u' ')) {
        const QString prueba = linea.isEmpty() ? palabra : linea + u' ' + palabra;
        if (!linea.isEmpty() && medidas.horizontalAdvance(prueba) > ancho) {
            resultado += linea + u'\n';
            linea = palabra;
        } else {
            linea = prueba;
        }
    }
    return resultado + linea;
}

void FrmDatos732::Anadir_captions() {
    EscribirCaptions(*this, Captions732());
    // A check box's caption that does not fit is broken into lines.
    for (const Caption& c : Captions732())
        if (auto* casilla = findChild<QCheckBox*>(QString::fromLatin1(c.control)))
            casilla->setText(Ajustar(casilla->text(), casilla, casilla->width() - 28));
    const EtiquetasTipo732 tipos = EtiquetasTipo(cDecResumen::Instancia().FECHA());
    Control<QLabel>(QStringLiteral("lblTipo16"))->setText(tipos.tipo16);
    Control<QLabel>(QStringLiteral("lblTipo7"))->setText(tipos.tipo7);
    Control<QLabel>(QStringLiteral("lblTipo4"))->setText(tipos.tipo4);
    Control<QLabel>(QStringLiteral("lblTipo1"))->setText(tipos.tipo1);
}

}  // namespace oxalde
