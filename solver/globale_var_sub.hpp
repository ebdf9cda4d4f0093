// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/berechnung.hpp"

#include <QString>

#include <cstdint>

// The calculation's shared state and procedures. The variables live for the
// whole run; procedures pass values through them and return nothing.
namespace globale_Var_sub {

inline double pi = 0;
inline double an = 0;          // adjacent leg (Ankathete)
inline double ge = 0;          // opposite leg (Gegenkathete)
inline double hyp = 0;         // hypotenuse
inline double winkel = 0;      // angle alpha: degrees as read, radians once converted
inline QString meldung;        // text of the next report
inline QString titel;          // title of the next report
inline std::int16_t taste = 0; // the key code under examination

// Degrees in an angle of pi radians.
inline constexpr double grad_je_pi = 180;

// A field whose whole text is this holds an unknown quantity.
using core::unbekannt;

void pi_setzen();
// Works out the angle from the two legs, rounded to four places, and shows it.
void winkel_berechnen(double an, double ge);
// Shows the error box, then unlocks the inputs and gives the focus back.
void fehler_melden(const QString& meldung, const QString& titel);
// Keeps, replaces or drops (sets to 0) the code of a key typed into a field.
void taste_pruefen(std::int16_t& taste);

} // namespace globale_Var_sub
