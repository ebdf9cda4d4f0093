// SPDX-License-Identifier: GPL-3.0-or-later
// One whole Berechnen on four arbitrary field texts, as pasted text can be:
// every value it writes must agree with the high-precision reference, and a
// report must leave every text as it was.
#include "../reference.hpp"
#include "platform/messagebox.hpp"
#include "window/dreieckrechner.hpp"

#include <QApplication>
#include <QLocale>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>

namespace {

QString reported; // the last report's text, empty when there was none

// A report of a range fault is due only where a value lies beyond the double range.
bool reportIsRight(const reference::Results& expected)
{
    return reported != u"Werte liegen außerhalb des Rechenbereichs !"
           || reference::ausserhalb(expected);
}

} // namespace

// NOLINTNEXTLINE(readability-non-const-parameter): libFuzzer fixes this signature
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    platform::setMsgBoxHandler([](const QString& text, int, const QString&) {
        reported = text;
        return platform::vbOK;
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const auto window = [] {
        auto w = std::make_unique<dreieckrechner>();
        w->setLocale(QLocale::c());
        w->start();
        return w;
    }();
    // Four texts, split at zero bytes; any bytes, any Unicode.
    const QByteArrayList parts =
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)).split('\0');
    const std::array fields{&window->txt_winkel, &window->txt_an, &window->txt_ge,
                            &window->txt_hyp};
    std::array<QString, 4> typed;
    window->cmd_neu.click();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        typed[i] = QString::fromUtf8(parts.value(static_cast<qsizetype>(i)));
        fields[i]->SetText(typed[i]);
    }
    reported.clear();
    window->cmd_rechnen.click();

    const reference::Results expected = reference::berechnen(typed);
    if (!reportIsRight(expected))
        std::abort();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const QString shown = fields[i]->Text();
        const std::optional<reference::Exact>& exact = expected[i];
        if (reported.isEmpty() && exact) {
            if (!(reference::fehler_in_toleranzen(shown, *exact) <= 1))
                std::abort();
        } else if (shown != typed[i]) {
            std::abort();
        }
    }
    return 0;
}
