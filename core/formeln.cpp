// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/formeln.hpp"

#include <QtGlobal>

namespace core {
namespace {

constexpr int rechter_winkel = 90;

} // namespace

const Schritt& Fallzeile::schritt(Feld feld) const
{
    Q_ASSERT_X(schritte[0].feld == feld || schritte[1].feld == feld, "core::Fallzeile::schritt",
               "a field the case writes");
    return schritte[0].feld == feld ? schritte[0] : schritte[1];
}

Dreieck dreieck(Fall fall, const JeFeld<Getippt>& g)
{
    Dreieck d;
    JeFeld<Zahl>& w = d.werte;
    const Fallzeile& z = zeile(fall);
    for (const Feld feld : z.ausgang)
        w[feld] = Zahl(g[feld].wert);
    // The sides first: an angle comes from both legs.
    for (const bool winkel : {false, true}) {
        for (const Schritt& s : z.schritte) {
            if ((s.feld == Feld::winkel) == winkel)
                w[s.feld] = s.formel(g, w);
        }
    }
    d.beta = mit_winkel(fall) ? Zahl(rechter_winkel - g[Feld::winkel].wert)
                              : Zahl::arctan(w[Feld::an], w[Feld::ge]);
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
