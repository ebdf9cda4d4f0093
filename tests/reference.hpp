// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a Berechnen must show, worked out independently of the program: the
// exact results of the triangle given by the parsed inputs, in 256-bit MPFR,
// from the trigonometric definitions rather than the program's formulas. The
// angle in radians is taken as the program converts it, (pi / 180) x degrees
// with its 15-digit pi, since that conversion is part of what it shows.

#include <QString>

#include <array>
#include <optional>

namespace reference {

struct Exact {
    long double value = 0;
    // How much a relative change of the inputs moves the result, relatively.
    long double condition = 1;
    // What an intermediate side below the normal double range may cost: it
    // keeps fewer digits, whatever the formula.
    long double subnormal = 0;
};

// Per field (angle, adjacent, opposite, hypotenuse): the exact value a
// successful Berechnen writes there, or nothing for a field it leaves alone.
// Empty throughout when fewer than two values are given.
using Results = std::array<std::optional<Exact>, 4>;

[[nodiscard]] Results berechnen(const std::array<QString, 4>& texts);

// The shown text's error in units of what it may be off: half a unit in its
// last shown place plus a few rounding errors times the condition number.
// At most 1 when the text is right.
[[nodiscard]] long double fehler_in_toleranzen(const QString& shown, const Exact& exact);

// An unrounded result's error in rounding errors times the condition number.
[[nodiscard]] long double fehler_in_rundungen(double computed, const Exact& exact);

// Whether a result lies beyond the double range, so a report is due.
[[nodiscard]] bool ausserhalb(const Results& results);

} // namespace reference
