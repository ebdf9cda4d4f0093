// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The checks of the worked solution. A value that was given although the
// calculation writes it again is held against what the others give: it
// agrees when both are equal to its last typed digit, read to three
// significant digits at least. Either way the triangle goes on with the
// computed value, the one the window shows; the text says whether the given
// one agreed, or that the given values do not fit. A solution is checked in
// the end by a relation it did not use, with the numbers as printed: the
// check shows both sides, and its ✓ only where both give the same digits.

#include "core/schritte.hpp"

#include <QStringList>

namespace core {

// The lines about the given values written again: paragraphs, separated by
// empty lines.
[[nodiscard]] QStringList abgleich_zeilen(const Werte& werte);

// The final check: the Satz des Pythagoras after a calculation with the
// angle, a ratio of the sides after one without.
[[nodiscard]] QStringList schlussprobe(const Werte& werte);

} // namespace core
