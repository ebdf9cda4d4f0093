// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The two solving procedures decided without a window: from the four field
// texts to either the report to show or the values to write, in the order they
// are written. The window's rechnen_mit_winkel and rechnen_ohne_winkel call
// these and write exactly what they decide.

#include "core/formeln.hpp"

#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>
#include <optional>

namespace core {

// The fields in the window's order: angle alpha, adjacent, opposite, hypotenuse.
enum class Feld : std::uint8_t { winkel, an, ge, hyp };

// Something for each field, in the window's order, looked up by field.
template <class T>
struct JeFeld : std::array<T, 4> {
    using std::array<T, 4>::operator[];
    [[nodiscard]] T& operator[](Feld feld) { return this->at(static_cast<std::size_t>(feld)); }
    [[nodiscard]] const T& operator[](Feld feld) const
    {
        return this->at(static_cast<std::size_t>(feld));
    }
};
using Texte = JeFeld<QString>;

// A field whose whole text is this holds an unknown quantity.
inline constexpr QStringView unbekannt = u"?";

struct Meldung {
    QString text;
    QString titel;
    Feld feld = Feld::winkel; // the field whose value the report is about
};

struct Schreiben {
    Feld feld = Feld::winkel;
    double wert = 0; // rounded as the field shows it (RoundShown)
};

struct Ergebnis {
    std::optional<Meldung> meldung; // the report; nothing when the results are shown
    Fall fall = Fall::winkel_hyp;
    // The two fields written, in order; nothing is written with a report.
    std::array<Schreiben, 2> schreiben{};
    // Unrounded: the sides and the angle in degrees after a successful
    // calculation, as read before a report. The complement of a computed
    // angle is computed in its own right, not as 90 minus the angle.
    Dreieck seiten;
    Winkel alpha;
};

// A field's unrounded value in a result: a side, or alpha in degrees.
[[nodiscard]] double wert(const Ergebnis& ergebnis, Feld feld);

// The fields holding the unknown marker.
[[nodiscard]] int anzahl_unbekannt(const Texte& texte);

// The most unknown fields a calculation can take: two values must be given.
inline constexpr int hoechstens_unbekannt = 2;

// Too many unknowns: fewer than two values given. It is about the first
// unknown field, where a value is missing.
[[nodiscard]] Meldung zu_wenige_werte(const Texte& texte);

// The two ways of solving: with the angle given, and without it.
[[nodiscard]] Ergebnis mit_winkel(const Texte& texte);
[[nodiscard]] Ergebnis ohne_winkel(const Texte& texte);

} // namespace core
