// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The worked solution of a successful Berechnen, as a German maths book
// writes it: what is given and sought, given values checked where they are
// more than needed, each ratio or theorem, the formula solved for the
// unknown, the numbers put in and the result; then the second acute angle,
// area, perimeter, the hypotenuse's segments and its altitude, a final check
// and the results.

#include "core/berechnung.hpp"

#include <QList>
#include <QString>
#include <QStringList>

class QLocale;

namespace core {

// The further quantities of the triangle, from its sides and beta (degrees).
struct Weitere {
    double beta = 0;
    double flaeche = 0;
    double umfang = 0;
    double p = 0; // the hypotenuse's segment under the opposite leg
    double q = 0; // under the adjacent leg
    double h = 0; // the altitude on the hypotenuse
};
[[nodiscard]] Weitere weitere_groessen(const Dreieck& seiten, double beta);

struct Rechenweg {
    QList<QStringList> absaetze; // paragraphs, line by line
    // What a sketch writes at each side and angle: its value, "≈" where rounded.
    JeFeld<QString> beschriftung;
    QString beta;

    // Plain text: the lines, an empty line between paragraphs.
    [[nodiscard]] QString text() const;
};

// `eingabe` holds the field texts Berechnen started from, `ergebnis` what it
// decided (without a report). Numbers are written with the decimal separator
// of `locale`.
[[nodiscard]] Rechenweg rechenweg(const Texte& eingabe, const Ergebnis& ergebnis,
                                  const QLocale& locale);

} // namespace core
