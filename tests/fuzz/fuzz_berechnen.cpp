// One whole Berechnen on four arbitrary field texts, as pasted text can be.
#include "platform/messagebox.hpp"
#include "window/dreieckrechner.hpp"

#include <QApplication>
#include <QLocale>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

bool reported = false;

// A number the calculator wrote must be finite and not negative.
bool plausible(const QString& shown)
{
    return !shown.startsWith(u'-') && !shown.contains(u"inf") && !shown.contains(u"nan");
}

} // namespace

// NOLINTNEXTLINE(readability-non-const-parameter): libFuzzer fixes this signature
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    platform::setMsgBoxHandler([](const QString&, int, const QString&) {
        reported = true;
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
    reported = false;
    window->cmd_rechnen.click();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const QString shown = fields[i]->Text();
        if (reported ? shown != typed[i] : (shown != typed[i] && !plausible(shown)))
            std::abort();
    }
    return 0;
}
