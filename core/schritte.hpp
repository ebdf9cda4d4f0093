// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The steps of the worked solution: for each case, which ratio or theorem
// gives each unknown, the term it equals and the numbers put in; and the
// triangle's values as the text writes them.

#include "core/berechnung.hpp"
#include "core/zahlentext.hpp"

#include <QLocale>
#include <QString>

namespace core {

// One written value: the ratio (or theorem) used, the term the unknown
// equals, and the numbers put in, %1 and %2 standing for the two quantities
// the case starts from.
struct Schritt {
    Fall fall;
    Feld feld;
    const char16_t* satz;
    const char16_t* term;
    const char16_t* eingesetzt;
};

inline constexpr const char16_t* pythagoras = u"Satz des Pythagoras: a² + b² = c²";

[[nodiscard]] const Schritt& schritt(Fall fall, Feld feld);

// The triangle named as German books name it: γ = 90° at C, the hypotenuse
// c, the leg opposite α (at A) a, the leg next to α b.
[[nodiscard]] QString name(Feld feld);    // "Winkel α", "Ankathete", ...
[[nodiscard]] QString symbol(Feld feld);  // "α", "b", "a", "c"
[[nodiscard]] QString benannt(Feld feld); // "Winkel α", "Ankathete b", ...
[[nodiscard]] QString einheit(Feld feld); // "°" for the angle
// What a case starts from, by name: "Hypotenuse und Winkel α".
[[nodiscard]] QString ausgang_namen(Fall fall);

// The triangle as the text writes it: the values a calculation starts from
// as typed, every other one computed, rounded once from its exact value.
class Werte {
public:
    Werte(const Loesung& loesung, const QLocale& locale);
    Werte(Loesung&&, const QLocale&) = delete; // kept by reference

    [[nodiscard]] const Loesung& loesung() const { return m_loesung; }
    [[nodiscard]] const Groesse& gezeigt(Feld feld) const { return m_gezeigt[feld]; }
    [[nodiscard]] QString zahl(const Groesse& g) const;
    [[nodiscard]] QString eingesetzt(const Groesse& g) const;
    // The step's term with the numbers it starts from put in.
    [[nodiscard]] QString einsetzen(const Schritt& s) const;

private:
    const Loesung& m_loesung;
    QLocale m_locale;
    JeFeld<Groesse> m_gezeigt;
};

} // namespace core
