// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/formeln.hpp"

namespace core {
namespace {

constexpr int rechter_winkel = 90;

// The two legs and the hypotenuse from the angle and the side a case starts from.
void seiten_mit_winkel(Fall fall, const JeFeld<Getippt>& g, JeFeld<Zahl>& w)
{
    const mpq_class& alpha = g[Feld::winkel].wert;
    const Zahl sin = Zahl::sin(alpha);
    const Zahl cos = Zahl::cos(alpha);
    switch (fall) {
    case Fall::winkel_an:
        w[Feld::an] = Zahl(g[Feld::an].wert);
        w[Feld::ge] = w[Feld::an] * sin / cos;
        w[Feld::hyp] = w[Feld::an] / cos;
        return;
    case Fall::winkel_ge:
        w[Feld::ge] = Zahl(g[Feld::ge].wert);
        w[Feld::an] = w[Feld::ge] * cos / sin;
        w[Feld::hyp] = w[Feld::ge] / sin;
        return;
    case Fall::winkel_hyp:
    case Fall::an_ge:
    case Fall::an_hyp:
    case Fall::ge_hyp: break;
    }
    w[Feld::hyp] = Zahl(g[Feld::hyp].wert);
    w[Feld::an] = w[Feld::hyp] * cos;
    w[Feld::ge] = w[Feld::hyp] * sin;
}

// The third side by Pythagoras, from the exact squares of the two given.
void seiten_ohne_winkel(Fall fall, const JeFeld<Getippt>& g, JeFeld<Zahl>& w)
{
    const Getippt& an = g[Feld::an];
    const Getippt& ge = g[Feld::ge];
    const Getippt& hyp = g[Feld::hyp];
    switch (fall) {
    case Fall::an_ge:
        w[Feld::an] = Zahl(an.wert);
        w[Feld::ge] = Zahl(ge.wert);
        w[Feld::hyp] = Zahl::wurzel(quadratsumme(an, ge));
        return;
    case Fall::an_hyp:
        w[Feld::an] = Zahl(an.wert);
        w[Feld::ge] = Zahl::wurzel(quadratdifferenz(hyp, an));
        w[Feld::hyp] = Zahl(hyp.wert);
        return;
    case Fall::winkel_an:
    case Fall::winkel_ge:
    case Fall::winkel_hyp:
    case Fall::ge_hyp: break;
    }
    w[Feld::an] = Zahl::wurzel(quadratdifferenz(hyp, ge));
    w[Feld::ge] = Zahl(ge.wert);
    w[Feld::hyp] = Zahl(hyp.wert);
}

} // namespace

Dreieck dreieck(Fall fall, const JeFeld<Getippt>& gegeben)
{
    Dreieck d;
    JeFeld<Zahl>& w = d.werte;
    if (mit_winkel(fall)) {
        seiten_mit_winkel(fall, gegeben, w);
        w[Feld::winkel] = Zahl(gegeben[Feld::winkel].wert);
        d.beta = Zahl(rechter_winkel - gegeben[Feld::winkel].wert);
    } else {
        seiten_ohne_winkel(fall, gegeben, w);
        w[Feld::winkel] = Zahl::arctan(w[Feld::ge], w[Feld::an]);
        d.beta = Zahl::arctan(w[Feld::an], w[Feld::ge]);
    }
    return d;
}

Weitere weitere_groessen(const Dreieck& d)
{
    const Zahl& an = d.werte[Feld::an];
    const Zahl& ge = d.werte[Feld::ge];
    const Zahl& hyp = d.werte[Feld::hyp];
    return {Zahl(mpq_class(1, 2)) * an * ge, an + ge + hyp, ge * ge / hyp, an * an / hyp,
            an * ge / hyp};
}

} // namespace core
