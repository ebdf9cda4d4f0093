// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

#include <compare>
#include <string>

class QLocale;

// The number services of the calculation, as pure functions.
namespace core {

// The decimal places a field shows.
inline constexpr int stellen = 4;

// Reads the number at the start of a text as BASIC's Val does: blanks, tabs
// and line feeds are skipped anywhere, reading stops at the first character
// that cannot continue the number, and a text without a number gives 0.
[[nodiscard]] double Val(QStringView text);

// whole - |Val(text)| from the digits as typed: the exact decimal difference,
// rounded once. Subtracting the double Val reads would keep its conversion
// error, which dwarfs a small difference: "89.9999999" gives exactly 1e-7.
[[nodiscard]] double ComplementOf(QStringView text, int whole);

// Rounds to `places` decimal places (0 to 15). Only a double whose exact value
// lies halfway goes to the even neighbour.
[[nodiscard]] double Round(double zahl, int places);

// The general number-to-text conversion: at most 15 significant digits, no
// trailing zeros, no grouping, ASCII digits, and the decimal separator of
// `locale`; the exponent is written "e" where the locale does, "E" elsewhere.
[[nodiscard]] QString Str(double zahl, const QLocale& locale);

// A result as a field shows it, rounded once: to four places, or, where four
// places would need more than the 15 significant digits Str writes (from
// 1E+11), to those 15 digits. Rounding to four places first would round the
// fifteenth digit a second time.
[[nodiscard]] double RoundShown(double zahl);

// A non-negative decimal number held exactly: the value is ziffern x
// 10^exponent, ziffern without leading or trailing zeros (empty for 0). It
// decides where a result is exact and writes a typed number digit for digit.
struct Dezimal {
    std::string ziffern;
    long long exponent = 0;

    [[nodiscard]] bool operator==(const Dezimal&) const = default;
    [[nodiscard]] std::strong_ordering operator<=>(const Dezimal& other) const;
    // The power of ten of the first digit: 2 for 123, -3 for 0.001.
    [[nodiscard]] long long groessenordnung() const;
};

// |Val(text)|, digit for digit as typed.
[[nodiscard]] Dezimal dezimal(QStringView text);
// The power of ten of the last digit typed, trailing zeros counted: -4 for
// "8.6600", 0 for "5", 3 for "5e3". A typed value stands for every number
// within half a unit of that place.
[[nodiscard]] long long letzte_stelle(QStringView text);
// |zahl| to 40 significant digits (0 for a value beyond the range).
[[nodiscard]] Dezimal dezimal(long double zahl);
[[nodiscard]] Dezimal operator+(const Dezimal& a, const Dezimal& b);
[[nodiscard]] Dezimal operator*(const Dezimal& a, const Dezimal& b);
// |a - b|
[[nodiscard]] Dezimal abstand(const Dezimal& a, const Dezimal& b);
// Rounded to a multiple of 10^stelle, a tie to the even neighbour.
[[nodiscard]] Dezimal gerundet(const Dezimal& zahl, long long stelle);
// Rounded as a field shows it (see RoundShown); where four places leave 0 of
// a value that is not 0, to five significant digits.
[[nodiscard]] Dezimal wie_gezeigt(const Dezimal& zahl);
// The nearest double.
[[nodiscard]] double als_double(const Dezimal& zahl);

} // namespace core
