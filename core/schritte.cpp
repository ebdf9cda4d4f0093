// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/schritte.hpp"

#include <QLocale>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace core {
namespace {

constexpr const char16_t* tangens = u"tan α = Gegenkathete / Ankathete";
constexpr const char16_t* kosinus = u"cos α = Ankathete / Hypotenuse";
constexpr const char16_t* sinus = u"sin α = Gegenkathete / Hypotenuse";

constexpr std::array<Schritt, 12> schritte{{
    {Fall::winkel_an, Feld::ge, tangens, u"Ankathete · tan α", u"%1 · tan %2°", Rechnung::mal,
     Funktion::tan},
    {Fall::winkel_an, Feld::hyp, kosinus, u"Ankathete / cos α", u"%1 / cos %2°", Rechnung::durch,
     Funktion::cos},
    {Fall::winkel_ge, Feld::an, tangens, u"Gegenkathete / tan α", u"%1 / tan %2°", Rechnung::durch,
     Funktion::tan},
    {Fall::winkel_ge, Feld::hyp, sinus, u"Gegenkathete / sin α", u"%1 / sin %2°", Rechnung::durch,
     Funktion::sin},
    {Fall::winkel_hyp, Feld::an, kosinus, u"Hypotenuse · cos α", u"%1 · cos %2°", Rechnung::mal,
     Funktion::cos},
    {Fall::winkel_hyp, Feld::ge, sinus, u"Hypotenuse · sin α", u"%1 · sin %2°", Rechnung::mal,
     Funktion::sin},
    {Fall::an_ge, Feld::hyp, pythagoras, u"√(Ankathete² + Gegenkathete²)", u"√(%1² + %2²)",
     Rechnung::quadratsumme, Funktion::keine},
    {Fall::an_ge, Feld::winkel, tangens, u"arctan(Gegenkathete / Ankathete)", u"arctan(%2 / %1)",
     Rechnung::arcus, Funktion::tan},
    {Fall::an_hyp, Feld::winkel, kosinus, u"arccos(Ankathete / Hypotenuse)", u"arccos(%1 / %2)",
     Rechnung::arcus, Funktion::cos},
    {Fall::an_hyp, Feld::ge, pythagoras, u"√(Hypotenuse² − Ankathete²)", u"√(%2² − %1²)",
     Rechnung::quadratdifferenz, Funktion::keine},
    {Fall::ge_hyp, Feld::winkel, sinus, u"arcsin(Gegenkathete / Hypotenuse)", u"arcsin(%1 / %2)",
     Rechnung::arcus, Funktion::sin},
    {Fall::ge_hyp, Feld::an, pythagoras, u"√(Hypotenuse² − Gegenkathete²)", u"√(%2² − %1²)",
     Rechnung::quadratdifferenz, Funktion::keine},
}};

} // namespace

const Schritt& schritt(Fall fall, Feld feld)
{
    return *std::ranges::find_if(
        schritte, [fall, feld](const Schritt& s) { return s.fall == fall && s.feld == feld; });
}

std::array<Feld, 2> ausgang(Fall fall)
{
    switch (fall) {
    case Fall::winkel_an: return {Feld::an, Feld::winkel};
    case Fall::winkel_ge: return {Feld::ge, Feld::winkel};
    case Fall::winkel_hyp: return {Feld::hyp, Feld::winkel};
    case Fall::an_ge: return {Feld::an, Feld::ge};
    case Fall::an_hyp: return {Feld::an, Feld::hyp};
    case Fall::ge_hyp: break;
    }
    return {Feld::ge, Feld::hyp};
}

QString name(Feld feld)
{
    switch (feld) {
    case Feld::winkel: return u"Winkel α"_s;
    case Feld::an: return u"Ankathete"_s;
    case Feld::ge: return u"Gegenkathete"_s;
    case Feld::hyp: break;
    }
    return u"Hypotenuse"_s;
}

QString symbol(Feld feld) { return feld == Feld::winkel ? u"α"_s : name(feld); }

QString einheit(Feld feld) { return feld == Feld::winkel ? u"°"_s : QString(); }

Sonderwert sonderwert(Funktion funktion)
{
    switch (funktion) {
    case Funktion::sin: return {dezimal(u"30"), dezimal(u"0.5"), dezimal(u"2")};
    case Funktion::cos: return {dezimal(u"60"), dezimal(u"0.5"), dezimal(u"2")};
    case Funktion::keine:
    case Funktion::tan: break;
    }
    return {dezimal(u"45"), dezimal(u"1"), dezimal(u"1")};
}

std::optional<Dezimal> exakt(const Schritt& s, const Dezimal& erste, const Dezimal& zweite,
                             double roh)
{
    const Sonderwert sw = sonderwert(s.funktion);
    switch (s.rechnung) {
    case Rechnung::mal:
    case Rechnung::durch:
        if (zweite == sw.grad)
            return erste * (s.rechnung == Rechnung::mal ? sw.wert : sw.kehrwert);
        break;
    case Rechnung::quadratsumme:
    case Rechnung::quadratdifferenz: {
        const Dezimal quadrat = s.rechnung == Rechnung::quadratsumme
                                    ? erste * erste + zweite * zweite
                                    : abstand(zweite * zweite, erste * erste);
        // The double's root to fifteen digits, exact where its square checks out.
        Dezimal wurzel = dezimal(Str(roh, QLocale::c()));
        if (wurzel * wurzel == quadrat)
            return wurzel;
        break;
    }
    case Rechnung::arcus: {
        // arctan takes the second over the first, arccos and arcsin the first over the second.
        const bool tan = s.funktion == Funktion::tan;
        if ((tan ? zweite : erste) == (tan ? erste : zweite) * sw.wert)
            return sw.grad;
        break;
    }
    }
    return std::nullopt;
}

Werte::Werte(const Texte& eingabe_, const Ergebnis& ergebnis_, const QLocale& locale_)
    : eingabe(eingabe_)
    , ergebnis(ergebnis_)
    , locale(locale_)
{
    for (const Feld feld : {Feld::winkel, Feld::an, Feld::ge, Feld::hyp}) {
        if (ist_gegeben(feld))
            getippt[feld] = gegeben(eingabe[feld]);
    }
    for (const Schreiben& w : ergebnis.schreiben) {
        const Schritt& s = schritt(ergebnis.fall, w.feld);
        const std::array<Feld, 2> von = ausgang(ergebnis.fall);
        const double roh = wert(ergebnis, w.feld);
        exakt_aus_schritt[w.feld] = exakt(s, getippt[von[0]].wert, getippt[von[1]].wert, roh);
        aus_schritt[w.feld] = berechnet(roh, exakt_aus_schritt[w.feld]);
    }
}

bool Werte::geschrieben(Feld feld) const
{
    return std::ranges::any_of(ergebnis.schreiben,
                               [feld](const Schreiben& s) { return s.feld == feld; });
}

QString Werte::zahl(const Groesse& g) const { return core::zahl(g, locale); }

QString Werte::eingesetzt(const Groesse& g) const { return core::eingesetzt(g, locale); }

QString Werte::einsetzen(const Schritt& s) const
{
    const std::array<Feld, 2> von = ausgang(s.fall);
    return QString::fromUtf16(s.eingesetzt)
        .arg(eingesetzt(getippt[von[0]]), eingesetzt(getippt[von[1]]));
}

} // namespace core
