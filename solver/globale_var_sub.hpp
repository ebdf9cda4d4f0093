// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/berechnung.hpp"

#include <QString>

#include <cstdint>

// The shared state and the procedures of the module. The variables live for
// the whole run; the window's solving procedures set them from what the
// calculation core decided, and the procedures return nothing.
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

// The one main window, as the module's procedures reach it. The window is
// this while it exists; the module knows no more of it.
class Hauptfenster {
public:
    Hauptfenster(const Hauptfenster&) = delete;
    Hauptfenster& operator=(const Hauptfenster&) = delete;
    Hauptfenster(Hauptfenster&&) = delete;
    Hauptfenster& operator=(Hauptfenster&&) = delete;

    // Writes an angle into txt_winkel.
    virtual void winkel_zeigen(double grad) = 0;
    // Enables or disables the four fields and Berechnen together.
    virtual void eingaben_freigeben(bool freigeben) = 0;
    // After a report: the focus goes into the field the report is about, its text selected.
    virtual void fokus_nach_meldung() = 0;

protected:
    Hauptfenster();
    ~Hauptfenster();
};

void pi_setzen();
// Takes the angle the calculation worked out from the two legs, exactly and
// rounded once to four places, and shows it.
void winkel_berechnen(double grad);
// Shows the error box, then unlocks the inputs and puts the focus into the
// field the report is about.
void fehler_melden(const QString& meldung, const QString& titel);
// Keeps, replaces or drops (sets to 0) the code of a key typed into a field.
void taste_pruefen(std::int16_t& taste);

} // namespace globale_Var_sub
