// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/formeln.hpp"

#include "core/numbers.hpp"

#include <cmath>

namespace core {
namespace {

// pi / 180 and 180 / pi, each as a double and the rest that the double
// misses, so that a conversion keeps all the digits of its argument.
constexpr double bogen_je_grad = 0x1.1df46a2529d39p-6;
constexpr double bogen_je_grad_rest = 0x1.5c1d8becdd291p-62;
constexpr double grad_je_bogen = 57.29577951308232;
constexpr double grad_je_bogen_rest = -1.9878495670576283e-15;

constexpr double halber_rechter_winkel = 45;

double bogenmass(double grad) { return std::fma(grad, bogen_je_grad, grad * bogen_je_grad_rest); }

struct Winkelfunktionen {
    double sin, cos, tan;
};

// Up to 45 degrees the angle as read is accurate enough; above, the sine,
// cosine and tangent come from the complement, whose digits were kept.
Winkelfunktionen winkelfunktionen(Winkel winkel)
{
    if (winkel.grad < halber_rechter_winkel) {
        const double w = bogenmass(winkel.grad);
        return {std::sin(w), std::cos(w), std::tan(w)};
    }
    const double c = bogenmass(winkel.komplement);
    return {std::cos(c), std::sin(c), 1 / std::tan(c)};
}

} // namespace

Fall fall_mit_winkel(bool an_unbekannt, bool ge_unbekannt, bool hyp_unbekannt)
{
    if (an_unbekannt && ge_unbekannt)
        return Fall::winkel_hyp;
    if (an_unbekannt && hyp_unbekannt)
        return Fall::winkel_ge;
    if (ge_unbekannt && hyp_unbekannt)
        return Fall::winkel_an;
    return Fall::winkel_hyp; // at most one side unknown
}

Fall fall_ohne_winkel(bool an_unbekannt, bool ge_unbekannt, bool hyp_unbekannt)
{
    if (an_unbekannt)
        return Fall::ge_hyp;
    if (ge_unbekannt)
        return Fall::an_hyp;
    if (hyp_unbekannt)
        return Fall::an_ge;
    return Fall::ge_hyp;
}

Dreieck seiten_mit_winkel(Fall fall, Winkel winkel, double an, double ge, double hyp)
{
    const Winkelfunktionen f = winkelfunktionen(winkel);
    if (fall == Fall::winkel_an)
        return {an, an * f.tan, an / f.cos};
    if (fall == Fall::winkel_ge)
        return {ge / f.tan, ge, ge / f.sin};
    // Legs no longer than the hypotenuse always fit.
    return {hyp * f.cos, hyp * f.sin, hyp};
}

double winkel_grad(double an, double ge)
{
    // The arc tangent of ge / an without forming the ratio, which would
    // overflow or underflow for legs of very different size.
    const double w = std::atan2(ge, an);
    return std::fma(w, grad_je_bogen, w * grad_je_bogen_rest);
}

double winkel_gezeigt(double an, double ge) { return RoundShown(winkel_grad(an, ge)); }

// Without overflow or underflow of the squares.
double hypotenuse(double an, double ge) { return std::hypot(an, ge); }

// sqrt(h - x) * sqrt(h + x) keeps the digits that h^2 - x^2 cancels away when
// x is close to h; scaling by a power of two, which is exact, keeps h + x from
// overflowing and tiny sides from losing digits as subnormal numbers.
double kathete(double h, double x)
{
    const int exponent = std::ilogb(h);
    const double h1 = std::scalbn(h, -exponent);
    const double x1 = std::scalbn(x, -exponent);
    return std::scalbn(std::sqrt(h1 - x1) * std::sqrt(h1 + x1), exponent);
}

} // namespace core
