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

// A quantity's paragraph, and what the results list of it.
struct Absatz {
    QStringList zeilen;
    QString ergebnis;
};

// "Symbol = Term REL numbers put in REL value": each relation is "=" only
// where both its sides are equal. Where numbers put in are rounded, the value
// still comes from the exact ones, and the text says so; the results say
// where it is exact.
struct Gleichung {
    QString symbol;
    QString term; // empty where the numbers follow the symbol at once
    QString eingesetzt;
    bool eingesetzt_genau;
    Groesse wert;
    QString einheit;
};

QString zeile(const Werte& w, const Gleichung& g)
{
    QString text = g.symbol;
    if (!g.term.isEmpty())
        text += u" = "_s + g.term;
    text += gleich(g.eingesetzt_genau) + g.eingesetzt + gleich(g.eingesetzt_genau && g.wert.genau)
            + w.zahl(g.wert) + g.einheit;
    return g.eingesetzt_genau ? text : text + ungerundet;
}

QString ergebnis(const Werte& w, const QString& titel, const Groesse& g, const QString& einheit)
{
    return titel + gleich(g.genau) + w.zahl(g) + einheit;
}

Absatz schritt_absatz(const Werte& w, Feld feld)
{
    const Schritt& s = schritt(w.loesung().fall, feld);
    const Groesse& g = w.gezeigt(feld);
    return {{QString::fromUtf16(s.satz), symbol(feld) + u" = "_s + QString::fromUtf16(s.term)
                                             + u" = "_s + w.einsetzen(s) + gleich(g.genau)
                                             + w.zahl(g) + einheit(feld)},
            ergebnis(w, name(feld), g, einheit(feld))};
}

Absatz beta_absatz(const Werte& w, const Groesse& beta)
{
    const Groesse& alpha = w.gezeigt(Feld::winkel);
    return {{u"Winkelsumme im Dreieck: α + β + 90° = 180°"_s,
             zeile(w, {u"β"_s, u"90° − α"_s, u"90° − "_s + w.eingesetzt(alpha) + u'°', alpha.genau,
                       beta, u"°"_s})},
            ergebnis(w, u"Winkel β"_s, beta, u"°"_s)};
}

bool alle_genau(const Werte& w, std::initializer_list<Feld> felder)
{
    return std::ranges::all_of(felder, [&w](Feld f) { return w.gezeigt(f).genau; });
}

// The further quantities: area, perimeter, p, q and h.
constexpr std::size_t weitere_anzahl = 5;

// A further quantity's paragraph: its theorem, its equation, its name in the results.
struct Weiter {
    const char16_t* satz;
    Gleichung gleichung;
    const char16_t* name;
};

std::array<Weiter, weitere_anzahl> weitere_tabelle(const Werte& w)
{
    const Weitere z = weitere_groessen(w.loesung().dreieck);
    const Groesse& an = w.gezeigt(Feld::an);
    const Groesse& ge = w.gezeigt(Feld::ge);
    const Groesse& hyp = w.gezeigt(Feld::hyp);
    const auto e = [&w](const Groesse& g) { return w.eingesetzt(g); };
    const Groesse p = berechnet(z.p);
    const Groesse q = berechnet(z.q);
    return {{
        {u"Flächeninhalt: A = ½ · Ankathete · Gegenkathete",
         {u"A"_s,
          {},
          u"½ · "_s + e(an) + u" · "_s + e(ge),
          alle_genau(w, {Feld::an, Feld::ge}),
          berechnet(z.flaeche),
          {}},
         u"Flächeninhalt A"},
        {u"Umfang: u = Ankathete + Gegenkathete + Hypotenuse",
         {u"u"_s,
          {},
          e(an) + u" + "_s + e(ge) + u" + "_s + e(hyp),
          alle_genau(w, {Feld::an, Feld::ge, Feld::hyp}),
          berechnet(z.umfang),
          {}},
         u"Umfang u"},
        {u"Kathetensatz: Gegenkathete² = Hypotenuse · p",
         {u"p"_s,
          u"Gegenkathete² / Hypotenuse"_s,
          e(ge) + u"² / "_s + e(hyp),
          alle_genau(w, {Feld::ge, Feld::hyp}),
          p,
          {}},
         u"Hypotenusenabschnitt p"},
        {u"Kathetensatz: Ankathete² = Hypotenuse · q",
         {u"q"_s,
          u"Ankathete² / Hypotenuse"_s,
          e(an) + u"² / "_s + e(hyp),
          alle_genau(w, {Feld::an, Feld::hyp}),
          q,
          {}},
         u"Hypotenusenabschnitt q"},
        {u"Höhensatz: h² = p · q",
         {u"h"_s,
          u"√(p · q)"_s,
          u"√("_s + e(p) + u" · "_s + e(q) + u')',
          p.genau && q.genau,
          berechnet(z.h),
          {}},
         u"Höhe h"},
    }};
}

std::array<Absatz, weitere_anzahl> weiteres(const Werte& w)
{
    std::array<Absatz, weitere_anzahl> absaetze;
    std::ranges::transform(weitere_tabelle(w), absaetze.begin(), [&w](const Weiter& x) {
        return Absatz{{QString::fromUtf16(x.satz), zeile(w, x.gleichung)},
                      ergebnis(w, QString::fromUtf16(x.name), x.gleichung.wert, {})};
    });
    return absaetze;
}

QString gegeben_zeile(const Werte& w)
{
    QStringList teile{u"Winkel γ = 90°"_s};
    for (const Feld feld : alle_felder) {
        if (w.loesung().ist_gegeben(feld))
            teile << name(feld) + u" = "_s + w.zahl(gegeben(w.loesung().getippt[feld]))
                         + einheit(feld);
    }
    return u"Gegeben: "_s + teile.join(u"; "_s);
}

QString gesucht_zeile(const Loesung& l)
{
    QStringList teile;
    for (const Schreiben& s : l.schreiben) {
        if (!l.ist_gegeben(s.feld))
            teile << name(s.feld);
    }
    teile << u"Winkel β"_s << u"Flächeninhalt A"_s << u"Umfang u"_s
          << u"Hypotenusenabschnitte p und q"_s << u"Höhe h"_s;
    return u"Gesucht: "_s + teile.join(u"; "_s);
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
    return zeilen.join(u'\n') + u'\n';
}

Rechenweg rechenweg(const Loesung& l, const QLocale& locale)
{
    const Werte w(l, locale);
    Rechenweg r;
    r.absaetze << QStringList{u"Rechtwinkliges Dreieck"_s, gegeben_zeile(w), gesucht_zeile(l)};
    absatz_anfuegen(r.absaetze, abgleich_zeilen(w));

    // Every written value in the results, as the window shows it; its step
    // where it was not given, or given and contradicted.
    QStringList ergebnisse;
    bool geloest = false;
    for (const Schreiben& s : l.schreiben) {
        const Absatz absatz = schritt_absatz(w, s.feld);
        const Abgleich* const a = l.abgleich(s.feld);
        if (a == nullptr || !a->passt) {
            r.absaetze << absatz.zeilen;
            geloest = true;
        }
        ergebnisse << absatz.ergebnis;
    }

    const Groesse beta = berechnet(l.dreieck.beta);
    std::vector<Absatz> absaetze{beta_absatz(w, beta)};
    std::ranges::copy(weiteres(w), std::back_inserter(absaetze));
    for (const Absatz& absatz : absaetze) {
        r.absaetze << absatz.zeilen;
        ergebnisse << absatz.ergebnis;
    }
    if (geloest)
        r.absaetze << schlussprobe(w);
    r.absaetze << QStringList{u"Ergebnis:"_s} + ergebnisse;

    for (const Feld feld : alle_felder) {
        const Groesse& g = w.gezeigt(feld);
        r.beschriftung[feld] = symbol(feld) + gleich(g.genau) + w.zahl(g) + einheit(feld);
        r.masse[feld] = l.naeherung(feld);
    }
    r.beta = u"β"_s + gleich(beta.genau) + w.zahl(beta) + u'°';
    return r;
}

} // namespace core
