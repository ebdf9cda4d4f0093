// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a Berechnen must show, worked out independently of the program: the
// exact results, in 256-bit MPFR, from the trigonometric definitions rather
// than the program's formulas, for the angle exactly as typed (its decimal
// text, in true degrees; below the normal double range as read) and the
// sides as read.

#include "core/berechnung.hpp"

#include <QString>

#include <array>
#include <optional>
#include <string>

namespace reference {

// Val's grammar, read by regular expressions apart from the program's own
// scanner: the decimal number at the start of the text (blanks, tabs and line
// feeds skipped, D for E) in C syntax; nothing for a text without one, and
// for an "&H" or "&O" integer.
[[nodiscard]] std::optional<std::string> dezimalzahl(const QString& text);

// The value Val must give, by the same reading.
[[nodiscard]] double val(const QString& text);

struct Exact {
    long double value = 0;
    // What an intermediate side below the normal double range may cost: it
    // keeps fewer digits, whatever the formula.
    long double subnormal = 0;
};

// Per field (angle, adjacent, opposite, hypotenuse): the exact value a
// successful Berechnen writes there, or nothing for a field it leaves alone.
// Empty throughout when fewer than two values are given.
using Results = core::JeFeld<std::optional<Exact>>;

[[nodiscard]] Results berechnen(const std::array<QString, 4>& texts);

// The shown text's error in units of what it may be off: half a unit in its
// last shown place plus 16 units of roundoff of the exact value. At most 1
// when every shown digit is right.
[[nodiscard]] long double fehler_in_toleranzen(const QString& shown, const Exact& exact);

// An unrounded result's error in units of roundoff of the exact value.
[[nodiscard]] long double fehler_in_rundungen(double computed, const Exact& exact);

// The second acute angle (degrees), the area and the perimeter of the
// triangle a successful Berechnen finds, exactly.
struct Zusatz {
    Exact beta;
    Exact flaeche;
    Exact umfang;
};
[[nodiscard]] Zusatz zusatz(const std::array<QString, 4>& texts);

// Whether a result lies beyond the double range, so a report is due.
[[nodiscard]] bool ausserhalb(const Results& results);

} // namespace reference
