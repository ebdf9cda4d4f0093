// SPDX-License-Identifier: GPL-3.0-or-later
// Written as a German school book writes a solution: "=" only where the
// written number is the quantity exactly, "≈" where it is rounded; every
// number put in; powers of ten rather than a calculator's exponent. Whether a
// result is exact is decided, not guessed: given numbers are the decimals as
// typed, and a trigonometric value or an angle is rational only at 30°, 45°
// and 60° (Niven's theorem), a square root only where its square checks out.
#include "core/rechenweg.hpp"

#include "core/numbers.hpp"

#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

using namespace Qt::StringLiterals;

namespace core {
namespace {

// How a step gets its result from the two quantities it starts from.
enum class Rechnung : std::uint8_t { mal, durch, quadratsumme, quadratdifferenz, arcus };
enum class Funktion : std::uint8_t { keine, sin, cos, tan };

// One written value: the ratio (or theorem) used, the term the unknown
// equals, and the numbers put in, %1 and %2 standing for the two quantities
// the case starts from.
struct Schritt {
    Fall fall;
    Feld feld;
    const char16_t* satz;
    const char16_t* term;
    const char16_t* eingesetzt;
    Rechnung rechnung;
    Funktion funktion;
};

constexpr const char16_t* pythagoras =
    u"Satz des Pythagoras: Ankathete² + Gegenkathete² = Hypotenuse²";
constexpr const char16_t* tangens = u"tan α = Gegenkathete / Ankathete";
constexpr const char16_t* kosinus = u"cos α = Ankathete / Hypotenuse";
constexpr const char16_t* sinus = u"sin α = Gegenkathete / Hypotenuse";

constexpr std::array<Schritt, 12> schritte{{
    {Fall::winkel_an, Feld::ge, tangens, u"Ankathete · tan α", u"%1 · tan %2°", Rechnung::mal,
     Funktion::tan},
    {Fall::winkel_an, Feld::hyp, kosinus, u"Ankathete / cos α", u"%1 / cos %2°", Rechnung::durch,
     Funktion::cos},
    {Fall::winkel_ge, Feld::an, tangens, u"Gegenkathete / tan α", u"%1 / tan %2°", Rechnung::durch,
     Funktion::tan},
    {Fall::winkel_ge, Feld::hyp, sinus, u"Gegenkathete / sin α", u"%1 / sin %2°", Rechnung::durch,
     Funktion::sin},
    {Fall::winkel_hyp, Feld::an, kosinus, u"Hypotenuse · cos α", u"%1 · cos %2°", Rechnung::mal,
     Funktion::cos},
    {Fall::winkel_hyp, Feld::ge, sinus, u"Hypotenuse · sin α", u"%1 · sin %2°", Rechnung::mal,
     Funktion::sin},
    {Fall::an_ge, Feld::hyp, pythagoras, u"√(Ankathete² + Gegenkathete²)", u"√(%1² + %2²)",
     Rechnung::quadratsumme, Funktion::keine},
    {Fall::an_ge, Feld::winkel, tangens, u"arctan(Gegenkathete / Ankathete)", u"arctan(%2 / %1)",
     Rechnung::arcus, Funktion::tan},
    {Fall::an_hyp, Feld::winkel, kosinus, u"arccos(Ankathete / Hypotenuse)", u"arccos(%1 / %2)",
     Rechnung::arcus, Funktion::cos},
    {Fall::an_hyp, Feld::ge, pythagoras, u"√(Hypotenuse² − Ankathete²)", u"√(%2² − %1²)",
     Rechnung::quadratdifferenz, Funktion::keine},
    {Fall::ge_hyp, Feld::winkel, sinus, u"arcsin(Gegenkathete / Hypotenuse)", u"arcsin(%1 / %2)",
     Rechnung::arcus, Funktion::sin},
    {Fall::ge_hyp, Feld::an, pythagoras, u"√(Hypotenuse² − Gegenkathete²)", u"√(%2² − %1²)",
     Rechnung::quadratdifferenz, Funktion::keine},
}};

// The one acute angle in whole degrees where the function is rational, its
// value there and the reciprocal of that value.
struct Sonderwert {
    const char16_t* grad;
    const char16_t* wert;
    const char16_t* kehrwert;
};

Sonderwert sonderwert(Funktion funktion)
{
    switch (funktion) {
    case Funktion::sin: return {u"30", u"0.5", u"2"};
    case Funktion::cos: return {u"60", u"0.5", u"2"};
    case Funktion::keine:
    case Funktion::tan: break;
    }
    return {u"45", u"1", u"1"};
}

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
    case Feld::winkel: return u"Winkel α"_s;
    case Feld::an: return u"Ankathete"_s;
    case Feld::ge: return u"Gegenkathete"_s;
    case Feld::hyp: break;
    }
    return u"Hypotenuse"_s;
}

QString symbol(Feld feld) { return feld == Feld::winkel ? u"α"_s : name(feld); }

QString einheit(Feld feld) { return feld == Feld::winkel ? u"°"_s : QString(); }

QString hochgestellt(long long exponent)
{
    constexpr std::array<char16_t, 10> ziffern{u'⁰', u'¹', u'²', u'³', u'⁴',
                                               u'⁵', u'⁶', u'⁷', u'⁸', u'⁹'};
    QString text = exponent < 0 ? u"⁻"_s : QString();
    for (const QChar c : QString::number(std::llabs(exponent)))
        text += QChar(ziffern.at(static_cast<std::size_t>(c.digitValue())));
    return text;
}

// A quantity as the text writes it.
struct Groesse {
    Dezimal wert;
    bool genau = false; // the quantity is exactly `wert`
};

// A computed quantity rounded as a field shows it, from its exact value where
// that is known, else from the double.
Groesse berechnet(double zahl, const std::optional<Dezimal>& exakt)
{
    Dezimal wert;
    if (exakt) {
        wert = wie_gezeigt(*exakt);
    } else {
        const double feld = RoundShown(zahl);
        constexpr int nach_der_ersten = 4; // five significant digits
        wert = feld != 0 || zahl == 0 ? dezimal(Str(feld, QLocale::c()))
                                      : dezimal(QLocale::c().toString(zahl, 'e', nach_der_ersten));
    }
    return {wert, exakt && *exakt == wert};
}

Groesse berechnet(const Dezimal& exakt) { return berechnet(als_double(exakt), exakt); }

QString gleich(bool genau) { return genau ? u" = "_s : u" ≈ "_s; }
QString gleich(const Groesse& g) { return gleich(g.genau); }

struct Text {
    const Texte& eingabe;
    const Ergebnis& ergebnis;
    const QLocale& locale;
    JeFeld<Groesse> gegeben{};      // as typed
    JeFeld<Groesse> ergebnis_von{}; // as written by its step

    // A number with the locale's separator. Exact ones are written out from
    // 10^-7, rounded ones from 10^-4 (below, four places would show 0);
    // smaller ones, and those from 10^15, as digits times a power of ten.
    [[nodiscard]] QString zahl(const Groesse& g) const
    {
        const Dezimal& d = g.wert;
        constexpr long long ausgeschrieben_bis = 14;
        constexpr long long genau_ab = -7;
        const long long ordnung = d.groessenordnung();
        const QString ziffern = QString::fromStdString(d.ziffern);
        const QString komma = locale.decimalPoint();
        if (d.ziffern.empty())
            return u"0"_s;
        if (ordnung > ausgeschrieben_bis || ordnung < (g.genau ? genau_ab : -stellen)) {
            const QString mantisse =
                ziffern.size() > 1 ? ziffern.left(1) + komma + ziffern.mid(1) : ziffern;
            return mantisse + u" · 10"_s + hochgestellt(ordnung);
        }
        if (d.exponent >= 0)
            return ziffern + QString(static_cast<qsizetype>(d.exponent), u'0');
        const long long ganz = ordnung + 1; // digits before the separator
        if (ganz > 0)
            return ziffern.left(static_cast<qsizetype>(ganz)) + komma
                   + ziffern.mid(static_cast<qsizetype>(ganz));
        return u"0"_s + komma + QString(static_cast<qsizetype>(-ganz), u'0') + ziffern;
    }

    // A number put into a formula: bracketed where a power of ten is part of it.
    [[nodiscard]] QString eingesetzt(const Groesse& g) const
    {
        const QString text = zahl(g);
        return text.contains(u'·') ? u'(' + text + u')' : text;
    }

    [[nodiscard]] const Groesse& gegeben_in(Feld feld) const { return gegeben[feld]; }

    // The value a later step uses: as given, or as its own step wrote it.
    [[nodiscard]] const Groesse& wert(Feld feld) const
    {
        const bool geschrieben = std::ranges::any_of(
            ergebnis.schreiben, [feld](const Schreiben& s) { return s.feld == feld; });
        return geschrieben ? ergebnis_von[feld] : gegeben_in(feld);
    }

    [[nodiscard]] bool ist_gegeben(Feld feld) const { return eingabe[feld] != unbekannt; }

    [[nodiscard]] static const Schritt& schritt(Fall fall, Feld feld)
    {
        return *std::ranges::find_if(
            schritte, [fall, feld](const Schritt& s) { return s.fall == fall && s.feld == feld; });
    }

    [[nodiscard]] Groesse rechne(const Schritt& s, double roh) const
    {
        const std::array<Feld, 2> von = ausgang(s.fall);
        const Dezimal& erste = gegeben_in(von[0]).wert;
        const Dezimal& zweite = gegeben_in(von[1]).wert;
        const Sonderwert sw = sonderwert(s.funktion);
        std::optional<Dezimal> exakt;
        switch (s.rechnung) {
        case Rechnung::mal:
        case Rechnung::durch:
            if (zweite == dezimal(sw.grad))
                exakt = erste * dezimal(s.rechnung == Rechnung::mal ? sw.wert : sw.kehrwert);
            break;
        case Rechnung::quadratsumme:
        case Rechnung::quadratdifferenz: {
            const Dezimal quadrat = s.rechnung == Rechnung::quadratsumme
                                        ? erste * erste + zweite * zweite
                                        : abstand(zweite * zweite, erste * erste);
            const Dezimal wurzel = dezimal(Str(roh, QLocale::c()));
            if (wurzel * wurzel == quadrat)
                exakt = wurzel;
            break;
        }
        case Rechnung::arcus: {
            // arctan takes the second over the first, arccos and arcsin the first over the second.
            const bool tan = s.funktion == Funktion::tan;
            if ((tan ? zweite : erste) == (tan ? erste : zweite) * dezimal(sw.wert))
                exakt = dezimal(sw.grad);
            break;
        }
        }
        return berechnet(roh, exakt);
    }

    [[nodiscard]] QString einsetzen(const Schritt& s) const
    {
        const std::array<Feld, 2> von = ausgang(s.fall);
        return QString::fromUtf16(s.eingesetzt)
            .arg(eingesetzt(gegeben_in(von[0])), eingesetzt(gegeben_in(von[1])));
    }

    [[nodiscard]] QString gegeben_zeile() const
    {
        QStringList teile;
        for (const Feld feld : {Feld::winkel, Feld::an, Feld::ge, Feld::hyp}) {
            if (ist_gegeben(feld))
                teile << name(feld) + u" = "_s + zahl(gegeben_in(feld)) + einheit(feld);
        }
        return u"Gegeben: "_s + teile.join(u"; "_s);
    }

    [[nodiscard]] QString gesucht_zeile() const
    {
        QStringList teile;
        for (const Schreiben& s : ergebnis.schreiben) {
            if (!ist_gegeben(s.feld))
                teile << name(s.feld);
        }
        teile << u"Winkel β"_s << u"Flächeninhalt A"_s << u"Umfang u"_s;
        return u"Gesucht: "_s + teile.join(u"; "_s);
    }

    [[nodiscard]] QString quadrat(const Groesse& g) const { return eingesetzt(g) + u'²'; }

    // Given values the calculation replaces, checked against what it uses.
    struct Pruefung {
        QStringList proben;
        QStringList widersprueche;
        QStringList ersetzt;
        bool zu_lang = false; // a replaced leg is not shorter than the hypotenuse
    };

    // All three sides: the Satz des Pythagoras.
    [[nodiscard]] Pruefung pruefe_seiten() const
    {
        const Groesse& an = gegeben_in(Feld::an);
        const Groesse& ge = gegeben_in(Feld::ge);
        const Groesse& hyp = gegeben_in(Feld::hyp);
        const Groesse links = berechnet(an.wert * an.wert + ge.wert * ge.wert);
        const Groesse rechts = berechnet(hyp.wert * hyp.wert);
        const QString summe = quadrat(an) + u" + "_s + quadrat(ge) + gleich(links) + zahl(links);
        if (links.genau && rechts.genau && links.wert == rechts.wert)
            return {{u"Probe: "_s + summe + u" = "_s + quadrat(hyp)}, {}, {}, false};
        return {{},
                {summe + u", aber "_s + quadrat(hyp) + gleich(rechts) + zahl(rechts) + u'.'},
                {name(Feld::an)},
                !(an.wert < hyp.wert)};
    }

    // The angle and the hypotenuse with given legs: each leg as they give it.
    [[nodiscard]] Pruefung pruefe_katheten() const
    {
        Pruefung p;
        for (const Feld feld : {Feld::an, Feld::ge}) {
            if (!ist_gegeben(feld))
                continue;
            const Schritt& s = schritt(ergebnis.fall, feld);
            const Groesse& neu = ergebnis_von[feld];
            const Groesse& alt = gegeben_in(feld);
            const QString links = QString::fromUtf16(s.term) + u" = "_s + einsetzen(s);
            if (neu.genau && neu.wert == alt.wert) {
                p.proben << u"Probe: "_s + links + u" = "_s + zahl(neu) + u" = "_s + name(feld);
                continue;
            }
            // Where the rounded result looks like the given value, the digits
            // that tell them apart.
            const Groesse gezeigt =
                neu.wert == alt.wert
                    ? Groesse{dezimal(Str(core::wert(ergebnis, feld), QLocale::c())), false}
                    : neu;
            p.widersprueche << links + gleich(gezeigt) + zahl(gezeigt) + u", aber "_s + name(feld)
                                   + u" = "_s + zahl(alt) + u'.';
            p.ersetzt << name(feld);
            p.zu_lang = p.zu_lang || !(alt.wert < gegeben_in(Feld::hyp).wert);
        }
        return p;
    }

    // Checked, and where they disagree, said so, and what is used instead.
    [[nodiscard]] QStringList probe() const
    {
        const bool drei_seiten = ergebnis.fall == Fall::ge_hyp && ist_gegeben(Feld::an);
        Pruefung p;
        if (drei_seiten)
            p = pruefe_seiten();
        else if (ergebnis.fall == Fall::winkel_hyp)
            p = pruefe_katheten();
        QStringList zeilen;
        if (drei_seiten)
            zeilen << QString::fromUtf16(pythagoras);
        zeilen << p.proben;
        if (p.widersprueche.isEmpty())
            return zeilen;
        const QString kopf = u"Die Angaben passen nicht zusammen:"_s;
        if (p.widersprueche.size() == 1)
            zeilen << kopf + u' ' + p.widersprueche.front();
        else
            zeilen << kopf << p.widersprueche;
        if (p.zu_lang) {
            zeilen << (p.ersetzt.size() == 1 ? u"Außerdem muss die "_s + p.ersetzt.front()
                                                   + u" kürzer als die Hypotenuse sein."_s
                                             : u"Außerdem muss jede Kathete kürzer als die "
                                               "Hypotenuse sein."_s);
        }
        const std::array<Feld, 2> von = ausgang(ergebnis.fall);
        const QString neu = p.ersetzt.size() == 1
                                ? u"die "_s + p.ersetzt.front() + u" wird neu berechnet."_s
                                : p.ersetzt.join(u" und "_s) + u" werden neu berechnet."_s;
        zeilen << u"Gerechnet wird mit "_s + name(von[0]) + u" und "_s + name(von[1]) + u"; "_s
                      + neu;
        return zeilen;
    }

    [[nodiscard]] QStringList absatz(Feld feld) const
    {
        const Schritt& s = schritt(ergebnis.fall, feld);
        const Groesse& g = ergebnis_von[feld];
        return {QString::fromUtf16(s.satz), symbol(feld) + u" = "_s + QString::fromUtf16(s.term)
                                                + u" = "_s + einsetzen(s) + gleich(g) + zahl(g)
                                                + einheit(feld)};
    }

    [[nodiscard]] QStringList beta(double roh) const
    {
        const Groesse& alpha = wert(Feld::winkel);
        const Dezimal rechter_winkel = dezimal(u"90");
        const Dezimal differenz = abstand(rechter_winkel, alpha.wert);
        const Groesse b =
            berechnet(roh, alpha.genau ? std::optional<Dezimal>(differenz) : std::nullopt);
        return {u"Winkelsumme im Dreieck: α + β + 90° = 180°"_s,
                u"β = 90° − α"_s + gleich(alpha) + u"90° − "_s + eingesetzt(alpha) + u'°'
                    + gleich(differenz == b.wert) + zahl(b) + u'°'};
    }

    // The area (a product with ½) or the perimeter (a sum) from the sides as
    // written before: exact where they are, else from the unrounded values,
    // and then said so.
    [[nodiscard]] QStringList zusatz(const QString& satz, const QString& groesse,
                                     std::initializer_list<Feld> felder, bool summe, double roh,
                                     const QString& zu_gross) const
    {
        QStringList werte;
        std::optional<Dezimal> exakt = summe ? Dezimal{} : dezimal(u"0.5");
        for (const Feld feld : felder) {
            const Groesse& g = wert(feld);
            werte << eingesetzt(g);
            if (!g.genau)
                exakt.reset();
            else if (exakt)
                exakt = summe ? *exakt + g.wert : *exakt * g.wert;
        }
        const QString zeile = groesse + gleich(exakt.has_value())
                              + (summe ? werte.join(u" + "_s) : u"½ · "_s + werte.join(u" · "_s));
        if (!exakt && !std::isfinite(roh))
            return {satz, zeile, zu_gross};
        const Groesse g = berechnet(roh, exakt);
        return {satz, zeile + gleich(g) + zahl(g)
                          + (exakt ? QString() : u" (mit den ungerundeten Werten gerechnet)"_s)};
    }
};

} // namespace

Zusatz zusatz(const Ergebnis& ergebnis)
{
    const Dreieck& d = ergebnis.seiten;
    // Half the product without overflowing where only the product would.
    const double produkt = d.an * d.ge;
    const double flaeche = std::isfinite(produkt) ? produkt / 2 : d.an / 2 * d.ge;
    return {ergebnis.alpha.komplement, flaeche, d.an + d.ge + d.hyp};
}

QString rechenweg(const Texte& eingabe, const Ergebnis& ergebnis, const QLocale& locale)
{
    Text t{eingabe, ergebnis, locale};
    for (const Feld feld : {Feld::winkel, Feld::an, Feld::ge, Feld::hyp}) {
        if (t.ist_gegeben(feld))
            t.gegeben[feld] = {dezimal(eingabe[feld]), true};
    }
    for (const Schreiben& s : ergebnis.schreiben) {
        t.ergebnis_von[s.feld] =
            t.rechne(Text::schritt(ergebnis.fall, s.feld), wert(ergebnis, s.feld));
    }

    QStringList zeilen{u"Rechtwinkliges Dreieck"_s, t.gegeben_zeile(), t.gesucht_zeile()};
    if (const QStringList probe = t.probe(); !probe.isEmpty())
        zeilen << QString() << probe;
    for (const Schreiben& s : ergebnis.schreiben)
        zeilen << QString() << t.absatz(s.feld);

    const Zusatz z = zusatz(ergebnis);
    zeilen << QString() << t.beta(z.beta);
    zeilen << QString()
           << t.zusatz(u"Flächeninhalt: A = ½ · Ankathete · Gegenkathete"_s, u"A"_s,
                       {Feld::an, Feld::ge}, false, z.flaeche,
                       u"Der Flächeninhalt ist zu groß für den Rechenbereich."_s);
    zeilen << QString()
           << t.zusatz(u"Umfang: u = Ankathete + Gegenkathete + Hypotenuse"_s, u"u"_s,
                       {Feld::an, Feld::ge, Feld::hyp}, true, z.umfang,
                       u"Der Umfang ist zu groß für den Rechenbereich."_s);
    return zeilen.join(u'\n') + u'\n';
}

} // namespace core
