// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference.hpp"

#include "core/numbers.hpp"

#include <locale.h> // NOLINT(modernize-deprecated-headers): newlocale and strtod_l are POSIX
#include <mpfr.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>
#include <regex>
#include <string>

namespace reference {
namespace {

// A 256-bit number: far more digits than any cancellation here can eat.
class Big {
public:
    Big() { mpfr_init2(m_value, bits); }
    Big(double value)
        : Big()
    {
        mpfr_set_d(m_value, value, MPFR_RNDN);
    }
    Big(const Big& other)
        : Big()
    {
        mpfr_set(m_value, other.m_value, MPFR_RNDN);
    }
    Big& operator=(const Big& other)
    {
        mpfr_set(m_value, other.m_value, MPFR_RNDN);
        return *this;
    }
    Big(Big&& other) noexcept
        : Big()
    {
        mpfr_swap(m_value, other.m_value);
    }
    Big& operator=(Big&& other) noexcept
    {
        mpfr_swap(m_value, other.m_value);
        return *this;
    }
    ~Big() { mpfr_clear(m_value); }

    [[nodiscard]] long double ld() const { return mpfr_get_ld(m_value, MPFR_RNDN); }

    [[nodiscard]] static Big pi()
    {
        Big r;
        mpfr_const_pi(r.m_value, MPFR_RNDN);
        return r;
    }
    // A decimal number in C syntax, read to the nearest 256-bit number.
    [[nodiscard]] static Big decimal(const std::string& text)
    {
        Big r;
        mpfr_set_str(r.m_value, text.c_str(), 10, MPFR_RNDN);
        mpfr_abs(r.m_value, r.m_value, MPFR_RNDN);
        return r;
    }

    using Unary = int (*)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t);
    using Binary = int (*)(mpfr_ptr, mpfr_srcptr, mpfr_srcptr, mpfr_rnd_t);
    [[nodiscard]] friend Big apply(Unary f, const Big& x)
    {
        Big r;
        f(r.m_value, x.m_value, MPFR_RNDN);
        return r;
    }
    [[nodiscard]] friend Big apply(Binary f, const Big& x, const Big& y)
    {
        Big r;
        f(r.m_value, x.m_value, y.m_value, MPFR_RNDN);
        return r;
    }

private:
    static constexpr mpfr_prec_t bits = 256;
    mpfr_t m_value;
};

Big operator*(const Big& x, const Big& y) { return apply(mpfr_mul, x, y); }
Big operator/(const Big& x, const Big& y) { return apply(mpfr_div, x, y); }
Big operator-(const Big& x, const Big& y) { return apply(mpfr_sub, x, y); }
Big sin(const Big& x) { return apply(mpfr_sin, x); }
Big cos(const Big& x) { return apply(mpfr_cos, x); }
Big tan(const Big& x) { return apply(mpfr_tan, x); }
Big sqrt(const Big& x) { return apply(mpfr_sqrt, x); }
Big square(const Big& x) { return apply(mpfr_sqr, x); }
Big hypot(const Big& x, const Big& y) { return apply(mpfr_hypot, x, y); }
Big atan2(const Big& y, const Big& x) { return apply(mpfr_atan2, y, x); }

constexpr double halfCircle = 180;

bool unknown(const QString& text) { return text == u"?"; }

enum Field : std::uint8_t { Winkel, An, Ge, Hyp };

constexpr long double unitRoundoff = std::numeric_limits<double>::epsilon() / 2;

// The angle field's number exactly as typed, by Val's grammar (blanks
// skipped, E or D for the exponent); "&H" and "&O" integers are exact as
// read. An angle below the normal double range is taken as read: no double
// arithmetic knows more of it.
Big typedDegrees(const QString& text)
{
    // Far beyond any valid angle the program reports, whatever the digits; and
    // the sine of a huge exact angle would take MPFR ages.
    constexpr double beyondAnyAngle = 1e6;
    const double read = std::fabs(core::Val(text));
    if (read < std::numeric_limits<double>::min() || !(read < beyondAnyAngle))
        return read;
    const std::optional<std::string> number = dezimalzahl(text);
    if (!number)
        return read;
    return Big::decimal(*number);
}

// The angle from two legs, in degrees. `perLegUnit` is how far the angle
// moves, in radians, per unit of a computed leg: that leg may have been
// rounded to a subnormal number, which keeps fewer digits.
Exact angle(const Big& an, const Big& ge, long double perLegUnit = 0)
{
    const Big degrees = atan2(ge, an) * Big(halfCircle) / Big::pi();
    return {degrees.ld(), halfCircle / std::numbers::pi_v<long double>
                              * std::numeric_limits<double>::denorm_min() * perLegUnit};
}

Exact side(const Big& value) { return {value.ld()}; }

// The missing leg from the hypotenuse h and the other leg x.
Big leg(const Big& h, const Big& x) { return sqrt(square(h) - square(x)); }

Results withAngle(const std::array<QString, 4>& texts, const std::array<double, 4>& v)
{
    const Big w = typedDegrees(texts[Winkel]) * Big::pi() / Big(halfCircle);
    Results r;
    // Two unknown fields besides the angle name the case; anything else is the hypotenuse case.
    if (unknown(texts[An]) && unknown(texts[Hyp])) {
        r[An] = side(Big(v[Ge]) / tan(w));
        r[Hyp] = side(Big(v[Ge]) / sin(w));
    } else if (unknown(texts[Ge]) && unknown(texts[Hyp])) {
        r[Ge] = side(Big(v[An]) * tan(w));
        r[Hyp] = side(Big(v[An]) / cos(w));
    } else {
        r[An] = side(Big(v[Hyp]) * cos(w));
        r[Ge] = side(Big(v[Hyp]) * sin(w));
    }
    return r;
}

Results withoutAngle(const std::array<QString, 4>& texts, const std::array<double, 4>& v)
{
    const Big an = v[An];
    const Big ge = v[Ge];
    const Big hyp = v[Hyp];
    Results r;
    // The first unknown side decides; only one side is unknown here.
    if (!unknown(texts[An]) && unknown(texts[Hyp])) {
        r[Hyp] = side(hypot(an, ge));
        r[Winkel] = angle(an, ge);
    } else if (!unknown(texts[An]) && unknown(texts[Ge])) {
        const Big computed = leg(hyp, an);
        r[Ge] = side(computed);
        const long double t = std::atan2(computed.ld(), an.ld());
        r[Winkel] = angle(an, computed, std::cos(t) / std::hypot(an.ld(), computed.ld()));
    } else {
        const Big computed = leg(hyp, ge);
        r[An] = side(computed);
        const long double t = std::atan2(ge.ld(), computed.ld());
        r[Winkel] = angle(computed, ge, std::sin(t) / std::hypot(computed.ld(), ge.ld()));
    }
    return r;
}

// The text as Val sees it: blanks, tabs and line feeds removed, and any
// other character beyond ASCII one that ends every number.
std::string withoutBlanks(const QString& text)
{
    std::string s;
    for (const QChar c : text) {
        if (c != u' ' && c != u'\t' && c != u'\n')
            s.push_back(c.unicode() < 0x80 ? static_cast<char>(c.unicode()) : '\x01');
    }
    return s;
}

// The digits of an "&H" or "&O" integer at the start of `s`, as far as they go.
double radixInteger(const std::string& s, const std::regex& pattern, int base)
{
    std::smatch match;
    if (!std::regex_search(s, match, pattern))
        return 0;
    double value = 0;
    for (const char c : match[1].str())
        value = value * base + std::stoi(std::string(1, c), nullptr, base);
    return value;
}

} // namespace

std::optional<std::string> dezimalzahl(const QString& text)
{
    static const std::regex decimal("^[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eEdD][+-]?[0-9]+)?");
    const std::string s = withoutBlanks(text);
    std::smatch match;
    if (s.starts_with('&') || !std::regex_search(s, match, decimal))
        return std::nullopt;
    std::string number = match[0].str();
    std::ranges::replace_if(number, [](char c) { return c == 'd' || c == 'D'; }, 'e');
    return number;
}

double val(const QString& text)
{
    static const std::regex hex("^&[hH]([0-9a-fA-F]*)");
    static const std::regex octal("^&[oO]([0-7]*)");
    constexpr int hexadecimal = 16;
    constexpr int octalBase = 8;
    const std::string s = withoutBlanks(text);
    if (s.starts_with("&h") || s.starts_with("&H"))
        return radixInteger(s, hex, hexadecimal);
    if (s.starts_with("&o") || s.starts_with("&O"))
        return radixInteger(s, octal, octalBase);
    const std::optional<std::string> number = dezimalzahl(text);
    if (!number)
        return 0;
    static const locale_t c_locale = newlocale(LC_ALL_MASK, "C", nullptr);
    return strtod_l(number->c_str(), nullptr, c_locale);
}

Results berechnen(const std::array<QString, 4>& texts)
{
    int markers = 0;
    for (const QString& text : texts)
        markers += unknown(text) ? 1 : 0;
    if (markers > 2)
        return {};

    std::array<double, 4> v{};
    for (std::size_t i = 0; i < v.size(); ++i)
        v[i] = std::fabs(core::Val(texts[i]));
    Results r = unknown(texts[Winkel]) ? withoutAngle(texts, v) : withAngle(texts, v);
    // An input beyond the double range must be reported, whatever it gives.
    const std::size_t firstRead = unknown(texts[Winkel]) ? An : Winkel;
    for (std::size_t i = firstRead; i < v.size(); ++i) {
        if (!std::isfinite(v[i])) {
            for (auto& result : r)
                if (result)
                    result->value = std::numeric_limits<long double>::infinity();
        }
    }
    return r;
}

Zusatz zusatz(const std::array<QString, 4>& texts)
{
    const Results r = berechnen(texts);
    std::array<long double, 4> v{};
    for (std::size_t i = 0; i < v.size(); ++i)
        v[i] = r[i].value_or(Exact{std::fabs(core::Val(texts[i]))}).value;
    // Long double keeps four more digits than needed here, and its range
    // holds any area of double sides.
    Exact beta;
    if (unknown(texts[Winkel])) {
        beta = {halfCircle / std::numbers::pi_v<long double> * std::atan2(v[An], v[Ge]),
                r[Winkel].value_or(Exact{}).subnormal};
    } else {
        beta = {(Big(halfCircle / 2) - typedDegrees(texts[Winkel])).ld()};
    }
    return {beta, {v[An] * v[Ge] / 2}, {v[An] + v[Ge] + v[Hyp]}};
}

long double fehler_in_rundungen(double computed, const Exact& exact)
{
    return std::fabs(computed - exact.value) / (unitRoundoff * std::fabs(exact.value));
}

long double fehler_in_toleranzen(const QString& shown, const Exact& exact)
{
    constexpr long double roundings = 16;
    constexpr long double fourPlaces = 0.5e-4L;
    constexpr long double fifteenDigits = 1e11L;
    const long double value = std::fabs(exact.value);
    // Half a unit in the last shown place: the fourth decimal, or from 1e11
    // on the fifteenth significant digit of number-to-text.
    const long double halfUnit = value >= fifteenDigits
                                     ? 0.5L * std::pow(10.0L, std::floor(std::log10(value)) - 14)
                                     : fourPlaces;
    const long double allowed = halfUnit + exact.subnormal + roundings * unitRoundoff * value;
    return std::fabs(core::Val(shown) - exact.value) / allowed;
}

bool ausserhalb(const Results& results)
{
    // Within a few roundings of the largest double either answer is right.
    constexpr long double margin = 1 - 0x1p-40L;
    return std::ranges::any_of(results, [](const std::optional<Exact>& result) {
        return result && !(std::fabs(result->value) < std::numeric_limits<double>::max() * margin);
    });
}

} // namespace reference
