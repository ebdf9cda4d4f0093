// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The worked solution of a successful Berechnen, as a German maths book
// writes it: what is given and sought, each ratio, the formula solved for the
// unknown, the numbers put in and the result; then the second acute angle,
// the area and the perimeter.

#include "core/berechnung.hpp"

#include <QString>

class QLocale;

namespace core {

// Beta, area and perimeter from the unrounded results.
struct Zusatz {
    double beta = 0; // degrees
    double flaeche = 0;
    double umfang = 0;
};
[[nodiscard]] Zusatz zusatz(const Ergebnis& ergebnis);

// `eingabe` holds the field texts Berechnen started from, `ergebnis` what it
// decided (without a report). Numbers are written as the fields show them,
// with the decimal separator of `locale`.
[[nodiscard]] QString rechenweg(const Texte& eingabe, const Ergebnis& ergebnis,
                                const QLocale& locale);

} // namespace core
