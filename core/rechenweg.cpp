// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/rechenweg.hpp"

#include "core/numbers.hpp"

#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cmath>

namespace core {
namespace {

constexpr int stellen = 4;

// How the calculation went from the two quantities it starts from to one it
// writes: the ratio (or theorem) used, the formula solved for the unknown,
// and the numbers put in, %1 and %2 standing for the two starting quantities.
struct Schritt {
    Fall fall;
    Feld feld;
    const char16_t* satz;
    const char16_t* formel;
    const char16_t* eingesetzt;
};

constexpr std::array<Schritt, 12> schritte{{
    {Fall::winkel_an, Feld::ge, u"tan α = Gegenkathete / Ankathete",
     u"Gegenkathete = Ankathete · tan α", u"%1 · tan %2°"},
    {Fall::winkel_an, Feld::hyp, u"cos α = Ankathete / Hypotenuse",
     u"Hypotenuse = Ankathete / cos α", u"%1 / cos %2°"},
    {Fall::winkel_ge, Feld::an, u"tan α = Gegenkathete / Ankathete",
     u"Ankathete = Gegenkathete / tan α", u"%1 / tan %2°"},
    {Fall::winkel_ge, Feld::hyp, u"sin α = Gegenkathete / Hypotenuse",
     u"Hypotenuse = Gegenkathete / sin α", u"%1 / sin %2°"},
    {Fall::winkel_hyp, Feld::an, u"cos α = Ankathete / Hypotenuse",
     u"Ankathete = Hypotenuse · cos α", u"%1 · cos %2°"},
    {Fall::winkel_hyp, Feld::ge, u"sin α = Gegenkathete / Hypotenuse",
     u"Gegenkathete = Hypotenuse · sin α", u"%1 · sin %2°"},
    {Fall::an_ge, Feld::hyp, u"Ankathete² + Gegenkathete² = Hypotenuse²",
     u"Hypotenuse = √(Ankathete² + Gegenkathete²)", u"√(%1² + %2²)"},
    {Fall::an_ge, Feld::winkel, u"tan α = Gegenkathete / Ankathete",
     u"α = arctan(Gegenkathete / Ankathete)", u"arctan(%2 / %1)"},
    {Fall::an_hyp, Feld::winkel, u"cos α = Ankathete / Hypotenuse",
     u"α = arccos(Ankathete / Hypotenuse)", u"arccos(%1 / %2)"},
    {Fall::an_hyp, Feld::ge, u"Ankathete² + Gegenkathete² = Hypotenuse²",
     u"Gegenkathete = √(Hypotenuse² − Ankathete²)", u"√(%2² − %1²)"},
    {Fall::ge_hyp, Feld::winkel, u"sin α = Gegenkathete / Hypotenuse",
     u"α = arcsin(Gegenkathete / Hypotenuse)", u"arcsin(%1 / %2)"},
    {Fall::ge_hyp, Feld::an, u"Ankathete² + Gegenkathete² = Hypotenuse²",
     u"Ankathete = √(Hypotenuse² − Gegenkathete²)", u"√(%2² − %1²)"},
}};

// The two quantities each case starts from, in the order %1, %2.
std::array<Feld, 2> ausgang(Fall fall)
{
    switch (fall) {
    case Fall::winkel_an: return {Feld::an, Feld::winkel};
    case Fall::winkel_ge: return {Feld::ge, Feld::winkel};
    case Fall::winkel_hyp: return {Feld::hyp, Feld::winkel};
    case Fall::an_ge: return {Feld::an, Feld::ge};
    case Fall::an_hyp: return {Feld::an, Feld::hyp};
    case Fall::ge_hyp: break;
    }
    return {Feld::ge, Feld::hyp};
}

QString name(Feld feld)
{
    switch (feld) {
    case Feld::winkel: return QStringLiteral("Winkel α");
    case Feld::an: return QStringLiteral("Ankathete");
    case Feld::ge: return QStringLiteral("Gegenkathete");
    case Feld::hyp: break;
    }
    return QStringLiteral("Hypotenuse");
}

QString einheit(Feld feld) { return feld == Feld::winkel ? QStringLiteral("°") : QString(); }

const QString& text_von(const Texte& texte, Feld feld)
{
    return texte.at(static_cast<std::size_t>(feld));
}

// A computed value as a field shows it; beyond the double range in words.
QString zahl(double wert, const QLocale& locale)
{
    if (!std::isfinite(wert))
        return QStringLiteral("außerhalb des Rechenbereichs");
    return Str(Round(wert, stellen), locale);
}

// A given value as typed, with the locale's decimal separator; a text that is
// more than digits and a point (a sign, an exponent, a second point, "&H")
// as the number the calculation read from it.
QString gegeben(const QString& text, const QLocale& locale)
{
    const QString knapp = text.trimmed();
    const bool schlicht = !knapp.isEmpty() && knapp.count(u'.') <= 1 && knapp != u"."
                          && std::ranges::all_of(
                              knapp, [](QChar c) { return c == u'.' || (c >= u'0' && c <= u'9'); });
    if (!schlicht)
        return Str(std::fabs(Val(text)), locale);
    QString zahl = knapp;
    return zahl.replace(u'.', locale.decimalPoint());
}

QString gegeben_mit_einheit(const Texte& eingabe, Feld feld, const QLocale& locale)
{
    return gegeben(text_von(eingabe, feld), locale) + einheit(feld);
}

// A given number as it is put into a formula: in exponent form bracketed, so
// that a square or a quotient applies to all of it.
QString eingesetzt(const Texte& eingabe, Feld feld, const QLocale& locale)
{
    const QString zahl = gegeben(text_von(eingabe, feld), locale);
    return zahl.contains(u'e', Qt::CaseInsensitive) ? u'(' + zahl + u')' : zahl;
}

const Schritt& schritt(Fall fall, Feld feld)
{
    return *std::ranges::find_if(
        schritte, [fall, feld](const Schritt& s) { return s.fall == fall && s.feld == feld; });
}

// One written value: the ratio, the solved formula with the numbers put in,
// and a note where a given value is replaced.
QStringList absatz(const Texte& eingabe, const Ergebnis& e, const Schreiben& geschrieben,
                   const QLocale& locale)
{
    const Schritt& s = schritt(e.fall, geschrieben.feld);
    const std::array<Feld, 2> von = ausgang(e.fall);
    QStringList zeilen;
    if (text_von(eingabe, geschrieben.feld) != unbekannt) {
        zeilen << name(geschrieben.feld) + QStringLiteral(" neu berechnet aus ") + name(von[0])
                      + QStringLiteral(" und ") + name(von[1]) + QStringLiteral(" (eingegeben: ")
                      + gegeben_mit_einheit(eingabe, geschrieben.feld, locale) + u')';
    }
    zeilen << QString::fromUtf16(s.satz);
    zeilen << QString::fromUtf16(s.formel) + QStringLiteral(" = ")
                  + QString::fromUtf16(s.eingesetzt)
                        .arg(eingesetzt(eingabe, von[0], locale),
                             eingesetzt(eingabe, von[1], locale))
                  + QStringLiteral(" = ") + Str(geschrieben.wert, locale)
                  + einheit(geschrieben.feld);
    return zeilen;
}

} // namespace

Zusatz zusatz(const Ergebnis& ergebnis)
{
    const formeln::Dreieck& d = ergebnis.seiten;
    // Half the product without overflowing where only the product would.
    const double produkt = d.an * d.ge;
    const double flaeche = std::isfinite(produkt) ? produkt / 2 : d.an / 2 * d.ge;
    return {ergebnis.alpha.komplement, flaeche, d.an + d.ge + d.hyp};
}

QString rechenweg(const Texte& eingabe, const Ergebnis& ergebnis, const QLocale& locale)
{
    QStringList gegebene;
    for (const Feld feld : {Feld::winkel, Feld::an, Feld::ge, Feld::hyp}) {
        if (text_von(eingabe, feld) != unbekannt)
            gegebene << name(feld) + QStringLiteral(" = ")
                            + gegeben_mit_einheit(eingabe, feld, locale);
    }
    QStringList gesuchte;
    for (const Schreiben& geschrieben : ergebnis.schreiben) {
        if (text_von(eingabe, geschrieben.feld) == unbekannt)
            gesuchte << name(geschrieben.feld);
    }

    QStringList zeilen{QStringLiteral("Rechtwinkliges Dreieck"),
                       QStringLiteral("Gegeben: ") + gegebene.join(QStringLiteral(", "))};
    if (!gesuchte.isEmpty())
        zeilen << QStringLiteral("Gesucht: ") + gesuchte.join(QStringLiteral(", "));
    for (const Schreiben& geschrieben : ergebnis.schreiben)
        zeilen << QString() << absatz(eingabe, ergebnis, geschrieben, locale);

    const Zusatz z = zusatz(ergebnis);
    zeilen << QString() << QStringLiteral("Winkel β = 90° − α = ") + zahl(z.beta, locale) + u'°'
           << QStringLiteral("Flächeninhalt = Ankathete · Gegenkathete / 2 = ")
                  + zahl(z.flaeche, locale)
           << QStringLiteral("Umfang = Ankathete + Gegenkathete + Hypotenuse = ")
                  + zahl(z.umfang, locale);
    return zeilen.join(u'\n') + u'\n';
}

} // namespace core
