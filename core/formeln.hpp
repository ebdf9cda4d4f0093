// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The triangle's formulas as pure functions of doubles: no window, no field,
// no shared state. Each keeps every digit a double holds: its results are
// within a few units of roundoff of the exact ones for the numbers as read.

#include <cstdint>

namespace core {

// The angle alpha in degrees as read, and its distance to a right angle,
// 90 - grad, taken from the digits as typed: near 90 degrees the cosine and
// the tangent magnify any error in that distance by the angle's tangent.
struct Winkel {
    double grad = 0;
    double komplement = 0;
};

struct Dreieck {
    double an = 0;  // adjacent leg (Ankathete)
    double ge = 0;  // opposite leg (Gegenkathete)
    double hyp = 0; // hypotenuse
};

// The two quantities a calculation starts from: the angle and a side, or two sides.
enum class Fall : std::uint8_t { winkel_an, winkel_ge, winkel_hyp, an_ge, an_hyp, ge_hyp };

// With the angle given, two unknown side fields name the known side; any
// other choice is the hypotenuse's.
[[nodiscard]] Fall fall_mit_winkel(bool an_unbekannt, bool ge_unbekannt, bool hyp_unbekannt);

// Without the angle the first unknown side decides; all three given count as
// opposite leg and hypotenuse.
[[nodiscard]] Fall fall_ohne_winkel(bool an_unbekannt, bool ge_unbekannt, bool hyp_unbekannt);

// The two sides a case with the angle does not know, from the one it knows and
// the angle (0 < grad < 90); the known side is passed through.
[[nodiscard]] Dreieck seiten_mit_winkel(Fall fall, Winkel winkel, double an, double ge, double hyp);

// The angle alpha in degrees from the two legs.
[[nodiscard]] double winkel_grad(double an, double ge);

// That angle as txt_winkel shows it, rounded to four places: the core decides
// it and winkel_berechnen writes it, both through this.
[[nodiscard]] double winkel_gezeigt(double an, double ge);

// The hypotenuse from the two legs.
[[nodiscard]] double hypotenuse(double an, double ge);

// The missing leg from the hypotenuse h and the other leg x < h.
[[nodiscard]] double kathete(double h, double x);

} // namespace core
