// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The six ways of solving a right triangle, as one table, and the triangle
// each finds, exactly: no window, no field, no shared state.

#include "core/exakt.hpp"

#include <gmpxx.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <initializer_list>

namespace core {

// The fields in the window's order: angle alpha, adjacent, opposite, hypotenuse.
enum class Feld : std::uint8_t { winkel, an, ge, hyp };

// Something for each field, in the window's order, looked up by field.
template <class T>
struct JeFeld : std::array<T, 4> {
    using std::array<T, 4>::operator[];
    [[nodiscard]] constexpr T& operator[](Feld feld)
    {
        return this->at(static_cast<std::size_t>(feld));
    }
    [[nodiscard]] constexpr const T& operator[](Feld feld) const
    {
        return this->at(static_cast<std::size_t>(feld));
    }
};

inline constexpr std::array<Feld, 4> alle_felder{Feld::winkel, Feld::an, Feld::ge, Feld::hyp};

// The triangle's quantities by name and by letter, as German books name
// them: γ = 90° at C, the hypotenuse c, the leg opposite α (at A) a, the
// leg next to α b.
struct Benennung {
    const char16_t* name;
    const char16_t* symbol;
};
inline constexpr JeFeld<Benennung> benennungen{{{
    {u"Winkel α", u"α"},
    {u"Ankathete", u"b"},
    {u"Gegenkathete", u"a"},
    {u"Hypotenuse", u"c"},
}}};

// The two quantities a calculation starts from: the angle and a side, or two sides.
enum class Fall : std::uint8_t { winkel_an, winkel_ge, winkel_hyp, an_ge, an_hyp, ge_hyp };

// The relation a solution is checked with in the end, one it did not use.
enum class Schlussprobe : std::uint8_t { pythagoras, sinus, tangens };

// The values found so far: those a case starts from, then what it wrote.
using Formel = Zahl (*)(const JeFeld<Getippt>& gegeben, const JeFeld<Zahl>& werte);

// One value a case writes: how it is found, and how the worked solution
// gives it: the ratio or theorem used, the term the unknown equals, and the
// numbers put in, each starting value named by its letter in braces.
struct Schritt {
    Feld feld;
    Formel formel;
    const char16_t* satz;
    const char16_t* term;
    const char16_t* eingesetzt; // "{b} · tan {α}°"
};

inline constexpr const char16_t* tangens = u"tan α = Gegenkathete / Ankathete = a / b";
inline constexpr const char16_t* kosinus = u"cos α = Ankathete / Hypotenuse = b / c";
inline constexpr const char16_t* sinus = u"sin α = Gegenkathete / Hypotenuse = a / c";
inline constexpr const char16_t* pythagoras = u"Satz des Pythagoras: a² + b² = c²";

// A set of fields, one bit each, and a set of such sets.
[[nodiscard]] constexpr unsigned bit(Feld feld) { return 1U << static_cast<unsigned>(feld); }
[[nodiscard]] constexpr std::uint16_t bei(std::initializer_list<std::initializer_list<Feld>> mengen)
{
    std::uint16_t auswahl = 0;
    for (const auto& menge : mengen) {
        unsigned maske = 0;
        for (const Feld feld : menge)
            maske |= bit(feld);
        auswahl |= static_cast<std::uint16_t>(1U << maske);
    }
    return auswahl;
}

// One case, whole: the values it starts from (a side first, then the angle
// or the second side) and the order they are tested in (greater than 0, the
// angle first); the sets of unknown fields that choose it; the two values it
// writes, in the order written; the report where the leg it starts from is
// not shorter than the hypotenuse; and its final check.
//
// With the angle given, two unknown side fields name the known side. Both
// legs given (the hypotenuse unknown) start from the angle and the adjacent
// leg, the opposite leg checked; any other choice is the hypotenuse's.
// Without the angle the first unknown side decides; all three given count as
// opposite leg and hypotenuse.
struct Fallzeile {
    Fall fall;
    std::array<Feld, 2> ausgang;
    std::array<Feld, 2> geprueft;
    std::uint16_t gewaehlt_bei;
    std::array<Schritt, 2> schritte;
    const char16_t* zu_lang;
    Schlussprobe probe;

    // The step that writes this field, one of the two.
    [[nodiscard]] const Schritt& schritt(Feld feld) const;
};

namespace formel {
using G = const JeFeld<Getippt>&;
using W = const JeFeld<Zahl>&;
[[nodiscard]] inline Zahl sin(G g) { return Zahl::sin(g[Feld::winkel].wert); }
[[nodiscard]] inline Zahl cos(G g) { return Zahl::cos(g[Feld::winkel].wert); }
// The angle from its legs, once both are known.
[[nodiscard]] inline Zahl alpha(G /*g*/, W w) { return Zahl::arctan(w[Feld::ge], w[Feld::an]); }
} // namespace formel

inline constexpr std::array<Fallzeile, 6> faelle{{
    {Fall::winkel_an,
     {Feld::an, Feld::winkel},
     {Feld::winkel, Feld::an},
     bei({{Feld::hyp}, {Feld::ge, Feld::hyp}}),
     {{{Feld::ge,
        [](formel::G g, formel::W w) { return w[Feld::an] * formel::sin(g) / formel::cos(g); },
        tangens, u"b · tan α", u"{b} · tan {α}°"},
       {Feld::hyp, [](formel::G g, formel::W w) { return w[Feld::an] / formel::cos(g); }, kosinus,
        u"b / cos α", u"{b} / cos {α}°"}}},
     nullptr,
     Schlussprobe::pythagoras},
    {Fall::winkel_ge,
     {Feld::ge, Feld::winkel},
     {Feld::winkel, Feld::ge},
     bei({{Feld::an, Feld::hyp}}),
     {{{Feld::an,
        [](formel::G g, formel::W w) { return w[Feld::ge] * formel::cos(g) / formel::sin(g); },
        tangens, u"a / tan α", u"{a} / tan {α}°"},
       {Feld::hyp, [](formel::G g, formel::W w) { return w[Feld::ge] / formel::sin(g); }, sinus,
        u"a / sin α", u"{a} / sin {α}°"}}},
     nullptr,
     Schlussprobe::pythagoras},
    {Fall::winkel_hyp,
     {Feld::hyp, Feld::winkel},
     {Feld::winkel, Feld::hyp},
     bei({{}, {Feld::an}, {Feld::ge}, {Feld::an, Feld::ge}}),
     {{{Feld::an, [](formel::G g, formel::W w) { return w[Feld::hyp] * formel::cos(g); }, kosinus,
        u"c · cos α", u"{c} · cos {α}°"},
       {Feld::ge, [](formel::G g, formel::W w) { return w[Feld::hyp] * formel::sin(g); }, sinus,
        u"c · sin α", u"{c} · sin {α}°"}}},
     nullptr,
     Schlussprobe::pythagoras},
    // The third side by Pythagoras, from the exact squares of the two given.
    {Fall::an_ge,
     {Feld::an, Feld::ge},
     {Feld::an, Feld::ge},
     bei({{Feld::winkel, Feld::hyp}}),
     {{{Feld::hyp,
        [](formel::G g, formel::W) { return Zahl::wurzel(quadratsumme(g[Feld::an], g[Feld::ge])); },
        pythagoras, u"√(a² + b²)", u"√({a}² + {b}²)"},
       {Feld::winkel, formel::alpha, tangens, u"tan⁻¹(a / b)", u"tan⁻¹({a} / {b})"}}},
     nullptr,
     Schlussprobe::sinus},
    {Fall::an_hyp,
     {Feld::an, Feld::hyp},
     {Feld::an, Feld::hyp},
     bei({{Feld::winkel, Feld::ge}}),
     {{{Feld::winkel, formel::alpha, kosinus, u"cos⁻¹(b / c)", u"cos⁻¹({b} / {c})"},
       {Feld::ge,
        [](formel::G g, formel::W) {
            return Zahl::wurzel(quadratdifferenz(g[Feld::hyp], g[Feld::an]));
        },
        pythagoras, u"√(c² − b²)", u"√({c}² − {b}²)"}}},
     u"Ankathete kann nicht >= Hypotenuse sein",
     Schlussprobe::tangens},
    {Fall::ge_hyp,
     {Feld::ge, Feld::hyp},
     {Feld::ge, Feld::hyp},
     bei({{Feld::winkel}, {Feld::winkel, Feld::an}}),
     {{{Feld::winkel, formel::alpha, sinus, u"sin⁻¹(a / c)", u"sin⁻¹({a} / {c})"},
       {Feld::an,
        [](formel::G g, formel::W) {
            return Zahl::wurzel(quadratdifferenz(g[Feld::hyp], g[Feld::ge]));
        },
        pythagoras, u"√(c² − a²)", u"√({c}² − {a}²)"}}},
     u"Gegenkathete kann nicht >= Hypotenuse sein",
     Schlussprobe::tangens},
}};
[[nodiscard]] constexpr const Fallzeile& zeile(Fall fall)
{
    return faelle.at(static_cast<std::size_t>(fall));
}
[[nodiscard]] constexpr bool mit_winkel(Fall fall)
{
    return zeile(fall).ausgang[1] == Feld::winkel;
}

// The case a set of unknown fields chooses (two at most: more are reported first).
[[nodiscard]] constexpr Fall waehlen(unsigned unbekannt)
{
    for (const Fallzeile& z : faelle) {
        if ((z.gewaehlt_bei >> unbekannt & 1U) != 0)
            return z.fall;
    }
    return Fall::winkel_hyp;
}

namespace pruefung {

// Every set of at most two unknown fields chooses exactly one case.
[[nodiscard]] constexpr bool eindeutig_gewaehlt()
{
    constexpr unsigned alle_mengen = 16;
    for (unsigned menge = 0; menge < alle_mengen; ++menge) {
        const int unbekannt = std::popcount(menge);
        int waehlen = 0;
        for (const Fallzeile& z : faelle)
            waehlen += static_cast<int>(z.gewaehlt_bei >> menge & 1U);
        if (waehlen != (unbekannt <= 2 ? 1 : 0))
            return false;
    }
    return true;
}

// A row's fields fit it: it starts from two and writes the other two, tests
// the two it starts from, its angle (if any) second, and each step names in
// braces only the letters of the values it starts from.
[[nodiscard]] constexpr bool nennt_nur_ausgang(const Fallzeile& z, const char16_t* text)
{
    for (const char16_t* c = text; *c != u'\0'; ++c) {
        if (*c != u'{')
            continue;
        const char16_t buchstabe = *++c;
        if (*++c != u'}')
            return false;
        const bool bekannt = std::ranges::any_of(
            z.ausgang, [buchstabe](Feld f) { return *benennungen[f].symbol == buchstabe; });
        if (!bekannt)
            return false;
    }
    return true;
}
[[nodiscard]] constexpr bool passt(const Fallzeile& z)
{
    unsigned felder = bit(z.ausgang[0]) | bit(z.ausgang[1]);
    const bool geprueft = (bit(z.geprueft[0]) | bit(z.geprueft[1])) == felder
                          && z.ausgang[0] != Feld::winkel && z.geprueft[1] != Feld::winkel;
    for (const Schritt& s : z.schritte) {
        if ((felder & bit(s.feld)) != 0 || !nennt_nur_ausgang(z, s.eingesetzt))
            return false;
        felder |= bit(s.feld);
    }
    return geprueft && felder == bit(Feld::winkel) + bit(Feld::an) + bit(Feld::ge) + bit(Feld::hyp);
}
[[nodiscard]] constexpr bool alle_passen()
{
    for (std::size_t i = 0; i < faelle.size(); ++i) {
        if (static_cast<std::size_t>(faelle.at(i).fall) != i || !passt(faelle.at(i)))
            return false;
    }
    return true;
}

} // namespace pruefung

static_assert(pruefung::eindeutig_gewaehlt(), "each set of unknown fields chooses one case");
static_assert(pruefung::alle_passen(), "each case row in its place, its fields and steps its own");

// The triangle exactly: alpha and beta in degrees, the three sides.
struct Dreieck {
    JeFeld<Zahl> werte;
    Zahl beta;
};

// The triangle a case finds from its two starting values (degrees for the
// angle, 0 < alpha < 90; sides > 0, a leg shorter than the hypotenuse), as
// typed in their fields; the other fields are not read.
[[nodiscard]] Dreieck dreieck(Fall fall, const JeFeld<Getippt>& gegeben);

// The further quantities of a triangle.
struct Weitere {
    Zahl flaeche;
    Zahl umfang;
    Zahl p; // the hypotenuse's segment under the opposite leg
    Zahl q; // under the adjacent leg
    Zahl h; // the altitude on the hypotenuse
};
[[nodiscard]] Weitere weitere_groessen(const Dreieck& d);

} // namespace core
