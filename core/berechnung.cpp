// SPDX-License-Identifier: GPL-3.0-or-later
// Every check comes before the first value is decided, so a report never
// follows a half-written result. Each question about a typed value is decided
// once, on its exact value as typed.
#include "core/berechnung.hpp"

#include <algorithm>
#include <cmath>
#include <initializer_list>

using namespace Qt::StringLiterals;

namespace core {
namespace {

constexpr int rechter_winkel = 90;
// A given value is compared to three significant digits at least.
constexpr long long vergleichsziffern = 3;

struct Gelesen {
    Texte texte;
    JeFeld<Getippt> getippt;

    [[nodiscard]] bool unbekannt(Feld feld) const { return texte[feld] == core::unbekannt; }
    [[nodiscard]] const mpq_class& wert(Feld feld) const { return getippt[feld].wert; }
};

Meldung gemeldet(const QString& text, Feld feld) { return {text, u"Eingabefehler"_s, feld, {}}; }

Meldung ausserhalb(Feld feld)
{
    return gemeldet(u"Werte liegen außerhalb des Rechenbereichs !"_s, feld);
}

// The first of these fields whose value lies beyond what the calculation holds.
std::optional<Meldung> bereich_pruefen(const Gelesen& g, std::initializer_list<Feld> felder)
{
    for (const Feld feld : felder) {
        if (g.getippt[feld].bereich == Bereich::ausserhalb)
            return ausserhalb(feld);
    }
    return std::nullopt;
}

Fall fall_waehlen(const Gelesen& g)
{
    unsigned unbekannt = 0;
    for (const Feld feld : alle_felder)
        unbekannt |= g.unbekannt(feld) ? bit(feld) : 0U;
    return waehlen(unbekannt);
}

// The values a case starts from must be greater than 0, and a leg shorter
// than the hypotenuse.
std::optional<Meldung> werte_pruefen(Fall fall, const Gelesen& g)
{
    const Fallzeile& z = zeile(fall);
    for (const Feld feld : z.geprueft) {
        if (g.wert(feld) == 0)
            return gemeldet(u"Werte müssen größer 0 sein !"_s, feld);
    }
    const Feld kathete = z.ausgang[0];
    if (z.zu_lang != nullptr && g.wert(kathete) >= g.wert(Feld::hyp))
        return gemeldet(QString::fromUtf16(z.zu_lang), kathete);
    return std::nullopt;
}

Abgleich abgleichen(const Loesung& l, Feld feld)
{
    const Getippt& typed = l.getippt[feld];
    const Zahl& wert = l.dreieck.werte[feld];
    long long stelle = typed.letzte_stelle;
    if (typed.wert != 0) {
        stelle = std::min(stelle, groessenordnung(typed.wert) - (vergleichsziffern - 1));
    } else {
        // A typed 0 agrees only with a value that rounds to 0 there. Every
        // place at or below the value's third digit gives the same answer, so
        // "0e-99999999999" is not compared at a place no number can reach.
        const auto drei_ziffern = [](long long ordnung) {
            return ordnung - (vergleichsziffern - 1);
        };
        stelle = std::max(stelle, wert.gerundet(drei_ziffern).stelle);
    }
    const Dezimal gerundet = wert.auf_stelle(stelle);
    return {feld, stelle, bruch(gerundet) == typed.wert};
}

Ergebnis loesen(Fall fall, const Gelesen& g)
{
    if (auto meldung = werte_pruefen(fall, g))
        return *meldung;
    Loesung l;
    l.fall = fall;
    l.texte = g.texte;
    l.getippt = g.getippt;
    l.dreieck = dreieck(fall, g.getippt);
    for (std::size_t i = 0; i < l.schreiben.size(); ++i) {
        const Feld feld = zeile(fall).schritte.at(i).feld;
        const Dezimal gezeigt = l.dreieck.werte[feld].gerundet(feldstelle).wert;
        const double wert = als_double(gezeigt);
        if (!std::isfinite(wert))
            return ausserhalb(zeile(fall).ausgang[0]);
        l.schreiben.at(i) = {feld, gezeigt, wert};
        if (l.ist_gegeben(feld))
            l.abgleiche.push_back(abgleichen(l, feld));
    }
    return l;
}

Ergebnis mit_winkel(const Gelesen& g)
{
    if (auto meldung = bereich_pruefen(g, {Feld::winkel, Feld::an, Feld::ge, Feld::hyp}))
        return *meldung;
    if (g.wert(Feld::winkel) >= rechter_winkel)
        return gemeldet(u"Winkel kann nicht >= 90 Grad sein !!"_s, Feld::winkel);
    return loesen(fall_waehlen(g), g);
}

Ergebnis ohne_winkel(const Gelesen& g)
{
    if (auto meldung = bereich_pruefen(g, {Feld::an, Feld::ge, Feld::hyp}))
        return *meldung;
    return loesen(fall_waehlen(g), g);
}

} // namespace

const Abgleich* Loesung::abgleich(Feld feld) const
{
    const auto gefunden =
        std::ranges::find_if(abgleiche, [feld](const Abgleich& a) { return a.feld == feld; });
    return gefunden != abgleiche.end() ? &*gefunden : nullptr;
}

int anzahl_unbekannt(const Texte& texte)
{
    return static_cast<int>(std::ranges::count(texte, unbekannt));
}

Ergebnis berechnen(const Texte& texte)
{
    if (anzahl_unbekannt(texte) > hoechstens_unbekannt) {
        // About the first unknown field, where a value is missing.
        const auto* const feld = std::ranges::find(texte, unbekannt);
        return gemeldet(u"Bitte mindestens 2 Werte angeben"_s,
                        static_cast<Feld>(feld - texte.begin()));
    }
    Gelesen g{texte, {}};
    std::vector<Teillesung> teillesungen;
    for (const Feld feld : alle_felder) {
        g.getippt[feld] = lesen(texte[feld]);
        if (!g.unbekannt(feld) && !g.getippt[feld].ganz)
            teillesungen.push_back(
                {feld, texte[feld], QString::fromStdString(g.getippt[feld].gelesen)});
    }
    Ergebnis ergebnis = g.unbekannt(Feld::winkel) ? ohne_winkel(g) : mit_winkel(g);
    std::visit([&](auto& e) { e.teillesungen = std::move(teillesungen); }, ergebnis);
    return ergebnis;
}

} // namespace core
