// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Numbers as the worked solution writes them. One rule for the whole text:
// a computed value is rounded once from its exact value, to four decimal
// places, as the fields are, to at least four significant digits
// ("0,001000") and at most eight, its zeros down to that place kept, and is
// marked "≈" unless it is exactly that; a given value is written digit for
// digit as typed. From 10^-4 to below 10^15 a number is written out, its
// digits before the separator grouped in threes from 10 000 ("1 250 000");
// beyond that, and where zeros before the separator would not count, as
// digits times a power of ten ("1,414 · 10⁻⁵", "3,283 · 10⁹").

#include "core/exakt.hpp"
#include "core/numbers.hpp"

#include <QString>

#include <optional>

class QLocale;

namespace core {

// The most significant digits the text gives a computed value.
inline constexpr long long hoechstens_gueltig = 8;

// A quantity as the text writes it.
struct Groesse {
    Dezimal wert;
    bool genau = false; // the quantity is exactly `wert`
    // Where zeros after the last digit still count, the place they run down
    // to ("0,001000": -6).
    std::optional<long long> nullen_bis;
};

// The place the text rounds a computed value of this size to.
[[nodiscard]] long long textstelle(long long groessenordnung);
// Four and three significant digits, as a check compares its two sides.
[[nodiscard]] long long vier_ziffern(long long groessenordnung);
[[nodiscard]] long long drei_ziffern(long long groessenordnung);

// A typed value, exactly as typed, with the zeros typed after its last digit.
[[nodiscard]] Groesse gegeben(const Getippt& getippt);
// A computed quantity, rounded by a rule (the text's own by default), its
// zeros down to that place kept.
[[nodiscard]] Groesse berechnet(const Zahl& zahl, Stellenregel regel = textstelle);
// Rounded to a given place, its zeros down to there kept.
[[nodiscard]] Groesse auf_stelle(const Zahl& zahl, long long stelle);

// The number with the locale's decimal separator, under the one rule.
[[nodiscard]] QString zahl(const Groesse& g, const QLocale& locale);
// Put into a formula: bracketed where a power of ten is part of it.
[[nodiscard]] QString eingesetzt(const Groesse& g, const QLocale& locale);
// " = " for an exact value, " ≈ " for a rounded one.
[[nodiscard]] QString gleich(bool genau);

} // namespace core
