// SPDX-License-Identifier: GPL-3.0-or-later
// Every check comes before the first value is decided, so a report never
// follows a half-written result.
#include "core/berechnung.hpp"

#include "core/numbers.hpp"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <optional>

namespace core {
namespace {

constexpr int rechter_winkel = 90;

Ergebnis gemeldet(Ergebnis ergebnis, const QString& text, Feld feld)
{
    ergebnis.meldung = Meldung{text, QStringLiteral("Eingabefehler"), feld};
    return ergebnis;
}

// The first of the two values a case uses that is 0.
Ergebnis groesser_null(Ergebnis ergebnis, Feld erste, Feld zweite)
{
    const Feld feld = wert(ergebnis, erste) == 0 ? erste : zweite;
    return gemeldet(std::move(ergebnis), QStringLiteral("Werte müssen größer 0 sein !"), feld);
}

// For an input beyond the double range, or a result that would be: it would
// show as "inf" or "nan".
Ergebnis ausserhalb(Ergebnis ergebnis, Feld feld)
{
    return gemeldet(std::move(ergebnis),
                    QStringLiteral("Werte liegen außerhalb des Rechenbereichs !"), feld);
}

// The first field whose value is beyond the double range, if any.
std::optional<Feld> nicht_endlich(const Ergebnis& e, std::initializer_list<Feld> felder)
{
    const auto* const feld =
        std::ranges::find_if(felder, [&e](Feld f) { return !std::isfinite(wert(e, f)); });
    return feld != felder.end() ? std::optional<Feld>(*feld) : std::nullopt;
}

bool ist_unbekannt(const Texte& texte, Feld feld) { return texte[feld] == unbekannt; }

double gelesen(const Texte& texte, Feld feld) { return std::fabs(Val(texte[feld])); }

// The sides as read; the two unknown ones give 0, like any text without a number.
Dreieck seiten_gelesen(const Texte& texte)
{
    return {gelesen(texte, Feld::an), gelesen(texte, Feld::ge), gelesen(texte, Feld::hyp)};
}

// The side a case with the angle starts from, and the two it writes, in order.
struct SeitenMitWinkel {
    Feld bekannt, erste, zweite;
};
SeitenMitWinkel seiten_von(Fall fall)
{
    if (fall == Fall::winkel_an)
        return {Feld::an, Feld::ge, Feld::hyp};
    if (fall == Fall::winkel_ge)
        return {Feld::ge, Feld::an, Feld::hyp};
    return {Feld::hyp, Feld::an, Feld::ge};
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

Schreiben winkel_schreiben(const Ergebnis& e)
{
    return {Feld::winkel, winkel_gezeigt(e.seiten.an, e.seiten.ge)};
}

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

Meldung zu_wenige_werte(const Texte& texte)
{
    const auto* const feld = std::ranges::find(texte, unbekannt);
    return {QStringLiteral("Bitte mindestens 2 Werte angeben"), QStringLiteral("Eingabefehler"),
            static_cast<Feld>(feld - texte.begin())};
}

Ergebnis mit_winkel(const Texte& texte)
{
    Ergebnis e;
    e.alpha.grad = gelesen(texte, Feld::winkel);
    e.seiten = seiten_gelesen(texte);
    if (const auto feld = nicht_endlich(e, {Feld::winkel, Feld::an, Feld::ge, Feld::hyp}))
        return ausserhalb(e, *feld);
    if (e.alpha.grad >= rechter_winkel)
        return gemeldet(e, QStringLiteral("Winkel kann nicht >= 90 Grad sein !!"), Feld::winkel);

    e.fall = fall_mit_winkel(ist_unbekannt(texte, Feld::an), ist_unbekannt(texte, Feld::ge),
                             ist_unbekannt(texte, Feld::hyp));
    const SeitenMitWinkel seiten = seiten_von(e.fall);
    if (wert(e, seiten.bekannt) == 0 || e.alpha.grad == 0)
        return groesser_null(e, Feld::winkel, seiten.bekannt);
    e.alpha.komplement = ComplementOf(texte[Feld::winkel], rechter_winkel);
    const Dreieck d = seiten_mit_winkel(e.fall, e.alpha, e.seiten.an, e.seiten.ge, e.seiten.hyp);
    if (!std::isfinite(d.an) || !std::isfinite(d.ge) || !std::isfinite(d.hyp))
        return ausserhalb(e, seiten.bekannt);
    e.seiten = d;
    seiten_schreiben(e, seiten.erste, seiten.zweite);
    return e;
}

Ergebnis ohne_winkel(const Texte& texte)
{
    Ergebnis e;
    e.seiten = seiten_gelesen(texte);
    Dreieck& s = e.seiten;
    if (const auto feld = nicht_endlich(e, {Feld::an, Feld::ge, Feld::hyp}))
        return ausserhalb(e, *feld);

    e.fall = fall_ohne_winkel(ist_unbekannt(texte, Feld::an), ist_unbekannt(texte, Feld::ge),
                              ist_unbekannt(texte, Feld::hyp));
    switch (e.fall) {
    case Fall::an_ge:
        if (s.an == 0 || s.ge == 0)
            return groesser_null(e, Feld::an, Feld::ge);
        s.hyp = hypotenuse(s.an, s.ge);
        if (!std::isfinite(s.hyp))
            return ausserhalb(e, s.an >= s.ge ? Feld::an : Feld::ge);
        winkel_aus_katheten(e);
        e.schreiben = {{{Feld::hyp, RoundShown(s.hyp)}, winkel_schreiben(e)}};
        break;
    case Fall::an_hyp:
        if (s.an == 0 || s.hyp == 0)
            return groesser_null(e, Feld::an, Feld::hyp);
        if (s.an >= s.hyp)
            return gemeldet(e, QStringLiteral("Ankathete kann nicht >= Hypotenuse sein"), Feld::an);
        s.ge = kathete(s.hyp, s.an);
        winkel_aus_katheten(e);
        e.schreiben = {{winkel_schreiben(e), {Feld::ge, RoundShown(s.ge)}}};
        break;
    default:
        // Opposite leg and hypotenuse; an entered adjacent leg is recomputed.
        if (s.ge == 0 || s.hyp == 0)
            return groesser_null(e, Feld::ge, Feld::hyp);
        if (s.ge >= s.hyp)
            return gemeldet(e, QStringLiteral("Gegenkathete kann nicht >= Hypotenuse sein"),
                            Feld::ge);
        s.an = kathete(s.hyp, s.ge);
        winkel_aus_katheten(e);
        e.schreiben = {{winkel_schreiben(e), {Feld::an, RoundShown(s.an)}}};
        break;
    }
    return e;
}

} // namespace core
