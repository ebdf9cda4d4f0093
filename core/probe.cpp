// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/probe.hpp"

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace core {
namespace {

const QString haken = QStringLiteral(" ✓");

// A computed value to its text's place, or finer where a comparison needs it.
Groesse feiner(const Zahl& z, long long stelle)
{
    return auf_stelle(z, std::min(z.gerundet(textstelle).stelle, stelle));
}

struct Widerspruch {
    QString zeile;
    bool zu_lang; // not even shorter than the given hypotenuse
};

QString links(const Werte& w, Feld feld)
{
    const Schritt& s = zeile(w.loesung().fall).schritt(feld);
    return QString::fromUtf16(s.term) + u" = "_s + w.einsetzen(s);
}

} // namespace

QStringList abgleich_zeilen(const Werte& w)
{
    const Loesung& l = w.loesung();
    QStringList zeilen;
    QStringList widersprueche;
    QStringList ersetzt;
    bool zu_lang = false;
    for (const Abgleich& a : l.abgleiche) {
        const Zahl& wert = l.dreieck.werte[a.feld];
        const Groesse typed = gegeben(l.getippt[a.feld]);
        if (a.passt) {
            const bool genau = wert.rational() == l.getippt[a.feld].wert;
            const Groesse gezeigt = genau ? typed : feiner(wert, a.stelle);
            if (!zeilen.isEmpty())
                zeilen << QString();
            // Both sides named: the value worked out, and the given one it agrees with.
            const QString gegeben =
                gezeigt.wert == typed.wert ? QString() : u" ≈ "_s + w.zahl(typed);
            zeilen << QString::fromUtf16(zeile(l.fall).schritt(a.feld).satz)
                   << u"Probe für "_s + symbol(a.feld) + u": "_s + links(w, a.feld)
                          + gleich(gezeigt.genau) + w.zahl(gezeigt) + gegeben + u" = "_s
                          + symbol(a.feld) + haken;
            // Agreeing to its places only: the lines below use the value
            // worked out, as the window shows it.
            if (!genau) {
                const std::array<Feld, 2> von = zeile(l.fall).ausgang;
                const Groesse& weiter = w.gezeigt(a.feld);
                zeilen << u"Weiter gerechnet wird mit "_s + symbol(von[0]) + u" und "_s
                              + symbol(von[1]) + u", also mit "_s + symbol(a.feld)
                              + gleich(weiter.genau) + w.zahl(weiter) + einheit(a.feld) + u'.';
            }
            continue;
        }
        // One digit further than compared, so that the difference shows.
        const Groesse gezeigt = feiner(wert, a.stelle - 1);
        widersprueche << links(w, a.feld) + gleich(gezeigt.genau) + w.zahl(gezeigt) + u", aber "_s
                             + symbol(a.feld) + u" = "_s + w.zahl(typed) + u'.';
        ersetzt << symbol(a.feld);
        zu_lang = zu_lang
                  || (l.ist_gegeben(Feld::hyp) && a.feld != Feld::hyp
                      && l.getippt[a.feld].wert >= l.getippt[Feld::hyp].wert);
    }
    if (widersprueche.isEmpty())
        return zeilen;
    if (!zeilen.isEmpty())
        zeilen << QString();
    const QString kopf = u"Ein solches Dreieck gibt es nicht:"_s;
    if (widersprueche.size() == 1)
        zeilen << kopf + u' ' + widersprueche.front();
    else
        zeilen << kopf << widersprueche;
    if (zu_lang) {
        zeilen << (ersetzt.size() == 1
                       ? u"Außerdem muss "_s + ersetzt.front() + u" kürzer als c sein."_s
                       : u"Außerdem muss jede Kathete kürzer als die Hypotenuse sein."_s);
    }
    const std::array<Feld, 2> von = zeile(l.fall).ausgang;
    const QString neu = ersetzt.size() == 1
                            ? ersetzt.front() + u" wird neu berechnet."_s
                            : ersetzt.join(u" und "_s) + u" werden neu berechnet."_s;
    zeilen << u"Gerechnet wird daher nur mit "_s + symbol(von[0]) + u" und "_s + symbol(von[1])
                  + u"; "_s + neu;
    return zeilen;
}

namespace {

// "links ≈ X ≈ rechts ✓" where both sides round to the same X, at four
// significant digits or else three; "=" where a side is exactly X.
QString vergleich(const Werte& w, const QString& links, const Zahl& l, const QString& rechts,
                  const Zahl& r)
{
    for (const Stellenregel regel : {vier_ziffern, drei_ziffern}) {
        const Groesse a = berechnet(l, regel);
        const Groesse b = berechnet(r, regel);
        if (a.wert == b.wert) {
            return links + gleich(a.genau) + w.zahl(a) + gleich(b.genau) + rechts + haken;
        }
    }
    return links + u" ≈ "_s + w.zahl(berechnet(l, vier_ziffern)) + u", "_s + rechts + u" ≈ "_s
           + w.zahl(berechnet(r, vier_ziffern));
}

mpq_class gedruckt(const Werte& w, Feld feld) { return bruch(w.gezeigt(feld).wert); }

QStringList pythagoras_probe(const Werte& w)
{
    const mpq_class an = gedruckt(w, Feld::an);
    const mpq_class ge = gedruckt(w, Feld::ge);
    const mpq_class hyp = gedruckt(w, Feld::hyp);
    const QString links =
        w.eingesetzt(w.gezeigt(Feld::ge)) + u"² + "_s + w.eingesetzt(w.gezeigt(Feld::an)) + u'²';
    const QString rechts = w.eingesetzt(w.gezeigt(Feld::hyp)) + u'²';
    return {u"Probe mit dem Satz des Pythagoras: a² + b² = c²"_s,
            vergleich(w, links, Zahl(ge * ge + an * an), rechts, Zahl(hyp * hyp))};
}

// tan α = Gegenkathete / Ankathete after sin⁻¹ or cos⁻¹; sin α after
// tan⁻¹, or where α is printed as 90°.
QStringList verhaeltnis_probe(const Werte& w)
{
    constexpr int rechter_winkel = 90;
    const mpq_class alpha = gedruckt(w, Feld::winkel);
    const bool sinus =
        zeile(w.loesung().fall).probe == Schlussprobe::sinus || alpha >= rechter_winkel;
    const Feld nenner = sinus ? Feld::hyp : Feld::an;
    const QString f = sinus ? u"sin"_s : u"tan"_s;
    const QString name = sinus ? u"dem Sinus"_s : u"dem Tangens"_s;
    const Zahl links = sinus ? Zahl::sin(alpha) : Zahl::sin(alpha) / Zahl::cos(alpha);
    const QString rechts =
        w.eingesetzt(w.gezeigt(Feld::ge)) + u" / "_s + w.eingesetzt(w.gezeigt(nenner));
    return {u"Probe mit "_s + name + u": "_s + f + u" α = a / "_s + symbol(nenner),
            vergleich(w, f + u' ' + w.eingesetzt(w.gezeigt(Feld::winkel)) + u'°', links, rechts,
                      Zahl(gedruckt(w, Feld::ge) / gedruckt(w, nenner)))};
}

} // namespace

QStringList schlussprobe(const Werte& w)
{
    return zeile(w.loesung().fall).probe == Schlussprobe::pythagoras ? pythagoras_probe(w)
                                                                     : verhaeltnis_probe(w);
}

} // namespace core
