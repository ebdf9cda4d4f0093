// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference.hpp"

#include "core/numbers.hpp"
#include "core/zahlentext.hpp"

#include <locale.h> // NOLINT(modernize-deprecated-headers): newlocale and strtod_l are POSIX
#include <mpfr.h>

#include <QLocale>
#include <QRegularExpression>
#include <QStringList>

#include <gmpxx.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <regex>
#include <string>
#include <string_view>
#include <utility>

using namespace Qt::StringLiterals;

namespace reference {
namespace {

// A 4096-bit number: more digits than any cancellation of typed values in the
// double range can eat.
class Big {
public:
    Big() { mpfr_init2(m_value, bits); }
    Big(double value)
        : Big()
    {
        mpfr_set_d(m_value, value, MPFR_RNDN);
    }
    Big(const Big& other)
        : Big()
    {
        mpfr_set(m_value, other.m_value, MPFR_RNDN);
    }
    Big& operator=(const Big& other)
    {
        mpfr_set(m_value, other.m_value, MPFR_RNDN);
        return *this;
    }
    Big(Big&& other) noexcept
        : Big()
    {
        mpfr_swap(m_value, other.m_value);
    }
    Big& operator=(Big&& other) noexcept
    {
        mpfr_swap(m_value, other.m_value);
        return *this;
    }
    ~Big() { mpfr_clear(m_value); }

    [[nodiscard]] mpfr_srcptr get() const { return m_value; }
    [[nodiscard]] mpfr_ptr mutableGet() { return m_value; }
    [[nodiscard]] Wert text() const
    {
        mpfr_exp_t exponent = 0;
        char* const digits = mpfr_get_str(nullptr, &exponent, 10, 0, m_value, MPFR_RNDN);
        Wert t = digits;
        mpfr_free_str(digits);
        if (t == "0" || t.empty())
            return "0";
        const bool negative = t.front() == '-';
        if (negative)
            t.erase(0, 1);
        return (negative ? "-0." : "0.") + t + "e" + std::to_string(exponent);
    }

    [[nodiscard]] static Big pi()
    {
        Big r;
        mpfr_const_pi(r.m_value, MPFR_RNDN);
        return r;
    }
    // A decimal number in C syntax, read to the nearest 4096-bit number.
    [[nodiscard]] static Big decimal(const std::string& text)
    {
        Big r;
        mpfr_set_str(r.m_value, text.c_str(), 10, MPFR_RNDN);
        mpfr_abs(r.m_value, r.m_value, MPFR_RNDN);
        return r;
    }

    using Unary = int (*)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t);
    using Binary = int (*)(mpfr_ptr, mpfr_srcptr, mpfr_srcptr, mpfr_rnd_t);
    [[nodiscard]] friend Big apply(Unary f, const Big& x)
    {
        Big r;
        f(r.m_value, x.m_value, MPFR_RNDN);
        return r;
    }
    [[nodiscard]] friend Big apply(Binary f, const Big& x, const Big& y)
    {
        Big r;
        f(r.m_value, x.m_value, y.m_value, MPFR_RNDN);
        return r;
    }

private:
    static constexpr mpfr_prec_t bits = 4096;
    mpfr_t m_value;
};

Big operator*(const Big& x, const Big& y) { return apply(mpfr_mul, x, y); }
Big operator/(const Big& x, const Big& y) { return apply(mpfr_div, x, y); }
Big operator-(const Big& x, const Big& y) { return apply(mpfr_sub, x, y); }

constexpr long halfCircle = 180;
constexpr double rightAngle = 90;

bool unknown(const QString& text) { return text == u"?"; }

enum Field : std::uint8_t { Winkel, An, Ge, Hyp };

Big sin(const Big& x) { return apply(mpfr_sin, x); }
Big cos(const Big& x) { return apply(mpfr_cos, x); }
Big tan(const Big& x) { return apply(mpfr_tan, x); }
Big asin(const Big& x) { return apply(mpfr_asin, x); }
Big acos(const Big& x) { return apply(mpfr_acos, x); }
Big atan(const Big& x) { return apply(mpfr_atan, x); }
Big sqrt(const Big& x) { return apply(mpfr_sqrt, x); }
Big square(const Big& x) { return apply(mpfr_sqr, x); }
Big operator+(const Big& x, const Big& y) { return apply(mpfr_add, x, y); }

std::string withoutBlanks(const QString& text);

// A field's number exactly as typed: its decimal text by Val's grammar, or
// an "&H" or "&O" integer, which a double holds exactly where it matters.
Big typed(const QString& text)
{
    if (const std::optional<std::string> number = dezimalzahl(text))
        return Big::decimal(*number);
    static const std::regex radix("^&([hHoO])([0-9a-fA-F]*)");
    const std::string s = withoutBlanks(text);
    std::smatch match;
    Big r(0.0);
    if (std::regex_search(s, match, radix)) {
        const bool hex = match[1].str() == "h" || match[1].str() == "H";
        std::string digits = match[2].str();
        const auto end = std::ranges::find_if(digits, [hex](char c) {
            return hex ? !std::isxdigit(static_cast<unsigned char>(c)) : (c < '0' || c > '7');
        });
        digits.erase(end, digits.end());
        if (!digits.empty())
            mpfr_set_str(r.mutableGet(), digits.c_str(), hex ? 16 : 8, MPFR_RNDN);
    }
    return r;
}

Big degreesToRadians(const Big& degrees) { return degrees * Big::pi() / Big(halfCircle); }
Big radiansToDegrees(const Big& radians) { return radians * Big(halfCircle) / Big::pi(); }

struct Triangle {
    Big alpha, an, ge, hyp, beta;
};

// With the angle: two unknown sides name the known one; both legs given
// start from the adjacent one; anything else from the hypotenuse.
Triangle withAngle(const std::array<QString, 4>& t, std::array<bool, 4>& written)
{
    const Big degrees = typed(t[Winkel]);
    const Big w = degreesToRadians(degrees);
    Triangle r{degrees, typed(t[An]), typed(t[Ge]), typed(t[Hyp]), Big(rightAngle) - degrees};
    if (unknown(t[An]) && unknown(t[Hyp])) {
        r.an = r.ge / tan(w);
        r.hyp = r.ge / sin(w);
        written = {false, true, false, true};
    } else if (unknown(t[Hyp]) && !(unknown(t[An]) && unknown(t[Ge]))) {
        r.ge = r.an * tan(w);
        r.hyp = r.an / cos(w);
        written = {false, false, true, true};
    } else {
        r.an = r.hyp * cos(w);
        r.ge = r.hyp * sin(w);
        written = {false, true, true, false};
    }
    return r;
}

// Without it the first unknown side decides; all three given count as the
// opposite leg and the hypotenuse.
Triangle withoutAngle(const std::array<QString, 4>& t, std::array<bool, 4>& written)
{
    Triangle r{{}, typed(t[An]), typed(t[Ge]), typed(t[Hyp]), {}};
    if (!unknown(t[An]) && unknown(t[Hyp])) {
        r.hyp = sqrt(square(r.an) + square(r.ge));
        r.alpha = radiansToDegrees(atan(r.ge / r.an));
        written = {true, false, false, true};
    } else if (!unknown(t[An]) && unknown(t[Ge])) {
        r.ge = sqrt(square(r.hyp) - square(r.an));
        r.alpha = radiansToDegrees(acos(r.an / r.hyp));
        written = {true, false, true, false};
    } else {
        r.an = sqrt(square(r.hyp) - square(r.ge));
        r.alpha = radiansToDegrees(asin(r.ge / r.hyp));
        written = {true, true, false, false};
    }
    r.beta = Big(rightAngle) - r.alpha;
    return r;
}

// Within this share of a value, a rounding is too close to its tie to tell.
const Big& nearTie()
{
    static const Big share = [] {
        Big s;
        mpfr_set_ui_2exp(s.mutableGet(), 1, -3500, MPFR_RNDN);
        return s;
    }();
    return share;
}

// 10^exponent
Big powerOfTen(long long exponent)
{
    Big r;
    mpfr_ui_pow_ui(r.mutableGet(), 10, static_cast<unsigned long>(std::llabs(exponent)), MPFR_RNDN);
    if (exponent < 0)
        mpfr_ui_div(r.mutableGet(), 1, r.get(), MPFR_RNDN);
    return r;
}

// The text as Val sees it: blanks, tabs and line feeds removed, and any
// other character beyond ASCII one that ends every number.
std::string withoutBlanks(const QString& text)
{
    std::string s;
    for (const QChar c : text) {
        if (c != u' ' && c != u'\t' && c != u'\n')
            s.push_back(c.unicode() < 0x80 ? static_cast<char>(c.unicode()) : '\x01');
    }
    return s;
}

// The digits of an "&H" or "&O" integer at the start of `s`, as far as they go.
double radixInteger(const std::string& s, const std::regex& pattern, int base)
{
    std::smatch match;
    if (!std::regex_search(s, match, pattern))
        return 0;
    double value = 0;
    for (const char c : match[1].str())
        value = value * base + std::stoi(std::string(1, c), nullptr, base);
    return value;
}

} // namespace

std::optional<std::string> dezimalzahl(const QString& text)
{
    static const std::regex decimal("^[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eEdD][+-]?[0-9]+)?");
    const std::string s = withoutBlanks(text);
    std::smatch match;
    if (s.starts_with('&') || !std::regex_search(s, match, decimal))
        return std::nullopt;
    std::string number = match[0].str();
    std::ranges::replace_if(number, [](char c) { return c == 'd' || c == 'D'; }, 'e');
    return number;
}

double val(const QString& text)
{
    static const std::regex hex("^&[hH]([0-9a-fA-F]*)");
    static const std::regex octal("^&[oO]([0-7]*)");
    constexpr int hexadecimal = 16;
    constexpr int octalBase = 8;
    const std::string s = withoutBlanks(text);
    if (s.starts_with("&h") || s.starts_with("&H"))
        return radixInteger(s, hex, hexadecimal);
    if (s.starts_with("&o") || s.starts_with("&O"))
        return radixInteger(s, octal, octalBase);
    const std::optional<std::string> number = dezimalzahl(text);
    if (!number)
        return 0;
    static const locale_t c_locale = newlocale(LC_ALL_MASK, "C", nullptr);
    return strtod_l(number->c_str(), nullptr, c_locale);
}

Werte berechnen(const std::array<QString, 4>& texts)
{
    int markers = 0;
    for (const QString& text : texts)
        markers += unknown(text) ? 1 : 0;
    if (markers > 2)
        return {};
    // An angle of 90 or more is reported; the sine of a huge one would take MPFR ages.
    if (!unknown(texts[Winkel]) && mpfr_cmp_d(typed(texts[Winkel]).get(), rightAngle) >= 0)
        return {};
    std::array<bool, 4> written{};
    const Triangle r =
        unknown(texts[Winkel]) ? withoutAngle(texts, written) : withAngle(texts, written);
    Werte w;
    const std::array<const Big*, 4> fields{&r.alpha, &r.an, &r.ge, &r.hyp};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (written.at(i))
            w.felder[i] = fields.at(i)->text();
    }
    w.beta = r.beta.text();
    w.flaeche = (r.an * r.ge / Big(2)).text();
    w.umfang = (r.an + r.ge + r.hyp).text();
    w.p = (square(r.ge) / r.hyp).text();
    w.q = (square(r.an) / r.hyp).text();
    w.h = (r.an * r.ge / r.hyp).text();
    return w;
}

namespace {

// x / 10^stelle, and its distance to the nearest integer's tie.
struct Skaliert {
    Big wert;
    Big gerundet;
    bool zu_nah; // too close to a tie to tell
};
Skaliert skaliert(const Big& x, long long stelle)
{
    Skaliert s{x / powerOfTen(stelle), {}, false};
    mpfr_rint(s.gerundet.mutableGet(), s.wert.get(), MPFR_RNDN);
    Big zurMitte = s.wert - s.gerundet;
    mpfr_abs(zurMitte.mutableGet(), zurMitte.get(), MPFR_RNDN);
    zurMitte = zurMitte - Big(0.5);
    mpfr_abs(zurMitte.mutableGet(), zurMitte.get(), MPFR_RNDN);
    Big grenze = s.wert * nearTie();
    mpfr_abs(grenze.mutableGet(), grenze.get(), MPFR_RNDN);
    s.zu_nah = mpfr_cmp(zurMitte.get(), grenze.get()) < 0;
    return s;
}

long long groessenordnung(const Big& x)
{
    mpfr_exp_t exponent = 0;
    char* const digits = mpfr_get_str(nullptr, &exponent, 10, 2, x.get(), MPFR_RNDZ);
    mpfr_free_str(digits);
    return static_cast<long long>(exponent) - 1;
}

} // namespace

std::optional<QString> feldtext(const Wert& exakt)
{
    constexpr long long vierStellen = -4;
    constexpr long long fuenfzehnZiffernAb = 11;
    const Big x = Big::decimal(exakt);
    if (mpfr_zero_p(x.get()) != 0)
        return u"0"_s;
    Skaliert s = skaliert(x, vierStellen);
    long long stelle = vierStellen;
    if (mpfr_cmp(s.gerundet.get(), powerOfTen(fuenfzehnZiffernAb - vierStellen).get()) >= 0) {
        stelle = groessenordnung(x) - 14;
        s = skaliert(x, stelle);
    }
    if (s.zu_nah)
        return std::nullopt;
    mpz_class ziffern;
    mpfr_get_z(ziffern.get_mpz_t(), s.gerundet.get(), MPFR_RNDN);
    core::Dezimal d = core::gerundet(mpq_class(ziffern), 0);
    d.exponent += stelle;
    return core::Str(core::als_double(d), QLocale::c());
}

bool gerundet_richtig(const std::string& gedruckt, long long stelle, const Wert& exakt, bool genau)
{
    const Big x = Big::decimal(exakt);
    const Big d = Big::decimal(gedruckt);
    Big abstand = x - d;
    mpfr_abs(abstand.mutableGet(), abstand.get(), MPFR_RNDN);
    Big winzig = x * nearTie();
    mpfr_abs(winzig.mutableGet(), winzig.get(), MPFR_RNDN);
    const bool gleich = mpfr_cmp(abstand.get(), winzig.get()) <= 0;
    if (genau)
        return gleich;
    const Skaliert s = skaliert(x, stelle);
    const Big erwartet = s.gerundet * powerOfTen(stelle);
    Big fehler = erwartet - d;
    mpfr_abs(fehler.mutableGet(), fehler.get(), MPFR_RNDN);
    // The same decimal as the one rounded here, and no "≈" before an exact value.
    const Big viertelEinheit = powerOfTen(stelle) * Big(0.25);
    return (s.zu_nah || mpfr_cmp(fehler.get(), viertelEinheit.get()) < 0) && !gleich;
}

bool ausserhalb(const Wert& exakt)
{
    const Big x = Big::decimal(exakt);
    return mpfr_cmp_d(x.get(), std::numeric_limits<double>::max()) > 0;
}

namespace {

// A number as the worked solution prints it in the C locale ("1.414 · 10⁻⁵"),
// in C syntax, and the place of its last digit.
struct Printed {
    std::string number;
    long long place = 0;
};
Printed printed(QString text)
{
    text.remove(u'°');
    long long exponent = 0;
    if (const qsizetype times = text.indexOf(u" · 10"_s); times >= 0) {
        const QString superscript = text.mid(times + 5);
        text.truncate(times);
        bool negative = false;
        for (const QChar c : superscript) {
            if (c == u'⁻') {
                negative = true;
                continue;
            }
            constexpr std::u16string_view digits = u"⁰¹²³⁴⁵⁶⁷⁸⁹";
            exponent = exponent * 10 + static_cast<long long>(digits.find(c.unicode()));
        }
        exponent = negative ? -exponent : exponent;
    }
    const qsizetype point = text.indexOf(u'.');
    const long long places = point < 0 ? 0 : text.size() - point - 1;
    return {text.toStdString() + "e" + std::to_string(exponent), exponent - places};
}

// The power of ten of a printed number's first digit ("0.001000e0": -3).
long long groessenordnung(const std::string& number)
{
    const std::size_t e = number.find('e');
    const std::size_t first = number.find_first_of("123456789");
    const std::size_t point = std::min(number.find('.'), e);
    const long long exponent = std::stoll(number.substr(e + 1));
    return first < point ? exponent + static_cast<long long>(point - first) - 1
                         : exponent - static_cast<long long>(first - point);
}

// A result's value without its unit and digit groups: lengths in LE, the
// area in FE, angles in degrees; nothing where the unit is not the quantity's.
std::optional<QString> ohne_einheit(const QString& symbol, QString wert)
{
    QString einheit = symbol == u"A" ? u" FE"_s : u" LE"_s;
    if (symbol == u"α" || symbol == u"β")
        einheit.clear();
    if (!wert.endsWith(einheit))
        return std::nullopt;
    wert.chop(einheit.size());
    return wert.remove(QChar(0x202F));
}

using Namen = std::array<std::pair<QString, const std::optional<Wert>*>, 10>;

// One statement "… Name = number" or "… Name ≈ number": a result, with its
// unit and to the text's one place for its size, or a sketch's label, which
// names no unit of length and gives a given value to its typed places.
bool stimmt(const QString& item, bool ergebnis, const Namen& names)
{
    const qsizetype at = std::max(item.indexOf(u" = "_s), item.indexOf(u" ≈ "_s));
    const QString symbol = item.left(at).split(u' ').back();
    const auto* const found = std::ranges::find(names, symbol, &Namen::value_type::first);
    if (at < 0 || found == names.end())
        return false;
    const bool genau = item.at(at + 1) == u'=';
    // A label of a value the calculation starts from states it as typed.
    if (!*found->second)
        return !ergebnis && genau;
    const std::optional<QString> wert = ergebnis
                                            ? ohne_einheit(symbol, item.mid(at + 3))
                                            : std::optional(item.mid(at + 3).remove(QChar(0x202F)));
    if (!wert)
        return false;
    const Printed p = printed(*wert);
    return gerundet_richtig(p.number, p.place, **found->second, genau)
           && (genau || !ergebnis || p.place == core::textstelle(groessenordnung(p.number)));
}

} // namespace

std::optional<QString> falsches_ergebnis(const core::Rechenweg& r, const Werte& exact)
{
    const Namen names{{
        {u"α"_s, &exact.felder[core::Feld::winkel]},
        {u"b"_s, &exact.felder[core::Feld::an]},
        {u"a"_s, &exact.felder[core::Feld::ge]},
        {u"c"_s, &exact.felder[core::Feld::hyp]},
        {u"β"_s, &exact.beta},
        {u"A"_s, &exact.flaeche},
        {u"u"_s, &exact.umfang},
        {u"p"_s, &exact.p},
        {u"q"_s, &exact.q},
        {u"h"_s, &exact.h},
    }};
    // The results by their letters: "Gegenkathete a ≈ 2,8868 LE", "A ≈ 7,2169 FE; u ≈ …".
    const QString weitere = u"Weitere Größen: "_s;
    for (QString line : r.absaetze.back().mid(1)) {
        if (line.startsWith(weitere))
            line.remove(0, weitere.size());
        for (const QString& item : line.split(u"; "_s)) {
            if (!stimmt(item, true, names))
                return item;
        }
    }
    // The sketch's labels: "a ≈ 2,8868", "β = 60°".
    QStringList labels(r.beschriftung.begin(), r.beschriftung.end());
    for (const QString& label : labels << r.beta) {
        if (!stimmt(label, false, names))
            return label;
    }
    return std::nullopt;
}

namespace {

// The numbers put in, as the worksheet prints them in the C locale: sums,
// products and quotients of numbers (grouped by narrow spaces, or digits
// times a power of ten), squares, square roots and "½".
class Ausdruck {
public:
    explicit Ausdruck(QString text)
        : m_text(std::move(text).remove(QChar(0x202F)))
    {
    }

    [[nodiscard]] std::optional<Big> wert()
    {
        Big x = summe();
        return m_ok && m_at == m_text.size() ? std::optional(x) : std::nullopt;
    }

private:
    bool weiter(QStringView zeichen)
    {
        if (!QStringView(m_text).mid(m_at).startsWith(zeichen))
            return false;
        m_at += zeichen.size();
        return true;
    }

    Big summe()
    {
        Big x = produkt();
        while (weiter(u" + "))
            x = x + produkt();
        return x;
    }

    Big produkt()
    {
        Big x = potenz();
        for (;;) {
            if (weiter(u" · "))
                x = x * potenz();
            else if (weiter(u" / "))
                x = x / potenz();
            else
                return x;
        }
    }

    Big potenz()
    {
        Big x = faktor();
        return weiter(u"²") ? square(x) : x;
    }

    Big faktor()
    {
        if (weiter(u"½"))
            return {0.5};
        if (weiter(u"√(")) {
            Big x = sqrt(summe());
            m_ok = m_ok && weiter(u")");
            return x;
        }
        if (weiter(u"(")) {
            Big x = summe();
            m_ok = m_ok && weiter(u")");
            return x;
        }
        const qsizetype von = m_at;
        while (m_at < m_text.size() && (m_text.at(m_at).isDigit() || m_text.at(m_at) == u'.'))
            ++m_at;
        m_ok = m_ok && m_at > von;
        std::string zahl = m_text.mid(von, m_at - von).toStdString();
        // A power of ten: " · 10" and a superscript exponent.
        if (QStringView(m_text).mid(m_at).startsWith(u" · 10")
            && QStringView(m_text).mid(m_at + 5, 1).indexOf(QRegularExpression(u"[⁻⁰¹²³⁴⁵⁶⁷⁸⁹]"_s))
                   == 0) {
            m_at += 5;
            std::string exponent;
            for (; m_at < m_text.size(); ++m_at) {
                constexpr std::u16string_view hoch = u"⁰¹²³⁴⁵⁶⁷⁸⁹";
                const char16_t c = m_text.at(m_at).unicode();
                if (c == u'⁻')
                    exponent += '-';
                else if (hoch.find(c) != std::u16string_view::npos)
                    exponent += static_cast<char>('0' + hoch.find(c));
                else
                    break;
            }
            zahl += "e" + exponent;
        }
        return Big::decimal(zahl.empty() ? "0" : zahl);
    }

    QString m_text;
    qsizetype m_at = 0;
    bool m_ok = true;
};

} // namespace

std::optional<QString> geht_nicht_auf(const core::Rechenweg& r)
{
    const QString ungerundet = u" (mit den ungerundeten Werten gerechnet)"_s;
    static const QRegularExpression relation(u" [=≈] "_s);
    for (const QStringList& absatz : r.absaetze) {
        if (absatz.front() != u"Weitere Größen:")
            continue;
        for (const QString& zeile : absatz.mid(1)) {
            if (zeile.endsWith(ungerundet))
                continue;
            const QStringList teile = zeile.split(relation);
            if (teile.size() < 3)
                return zeile;
            const std::optional<Big> eingesetzt = Ausdruck(teile.at(teile.size() - 2)).wert();
            const Printed p = printed(teile.back().trimmed().remove(QChar(0x202F)));
            if (!eingesetzt)
                return zeile;
            const Skaliert s = skaliert(*eingesetzt, p.place);
            Big fehler = s.gerundet * powerOfTen(p.place) - Big::decimal(p.number);
            mpfr_abs(fehler.mutableGet(), fehler.get(), MPFR_RNDN);
            const Big viertelEinheit = powerOfTen(p.place) * Big(0.25);
            if (!s.zu_nah && mpfr_cmp(fehler.get(), viertelEinheit.get()) >= 0) {
                constexpr std::size_t ziffern = 24;
                const Wert t = eingesetzt->text();
                const std::size_t e = t.find('e');
                return zeile + u" (nachgerechnet: "_s
                       + QString::fromStdString(t.substr(0, std::min(e, ziffern)) + t.substr(e))
                       + u')';
            }
        }
    }
    return std::nullopt;
}

} // namespace reference
