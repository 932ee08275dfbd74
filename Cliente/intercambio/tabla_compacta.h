#pragma once
// A list of taxpayer records packed into one block of bytes: each record is its texts without the
// blanks that pad them and its numbers in as few bytes as they need, so that 100,000 chosen
// taxpayers cost a few megabytes beside the offered list. A record reads back exactly as it was
// stored, its texts cut and padded to their widths in the exchange file.
#include <QHash>
#include <QString>
#include <QtGlobal>
#include <string>
#include <vector>

namespace oxalde {

struct RegistroContribuyente;

class TablaCompacta {
public:
    // Positions run from 1; a position outside 1..count raises "subscript out of range".
    qint32 Cuenta() const { return static_cast<qint32>(codigos_.size()); }
    // The first position holding that code, 0 when none does.
    qint32 Posicion(qint32 csco) const;
    qint32 Codigo(qint32 posicion) const { return codigos_[Indice(posicion)]; }
    RegistroContribuyente Elemento(qint32 posicion) const;
    // One text of a record at its full width, by its order among the texts of the exchange
    // line (0 the NIF, 1 the name), without reading the rest of the record.
    QString Texto(qint32 posicion, int texto) const;
    void Anadir(const RegistroContribuyente& registro);
    void Borrar(qint32 posicion);
    void Vaciar();
    // Room for that many records in all, before many are added at once.
    void Reservar(qint32 registros);

private:
    std::vector<qint32> codigos_;
    std::vector<quint32> inicios_;  // where each record starts in datos_
    std::string datos_;
    // The first position of each code, so that asking whether a taxpayer is in a list of
    // thousands costs no search; counted again at the first question after a removal.
    mutable QHash<qint32, qint32> posiciones_;
    mutable bool contadas_ = true;
    size_t Indice(qint32 posicion) const;
    size_t Fin(size_t indice) const { return indice + 1 < inicios_.size() ? inicios_[indice + 1] : datos_.size(); }
};

}  // namespace oxalde
