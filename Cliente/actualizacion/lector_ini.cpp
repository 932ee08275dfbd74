#include "actualizacion/lector_ini.h"

#include "vb/ansi.h"

namespace oxalde {
namespace {

bool EsBlanco(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::string_view Recortar(std::string_view s) {
    while (!s.empty() && EsBlanco(s.front())) s.remove_prefix(1);
    while (!s.empty() && EsBlanco(s.back())) s.remove_suffix(1);
    return s;
}

char Minuscula(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool MismoNombre(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Minuscula(a[i]) != Minuscula(b[i])) return false;
    return true;
}

std::string_view SinComillas(std::string_view v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        return v.substr(1, v.size() - 2);
    return v;
}

// The first `n` characters of a UTF-8 text.
std::string_view Cortar(std::string_view s, std::size_t n) {
    std::size_t caracteres = 0;
    for (std::size_t i = 0; i < s.size(); ++i)
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80 && caracteres++ == n) return s.substr(0, i);
    return s;
}

}  // namespace

std::string LeerValorIni(std::string_view contenidoAnsi, std::string_view seccion, std::string_view clave,
                         std::string_view porDefecto, std::size_t capacidad) {
    const std::string texto = vb::AnsiAUtf8(contenidoAnsi);
    const std::string_view todo(texto);
    bool enSeccion = false;
    for (std::size_t inicio = 0; inicio <= todo.size();) {
        std::size_t fin = todo.find('\n', inicio);
        if (fin == std::string_view::npos) fin = todo.size();
        const std::string_view linea = Recortar(todo.substr(inicio, fin - inicio));
        inicio = fin + 1;
        const std::size_t cierre = linea.rfind(']');
        if (!linea.empty() && linea.front() == '[' && cierre != std::string_view::npos) {
            enSeccion = MismoNombre(linea.substr(1, cierre - 1), seccion);
            continue;
        }
        const std::size_t igual = linea.find('=');
        if (!enSeccion || igual == std::string_view::npos || !MismoNombre(Recortar(linea.substr(0, igual)), clave))
            continue;
        const std::string_view valor = SinComillas(Recortar(linea.substr(igual + 1)));
        return std::string(Cortar(valor, capacidad > 0 ? capacidad - 1 : 0));
    }
    return std::string(porDefecto);
}

}  // namespace oxalde
