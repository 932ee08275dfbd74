#include "vb/variant.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>

namespace vb {

// ---- arrays ----

size_t Matriz::Posicion(std::initializer_list<Long> indices) const {
    if (indices.size() != limites.size()) Lanzar(errSubindice);
    size_t pos = 0;
    size_t paso = 1;
    size_t d = 0;
    for (Long i : indices) {
        auto [lo, hi] = limites[d++];
        if (i < lo || i > hi) Lanzar(errSubindice);
        pos += static_cast<size_t>(i - lo) * paso;
        paso *= static_cast<size_t>(hi - lo + 1);
    }
    return pos;
}

namespace {
size_t Tamano(const std::vector<std::pair<Long, Long>>& limites) {
    size_t n = 1;
    for (auto [lo, hi] : limites) n *= hi >= lo ? static_cast<size_t>(hi - lo + 1) : 0;
    return n;
}
}  // namespace

Variant::Variant(const Variant& o) { *this = o; }

// The new value is built before the old one goes: o may be an element of this very array.
Variant& Variant::operator=(const Variant& o) {
    if (this == &o) return *this;
    Valor nuevo;
    if (auto m = std::get_if<std::unique_ptr<Matriz>>(&o.v_))
        nuevo = std::make_unique<Matriz>(**m);
    else
        std::visit([&nuevo](const auto& x) {
            using T = std::decay_t<decltype(x)>;
            if constexpr (!std::is_same_v<T, std::unique_ptr<Matriz>>) nuevo = x;
        }, o.v_);
    v_ = std::move(nuevo);
    return *this;
}

Variant& Variant::operator=(Variant&& o) noexcept {
    Valor nuevo = std::move(o.v_);
    v_ = std::move(nuevo);
    return *this;
}

Variant Variant::Array1(Long lo, Long hi) {
    Variant v;
    auto m = std::make_unique<Matriz>();
    m->limites = {{lo, hi}};
    m->elementos.resize(Tamano(m->limites));
    v.v_ = std::move(m);
    return v;
}

Variant Variant::Array2(Long lo1, Long hi1, Long lo2, Long hi2) {
    Variant v;
    auto m = std::make_unique<Matriz>();
    m->limites = {{lo1, hi1}, {lo2, hi2}};
    m->elementos.resize(Tamano(m->limites));
    v.v_ = std::move(m);
    return v;
}

Variant Variant::Array2(Long lo1, Long hi1, Long lo2, Long hi2, std::vector<Variant> elementos) {
    Variant v;
    auto m = std::make_unique<Matriz>();
    m->limites = {{lo1, hi1}, {lo2, hi2}};
    if (elementos.size() != Tamano(m->limites)) Lanzar(errSubindice);
    m->elementos = std::move(elementos);
    v.v_ = std::move(m);
    return v;
}

Tipo Variant::tipo() const { return static_cast<Tipo>(v_.index()); }

Matriz& Variant::matriz() {
    auto m = std::get_if<std::unique_ptr<Matriz>>(&v_);
    if (!m) Lanzar(errTipos);
    return **m;
}

const Matriz& Variant::matriz() const { return const_cast<Variant*>(this)->matriz(); }

Variant& Variant::operator()(Long i) { return matriz().elementos[matriz().Posicion({i})]; }
const Variant& Variant::operator()(Long i) const { return matriz().elementos[matriz().Posicion({i})]; }
Variant& Variant::operator()(Long i, Long j) { return matriz().elementos[matriz().Posicion({i, j})]; }
const Variant& Variant::operator()(Long i, Long j) const {
    return matriz().elementos[matriz().Posicion({i, j})];
}

int Variant::Dimensiones() const { return static_cast<int>(matriz().limites.size()); }

Long Variant::LBound(int d) const {
    const auto& m = matriz();
    if (d < 1 || d > static_cast<int>(m.limites.size())) Lanzar(errSubindice);
    return m.limites[d - 1].first;
}

Long Variant::UBound(int d) const {
    const auto& m = matriz();
    if (d < 1 || d > static_cast<int>(m.limites.size())) Lanzar(errSubindice);
    return m.limites[d - 1].second;
}

void Variant::RedimPreserve(Long nuevoLimiteSuperior) {
    auto& m = matriz();
    m.limites.back().second = nuevoLimiteSuperior;
    m.elementos.resize(Tamano(m.limites));
}

// ---- conversions ----

namespace {

// A whole text as a decimal number with "." as the decimal point, whatever locale the program
// runs under (a windowed program takes the user's); no hexadecimal, infinity or NaN forms.
bool LeerDecimal(std::string_view t, double& d) {
    if (!t.empty() && t[0] == '+') {
        t.remove_prefix(1);
        if (!t.empty() && t[0] == '-') return false;
    }
    auto [fin, ec] = std::from_chars(t.data(), t.data() + t.size(), d);
    return ec == std::errc() && fin == t.data() + t.size() && std::isfinite(d);
}

// A whole text as a number: blanks around it allowed, nothing else.
bool LeerNumero(const std::string& s, double& d) { return LeerDecimal(Trim(s), d); }

double ComoDouble(const Variant& v) {
    switch (v.tipo()) {
        case Tipo::Empty: return 0;
        case Tipo::Null: Lanzar(errUsoNull);
        case Tipo::Boolean: return *v.Si<bool>() ? -1 : 0;
        case Tipo::Byte: return *v.Si<Byte>();
        case Tipo::Integer: return *v.Si<Integer>();
        case Tipo::Long: return *v.Si<Long>();
        case Tipo::Single: return *v.Si<Single>();
        case Tipo::Double: return *v.Si<double>();
        case Tipo::String: {
            const std::string& s = *v.Si<std::string>();
            double d;
            if (LeerNumero(s, d)) return d;
            std::string u = UCase(Trim(s));
            if (u == "TRUE" || u == "VERDADERO") return -1;
            if (u == "FALSE" || u == "FALSO") return 0;
            Lanzar(errTipos);
        }
        case Tipo::Array: Lanzar(errTipos);
    }
    Lanzar(errTipos);
}

template <class T>
T Entero(const Variant& v) {
    double d = RedondeoBancario(ComoDouble(v));
    if (d < static_cast<double>(std::numeric_limits<T>::min()) ||
        d > static_cast<double>(std::numeric_limits<T>::max()))
        Lanzar(errDesbordamiento);
    return static_cast<T>(d);
}

}  // namespace

double RedondeoBancario(double d) { return std::nearbyint(d); }

std::string TextoNumero(double d, int digitos) {
    if (d == 0) return "0";
    char buf[64];
    auto fin = std::to_chars(buf, buf + sizeof buf, d, std::chars_format::general, digitos).ptr;
    std::string s(buf, fin);
    std::replace(s.begin(), s.end(), 'e', 'E');
    auto e = s.find('E');
    std::string mantisa = s.substr(0, e);
    std::string exponente = e == std::string::npos ? "" : s.substr(e);
    if (mantisa.find('.') != std::string::npos) {
        while (mantisa.back() == '0') mantisa.pop_back();
        if (mantisa.back() == '.') mantisa.pop_back();
    }
    return mantisa + exponente;
}

std::string Variant::CStr() const {
    switch (tipo()) {
        case Tipo::Empty: return "";
        case Tipo::Null: Lanzar(errUsoNull);
        case Tipo::Boolean: return *Si<bool>() ? "True" : "False";
        case Tipo::Byte: return std::to_string(*Si<Byte>());
        case Tipo::Integer: return std::to_string(*Si<Integer>());
        case Tipo::Long: return std::to_string(*Si<Long>());
        case Tipo::Single: return TextoNumero(*Si<Single>(), 7);
        case Tipo::Double: return TextoNumero(*Si<double>(), 15);
        case Tipo::String: return *Si<std::string>();
        case Tipo::Array: Lanzar(errTipos);
    }
    Lanzar(errTipos);
}

bool Variant::CBool() const { return ComoDouble(*this) != 0; }
Byte Variant::CByte() const { return Entero<Byte>(*this); }
Integer Variant::CInt() const { return Entero<Integer>(*this); }
Long Variant::CLng() const { return Entero<Long>(*this); }

Single Variant::CSng() const {
    double d = ComoDouble(*this);
    if (std::fabs(d) > std::numeric_limits<Single>::max()) Lanzar(errDesbordamiento);
    return static_cast<Single>(d);
}

double Variant::CDbl() const { return ComoDouble(*this); }

bool Variant::IsNumeric() const {
    switch (tipo()) {
        case Tipo::Null:
        case Tipo::Array: return false;
        case Tipo::String: {
            double d;
            return LeerNumero(*Si<std::string>(), d);
        }
        default: return true;
    }
}

bool Variant::operator==(const Variant& o) const {
    if (tipo() != o.tipo()) return false;
    if (IsArray()) {
        const Matriz& a = matriz();
        const Matriz& b = o.matriz();
        return a.limites == b.limites && a.elementos == b.elementos;
    }
    return v_ == o.v_;
}

// ---- text ----

namespace {

std::u32string Decodificar(const std::string& s) {
    std::u32string r;
    for (size_t i = 0; i < s.size();) {
        unsigned char c = s[i];
        int n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 1;
        if (i + n > s.size()) n = 1;
        char32_t cp = n == 1 ? c : n == 2 ? (c & 0x1F) : n == 3 ? (c & 0x0F) : (c & 0x07);
        for (int k = 1; k < n; ++k) cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        r.push_back(cp);
        i += n;
    }
    return r;
}

std::string Codificar(const std::u32string& s) {
    std::string r;
    for (char32_t cp : s) {
        if (cp < 0x80) {
            r += static_cast<char>(cp);
        } else if (cp < 0x800) {
            r += static_cast<char>(0xC0 | (cp >> 6));
            r += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            r += static_cast<char>(0xE0 | (cp >> 12));
            r += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            r += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            r += static_cast<char>(0xF0 | (cp >> 18));
            r += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            r += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            r += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return r;
}

// Latin letters of the first Unicode block change case by 0x20, except the division and
// multiplication signs.
char32_t Mayuscula(char32_t c) {
    if (c >= 'a' && c <= 'z') return c - 0x20;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;
    return c;
}

char32_t Minuscula(char32_t c) {
    if (c >= 'A' && c <= 'Z') return c + 0x20;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;
    return c;
}

}  // namespace

std::string UCase(const std::string& s) {
    std::u32string u = Decodificar(s);
    for (auto& c : u) c = Mayuscula(c);
    return Codificar(u);
}

std::string LCase(const std::string& s) {
    std::u32string u = Decodificar(s);
    for (auto& c : u) c = Minuscula(c);
    return Codificar(u);
}

std::string LTrim(const std::string& s) {
    size_t i = s.find_first_not_of(' ');
    return i == std::string::npos ? "" : s.substr(i);
}

std::string RTrim(const std::string& s) {
    size_t i = s.find_last_not_of(' ');
    return i == std::string::npos ? "" : s.substr(0, i + 1);
}

std::string Trim(const std::string& s) { return LTrim(RTrim(s)); }

Long Len(const std::string& s) { return static_cast<Long>(Decodificar(s).size()); }

std::string Left(const std::string& s, Long n) {
    if (n < 0) Lanzar(errTipos);
    std::u32string u = Decodificar(s);
    return Codificar(u.substr(0, static_cast<size_t>(n)));
}

std::string Right(const std::string& s, Long n) {
    if (n < 0) Lanzar(errTipos);
    std::u32string u = Decodificar(s);
    size_t k = std::min(u.size(), static_cast<size_t>(n));
    return Codificar(u.substr(u.size() - k));
}

std::string Mid(const std::string& s, Long inicio, Long n) {
    if (inicio < 1) Lanzar(errTipos);
    std::u32string u = Decodificar(s);
    if (static_cast<size_t>(inicio) > u.size()) return "";
    return Codificar(u.substr(inicio - 1, n < 0 ? std::u32string::npos : static_cast<size_t>(n)));
}

double Val(const std::string& s) {
    std::string t;
    for (char c : s)
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r') t += c;
    size_t i = 0;
    std::string num;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) num += t[i++];
    bool digitos = false;
    while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) num += t[i++], digitos = true;
    if (i < t.size() && t[i] == '.') {
        num += t[i++];
        while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) num += t[i++], digitos = true;
    }
    if (!digitos) return 0;
    if (i < t.size() && (t[i] == 'E' || t[i] == 'e' || t[i] == 'D' || t[i] == 'd')) {
        std::string exp = "e";
        size_t j = i + 1;
        if (j < t.size() && (t[j] == '+' || t[j] == '-')) exp += t[j++];
        size_t k = j;
        while (j < t.size() && std::isdigit(static_cast<unsigned char>(t[j]))) exp += t[j++];
        if (j > k) num += exp;
    }
    double d = 0;
    if (!LeerDecimal(num, d)) Lanzar(errDesbordamiento);  // well formed, so only out of range
    return d;
}

}  // namespace vb
