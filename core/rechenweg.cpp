// SPDX-License-Identifier: GPL-3.0-or-later
// The worked solution put together from its steps (schritte), the checks
// (probe) and the numbers as the text writes them (zahlentext).
#include "core/rechenweg.hpp"

#include "core/probe.hpp"
#include "core/schritte.hpp"

#include <QLocale>

#include <cmath>
#include <initializer_list>
#include <utility>

using namespace Qt::StringLiterals;

namespace core {
namespace {

constexpr const char16_t* ungerundet = u" (mit den ungerundeten Werten gerechnet)";

// A quantity's paragraph, what the results list of it, and its value.
struct Absatz {
    QStringList zeilen;
    QString ergebnis;
    Groesse wert;
};

class Loesung {
public:
    Loesung(const Werte& w, const Abgleich& a)
        : w(w)
        , a(a)
    {
        for (const Feld feld : {Feld::winkel, Feld::an, Feld::ge, Feld::hyp}) {
            const bool neu = neu_berechnet(feld);
            v.groesse[feld] = neu ? w.aus_schritt[feld] : w.getippt[feld];
            v.roh[feld] = neu || !w.ist_gegeben(feld) ? wert(w.ergebnis, feld)
                                                      : als_double(w.getippt[feld].wert);
        }
    }

    // Written by the core and not given, or given and contradicted.
    [[nodiscard]] bool neu_berechnet(Feld feld) const
    {
        return w.geschrieben(feld) && !a.bestaetigt[feld];
    }

    [[nodiscard]] const Verwendet& verwendet() const { return v; }

    [[nodiscard]] QString gegeben_zeile() const
    {
        QStringList teile{u"Winkel γ = 90°"_s};
        for (const Feld feld : {Feld::winkel, Feld::an, Feld::ge, Feld::hyp}) {
            if (w.ist_gegeben(feld))
                teile << name(feld) + u" = "_s + w.zahl(w.getippt[feld]) + einheit(feld);
        }
        return u"Gegeben: "_s + teile.join(u"; "_s);
    }

    [[nodiscard]] QString gesucht_zeile() const
    {
        QStringList teile;
        for (const Schreiben& s : w.ergebnis.schreiben) {
            if (!w.ist_gegeben(s.feld))
                teile << name(s.feld);
        }
        teile << u"Winkel β"_s << u"Flächeninhalt A"_s << u"Umfang u"_s
              << u"Hypotenusenabschnitte p und q"_s << u"Höhe h"_s;
        return u"Gesucht: "_s + teile.join(u"; "_s);
    }

    [[nodiscard]] Absatz schritt_absatz(Feld feld) const
    {
        const Schritt& s = schritt(w.ergebnis.fall, feld);
        const Groesse& g = v.groesse[feld];
        const QString wert = gleich(g.genau) + w.zahl(g) + einheit(feld);
        return {{QString::fromUtf16(s.satz), symbol(feld) + u" = "_s + QString::fromUtf16(s.term)
                                                 + u" = "_s + w.einsetzen(s) + wert},
                name(feld) + wert,
                g};
    }

    [[nodiscard]] Absatz beta(double roh) const
    {
        const Groesse& alpha = v.groesse[Feld::winkel];
        const Dezimal differenz = abstand(dezimal(u"90"), alpha.wert);
        const Groesse b =
            berechnet(roh, alpha.genau ? std::optional<Dezimal>(differenz) : std::nullopt);
        const QString wert = gleich(differenz == b.wert) + w.zahl(b) + u'°';
        return {{u"Winkelsumme im Dreieck: α + β + 90° = 180°"_s,
                 u"β = 90° − α"_s + gleich(alpha.genau) + u"90° − "_s + w.eingesetzt(alpha) + u'°'
                     + wert},
                u"Winkel β"_s + wert,
                b};
    }

    // The area, a product with ½, or the perimeter, a sum, from the sides as
    // the text has them: exact where they are, else from the unrounded values.
    struct Formel {
        const char16_t* satz;
        const char16_t* groesse; // its symbol
        const char16_t* name;
        std::initializer_list<Feld> felder;
        bool summe;
        const char16_t* zu_gross;
    };

    [[nodiscard]] Absatz formel(const Formel& f, double roh) const
    {
        QStringList werte;
        std::optional<Dezimal> exakt = f.summe ? Dezimal{} : dezimal(u"0.5");
        for (const Feld feld : f.felder) {
            const Groesse& g = v.groesse[feld];
            werte << w.eingesetzt(g);
            if (!g.genau)
                exakt.reset();
            else if (exakt)
                exakt = f.summe ? *exakt + g.wert : *exakt * g.wert;
        }
        const QString symbol = QString::fromUtf16(f.groesse);
        const QString zeile = symbol + gleich(exakt.has_value())
                              + (f.summe ? werte.join(u" + "_s) : u"½ · "_s + werte.join(u" · "_s));
        const QString satz = QString::fromUtf16(f.satz);
        const QString titel = QString::fromUtf16(f.name) + u' ' + symbol;
        if (!exakt && !std::isfinite(roh))
            return {{satz, zeile, QString::fromUtf16(f.zu_gross)},
                    titel + u": zu groß für den Rechenbereich"_s,
                    {}};
        const Groesse g = berechnet(roh, exakt);
        return {{satz, zeile + gleich(g.genau) + w.zahl(g)
                           + (exakt ? QString() : QString::fromUtf16(ungerundet))},
                titel + gleich(g.genau) + w.zahl(g),
                g};
    }

    // p or q by the Kathetensatz: a leg squared over the hypotenuse.
    [[nodiscard]] Absatz abschnitt(Feld kathete, const QString& p, double roh) const
    {
        const Groesse& k = v.groesse[kathete];
        const Groesse& c = v.groesse[Feld::hyp];
        const bool genau = k.genau && c.genau;
        const Groesse g =
            berechnet(roh, genau ? quotient(k.wert * k.wert, c.wert, roh) : std::nullopt);
        return {{u"Kathetensatz: "_s + name(kathete) + u"² = Hypotenuse · "_s + p,
                 p + u" = "_s + name(kathete) + u"² / Hypotenuse"_s + gleich(genau)
                     + w.eingesetzt(k) + u"² / "_s + w.eingesetzt(c) + gleich(g.genau) + w.zahl(g)
                     + (genau ? QString() : QString::fromUtf16(ungerundet))},
                u"Hypotenusenabschnitt "_s + p + gleich(g.genau) + w.zahl(g),
                g};
    }

    // h by the Höhensatz, from p and q as written before.
    [[nodiscard]] Absatz hoehe(const Groesse& p, const Groesse& q, double roh) const
    {
        const bool genau = p.genau && q.genau;
        std::optional<Dezimal> exakt;
        if (genau) {
            Dezimal wurzel = dezimal(Str(roh, QLocale::c()));
            if (wurzel * wurzel == p.wert * q.wert)
                exakt = std::move(wurzel);
        }
        const Groesse g = berechnet(roh, exakt);
        return {{u"Höhensatz: h² = p · q"_s,
                 u"h = √(p · q)"_s + gleich(genau) + u"√("_s + w.eingesetzt(p) + u" · "_s
                     + w.eingesetzt(q) + u')' + gleich(g.genau) + w.zahl(g)
                     + (genau ? QString() : QString::fromUtf16(ungerundet))},
                u"Höhe h"_s + gleich(g.genau) + w.zahl(g),
                g};
    }

    // What a sketch writes at a side or angle.
    [[nodiscard]] QString beschriftung(Feld feld) const
    {
        const Groesse& g = v.groesse[feld];
        return symbol(feld) + gleich(g.genau) + w.zahl(g) + einheit(feld);
    }

private:
    // zaehler / nenner exactly, where the double's fifteen digits check out.
    [[nodiscard]] static std::optional<Dezimal> quotient(const Dezimal& zaehler,
                                                         const Dezimal& nenner, double roh)
    {
        Dezimal kandidat = dezimal(Str(roh, QLocale::c()));
        if (kandidat * nenner == zaehler)
            return kandidat;
        return std::nullopt;
    }

    const Werte& w;
    const Abgleich& a;
    Verwendet v;
};

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

Weitere weitere_groessen(const Dreieck& seiten, double beta)
{
    // Half the product, and the legs over the hypotenuse, without overflowing
    // where only an intermediate product would.
    const Dreieck& d = seiten;
    const double produkt = d.an * d.ge;
    const double flaeche = std::isfinite(produkt) ? produkt / 2 : d.an / 2 * d.ge;
    return {beta,
            flaeche,
            d.an + d.ge + d.hyp,
            d.ge * (d.ge / d.hyp),
            d.an * (d.an / d.hyp),
            d.an * (d.ge / d.hyp)};
}

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

Rechenweg rechenweg(const Texte& eingabe, const Ergebnis& ergebnis, const QLocale& locale)
{
    const Werte w(eingabe, ergebnis, locale);
    const Abgleich abgleich = abgleichen(w);
    const Loesung l(w, abgleich);
    const Verwendet& v = l.verwendet();

    Rechenweg r;
    r.absaetze << QStringList{u"Rechtwinkliges Dreieck"_s, l.gegeben_zeile(), l.gesucht_zeile()};
    absatz_anfuegen(r.absaetze, abgleich.zeilen);

    QStringList ergebnisse;
    bool geloest = false;
    for (const Schreiben& s : ergebnis.schreiben) {
        if (!l.neu_berechnet(s.feld))
            continue;
        const Absatz absatz = l.schritt_absatz(s.feld);
        r.absaetze << absatz.zeilen;
        ergebnisse << absatz.ergebnis;
        geloest = true;
    }

    const Weitere z = weitere_groessen({v.roh[Feld::an], v.roh[Feld::ge], v.roh[Feld::hyp]},
                                       ergebnis.alpha.komplement);
    const Absatz beta = l.beta(z.beta);
    const Absatz flaeche = l.formel({u"Flächeninhalt: A = ½ · Ankathete · Gegenkathete",
                                     u"A",
                                     u"Flächeninhalt",
                                     {Feld::an, Feld::ge},
                                     false,
                                     u"Der Flächeninhalt ist zu groß für den Rechenbereich."},
                                    z.flaeche);
    const Absatz umfang = l.formel({u"Umfang: u = Ankathete + Gegenkathete + Hypotenuse",
                                    u"u",
                                    u"Umfang",
                                    {Feld::an, Feld::ge, Feld::hyp},
                                    true,
                                    u"Der Umfang ist zu groß für den Rechenbereich."},
                                   z.umfang);
    const Absatz p = l.abschnitt(Feld::ge, u"p"_s, z.p);
    const Absatz q = l.abschnitt(Feld::an, u"q"_s, z.q);
    const Absatz h = l.hoehe(p.wert, q.wert, z.h);
    for (const Absatz* absatz : {&beta, &flaeche, &umfang, &p, &q, &h}) {
        r.absaetze << absatz->zeilen;
        ergebnisse << absatz->ergebnis;
    }
    if (geloest)
        r.absaetze << schlussprobe(w, v);
    r.absaetze << QStringList{u"Ergebnis:"_s} + ergebnisse;

    for (const Feld feld : {Feld::winkel, Feld::an, Feld::ge, Feld::hyp})
        r.beschriftung[feld] = l.beschriftung(feld);
    r.beta = u"β"_s + gleich(beta.wert.genau) + w.zahl(beta.wert) + u'°';
    return r;
}

} // namespace core
