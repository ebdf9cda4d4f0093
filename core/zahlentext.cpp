// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/zahlentext.hpp"

#include <QLocale>
#include <QtGlobal>

#include <algorithm>
#include <array>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace core {
namespace {

constexpr long long ausgeschrieben_ab = -4;  // 0,0001
constexpr long long ausgeschrieben_bis = 14; // below 10^15
constexpr long long gueltige_ziffern = 4;
constexpr qsizetype gruppiert_ab = 5; // integer digits, from 10 000
constexpr qsizetype gruppe = 3;
const QChar schmales_leerzeichen(0x202F); // narrow no-break space

QString hochgestellt(long long exponent)
{
    constexpr std::array<char16_t, 10> ziffern{u'⁰', u'¹', u'²', u'³', u'⁴',
                                               u'⁵', u'⁶', u'⁷', u'⁸', u'⁹'};
    QString text = exponent < 0 ? u"⁻"_s : QString();
    for (const QChar c : QString::number(std::llabs(exponent)))
        text += QChar(ziffern.at(static_cast<std::size_t>(c.digitValue())));
    return text;
}

// Digits before the separator in threes, as German books print them
// ("1 250 000"), from 10 000 up.
QString gruppiert(QString ganz)
{
    if (ganz.size() < gruppiert_ab)
        return ganz;
    for (qsizetype i = ganz.size() - gruppe; i > 0; i -= gruppe)
        ganz.insert(i, schmales_leerzeichen);
    return ganz;
}

// A value's exactness, which "=" or "≈" states: decided for every value a
// triangle's calculation forms.
bool genau_gleich(const Zahl& zahl, const Dezimal& wert)
{
    Q_ASSERT_X(zahl.entschieden(), "core::genau_gleich", "whether the value is rational");
    const auto exakt = zahl.rational();
    return exakt && *exakt == bruch(wert);
}

} // namespace

long long textstelle(long long groessenordnung)
{
    const long long stelle = std::min(-stellen * 1LL, groessenordnung - (gueltige_ziffern - 1));
    return std::max(stelle, groessenordnung - (hoechstens_gueltig - 1));
}

long long vier_ziffern(long long groessenordnung) { return groessenordnung - 3; }
long long drei_ziffern(long long groessenordnung) { return groessenordnung - 2; }

Groesse gegeben(const Getippt& getippt)
{
    // Its zeros as typed: "8,66030" tells a value to five places.
    return {gerundet(getippt.wert, getippt.letzte_stelle), true, getippt.letzte_stelle};
}

Groesse auf_stelle(const Zahl& zahl, long long stelle)
{
    Dezimal wert = zahl.auf_stelle(stelle);
    const bool genau = genau_gleich(zahl, wert);
    return {std::move(wert), genau, genau ? std::nullopt : std::optional(stelle)};
}

Groesse berechnet(const Zahl& zahl, Stellenregel regel)
{
    Gerundet g = zahl.gerundet(regel);
    const bool genau = genau_gleich(zahl, g.wert);
    if (genau || g.wert.ziffern.empty())
        return {std::move(g.wert), genau, {}};
    // A rounded value keeps its zeros down to the place it was rounded to
    // ("≈ 2,5000"), but where rounding carried into a new leading digit no
    // more than that digit's rule asks for ("0,001000", not "0,0010000").
    const long long stelle = std::max(g.stelle, regel(g.wert.groessenordnung()));
    return {std::move(g.wert), false, stelle};
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
    // A rounded value whose zeros before the separator do not count is
    // written with a power of ten, so that it claims no digit it lacks.
    const bool stumme_nullen = !g.genau && letzte > 0;
    if (ordnung > ausgeschrieben_bis || ordnung < ausgeschrieben_ab || stumme_nullen) {
        const QString mantisse =
            ziffern.size() > 1 ? ziffern.left(1) + komma + ziffern.mid(1) : ziffern;
        return mantisse + u" · 10"_s + hochgestellt(ordnung);
    }
    if (letzte >= 0)
        return gruppiert(ziffern + QString(static_cast<qsizetype>(letzte), u'0'));
    const long long ganz = ordnung + 1; // digits before the separator
    if (ganz > 0)
        return gruppiert(ziffern.left(static_cast<qsizetype>(ganz))) + komma
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
