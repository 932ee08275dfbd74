#pragma once
// A value of any of the types that cross between the program and the library: Empty, Null,
// Boolean, Byte, Integer (16-bit), Long (32-bit), Single, Double, String (UTF-8) and arrays of
// one or two dimensions with their own bounds. Copying a Variant copies its array, so a callee
// that changes the array it was handed a copy of leaves the caller's intact; pass by reference
// to share a buffer.
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "vb/error.h"

namespace vb {

using Byte = uint8_t;
using Integer = int16_t;
using Long = int32_t;
using Single = float;

enum class Tipo { Empty, Null, Boolean, Byte, Integer, Long, Single, Double, String, Array };

struct NullT {
    bool operator==(const NullT&) const = default;
};
inline constexpr NullT Null{};

class Variant;

// Elements are kept with the first index varying fastest, so growing the last dimension
// keeps every element where it was.
struct Matriz {
    std::vector<std::pair<Long, Long>> limites;  // (lower, upper) per dimension
    std::vector<Variant> elementos;
    size_t Posicion(std::initializer_list<Long> indices) const;
};

class Variant {
public:
    Variant() = default;
    Variant(NullT) : v_(NullT{}) {}
    Variant(bool b) : v_(b) {}
    Variant(Byte b) : v_(b) {}
    Variant(Integer i) : v_(i) {}
    Variant(Long l) : v_(l) {}
    Variant(Single s) : v_(s) {}
    Variant(double d) : v_(d) {}
    Variant(const char* s) : v_(std::string(s)) {}
    Variant(std::string s) : v_(std::move(s)) {}
    Variant(const Variant& o);
    Variant(Variant&&) noexcept = default;
    Variant& operator=(const Variant& o);
    Variant& operator=(Variant&& o) noexcept;

    // Arrays with every element Empty.
    static Variant Array1(Long lo, Long hi);
    static Variant Array2(Long lo1, Long hi1, Long lo2, Long hi2);
    // An array of two dimensions made of these elements, the first index varying fastest; their
    // number must be the array's size (else "subscript out of range").
    static Variant Array2(Long lo1, Long hi1, Long lo2, Long hi2, std::vector<Variant> elementos);

    Tipo tipo() const;
    bool IsEmpty() const { return tipo() == Tipo::Empty; }
    bool IsNull() const { return tipo() == Tipo::Null; }
    bool IsArray() const { return tipo() == Tipo::Array; }
    bool IsNumeric() const;  // a number, or a text that reads whole as a number

    // Array access; subscript out of range raises error 9, a non-array error 13.
    Variant& operator()(Long i);
    const Variant& operator()(Long i) const;
    Variant& operator()(Long i, Long j);
    const Variant& operator()(Long i, Long j) const;
    int Dimensiones() const;
    Long LBound(int dimension = 1) const;
    Long UBound(int dimension = 1) const;
    // Grows or shrinks the last dimension keeping the elements that stay in range.
    void RedimPreserve(Long nuevoLimiteSuperior);

    // Conversions with the runtime's rules: Empty gives 0 or "", Null raises 94, a text that is
    // not a number raises 13, a value out of the type's range raises 6, whole numbers round
    // halves to the even neighbour.
    std::string CStr() const;
    bool CBool() const;
    Byte CByte() const;
    Integer CInt() const;
    Long CLng() const;
    Single CSng() const;
    double CDbl() const;

    // Direct access for code that knows the type.
    template <class T> const T* Si() const { return std::get_if<T>(&v_); }

    // Same type and same value (arrays element by element).
    bool operator==(const Variant& o) const;

private:
    using Valor = std::variant<std::monostate, NullT, bool, Byte, Integer, Long, Single, double,
                               std::string, std::unique_ptr<Matriz>>;
    Valor v_;
    Matriz& matriz();
    const Matriz& matriz() const;
};

// Runtime helpers on text and numbers (UTF-8 aware: Ñ, Ç and accented letters count as one).
std::string UCase(const std::string& s);
std::string LCase(const std::string& s);
std::string Trim(const std::string& s);
std::string LTrim(const std::string& s);
std::string RTrim(const std::string& s);
Long Len(const std::string& s);
std::string Left(const std::string& s, Long n);
std::string Right(const std::string& s, Long n);
std::string Mid(const std::string& s, Long inicio, Long n = -1);  // inicio from 1
// The leading number of a text: blanks skipped, stops at the first character that cannot
// continue a number, 0 when there is none.
double Val(const std::string& s);
// The text form of a number as the runtime writes it (no exponent for ordinary values,
// up to 15 significant digits for Double and 7 for Single, "." as the decimal point).
std::string TextoNumero(double d, int digitosSignificativos = 15);
// Whole number with halves to the even neighbour.
double RedondeoBancario(double d);

}  // namespace vb
