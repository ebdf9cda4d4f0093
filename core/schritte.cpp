// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/schritte.hpp"

#include <QLocale>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace core {

QString name(Feld feld) { return QString::fromUtf16(benennungen[feld].name); }

QString symbol(Feld feld) { return QString::fromUtf16(benennungen[feld].symbol); }

QString benannt(Feld feld)
{
    return name(feld) + (feld == Feld::winkel ? QString() : u' ' + symbol(feld));
}

QString einheit(Feld feld) { return feld == Feld::winkel ? u"°"_s : QString(); }

QString ausgang_namen(Fall fall)
{
    const std::array<Feld, 2> von = zeile(fall).ausgang;
    return name(von[0]) + u" und "_s + name(von[1]);
}

Werte::Werte(const Loesung& loesung, const QLocale& locale)
    : m_loesung(loesung)
    , m_locale(locale)
{
    const std::array<Feld, 2> ausgang = zeile(loesung.fall).ausgang;
    for (const Feld feld : alle_felder) {
        const bool getippt = std::ranges::find(ausgang, feld) != ausgang.end();
        m_gezeigt[feld] =
            getippt ? gegeben(loesung.getippt[feld]) : berechnet(loesung.dreieck.werte[feld]);
    }
}

QString Werte::zahl(const Groesse& g) const { return core::zahl(g, m_locale); }

QString Werte::eingesetzt(const Groesse& g) const { return core::eingesetzt(g, m_locale); }

QString Werte::einsetzen(const Schritt& s) const
{
    QString text = QString::fromUtf16(s.eingesetzt);
    for (const Feld feld : zeile(m_loesung.fall).ausgang)
        text.replace(u'{' + symbol(feld) + u'}', eingesetzt(m_gezeigt[feld]));
    return text;
}

} // namespace core
