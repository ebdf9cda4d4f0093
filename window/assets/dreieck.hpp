// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/form.hpp"

#include <QColor>
#include <QFont>
#include <QPointF>

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

// What the diagram and the worksheet's sketch share: the lines' red, the
// face of their texts, and the right angle's square with its dot, its corner
// at `ecke` and its sides along the unit vectors `x` and `y`.
inline const QColor rot{0xe0, 0x00, 0x00};
[[nodiscard]] QFont schrift(int pixel);
void rechter_winkel(QPainter& painter, QPointF ecke, QPointF x, QPointF y, double seite);

} // namespace assets
