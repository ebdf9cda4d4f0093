// SPDX-License-Identifier: GPL-3.0-or-later
// One whole Berechnen on four arbitrary field texts, as pasted text can be:
// every value it writes, and every result of its worked solution, must be the
// exact value for the texts as typed, rounded once, as the high-precision
// reference has it; and a report of the range must be due.
#include "../reference.hpp"
#include "core/berechnung.hpp"
#include "core/numbers.hpp"
#include "core/rechenweg.hpp"

#include <QByteArrayList>
#include <QLocale>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <variant>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Four texts, split at zero bytes; any bytes, any Unicode.
    const QByteArrayList parts =
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)).split('\0');
    core::Texte typed;
    for (std::size_t i = 0; i < typed.size(); ++i)
        typed.at(i) = QString::fromUtf8(parts.value(static_cast<qsizetype>(i)));

    const core::Ergebnis e = core::berechnen(typed);
    const reference::Werte expected = reference::berechnen(typed);
    if (const auto* const meldung = std::get_if<core::Meldung>(&e)) {
        // A result beyond the range is reported; where the values typed are
        // in range, only then.
        if (meldung->text == u"Werte liegen außerhalb des Rechenbereichs !") {
            const bool eingaben_ausserhalb = std::ranges::any_of(typed, [](const QString& t) {
                return core::lesen(t).bereich == core::Bereich::ausserhalb;
            });
            const bool ergebnis_ausserhalb = std::ranges::any_of(
                expected.felder, [](const auto& w) { return w && reference::ausserhalb(*w); });
            if (!eingaben_ausserhalb && !ergebnis_ausserhalb)
                std::abort();
        }
        return 0;
    }
    // Exactly the fields the reference knows results for are written.
    if (std::ranges::count_if(expected.felder, [](const auto& r) { return r.has_value(); }) != 2)
        std::abort();
    const auto& l = std::get<core::Loesung>(e);
    for (const core::Schreiben& w : l.schreiben) {
        const std::optional<reference::Wert>& exact = expected.felder[w.feld];
        if (!exact)
            std::abort();
        const std::optional<QString> text = reference::feldtext(*exact);
        if (text && core::Str(w.wert, QLocale::c()) != *text)
            std::abort();
    }
    // And every result of its worked solution.
    if (reference::falsches_ergebnis(core::rechenweg(l, QLocale::c()), expected))
        std::abort();
    return 0;
}
