// SPDX-License-Identifier: GPL-3.0-or-later
// What one recomposition of the clock text costs (it runs every second with seconds on):
// the switches path through the locale's templates, and a custom pattern.
#include "menubar/ClockText.h"

#include <benchmark/benchmark.h>

using namespace ruvo;

namespace {

const kit::Environment kEnvironment{QStringLiteral("de_DE"), QStringLiteral("Europe/Berlin")};

void composeWithSwitches(benchmark::State& state) {
    menubar::ClockTextSettings settings;
    settings.showDate = true;
    settings.showSeconds = true;
    kit::Instant now = kit::instantFromMSecs(1796392865000);
    for (auto _ : state) {
        benchmark::DoNotOptimize(menubar::composeClockText(settings, now, kEnvironment));
        now += kit::Milliseconds{1000};
    }
}
BENCHMARK(composeWithSwitches)->Unit(benchmark::kMicrosecond);

void composeWithPattern(benchmark::State& state) {
    menubar::ClockTextSettings settings;
    settings.dateTimeFormat = QStringLiteral("E d MMM  HH:mm:ss");
    kit::Instant now = kit::instantFromMSecs(1796392865000);
    for (auto _ : state) {
        benchmark::DoNotOptimize(menubar::composeClockText(settings, now, kEnvironment));
        now += kit::Milliseconds{1000};
    }
}
BENCHMARK(composeWithPattern)->Unit(benchmark::kMicrosecond);

} // namespace
