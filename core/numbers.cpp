// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/numbers.hpp"

#include <QLocale>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace core {
namespace {

constexpr int decimalBase = 10;
constexpr int hexadecimalBase = 16;
constexpr int octalBase = 8;
constexpr char16_t firstNonAscii = 0x80;
// Larger than any exponent or digit count that can matter, small enough not to overflow.
constexpr long long saturation = 1'000'000;
// Number-to-text shows at most this many significant digits, as Visual Basic's Str does.
constexpr int textDigits = 15;

// Val works on the text with its blanks, tabs and line feeds removed; every
// other non-ASCII character becomes a stop character.
std::string significant(QStringView text)
{
    std::string ascii;
    ascii.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u' ' || u == u'\t' || u == u'\n')
            continue;
        ascii.push_back(u < firstNonAscii ? static_cast<char>(u) : '\x01');
    }
    return ascii;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

int digitValue(char c, int base)
{
    int value = base;
    if (isDigit(c))
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + decimalBase;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + decimalBase;
    return value < base ? value : -1;
}

// "&H1F" and "&O17": an unsigned integer in base 16 or 8.
double radixInteger(std::string_view digits, int base)
{
    double value = 0;
    for (const char c : digits) {
        const int digit = digitValue(c, base);
        if (digit < 0)
            break;
        value = value * base + digit;
    }
    return value;
}

// The decimal number at the start of `s`, rewritten for std::from_chars:
// no '+' sign, 'e' for the exponent. Empty when `s` does not start with one.
struct ScannedNumber {
    std::string chars;
    long long exponent = 0;      // saturated, to tell overflow from underflow
    long long leadingPlaces = 0; // decimal position of the first non-zero digit
};

// Copies an optional sign; from_chars takes '-' but not '+'.
void scanSign(std::string_view s, std::size_t& i, ScannedNumber& d)
{
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-')
            d.chars.push_back('-');
        ++i;
    }
}

// Digits with at most one point; false when there is not a single digit.
bool scanMantissa(std::string_view s, std::size_t& i, ScannedNumber& d)
{
    bool anyDigit = false;
    bool nonZeroSeen = false;
    bool point = false;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '.' && !point) {
            point = true;
        } else if (isDigit(c)) {
            anyDigit = true;
            nonZeroSeen = nonZeroSeen || c != '0';
            if (!point && nonZeroSeen)
                d.leadingPlaces = std::min(d.leadingPlaces + 1, saturation);
            else if (point && !nonZeroSeen)
                d.leadingPlaces = std::max(d.leadingPlaces - 1, -saturation);
        } else {
            break;
        }
        d.chars.push_back(c);
    }
    return anyDigit;
}

bool isExponentLetter(char c) { return c == 'e' || c == 'E' || c == 'd' || c == 'D'; }

// An exponent counts only when at least one digit follows its letter and sign.
void scanExponent(std::string_view s, std::size_t i, ScannedNumber& d)
{
    if (i >= s.size() || !isExponentLetter(s[i]))
        return;
    ++i;
    const bool negative = i < s.size() && s[i] == '-';
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    if (i >= s.size() || !isDigit(s[i]))
        return;
    d.chars.append(negative ? "e-" : "e");
    for (; i < s.size() && isDigit(s[i]); ++i) {
        d.chars.push_back(s[i]);
        d.exponent = std::min(d.exponent * decimalBase + (s[i] - '0'), saturation);
    }
    if (negative)
        d.exponent = -d.exponent;
}

ScannedNumber scanDecimal(std::string_view s)
{
    ScannedNumber d;
    std::size_t i = 0;
    scanSign(s, i, d);
    if (!scanMantissa(s, i, d))
        return {};
    scanExponent(s, i, d);
    return d;
}

bool isRadixInteger(std::string_view s)
{
    return s.size() >= 2 && s[0] == '&'
           && std::string_view("hHoO").find(s[1]) != std::string_view::npos;
}

// a - b for digit strings without leading zeros, a >= b.
std::string minus(const std::string& a, const std::string& b)
{
    std::string difference(a.size(), '0');
    int borrow = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const std::size_t at = a.size() - 1 - i;
        int digit = (a[at] - '0') - borrow - (i < b.size() ? b[b.size() - 1 - i] - '0' : 0);
        borrow = digit < 0 ? 1 : 0;
        digit += borrow * decimalBase;
        difference[at] = static_cast<char>('0' + digit);
    }
    return difference;
}

std::string plus(const std::string& a, const std::string& b)
{
    std::string sum;
    int carry = 0;
    for (std::size_t i = 0; i < std::max(a.size(), b.size()) || carry != 0; ++i) {
        const int digit = carry + (i < a.size() ? a[a.size() - 1 - i] - '0' : 0)
                          + (i < b.size() ? b[b.size() - 1 - i] - '0' : 0);
        sum.push_back(static_cast<char>('0' + digit % decimalBase));
        carry = digit / decimalBase;
    }
    std::ranges::reverse(sum);
    return sum;
}

std::string times(const std::string& a, const std::string& b)
{
    std::vector<int> places(a.size() + b.size(), 0);
    for (std::size_t i = 0; i < a.size(); ++i) {
        for (std::size_t j = 0; j < b.size(); ++j)
            places[i + j + 1] += (a[i] - '0') * (b[j] - '0');
    }
    std::string product(places.size(), '0');
    int carry = 0;
    for (std::size_t i = places.size(); i-- > 0;) {
        const int digit = places[i] + carry;
        product[i] = static_cast<char>('0' + digit % decimalBase);
        carry = digit / decimalBase;
    }
    return product;
}

Dezimal normalised(std::string digits, long long exponent)
{
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return {};
    const std::size_t last = digits.find_last_not_of('0');
    exponent += static_cast<long long>(digits.size() - 1 - last);
    digits.erase(last + 1);
    digits.erase(0, first);
    return {std::move(digits), exponent};
}

// The digits of `zahl` written down to 10^exponent, at or below its own.
std::string digitsDownTo(const Dezimal& zahl, long long exponent)
{
    if (zahl.ziffern.empty())
        return {};
    return zahl.ziffern + std::string(static_cast<std::size_t>(zahl.exponent - exponent), '0');
}

long long lowerExponent(const Dezimal& a, const Dezimal& b)
{
    return std::min(a.ziffern.empty() ? b.exponent : a.exponent,
                    b.ziffern.empty() ? a.exponent : b.exponent);
}

Dezimal integer(long long value) { return normalised(std::to_string(value), 0); }

// A decimal number's digits as typed, trailing zeros included, and the power
// of ten of the last of them: "8.6600" is 86600 and -4, "5e3" is 5 and 3.
struct TypedDigits {
    std::string digits;
    long long lastPlace = 0;
};
TypedDigits typedDigits(const std::string& s)
{
    const ScannedNumber d = scanDecimal(s);
    TypedDigits typed;
    long long places = 0;
    bool point = false;
    for (const char c : d.chars) {
        if (c == 'e')
            break;
        if (c == '.')
            point = true;
        else if (isDigit(c)) {
            typed.digits.push_back(c);
            places += point ? 1 : 0;
        }
    }
    typed.lastPlace = d.exponent - places;
    return typed;
}

} // namespace

double Val(QStringView text)
{
    const std::string s = significant(text);
    if (isRadixInteger(s)) {
        if (s[1] == 'h' || s[1] == 'H')
            return radixInteger(std::string_view(s).substr(2), hexadecimalBase);
        return radixInteger(std::string_view(s).substr(2), octalBase);
    }

    const ScannedNumber d = scanDecimal(s);
    if (d.chars.empty())
        return 0;
    double value = 0;
    const char* const first = d.chars.data();
    const auto [end, error] = std::from_chars(first, first + d.chars.size(), value);
    if (error == std::errc::result_out_of_range) {
        // from_chars leaves the value alone; decide by the decimal magnitude.
        const bool huge = d.leadingPlaces + d.exponent > 0;
        value = huge ? std::numeric_limits<double>::infinity() : 0.0;
        if (d.chars.front() == '-')
            value = -value;
    }
    return value;
}

double ComplementOf(QStringView text, int whole)
{
    const double value = std::fabs(Val(text));
    const double wholeValue = whole;
    // Far from `whole` the difference cancels nothing.
    if (!(value >= wholeValue / 2 && value <= 2 * wholeValue))
        return wholeValue - value;
    const Dezimal typed = dezimal(text);
    const Dezimal ganz = integer(whole);
    const double difference = als_double(abstand(ganz, typed));
    return typed > ganz ? -difference : difference;
}

double Round(double zahl, int places)
{
    if (!std::isfinite(zahl))
        return zahl;
    constexpr double exactIntegers = 0x1p53;
    const double scale = std::pow(10.0, places); // exact for 10^0 .. 10^22
    const double betrag = std::fabs(zahl);
    const double ganz = std::trunc(betrag);
    const double rest = betrag - ganz; // exact

    // rest * scale is exactly p + fehler; compare it with k + 1/2 without rounding.
    const double p = rest * scale;
    const double fehler = std::fma(rest, scale, -p);
    double k = std::floor(p);
    const double zur_mitte = (p - k) - 0.5; // exact, or clearly negative when it is not
    const double richtung = zur_mitte != 0 ? zur_mitte : fehler;
    // With decimal places the scale is even, so k alone decides the parity.
    const bool ungerade = std::fmod(places == 0 ? ganz + k : k, 2.0) != 0;
    if (richtung > 0 || (richtung == 0 && ungerade))
        k += 1;

    const double zaehler = ganz * scale + k;
    const double ergebnis = zaehler < exactIntegers ? zaehler / scale : ganz + k / scale;
    return ergebnis == 0 ? 0.0 : std::copysign(ergebnis, zahl);
}

QString Str(double zahl, const QLocale& locale)
{
    // Digits and exponent stay ASCII in every locale, so that a result can be
    // typed back into a field; only the decimal separator is the locale's.
    QString text = QLocale::c().toString(zahl == 0 ? 0.0 : zahl, 'g', textDigits);
    text.replace(u'.', locale.decimalPoint());
    if (locale.exponential() != u"e")
        text.replace(u'e', u'E');
    return text;
}

double RoundShown(double zahl)
{
    constexpr double fifteenDigits = 1e11;
    const double rounded = Round(zahl, stellen);
    if (!std::isfinite(zahl) || std::fabs(rounded) < fifteenDigits)
        return rounded;
    return Val(Str(zahl, QLocale::c()));
}

std::strong_ordering Dezimal::operator<=>(const Dezimal& other) const
{
    if (ziffern.empty() || other.ziffern.empty())
        return ziffern.size() <=> other.ziffern.size(); // 0 below everything else
    if (const auto order = groessenordnung() <=> other.groessenordnung(); order != 0)
        return order;
    // Without trailing zeros, a shorter run of the same leading digits is smaller.
    return ziffern.compare(other.ziffern) <=> 0;
}

long long Dezimal::groessenordnung() const
{
    return exponent + static_cast<long long>(ziffern.size()) - 1;
}

Dezimal dezimal(QStringView text)
{
    const std::string s = significant(text);
    if (isRadixInteger(s)) {
        const bool hexadecimal = s[1] == 'h' || s[1] == 'H';
        const int base = hexadecimal ? hexadecimalBase : octalBase;
        Dezimal value;
        for (const char c : std::string_view(s).substr(2)) {
            const int digit = digitValue(c, base);
            if (digit < 0)
                break;
            value = value * integer(base) + integer(digit);
        }
        return value;
    }
    const TypedDigits typed = typedDigits(s);
    return normalised(typed.digits, typed.lastPlace);
}

long long letzte_stelle(QStringView text)
{
    const std::string s = significant(text);
    return isRadixInteger(s) ? 0 : typedDigits(s).lastPlace;
}

Dezimal dezimal(long double zahl)
{
    // 40 significant digits, correctly rounded: enough that no rounding to 15
    // digits or fewer afterwards can land on a tie the double's value is not on.
    constexpr int digits = 40;
    constexpr std::size_t room = digits + 16; // sign, point, exponent
    std::array<char, room> text{};
    const long double betrag = std::fabs(zahl);
    if (!std::isfinite(betrag) || betrag == 0)
        return {};
    const auto [end, error] = std::to_chars(text.data(), text.data() + text.size(), betrag,
                                            std::chars_format::scientific, digits - 1);
    return dezimal(QString::fromLatin1(text.data(), end - text.data()));
}

Dezimal operator+(const Dezimal& a, const Dezimal& b)
{
    const long long exponent = lowerExponent(a, b);
    return normalised(plus(digitsDownTo(a, exponent), digitsDownTo(b, exponent)), exponent);
}

Dezimal operator*(const Dezimal& a, const Dezimal& b)
{
    return normalised(times(a.ziffern, b.ziffern), a.exponent + b.exponent);
}

Dezimal abstand(const Dezimal& a, const Dezimal& b)
{
    const long long exponent = lowerExponent(a, b);
    std::string x = digitsDownTo(a, exponent);
    std::string y = digitsDownTo(b, exponent);
    if (a < b)
        std::swap(x, y);
    return normalised(minus(x, y), exponent);
}

Dezimal gerundet(const Dezimal& zahl, long long stelle)
{
    if (zahl.ziffern.empty() || zahl.exponent >= stelle)
        return zahl;
    const long long dropped = stelle - zahl.exponent;
    const auto size = static_cast<long long>(zahl.ziffern.size());
    if (dropped > size)
        return {}; // below a tenth of the unit kept
    const auto kept = static_cast<std::size_t>(size - dropped);
    std::string digits = zahl.ziffern.substr(0, kept);
    const std::string rest = zahl.ziffern.substr(kept);
    const int versusHalf = rest.compare('5' + std::string(rest.size() - 1, '0'));
    const bool odd = !digits.empty() && (digits.back() - '0') % 2 != 0;
    if (versusHalf > 0 || (versusHalf == 0 && odd))
        digits = plus(digits, "1");
    return normalised(std::move(digits), stelle);
}

Dezimal wie_gezeigt(const Dezimal& zahl)
{
    constexpr long long fiveDigits = 5;
    Dezimal shown = gerundet(zahl, -stellen);
    if (shown.ziffern.size() > std::size_t{textDigits})
        shown = gerundet(zahl, zahl.groessenordnung() - (textDigits - 1));
    if (shown.ziffern.empty())
        shown = gerundet(zahl, zahl.groessenordnung() - (fiveDigits - 1));
    return shown;
}

double als_double(const Dezimal& zahl)
{
    if (zahl.ziffern.empty())
        return 0;
    const std::string text = zahl.ziffern + 'e' + std::to_string(zahl.exponent);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range)
        return zahl.groessenordnung() > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return value;
}

} // namespace core
