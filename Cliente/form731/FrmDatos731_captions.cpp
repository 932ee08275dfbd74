// The form-731 window's texts in the language in force when it opens, and the rate labels of
// the declaration's date.
#include <QLabel>
#include <array>

#include "form731/FrmDatos731.h"
#include "form731/captions731.h"
#include "form731/liquidacion731.h"
#include "compartido/cDecResumen.h"

namespace oxalde {

void FrmDatos731::Anadir_captions() {
    EscribirCaptions(*this, Captions731());
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
