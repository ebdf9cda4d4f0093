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
    const QList<platform::TextBox*> fields{window.findChild<platform::TextBox*>(u"txt_winkel"_s),
                                           window.findChild<platform::TextBox*>(u"txt_an"_s),
                                           window.findChild<platform::TextBox*>(u"txt_ge"_s),
                                           window.findChild<platform::TextBox*>(u"txt_hyp"_s)};
    auto* const rechnen = window.findChild<platform::CommandButton*>(u"cmd_rechnen"_s);
    auto* const neu = window.findChild<platform::CommandButton*>(u"cmd_neu"_s);
    const QStringList typed{u"30"_s, u"5"_s, u"?"_s, u"?"_s};
    for ([[maybe_unused]] auto _ : state) {
        for (qsizetype i = 0; i < fields.size(); ++i)
            fields.at(i)->SetText(typed.at(i));
        rechnen->click();
        state.PauseTiming();
        neu->click();
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
