// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A Berechnen as cmd_rechnen_Click runs it, for the tests and fuzzers that
// have no window (test_commands checks the window against it on every path),
// and what it writes, as the C locale shows it: the fields in the order they
// are written, and every field's text afterwards.

#include "core/berechnung.hpp"
#include "core/numbers.hpp"

#include <QLocale>
#include <QStringList>

// Too few values given, or the procedure the angle field chooses.
inline core::Ergebnis berechnen(const core::Texte& texte)
{
    if (core::anzahl_unbekannt(texte) > core::hoechstens_unbekannt) {
        core::Ergebnis e;
        e.meldung = core::zu_wenige_werte(texte);
        return e;
    }
    return texte[core::Feld::winkel] != core::unbekannt ? core::mit_winkel(texte)
                                                        : core::ohne_winkel(texte);
}

struct Geschrieben {
    QStringList felder;
    QStringList texte;
};

inline Geschrieben geschrieben(core::Texte texte, const core::Ergebnis& e)
{
    using namespace Qt::StringLiterals;
    const core::JeFeld<QString> namen{{u"txt_winkel"_s, u"txt_an"_s, u"txt_ge"_s, u"txt_hyp"_s}};
    Geschrieben g;
    for (const core::Schreiben& s : e.schreiben) {
        g.felder << namen[s.feld];
        texte[s.feld] = core::Str(s.wert, QLocale::c());
    }
    g.texte = QStringList(texte.begin(), texte.end());
    return g;
}
