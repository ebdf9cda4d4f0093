// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/schritte.hpp"

#include <QLocale>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace core {
namespace {

constexpr const char16_t* tangens = u"tan α = Gegenkathete / Ankathete = a / b";
constexpr const char16_t* kosinus = u"cos α = Ankathete / Hypotenuse = b / c";
constexpr const char16_t* sinus = u"sin α = Gegenkathete / Hypotenuse = a / c";

// %1 and %2 are the case's starting values in the order of its table row
// (the angle cases: the side, then α; two sides: the first, then the second).
constexpr std::array<Schritt, 12> schritte{{
    {Fall::winkel_an, Feld::ge, tangens, u"b · tan α", u"%1 · tan %2°"},
    {Fall::winkel_an, Feld::hyp, kosinus, u"b / cos α", u"%1 / cos %2°"},
    {Fall::winkel_ge, Feld::an, tangens, u"a / tan α", u"%1 / tan %2°"},
    {Fall::winkel_ge, Feld::hyp, sinus, u"a / sin α", u"%1 / sin %2°"},
    {Fall::winkel_hyp, Feld::an, kosinus, u"c · cos α", u"%1 · cos %2°"},
    {Fall::winkel_hyp, Feld::ge, sinus, u"c · sin α", u"%1 · sin %2°"},
    {Fall::an_ge, Feld::hyp, pythagoras, u"√(a² + b²)", u"√(%2² + %1²)"},
    {Fall::an_ge, Feld::winkel, tangens, u"arctan(a / b)", u"arctan(%2 / %1)"},
    {Fall::an_hyp, Feld::winkel, kosinus, u"arccos(b / c)", u"arccos(%1 / %2)"},
    {Fall::an_hyp, Feld::ge, pythagoras, u"√(c² − b²)", u"√(%2² − %1²)"},
    {Fall::ge_hyp, Feld::winkel, sinus, u"arcsin(a / c)", u"arcsin(%1 / %2)"},
    {Fall::ge_hyp, Feld::an, pythagoras, u"√(c² − a²)", u"√(%2² − %1²)"},
}};

} // namespace

const Schritt& schritt(Fall fall, Feld feld)
{
    return *std::ranges::find_if(
        schritte, [fall, feld](const Schritt& s) { return s.fall == fall && s.feld == feld; });
}

// The triangle's quantities by name and by letter, in the fields' order.
struct Benennung {
    const char16_t* name;
    const char16_t* symbol;
};
constexpr JeFeld<Benennung> benennungen{{{
    {u"Winkel α", u"α"},
    {u"Ankathete", u"b"},
    {u"Gegenkathete", u"a"},
    {u"Hypotenuse", u"c"},
}}};

QString name(Feld feld) { return QString::fromUtf16(benennungen[feld].name); }

QString symbol(Feld feld) { return QString::fromUtf16(benennungen[feld].symbol); }

QString benannt(Feld feld)
{
    return name(feld) + (feld == Feld::winkel ? QString() : u' ' + symbol(feld));
}

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
