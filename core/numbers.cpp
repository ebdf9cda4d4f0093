// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/numbers.hpp"

#include <QLocale>

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

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
struct Decimal {
    std::string chars;
    long long exponent = 0;      // saturated, to tell overflow from underflow
    long long leadingPlaces = 0; // decimal position of the first non-zero digit
};

// Copies an optional sign; from_chars takes '-' but not '+'.
void scanSign(std::string_view s, std::size_t& i, Decimal& d)
{
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-')
            d.chars.push_back('-');
        ++i;
    }
}

// Digits with at most one point; false when there is not a single digit.
bool scanMantissa(std::string_view s, std::size_t& i, Decimal& d)
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
void scanExponent(std::string_view s, std::size_t i, Decimal& d)
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

Decimal scanDecimal(std::string_view s)
{
    Decimal d;
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

bool lessThan(const std::string& a, const std::string& b)
{
    return a.size() != b.size() ? a.size() < b.size() : a < b;
}

void dropLeadingZeros(std::string& digits)
{
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
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

    const Decimal d = scanDecimal(s);
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
    const std::string s = significant(text);
    // Far from `whole` the difference cancels nothing, and integers (the only
    // values of "&H" and "&O") are exact already.
    if (isRadixInteger(s) || !(value >= wholeValue / 2 && value <= 2 * wholeValue))
        return wholeValue - value;

    // |Val| = digits x 10^exponent, exactly.
    const Decimal d = scanDecimal(s);
    std::string digits;
    long long places = 0;
    bool point = false;
    for (const char c : d.chars) {
        if (c == 'e')
            break;
        if (c == '.')
            point = true;
        else if (isDigit(c)) {
            digits.push_back(c);
            places += point ? 1 : 0;
        }
    }
    const long long exponent = d.exponent - places;
    if (exponent >= 0)
        return wholeValue - value; // an integer, exact as read
    dropLeadingZeros(digits);
    // whole x 10^-exponent - digits, then the same power of ten back.
    std::string scaled =
        std::to_string(whole) + std::string(static_cast<std::size_t>(-exponent), '0');
    const bool negative = lessThan(scaled, digits);
    std::string difference = negative ? minus(digits, scaled) : minus(scaled, digits);
    dropLeadingZeros(difference);
    if (difference.empty())
        return 0;
    const std::string exact = (negative ? "-" : "") + difference + 'e' + std::to_string(exponent);
    double complement = 0;
    std::from_chars(exact.data(), exact.data() + exact.size(), complement);
    return complement;
}

double Round(double zahl, int stellen)
{
    if (!std::isfinite(zahl))
        return zahl;
    constexpr double exactIntegers = 0x1p53;
    const double scale = std::pow(10.0, stellen); // exact for 10^0 .. 10^22
    const double betrag = std::fabs(zahl);
    const double ganz = std::trunc(betrag);
    const double rest = betrag - ganz; // exact

    // rest * scale is exactly p + fehler; compare it with k + 1/2 without rounding.
    const double p = rest * scale;
    const double fehler = std::fma(rest, scale, -p);
    double k = std::floor(p);
    const double abstand = (p - k) - 0.5; // exact, or clearly negative when it is not
    const double richtung = abstand != 0 ? abstand : fehler;
    // With decimal places the scale is even, so k alone decides the parity.
    const bool ungerade = std::fmod(stellen == 0 ? ganz + k : k, 2.0) != 0;
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

} // namespace core
