#include "controles/celda_ajustada.h"

#include <QApplication>

#include "controles/controles.h"

namespace oxalde {

void CeldaAjustada::initStyleOption(QStyleOptionViewItem* opcion, const QModelIndex& indice) const {
    QStyledItemDelegate::initStyleOption(opcion, indice);
    if (opcion->text.isEmpty() || !(opcion->displayAlignment & Qt::AlignRight)) return;
    const QWidget* widget = opcion->widget;
    const QStyle* estilo = widget ? widget->style() : QApplication::style();
    // The style keeps a margin on each side of the text it draws in the cell.
    const int margen = estilo->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const int ancho = estilo->subElementRect(QStyle::SE_ItemViewItemText, opcion, widget).width() - 2 * margen;
    const QFont letra = LetraQueCabe(opcion->font, opcion->text, ancho, kLetraMinimaImporte);
    if (letra == opcion->font || !CabeTexto(letra, opcion->text, ancho)) return;
    opcion->font = letra;
    opcion->fontMetrics = QFontMetrics(letra);
}

}  // namespace oxalde
