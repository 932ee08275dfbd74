// The form-731 window's texts in the language in force when it opens, and the rate labels of
// the declaration's date.
#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QTabBar>

#include "form731/FrmDatos731.h"
#include "form731/captions731.h"
#include "form731/liquidacion731.h"
#include "registro/cDecResumen.h"
#include "shell/cadenas.h"
#include "shell/general.h"

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
    const EtiquetasTipo tipos = EtiquetasTipoEn(cDecResumen::Instancia().FECHA());
    findChild<QLabel*>(QStringLiteral("lblTipo16"))->setText(tipos.general);
    findChild<QLabel*>(QStringLiteral("lblTipo7"))->setText(tipos.reducido);
}

}  // namespace oxalde
