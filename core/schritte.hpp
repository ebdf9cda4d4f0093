// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The steps of the worked solution: for each case, which ratio or theorem
// gives each unknown, the term it equals and the numbers put in; where a
// step's result is exact; and the values the steps start from, as given or
// as computed.

#include "core/berechnung.hpp"
#include "core/zahlentext.hpp"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

class QLocale;

namespace core {

// How a step gets its result from the two quantities it starts from.
enum class Rechnung : std::uint8_t { mal, durch, quadratsumme, quadratdifferenz, arcus };
enum class Funktion : std::uint8_t { keine, sin, cos, tan };

// One written value: the ratio (or theorem) used, the term the unknown
// equals, and the numbers put in, %1 and %2 standing for the two quantities
// the case starts from.
struct Schritt {
    Fall fall;
    Feld feld;
    const char16_t* satz;
    const char16_t* term;
    const char16_t* eingesetzt;
    Rechnung rechnung;
    Funktion funktion;
};

inline constexpr const char16_t* pythagoras =
    u"Satz des Pythagoras: Ankathete² + Gegenkathete² = Hypotenuse²";

[[nodiscard]] const Schritt& schritt(Fall fall, Feld feld);
// The two quantities each case starts from, in the order %1, %2.
[[nodiscard]] std::array<Feld, 2> ausgang(Fall fall);

[[nodiscard]] QString name(Feld feld);    // "Winkel α", "Ankathete", ...
[[nodiscard]] QString symbol(Feld feld);  // "α", "Ankathete", ...
[[nodiscard]] QString einheit(Feld feld); // "°" for the angle

// The one acute angle in whole degrees where the function is rational, its
// value there and the reciprocal of that value.
struct Sonderwert {
    Dezimal grad;
    Dezimal wert;
    Dezimal kehrwert;
};
[[nodiscard]] Sonderwert sonderwert(Funktion funktion);

// The step's result exactly, from its two inputs as typed, where it is exact:
// a trigonometric value is rational only at 30°, 45° and 60° (Niven's
// theorem), a square root only where its square checks out. `roh` is the
// double the core computed.
[[nodiscard]] std::optional<Dezimal> exakt(const Schritt& s, const Dezimal& erste,
                                           const Dezimal& zweite, double roh);

// Every field's value as typed and as its step computes it.
struct Werte {
    const Texte& eingabe;
    const Ergebnis& ergebnis;
    const QLocale& locale;
    JeFeld<Groesse> getippt{};     // of the given fields, as typed
    JeFeld<Groesse> aus_schritt{}; // of the fields the core writes, as their steps compute them
    JeFeld<std::optional<Dezimal>> exakt_aus_schritt{}; // those steps' exact results, where exact

    Werte(const Texte& eingabe, const Ergebnis& ergebnis, const QLocale& locale);

    [[nodiscard]] bool ist_gegeben(Feld feld) const { return eingabe[feld] != unbekannt; }
    [[nodiscard]] bool geschrieben(Feld feld) const;
    [[nodiscard]] QString zahl(const Groesse& g) const;
    [[nodiscard]] QString eingesetzt(const Groesse& g) const;
    // The step's term with the numbers it starts from put in.
    [[nodiscard]] QString einsetzen(const Schritt& s) const;
};

} // namespace core
