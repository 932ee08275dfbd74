// The repaint of the form-732 window from its record: the frame of the current tab, the boxes
// of that tab only, and the rules that decide what can be marked, typed and in which colours.
// A rule that clears something in the record marks the declaration modified, so that what the
// screen shows cleared is also what Accept saves.
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabBar>

#include "controles/controles.h"
#include "controles/Pindaro.h"
#include "form732/FrmDatos732.h"
#include "form732/cDatos732.h"
#include "compartido/claves_declaracion.h"
#include "compartido/cDecResumen.h"

namespace oxalde {
namespace {

bool Marcado(const QString& bandera) { return bandera == QLatin1String("X"); }

// Runs a rule on the record; true when it changed a stored value.
template <class Regla>
bool Cambia(Regla regla) {
    const Campos732 antes = cDatos732::Instancia().Campos();
    regla();
    return !(antes == cDatos732::Instancia().Campos());
}

}  // namespace

void FrmDatos732::MostrarRegistro() {
    MostrarMarcosPestana();
    // What each tab shows; the fourth is the technical data in a transport declaration.
    using Mostrar = void (FrmDatos732::*)();
    const Mostrar pestanas[] = {&FrmDatos732::MostrarTransmitente, &FrmDatos732::MostrarSituacionTributaria,
                                &FrmDatos732::MostrarHechos,
                                Transporte() ? &FrmDatos732::MostrarDatosTecnicos : &FrmDatos732::MostrarLiquidacion,
                                &FrmDatos732::MostrarLiquidacion};
    const int pestana = Datos().PESTANA();
    if (pestana >= 1 && pestana <= 5) (this->*pestanas[pestana - 1])();
}

void FrmDatos732::MostrarMarcosPestana() {
    const int pestana = Datos().PESTANA();
    const char* marcos[] = {"FraAdq", "FraSitTib", "FraHecho", Transporte() ? "FraTec" : "FraLiq", "FraLiq"};
    if (pestana < 1 || pestana > tabTra_->count()) return;
    QWidget* mostrado = Control(QString::fromLatin1(marcos[pestana - 1]));
    for (const char* nombre : {"FraAdq", "FraSitTib", "FraHecho", "FraTec", "FraLiq"})
        if (QWidget* marco = Control(QString::fromLatin1(nombre)); marco != mostrado) marco->hide();
    ColocarEnTwips(mostrado, 120, 1200, 6585, 3015);
    mostrado->show();
    mostrado->raise();
    tabTra_->setCurrentIndex(pestana - 1);
}

QCheckBox* FrmDatos732::Casilla(const char* nombre, int i) const {
    return Control<QCheckBox>(QString::fromLatin1(nombre), i);
}

void FrmDatos732::Usable(QCheckBox* casilla, bool usable) {
    casilla->parentWidget()->setEnabled(usable);
    TextoUsable(casilla, usable);
}

void FrmDatos732::MostrarTransmitente() {
    for (const CajaTexto<cDatos732>& fila : kCajas732.textos)
        if (fila.almacen == Almacen::Transmisor) Editable(Caja(fila.nombre), Transporte());
    RepintarCajas(Control(QStringLiteral("FraAdq")));
}

void FrmDatos732::MostrarSituacionTributaria() {
    auto& d = Datos();
    if (Transporte()) {
        for (int i = 0; i < 6; ++i) Usable(Casilla("chksittib", i), false);
    } else {
        const QString tipo = cDecResumen::Instancia().TipoDec();
        const bool sociedad = tipo == QLatin1String("S");
        Usable(Casilla("chksittib", 2), true);
        Usable(Casilla("chksittib", 4), false);
        Usable(Casilla("chksittib", 5), true);
        Usable(Casilla("chksittib", 3),
               (sociedad || tipo == QLatin1String("C")) && !Marcado(d.HECHO3()) && !Marcado(d.HECHO4()));
        const bool algunHecho = !d.HECHO3().isEmpty() || !d.HECHO6().isEmpty() || !d.HECHO4().isEmpty() ||
                                !d.HECHO1().isEmpty();
        Usable(Casilla("chksittib", 1), algunHecho && !sociedad);
        Usable(Casilla("chksittib", 0), !sociedad);
    }
    for (int i = 0; i < 6; ++i) Casilla("chksittib", i)->setChecked(Marcado(d.Situacion(i)));
}

void FrmDatos732::MostrarHechos() {
    auto& d = Datos();
    const bool transporte = Transporte();
    // Events offered by kind: new means of transport, forced execution and other cases for "T".
    constexpr bool kTransporte[] = {false, true, false, false, true, true};
    for (int i = 0; i < 6; ++i) {
        if (!transporte && i == 3) {
            Casilla("chkhecho", i)->parentWidget()->setEnabled(true);
            continue;  // keeps its design colour
        }
        const bool usable = transporte ? kTransporte[i] : !kTransporte[i] || i == 5;
        Usable(Casilla("chkhecho", i), usable);
    }
    if (!transporte) {
        const bool cambio = Cambia([&] {
            if (Marcado(d.HECHO3()) || Marcado(d.HECHO4())) d.SITTIB4(QString());
            if (d.HECHO1().isEmpty() && d.HECHO4().isEmpty() && d.HECHO6().isEmpty() && d.HECHO3().isEmpty())
                d.SITTIB2(QString());
        });
        if (cambio) RegistroCorregido();
    }
    for (int i = 0; i < 6; ++i) Casilla("chkhecho", i)->setChecked(Marcado(d.Hecho(i)));
}

void FrmDatos732::MostrarDatosTecnicos() {
    auto& d = Datos();
    // The means can be chosen only while the declaration is new.
    Control(QStringLiteral("FraTMedio"))->setEnabled(Nueva());
    if (Marcado(d.HECHO5()) || Marcado(d.HECHO6()))
        BloquearDatosTecnicos();
    else
        DesbloquearDatosTecnicos();
    MostrarMedioTransporte(d.TMEDIO());
}

// The fourteen boxes of the technical data: the text boxes of the three means and their numbers.
static bool EsTecnica(const QString& nombre) {
    for (const CajaTexto<cDatos732>& fila : kCajas732.textos)
        if (fila.almacen == Almacen::Texto && nombre == QLatin1String(fila.nombre)) return true;
    for (const CajaNumero<cDatos732>& fila : kCajas732.numeros)
        if (fila.almacen == Almacen::Numero && nombre == QLatin1String(fila.nombre)) return true;
    return false;
}

void FrmDatos732::BloquearDatosTecnicos() {
    auto& d = Datos();
    const bool cambio = Cambia([&] { d.VaciarDatosTecnicos(); });
    if (cambio) RegistroCorregido();
    BloquearTecnicas(true);
}

void FrmDatos732::DesbloquearDatosTecnicos() { BloquearTecnicas(false); }

void FrmDatos732::BloquearTecnicas(bool bloqueadas) {
    for (auto it = cajas_.cbegin(); it != cajas_.cend(); ++it)
        if (EsTecnica(it.key())) SoloLectura(it.value(), bloqueadas);
}

void FrmDatos732::MostrarLiquidacion() {
    auto& d = Datos();
    if (!Transporte()) {
        const bool tecleadas = FechaConCuotasTecleadas();
        Editable(Caja("txtcuota16"), tecleadas);
        Editable(Caja("txtbase7"), true);
        Editable(Caja("txtbase4"), true);
        Editable(Caja("txtcuota7"), tecleadas);
        const bool recargo = !d.SITTIB2().isEmpty() &&
                             !(d.HECHO3().isEmpty() && d.HECHO6().isEmpty() && d.HECHO1().isEmpty());
        Editable(Caja("txtbaeq4"), recargo && d.BASE16() != 0);
        Editable(Caja("txtbaeq175"), recargo && d.BASE16() != 0);
        Editable(Caja("txtbaeq1"), recargo && d.BASE7() != 0);
        Editable(Caja("txtbaeq05"), recargo && d.BASE4() != 0);
        Editable(Caja("txtcueq4"), tecleadas && !Caja("txtbaeq4")->isReadOnly());
        Editable(Caja("txtcueq1"), tecleadas && !Caja("txtbaeq1")->isReadOnly());
    } else {
        // With the new means of transport only the general rate applies; without it the two
        // other bases can be typed again.
        const bool medioNuevo = Marcado(d.HECHO2());
        Editable(Caja("txtbase7"), !medioNuevo);
        Editable(Caja("txtbase4"), !medioNuevo);
        if (medioNuevo) {
            const bool cambio = Cambia([&] {
                d.BASE7(0);
                d.CUOTA7(0);
                d.BASE4(0);
                d.CUOTA4(0);
            });
            if (cambio) RegistroCorregido();
            Editable(Caja("txtcuota7"), false);
        }
        for (const char* nombre : {"txtbaeq4", "txtbaeq175", "txtbaeq1", "txtbaeq05"}) Editable(Caja(nombre), false);
    }
    RepintarCajas(Control(QStringLiteral("FraLiq")));
}

}  // namespace oxalde
