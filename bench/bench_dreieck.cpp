// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the number services, of the worked solution, and of one whole
// Berechnen on offscreen widgets (which writes its worked solution too).
#include "core/berechnung.hpp"
#include "core/numbers.hpp"
#include "core/rechenweg.hpp"
#include "platform/messagebox.hpp"
#include "window/arbeitsblatt.hpp"
#include "window/dreieckrechner.hpp"

#include <QApplication>
#include <QLocale>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <variant>

using namespace Qt::StringLiterals;

namespace {

void val(benchmark::State& state)
{
    const QString text = u"  12.5e-3 "_s;
    for ([[maybe_unused]] auto _ : state)
        benchmark::DoNotOptimize(core::Val(text));
}
BENCHMARK(val);

void val_pasted_100000_digits(benchmark::State& state)
{
    const QString text = QString(100000, u'7');
    for ([[maybe_unused]] auto _ : state)
        benchmark::DoNotOptimize(core::Val(text));
}
BENCHMARK(val_pasted_100000_digits);

void number_to_text(benchmark::State& state)
{
    const QLocale german(QLocale::German, QLocale::Germany);
    for ([[maybe_unused]] auto _ : state)
        benchmark::DoNotOptimize(core::Str(2.8868, german));
}
BENCHMARK(number_to_text);

// A calculation decided by the core, and its worked solution, for ordinary
// input, for 16 digits that nearly cancel, and for legs typed to 30 000
// decimal places.
core::Texte eingabe(std::int64_t fall)
{
    // Digits without a pattern, as in a pasted measurement.
    std::minstd_rand zufall(static_cast<std::minstd_rand::result_type>(fall));
    const auto stellen = [&zufall](char erste) {
        QString text = erste + u"."_s;
        for (int i = 0; i < 30000; ++i)
            text += QChar(u'0' + static_cast<char16_t>(zufall() % 10));
        return text;
    };
    switch (fall) {
    case 0: return {{u"?"_s, u"3"_s, u"4"_s, u"6"_s}};
    case 1: return {{u"?"_s, u"1135767.4148"_s, u"7770889280112.917"_s, u"7770889280113"_s}};
    default: break;
    }
    return {{u"?"_s, stellen('1'), stellen('2'), u"?"_s}};
}

void berechnen_core(benchmark::State& state)
{
    const core::Texte texte = eingabe(state.range(0));
    for ([[maybe_unused]] auto _ : state)
        benchmark::DoNotOptimize(core::berechnen(texte));
}
BENCHMARK(berechnen_core)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

void rechenweg(benchmark::State& state)
{
    const core::Ergebnis e = core::berechnen(eingabe(state.range(0)));
    const QLocale german(QLocale::German, QLocale::Germany);
    for ([[maybe_unused]] auto _ : state)
        benchmark::DoNotOptimize(core::rechenweg(std::get<core::Loesung>(e), german));
}
BENCHMARK(rechenweg)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// The worksheet Ctrl+Shift+C copies beside the text: the HTML with its
// sketch planned, drawn and encoded as PNG.
void arbeitsblatt(benchmark::State& state)
{
    const core::Rechenweg r =
        core::rechenweg(std::get<core::Loesung>(core::berechnen(eingabe(state.range(0)))),
                        QLocale(QLocale::German, QLocale::Germany));
    for ([[maybe_unused]] auto _ : state)
        benchmark::DoNotOptimize(arbeitsblatt_html(r));
}
BENCHMARK(arbeitsblatt)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// One whole Berechnen on offscreen widgets, for the same three inputs.
void berechnen(benchmark::State& state)
{
    dreieckrechner window;
    window.start();
    const QList<platform::TextBox*> fields{window.findChild<platform::TextBox*>(u"txt_winkel"_s),
                                           window.findChild<platform::TextBox*>(u"txt_an"_s),
                                           window.findChild<platform::TextBox*>(u"txt_ge"_s),
                                           window.findChild<platform::TextBox*>(u"txt_hyp"_s)};
    auto* const rechnen = window.findChild<platform::CommandButton*>(u"cmd_rechnen"_s);
    auto* const neu = window.findChild<platform::CommandButton*>(u"cmd_neu"_s);
    const core::Texte typed = eingabe(state.range(0));
    for ([[maybe_unused]] auto _ : state) {
        for (qsizetype i = 0; i < fields.size(); ++i)
            fields.at(i)->SetText(typed.at(static_cast<std::size_t>(i)));
        rechnen->click();
        state.PauseTiming();
        neu->click();
        state.ResumeTiming();
    }
}
BENCHMARK(berechnen)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QApplication app(argc, argv);
    platform::setMsgBoxHandler([](const QString&, int, const QString&) { return platform::vbOK; });
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
