// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The checks of the worked solution. A value that was given although the
// calculation writes it again is checked against what the others give, to
// the precision it was typed with: it agrees when it lies within half a unit
// of its last typed digit ("8,6603" for 8,66025…). Agreeing, it is a Probe
// and is not computed again; otherwise the text says that the given values
// do not fit and which are computed anew. A solution found from two values
// is checked in the end by a relation it did not use.

#include "core/schritte.hpp"

#include <QStringList>

namespace core {

struct Abgleich {
    QStringList zeilen;        // paragraphs, separated by empty lines
    JeFeld<bool> bestaetigt{}; // given, written again, and agreeing: not computed again
};
[[nodiscard]] Abgleich abgleichen(const Werte& werte);

// The values the solution ends with, field by field: as given where a field
// was given and agrees, as computed otherwise; and their doubles.
struct Verwendet {
    JeFeld<Groesse> groesse{};
    JeFeld<double> roh{};
};

// The final check: the Satz des Pythagoras with the results after a
// calculation with the angle, a ratio of the sides after one without.
[[nodiscard]] QStringList schlussprobe(const Werte& werte, const Verwendet& verwendet);

} // namespace core
