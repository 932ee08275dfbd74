#include "registro/FrmDecResumen.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QStyle>

#include "controles/CajaFecha.h"
#include "controles/ComboLista.h"
#include "controles/FlexGrid.h"
#include "controles/Pindaro.h"
#include "controles/controles.h"
#include "controles/entrada.h"
#include "compartido/claves_declaracion.h"
#include "compartido/imagenes.h"
#include "impresion/cImOf.h"
#include "registro/cDecDatos.h"
#include "compartido/cDecResumen.h"
#include "registro/declaraciones.h"
#include "registro/frmDecDatos.h"
#include "registro/imagenes_resumen.h"
#include "compartido/CEntrada.h"
#include "compartido/ventana_principal.h"
#include "compartido/avisos.h"
#include "compartido/biblioteca.h"
#include "compartido/cFecha.h"
#include "compartido/cadenas.h"
#include "compartido/general.h"
#include "compartido/procedimientos.h"

namespace oxalde {
namespace {

cDecResumen& Resumen() { return cDecResumen::Instancia(); }
constexpr QLatin1String P = kModoPeriodica;
constexpr QLatin1String T = kModoTransporte;

// The window's design, in twips: client area, and where the new-declaration boxes go.
constexpr int kAncho = 9480;
constexpr int kAlto = 6795;

// Columns of the declarations grid.
struct ColumnaGrid {
    const char* castellano;
    const char* euskera;
    int ancho;
    FlexGrid::Alineacion alineacion;
};
const ColumnaGrid kColumnas[kColumnasDeclaracion] = {
    {"Codigo", "Codigo", 0, FlexGrid::flexAlignLeftCenter},
    {"Fecha", "Data", 1100, FlexGrid::flexAlignCenterCenter},
    {"Ejercicio", "Ekitaldia", 950, FlexGrid::flexAlignCenterCenter},
    {"Periodo", "Zergaldia", 1600, FlexGrid::flexAlignLeftCenter},
    {"Mod", "Mod", 450, FlexGrid::flexAlignCenterCenter},
    {"Tipologia", "Tipologia", 0, FlexGrid::flexAlignLeftCenter},
    {"Importe", "Zenbatekoa", 1600, FlexGrid::flexAlignRightCenter},
    {"Fecha", "Fecha", 0, FlexGrid::flexAlignLeftCenter},
    {"Ejercicio", "Ejercicio", 0, FlexGrid::flexAlignLeftCenter},
    {"Periodo", "Periodo", 0, FlexGrid::flexAlignLeftCenter},
    {"Tipo", "Mota", 700, FlexGrid::flexAlignCenterCenter},
};

}  // namespace

FrmDecResumen::FrmDecResumen(QWidget* parent)
    : VentanaHija(QStringLiteral("FrmDecResumen"), parent), entrada_(new EntradaVentana(this)) {
    QFont fuente(QStringLiteral("Verdana"));
    fuente.setPointSizeF(8.25);
    setFont(fuente);
    CrearControles();
    // The pictures drawn in this file.
    ImgPer_->setPixmap(ImagenNueva(true));
    ImgTra_->setPixmap(ImagenNueva(false));
    resize(sizeHint());
}

QSize FrmDecResumen::sizeHint() const { return {TwipsAPixeles(this, kAncho), TwipsAPixeles(this, kAlto)}; }

// Load, activation, unload.

void FrmDecResumen::Form_Load() {
    Anadir_captions();
    DeshabilitarMenus();
    if (parentWidget()) parentWidget()->move(0, 0);
    FormatearFlxDeclaraciones();
    UtilidadesGrid.Flex(flxDeclaraciones_);
    txtejer_->setFont(QFont(QStringLiteral("Verdana"), font().pointSize()));
    InicializarDatos();
    PresentaDatos();
    PresentaBotones();
    IgnorarClickCombo = false;
    SeleccionActiva = true;
}

void FrmDecResumen::Form_Activate() {
    DeshabilitarMenus();
    if (Resumen().NUMDECLASEL() < 1)
        cmdDeclarante_->setFocus();
    else
        flxDeclaraciones_->setFocus();
}

void FrmDecResumen::Form_Unload() {
    entrada_->Descargando();
    RefrescarMenuPrincipal();
}

// The list.

void FrmDecResumen::InicializarDatos() {
    auto& r = Resumen();
    lbldni_->setText(r.DNI());
    lblnombre_->setText(r.NOMBRE());
    FormatearMascaraFecha(txtfecha_);
    r.MODO(kModoLista);
    if (r.ENTRADA() == kEntradaNueva) r.CSDE(0);
    r.NUMDECLASEL(0);
    LimpiarFlxDeclaraciones();
}

void FrmDecResumen::FormatearFlxDeclaraciones() {
    FlexGrid& g = *flxDeclaraciones_;
    g.Rows(2);
    g.Cols(kColumnasDeclaracion);
    for (int c = 0; c < kColumnasDeclaracion; ++c) {
        const ColumnaGrid& col = kColumnas[c];
        g.TextMatrix(0, c, TextoIdioma(QString::fromUtf8(col.castellano), QString::fromUtf8(col.euskera)));
        g.ColWidth(c, col.ancho);
        if (col.ancho > 0) g.ColAlignment(c, col.alineacion);
    }
}

void FrmDecResumen::LimpiarFlxDeclaraciones() {
    flxDeclaraciones_->HighLight(false);
    flxDeclaraciones_->Rows(1);
    flxDeclaraciones_->Rows(2);
    picasc_->hide();
}

void FrmDecResumen::CargarFlxDeclaraciones() {
    vb::Variant lista;
    vb::Long csco = Resumen().CSCO();
    Resumen().NUMDECLASEL(Declaracion(RutaBDModificable)->dameResultado(lista, csco));
    if (Resumen().NUMDECLASEL() > 0) RellenarFlxDeclaraciones(lista);
}

void FrmDecResumen::RellenarFlxDeclaraciones(const vb::Variant& lista) {
    const vb::Long filas = lista.UBound(2) + 1;
    if (filas < 1) return;
    FlexGrid& g = *flxDeclaraciones_;
    g.Redraw(false);
    g.Rows(1);
    g.Rows(filas + 1);
    for (vb::Long i = 0; i < filas; ++i) {
        const QStringList textos = FilaDeclaracion(lista, i);
        for (int c = 0; c < g.Cols(); ++c) g.TextMatrix(i + 1, c, textos[c]);
    }
    g.Redraw(true);
}

void FrmDecResumen::PosicionarFlecha() {
    const FlexGrid& g = *flxDeclaraciones_;
    const int x = g.x() + TwipsAPixeles(this, g.ColPos(colFecha) + g.ColWidth(colFecha) - 250);
    picasc_->move(x + g.frameWidth(), g.y() + TwipsAPixeles(this, 65));
    picasc_->raise();
}

void FrmDecResumen::CargarPeriodos() {
    vb::Variant tabla = vb::Variant::Array2(0, 3, 0, 1);
    for (int i = 0; i < 4; ++i) {
        tabla(i, 0) = NombreTrimestre(QString::number(i + 1) + u'T').toStdString();
        tabla(i, 1) = vb::Long(i + 1);
    }
    CargarCombo(cmbperiodo_, tabla, true);
}

void FrmDecResumen::CargarModelos() {
    vb::Variant tabla = vb::Variant::Array2(0, 1, 0, 1);
    tabla(0, 0) = kModelo731.latin1();
    tabla(1, 0) = kModelo732.latin1();
    CargarCombo(cmbmodelo_, tabla, false);
}

void FrmDecResumen::SeleccionarFila(int fila) {
    SeleccionActiva = false;
    UtilidadesGrid.SeleccionarGrid(ColorSeleccion, flxDeclaraciones_->ForeColorSel(), fila);
    SeleccionActiva = true;
    Resumen().CSDE(
        vb::Variant(vb::Val(flxDeclaraciones_->TextMatrix(flxDeclaraciones_->Row(), colCSDE).toStdString())).CLng());
}

void FrmDecResumen::PresentaDatos() {
    auto& r = Resumen();
    SeleccionActiva = false;
    const bool lista = r.MODO() == kModoLista;
    ColorSeleccion = ColorVB(lista ? 0x80C0FF : 0xE0E0E0);
    ColorFondo = ColorVB(lista ? 0xC0E0FF : 0xFFFFFF);
    if (!lista) {
        ImgNueva_[0]->setPixmap(ImgLista(2));
        ImgNueva_[0]->setToolTip(Cadena(kIdConsejoCancelar));
        ImgNueva_[1]->setPixmap(ImgLista(3));
        ImgNueva_[1]->setToolTip(Cadena(kIdDatosDeclaracion));
    }
    flxDeclaraciones_->setEnabled(lista);
    flxDeclaraciones_->BackColorSel(ColorSeleccion);
    flxDeclaraciones_->BackColor(ColorFondo);
    CargarFlxDeclaraciones();
    if (r.NUMDECLASEL() > 0) {
        const int fila = BuscarFilaGridFinal(flxDeclaraciones_, colCSDE, r.CSDE());
        flxDeclaraciones_->TopRow(fila);
        SeleccionarFila(fila);
        picasc_->show();
        PosicionarFlecha();
    } else {
        LimpiarFlxDeclaraciones();
    }
    MostrarEtiqueta(lblResultado_, TextoNumeroDeclaraciones(r.NUMDECLASEL()));
    txtejer_->valor(r.MODO() == P && r.Ejercicio() != 0 ? QString::number(r.Ejercicio()) : QString());
    txtejer_->texto(txtejer_->valor());
    txtfecha_->Text(r.MODO() == T && r.FECHA() != 0 ? cFecha::Instancia().LongToString(r.FECHA())
                                                     : cFecha::Instancia().FecVacia());
    if (!lista) {
        const QScopedValueRollback ignorar(IgnorarClickCombo, true);
        BuscarEnCombo(r.Modelo(), cmbmodelo_);
        BuscarEnCombo(NombreTrimestre(r.PERIODO()).toLower(), cmbperiodo_);
    }
    SeleccionActiva = true;
}

void FrmDecResumen::PresentaBotones() {
    auto& r = Resumen();
    struct Estado {
        QPushButton* cmd;
        EtiquetaEnlace* pic;
        int encendida;
        int apagada;
    };
    const Estado botones[] = {{cmdDatos_, PicDatos_, 1, 5},
                              {cmdEliminar_, PicEli_, 2, 6},
                              {cmdImprimir_, PicImprimir_, 3, 7},
                              {cmdDeclarante_, PicDeclarante_, 4, 8},
                              {cmdCerrar_, PicCerrar_, 9, 10}};
    const bool lista = r.MODO() == kModoLista;
    for (const Estado& b : botones) {
        const bool siempre = b.cmd == cmdDeclarante_ || b.cmd == cmdCerrar_;
        const bool activo = lista && (siempre || r.NUMDECLASEL() > 0);
        b.cmd->setEnabled(activo);
        b.pic->setEnabled(activo);
        b.pic->setPixmap(ImagenBoton(activo ? b.encendida : b.apagada, b.pic->size()));
    }
    FraOpciones_->setVisible(lista);
    FraNueva_->setVisible(!lista);
    if (lista) return;
    const bool trimestral = r.MODO() == P;
    Label1_->setText(Cadena(trimestral ? kIdDeclaracionPeriodica : kIdTransporteNuevo));
    for (QWidget* w : {static_cast<QWidget*>(lblejer_), static_cast<QWidget*>(txtejer_),
                       static_cast<QWidget*>(lblper_), static_cast<QWidget*>(cmbperiodo_)})
        w->setVisible(trimestral);
    for (QWidget* w : {static_cast<QWidget*>(lblfecha_), static_cast<QWidget*>(txtfecha_)}) w->setVisible(!trimestral);
    ColocarCabecera(trimestral);
}

// The header check.

bool FrmDecResumen::ValidarCampos() {
    auto& r = Resumen();
    if (r.CSCO() < 1) return false;
    vb::Variant buffer = vb::Variant::Array1(0, 8);
    buffer(0) = r.Ejercicio();
    buffer(1) = r.PERIODO().toStdString();
    buffer(2) = r.FECHA();
    buffer(3) = CEntrada::Instancia().FECHAMIN();
    buffer(4) = CEntrada::Instancia().FECHAMAX();
    buffer(5) = r.Modelo().toStdString();
    buffer(6) = r.CSCO();
    buffer(7) = r.MODO().toStdString();
    buffer(8) = r.DNI().left(1).toStdString();
    const int codigo = r.ValidarDatosComunes(buffer);
    if (codigo == 0) return true;
    const auto aviso = AvisoDeCodigo(codigo, CEntrada::Instancia().FECHAMIN(), CEntrada::Instancia().FECHAMAX());
    if (!aviso) return false;
    Advertencia(aviso->texto, windowTitle());
    QWidget* cajas[] = {txtfecha_, txtejer_, cmbperiodo_, cmbmodelo_};
    cajas[aviso->caja]->setFocus();
    return false;
}

// The rows.

int FrmDecResumen::FilaActual() const {
    const vb::Long csde = Resumen().CSDE();
    if (Resumen().NUMDECLASEL() < 1 || csde == 0) return 0;
    const int fila = BuscarFilaGrid(flxDeclaraciones_, colCSDE, csde);
    return vb::Val(flxDeclaraciones_->TextMatrix(fila, colCSDE).toStdString()) == csde ? fila : 0;
}

QStringList FrmDecResumen::Fila(int fila) const {
    QStringList textos;
    for (int c = 0; c < kColumnasDeclaracion; ++c) textos << flxDeclaraciones_->TextMatrix(fila, c);
    return textos;
}

void FrmDecResumen::flxDeclaraciones_Click() {
    if (Resumen().NUMDECLASEL() <= 0) return;
    // A click on the header row makes the first row the current, highlighted one.
    SeleccionarFila(ClickEnCabecera ? 1 : 0);
}

void FrmDecResumen::flxDeclaraciones_EnterCell() {
    if (Resumen().NUMDECLASEL() > 0 && SeleccionActiva) SeleccionarFila(0);
}

// Commands.

void FrmDecResumen::cmdDatos_Click() {
    const int fila = FilaActual();
    if (fila == 0) return;
    auto& r = Resumen();
    const QStringList f = Fila(fila);
    r.FECHA(vb::Variant(f[colFechaLong].toStdString()).CLng());
    r.Ejercicio(vb::Variant(f[colEjercicioBruto].toStdString()).CInt());
    r.PERIODO(f[colCodPeriodo].trimmed());
    r.Modelo(f[colModelo].trimmed());
    r.TIPOLOGIA(vb::Variant(f[colTipologia].toStdString()).CByte());
    r.MODOP(f[colTipo].trimmed());
    DarPasoA([&](VentanaPrincipal& p) { p.MostrarEditor(r.TIPOLOGIA(), kModoExistente, r.MODOP(), r.CSDE(), this); });
}

void FrmDecResumen::cmdDeclarante_Click() {
    auto& datos = cDecDatos::Instancia();
    datos.MODO(kModoExistente);
    datos.CSCO(Resumen().CSCO());
    DarPasoA([this](VentanaPrincipal& p) { p.MostrarHija(new frmDecDatos, this); });
}

void FrmDecResumen::cmdEliminar_Click() {
    const int fila = FilaActual();
    if (fila == 0) return;
    const QStringList f = Fila(fila);
    if (!PreguntaSiNo(PreguntaBorrado(f), Cadena(kIdTituloBorrarDeclaracion))) {
        flxDeclaraciones_->setFocus();
        return;
    }
    EliminarDeclaracion(Resumen().CSDE(), f[colModelo].trimmed());
    PresentaDatos();
    PresentaBotones();
}

void FrmDecResumen::cmdImprimir_Click() {
    const int fila = FilaActual();
    if (fila == 0) return;
    auto& r = Resumen();
    const QStringList f = Fila(fila);
    r.Modelo(f[colModelo].trimmed());
    r.MODOP(f[colTipo].trimmed());
    r.Ejercicio(vb::Integer(vb::Val(f[colEjercicio].toStdString())));
    if (r.MODOP() != P) r.PERIODO(f[colCodPeriodo].trimmed());
    r.FECHA(cFecha::Instancia().StringToLong(f[colFecha]));
    auto& opciones = cImOf::Instancia();
    opciones.CSCO(r.CSCO());
    opciones.CSDE(r.CSDE());
    opciones.Modelo(r.Modelo());
    opciones.MODOP(r.MODOP());
    opciones.PERIODO(f[colCodPeriodo].trimmed());
    DarPasoA([this](VentanaPrincipal& p) { p.MostrarImpresion(this); });
}

void FrmDecResumen::cmdCerrar_Click() { Descargar(); }

// The new-declaration header.

void FrmDecResumen::ImgPer_Click() { EmpezarDeclaracion(P); }

void FrmDecResumen::ImgTra_Click() { EmpezarDeclaracion(T); }

void FrmDecResumen::Enfocar(QWidget* control) {
    // Moving the focus also ends the silence a cancel asked for (see ImgNueva_MouseUp).
    IgnorarPerdidaFoco = false;
    const QScopedValueRollback ignorar(IgnorarPerdidaFoco, true);
    control->setFocus();
    QCoreApplication::processEvents();
}

void FrmDecResumen::EmpezarDeclaracion(const QString& modo) {
    // A taxpayer that was never saved has no key: a declaration for it would have no owner.
    if (Resumen().CSCO() < 1) return;
    Resumen().MODO(modo);
    lblFormato_->setVisible(modo == T);
    CargarModelos();
    CargarPeriodos();
    PresentaDatos();
    PresentaBotones();
    Enfocar(modo == P ? static_cast<QWidget*>(txtejer_) : txtfecha_);
}

void FrmDecResumen::txtejer_LostFocus() {
    auto& r = Resumen();
    bool ok = true;
    const QString valor = txtejer_->valor();
    const int anio = valor.isEmpty() ? 0 : valor.toInt(&ok);
    if (!ok || anio > 32767) {
        // Never a box showing a year the header does not hold.
        txtejer_->valor(r.Ejercicio() ? QString::number(r.Ejercicio()) : QString());
        return;
    }
    if (anio == r.Ejercicio()) return;
    // Year, date and form type change together.
    const vb::Long fecha = FechaFinTrimestre(vb::Integer(anio), r.PERIODO());
    r.Ejercicio(vb::Integer(anio));
    r.FECHA(fecha);
    r.TIPOLOGIA(0);
    PresentaDatos();
    PresentaBotones();
}

bool FrmDecResumen::CompletarLista(ComboLista* lista, int mensaje) {
    {
        const QScopedValueRollback ignorar(IgnorarClickCombo, true);
        BuscarEnCombo(lista->Text(), lista);
    }
    if (lista->ListIndex() >= 0) return true;
    Advertencia(Cadena(mensaje), Cadena(kIdTituloErrorDatos));
    Enfocar(lista);
    return false;
}

void FrmDecResumen::GuardarPeriodo() {
    auto& r = Resumen();
    const QString periodo = QString::number(cmbperiodo_->ItemData(cmbperiodo_->ListIndex()).toInt()) + u'T';
    if (periodo == r.PERIODO()) return;
    r.PERIODO(periodo);
    r.FECHA(FechaFinTrimestre(r.Ejercicio(), periodo));
    PresentaDatos();
    PresentaBotones();
}

void FrmDecResumen::GuardarModelo(bool conTipologia) {
    auto& r = Resumen();
    const QString modelo = cmbmodelo_->List(cmbmodelo_->ListIndex());
    if (modelo == r.Modelo()) return;
    r.Modelo(modelo);
    if (conTipologia) r.TIPOLOGIA(TipologiaDe(modelo));
    PresentaDatos();
    PresentaBotones();
}

bool FrmDecResumen::ClickLista(ComboLista* lista, int mensaje) {
    if (IgnorarClickCombo) return false;
    if (lista->ListIndex() >= 0) return true;
    Advertencia(Cadena(mensaje), Cadena(kIdTituloErrorDatos));
    lista->setFocus();
    return false;
}

void FrmDecResumen::cmbperiodo_Click() {
    if (ClickLista(cmbperiodo_, 320)) GuardarPeriodo();
}

void FrmDecResumen::cmbperiodo_LostFocus() {
    if (IgnorarPerdidaFoco) return;
    if (CompletarLista(cmbperiodo_, 320)) GuardarPeriodo();
}

void FrmDecResumen::cmbmodelo_Click() {
    if (ClickLista(cmbmodelo_, 318)) GuardarModelo(false);
}

void FrmDecResumen::cmbmodelo_LostFocus() {
    if (IgnorarPerdidaFoco) return;
    if (CompletarLista(cmbmodelo_, 318)) GuardarModelo(true);
}

void FrmDecResumen::txtfecha_LostFocus() {
    auto& r = Resumen();
    if (cFecha::Instancia().StringToLong(txtfecha_->Text()) == r.FECHA()) return;
    if (ComprobarFecha()) return;
    txtfecha_->Text(cFecha::Instancia().LongToString(r.FECHA()));
    Enfocar(txtfecha_);
}

bool FrmDecResumen::ComprobarFecha() {
    const QString texto = txtfecha_->Text();
    if (!ValidarFecha(texto)) return false;
    auto& r = Resumen();
    r.FECHA(cFecha::Instancia().StringToLong(texto));
    // Only an entry of the list is a form number.
    r.Modelo(cmbmodelo_->ListIndex() >= 0 ? cmbmodelo_->List(cmbmodelo_->ListIndex()) : QString());
    r.Ejercicio(vb::Integer(r.FECHA() / 10000));
    r.PERIODO(QStringLiteral("OA"));
    r.TIPOLOGIA(0);
    PresentaDatos();
    PresentaBotones();
    return true;
}

bool FrmDecResumen::ValidarFecha(const QString& texto) {
    if (cFecha::Instancia().EsFecha(texto)) return true;
    Advertencia(Cadena(kIdMsgFechaIncorrecta), Cadena(kIdTituloErrorDatos));
    return false;
}

void FrmDecResumen::ImgNueva_MouseUp(int indice) {
    auto& r = Resumen();
    // A cancel leaves a list box silent, now and while the focus moves away from it; only the
    // pending year or date box may speak.
    if (indice == 0) IgnorarPerdidaFoco = true;
    // On accept a list box still holding the focus finishes too, so the header is what the boxes show.
    QWidget* foco = QApplication::focusWidget();
    if (foco == cmbperiodo_ && !IgnorarPerdidaFoco) cmbperiodo_LostFocus();
    if (foco == cmbmodelo_ && !IgnorarPerdidaFoco) cmbmodelo_LostFocus();
    if (r.MODO() != T)
        txtejer_LostFocus();
    else
        txtfecha_LostFocus();
    r.TIPOLOGIA(TipologiaDe(r.Modelo()));
    // The date box's message moves the focus, which clears the flag: a cancel keeps it.
    if (indice == 0) IgnorarPerdidaFoco = true;
}

void FrmDecResumen::ImgNueva_Click(int indice) {
    auto& r = Resumen();
    if (indice == 0) {
        r.MODO(kModoLista);
        PresentaDatos();
        PresentaBotones();
        if (r.NUMDECLASEL() < 1)
            cmdDeclarante_->setFocus();
        else
            flxDeclaraciones_->setFocus();
        return;
    }
    if (!ValidarCampos()) return;
    DarPasoA([&](VentanaPrincipal& p) { p.MostrarEditor(r.TIPOLOGIA(), kModoNueva, r.MODO(), 0, this); });
}

}  // namespace oxalde
