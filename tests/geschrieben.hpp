// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a solution writes, as the C locale shows it: the fields in the order
// they are written, and every field's text afterwards.

#include "core/berechnung.hpp"
#include "core/numbers.hpp"

#include <QLocale>
#include <QStringList>

struct Geschrieben {
    QStringList felder;
    QStringList texte;
};

inline Geschrieben geschrieben(const core::Loesung& l)
{
    using namespace Qt::StringLiterals;
    const core::JeFeld<QString> namen{{u"txt_winkel"_s, u"txt_an"_s, u"txt_ge"_s, u"txt_hyp"_s}};
    core::Texte texte = l.texte;
    Geschrieben g;
    for (const core::Schreiben& s : l.schreiben) {
        g.felder << namen[s.feld];
        texte[s.feld] = core::Str(s.wert, QLocale::c());
    }
    g.texte = QStringList(texte.begin(), texte.end());
    return g;
}
