// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/numbers.hpp"

#include <QLocale>
#include <QtGlobal>

#include <algorithm>
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
// An exponent is held up to this, far beyond the length of any text that can
// exist (a QString holds fewer than 2^62 characters): past it, every number a
// text can write is out of range or 0 all the same. Digit counts are bounded
// by the text's length, so the sums below never overflow, and every exponent
// a text can write is exact.
constexpr long long exponent_grenze = std::numeric_limits<long long>::max() / 4;

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
    long long exponent = 0;      // held up to exponent_grenze either way
    long long leadingPlaces = 0; // decimal position of the first non-zero digit
    std::size_t end = 0;         // where reading stopped
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
                ++d.leadingPlaces;
            else if (point && !nonZeroSeen)
                --d.leadingPlaces;
        } else {
            break;
        }
        d.chars.push_back(c);
    }
    return anyDigit;
}

bool isExponentLetter(char c) { return c == 'e' || c == 'E' || c == 'd' || c == 'D'; }

// An exponent counts only when at least one digit follows its letter and sign.
void scanExponent(std::string_view s, std::size_t& end, ScannedNumber& d)
{
    std::size_t i = end;
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
        const int digit = s[i] - '0';
        d.exponent = d.exponent > (exponent_grenze - digit) / decimalBase
                         ? exponent_grenze
                         : d.exponent * decimalBase + digit;
    }
    if (negative)
        d.exponent = -d.exponent;
    end = i;
}

ScannedNumber scanDecimal(std::string_view s)
{
    ScannedNumber d;
    std::size_t i = 0;
    scanSign(s, i, d);
    if (!scanMantissa(s, i, d))
        return {};
    scanExponent(s, i, d);
    d.end = i;
    return d;
}

bool isRadixInteger(std::string_view s)
{
    return s.size() >= 2 && s[0] == '&'
           && std::string_view("hHoO").find(s[1]) != std::string_view::npos;
}

// A decimal number's digits as typed, trailing zeros included, and the power
// of ten of the last of them: "8.6600" is 86600 and -4, "5e3" is 5 and 3.
struct TypedDigits {
    std::string digits;
    long long lastPlace = 0;
};
TypedDigits typedDigits(const ScannedNumber& d)
{
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

// The largest double, and the smallest one that keeps all its digits.
const mpq_class& groesster()
{
    static const mpq_class wert(std::numeric_limits<double>::max());
    return wert;
}
const mpq_class& kleinster()
{
    static const mpq_class wert(std::numeric_limits<double>::min());
    return wert;
}

mpz_class zehn_hoch(unsigned long exponent)
{
    mpz_class potenz;
    mpz_ui_pow_ui(potenz.get_mpz_t(), decimalBase, exponent);
    return potenz;
}

// ziffern x 10^exponent, exactly. A power of ten has no prime factors but 2
// and 5, so the fraction is put in lowest terms without a gcd of long numbers.
mpq_class mal_zehn_hoch(const mpz_class& ziffern, long long exponent)
{
    if (exponent >= 0 || ziffern == 0)
        return {mpz_class(ziffern * zehn_hoch(static_cast<unsigned long>(exponent))), 1};
    const auto stellen_nach_komma = static_cast<mp_bitcnt_t>(-exponent);
    mpz_class zaehler = ziffern;
    const mp_bitcnt_t zweien =
        std::min<mp_bitcnt_t>(mpz_scan1(zaehler.get_mpz_t(), 0), stellen_nach_komma);
    mpz_tdiv_q_2exp(zaehler.get_mpz_t(), zaehler.get_mpz_t(), zweien);
    constexpr unsigned long fuenf = 5;
    mp_bitcnt_t fuenfen =
        mpz_remove(zaehler.get_mpz_t(), zaehler.get_mpz_t(), mpz_class(fuenf).get_mpz_t());
    if (fuenfen > stellen_nach_komma) {
        mpz_class zurueck;
        mpz_ui_pow_ui(zurueck.get_mpz_t(), fuenf, fuenfen - stellen_nach_komma);
        zaehler *= zurueck;
        fuenfen = stellen_nach_komma;
    }
    mpz_class nenner;
    mpz_ui_pow_ui(nenner.get_mpz_t(), fuenf, stellen_nach_komma - fuenfen);
    mpz_mul_2exp(nenner.get_mpz_t(), nenner.get_mpz_t(), stellen_nach_komma - zweien);
    return {zaehler, nenner};
}

// zahl / 10^exponent as two integers, not put in lowest terms: comparing and
// dividing them needs no gcd of long numbers.
struct Bruch {
    mpz_class zaehler;
    mpz_class nenner;
};
Bruch durch_zehn_hoch(const mpq_class& zahl, long long exponent)
{
    Bruch b{zahl.get_num(), zahl.get_den()};
    if (exponent >= 0)
        b.nenner *= zehn_hoch(static_cast<unsigned long>(exponent));
    else
        b.zaehler *= zehn_hoch(static_cast<unsigned long>(-exponent));
    return b;
}

// "&H1F" and "&O17" exactly, as far as their digits go.
mpz_class radixExact(std::string_view digits, int base)
{
    std::string kept;
    for (const char c : digits) {
        if (digitValue(c, base) < 0)
            break;
        kept.push_back(c);
    }
    return kept.empty() ? mpz_class(0) : mpz_class(kept, base);
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

QString Str(double zahl, const QLocale& locale)
{
    // Digits and exponent stay ASCII in every locale, so that a result can be
    // typed back into a field; only the decimal separator is the locale's. The
    // exponent is "E+15" in every locale, as BASIC's Str writes it.
    QString text = QLocale::c().toString(zahl == 0 ? 0.0 : zahl, 'G', hoechstens_ziffern);
    text.replace(u'.', locale.decimalPoint());
    return text;
}

long long Dezimal::groessenordnung() const
{
    return exponent + static_cast<long long>(ziffern.size()) - 1;
}

mpq_class bruch(const Dezimal& zahl)
{
    if (zahl.ziffern.empty())
        return 0;
    return mal_zehn_hoch(mpz_class(zahl.ziffern), zahl.exponent);
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

long long groessenordnung(const mpq_class& zahl)
{
    Q_ASSERT_X(zahl > 0, "core::groessenordnung", "only a positive number has a first digit");
    if (zahl <= 0)
        return 0;
    // The digit counts tell it to within one either way; comparisons in
    // integers decide.
    const auto zaehler = static_cast<long long>(mpz_sizeinbase(zahl.get_num_mpz_t(), decimalBase));
    const auto nenner = static_cast<long long>(mpz_sizeinbase(zahl.get_den_mpz_t(), decimalBase));
    const auto unter = [&zahl](long long ordnung) { // zahl < 10^ordnung
        const Bruch b = durch_zehn_hoch(zahl, ordnung);
        return b.zaehler < b.nenner;
    };
    long long ordnung = zaehler - nenner;
    while (unter(ordnung))
        --ordnung;
    while (!unter(ordnung + 1))
        ++ordnung;
    return ordnung;
}

Dezimal gerundet(const mpq_class& zahl, long long stelle)
{
    // Below a tenth of the place, a value rounds to 0: no power of ten is
    // made for a place far beyond it (a typed "0e999999999").
    if (zahl == 0 || groessenordnung(zahl) < stelle - 1)
        return {};
    // zahl / 10^stelle = ganz + rest / nenner
    const Bruch b = durch_zehn_hoch(zahl, stelle);
    mpz_class ganz;
    mpz_class rest;
    mpz_tdiv_qr(ganz.get_mpz_t(), rest.get_mpz_t(), b.zaehler.get_mpz_t(), b.nenner.get_mpz_t());
    const int zur_mitte = cmp(2 * rest, b.nenner);
    if (zur_mitte > 0 || (zur_mitte == 0 && mpz_odd_p(ganz.get_mpz_t()) != 0))
        ++ganz;
    if (ganz == 0)
        return {};
    std::string ziffern = ganz.get_str();
    const std::size_t letzte = ziffern.find_last_not_of('0');
    const auto nullen = static_cast<long long>(ziffern.size() - 1 - letzte);
    ziffern.erase(letzte + 1);
    return {std::move(ziffern), stelle + nullen};
}

Bereich bereich(const mpq_class& zahl)
{
    if (zahl == 0)
        return Bereich::null;
    return zahl < kleinster() || zahl > groesster() ? Bereich::ausserhalb : Bereich::innen;
}

Getippt lesen(QStringView text)
{
    const std::string s = significant(text);
    Getippt g;
    g.val = std::fabs(Val(text));
    if (isRadixInteger(s)) {
        const bool hexadecimal = s[1] == 'h' || s[1] == 'H';
        const int base = hexadecimal ? hexadecimalBase : octalBase;
        const auto digits = std::string_view(s).substr(2);
        const auto* const stop =
            std::ranges::find_if(digits, [base](char c) { return digitValue(c, base) < 0; });
        g.gelesen = s.substr(0, 2 + static_cast<std::size_t>(stop - digits.begin()));
        g.ganz = stop == digits.end() && stop != digits.begin();
        g.ziffern = radixExact(digits, base);
        g.wert = g.ziffern;
        g.bereich = bereich(g.wert);
        return g;
    }
    const ScannedNumber d = scanDecimal(s);
    // What was read, the sign left out, since the value is its magnitude.
    const std::size_t sign = !d.chars.empty() && (s[0] == '+' || s[0] == '-') ? 1 : 0;
    g.gelesen = s.substr(sign, d.end - sign);
    g.ganz = sign == 0 && d.end == s.size() && d.end > 0;
    const TypedDigits typed = typedDigits(d);
    g.letzte_stelle = typed.lastPlace;
    const std::size_t erste = typed.digits.find_first_not_of('0');
    if (erste == std::string::npos)
        return g;
    // Far beyond the range the digits need not be multiplied out.
    constexpr long long jenseits = 400;
    const long long ordnung = d.leadingPlaces - 1 + d.exponent;
    if (ordnung > jenseits || ordnung < -jenseits) {
        g.bereich = Bereich::ausserhalb;
        return g;
    }
    g.ziffern = mpz_class(typed.digits.substr(erste));
    g.wert = mal_zehn_hoch(g.ziffern, typed.lastPlace);
    g.bereich = bereich(g.wert);
    return g;
}

} // namespace core

namespace core {
namespace {

// a² ± b², the squares' digits put on one place.
mpq_class quadrate(const Getippt& a, const Getippt& b, int vorzeichen)
{
    const long long stelle = std::min(a.letzte_stelle, b.letzte_stelle);
    const auto verschoben = [stelle](const Getippt& g) {
        return mpz_class(g.ziffern
                         * zehn_hoch(static_cast<unsigned long>(g.letzte_stelle - stelle)));
    };
    const mpz_class x = verschoben(a);
    const mpz_class y = verschoben(b);
    return mal_zehn_hoch(vorzeichen > 0 ? mpz_class(x * x + y * y) : mpz_class(x * x - y * y),
                         2 * stelle);
}

} // namespace

mpq_class quadratsumme(const Getippt& a, const Getippt& b) { return quadrate(a, b, 1); }

mpq_class quadratdifferenz(const Getippt& a, const Getippt& b) { return quadrate(a, b, -1); }

} // namespace core
