#include "intercambio/tabla_compacta.h"

#include <array>
#include <limits>

#include "intercambio/formato_contri.h"
#include "vb/error.h"

namespace oxalde {
namespace {

using R = RegistroContribuyente;
constexpr std::array<qint64 R::*, 7> kNumeros{&R::NUMERO,   &R::CODIGOPROVINCIA, &R::CODIGOPOSTAL, &R::CODIGOMUNICIPIO,
                                              &R::TELEFONO, &R::NUM731,          &R::NUM732};
// Room kept for each record when many are added at once: more than most take; room never
// written costs no memory.
constexpr size_t kHolgura = 160;

// The texts in the order of the exchange line, with their widths.
const std::vector<const CampoLinea*>& Textos() {
    static const std::vector<const CampoLinea*> textos = [] {
        std::vector<const CampoLinea*> t;
        for (const CampoLinea& campo : CamposLinea())
            if (campo.texto) t.push_back(&campo);
        return t;
    }();
    return textos;
}

// Whole numbers in groups of 7 bits, the small ones (most of them) in one or two bytes; the sign
// folded into the lowest bit.
void PonerNumero(std::string& datos, quint64 v) {
    for (; v >= 0x80; v >>= 7) datos += static_cast<char>(v | 0x80);
    datos += static_cast<char>(v);
}

quint64 LeerNumero(const char*& p) {
    quint64 v = 0;
    for (int desplazamiento = 0;; desplazamiento += 7) {
        const auto b = static_cast<quint8>(*p++);
        v |= quint64(b & 0x7F) << desplazamiento;
        if (b < 0x80) return v;
    }
}

quint64 ConSigno(qint64 v) { return (quint64(v) << 1) ^ quint64(v >> 63); }
qint64 SinSigno(quint64 v) { return qint64(v >> 1) ^ -qint64(v & 1); }

// A text stored without the blanks that end it; its width gives them back.
void PonerTexto(std::string& datos, const QString& texto, int ancho) {
    QString fijo = AnchoFijo(texto, ancho);
    qsizetype n = fijo.size();
    while (n > 0 && fijo[n - 1] == u' ') --n;
    fijo.truncate(n);
    const QByteArray utf8 = fijo.toUtf8();
    PonerNumero(datos, static_cast<quint64>(utf8.size()));
    datos.append(utf8.constData(), static_cast<size_t>(utf8.size()));
}

QString LeerTexto(const char*& p, int ancho) {
    const auto n = static_cast<qsizetype>(LeerNumero(p));
    const QString texto = n == 0 ? QString() : QString::fromUtf8(p, n);
    p += n;
    return AnchoFijo(texto, ancho);
}

void SaltarTexto(const char*& p) { p += LeerNumero(p); }

}  // namespace

size_t TablaCompacta::Indice(qint32 posicion) const {
    if (posicion < 1 || posicion > Cuenta()) vb::Lanzar(vb::errSubindice);
    return static_cast<size_t>(posicion - 1);
}

qint32 TablaCompacta::Posicion(qint32 csco) const {
    if (!contadas_) {
        // From the end, so that the lowest position of a code is the one kept.
        posiciones_.clear();
        posiciones_.reserve(Cuenta());
        for (size_t i = codigos_.size(); i-- > 0;) posiciones_.insert(codigos_[i], static_cast<qint32>(i + 1));
        contadas_ = true;
    }
    return posiciones_.value(csco, 0);
}

RegistroContribuyente TablaCompacta::Elemento(qint32 posicion) const {
    const size_t i = Indice(posicion);
    RegistroContribuyente r;
    r.CSCO = codigos_[i];
    const char* p = datos_.data() + inicios_[i];
    for (const CampoLinea* campo : Textos()) r.*campo->texto = LeerTexto(p, campo->ancho);
    for (qint64 R::*numero : kNumeros) r.*numero = SinSigno(LeerNumero(p));
    return r;
}

QString TablaCompacta::Texto(qint32 posicion, int texto) const {
    const char* p = datos_.data() + inicios_[Indice(posicion)];
    for (int t = 0; t < texto; ++t) SaltarTexto(p);
    return LeerTexto(p, Textos().at(static_cast<size_t>(texto))->ancho);
}

void TablaCompacta::Anadir(const RegistroContribuyente& r) {
    const size_t inicio = datos_.size();
    for (const CampoLinea* campo : Textos()) PonerTexto(datos_, r.*campo->texto, campo->ancho);
    for (qint64 R::*numero : kNumeros) PonerNumero(datos_, ConSigno(r.*numero));
    if (datos_.size() > std::numeric_limits<quint32>::max()) {
        datos_.resize(inicio);
        vb::Lanzar(vb::errDesbordamiento);
    }
    if (contadas_ && !posiciones_.contains(r.CSCO)) posiciones_.insert(r.CSCO, Cuenta() + 1);
    codigos_.push_back(r.CSCO);
    inicios_.push_back(static_cast<quint32>(inicio));
}

void TablaCompacta::Borrar(qint32 posicion) {
    const size_t i = Indice(posicion);
    const size_t inicio = inicios_[i];
    const size_t largo = Fin(i) - inicio;
    datos_.erase(inicio, largo);
    for (size_t j = i + 1; j < inicios_.size(); ++j) inicios_[j] -= static_cast<quint32>(largo);
    inicios_.erase(inicios_.begin() + static_cast<std::ptrdiff_t>(i));
    codigos_.erase(codigos_.begin() + static_cast<std::ptrdiff_t>(i));
    contadas_ = false;  // every later record moved down
}

void TablaCompacta::Vaciar() {
    codigos_ = {};
    inicios_ = {};
    datos_ = {};
    posiciones_ = {};
    contadas_ = true;
}

void TablaCompacta::Reservar(qint32 registros) {
    if (registros <= Cuenta()) return;
    const auto n = static_cast<size_t>(registros);
    codigos_.reserve(n);
    inicios_.reserve(n);
    datos_.reserve(std::max(datos_.size() / std::max<size_t>(codigos_.size(), 1), kHolgura) * n);
    if (contadas_) posiciones_.reserve(registros);
}

}  // namespace oxalde
