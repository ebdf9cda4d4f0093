// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

#include <gmpxx.h>

#include <cstdint>
#include <string>

class QLocale;

// The number services of the calculation, as pure functions.
namespace core {

// The decimal places a field shows.
inline constexpr int stellen = 4;
// The most significant digits number-to-text writes, as Visual Basic's Str does.
inline constexpr int hoechstens_ziffern = 15;

// Reads the number at the start of a text as BASIC's Val does: blanks, tabs
// and line feeds are skipped anywhere, reading stops at the first character
// that cannot continue the number, and a text without a number gives 0.
[[nodiscard]] double Val(QStringView text);

// The general number-to-text conversion: at most 15 significant digits, no
// trailing zeros, no grouping, ASCII digits, and the decimal separator of
// `locale`; the exponent is written "E+15" in every locale.
[[nodiscard]] QString Str(double zahl, const QLocale& locale);

// A non-negative decimal number as it is written: ziffern x 10^exponent,
// without leading or trailing zeros (empty for 0).
struct Dezimal {
    std::string ziffern;
    long long exponent = 0;

    [[nodiscard]] bool operator==(const Dezimal&) const = default;
    // The power of ten of the first digit: 2 for 123, -3 for 0.001.
    [[nodiscard]] long long groessenordnung() const;
};

// A value rounded to a place, and that place.
struct Gerundet {
    Dezimal wert;
    long long stelle = 0;
};

// The exact value, and the nearest double.
[[nodiscard]] mpq_class bruch(const Dezimal& zahl);
[[nodiscard]] double als_double(const Dezimal& zahl);

// The power of ten of the first digit of a positive number.
[[nodiscard]] long long groessenordnung(const mpq_class& zahl);

// Rounded to a multiple of 10^stelle, a tie to the even neighbour, decided exactly.
[[nodiscard]] Dezimal gerundet(const mpq_class& zahl, long long stelle);

// Where a value stands: 0, within what the calculation holds (what a double
// holds without losing digits: from its smallest normal value to its
// largest), or beyond.
enum class Bereich : std::uint8_t { null, innen, ausserhalb };

// A field's text, read once: |Val(text)|, its exact value as typed, and the
// place of the last digit typed, trailing zeros counted (-4 for "8.6600", 0
// for "5", 3 for "5e3"). A value beyond the range is not held exactly.
struct Getippt {
    double val = 0;
    mpq_class wert;
    long long letzte_stelle = 0;
    Bereich bereich = Bereich::null;
    mpz_class ziffern; // wert = ziffern x 10^letzte_stelle
    // The number read, as typed, without blanks or sign ("1.2" of "1.2.3",
    // empty where the text starts with no number); and whether it is the
    // whole text: unsigned, blanks aside, nothing after it, not empty.
    std::string gelesen;
    bool ganz = false;
};
[[nodiscard]] Getippt lesen(QStringView text);

// a² + b² and a² − b² of two typed values, exactly. Both are decimals, which
// puts the result in lowest terms without the gcd of two long numbers that a
// general fraction needs.
[[nodiscard]] mpq_class quadratsumme(const Getippt& a, const Getippt& b);
[[nodiscard]] mpq_class quadratdifferenz(const Getippt& a, const Getippt& b);

// Where a positive exact value stands.
[[nodiscard]] Bereich bereich(const mpq_class& zahl);

} // namespace core
