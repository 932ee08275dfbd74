#pragma once
// How the grids draw a figure (a right-aligned cell) wider than its column: in a smaller letter
// when that shows it whole (an amount of 13 integer digits in a column measured for a narrower
// font), else in the grid's own letter, cut as before. Other cells are cut as they were.
#include <QStyledItemDelegate>

namespace oxalde {

class CeldaAjustada : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* opcion, const QModelIndex& indice) const override;
};

}  // namespace oxalde
