#pragma once
// The first columns of a list buffer of the library (column, row from 0) as the data rows of a
// grid: the grid reads the buffer where it is, so a list of 100,000 taxpayers is held once.
#include <memory>

#include "controles/FlexGrid.h"
#include "vb/variant.h"

namespace oxalde {

class ColumnasDeLista : public FuenteFlex {
public:
    // The buffer's first `columnas` columns of its first `filas` rows; a Null cell shows empty.
    ColumnasDeLista(std::shared_ptr<const vb::Variant> lista, int filas, int columnas)
        : lista_(std::move(lista)), filas_(filas), columnas_(columnas) {}
    int Filas() const override { return filas_; }
    QString Texto(int fila, int columna) const override;

private:
    std::shared_ptr<const vb::Variant> lista_;
    int filas_;
    int columnas_;
};

}  // namespace oxalde
