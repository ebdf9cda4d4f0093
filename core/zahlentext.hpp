// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Numbers as the worked solution writes them. One rule for the whole text:
// from 10^-4 to below 10^15 a number is written out, beyond that as digits
// times a power of ten ("1,414 · 10⁻⁵"). A rounded value keeps four decimal
// places, as the fields do, and at least four significant digits ("0,001000"),
// and is marked "≈"; a given value is written digit for digit as typed.

#include "core/numbers.hpp"

#include <QString>

#include <optional>

class QLocale;

namespace core {

// A quantity as the text writes it.
struct Groesse {
    Dezimal wert;
    bool genau = false; // the quantity is exactly `wert`
    // Where zeros after the last digit still count, the place they run down
    // to ("0,001000": -6).
    std::optional<long long> nullen_bis;
};

// A typed value, exactly as typed, with the zeros typed after its last digit.
[[nodiscard]] Groesse gegeben(QStringView text);

// A computed quantity, rounded as the text shows it, from its exact value
// where that is known, else from the double.
[[nodiscard]] Groesse berechnet(double zahl, const std::optional<Dezimal>& exakt);
[[nodiscard]] Groesse berechnet(const Dezimal& exakt);

// Rounded to a given place, its zeros down to there kept.
[[nodiscard]] Groesse auf_stelle(const Dezimal& zahl, long long stelle);

// To four significant digits, as a check with rounded values can agree.
[[nodiscard]] Groesse vier_stellen(long double zahl);

// The number with the locale's decimal separator, under the one rule.
[[nodiscard]] QString zahl(const Groesse& g, const QLocale& locale);
// Put into a formula: bracketed where a power of ten is part of it.
[[nodiscard]] QString eingesetzt(const Groesse& g, const QLocale& locale);
// " = " for an exact value, " ≈ " for a rounded one.
[[nodiscard]] QString gleich(bool genau);

} // namespace core
