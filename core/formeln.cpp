// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/formeln.hpp"

namespace core {
namespace {

constexpr int rechter_winkel = 90;

} // namespace

Dreieck dreieck(Fall fall, const JeFeld<Getippt>& g)
{
    Dreieck d;
    JeFeld<Zahl>& w = d.werte;
    for (const Feld feld : zeile(fall).ausgang)
        w[feld] = Zahl(g[feld].wert);
    const mpq_class& alpha = g[Feld::winkel].wert;
    switch (fall) {
    case Fall::winkel_an:
        w[Feld::ge] = w[Feld::an] * Zahl::sin(alpha) / Zahl::cos(alpha);
        w[Feld::hyp] = w[Feld::an] / Zahl::cos(alpha);
        break;
    case Fall::winkel_ge:
        w[Feld::an] = w[Feld::ge] * Zahl::cos(alpha) / Zahl::sin(alpha);
        w[Feld::hyp] = w[Feld::ge] / Zahl::sin(alpha);
        break;
    case Fall::winkel_hyp:
        w[Feld::an] = w[Feld::hyp] * Zahl::cos(alpha);
        w[Feld::ge] = w[Feld::hyp] * Zahl::sin(alpha);
        break;
    // The third side by Pythagoras, from the exact squares of the two given.
    case Fall::an_ge: w[Feld::hyp] = Zahl::wurzel(quadratsumme(g[Feld::an], g[Feld::ge])); break;
    case Fall::an_hyp:
        w[Feld::ge] = Zahl::wurzel(quadratdifferenz(g[Feld::hyp], g[Feld::an]));
        break;
    case Fall::ge_hyp:
        w[Feld::an] = Zahl::wurzel(quadratdifferenz(g[Feld::hyp], g[Feld::ge]));
        break;
    }
    if (mit_winkel(fall)) {
        d.beta = Zahl(rechter_winkel - alpha);
    } else {
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
