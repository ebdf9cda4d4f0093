// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference.hpp"

#include "platform/numbers.hpp"

#include <mpfr.h>

#include <algorithm>
#include <cmath>
#include <limits>

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

// The program's 15-digit pi: its degrees are (180 / pi) times radians of that pi.
const double pi15 = 3.14159265358979;
constexpr double halfCircle = 180;

bool unknown(const QString& text) { return text == u"?"; }

enum Field { Winkel, An, Ge, Hyp };

constexpr long double unitRoundoff = std::numeric_limits<double>::epsilon() / 2;

// A side and its condition number.
Exact side(const Big& value, long double condition) { return {value.ld(), condition}; }

// The angle from two legs, in the program's degrees. `perLegUnit` is how far
// the angle moves, in radians, per unit of a computed leg: that leg may have
// been rounded to a subnormal number, which keeps fewer digits.
Exact angle(const Big& an, const Big& ge, long double condition, long double perLegUnit = 0)
{
    const Big degrees = atan2(ge, an) * Big(halfCircle) / Big(pi15);
    return {degrees.ld(), condition,
            halfCircle / pi15 * std::numeric_limits<double>::denorm_min() * perLegUnit};
}

// The missing leg from the hypotenuse h and the other leg x.
Big leg(const Big& h, const Big& x) { return sqrt(square(h) - square(x)); }

// The leg's condition number: (h^2 + x^2) / leg^2, large where h^2 - x^2 cancels.
long double legCondition(const Big& h, const Big& x, const Big& leg)
{
    const long double hl = h.ld();
    const long double xl = x.ld();
    const long double ll = leg.ld();
    return (hl * hl + xl * xl) / (ll * ll);
}

Results withAngle(const std::array<QString, 4>& texts, const std::array<double, 4>& v)
{
    const Big w = (pi15 / halfCircle) * v[Winkel];
    const long double wl = w.ld();
    const long double byTan = wl * std::tan(wl);            // through cos w
    const long double byCot = wl / std::tan(wl);            // through sin w
    const long double bySinCos = 2 * wl / std::sin(2 * wl); // through tan w
    Results r;
    // Two unknown fields besides the angle name the case; anything else is the hypotenuse case.
    if (unknown(texts[An]) && unknown(texts[Hyp])) {
        r[An] = side(Big(v[Ge]) / tan(w), 1 + bySinCos);
        r[Hyp] = side(Big(v[Ge]) / sin(w), 1 + byCot);
    } else if (unknown(texts[Ge]) && unknown(texts[Hyp])) {
        r[Ge] = side(Big(v[An]) * tan(w), 1 + bySinCos);
        r[Hyp] = side(Big(v[An]) / cos(w), 1 + byTan);
    } else {
        r[An] = side(Big(v[Hyp]) * cos(w), 1 + byTan);
        r[Ge] = side(Big(v[Hyp]) * sin(w), 1 + byCot);
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
        r[Hyp] = side(hypot(an, ge), 1);
        const long double t = std::atan2(ge.ld(), an.ld());
        r[Winkel] = angle(an, ge, std::sin(2 * t) / t);
    } else if (!unknown(texts[An]) && unknown(texts[Ge])) {
        const Big computed = leg(hyp, an);
        r[Ge] = side(computed, legCondition(hyp, an, computed));
        const long double t = std::atan2(computed.ld(), an.ld());
        r[Winkel] = angle(an, computed, 2 / (std::tan(t) * t),
                          std::cos(t) / std::hypot(an.ld(), computed.ld()));
    } else {
        const Big computed = leg(hyp, ge);
        r[An] = side(computed, legCondition(hyp, ge, computed));
        const long double t = std::atan2(ge.ld(), computed.ld());
        r[Winkel] = angle(computed, ge, 2 * std::tan(t) / t,
                          std::sin(t) / std::hypot(computed.ld(), ge.ld()));
    }
    return r;
}

} // namespace

Results berechnen(const std::array<QString, 4>& texts)
{
    int markers = 0;
    for (const QString& text : texts)
        markers += unknown(text) ? 1 : 0;
    if (markers > 2)
        return {};

    std::array<double, 4> v{};
    for (std::size_t i = 0; i < v.size(); ++i)
        v[i] = std::fabs(platform::Val(texts[i]));
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

long double fehler_in_rundungen(double computed, const Exact& exact)
{
    return std::fabs(computed - exact.value)
           / ((exact.condition + 2) * unitRoundoff * std::fabs(exact.value));
}

long double fehler_in_toleranzen(const QString& shown, const Exact& exact)
{
    constexpr long double fewRoundings = 8;
    constexpr long double halfPlace = 0.5e-4L; // four decimal places
    constexpr long double fifteenDigits = 1e11L;
    const long double value = std::fabs(exact.value);
    // Above 1e11 the 15 significant digits of number-to-text cut the places.
    const long double lastDigit =
        value >= fifteenDigits ? 0.5L * std::pow(10.0L, std::floor(std::log10(value)) - 14) : 0;
    const long double allowed = halfPlace + lastDigit + exact.subnormal
                                + fewRoundings * (exact.condition + 2) * unitRoundoff * value;
    return std::fabs(platform::Val(shown) - exact.value) / allowed;
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
