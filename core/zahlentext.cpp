// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/zahlentext.hpp"

#include <QLocale>

#include <algorithm>
#include <array>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace core {
namespace {

constexpr long long ausgeschrieben_ab = -4;  // 0,0001
constexpr long long ausgeschrieben_bis = 14; // below 10^15
constexpr long long gueltige_ziffern = 4;
constexpr long long hoechstens_ziffern = 15; // as the fields show

QString hochgestellt(long long exponent)
{
    constexpr std::array<char16_t, 10> ziffern{u'⁰', u'¹', u'²', u'³', u'⁴',
                                               u'⁵', u'⁶', u'⁷', u'⁸', u'⁹'};
    QString text = exponent < 0 ? u"⁻"_s : QString();
    for (const QChar c : QString::number(std::llabs(exponent)))
        text += QChar(ziffern.at(static_cast<std::size_t>(c.digitValue())));
    return text;
}

// The place a computed value is rounded to: four decimal places, or further
// down to four significant digits, and never more than fifteen digits.
long long rundungsstelle(const Dezimal& zahl)
{
    const long long ordnung = zahl.groessenordnung();
    const long long stelle = std::min(-stellen * 1LL, ordnung - (gueltige_ziffern - 1));
    return std::max(stelle, ordnung - (hoechstens_ziffern - 1));
}

} // namespace

Groesse gegeben(QStringView text)
{
    // Its zeros as typed: "8,66030" tells a value to five places.
    return {dezimal(text), true, letzte_stelle(text)};
}

Groesse auf_stelle(const Dezimal& zahl, long long stelle)
{
    return {gerundet(zahl, stelle), false, stelle};
}

Groesse berechnet(double zahl, const std::optional<Dezimal>& exakt)
{
    const Dezimal quelle = exakt ? *exakt : dezimal(zahl);
    if (quelle.ziffern.empty())
        return {quelle, exakt.has_value(), {}};
    const long long stelle = rundungsstelle(quelle);
    const Dezimal wert = gerundet(quelle, stelle);
    const bool genau = exakt && *exakt == wert;
    if (genau || wert.ziffern.empty())
        return {wert, genau, {}};
    // A rounded value shows four significant digits at least, zeros included
    // ("≈ 2,500"), but no place it was not rounded to.
    return {wert, false, std::max(stelle, wert.groessenordnung() - (gueltige_ziffern - 1))};
}

Groesse berechnet(const Dezimal& exakt) { return berechnet(als_double(exakt), exakt); }

Groesse vier_stellen(long double zahl)
{
    const Dezimal quelle = dezimal(zahl);
    if (quelle.ziffern.empty())
        return {};
    const long long stelle = quelle.groessenordnung() - (gueltige_ziffern - 1);
    Groesse g = auf_stelle(quelle, stelle);
    // Rounding up can carry into a new leading digit: 9,9996 becomes 10,00.
    g.nullen_bis = std::max(stelle, g.wert.groessenordnung() - (gueltige_ziffern - 1));
    return g;
}

QString zahl(const Groesse& g, const QLocale& locale)
{
    const Dezimal& d = g.wert;
    if (d.ziffern.empty())
        return u"0"_s;
    const long long ordnung = d.groessenordnung();
    QString ziffern = QString::fromStdString(d.ziffern);
    // The zeros that count, after the last digit.
    const long long letzte = std::min(d.exponent, g.nullen_bis.value_or(d.exponent));
    ziffern += QString(static_cast<qsizetype>(d.exponent - letzte), u'0');
    const QString komma = locale.decimalPoint();
    if (ordnung > ausgeschrieben_bis || ordnung < ausgeschrieben_ab) {
        const QString mantisse =
            ziffern.size() > 1 ? ziffern.left(1) + komma + ziffern.mid(1) : ziffern;
        return mantisse + u" · 10"_s + hochgestellt(ordnung);
    }
    if (letzte >= 0)
        return ziffern + QString(static_cast<qsizetype>(letzte), u'0');
    const long long ganz = ordnung + 1; // digits before the separator
    if (ganz > 0)
        return ziffern.left(static_cast<qsizetype>(ganz)) + komma
               + ziffern.mid(static_cast<qsizetype>(ganz));
    return u"0"_s + komma + QString(static_cast<qsizetype>(-ganz), u'0') + ziffern;
}

QString eingesetzt(const Groesse& g, const QLocale& locale)
{
    const QString text = zahl(g, locale);
    return text.contains(u'·') ? u'(' + text + u')' : text;
}

QString gleich(bool genau) { return genau ? u" = "_s : u" ≈ "_s; }

} // namespace core
