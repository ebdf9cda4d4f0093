// SPDX-License-Identifier: GPL-3.0-or-later
// The two solving procedures of the window: they read the four fields, check
// them, and either write the missing quantities or report an input error.
// Every report comes before the first write, so no result is ever half shown.
#include "platform/numbers.hpp"
#include "solver/formeln.hpp"
#include "solver/globale_var_sub.hpp"
#include "window/dreieckrechner.hpp"

#include <algorithm>
#include <cmath>
#include <initializer_list>

using namespace globale_Var_sub;
using formeln::FallMitWinkel;
using formeln::FallOhneWinkel;
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

bool ist_unbekannt(const platform::TextBox& feld) { return feld.Text() == unbekannt; }

double gelesen(const platform::TextBox& feld) { return std::fabs(Val(feld.Text())); }

constexpr int rechter_winkel = 90;

// The side a case with the angle starts from.
double bekannte_seite(FallMitWinkel fall)
{
    switch (fall) {
    case FallMitWinkel::A: return an;
    case FallMitWinkel::G: return ge;
    case FallMitWinkel::H: break;
    }
    return hyp;
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

    const FallMitWinkel fall = formeln::fall_mit_winkel(
        ist_unbekannt(txt_an), ist_unbekannt(txt_ge), ist_unbekannt(txt_hyp));
    const double bekannt = bekannte_seite(fall);
    if (bekannt == 0 || winkel == 0) {
        melden(groesser_null);
        return;
    }
    const formeln::Winkel grad{winkel, platform::ComplementOf(txt_winkel.Text(), rechter_winkel)};
    // Nothing reads it now, but the shared state holds the angle in radians
    // after a calculation with the angle, as it always has.
    winkel = (pi / grad_je_pi) * winkel;
    const formeln::Dreieck d = formeln::mit_winkel(fall, grad, an, ge, hyp);
    if (!endlich({d.an, d.ge, d.hyp})) {
        melden(ausserhalb);
        return;
    }
    an = d.an;
    ge = d.ge;
    hyp = d.hyp;
    if (fall == FallMitWinkel::A) {
        txt_ge.SetText(Round(ge, 4));
        txt_hyp.SetText(Round(hyp, 4));
    } else if (fall == FallMitWinkel::G) {
        txt_an.SetText(Round(an, 4));
        txt_hyp.SetText(Round(hyp, 4));
    } else {
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

    const FallOhneWinkel fall = formeln::fall_ohne_winkel(
        ist_unbekannt(txt_an), ist_unbekannt(txt_ge), ist_unbekannt(txt_hyp));
    if (fall == FallOhneWinkel::AG) {
        // Both legs are known.
        if (an == 0 || ge == 0) {
            melden(groesser_null);
            return;
        }
        hyp = Round(formeln::hypotenuse(an, ge), 4);
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
        ge = formeln::kathete(hyp, an);
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
        an = formeln::kathete(hyp, ge);
        winkel_berechnen(an, ge);
        txt_an.SetText(Round(an, 4));
    }
}
