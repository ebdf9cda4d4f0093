// SPDX-License-Identifier: GPL-3.0-or-later
// One whole Berechnen on four arbitrary field texts, as pasted text can be:
// every value it writes must agree with the high-precision reference, and a
// report of the range must be due.
#include "../geschrieben.hpp"
#include "../reference.hpp"
#include "core/berechnung.hpp"
#include "core/numbers.hpp"

#include <QByteArrayList>
#include <QLocale>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Four texts, split at zero bytes; any bytes, any Unicode.
    const QByteArrayList parts =
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)).split('\0');
    core::Texte typed;
    for (std::size_t i = 0; i < typed.size(); ++i)
        typed.at(i) = QString::fromUtf8(parts.value(static_cast<qsizetype>(i)));

    const core::Ergebnis e = berechnen(typed);
    const reference::Results expected = reference::berechnen(typed);
    if (e.meldung) {
        // A report of a range fault is due only where a value lies beyond the double range.
        if (e.meldung->text == u"Werte liegen außerhalb des Rechenbereichs !"
            && !reference::ausserhalb(expected))
            std::abort();
        return 0;
    }
    // Exactly the fields the reference knows results for are written.
    if (std::ranges::count_if(expected, [](const auto& r) { return r.has_value(); }) != 2)
        std::abort();
    for (const core::Schreiben& w : e.schreiben) {
        const std::optional<reference::Exact>& exact = expected[w.feld];
        if (!exact)
            std::abort();
        if (!(reference::fehler_in_toleranzen(core::Str(w.wert, QLocale::c()), *exact) <= 1))
            std::abort();
    }
    return 0;
}
