// The form-731 window's texts in the language in force when it opens, and the rate labels of
// the declaration's date.
#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QTabBar>
#include <array>

#include "form731/FrmDatos731.h"
#include "form731/captions731.h"
#include "form731/liquidacion731.h"
#include "compartido/cDecResumen.h"
#include "compartido/cadenas.h"
#include "compartido/general.h"

namespace oxalde {

namespace {

// A label without a box to jump to shows its access-key mark as nothing ("&&" as "&").
QString SinAcceso(const QString& texto) {
    QString r;
    for (qsizetype i = 0; i < texto.size(); ++i) {
        if (texto[i] == u'&' && i + 1 < texto.size()) ++i;
        r += texto[i];
    }
    return r;
}

void PonerTexto(QWidget* control, const QString& texto) {
    if (auto* l = qobject_cast<QLabel*>(control))
        l->setText(l->buddy() ? texto : SinAcceso(texto));
    else if (auto* b = qobject_cast<QAbstractButton*>(control))
        b->setText(texto);
    else if (auto* g = qobject_cast<QGroupBox*>(control))
        g->setTitle(texto);
}

}  // namespace

void FrmDatos731::Anadir_captions() {
    for (const Caption731& c : Captions731()) {
        const QString texto = QString(c.blancos, u' ') + LoadResString(c.id + DesplIdioma);
        const QString nombre = QString::fromLatin1(c.control);
        QWidget* control = nombre == objectName() ? this : findChild<QWidget*>(nombre);
        switch (c.propiedad) {
            case Propiedad::Ventana: setWindowTitle(texto); break;
            case Propiedad::Consejo: control->setToolTip(texto); break;
            case Propiedad::Pestana: static_cast<QTabBar*>(control)->setTabText(c.indice - 1, texto); break;
            case Propiedad::Texto: PonerTexto(control, texto); break;
        }
    }
    // The dotted leaders run from the end of their caption to the amount box.
    for (auto [texto, puntos, caja] : {std::array{"Label14", "Label15", "txtivadev2"}, {"Label26", "Label25", "txtivadev1"}}) {
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
