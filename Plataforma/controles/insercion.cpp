#include "controles/insercion.h"

#include <QLineEdit>

namespace oxalde {

ValidadorInsercion::ValidadorInsercion(QLineEdit* caja, Regla regla)
    : QValidator(caja), regla_(std::move(regla)), anterior_(caja->text()) {
    caja->setValidator(this);
    connect(caja, &QLineEdit::textChanged, this, [this](const QString& t) { anterior_ = t; });
}

QValidator::State ValidadorInsercion::validate(QString& texto, int& posicion) const {
    // The box has already changed its text when it asks: compare with the last text it showed.
    const QString& antes = anterior_;
    qsizetype prefijo = 0;
    const qsizetype comun = std::min(antes.size(), texto.size());
    while (prefijo < comun && antes[prefijo] == texto[prefijo]) ++prefijo;
    qsizetype sufijo = 0;
    while (sufijo < comun - prefijo && antes[antes.size() - 1 - sufijo] == texto[texto.size() - 1 - sufijo])
        ++sufijo;
    const QString insertado = texto.mid(prefijo, texto.size() - prefijo - sufijo);
    if (insertado.isEmpty()) return Acceptable;
    const QString cabeza = texto.left(prefijo), cola = texto.right(sufijo);
    const QString nuevo = regla_(cabeza, insertado, cola);
    if (nuevo != insertado) {
        texto = cabeza + nuevo + cola;
        posicion = int(prefijo + nuevo.size());
    }
    return Acceptable;
}

QString FiltrarTexto(const QString& texto, const std::function<char32_t(char32_t)>& filtro) {
    QString r;
    for (char32_t c : texto.toUcs4()) {
        const char32_t f = filtro(c);
        if (f != 0) r += QString::fromUcs4(&f, 1);
    }
    return r;
}

}  // namespace oxalde
