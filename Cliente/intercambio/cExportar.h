#pragma once
// The model of the export window: the taxpayers offered, the taxpayers chosen in the order of
// choosing (the order of the exchange file's lines), the current taxpayer of each list, the
// sort order and the file to write. One instance for the whole run.
#include <QHash>
#include <QString>
#include <QtGlobal>
#include <limits>
#include <memory>
#include <vector>

#include "intercambio/tabla_compacta.h"
#include "compartido/campos_registro.h"
#include "vb/variant.h"

namespace oxalde {

// One taxpayer of both lists. The texts hold exactly their widths in the exchange file once
// stored through cExportar (cut, or padded with blanks on the right). The numbers hold whatever
// the register stores (an old or hand-edited file may hold a 10-digit telephone): one too wide
// for its field is refused by name when the file is written, not when the taxpayer is chosen.
// So is a value that is no number at all (a text in a numeric column), held as kNoEsNumero.
inline constexpr qint64 kNoEsNumero = std::numeric_limits<qint64>::min();

struct RegistroContribuyente {
    qint32 CSCO = 0;
    QString DNI;
    QString NOMBRE;
    QString VIA;
    QString DOMICILIO;
    qint64 NUMERO = 0;
    QString LETRA;
    QString ESCALERA;
    QString PISO;
    QString MANO;
    qint64 CODIGOPROVINCIA = 0;
    qint64 CODIGOPOSTAL = 0;
    qint64 CODIGOMUNICIPIO = 0;
    QString NOMBREMUNICIPIO;
    qint64 TELEFONO = 0;
    qint64 NUM731 = 0;
    qint64 NUM732 = 0;

    bool operator==(const RegistroContribuyente&) const = default;
};

class cExportar {
public:
    static cExportar& Instancia();
    cExportar() = default;

    OXALDE_CAMPO(qint32, CSCO)
    OXALDE_CAMPO(quint8, ORDEN)
    OXALDE_CAMPO(qint32, NUMCONTRISEL)
    OXALDE_CAMPO(qint32, CSCOEXP)
    OXALDE_CAMPO(qint32, NUMCONTRIEXP)
    OXALDE_TEXTO(FICHEROAEXPORTAR)

    // Positions run from 1; a position outside 1..count raises "subscript out of range".
    // Appends the offered record at `posicion` to the chosen list.
    void COPIARELEMENTOENTRETABLAS(qint32 posicion);
    // Empties the offered list; NUMCONTRISEL is left as it is.
    void TablaContriCLEAR();
    void TablaContriExpCLEAR();
    // Appends a taxpayer to the offered list. Its texts reach the widths when it is chosen, so
    // that a list of thousands is not padded again at every presentation.
    void TablaContriAnadir(RegistroContribuyente registro);
    // Makes the offered list the rows of a list buffer of the library (column 0..16, row from 0)
    // and sets NUMCONTRISEL to their count. A row becomes a record only when it is chosen: the
    // list is read again at every presentation and seldom chosen whole.
    void TablaContriCARGAR(vb::Variant lista);
    // The buffer last loaded (Empty when none is); shared with whoever shows it, so that the
    // offered grid reads the rows where they are instead of holding a copy of them.
    const vb::Variant& TablaContriLISTA() const { return contri_.Lista(); }
    std::shared_ptr<const vb::Variant> TablaContriLISTACOMPARTIDA() const { return contri_.ListaCompartida(); }
    void TablaContriExpBORRAR(qint32 posicion);
    // Makes room in the chosen list for that many records in all, before choosing many at once.
    void TablaContriExpRESERVAR(qint32 registros) { contriExp_.Reservar(registros); }
    qint32 TablaContriCOUNT() const { return contri_.Cuenta(); }
    qint32 TablaContriExpCOUNT() const { return contriExp_.Cuenta(); }
    // The first position holding that code, 0 when none does.
    qint32 TablaContriPERTENECE(qint32 csco) const { return contri_.Posicion(csco); }
    qint32 TablaContriExpPERTENECE(qint32 csco) const { return contriExp_.Posicion(csco); }
    RegistroContribuyente TablaContriExpELEMENTO(qint32 posicion) const { return contriExp_.Elemento(posicion); }
    // The chosen list itself, for whoever shows it without a copy of it.
    const TablaCompacta& TablaContriExpLISTA() const { return contriExp_; }

private:
    // The offered records: the rows of a list buffer of the library, then the records added one
    // by one; the codes' positions are counted at the first question, as above.
    class TablaOfrecida {
    public:
        qint32 Cuenta() const { return filasLista_ + static_cast<qint32>(anadidos_.size()); }
        qint32 Posicion(qint32 csco) const;
        RegistroContribuyente Elemento(qint32 posicion) const;
        const vb::Variant& Lista() const;
        std::shared_ptr<const vb::Variant> ListaCompartida() const { return lista_; }
        void Cargar(vb::Variant lista);
        void Anadir(RegistroContribuyente registro);
        void Vaciar();

    private:
        std::shared_ptr<const vb::Variant> lista_;
        qint32 filasLista_ = 0;
        std::vector<RegistroContribuyente> anadidos_;
        mutable QHash<qint32, qint32> posiciones_;
        mutable bool contadas_ = false;
        qint32 Codigo(qint32 indice) const;
    };

    TablaOfrecida contri_;
    TablaCompacta contriExp_;
    struct Campos {
        qint32 CSCO = 0;
        qint32 NUMCONTRISEL = 0;
        qint32 CSCOEXP = 0;
        qint32 NUMCONTRIEXP = 0;
        quint8 ORDEN = 1;
        QString FICHEROAEXPORTAR;
    };
    Campos c_;
};

}  // namespace oxalde
