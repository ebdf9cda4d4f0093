// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One Berechnen decided without a window: from the four field texts to either
// the report to show or the solution, with the values to write in the order
// they are written. The window's procedures write exactly what it decides,
// and the tests and fuzzers call the same function.

#include "core/formeln.hpp"
#include "core/numbers.hpp"

#include <QString>
#include <QStringView>

#include <array>
#include <optional>
#include <variant>
#include <vector>

namespace core {

using Texte = JeFeld<QString>;

// A field whose whole text is this holds an unknown quantity.
inline constexpr QStringView unbekannt = u"?";

// A given field whose text is not read whole: "3?" is read as 3, "1.2.3" as
// 1.2, "-7" as 7 and the empty text as 0. Wherever the value is shown, this
// is said with it.
struct Teillesung {
    Feld feld = Feld::winkel;
    QString getippt; // the text as typed
    QString gelesen; // the number read, as typed, or empty where none was: 0
};

struct Meldung {
    QString text;
    QString titel;
    Feld feld = Feld::winkel; // the field whose value the report is about
    std::vector<Teillesung> teillesungen;
};

struct Schreiben {
    Feld feld = Feld::winkel;
    Dezimal gezeigt; // the exact value rounded once as the field shows it
    double wert = 0; // the same as a double, which number-to-text writes digit for digit
};

// A given value that the calculation writes again. It agrees with the value
// the others give when both are equal to its last typed digit, read to three
// significant digits at least: a typed 4 stands for 4,00.
struct Abgleich {
    Feld feld = Feld::an;
    long long stelle = 0; // the place compared to
    bool passt = false;
};

struct Loesung {
    Fall fall = Fall::winkel_hyp;
    Texte texte;             // as typed
    JeFeld<Getippt> getippt; // each text read once
    Dreieck dreieck;         // the triangle the window shows, exactly
    std::array<Schreiben, 2> schreiben;
    std::vector<Abgleich> abgleiche; // in the order of the fields written
    std::vector<Teillesung> teillesungen;

    [[nodiscard]] bool ist_gegeben(Feld feld) const { return texte[feld] != unbekannt; }
    // The field's value in the triangle, as the nearest double.
    [[nodiscard]] double naeherung(Feld feld) const { return dreieck.werte[feld].naeherung(); }
    [[nodiscard]] const Abgleich* abgleich(Feld feld) const;
};

using Ergebnis = std::variant<Meldung, Loesung>;

// The fields holding the unknown marker.
[[nodiscard]] int anzahl_unbekannt(const Texte& texte);

// The most unknown fields a calculation can take: two values must be given.
inline constexpr int hoechstens_unbekannt = 2;

// A whole Berechnen: too few values given, or the procedure the angle field
// chooses (with the angle given, or without it).
[[nodiscard]] Ergebnis berechnen(const Texte& texte);

} // namespace core
