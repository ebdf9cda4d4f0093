// SPDX-License-Identifier: GPL-3.0-or-later
// The two solving procedures of the window: they read the four fields, let
// the calculation core decide, and either report the input error or write
// the missing quantities in its order, keeping the shared variables up to date.
#include "window/dreieckrechner.hpp"

#include "core/numbers.hpp"
#include "solver/globale_var_sub.hpp"

#include <QLocale>

using namespace globale_Var_sub;

namespace {

void seiten_merken(const core::Ergebnis& e)
{
    an = e.seiten.an;
    ge = e.seiten.ge;
    hyp = e.seiten.hyp;
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

void dreieckrechner::rechnen_mit_winkel()
{
    const core::Ergebnis& e = ergebnis.emplace(core::mit_winkel(feldtexte()));
    winkel = e.alpha.grad;
    seiten_merken(e);
    if (e.meldung) {
        melden(*e.meldung);
        return;
    }
    // Nothing reads it now, but the shared state holds the angle in radians
    // after a calculation with the angle, as it always has.
    winkel = (pi / grad_je_pi) * winkel;
    for (const core::Schreiben& s : e.schreiben)
        zeigen(s.feld, s.wert);
}

void dreieckrechner::rechnen_ohne_winkel()
{
    const core::Ergebnis& e = ergebnis.emplace(core::ohne_winkel(feldtexte()));
    seiten_merken(e);
    if (e.meldung) {
        melden(*e.meldung);
        return;
    }
    for (const core::Schreiben& s : e.schreiben) {
        switch (s.feld) {
        case core::Feld::winkel: winkel_berechnen(an, ge); break;
        case core::Feld::hyp:
            // The hypotenuse of two legs is kept as it is shown.
            hyp = s.wert;
            zeigen(s.feld, hyp);
            break;
        case core::Feld::an:
        case core::Feld::ge: zeigen(s.feld, s.wert); break;
        }
    }
}
