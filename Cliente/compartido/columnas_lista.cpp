#include "compartido/columnas_lista.h"

#include "compartido/biblioteca.h"

namespace oxalde {

QString ColumnasDeLista::Texto(int fila, int columna) const {
    if (fila < 1 || fila > filas_ || columna < 0 || columna >= columnas_) return {};
    const vb::Variant& valor = (*lista_)(columna, fila - 1);
    return valor.IsNull() ? QString() : oxalde::Texto(valor);
}

}  // namespace oxalde
