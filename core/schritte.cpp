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
    {Fall::winkel_an, Feld::ge, tangens, u"Ankathete · tan α", u"%1 · tan %2°"},
    {Fall::winkel_an, Feld::hyp, kosinus, u"Ankathete / cos α", u"%1 / cos %2°"},
    {Fall::winkel_ge, Feld::an, tangens, u"Gegenkathete / tan α", u"%1 / tan %2°"},
    {Fall::winkel_ge, Feld::hyp, sinus, u"Gegenkathete / sin α", u"%1 / sin %2°"},
    {Fall::winkel_hyp, Feld::an, kosinus, u"Hypotenuse · cos α", u"%1 · cos %2°"},
    {Fall::winkel_hyp, Feld::ge, sinus, u"Hypotenuse · sin α", u"%1 · sin %2°"},
    {Fall::an_ge, Feld::hyp, pythagoras, u"√(Ankathete² + Gegenkathete²)", u"√(%1² + %2²)"},
    {Fall::an_ge, Feld::winkel, tangens, u"arctan(Gegenkathete / Ankathete)", u"arctan(%2 / %1)"},
    {Fall::an_hyp, Feld::winkel, kosinus, u"arccos(Ankathete / Hypotenuse)", u"arccos(%1 / %2)"},
    {Fall::an_hyp, Feld::ge, pythagoras, u"√(Hypotenuse² − Ankathete²)", u"√(%2² − %1²)"},
    {Fall::ge_hyp, Feld::winkel, sinus, u"arcsin(Gegenkathete / Hypotenuse)", u"arcsin(%1 / %2)"},
    {Fall::ge_hyp, Feld::an, pythagoras, u"√(Hypotenuse² − Gegenkathete²)", u"√(%2² − %1²)"},
}};

} // namespace

const Schritt& schritt(Fall fall, Feld feld)
{
    return *std::ranges::find_if(
        schritte, [fall, feld](const Schritt& s) { return s.fall == fall && s.feld == feld; });
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

QString ausgang_namen(Fall fall)
{
    const std::array<Feld, 2> von = zeile(fall).ausgang;
    return name(von[0]) + u" und "_s + name(von[1]);
}

Werte::Werte(const Loesung& loesung, const QLocale& locale)
    : m_loesung(loesung)
    , m_locale(locale)
{
    const std::array<Feld, 2> ausgang = zeile(loesung.fall).ausgang;
    for (const Feld feld : alle_felder) {
        const bool getippt = std::ranges::find(ausgang, feld) != ausgang.end();
        m_gezeigt[feld] =
            getippt ? gegeben(loesung.getippt[feld]) : berechnet(loesung.dreieck.werte[feld]);
    }
}

QString Werte::zahl(const Groesse& g) const { return core::zahl(g, m_locale); }

QString Werte::eingesetzt(const Groesse& g) const { return core::eingesetzt(g, m_locale); }

QString Werte::einsetzen(const Schritt& s) const
{
    const std::array<Feld, 2> von = zeile(s.fall).ausgang;
    return QString::fromUtf16(s.eingesetzt)
        .arg(eingesetzt(m_gezeigt[von[0]]), eingesetzt(m_gezeigt[von[1]]));
}

} // namespace core
