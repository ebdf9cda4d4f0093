// SPDX-License-Identifier: GPL-3.0-or-later
// The worked solution put together from its steps (schritte), the checks
// (probe) and the numbers as the text writes them (zahlentext).
#include "core/rechenweg.hpp"

#include "core/probe.hpp"
#include "core/schritte.hpp"

#include <QLocale>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <iterator>
#include <vector>

using namespace Qt::StringLiterals;

namespace core {
namespace {

const QString ungerundet = QStringLiteral(" (mit den ungerundeten Werten gerechnet)");
// The sheet's rounding rule, stated once.
const QString runden =
    QStringLiteral("Runden: Ergebnisse aus den genauen Werten, auf 4 Nachkommastellen (4 bis 8 "
                   "gültige Ziffern); jede Zeile stimmt nachgerechnet.");

// "Symbol = Term REL numbers put in REL value": each relation is "=" only
// where both its sides are equal. The value always comes from the exact
// ones; the numbers put in are written so that they give it as printed, and
// the first line where they cannot says so, once.
struct Gleichung {
    QString symbol;
    QString term; // empty where the numbers follow the symbol at once
    QString eingesetzt;
    bool eingesetzt_genau;
    Groesse wert;
    QString einheit;
    // The numbers put in, worked out, do not give the value as printed.
    bool ungerundet_gerechnet = false;
};

// The text being written: its numbers, and whether it has said yet that
// values come from unrounded ones.
class Schreiber {
public:
    explicit Schreiber(const Werte& w)
        : m_w(w)
    {
    }

    [[nodiscard]] const Werte& werte() const { return m_w; }

    QString zeile(const Gleichung& g)
    {
        QString text = g.symbol;
        if (!g.term.isEmpty())
            text += u" = "_s + g.term;
        text += gleich(g.eingesetzt_genau) + g.eingesetzt
                + gleich(g.eingesetzt_genau && g.wert.genau) + m_w.zahl(g.wert) + g.einheit;
        if (!g.ungerundet_gerechnet || m_gesagt)
            return text;
        m_gesagt = true;
        return text + ungerundet;
    }

private:
    const Werte& m_w;
    bool m_gesagt = false;
};

QString ergebnis(const Werte& w, const QString& titel, const Groesse& g, const QString& einheit)
{
    return titel + gleich(g.genau) + w.zahl(g) + einheit;
}

QStringList schritt_absatz(const Werte& w, Feld feld)
{
    const Schritt& s = zeile(w.loesung().fall).schritt(feld);
    const Groesse& g = w.gezeigt(feld);
    return {QString::fromUtf16(s.satz), symbol(feld) + u" = "_s + QString::fromUtf16(s.term)
                                            + u" = "_s + w.einsetzen(s) + gleich(g.genau)
                                            + w.zahl(g) + einheit(feld)};
}

// The place a rounded or exact value is written to.
long long geschrieben_bis(const Groesse& g) { return g.nullen_bis.value_or(g.wert.exponent); }

// β = 90° − α with α put in to β's last place, so that the subtraction a
// pupil types gives the β written; where that would take more digits of α
// than the text writes, β is given from the unrounded α, and the text says so.
QStringList beta_absatz(Schreiber& s, const Groesse& beta)
{
    const Werte& w = s.werte();
    const Groesse& alpha = w.gezeigt(Feld::winkel);
    QStringList zeilen{u"Winkelsumme im Dreieck: α + β + γ = 180°"_s};
    if (alpha.genau) {
        zeilen << s.zeile({u"β"_s, u"90° − α"_s, u"90° − "_s + w.eingesetzt(alpha) + u'°', true,
                           beta, u"°"_s, false});
        return zeilen;
    }
    const Zahl& exakt = w.loesung().dreieck.werte[Feld::winkel];
    const long long stelle = std::min(geschrieben_bis(alpha), geschrieben_bis(beta));
    if (alpha.wert.groessenordnung() - stelle + 1 > hoechstens_gueltig) {
        zeilen << u"β = 90° − α"_s + gleich(false) + w.zahl(beta)
                      + u"° (mit dem ungerundeten α gerechnet)"_s;
        return zeilen;
    }
    zeilen << u"β = 90° − α ≈ 90° − "_s + w.eingesetzt(auf_stelle(exakt, stelle)) + u'°'
                  + gleich(false) + w.zahl(beta) + u'°';
    return zeilen;
}

// A value a line puts in: exact, and as the text shows it.
struct Eingabe {
    Zahl exakt;
    Groesse gezeigt;
};

// The most digits a line puts in beyond where the text shows a value.
constexpr long long hoechstens_mehr = 4;

// The values put in as a line writes them: each rounded one with as many
// digits beyond its shown place as it takes for the numbers printed, worked
// out, to give the result printed at its place. None where that would take
// more than four more digits: the line then says it used the unrounded values.
std::optional<std::vector<Groesse>> aufgehend(const std::vector<Eingabe>& eingaben,
                                              Zahl (*formel)(const std::vector<mpq_class>&),
                                              const Groesse& ergebnis)
{
    const long long stelle =
        ergebnis.genau ? textstelle(ergebnis.wert.groessenordnung()) : geschrieben_bis(ergebnis);
    for (long long mehr = 0; mehr <= hoechstens_mehr; ++mehr) {
        std::vector<Groesse> gesetzt;
        std::vector<mpq_class> werte;
        for (const Eingabe& e : eingaben) {
            // As shown, the value is already rounded to its place.
            gesetzt.push_back(e.gezeigt.genau || mehr == 0
                                  ? e.gezeigt
                                  : auf_stelle(e.exakt, geschrieben_bis(e.gezeigt) - mehr));
            werte.push_back(bruch(gesetzt.back().wert));
        }
        if (formel(werte).auf_stelle(stelle) == gerundet(bruch(ergebnis.wert), stelle))
            return gesetzt;
    }
    return std::nullopt;
}

// A further quantity: its theorem, its symbol and term, the values it is
// worked out from and how, and the numbers put in ("{0}" for the first value).
struct Weiter {
    const char16_t* satz;
    QString symbol;
    QString term;
    std::vector<Eingabe> eingaben;
    Zahl (*formel)(const std::vector<mpq_class>&);
    const char16_t* muster;
    Groesse wert;

    [[nodiscard]] Gleichung gleichung(const Werte& w) const
    {
        const std::optional<std::vector<Groesse>> gesetzt = aufgehend(eingaben, formel, wert);
        QString eingesetzt = QString::fromUtf16(muster);
        bool genau = true;
        for (std::size_t i = 0; i < eingaben.size(); ++i) {
            const Groesse& g = gesetzt ? gesetzt->at(i) : eingaben.at(i).gezeigt;
            genau = genau && g.genau;
            eingesetzt.replace(u'{' + QString::number(i) + u'}', w.eingesetzt(g));
        }
        return {symbol, term, eingesetzt, genau, wert, {}, !gesetzt.has_value()};
    }
};

std::vector<Weiter> weitere_tabelle(const Werte& w)
{
    const Dreieck& d = w.loesung().dreieck;
    const Weitere z = weitere_groessen(d);
    const auto seite = [&w, &d](Feld f) { return Eingabe{d.werte[f], w.gezeigt(f)}; };
    const Eingabe a = seite(Feld::ge);
    const Eingabe b = seite(Feld::an);
    const Eingabe c = seite(Feld::hyp);
    const Eingabe p{z.p, berechnet(z.p)};
    const Eingabe q{z.q, berechnet(z.q)};
    using Werteliste = std::vector<mpq_class>;
    return {
        {u"Flächeninhalt: ",
         u"A"_s,
         u"½ · a · b"_s,
         {a, b},
         [](const Werteliste& x) { return Zahl(mpq_class(1, 2) * x[0] * x[1]); },
         u"½ · {0} · {1}",
         berechnet(z.flaeche)},
        {u"Umfang: ",
         u"u"_s,
         u"a + b + c"_s,
         {a, b, c},
         [](const Werteliste& x) { return Zahl(mpq_class(x[0] + x[1] + x[2])); },
         u"{0} + {1} + {2}",
         berechnet(z.umfang)},
        {u"Kathetensatz: a² = c · p, also ",
         u"p"_s,
         u"a² / c"_s,
         {a, c},
         [](const Werteliste& x) { return Zahl(mpq_class(x[0] * x[0] / x[1])); },
         u"{0}² / {1}",
         p.gezeigt},
        {u"Kathetensatz: b² = c · q, also ",
         u"q"_s,
         u"b² / c"_s,
         {b, c},
         [](const Werteliste& x) { return Zahl(mpq_class(x[0] * x[0] / x[1])); },
         u"{0}² / {1}",
         q.gezeigt},
        {u"Höhensatz: h² = p · q, also ",
         u"h"_s,
         u"√(p · q)"_s,
         {p, q},
         [](const Werteliste& x) { return Zahl::wurzel(x[0] * x[1]); },
         u"√({0} · {1})",
         berechnet(z.h)},
    };
}

// The quantities asked for (the fields marked "?") and given, in the order
// a book names them: the sides a, b, c, then the angle.
constexpr std::array<Feld, 4> buchreihenfolge{Feld::ge, Feld::an, Feld::hyp, Feld::winkel};

QString aufzaehlung(const QStringList& teile)
{
    return teile.size() < 2
               ? teile.join(QString())
               : teile.mid(0, teile.size() - 1).join(u", "_s) + u" und "_s + teile.back();
}

QStringList kopf(const Werte& w)
{
    const Loesung& l = w.loesung();
    QStringList gesucht;
    QStringList bekannt{u"γ = 90°"_s};
    // A text not read whole shows beside the value read from it.
    QStringList getippt;
    for (const Feld f : {Feld::winkel, Feld::ge, Feld::an, Feld::hyp}) {
        if (!l.ist_gegeben(f))
            continue;
        bekannt << symbol(f) + u" = "_s + w.zahl(gegeben(l.getippt[f])) + einheit(f);
        const auto teil = std::ranges::find(l.teillesungen, f, &Teillesung::feld);
        getippt << (teil == l.teillesungen.end()
                        ? bekannt.back()
                        : bekannt.back() + u" (getippt: "_s + teil->getippt + u')');
    }
    for (const Feld f : buchreihenfolge) {
        if (!l.ist_gegeben(f))
            gesucht << symbol(f);
    }
    gesucht << u"β"_s;
    return {u"Aufgabe: Berechne "_s + aufzaehlung(gesucht)
                + u" im rechtwinkligen Dreieck ABC mit "_s + aufzaehlung(bekannt) + u'.',
            u"Bezeichnungen: Hypotenuse c, Ankathete b und Gegenkathete a von α"_s,
            u"Gegeben: "_s + getippt.join(u"; "_s), u"Gesucht: "_s + gesucht.join(u"; "_s), runden};
}

void absatz_anfuegen(QList<QStringList>& absaetze, const QStringList& zeilen)
{
    QStringList absatz;
    for (const QString& zeile : zeilen) {
        if (zeile.isEmpty()) {
            absaetze << absatz;
            absatz.clear();
        } else {
            absatz << zeile;
        }
    }
    if (!absatz.isEmpty())
        absaetze << absatz;
}

} // namespace

QString Rechenweg::text() const
{
    QStringList zeilen;
    for (const QStringList& absatz : absaetze) {
        if (!zeilen.isEmpty())
            zeilen << QString();
        zeilen << absatz;
    }
    return ohne_umbruch(zeilen.join(u'\n') + u'\n');
}

QString ohne_umbruch(QString text)
{
    for (const QString& fest : {u" = "_s, u" ≈ "_s, u"sin "_s, u"cos "_s, u"tan "_s})
        text.replace(fest, QString(fest).replace(u' ', QChar(u'\u00A0')));
    return text;
}

Rechenweg rechenweg(const Loesung& l, const QLocale& locale)
{
    const Werte w(l, locale);
    Schreiber schreiber(w);
    Rechenweg r;
    r.absaetze << kopf(w);
    absatz_anfuegen(r.absaetze, abgleich_zeilen(w));
    if (std::ranges::any_of(l.abgleiche, [](const Abgleich& a) { return !a.passt; }))
        r.vor_skizze = r.absaetze.size();

    // Every written value in the results, as the window shows it; its step
    // where it was not given, or given and contradicted.
    // The results answer "Gesucht" in its order, β last; given values
    // written anew follow them.
    // Lengths and areas without a unit, as exercises give them: in length
    // and area units, named once.
    QStringList ergebnisse{u"Ergebnis (Längen in LE, Flächen in FE):"_s};
    const auto le = [](Feld f) { return f == Feld::winkel ? u"°"_s : u" LE"_s; };
    QStringList neu_berechnet;
    bool geloest = false;
    for (const Schreiben& s : l.schreiben) {
        const Abgleich* const a = l.abgleich(s.feld);
        if (a == nullptr || !a->passt) {
            r.absaetze << schritt_absatz(w, s.feld);
            geloest = true;
        }
    }
    for (const Feld f : buchreihenfolge) {
        const bool geschrieben =
            std::ranges::find(l.schreiben, f, &Schreiben::feld) != l.schreiben.end();
        if (geschrieben)
            (l.ist_gegeben(f) ? neu_berechnet : ergebnisse)
                << ergebnis(w, benannt(f), w.gezeigt(f), le(f));
    }
    const Groesse beta = berechnet(l.dreieck.beta);
    r.absaetze << beta_absatz(schreiber, beta);
    ergebnisse << ergebnis(w, u"Winkel β"_s, beta, u"°"_s) << neu_berechnet;
    if (geloest)
        r.absaetze << schlussprobe(w);

    QStringList weitere{u"Weitere Größen:"_s};
    QStringList weitere_ergebnisse;
    for (const Weiter& x : weitere_tabelle(w)) {
        weitere << QString::fromUtf16(x.satz) + schreiber.zeile(x.gleichung(w));
        weitere_ergebnisse << ergebnis(w, x.symbol, x.wert,
                                       x.symbol == u"A"_s ? u" FE"_s : u" LE"_s);
    }
    r.absaetze << weitere;
    r.absaetze << ergebnisse
                      + QStringList{u"Weitere Größen: "_s + weitere_ergebnisse.join(u"; "_s)};

    // A given value the calculation agreed with is labelled as given, with
    // "≈" where the triangle's value is not exactly it, if that value
    // rounds to it at the place it is written to ("0e2" agrees with 50 at
    // the hundreds, but reads "0").
    for (const Feld feld : alle_felder) {
        const Abgleich* const a = l.abgleich(feld);
        const Getippt& typed = l.getippt[feld];
        const Zahl& wert = l.dreieck.werte[feld];
        Groesse g = w.gezeigt(feld);
        if (a != nullptr && a->passt
            && wert.auf_stelle(std::min(typed.letzte_stelle, 0LL)) == gegeben(typed).wert) {
            g = gegeben(typed);
            g.genau = wert.rational() == typed.wert;
        }
        r.beschriftung[feld] = symbol(feld) + gleich(g.genau) + w.zahl(g) + einheit(feld);
        r.masse[feld] = l.naeherung(feld);
    }
    r.beta = u"β"_s + gleich(beta.genau) + w.zahl(beta) + u'°';
    return r;
}

} // namespace core
