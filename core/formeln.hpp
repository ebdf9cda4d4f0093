// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The six ways of solving a right triangle, as one table, and the triangle
// each finds, exactly: no window, no field, no shared state.

#include "core/exakt.hpp"

#include <gmpxx.h>

#include <array>
#include <cstddef>
#include <cstdint>

namespace core {

// The fields in the window's order: angle alpha, adjacent, opposite, hypotenuse.
enum class Feld : std::uint8_t { winkel, an, ge, hyp };

// Something for each field, in the window's order, looked up by field.
template <class T>
struct JeFeld : std::array<T, 4> {
    using std::array<T, 4>::operator[];
    [[nodiscard]] T& operator[](Feld feld) { return this->at(static_cast<std::size_t>(feld)); }
    [[nodiscard]] const T& operator[](Feld feld) const
    {
        return this->at(static_cast<std::size_t>(feld));
    }
};

inline constexpr std::array<Feld, 4> alle_felder{Feld::winkel, Feld::an, Feld::ge, Feld::hyp};

// The two quantities a calculation starts from: the angle and a side, or two sides.
enum class Fall : std::uint8_t { winkel_an, winkel_ge, winkel_hyp, an_ge, an_hyp, ge_hyp };

// The relation a solution is checked with in the end, one it did not use.
enum class Schlussprobe : std::uint8_t { pythagoras, sinus, tangens };

// What a case starts from (a side first, then the angle or the second side),
// the two fields it writes, in the order they are written, the report where
// the leg it starts from is not shorter than the hypotenuse, and its final check.
struct Fallzeile {
    Fall fall;
    std::array<Feld, 2> ausgang;
    std::array<Feld, 2> schreibt;
    const char16_t* zu_lang;
    Schlussprobe probe;
};
inline constexpr std::array<Fallzeile, 6> faelle{{
    {Fall::winkel_an,
     {Feld::an, Feld::winkel},
     {Feld::ge, Feld::hyp},
     nullptr,
     Schlussprobe::pythagoras},
    {Fall::winkel_ge,
     {Feld::ge, Feld::winkel},
     {Feld::an, Feld::hyp},
     nullptr,
     Schlussprobe::pythagoras},
    {Fall::winkel_hyp,
     {Feld::hyp, Feld::winkel},
     {Feld::an, Feld::ge},
     nullptr,
     Schlussprobe::pythagoras},
    {Fall::an_ge, {Feld::an, Feld::ge}, {Feld::hyp, Feld::winkel}, nullptr, Schlussprobe::sinus},
    {Fall::an_hyp,
     {Feld::an, Feld::hyp},
     {Feld::winkel, Feld::ge},
     u"Ankathete kann nicht >= Hypotenuse sein",
     Schlussprobe::tangens},
    {Fall::ge_hyp,
     {Feld::ge, Feld::hyp},
     {Feld::winkel, Feld::an},
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
