#include "intercambio/formato_contri.h"

#include <algorithm>
#include <cstdlib>

namespace oxalde {
namespace {

using R = RegistroContribuyente;

constexpr CampoLinea Texto(const char* etiqueta, int ancho, QString R::*miembro) {
    return {etiqueta, ancho, TipoCampo::Texto, miembro, nullptr};
}
constexpr CampoLinea Numero(const char* etiqueta, int ancho, TipoCampo tipo, qint64 (*leer)(const R&)) {
    return {etiqueta, ancho, tipo, nullptr, leer};
}

constexpr std::array<CampoLinea, 16> kCampos{{
    Texto("DNI", 9, &R::DNI),
    Texto("NOMBRE", 40, &R::NOMBRE),
    Texto("SIGLAS", 2, &R::VIA),
    Texto("DOMICILIO", 30, &R::DOMICILIO),
    Numero("NUMERO", 5, TipoCampo::Ceros, [](const R& r) -> qint64 { return r.NUMERO; }),
    Texto("LETRA", 2, &R::LETRA),
    Texto("ESCALERA", 2, &R::ESCALERA),
    Texto("PISO", 2, &R::PISO),
    Texto("MANO", 3, &R::MANO),
    Numero("CODIGO PROVINCIA", 2, TipoCampo::Ceros, [](const R& r) -> qint64 { return r.CODIGOPROVINCIA; }),
    Numero("CODIGO POSTAL", 5, TipoCampo::Ceros, [](const R& r) -> qint64 { return r.CODIGOPOSTAL; }),
    Numero("CODIGO MUNICIPIO", 3, TipoCampo::Ceros, [](const R& r) -> qint64 { return r.CODIGOMUNICIPIO; }),
    Texto("NOMBRE MUNICIOPIO", 25, &R::NOMBREMUNICIPIO),
    Numero("TELEFONO", 9, TipoCampo::Telefono, [](const R& r) -> qint64 { return r.TELEFONO; }),
    Numero("NUMERO DECLARACIONES 731", 7, TipoCampo::Ceros, [](const R& r) -> qint64 { return r.NUM731; }),
    Numero("NUMERO DECLARACIONES 732", 7, TipoCampo::Ceros, [](const R& r) -> qint64 { return r.NUM732; }),
}};

constexpr int AnchoTotal() {
    int n = 0;
    for (const CampoLinea& c : kCampos) n += c.ancho;
    return n;
}
static_assert(AnchoTotal() == kAnchoLinea);

// Whether a number has at most `ancho` digits and no sign.
bool Cabe(qint64 valor, int ancho) {
    qint64 limite = 1;
    for (int i = 0; i < ancho; ++i) limite *= 10;
    return valor >= 0 && valor < limite;
}

QString Campo(const CampoLinea& c, const R& r) {
    switch (c.tipo) {
        case TipoCampo::Texto: return AnchoFijo(SinControl(r.*c.texto), c.ancho);
        case TipoCampo::Ceros: return FormatearCeros(c.numero(r), c.ancho, QStringLiteral("0"));
        case TipoCampo::Telefono: {
            const qint64 telefono = c.numero(r);
            return RellenarDerecha(telefono == 0 ? QString() : QString::number(telefono), c.ancho, QStringLiteral(" "));
        }
    }
    return {};
}

}  // namespace

const std::array<CampoLinea, 16>& CamposLinea() { return kCampos; }

QString RellenarDerecha(const QString& texto, int ancho, const QString& relleno) {
    const qsizetype falta = ancho - texto.size();
    return falta > 0 ? texto + QString(falta, relleno.isEmpty() ? QChar(u' ') : relleno[0]) : texto;
}

QString FormatearCeros(qint64 valor, int ancho, const QString& relleno) {
    const QString digitos = QString::number(std::llabs(valor));
    const QChar c = relleno.isEmpty() ? QChar(u'0') : relleno[0];
    const QString r = digitos.size() < ancho ? QString(ancho - digitos.size(), c) + digitos : digitos;
    return valor < 0 ? QStringLiteral("-") + r : r;
}

QString AnchoFijo(const QString& texto, int ancho) {
    // Empty fields, most of the short ones, share one blank text per width.
    static const std::array<QString, kAnchoLinea + 1> blancos = [] {
        std::array<QString, kAnchoLinea + 1> b;
        for (int i = 0; i <= kAnchoLinea; ++i) b[size_t(i)] = QString(i, u' ');
        return b;
    }();
    if (texto.isEmpty() && ancho >= 0 && ancho <= kAnchoLinea) return blancos[size_t(ancho)];
    qsizetype unidades = 0;  // UTF-16 units of the first `ancho` characters
    int caracteres = 0;
    for (; unidades < texto.size() && caracteres < ancho; ++caracteres)
        unidades += texto[unidades].isHighSurrogate() && unidades + 1 < texto.size() &&
                            texto[unidades + 1].isLowSurrogate() ? 2 : 1;
    // A text already of the width is shared, not copied: lists of thousands pass through here.
    if (caracteres == ancho && unidades == texto.size()) return texto;
    QString r;
    r.reserve(unidades + (ancho - caracteres));
    r.append(texto.constData(), unidades);
    r.resize(unidades + (ancho - caracteres), u' ');
    return r;
}

bool TieneControl(const QString& texto) {
    return std::any_of(texto.cbegin(), texto.cend(), [](QChar c) { return c.category() == QChar::Other_Control; });
}

QString SinControl(const QString& texto) {
    if (!TieneControl(texto)) return texto;
    QString r = texto;
    for (QChar& c : r)
        if (c.category() == QChar::Other_Control) c = u' ';
    return r;
}

const CampoLinea* CampoExcedido(const R& registro) {
    for (const CampoLinea& c : kCampos)
        if (c.numero && !Cabe(c.numero(registro), c.ancho)) return &c;
    return nullptr;
}

QString LineaContribuyente(const R& registro) {
    QString linea;
    linea.reserve(kAnchoLinea);
    for (const CampoLinea& c : kCampos) linea += Campo(c, registro);
    return linea;
}

QStringList CortarLinea(const QString& linea) {
    QStringList piezas;
    qsizetype inicio = 0;
    for (const CampoLinea& c : kCampos) {
        piezas << RellenarDerecha(linea.mid(inicio, c.ancho), c.ancho, QStringLiteral(" "));
        inicio += c.ancho;
    }
    return piezas;
}

}  // namespace oxalde
