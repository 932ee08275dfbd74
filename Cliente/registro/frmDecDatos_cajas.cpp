// The taxpayer window's box handlers: any change marks the taxpayer modified, an editable box
// selects its text on entry, a box that only shows passes the focus on, keys are filtered, and
// leaving a box stores it into the record (then repaints the window from it). The three code
// boxes take a code only when its list knows it, and otherwise open the list.
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>

#include "controles/Pindaro.h"
#include "controles/entrada.h"
#include "registro/cDecDatos.h"
#include "registro/frmDecDatos.h"
#include "compartido/procedimientos.h"

namespace oxalde {
namespace {

double Val(const QString& texto) { return vb::Val(texto.toStdString()); }

// A text box stored as typed into its field (family A).
struct CampoTexto {
    QLineEdit* caja;
    QString (cDecDatos::*leer)() const;
    void (cDecDatos::*guardar)(const QString&);
    bool digitos;  // the telephone takes digits only
};

char32_t Digito(char32_t codigo) {
    SoloNumeros(codigo);
    return codigo;
}

}  // namespace

void frmDecDatos::ConectarCajas() {
    entrada_ = new EntradaVentana(this);
    cDecDatos* d = &cDecDatos::Instancia();
    auto marcar = [this] { datosModificados_ = true; };

    // Free-text and digit boxes, stored as typed; the municipality name only while editable.
    using D = cDecDatos;
    const CampoTexto campos[] = {
        {txtdni_, &D::DNI, &D::DNI, false},
        {txtnombre_, &D::NOMBRE, &D::NOMBRE, false},
        {txtdomicilio_, &D::DOMICILIO, &D::DOMICILIO, false},
        {txtletra_, &D::LETRA, &D::LETRA, false},
        {txtescalera_, &D::ESCALERA, &D::ESCALERA, false},
        {txtpiso_, &D::PISO, &D::PISO, false},
        {txtmano_, &D::MANO, &D::MANO, false},
        {txttelefono_, &D::TELEFONO, &D::TELEFONO, true},
        {txtnommun_, &D::NOMMUN, &D::NOMMUN, false},
    };
    for (const CampoTexto& campo : campos) {
        QLineEdit* caja = campo.caja;
        connect(caja, &QLineEdit::textChanged, this, marcar);
        entrada_->SeleccionarAlEntrar(caja);
        FiltrarTeclas(caja, campo.digitos ? FiltroTecla(Digito) : FiltroTecla(FiltrarTecla));
        entrada_->AlPerderFoco(caja, [this, campo, d] {
            QLineEdit* caja = campo.caja;
            if (caja->isReadOnly() || caja->text() == (d->*campo.leer)()) return;
            (d->*campo.guardar)(caja->text());
            Repintar();
        });
    }
    connect(txtvia_, &QLineEdit::textChanged, this, marcar);
    entrada_->SeleccionarAlEntrar(txtvia_);
    FiltrarTeclas(txtvia_, FiltrarTecla);
    BuscarAlSalir(txtvia_, &frmDecDatos::txtvia_LostFocus);

    // Numeric boxes: digits only.
    for (Pindaro* caja : {txtnumero_, txtcodprov_, txtcodpos_, txtcodmun_}) {
        connect(caja, &Pindaro::cambio, this, marcar);
        entrada_->SeleccionarAlEntrar(caja);
        caja->KeyPress = [](char32_t& codigo) { SoloNumeros(codigo); };
    }
    entrada_->AlPerderFoco(txtnumero_, [this, d] {
        const auto numero = static_cast<vb::Long>(Val(txtnumero_->valor()));
        if (numero == d->NUMERO()) return;
        d->NUMERO(numero);
        Repintar();
    });
    entrada_->AlPerderFoco(txtcodpos_, [this, d] {
        if (txtcodpos_->valor() == d->CODPOS()) return;
        d->CODPOS(txtcodpos_->valor());
        Repintar();
    });
    BuscarAlSalir(txtcodprov_, &frmDecDatos::txtcodprov_LostFocus);
    BuscarAlSalir(txtcodmun_, &frmDecDatos::txtcodmun_LostFocus);

    // Boxes that only show (the municipality boxes while locked) pass the focus on.
    for (QLineEdit* caja : {txtviaaux_, txtnomprov_, static_cast<QLineEdit*>(txtnum731_),
                            static_cast<QLineEdit*>(txtnum732_), static_cast<QLineEdit*>(txtcodmun_), txtnommun_})
        caja->installEventFilter(this);
}

// A press on Cancel leaves the focus with the window's frame for a moment before the press
// itself arrives: a code box left that way looks its code up only once that press has had its
// say, so Cancel neither stores a half-typed code nor opens a list. The window's own record of
// its focus is read, so that a window not active answers the same.
void frmDecDatos::BuscarAlSalir(QWidget* caja, void (frmDecDatos::*buscar)()) {
    entrada_->AlPerderFoco(caja, [this, buscar] {
        QWidget* nuevo = window()->focusWidget();
        if (nuevo && isAncestorOf(nuevo)) {
            (this->*buscar)();
            return;
        }
        QTimer::singleShot(0, this, [this, buscar] {
            if (isVisible()) (this->*buscar)();
        });
    });
}

bool frmDecDatos::PasarFoco(QObject* objeto, QEvent* evento) {
    auto* caja = qobject_cast<QLineEdit*>(objeto);
    if (evento->type() != QEvent::FocusIn || !caja || !caja->isReadOnly() || caja->parentWidget() != fraDatos_)
        return false;
    const auto razon = static_cast<QFocusEvent*>(evento)->reason();
    if (razon == Qt::ActiveWindowFocusReason || razon == Qt::PopupFocusReason) return false;
    const auto tecla = razon == Qt::BacktabFocusReason ? Qt::Key_Backtab : Qt::Key_Tab;
    QCoreApplication::postEvent(caja, new QKeyEvent(QEvent::KeyPress, tecla, Qt::NoModifier));
    return false;
}

void frmDecDatos::txtvia_LostFocus() {
    cDecDatos& d = cDecDatos::Instancia();
    if (cancelarPulsado_ || txtvia_->text() == d.VIA()) return;
    txtviaaux_->setText(BuscarClaveLista(via_.lista, txtvia_->text()));
    if (txtviaaux_->text().trimmed().isEmpty()) {
        AbrirLista(via_);
        return;
    }
    d.VIA(txtvia_->text());
    Repintar();
}

void frmDecDatos::txtcodprov_LostFocus() {
    cDecDatos& d = cDecDatos::Instancia();
    const QString valor = txtcodprov_->valor();
    if (cancelarPulsado_ || valor == d.CODPROV()) return;
    txtnomprov_->setText(BuscarClaveLista(provincia_.lista, u'c' + QString::number(Val(valor))));
    if (txtnomprov_->text().trimmed().isEmpty()) {
        AbrirLista(provincia_);
        if (txtcodprov_->valor() == QStringLiteral("00")) txtcodprov_->valor(QString());
        return;
    }
    d.CODPROV(valor);
    d.NOMPROV(txtnomprov_->text());
    if (Val(valor) != 20) d.CODMUN(QString());
    d.NOMMUN(QString());
    Repintar();
}

void frmDecDatos::txtcodmun_LostFocus() {
    cDecDatos& d = cDecDatos::Instancia();
    const QString valor = txtcodmun_->valor();
    if (cancelarPulsado_ || txtcodmun_->locked()) return;
    if (d.CODMUN() == valor && !d.CODMUN().isEmpty()) return;
    txtnommun_->setText(BuscarClaveLista(municipio_.lista, u'c' + QString::number(Val(valor))));
    d.NOMMUN(QString());
    if (txtnommun_->text().trimmed().isEmpty()) {
        AbrirLista(municipio_);
        return;
    }
    d.CODMUN(valor);
    Repintar();
}

}  // namespace oxalde
