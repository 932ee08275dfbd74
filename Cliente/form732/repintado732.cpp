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
#include "form732/cajas732.h"
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
    QFrame* marcos[] = {FraAdq_, FraSitTib_, FraHecho_, Transporte() ? FraTec_ : FraLiq_, FraLiq_};
    if (pestana < 1 || pestana > tabTra_->count()) return;
    QFrame* mostrado = marcos[pestana - 1];
    for (QFrame* marco : {FraAdq_, FraSitTib_, FraHecho_, FraTec_, FraLiq_})
        if (marco != mostrado) marco->hide();
    ColocarEnTwips(mostrado, 120, 1200, 6585, 3015);
    mostrado->show();
    mostrado->raise();
    tabTra_->setCurrentIndex(pestana - 1);
}

void FrmDatos732::Usable(QFrame* marco, QCheckBox* casilla, bool usable) {
    marco->setEnabled(usable);
    QPalette p = casilla->palette();
    for (auto grupo : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        p.setColor(grupo, QPalette::WindowText, usable ? Qt::black : Qt::white);
    casilla->setPalette(p);
}

void FrmDatos732::MostrarTransmitente() {
    const auto filas = CajasTexto732();
    for (const CajaTexto<cDatos732>& fila : filas) {
        if (fila.almacen != Almacen::Transmisor) continue;
        QLineEdit* caja = Caja(fila.nombre);
        Editable(caja, Transporte());
        caja->setText((Datos().*fila.leer)());
    }
}

void FrmDatos732::MostrarSituacionTributaria() {
    auto& d = Datos();
    if (Transporte()) {
        for (int i = 0; i < 6; ++i) Usable(fraSitTib_[i], chksittib_[i], false);
    } else {
        const QString tipo = cDecResumen::Instancia().TipoDec();
        const bool sociedad = tipo == QLatin1String("S");
        Usable(fraSitTib_[2], chksittib_[2], true);
        Usable(fraSitTib_[4], chksittib_[4], false);
        Usable(fraSitTib_[5], chksittib_[5], true);
        Usable(fraSitTib_[3], chksittib_[3], (sociedad || tipo == QLatin1String("C")) && !Marcado(d.HECHO3()) &&
                                                 !Marcado(d.HECHO4()));
        const bool algunHecho = !d.HECHO3().isEmpty() || !d.HECHO6().isEmpty() || !d.HECHO4().isEmpty() ||
                                !d.HECHO1().isEmpty();
        Usable(fraSitTib_[1], chksittib_[1], algunHecho && !sociedad);
        Usable(fraSitTib_[0], chksittib_[0], !sociedad);
    }
    const QString banderas[] = {d.SITTIB1(), d.SITTIB2(), d.SITTIB3(), d.SITTIB4(), d.SITTIB5(), d.SITTIB6()};
    for (int i = 0; i < 6; ++i) chksittib_[i]->setChecked(Marcado(banderas[i]));
}

void FrmDatos732::MostrarHechos() {
    auto& d = Datos();
    const bool transporte = Transporte();
    // Events offered by kind: new means of transport, forced execution and other cases for "T".
    constexpr bool kTransporte[] = {false, true, false, false, true, true};
    for (int i = 0; i < 6; ++i) {
        if (!transporte && i == 3) {
            fraHecho_[i]->setEnabled(true);
            continue;  // keeps its design colour
        }
        const bool usable = transporte ? kTransporte[i] : !kTransporte[i] || i == 5;
        Usable(fraHecho_[i], chkhecho_[i], usable);
    }
    if (!transporte) {
        const bool cambio = Cambia([&] {
            if (Marcado(d.HECHO3()) || Marcado(d.HECHO4())) d.SITTIB4(QString());
            if (d.HECHO1().isEmpty() && d.HECHO4().isEmpty() && d.HECHO6().isEmpty() && d.HECHO3().isEmpty())
                d.SITTIB2(QString());
        });
        if (cambio) RegistroCorregido();
    }
    const QString banderas[] = {d.HECHO1(), d.HECHO2(), d.HECHO3(), d.HECHO4(), d.HECHO5(), d.HECHO6()};
    for (int i = 0; i < 6; ++i) chkhecho_[i]->setChecked(Marcado(banderas[i]));
}

void FrmDatos732::MostrarDatosTecnicos() {
    auto& d = Datos();
    MostrarMedioTransporte();
    // The means can be chosen only while the declaration is new.
    FraTMedio_->setEnabled(d.MODO() == kModoNueva);
    if (Marcado(d.HECHO5()) || Marcado(d.HECHO6()))
        BloquearDatosTecnicos();
    else
        DesbloquearDatosTecnicos();
    const int opcion = IndiceMedio(d.TMEDIO());
    if (opcion < 0) return;
    OptTmedio_[opcion]->setChecked(true);
    QFrame* marco = opcion == 0 ? FraVeh_ : opcion == 1 ? FraBar_ : FraAer_;
    for (const CajaTexto<cDatos732>& fila : CajasTexto732()) {
        QLineEdit* caja = Caja(fila.nombre);
        if (marco->isAncestorOf(caja)) caja->setText((d.*fila.leer)());
    }
    for (const CajaNumero<cDatos732>& fila : CajasNumero732())
        if (marco->isAncestorOf(Caja(fila.nombre))) Rellenar(fila);
}

// The fourteen boxes of the technical data: the text boxes of the three means and their numbers.
static bool EsTecnica(const QString& nombre) {
    for (const CajaTexto<cDatos732>& fila : CajasTexto732())
        if (fila.almacen == Almacen::Texto && nombre == QLatin1String(fila.nombre)) return true;
    for (const CajaNumero<cDatos732>& fila : CajasNumero732())
        if (fila.almacen == Almacen::Numero && nombre == QLatin1String(fila.nombre)) return true;
    return false;
}

void FrmDatos732::BloquearDatosTecnicos() {
    auto& d = Datos();
    const bool cambio = Cambia([&] {
        using LetTexto = void (cDatos732::*)(const QString&);
        const LetTexto textos[] = {
            &cDatos732::MARCAV,  &cDatos732::TIPOV,     &cDatos732::MODELOV, &cDatos732::NBASTIDOR, &cDatos732::MODELOB,
            &cDatos732::FABRICB, &cDatos732::NCONSTRUC, &cDatos732::MODELOA, &cDatos732::FABRICA,   &cDatos732::NSERIE};
        for (LetTexto let : textos) (d.*let)(QString());
        d.CLASIF(0);
        d.ESLORAMAX(0);
        d.PESOMAX(0);
        d.ANOFAB(0);
    });
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
    for (const CajaNumero<cDatos732>& fila : CajasNumero732())
        if (fila.modo == Pindaro::Importe) Rellenar(fila);
}

void FrmDatos732::Rellenar(const CajaNumero<cDatos732>& fila) {
    MostrarNumero(Numerica(fila.nombre), fila.leer(Datos()));
}

}  // namespace oxalde
