// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The triangle's values as the worked solution writes them, and its steps
// (the case table's) with the numbers put in.

#include "core/berechnung.hpp"
#include "core/zahlentext.hpp"

#include <QLocale>
#include <QString>

namespace core {

// The triangle's quantities by their names and letters.
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
    // The step's term with the numbers it starts from put in for their letters.
    [[nodiscard]] QString einsetzen(const Schritt& s) const;

private:
    const Loesung& m_loesung;
    QLocale m_locale;
    JeFeld<Groesse> m_gezeigt;
};

} // namespace core
