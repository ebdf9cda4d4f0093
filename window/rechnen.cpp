// SPDX-License-Identifier: GPL-3.0-or-later
// The two solving procedures of the window: they take what the calculation
// core decided for the fields' texts, and either report the input error or
// write the missing quantities in its order, keeping the shared variables up
// to date. A given value written over is marked, with the reason.
#include "window/dreieckrechner.hpp"

#include "core/numbers.hpp"
#include "core/schritte.hpp"
#include "solver/globale_var_sub.hpp"

#include <QLocale>

using namespace globale_Var_sub;
using namespace Qt::StringLiterals;

namespace {

void seiten_merken(const core::Loesung& l)
{
    an = l.naeherung(core::Feld::an);
    ge = l.naeherung(core::Feld::ge);
    hyp = l.naeherung(core::Feld::hyp);
}

// What a field's note says of a text not read whole.
QString lesehinweis(const core::Teillesung& t, const QLocale& locale)
{
    if (t.gelesen.isEmpty() && t.getippt.trimmed().isEmpty())
        return u"Leer, gelesen als 0."_s;
    QString gelesen = t.gelesen.isEmpty() ? u"0"_s : t.gelesen;
    gelesen.replace(u'.', locale.decimalPoint());
    return u"Gelesen als "_s + gelesen + u" (getippt: "_s + t.getippt + u")."_s;
}

} // namespace

core::Texte dreieckrechner::feldtexte() const
{
    return {txt_winkel.Text(), txt_an.Text(), txt_ge.Text(), txt_hyp.Text()};
}

platform::TextBox& dreieckrechner::feld(core::Feld f) const
{
    switch (f) {
    case core::Feld::winkel: return txt_winkel;
    case core::Feld::an: return txt_an;
    case core::Feld::ge: return txt_ge;
    case core::Feld::hyp: break;
    }
    return txt_hyp;
}

void dreieckrechner::melden(const core::Meldung& gemeldet)
{
    gemeldetes_feld = &feld(gemeldet.feld);
    meldung = gemeldet.text;
    titel = gemeldet.titel;
    fehler_melden(meldung, titel);
}

void dreieckrechner::zeigen(core::Feld f, double wert)
{
    feld(f).SetText(core::Str(wert, locale()));
}

const core::Loesung* dreieckrechner::loesung_oder_melden()
{
    if (const auto* gemeldet = std::get_if<core::Meldung>(&ergebnis)) {
        melden(*gemeldet);
        return nullptr;
    }
    const auto& l = std::get<core::Loesung>(ergebnis);
    seiten_merken(l);
    return &l;
}

void dreieckrechner::rechnen_mit_winkel()
{
    const core::Loesung* const l = loesung_oder_melden();
    if (l == nullptr)
        return;
    // Nothing reads it now, but the shared state holds the angle in radians
    // after a calculation with the angle, as it always has.
    winkel = (pi / grad_je_pi) * l->getippt[core::Feld::winkel].val;
    for (const core::Schreiben& s : l->schreiben)
        zeigen(s.feld, s.wert);
    hinweise_setzen(*l);
}

void dreieckrechner::rechnen_ohne_winkel()
{
    const core::Loesung* const l = loesung_oder_melden();
    if (l == nullptr)
        return;
    for (const core::Schreiben& s : l->schreiben) {
        if (s.feld == core::Feld::winkel)
            winkel_berechnen(s.wert);
        else
            zeigen(s.feld, s.wert);
    }
    hinweise_setzen(*l);
}

void dreieckrechner::hinweise_setzen(const core::Loesung& l)
{
    QStringList ansagen;
    for (const core::Teillesung& t : l.teillesungen) {
        feld(t.feld).SetNote(lesehinweis(t, locale()));
        ansagen << feld(t.feld).Name() + u": "_s + lesehinweis(t, locale());
    }
    for (const core::Abgleich& a : l.abgleiche) {
        platform::TextBox& f = feld(a.feld);
        const QString getippt = l.texte[a.feld];
        if (f.Text() == getippt)
            continue;
        const QString grund =
            a.passt ? u"das stimmt auf die getippten Stellen mit den anderen Angaben überein"_s
                    : u"das passt nicht zu den anderen Angaben"_s;
        const QString gelesen = f.Note().isEmpty() ? QString() : f.Note() + u'\n';
        f.SetNote(gelesen + u"Ersetzt: getippt war "_s + getippt + u";\n"_s + grund
                  + u".\nNeu berechnet aus "_s + core::ausgang_namen(l.fall) + u'.');
        ansagen << f.Name() + u" ersetzt: getippt "_s + getippt + u", berechnet "_s + f.Text();
    }
    if (!ansagen.isEmpty())
        Announce(ansagen.join(u"; "_s));
}

void dreieckrechner::teillesungen_markieren(const std::vector<core::Teillesung>& teillesungen)
{
    for (const core::Teillesung& t : teillesungen) {
        feld(t.feld).SetNote(lesehinweis(t, locale()));
        feld(t.feld).setToolTip(feld(t.feld).Note());
    }
}
