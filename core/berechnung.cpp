// SPDX-License-Identifier: GPL-3.0-or-later
// Every check comes before the first value is decided, so a report never
// follows a half-written result.
#include "core/berechnung.hpp"

#include "core/numbers.hpp"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace core {
namespace {

constexpr int rechter_winkel = 90;

Ergebnis gemeldet(Ergebnis ergebnis, const QString& text)
{
    ergebnis.meldung = Meldung{text, QStringLiteral("Eingabefehler")};
    return ergebnis;
}

Ergebnis groesser_null(Ergebnis ergebnis)
{
    return gemeldet(std::move(ergebnis), QStringLiteral("Werte müssen größer 0 sein !"));
}

// For an input beyond the double range, or a result that would be: it would
// show as "inf" or "nan".
Ergebnis ausserhalb(Ergebnis ergebnis)
{
    return gemeldet(std::move(ergebnis),
                    QStringLiteral("Werte liegen außerhalb des Rechenbereichs !"));
}

bool endlich(std::initializer_list<double> werte)
{
    return std::ranges::all_of(werte, [](double wert) { return std::isfinite(wert); });
}

bool ist_unbekannt(const Texte& texte, Feld feld) { return texte[feld] == unbekannt; }

double gelesen(const Texte& texte, Feld feld) { return std::fabs(Val(texte[feld])); }

// The sides as read; the two unknown ones give 0, like any text without a number.
Dreieck seiten_gelesen(const Texte& texte)
{
    return {gelesen(texte, Feld::an), gelesen(texte, Feld::ge), gelesen(texte, Feld::hyp)};
}

// The side a case with the angle starts from.
Feld bekannte_seite(FallMitWinkel fall)
{
    switch (fall) {
    case FallMitWinkel::A: return Feld::an;
    case FallMitWinkel::G: return Feld::ge;
    case FallMitWinkel::H: break;
    }
    return Feld::hyp;
}

// The two sides written, in order, rounded as shown.
void seiten_schreiben(Ergebnis& e, Feld erste, Feld zweite)
{
    e.schreiben = {{{erste, RoundShown(wert(e, erste))}, {zweite, RoundShown(wert(e, zweite))}}};
}

// The angle from the two legs, and its complement from them in its own right.
void winkel_aus_katheten(Ergebnis& e)
{
    e.alpha = {winkel_grad(e.seiten.an, e.seiten.ge), winkel_grad(e.seiten.ge, e.seiten.an)};
}

Schreiben winkel_schreiben(const Ergebnis& e) { return {Feld::winkel, RoundShown(e.alpha.grad)}; }

} // namespace

double wert(const Ergebnis& ergebnis, Feld feld)
{
    const Dreieck& d = ergebnis.seiten;
    switch (feld) {
    case Feld::winkel: return ergebnis.alpha.grad;
    case Feld::an: return d.an;
    case Feld::ge: return d.ge;
    case Feld::hyp: break;
    }
    return d.hyp;
}

int anzahl_unbekannt(const Texte& texte)
{
    return static_cast<int>(std::ranges::count(texte, unbekannt));
}

Meldung zu_wenige_werte()
{
    return {QStringLiteral("Bitte mindestens 2 Werte angeben"), QStringLiteral("Eingabefehler")};
}

Ergebnis mit_winkel(const Texte& texte)
{
    Ergebnis e;
    e.alpha.grad = gelesen(texte, Feld::winkel);
    e.seiten = seiten_gelesen(texte);
    if (!endlich({e.alpha.grad, e.seiten.an, e.seiten.ge, e.seiten.hyp}))
        return ausserhalb(e);
    if (e.alpha.grad >= rechter_winkel)
        return gemeldet(e, QStringLiteral("Winkel kann nicht >= 90 Grad sein !!"));

    const FallMitWinkel fall =
        fall_mit_winkel(ist_unbekannt(texte, Feld::an), ist_unbekannt(texte, Feld::ge),
                        ist_unbekannt(texte, Feld::hyp));
    const Feld bekannt = bekannte_seite(fall);
    if (wert(e, bekannt) == 0 || e.alpha.grad == 0)
        return groesser_null(e);
    e.alpha.komplement = ComplementOf(texte[Feld::winkel], rechter_winkel);
    const Dreieck d = seiten_mit_winkel(fall, e.alpha, e.seiten.an, e.seiten.ge, e.seiten.hyp);
    if (!endlich({d.an, d.ge, d.hyp}))
        return ausserhalb(e);
    e.seiten = d;
    switch (fall) {
    case FallMitWinkel::A:
        e.fall = Fall::winkel_an;
        seiten_schreiben(e, Feld::ge, Feld::hyp);
        break;
    case FallMitWinkel::G:
        e.fall = Fall::winkel_ge;
        seiten_schreiben(e, Feld::an, Feld::hyp);
        break;
    case FallMitWinkel::H:
        e.fall = Fall::winkel_hyp;
        seiten_schreiben(e, Feld::an, Feld::ge);
        break;
    }
    return e;
}

Ergebnis ohne_winkel(const Texte& texte)
{
    Ergebnis e;
    e.seiten = seiten_gelesen(texte);
    Dreieck& s = e.seiten;
    if (!endlich({s.an, s.ge, s.hyp}))
        return ausserhalb(e);

    switch (fall_ohne_winkel(ist_unbekannt(texte, Feld::an), ist_unbekannt(texte, Feld::ge),
                             ist_unbekannt(texte, Feld::hyp))) {
    case FallOhneWinkel::AG:
        e.fall = Fall::an_ge;
        if (s.an == 0 || s.ge == 0)
            return groesser_null(e);
        s.hyp = hypotenuse(s.an, s.ge);
        if (!endlich({s.hyp}))
            return ausserhalb(e);
        winkel_aus_katheten(e);
        e.schreiben = {{{Feld::hyp, RoundShown(s.hyp)}, winkel_schreiben(e)}};
        break;
    case FallOhneWinkel::AH:
        e.fall = Fall::an_hyp;
        if (s.an == 0 || s.hyp == 0)
            return groesser_null(e);
        if (s.an >= s.hyp)
            return gemeldet(e, QStringLiteral("Ankathete kann nicht >= Hypotenuse sein"));
        s.ge = kathete(s.hyp, s.an);
        winkel_aus_katheten(e);
        e.schreiben = {{winkel_schreiben(e), {Feld::ge, RoundShown(s.ge)}}};
        break;
    case FallOhneWinkel::GH:
        // An entered adjacent leg is recomputed.
        e.fall = Fall::ge_hyp;
        if (s.ge == 0 || s.hyp == 0)
            return groesser_null(e);
        if (s.ge >= s.hyp)
            return gemeldet(e, QStringLiteral("Gegenkathete kann nicht >= Hypotenuse sein"));
        s.an = kathete(s.hyp, s.ge);
        winkel_aus_katheten(e);
        e.schreiben = {{winkel_schreiben(e), {Feld::an, RoundShown(s.an)}}};
        break;
    }
    return e;
}

Weg weg(const Texte& texte)
{
    constexpr int hoechstens_unbekannt = 2;
    if (anzahl_unbekannt(texte) > hoechstens_unbekannt)
        return Weg::zu_wenige_werte;
    return ist_unbekannt(texte, Feld::winkel) ? Weg::ohne_winkel : Weg::mit_winkel;
}

Ergebnis berechnen(const Texte& texte)
{
    switch (weg(texte)) {
    case Weg::mit_winkel: return mit_winkel(texte);
    case Weg::ohne_winkel: return ohne_winkel(texte);
    case Weg::zu_wenige_werte: break;
    }
    Ergebnis e;
    e.meldung = zu_wenige_werte();
    return e;
}

} // namespace core
