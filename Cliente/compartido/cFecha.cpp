#include "compartido/cFecha.h"

#include <QDate>

namespace oxalde {
namespace {

struct Partes {
    int dia = 0;
    int mes = 0;
    int anio = 0;
};

// A whole number the way the runtime's CInt reads a text: a number and nothing else,
// halves to the even neighbour, overflow raised.
bool Entero(const QString& texto, int& n) {
    bool ok = false;
    double d = texto.toDouble(&ok);
    if (!ok) return false;
    n = vb::Variant(d).CInt();
    return true;
}

// The day, month and year of a date text, cut by position; the separators are not looked at.
// False when a part is not a number (a "_" left by the mask, for example).
bool LeerPartes(const QString& s, bool vasco, Partes& p) {
    if (vasco) {
        if (!Entero("0" + s.mid(0, 4), p.anio) || !Entero("0" + s.mid(5, 2), p.mes)) return false;
        p.dia = vb::Variant(vb::Val(s.mid(8).toStdString())).CInt();
    } else {
        if (!Entero("0" + s.mid(0, 2), p.dia) || !Entero("0" + s.mid(3, 2), p.mes)) return false;
        p.anio = vb::Variant(vb::Val(s.mid(6).toStdString())).CInt();
    }
    return true;
}

bool Bisiesto(int anio) { return (anio % 4 == 0 && anio % 100 != 0) || anio % 400 == 0; }

bool DiaDelMes(const Partes& p) {
    switch (p.mes) {
        case 2: return p.dia < 29 || (p.dia == 29 && Bisiesto(p.anio));
        case 4: case 6: case 9: case 11: return p.dia <= 30;
        default: return true;
    }
}

bool Valida(const Partes& p, int anioMinimo) {
    if (QString::number(p.anio).size() < 4) return false;  // years below 1000
    if (p.anio < anioMinimo) return false;
    if (p.dia < 1 || p.dia > 31 || p.mes < 1 || p.mes > 12) return false;
    return DiaDelMes(p);
}

// The digits of a fixed-width part, or -1 when it holds anything else.
int Digitos(const QString& parte, int ancho) {
    if (parte.size() != ancho) return -1;
    for (QChar c : parte)
        if (c < u'0' || c > u'9') return -1;
    return parte.toInt();
}

}  // namespace

cFecha& cFecha::Instancia() {
    static cFecha instancia;
    return instancia;
}

QString cFecha::FecVacia() const {
    return Vasco() ? QStringLiteral("____/__/__") : QStringLiteral("__/__/____");
}

bool cFecha::EsFecha(const QString& texto, vb::Integer anioMinimo) const {
    if (texto == FecVacia()) return true;
    try {
        Partes p;
        return LeerPartes(texto, Vasco(), p) && Valida(p, anioMinimo);
    } catch (...) {
        return false;
    }
}

vb::Long cFecha::StringToLong(const QString& texto, vb::Integer anioMinimo) const {
    if (texto == FecVacia()) return 0;
    if (!EsFecha(texto, anioMinimo)) return -1;
    bool vasco = Vasco();
    int anio = Digitos(vasco ? texto.left(4) : texto.right(4), 4);
    int mes = Digitos(texto.mid(vasco ? 5 : 3, 2), 2);
    int dia = Digitos(vasco ? texto.right(2) : texto.left(2), 2);
    Partes p;
    LeerPartes(texto, vasco, p);
    // A text that passed the check only because the year or day was read up to the first
    // stray character (or a year of five digits) is not the date it seems: refuse it.
    if (anio != p.anio || mes != p.mes || dia != p.dia) return -1;
    return anio * 10000 + mes * 100 + dia;
}

QString cFecha::LongToString(vb::Long fecha, bool invertida) const {
    if (fecha < 1) return FecVacia();
    QString t = QString::number(fecha);
    QString anio = invertida ? t.right(4) : t.left(4);
    QString mes = t.mid(invertida ? 2 : 4, 2);
    QString dia = invertida ? t.left(2) : t.right(2);
    QString texto = Vasco() ? anio + "/" + mes + "/" + dia : dia + "/" + mes + "/" + anio;
    return EsFecha(texto, 0) ? texto : FecVacia();
}

vb::Long cFecha::miYear(const QString& texto) const {
    if (Vasco()) {
        QString inicio = texto.left(4);
        while (inicio.startsWith(u' ')) inicio.remove(0, 1);
        return vb::Variant(inicio.toStdString()).CLng();
    }
    for (const char* formato : {"d/M/yyyy", "d-M-yyyy", "d.M.yyyy"}) {
        QDate fecha = QDate::fromString(texto.trimmed(), QString::fromLatin1(formato));
        if (fecha.isValid()) return fecha.year();
    }
    vb::Lanzar(vb::errTipos);
}

}  // namespace oxalde
