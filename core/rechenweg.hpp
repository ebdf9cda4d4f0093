// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The worked solution of a successful Berechnen, as a German maths book
// writes it: the exercise, the triangle's letters, what is given and what
// was asked, given values checked where they are more than needed, each
// ratio or theorem, the formula solved for the unknown, the numbers put in
// and the result; then the second acute angle, a final check, the further
// quantities (area, perimeter, the hypotenuse's segments and its altitude)
// and the results. It describes the triangle the window shows.

#include "core/berechnung.hpp"

#include <QList>
#include <QString>
#include <QStringList>

class QLocale;

namespace core {

struct Rechenweg {
    QList<QStringList> absaetze; // paragraphs, line by line
    // What a sketch writes at each side and angle: its letter and value, "≈"
    // where rounded ("a ≈ 2,8868").
    JeFeld<QString> beschriftung;
    QString beta;
    // The sides and alpha (degrees) as doubles, for a sketch to scale.
    JeFeld<double> masse{};
    // The paragraphs a sketch follows: the task, and where the given values
    // contradict each other the paragraph that says so and which are
    // computed anew, as the sketch shows them.
    qsizetype vor_skizze = 1;

    // Plain text: the lines, an empty line between paragraphs, without
    // breaks where a line must not break.
    [[nodiscard]] QString text() const;
};

// The text with no-break spaces where a word processor must not wrap a line:
// beside "=" and "≈", so that a letter stays with its value ("c = 8",
// "h ≈ 2,0000"), and after sin, cos and tan, which stay with their angle.
[[nodiscard]] QString ohne_umbruch(QString text);

// Numbers are written with the decimal separator of `locale`.
[[nodiscard]] Rechenweg rechenweg(const Loesung& loesung, const QLocale& locale);

} // namespace core
