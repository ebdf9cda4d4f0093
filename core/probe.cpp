// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/probe.hpp"

#include <cmath>
#include <vector>

using namespace Qt::StringLiterals;

namespace core {
namespace {

const QString haken = QStringLiteral(" ✓");

// Half a unit of the place `stelle`.
Dezimal halbe_einheit(long long stelle) { return {"5", stelle - 1}; }

// One given leg or side that the calculation writes again.
struct Vergleich {
    Feld feld;
    QString links; // the term with the numbers put in: "Hypotenuse · cos α = 10 · cos 30°"
    std::optional<Dezimal> exakt;
    double roh;
};

Vergleich vergleich(const Werte& w, Feld feld)
{
    const Schritt& s = schritt(w.ergebnis.fall, feld);
    return {feld, QString::fromUtf16(s.term) + u" = "_s + w.einsetzen(s), w.exakt_aus_schritt[feld],
            wert(w.ergebnis, feld)};
}

// The given legs (all three sides: the adjacent leg) the calculation replaces.
std::vector<Feld> ueberbestimmt(const Werte& w)
{
    if (w.ergebnis.fall == Fall::ge_hyp && w.ist_gegeben(Feld::an))
        return {Feld::an};
    std::vector<Feld> felder;
    if (w.ergebnis.fall == Fall::winkel_hyp) {
        for (const Feld feld : {Feld::an, Feld::ge}) {
            if (w.ist_gegeben(feld))
                felder.push_back(feld);
        }
    }
    return felder;
}

QString die(Feld feld) { return u"die "_s + name(feld); }

} // namespace

Abgleich abgleichen(const Werte& w)
{
    Abgleich a;
    QStringList widersprueche;
    QStringList ersetzt;
    bool zu_lang = false;
    for (const Feld feld : ueberbestimmt(w)) {
        const Vergleich v = vergleich(w, feld);
        const Dezimal& alt = w.getippt[feld].wert;
        const long long stelle = letzte_stelle(w.eingabe[feld]);
        const Dezimal neu = v.exakt ? *v.exakt : dezimal(v.roh);
        if (abstand(neu, alt) <= halbe_einheit(stelle)) {
            const bool genau = v.exakt && *v.exakt == alt;
            const Groesse gezeigt = genau ? w.getippt[feld] : auf_stelle(neu, stelle);
            if (!a.zeilen.isEmpty())
                a.zeilen << QString();
            a.zeilen << QString::fromUtf16(schritt(w.ergebnis.fall, feld).satz)
                     << u"Probe für "_s + die(feld) + u": "_s + v.links + gleich(genau)
                            + w.zahl(gezeigt) + haken;
            a.bestaetigt[feld] = true;
            continue;
        }
        // Rounded as the text rounds, unless that looks like the given value:
        // then to its typed place, where the two differ.
        Groesse gezeigt = berechnet(v.roh, v.exakt);
        if (gezeigt.wert == alt)
            gezeigt = auf_stelle(neu, stelle);
        widersprueche << v.links + gleich(gezeigt.genau) + w.zahl(gezeigt) + u", aber "_s
                             + name(feld) + u" = "_s + w.zahl(w.getippt[feld]) + u'.';
        ersetzt << name(feld);
        zu_lang = zu_lang || !(alt < w.getippt[Feld::hyp].wert);
    }
    if (widersprueche.isEmpty())
        return a;
    if (!a.zeilen.isEmpty())
        a.zeilen << QString();
    const QString kopf = u"Die Angaben passen nicht zusammen:"_s;
    if (widersprueche.size() == 1)
        a.zeilen << kopf + u' ' + widersprueche.front();
    else
        a.zeilen << kopf << widersprueche;
    if (zu_lang) {
        a.zeilen << (ersetzt.size() == 1 ? u"Außerdem muss die "_s + ersetzt.front()
                                               + u" kürzer als die Hypotenuse sein."_s
                                         : u"Außerdem muss jede Kathete kürzer als die "
                                           "Hypotenuse sein."_s);
    }
    const std::array<Feld, 2> von = ausgang(w.ergebnis.fall);
    const QString neu = ersetzt.size() == 1
                            ? u"die "_s + ersetzt.front() + u" wird neu berechnet."_s
                            : ersetzt.join(u" und "_s) + u" werden neu berechnet."_s;
    a.zeilen << u"Gerechnet wird mit "_s + name(von[0]) + u" und "_s + name(von[1]) + u"; "_s + neu;
    return a;
}

namespace {

QStringList pythagoras_probe(const Werte& w, const Verwendet& v)
{
    const Groesse& an = v.groesse[Feld::an];
    const Groesse& ge = v.groesse[Feld::ge];
    const Groesse& hyp = v.groesse[Feld::hyp];
    const QString links = w.eingesetzt(an) + u"² + "_s + w.eingesetzt(ge) + u'²';
    const QString rechts = w.eingesetzt(hyp) + u'²';
    QString zeile;
    if (an.genau && ge.genau && hyp.genau
        && an.wert * an.wert + ge.wert * ge.wert == hyp.wert * hyp.wert) {
        zeile = links + u" = "_s + w.zahl(berechnet(hyp.wert * hyp.wert)) + u" = "_s + rechts;
    } else {
        // Both sides from the unrounded values, which agree far beyond the
        // four digits a check with rounded values can show.
        const long double quadrat =
            static_cast<long double>(v.roh[Feld::hyp]) * static_cast<long double>(v.roh[Feld::hyp]);
        zeile = links + u" ≈ "_s + w.zahl(vier_stellen(quadrat)) + u" ≈ "_s + rechts;
    }
    return {u"Probe mit dem Satz des Pythagoras: Ankathete² + Gegenkathete² = Hypotenuse²"_s,
            zeile + haken};
}

// tan α = Gegenkathete / Ankathete after arcsin or arccos; sin α after arctan.
QStringList verhaeltnis_probe(const Werte& w, const Verwendet& v)
{
    const bool nach_arctan = w.ergebnis.fall == Fall::an_ge;
    const Funktion funktion = nach_arctan ? Funktion::sin : Funktion::tan;
    const Feld nenner = nach_arctan ? Feld::hyp : Feld::an;
    const Groesse& alpha = v.groesse[Feld::winkel];
    const Groesse& oben = v.groesse[Feld::ge];
    const Groesse& unten = v.groesse[nenner];
    const QString f = nach_arctan ? u"sin"_s : u"tan"_s;
    const QString links = f + u' ' + w.eingesetzt(alpha) + u'°';
    const QString rechts = w.eingesetzt(oben) + u" / "_s + w.eingesetzt(unten);
    const Sonderwert sw = sonderwert(funktion);
    QString zeile;
    if (alpha.genau && oben.genau && unten.genau && alpha.wert == sw.grad
        && oben.wert == unten.wert * sw.wert) {
        zeile = links + u" = "_s + w.zahl(berechnet(sw.wert)) + u" = "_s + rechts;
    } else {
        const long double verhaeltnis =
            static_cast<long double>(v.roh[Feld::ge]) / static_cast<long double>(v.roh[nenner]);
        zeile = links + u" ≈ "_s + w.zahl(vier_stellen(verhaeltnis)) + u" ≈ "_s + rechts;
    }
    return {u"Probe mit "_s + f + u" α = Gegenkathete / "_s + name(nenner), zeile + haken};
}

} // namespace

QStringList schlussprobe(const Werte& w, const Verwendet& v)
{
    switch (w.ergebnis.fall) {
    case Fall::winkel_an:
    case Fall::winkel_ge:
    case Fall::winkel_hyp: return pythagoras_probe(w, v);
    case Fall::an_ge:
    case Fall::an_hyp:
    case Fall::ge_hyp: break;
    }
    return verhaeltnis_probe(w, v);
}

} // namespace core
