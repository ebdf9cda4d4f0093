// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

class QLocale;

// The number services of the calculation, as pure functions.
namespace core {

// Reads the number at the start of a text as BASIC's Val does: blanks, tabs
// and line feeds are skipped anywhere, reading stops at the first character
// that cannot continue the number, and a text without a number gives 0.
[[nodiscard]] double Val(QStringView text);

// whole - |Val(text)| from the digits as typed: the exact decimal difference,
// rounded once. Subtracting the double Val reads would keep its conversion
// error, which dwarfs a small difference: "89.9999999" gives exactly 1e-7.
[[nodiscard]] double ComplementOf(QStringView text, int whole);

// Rounds to `stellen` decimal places (0 to 15). Only a double whose exact value
// lies halfway goes to the even neighbour.
[[nodiscard]] double Round(double zahl, int stellen);

// The general number-to-text conversion: at most 15 significant digits, no
// trailing zeros, no grouping, ASCII digits, and the decimal separator of
// `locale`; the exponent is written "e" where the locale does, "E" elsewhere.
[[nodiscard]] QString Str(double zahl, const QLocale& locale);

} // namespace core
