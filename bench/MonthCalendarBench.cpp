// SPDX-License-Identifier: GPL-3.0-or-later
// The month calendar's dots for a six-week grid over the generated 50,000-event calendars:
// the main-thread half (query and colours), the worker half (the per-day walk) and both.
// Data goes to $RUVO_BENCH_DIR (default /tmp/ruvo-bench), generated once.
#include "GeneratedStore.h"
#include "events/calendar/CalendarDots.h"
#include "platform/linux/VdirCalendarStore.h"
#include "settings/Keys.h"

#include <QDir>
#include <benchmark/benchmark.h>

using namespace ruvo;
namespace vdir = ruvo::platform::vdir;
using settings::EventIndicatorsInCalendar;

namespace {

constexpr int kEvents = 50000;

QString root() {
    return bench::benchFolder(QString::number(kEvents));
}

struct Fixture {
    settings::Suite standard{QStringLiteral("standard")};
    settings::Suite shared{QStringLiteral("shared")};
    settings::Defaults defaults{standard, shared};
    std::unique_ptr<vdir::VdirCalendarStore> store;
    std::vector<QDate> days;

    Fixture() {
        bench::prepareGeneratedCalendars(root(), kEvents);
        store = bench::openGeneratedStore(root());
        settings::StringSet enabled;
        for (const auto& calendar : store->calendars(platform::EntityType::event))
            enabled.insert(calendar.identifier);
        defaults.set(settings::keys::enabledCalendars, enabled);
        // The grid of December 2026 with Monday first: 30 November ... 10 January.
        for (int i = 0; i < 42; ++i)
            days.push_back(QDate(2026, 11, 30).addDays(i));
    }

    calendar::DotsInput input(EventIndicatorsInCalendar indicator) const {
        const events::EventQueries queries(*store, defaults, QStringLiteral("Europe/Berlin"));
        return calendar::dotsInput(queries, days, indicator);
    }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

EventIndicatorsInCalendar indicatorOf(const benchmark::State& state) {
    return state.range(0) == 1 ? EventIndicatorsInCalendar::one
                               : EventIndicatorsInCalendar::maxThree;
}

void dotsSnapshot(benchmark::State& state) {
    auto& f = fixture();
    std::size_t events = 0;
    for (auto _ : state) {
        const auto input = f.input(indicatorOf(state));
        events = input.events.size();
        benchmark::DoNotOptimize(input.events.data());
    }
    state.counters["events"] = double(events);
}

void dotsWalk(benchmark::State& state) {
    const auto input = fixture().input(indicatorOf(state));
    for (auto _ : state) {
        auto dots = calendar::computeDots(input);
        benchmark::DoNotOptimize(dots.data());
    }
    state.counters["events"] = double(input.events.size());
}

void dotsTotal(benchmark::State& state) {
    auto& f = fixture();
    for (auto _ : state) {
        auto dots = calendar::computeDots(f.input(indicatorOf(state)));
        benchmark::DoNotOptimize(dots.data());
    }
}

} // namespace

// Argument 1: one dot per day; 3: up to three colours.
BENCHMARK(dotsSnapshot)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond);
BENCHMARK(dotsWalk)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond);
BENCHMARK(dotsTotal)
    ->Arg(1)
    ->Arg(3)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
