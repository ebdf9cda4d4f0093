// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a Berechnen must show, worked out independently of the program: the
// exact values, in 4096-bit MPFR, from the trigonometric definitions (the
// angle in radians, arcsin and arccos) rather than the program's formulas,
// for the numbers exactly as typed, read from their decimal texts.

#include "core/berechnung.hpp"
#include "core/rechenweg.hpp"

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

// A quantity's exact value, as the decimal text of a 4096-bit number.
using Wert = std::string;

// Per field (angle, adjacent, opposite, hypotenuse), the value a successful
// Berechnen writes there, or nothing for a field it leaves alone; then beta
// (degrees), area, perimeter, p, q and h. Empty throughout when fewer than
// two values are given or the angle is 90 or more: those are reported.
struct Werte {
    core::JeFeld<std::optional<Wert>> felder;
    std::optional<Wert> beta, flaeche, umfang, p, q, h;
};
[[nodiscard]] Werte berechnen(const std::array<QString, 4>& texts);

// The text a field must show for an exact value: rounded once to four places
// (to 15 significant digits from 1E+11), through number-to-text in the C
// locale. Nothing where the value lies too close to a rounding tie to tell.
[[nodiscard]] std::optional<QString> feldtext(const Wert& exakt);

// Whether a number printed with its last digit at 10^stelle is the exact
// value rounded there (`genau`: is the exact value). Where the value lies too
// close to a tie to tell, either neighbour counts.
[[nodiscard]] bool gerundet_richtig(const std::string& gedruckt, long long stelle,
                                    const Wert& exakt, bool genau);

// Each result line "Name = number" or "Name ≈ number" of a worked solution
// written in the C locale, and each label of its sketch, held against the
// exact values: the first that is not the exact value rounded to its printed
// digits, with "=" exactly where it is that value; nothing where all are.
[[nodiscard]] std::optional<QString> falsches_ergebnis(const core::Rechenweg& r,
                                                       const Werte& exact);

// Each line of the further quantities ("u = a + b + c ≈ 2.8868 + 5 + 5.7735 ≈
// 13.6603"), of a worked solution written in the C locale, retyped as a
// pupil types it: the numbers put in, worked out in 4096 bits, must give the
// printed value to its last digit. The first line that does not, unless it
// says it was worked out from the unrounded values; nothing where all do.
[[nodiscard]] std::optional<QString> geht_nicht_auf(const core::Rechenweg& r);

// Whether a value lies beyond the double range, so that a report is due.
[[nodiscard]] bool ausserhalb(const Wert& exakt);

} // namespace reference
