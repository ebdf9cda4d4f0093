// SPDX-License-Identifier: GPL-3.0-or-later
// The two solving procedures of the window: they read the four fields, check
// them, and either write the missing quantities or report an input error.
// Every report comes before the first write, so no result is ever half shown.
#include "platform/numbers.hpp"
#include "solver/globale_var_sub.hpp"
#include "window/dreieckrechner.hpp"

#include <algorithm>
#include <cmath>
#include <initializer_list>

using namespace globale_Var_sub;
using platform::Round;
using platform::Val;

namespace {

const QString groesser_null = QStringLiteral("Werte müssen größer 0 sein !");
// For an input beyond the double range, or a result that would be: it would
// show as "inf" or "nan".
const QString ausserhalb = QStringLiteral("Werte liegen außerhalb des Rechenbereichs !");

void melden(const QString& text)
{
    meldung = text;
    titel = QStringLiteral("Eingabefehler");
    fehler_melden(meldung, titel);
}

bool endlich(std::initializer_list<double> werte)
{
    return std::ranges::all_of(werte, [](double wert) { return std::isfinite(wert); });
}

// The missing leg from the hypotenuse h and the other leg x < h. The product
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

bool ist_unbekannt(const platform::TextBox& feld) { return feld.Text() == unbekannt; }

double gelesen(const platform::TextBox& feld) { return std::fabs(Val(feld.Text())); }

constexpr double rechter_winkel = 90;

// With the angle: the first rule that matches decides which side is the known one.
enum class FallMitWinkel { H, G, A };

FallMitWinkel fall_mit_winkel(const platform::TextBox& feld_an, const platform::TextBox& feld_ge,
                              const platform::TextBox& feld_hyp)
{
    if (ist_unbekannt(feld_an) && ist_unbekannt(feld_ge))
        return FallMitWinkel::H;
    if (ist_unbekannt(feld_an) && ist_unbekannt(feld_hyp))
        return FallMitWinkel::G;
    if (ist_unbekannt(feld_ge) && ist_unbekannt(feld_hyp))
        return FallMitWinkel::A;
    return FallMitWinkel::H; // at most one side unknown
}

// Without the angle: the first unknown side decides.
enum class FallOhneWinkel { AG, AH, GH };

FallOhneWinkel fall_ohne_winkel(const platform::TextBox& feld_an, const platform::TextBox& feld_ge,
                                const platform::TextBox& feld_hyp)
{
    if (ist_unbekannt(feld_an))
        return FallOhneWinkel::GH;
    if (ist_unbekannt(feld_ge))
        return FallOhneWinkel::AH;
    if (ist_unbekannt(feld_hyp))
        return FallOhneWinkel::AG;
    return FallOhneWinkel::GH; // all three sides given
}

} // namespace

void dreieckrechner::rechnen_mit_winkel()
{
    winkel = gelesen(txt_winkel);
    an = gelesen(txt_an);
    ge = gelesen(txt_ge);
    hyp = gelesen(txt_hyp);
    if (!endlich({winkel, an, ge, hyp})) {
        melden(ausserhalb);
        return;
    }
    if (winkel >= rechter_winkel) {
        melden(QStringLiteral("Winkel kann nicht >= 90 Grad sein !!"));
        return;
    }

    const FallMitWinkel fall = fall_mit_winkel(txt_an, txt_ge, txt_hyp);
    if (fall == FallMitWinkel::A) {
        // The adjacent leg is known.
        if (an == 0 || winkel == 0) {
            melden(groesser_null);
            return;
        }
        winkel = (pi / grad_je_pi) * winkel;
        hyp = an / std::cos(winkel);
        ge = an * std::tan(winkel);
        if (!endlich({hyp, ge})) {
            melden(ausserhalb);
            return;
        }
        txt_ge.SetText(Round(ge, 4));
        txt_hyp.SetText(Round(hyp, 4));
    } else if (fall == FallMitWinkel::G) {
        // The opposite leg is known.
        if (ge == 0 || winkel == 0) {
            melden(groesser_null);
            return;
        }
        winkel = (pi / grad_je_pi) * winkel;
        hyp = ge / std::sin(winkel);
        an = ge / std::tan(winkel);
        if (!endlich({hyp, an})) {
            melden(ausserhalb);
            return;
        }
        txt_an.SetText(Round(an, 4));
        txt_hyp.SetText(Round(hyp, 4));
    } else {
        // The hypotenuse is known, or at most one side is unknown.
        if (hyp == 0 || winkel == 0) {
            melden(groesser_null);
            return;
        }
        winkel = (pi / grad_je_pi) * winkel;
        // Legs no longer than the hypotenuse always fit.
        ge = hyp * std::sin(winkel);
        an = hyp * std::cos(winkel);
        txt_an.SetText(Round(an, 4));
        txt_ge.SetText(Round(ge, 4));
    }
}

void dreieckrechner::rechnen_ohne_winkel()
{
    an = gelesen(txt_an);
    ge = gelesen(txt_ge);
    hyp = gelesen(txt_hyp);
    if (!endlich({an, ge, hyp})) {
        melden(ausserhalb);
        return;
    }

    const FallOhneWinkel fall = fall_ohne_winkel(txt_an, txt_ge, txt_hyp);
    if (fall == FallOhneWinkel::AG) {
        // Both legs are known.
        if (an == 0 || ge == 0) {
            melden(groesser_null);
            return;
        }
        hyp = Round(std::hypot(an, ge), 4);
        if (!endlich({hyp})) {
            melden(ausserhalb);
            return;
        }
        txt_hyp.SetText(hyp);
        winkel_berechnen(an, ge);
    } else if (fall == FallOhneWinkel::AH) {
        // Adjacent leg and hypotenuse.
        if (an == 0 || hyp == 0) {
            melden(groesser_null);
            return;
        }
        if (an >= hyp) {
            melden(QStringLiteral("Ankathete kann nicht >= Hypotenuse sein"));
            return;
        }
        ge = kathete(hyp, an);
        winkel_berechnen(an, ge);
        txt_ge.SetText(Round(ge, 4));
    } else {
        // Opposite leg and hypotenuse; an entered adjacent leg is recomputed.
        if (ge == 0 || hyp == 0) {
            melden(groesser_null);
            return;
        }
        if (ge >= hyp) {
            melden(QStringLiteral("Gegenkathete kann nicht >= Hypotenuse sein"));
            return;
        }
        an = kathete(hyp, ge);
        winkel_berechnen(an, ge);
        txt_an.SetText(Round(an, 4));
    }
}
