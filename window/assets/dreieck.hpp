// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/form.hpp"

#include <QImage>
#include <QString>

class QPainter;

namespace assets {

// The triangle diagram: a right triangle with its sides named and alpha
// marked, and the four ratios below it, drawn on white in its own 200 x 176
// pixels. Painted as vectors, so it is sharp at every scale.
void dreieck_zeichnen(QPainter& painter);

inline constexpr platform::Picture dreieck{
    200, 176, &dreieck_zeichnen,
    "Skizze: ein rechtwinkliges Dreieck, der rechte Winkel unten links, der Winkel alpha "
    "unten rechts. Die Ankathete liegt unten waagerecht, die Gegenkathete links senkrecht, "
    "die Hypotenuse führt schräg von oben links nach unten rechts. Darunter: Sinus alpha "
    "gleich Gegenkathete durch Hypotenuse, Kosinus alpha gleich Ankathete durch Hypotenuse, "
    "Tangens alpha gleich Gegenkathete durch Ankathete, Kotangens alpha gleich Ankathete "
    "durch Gegenkathete."};

// A sketch of one triangle for a worksheet: drawn as the diagram is, but to
// scale, with each side and both acute angles labelled with their values.
struct Skizze {
    double an = 1; // the legs' lengths, for the proportions
    double ge = 1;
    QString ankathete, gegenkathete, hypotenuse, alpha, beta; // their labels
};

// The sketch as an image `breite` logical pixels wide and at most `hoehe`
// high, at twice the resolution, for print and high-density screens.
[[nodiscard]] QImage skizze_zeichnen(const Skizze& skizze, int breite, int hoehe);

} // namespace assets
