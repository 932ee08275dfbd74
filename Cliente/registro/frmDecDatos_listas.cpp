// The taxpayer window's look-up lists: street type, province and (home province only)
// municipality, each opened by its button over the boxes, chosen by double click or Enter, left
// by Esc. While one is open the rest of the window is off and Enter belongs to the list.
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

#include "controles/Pindaro.h"
#include "controles/controles.h"
#include "controles/entrada.h"
#include "registro/cDecDatos.h"
#include "registro/frmDecDatos.h"
#include "compartido/general.h"
#include "compartido/procedimientos.h"
#include "vb/formato.h"

namespace oxalde {
namespace {

QString Formatear(const QString& numero, const char* patron) {
    return QString::fromStdString(vb::Format(vb::Val(numero.trimmed().toStdString()), patron));
}

}  // namespace

void frmDecDatos::CrearListas() {
    struct Definicion {
        Lista& lista;
        const char* nombre;
        QPushButton* boton;
        QLineEdit* nombreCaja;
        QWidget* codigo;
        QWidget* siguiente;
        int ancho;
        int alto;
    };
    const Definicion definiciones[] = {
        {via_, "lstvia", cmdVia_, txtviaaux_, txtvia_, txtdomicilio_, 2085, 1815},
        {provincia_, "lstcodprov", cmdProvincia_, txtnomprov_, txtcodprov_, txtcodpos_, 2085, 1755},
        {municipio_, "lstcodmun", cmdMunicipio_, txtnommun_, txtcodmun_, txttelefono_, 2175, 1965},
    };
    for (const Definicion& d : definiciones) {
        Lista& l = d.lista;
        l = {new QListWidget(this), d.boton, d.nombreCaja, d.codigo, d.siguiente, d.ancho, d.alto};
        l.lista->setObjectName(QString::fromLatin1(d.nombre));
        l.lista->hide();
        l.lista->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        l.lista->installEventFilter(this);
        connect(l.lista, &QListWidget::itemDoubleClicked, this, [this, &l] { Elegir(l); });
        connect(l.boton, &QPushButton::clicked, this, [this, &l] { AbrirLista(l); });
    }
}

void frmDecDatos::CargarListas() {
    vb::Variant buffer;
    ObtenerVias(TextoIdioma(QStringLiteral("Select T07_CODIGO, T07_CAS From T07_SIGLASVIA ORDER BY T07_CAS"),
                            QStringLiteral("Select T07_CODIGO, T07_EUS From T07_SIGLASVIA ORDER BY T07_EUS")),
                buffer);
    CargarListView(via_.lista, buffer);
    buffer = vb::Variant();
    ObtenerProvincias(
        TextoIdioma(QStringLiteral("Select T05_PRO_ID, T05_PRO_CAS From T05_PROVINCIAS ORDER BY T05_PRO_CAS"),
                    QStringLiteral("Select T05_PRO_ID, T05_PRO_EUS From T05_PROVINCIAS ORDER BY T05_PRO_EUS")),
        buffer);
    CargarListView(provincia_.lista, buffer);
    buffer = vb::Variant();
    ObtenerMunicipios(QStringLiteral("Select T06_CODMUN, T06_NOMMUN From T06_MUNICIPIOS ORDER BY T06_NOMMUN"), buffer);
    CargarListView(municipio_.lista, buffer);
}

void frmDecDatos::AbrirLista(Lista& l) {
    QListWidget* lista = l.lista;
    if (lista->count() == 0) return;
    // On the first item whose text begins with the name shown, else on the first item.
    int fila = 0;
    if (!l.nombre->text().isEmpty()) {
        const auto halladas = lista->findItems(l.nombre->text(), Qt::MatchStartsWith);
        if (!halladas.isEmpty()) fila = lista->row(halladas.first());
    }
    // Over its button, wide enough for its longest name.
    const int ancho = std::max(TwipsAPixeles(this, l.ancho), lista->sizeHintForColumn(0) + 2 * lista->frameWidth() +
                                                                 lista->verticalScrollBar()->sizeHint().width());
    lista->setGeometry(QRect(l.boton->mapTo(this, QPoint(0, 0)), QSize(ancho, TwipsAPixeles(this, l.alto))));
    lista->raise();
    lista->show();
    lista->setCurrentRow(fila);
    lista->scrollToItem(lista->currentItem());
    lista->setFocus(Qt::OtherFocusReason);
    fraDatos_->setEnabled(false);
    fraBotones_->setEnabled(false);
    entrada_->EnterComoTab(false);
}

void frmDecDatos::CerrarLista(Lista& l) {
    l.lista->hide();
    fraDatos_->setEnabled(true);
    fraBotones_->setEnabled(true);
    entrada_->EnterComoTab(true);
}

void frmDecDatos::Elegir(Lista& l) {
    const QListWidgetItem* item = l.lista->currentItem();
    if (!item || !l.lista->isVisible()) return;
    const QString texto = item->text();
    const QString clave = item->data(Qt::UserRole).toString();
    cDecDatos& d = cDecDatos::Instancia();
    l.nombre->setText(texto);
    if (&l == &via_) {
        d.VIA(clave);
    } else if (&l == &provincia_) {
        d.NOMPROV(texto);
        d.CODPROV(Formatear(clave.mid(1), "00"));
        if (vb::Val(d.CODPROV().toStdString()) != 20) d.CODMUN(QString());
        d.NOMMUN(QString());
    } else {
        d.NOMMUN(QString());
        d.CODMUN(Formatear(clave.mid(1), "###"));
    }
    CerrarLista(l);
    Repintar();
    l.siguiente->setFocus(Qt::OtherFocusReason);
}

bool frmDecDatos::TeclaLista(Lista& l, QKeyEvent* tecla) {
    switch (tecla->key()) {
        case Qt::Key_Escape:
            // Back to the boxes as the record holds them: a code typed but not found is undone.
            CerrarLista(l);
            MostrarNombres();
            Repintar();
            l.codigo->setFocus(Qt::OtherFocusReason);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter: Elegir(l); return true;
        default: break;
    }
    const QString texto = tecla->text();
    if (texto.isEmpty() || !texto.at(0).isPrint()) return false;
    const char32_t codigo = FiltrarTecla(texto.at(0).unicode());
    if (codigo != 0) l.lista->keyboardSearch(QString(QChar(codigo)));
    return true;
}

bool frmDecDatos::eventFilter(QObject* objeto, QEvent* evento) {
    PasarFoco(objeto, evento);
    if (evento->type() == QEvent::MouseButtonPress && objeto->objectName() == QStringLiteral("Piccan"))
        cancelarPulsado_ = true;
    if (evento->type() == QEvent::KeyPress)
        for (Lista* l : {&via_, &provincia_, &municipio_})
            if (objeto == l->lista) return TeclaLista(*l, static_cast<QKeyEvent*>(evento));
    return VentanaHija::eventFilter(objeto, evento);
}

}  // namespace oxalde
