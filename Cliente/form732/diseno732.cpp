// The control tree of the form-732 window, its layout by kind and its captions. Positions and
// sizes are in twips (1/1440 inch), finer than a pixel, and turned into pixels for the screen's
// resolution when placed.
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QRadioButton>
#include <QTabBar>

#include "controles/CajaFecha.h"
#include "controles/Pindaro.h"
#include "controles/TiraPestanas.h"
#include "controles/controles.h"
#include "form732/FrmDatos732.h"
#include "form732/cDatos732.h"
#include "form732/cajas732.h"
#include "form732/captions732.h"
#include "form732/imagenes732.h"
#include "form732/liquidacion732.h"
#include "compartido/claves_declaracion.h"
#include "compartido/cDecResumen.h"
#include "compartido/cFecha.h"
#include "compartido/cadenas.h"
#include "compartido/general.h"
#include "compartido/procedimientos.h"

namespace oxalde {
namespace {

// The window, the data frame of either kind, the header frames, the tab frames and the frame of
// each means of transport (left, top, width, height).
constexpr QRect kVentana(0, 0, 9480, 5430);
constexpr QRect kMarcoDatos(30, 990, 6975, 4305);
constexpr QRect kMarcoCabecera(7170, 1350, 2175, 2475);
constexpr QRect kMarcoPestana(120, 1200, 6585, 3015);
// Width of the liquidation tab's amount boxes.
constexpr int kAnchoImporte = 1320;
constexpr QRect kMarcoMedio(360, 1320, 5595, 1455);
constexpr int kAnchoPestanaT = 1250;
constexpr int kAnchoPestanaP = 1620;

const QColor kFondoPestanas(196, 212, 230);
// The border of the window's frames.
constexpr int kRecuadro = QFrame::Box | QFrame::Plain;

}  // namespace

QLabel* FrmDatos732::NuevaEtiqueta(QWidget* padre, const char* nombre, const QString& texto, int x, int y,
                                   int ancho) {
    auto* etiqueta = new QLabel(texto, padre);
    etiqueta->setObjectName(QString::fromUtf8(nombre));
    ColocarEnTwips(etiqueta, x, y, ancho, 240);
    return etiqueta;
}

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
    Negrita(NuevaEtiqueta(this, "Label2", QStringLiteral("Datos del declarante"), 1770, 120, 4000));
    NuevaEtiqueta(this, "Label3", QStringLiteral("DNI-CIF:"), 1770, 400, 1100);
    NuevaEtiqueta(this, "Label4", QStringLiteral("Declarante:"), 1770, 650, 1100);
    lbldni_ = NuevaEtiqueta(this, "lbldni", QString(), 2950, 400, 3000);
    lblnombre_ = NuevaEtiqueta(this, "lblnombre", QString(), 2950, 650, 6300);
    Negrita(NuevaEtiqueta(this, "Label1", QStringLiteral("Declaración"), 7170, 1080, 2175));

    CrearCabecera();
    FraDatosT_ = NuevoMarco(this, "FraDatosT", kMarcoDatos, kRecuadro);
    FraDatosP_ = NuevoMarco(this, "FraDatosP", kMarcoDatos, kRecuadro);
    for (auto [marco, nombre, texto] :
         {std::tuple{FraDatosT_, "lblshape1", "Adquisición intracomunitaria de medios de transporte nuevos"},
          std::tuple{FraDatosP_, "lblshape", "Régimen especial de recargo de equivalencia"}}) {
        auto* titulo = NuevaEtiqueta(marco, nombre, QString::fromUtf8(texto), 120, 150, 6735);
        ColocarEnTwips(titulo, 120, 150, 6735, 450);
        titulo->setAlignment(Qt::AlignCenter);
        titulo->setFrameStyle(kRecuadro);
        titulo->setAutoFillBackground(true);
        QPalette p = titulo->palette();
        p.setColor(QPalette::Window, kFondoPestanas);
        titulo->setPalette(p);
        Negrita(titulo);
    }

    tabTra_ = new TiraPestanas(FraDatosT_);
    tabTra_->setObjectName(QStringLiteral("TabTra"));
    tabTra_->setExpanding(false);
    tabTra_->setDrawBase(false);
    ColocarEnTwips(tabTra_, 120, 840, kMarcoPestana.width(), 360);
    for (const char* texto : {"T&ransmitente", "&Situación Tributaria", "&Hecho imponible", "&Liquidación"})
        tabTra_->addTab(QString::fromUtf8(texto));
    AlCambiarPestana([this](int pestana) { TabTra_Click(pestana); });

    CrearTransmitente();
    FraSitTib_ = CrearCasillas("FraSitTib", "Label13", QString::fromUtf8("Situación Tributaria"),
                               {"fraSitTib0", "fraSitTib1", "fraSitTib2", "frasittib3", "FraSittib4", "frasittib5"},
                               "chksittib", fraSitTib_, chksittib_, &FrmDatos732::chksittib_Click);
    FraHecho_ = CrearCasillas("FraHecho", "Label23", QStringLiteral("Hecho imponible"),
                              {"FraHecho1", "FraHecho2", "FraHecho3", "FraHecho4", "fraHecho5", "fraHecho6"},
                              "chkhecho", fraHecho_, chkhecho_, &FrmDatos732::chkhecho_Click);
    CrearTecnicos();
    CrearLiquidacion();
    for (QFrame* marco : {FraAdq_, FraSitTib_, FraHecho_, FraTec_, FraLiq_}) {
        marco->setAutoFillBackground(true);
        QPalette p = marco->palette();
        p.setColor(QPalette::Window, kFondoPestanas);
        marco->setPalette(p);
        marco->setFrameStyle(kRecuadro);
    }
    NuevosBotones({NuevoMarco(this, "fraBotones", {7170, 3930, 2175, 1365}), 120, 120, 720, 1935, 90});
}

void FrmDatos732::CrearCabecera() {
    FraDeclaP_ = NuevoMarco(this, "FraDeclaP", kMarcoCabecera, kRecuadro);
    FraDeclaT_ = NuevoMarco(this, "FraDeclaT", kMarcoCabecera, kRecuadro);
    for (auto [marco, nombre] : {std::pair{FraDeclaP_, "ImgDeclaP"}, std::pair{FraDeclaT_, "ImgDeclaT"}}) {
        auto* imagen = new QLabel(marco);
        imagen->setObjectName(QString::fromUtf8(nombre));
        ColocarEnTwips(imagen, 60, 60, 2055, 600);
        imagen->setPixmap(ImagenDeclaracion732(imagen->size(), marco == FraDeclaP_ ? QStringLiteral("1T-4T")
                                                                                 : QStringLiteral("OA")));
    }
    Negrita(NuevaEtiqueta(FraDeclaP_, "Label5", QStringLiteral("Devengo"), 120, 780, 1950));
    NuevaEtiqueta(FraDeclaP_, "Label6", QStringLiteral("Ejercicio:"), 120, 1200, 1000);
    NuevaEtiqueta(FraDeclaP_, "Label7", QStringLiteral("Período:"), 120, 1620, 1000);
    for (int i = 0; i < 2; ++i) {
        txtejer_[i] = new Pindaro(FraDeclaP_);
        txtejer_[i]->setObjectName(QStringLiteral("txtejer(%1)").arg(i));
        txtejer_[i]->formato(QStringLiteral("0"));
        txtejer_[i]->enteros(1);
        txtejer_[i]->setMaxLength(1);
        ColocarEnTwips(txtejer_[i], 1200 + i * 330, 1170, 300, kAltoCaja);
        txtper_[i] = new QLineEdit(FraDeclaP_);
        txtper_[i]->setObjectName(QStringLiteral("txtper(%1)").arg(i));
        txtper_[i]->setAlignment(Qt::AlignCenter);
        ColocarEnTwips(txtper_[i], 1200 + i * 330, 1590, 300, kAltoCaja);
    }
    lblperiodo_ = NuevaEtiqueta(FraDeclaP_, "lblperiodo", QString::fromUtf8("1ºTRIMESTRE"), 120, 2040, 1950);
    Negrita(lblperiodo_);

    Negrita(NuevaEtiqueta(FraDeclaT_, "Label21", QStringLiteral("Devengo"), 120, 780, 1950));
    NuevaEtiqueta(FraDeclaT_, "Label20", QStringLiteral("Fecha:"), 120, 1200, 1950);
    txtfecha_ = new CajaFecha(FraDeclaT_);
    txtfecha_->setObjectName(QStringLiteral("txtfecha"));
    ColocarEnTwips(txtfecha_, 120, 1500, 1500, kAltoCaja);
    for (QLineEdit* caja : {static_cast<QLineEdit*>(txtejer_[0]), static_cast<QLineEdit*>(txtejer_[1]), txtper_[0],
                            txtper_[1], static_cast<QLineEdit*>(txtfecha_)})
        caja->setReadOnly(true);
}

void FrmDatos732::CrearTransmitente() {
    FraAdq_ = NuevoMarco(FraDatosT_, "FraAdq", kMarcoPestana);
    Negrita(NuevaEtiqueta(FraAdq_, "Label12", QStringLiteral("Transmitente"), 120, 120, 4000));
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
        NuevaEtiqueta(FraAdq_, f.etiqueta, QString::fromUtf8(f.texto), 180, y + 30, 2400);
        NuevaCaja(FraAdq_, f.caja, 2640, y, f.ancho);
        y += 450;
    }
}

// A tab of six check boxes, each in its own inner frame (so that the frame can be disabled).
QFrame* FrmDatos732::CrearCasillas(const char* nombre, const char* etiqueta, const QString& titulo,
                                   const std::array<const char*, 6>& marcos, const char* casillas,
                                   std::array<QFrame*, 6>& interiores, std::array<QCheckBox*, 6>& cajas,
                                   void (FrmDatos732::*alPulsar)(int)) {
    QFrame* pestana = NuevoMarco(FraDatosT_, nombre, kMarcoPestana);
    Negrita(NuevaEtiqueta(pestana, etiqueta, titulo, 120, 120, 4000));
    for (int i = 0; i < 6; ++i) {
        interiores[i] = NuevoMarco(pestana, marcos[i], {120, 450 + i * 420, 6345, 400});
        cajas[i] = new QCheckBox(interiores[i]);
        cajas[i]->setObjectName(QStringLiteral("%1(%2)").arg(QLatin1String(casillas)).arg(i));
        ColocarEnTwips(cajas[i], 60, 0, 6225, 400);
        AlPulsar(cajas[i], [this, i, alPulsar] { (this->*alPulsar)(i); });
    }
    return pestana;
}

void FrmDatos732::CrearTecnicos() {
    FraTec_ = NuevoMarco(FraDatosT_, "FraTec", kMarcoPestana);
    Negrita(NuevaEtiqueta(FraTec_, "Label33", QString::fromUtf8("Características y datos técnicos"), 120, 120, 6000));
    FraTMedio_ = NuevoMarco(FraTec_, "FraTMedio", {360, 540, 5595, 600}, kRecuadro);
    const char* medios[] = {"Vehículos", "Barcos", "Aeronaves"};
    for (int i = 0; i < 3; ++i) {
        OptTmedio_[i] = new QRadioButton(QString::fromUtf8(medios[i]), FraTMedio_);
        OptTmedio_[i]->setObjectName(QStringLiteral("OptTmedio(%1)").arg(i));
        ColocarEnTwips(OptTmedio_[i], 240 + i * 1860, 150, 1700, kAltoCaja);
        AlPulsar(OptTmedio_[i], [this] { OptTmedio_Click(); });
    }
    // Two label-and-box pairs a row; the boxes in their tab order.
    struct Celda {
        const char *etiqueta, *texto, *caja;
        bool numerica;
        int columna;
        int fila;
        int ancho;
    };
    auto crear = [this](QFrame* marco, std::initializer_list<Celda> celdas) {
        for (const Celda& c : celdas) {
            const int x = 60 + c.columna * 2820;
            const int y = 90 + c.fila * 450;
            NuevaEtiqueta(marco, c.etiqueta, QString::fromUtf8(c.texto), x, y + 30, 1440);
            if (c.numerica)
                NuevaNumerica(marco, c.caja, x + 1470, y, c.ancho);
            else
                NuevaCaja(marco, c.caja, x + 1470, y, c.ancho);
        }
    };
    FraVeh_ = NuevoMarco(FraTec_, "FraVeh", kMarcoMedio, kRecuadro);
    crear(FraVeh_, {{"Label34", "Marca:", "txtmarcav", false, 0, 0, 1200},
                    {"Label37", "Tipo:", "txttipov", false, 1, 0, 1200},
                    {"Label36", "Modelo:", "txtmodelov", false, 0, 1, 1200},
                    {"Label38", "Nºbastidor:", "txtnbastidor", false, 1, 1, 1200},
                    {"Label39", "Clasificación:", "txtclasif", true, 0, 2, 700}});
    FraAer_ = NuevoMarco(FraTec_, "FraAer", kMarcoMedio, kRecuadro);
    crear(FraAer_, {{"Label50", "Fabricante:", "txtfabrica", false, 0, 0, 1200},
                    {"Label46", "Nº Serie:", "txtnserie", false, 1, 0, 1200},
                    {"Label52", "Año fabric.:", "txtanofab", true, 0, 1, 700},
                    {"Label51", "Peso máx.:", "txtpesomax", true, 1, 1, 1000},
                    {"Label48", "Modelo:", "txtmodeloa", false, 0, 2, 1200}});
    FraBar_ = NuevoMarco(FraTec_, "FraBar", kMarcoMedio, kRecuadro);
    crear(FraBar_, {{"Label41", "Fabricante:", "txtfabricb", false, 0, 0, 1200},
                    {"Label43", "Tipo - Modelo:", "txtmodelob", false, 1, 0, 1200},
                    {"Label45", "Identificación:", "txtnconstruc", false, 0, 1, 1200},
                    {"Label40", "Eslora máx.:", "txtesloramax", true, 1, 1, 800}});
}

void FrmDatos732::CrearLiquidacion() {
    FraLiq_ = NuevoMarco(FraDatosT_, "FraLiq", kMarcoPestana);
    Negrita(NuevaEtiqueta(FraLiq_, "Label30", QString::fromUtf8("Liquidación"), 120, 90, 4000));
    Negrita(NuevaEtiqueta(FraLiq_, "Label55", QString::fromUtf8("Régimen general"), 120, 420, 3100));
    Negrita(NuevaEtiqueta(FraLiq_, "Label56", QString::fromUtf8("Recargo equivalencia"), 3370, 420, 3100));
    NuevaEtiqueta(FraLiq_, "Label9", QStringLiteral("Base imponible"), 120, 690, 1300);
    NuevaEtiqueta(FraLiq_, "Label10", QStringLiteral("Tipo"), 1450, 690, 500)->setAlignment(Qt::AlignCenter);
    NuevaEtiqueta(FraLiq_, "Label11", QStringLiteral("Cuota"), 1980, 690, 1300);
    // base box, rate label (name, design text), quota box; one row each, left block then right.
    struct Fila {
        const char *base, *tipo, *texto, *cuota;
    };
    auto crear = [this](int x, std::initializer_list<Fila> filas) {
        int y = 960;
        for (const Fila& f : filas) {
            // As wide as the frame allows: the largest amount shows whole in them only in a small letter.
            NuevaNumerica(FraLiq_, f.base, x, y, kAnchoImporte);
            NuevaEtiqueta(FraLiq_, f.tipo, QString::fromUtf8(f.texto), x + 1340, y + 30, 490)
                ->setAlignment(Qt::AlignCenter);
            NuevaNumerica(FraLiq_, f.cuota, x + 1860, y, kAnchoImporte);
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
    lblTipo16_ = FraLiq_->findChild<QLabel*>(QStringLiteral("lblTipo16"));
    lblTipo7_ = FraLiq_->findChild<QLabel*>(QStringLiteral("lblTipo7"));
    lblTipo4_ = FraLiq_->findChild<QLabel*>(QStringLiteral("lblTipo4"));
    lblTipo1_ = FraLiq_->findChild<QLabel*>(QStringLiteral("lblTipo1"));
    Negrita(NuevaEtiqueta(FraLiq_, "Label14", QStringLiteral("Total cuota devengada"), 120, 2670, 3100));
    NuevaEtiqueta(FraLiq_, "Label15", QString(48, u'.'), 3000, 2670, 2200);
    NuevaNumerica(FraLiq_, "txttotal", 3370 + 1860, 2640, kAnchoImporte);
}

// Load steps.

void FrmDatos732::InicializarFormulario() {
    const auto& resumen = cDecResumen::Instancia();
    lbldni_->setText(resumen.DNI());
    lblnombre_->setText(resumen.NOMBRE());
    FormatearMascaraFecha(txtfecha_);
    PrepararPantalla();
    MostrarCabecera();
    if (Datos().MODO() == kModoExistente)
        Datos().CargarDeclaracion(Datos().CSDE());
    else
        CalcularLiquidacion();
}

void FrmDatos732::PrepararPantalla() {
    const bool transporte = Transporte();
    QFrame* marco = transporte ? FraDatosT_ : FraDatosP_;
    (transporte ? FraDatosP_ : FraDatosT_)->hide();
    ColocarEnTwips(marco, kMarcoDatos.x(), kMarcoDatos.y(), kMarcoDatos.width(), kMarcoDatos.height());
    const auto pestanas = Pestanas732(Datos().MODOP());
    if (transporte) tabTra_->insertTab(3, Cadena(kIdPestanaDatosTecnicos));
    for (int i = 0; i < int(pestanas.size()); ++i) {
        tabTra_->setTabText(i, Cadena(pestanas[i].caption));
        tabTra_->setTabToolTip(i, Cadena(pestanas[i].consejo).remove(u'&'));
    }
    AnchoPestanas(TwipsAPixeles(this, transporte ? kAnchoPestanaT : kAnchoPestanaP));
    for (QWidget* hijo :
         {static_cast<QWidget*>(tabTra_), static_cast<QWidget*>(FraAdq_), static_cast<QWidget*>(FraSitTib_),
          static_cast<QWidget*>(FraHecho_), static_cast<QWidget*>(FraTec_), static_cast<QWidget*>(FraLiq_)}) {
        if (hijo == FraTec_ && !transporte) continue;
        const QPoint sitio = hijo->pos();
        hijo->setParent(marco);
        hijo->move(sitio);
        hijo->show();
    }
    FraHecho_->raise();
    marco->show();
    marco->raise();
    Datos().PESTANA(3);
    PonerCaptions();
    const EtiquetasTipo732 tipos = EtiquetasTipo(cDecResumen::Instancia().FECHA());
    lblTipo16_->setText(tipos.tipo16);
    lblTipo7_->setText(tipos.tipo7);
    lblTipo4_->setText(tipos.tipo4);
    lblTipo1_->setText(tipos.tipo1);
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

void FrmDatos732::PonerCaptions() {
    EscribirCaptions(*this, Captions732());
    // A check box's caption that does not fit is broken into lines.
    for (const Caption& c : Captions732())
        if (auto* casilla = findChild<QCheckBox*>(QString::fromLatin1(c.control)))
            casilla->setText(Ajustar(casilla->text(), casilla, casilla->width() - 28));
}

void FrmDatos732::MostrarCabecera() {
    const auto& resumen = cDecResumen::Instancia();
    const bool transporte = Transporte();
    QFrame* marco = transporte ? FraDeclaT_ : FraDeclaP_;
    (transporte ? FraDeclaP_ : FraDeclaT_)->hide();
    ColocarEnTwips(marco, kMarcoCabecera.x(), kMarcoCabecera.y(), kMarcoCabecera.width(), kMarcoCabecera.height());
    marco->show();
    marco->raise();
    if (transporte) {
        txtfecha_->Text(cFecha::Instancia().LongToString(resumen.FECHA()));
        return;
    }
    const QString anio = QString::number(resumen.Ejercicio());
    for (int i = 0; i < 2; ++i) {
        txtejer_[i]->valor(anio.mid(2 + i, 1));
        txtejer_[i]->texto(txtejer_[i]->valor());
        txtper_[i]->setText(resumen.PERIODO().mid(i, 1));
    }
    lblperiodo_->setText(NombreTrimestre(resumen.PERIODO()));
}

void FrmDatos732::MostrarMedioTransporte() {
    const int medio = IndiceMedio(cDatos732::Instancia().TMEDIO());
    if (medio < 0) return;
    QFrame* mostrado = std::array{FraVeh_, FraBar_, FraAer_}[medio];
    for (QFrame* marco : {FraVeh_, FraBar_, FraAer_})
        if (marco != mostrado) marco->hide();
    ColocarEnTwips(mostrado, kMarcoMedio.x(), kMarcoMedio.y(), kMarcoMedio.width(), kMarcoMedio.height());
    mostrado->show();
    mostrado->raise();
}

}  // namespace oxalde
