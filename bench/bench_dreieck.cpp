// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the number services, of the worked solution, and of one whole
// Berechnen on offscreen widgets (which writes its worked solution too).
#include "core/berechnung.hpp"
#include "core/numbers.hpp"
#include "core/rechenweg.hpp"
#include "platform/messagebox.hpp"
#include "window/dreieckrechner.hpp"

#include <QApplication>
#include <QLocale>

#include <benchmark/benchmark.h>

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

void round4(benchmark::State& state)
{
    double x = 2.886751345948129;
    for ([[maybe_unused]] auto _ : state) {
        benchmark::DoNotOptimize(core::Round(x, core::stellen));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(round4);

void number_to_text(benchmark::State& state)
{
    const QLocale german(QLocale::German, QLocale::Germany);
    for ([[maybe_unused]] auto _ : state)
        benchmark::DoNotOptimize(core::Str(2.8868, german));
}
BENCHMARK(number_to_text);

// The worked solution of three sides that disagree: every check and step.
void rechenweg(benchmark::State& state)
{
    const core::Texte texte{{u"?"_s, u"3"_s, u"4"_s, u"6"_s}};
    const core::Ergebnis e = core::ohne_winkel(texte);
    const QLocale german(QLocale::German, QLocale::Germany);
    for ([[maybe_unused]] auto _ : state)
        benchmark::DoNotOptimize(core::rechenweg(texte, e, german));
}
BENCHMARK(rechenweg);

void berechnen(benchmark::State& state)
{
    dreieckrechner window;
    window.start();
    for ([[maybe_unused]] auto _ : state) {
        window.txt_winkel.SetText(u"30"_s);
        window.txt_an.SetText(u"5"_s);
        window.txt_ge.SetText(u"?"_s);
        window.txt_hyp.SetText(u"?"_s);
        window.cmd_rechnen.click();
        state.PauseTiming();
        window.cmd_neu.click();
        state.ResumeTiming();
    }
}
BENCHMARK(berechnen);

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
