#include "intercambio/windows1252.h"

#include <iconv.h>

#include <QList>
#include <cerrno>
#include <vector>

#include "vb/error.h"

namespace oxalde {
namespace {

// One conversion descriptor per direction and thread, opened on first use.
class Conversor {
public:
    Conversor(const char* destino, const char* origen) : cd_(iconv_open(destino, origen)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            vb::Lanzar(vb::errTipos, "Oxalde", std::string("iconv: ") + origen + " -> " + destino);
    }
    ~Conversor() { iconv_close(cd_); }
    Conversor(const Conversor&) = delete;
    Conversor& operator=(const Conversor&) = delete;

    // Converts `n` bytes; a unit of `paso` bytes that cannot be converted becomes "?" in `sustituto`.
    template <class Salida>
    void Convertir(const char* datos, size_t n, size_t paso, Salida& salida, const Salida& sustituto) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        std::vector<char> bloque(4096);
        char* entrada = const_cast<char*>(datos);
        size_t quedan = n;
        while (quedan > 0) {
            char* destino = bloque.data();
            size_t libre = bloque.size();
            const size_t r = iconv(cd_, &entrada, &quedan, &destino, &libre);
            salida.append(reinterpret_cast<const typename Salida::value_type*>(bloque.data()),
                          static_cast<qsizetype>((destino - bloque.data()) / sizeof(typename Salida::value_type)));
            if (r != static_cast<size_t>(-1) || errno == E2BIG) continue;
            // EILSEQ or EINVAL: one unit that has no counterpart.
            salida.append(sustituto);
            const size_t salto = std::min(paso, quedan);
            entrada += salto;
            quedan -= salto;
        }
    }

private:
    iconv_t cd_;
};

}  // namespace

QByteArray CodificarWindows1252(const QString& texto) {
    thread_local Conversor conversor("WINDOWS-1252", "UTF-32LE");
    const QList<uint> puntos = texto.toUcs4();
    QByteArray salida;
    salida.reserve(puntos.size());
    conversor.Convertir(reinterpret_cast<const char*>(puntos.constData()), puntos.size() * sizeof(uint), 4,
                        salida, QByteArray("?"));
    return salida;
}

QString DecodificarWindows1252(const QByteArray& bytes) {
    thread_local Conversor conversor("UTF-16LE", "WINDOWS-1252");
    QString salida;
    salida.reserve(bytes.size());
    conversor.Convertir(bytes.constData(), static_cast<size_t>(bytes.size()), 1, salida, QStringLiteral("?"));
    return salida;
}

}  // namespace oxalde
