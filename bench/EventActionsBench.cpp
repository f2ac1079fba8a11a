// SPDX-License-Identifier: GPL-3.0-or-later
// A row's actions on the generated 50,000-event store: removing one occurrence of a series
// (the file edit and the store's reload that follows), re-timing a reminder, and the titles
// of the "Hidden Events" menu. Data goes to $RUVO_BENCH_DIR (default /tmp/ruvo-bench).
#include "GeneratedStore.h"
#include "events/actions/HiddenEvents.h"
#include "platform/linux/VdirCalendarStore.h"
#include "settings/Keys.h"

#include <QDir>
#include <QFile>
#include <benchmark/benchmark.h>

using namespace ruvo;
namespace vdir = ruvo::platform::vdir;

namespace {

constexpr int kEvents = 50000;

QString root() {
    return bench::benchFolder(QStringLiteral("actions-%1").arg(kEvents));
}

QString editFolder() {
    return root() + QStringLiteral("/vdir/edits");
}

// A daily series and a reminder in their own collection, rewritten before each benchmark.
void writeEditedItems() {
    QDir().mkpath(editFolder());
    QFile series(editFolder() + QStringLiteral("/series.ics"));
    if (!series.open(QIODevice::WriteOnly))
        qFatal("cannot write the benchmark series");
    series.write("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//bench//EN\r\nBEGIN:VEVENT\r\n"
                 "UID:bench-series\r\nDTSTART;TZID=Europe/Berlin:20260101T090000\r\n"
                 "DURATION:PT1H\r\nRRULE:FREQ=DAILY\r\nSUMMARY:Daily\r\nEND:VEVENT\r\n"
                 "BEGIN:VTODO\r\nUID:bench-todo\r\nSUMMARY:Todo\r\nDUE:20260101T090000Z\r\n"
                 "END:VTODO\r\nEND:VCALENDAR\r\n");
}

std::unique_ptr<vdir::VdirCalendarStore> openStore() {
    bench::prepareGeneratedCalendars(root(), kEvents);
    writeEditedItems();
    auto store = bench::openGeneratedStore(root());
    return store;
}

void removeOccurrence(benchmark::State& state) {
    auto store = openStore();
    kit::Instant day = kit::instantFromMSecs(
        QDateTime(QDate(2026, 2, 1), QTime(0, 0), QTimeZone::utc()).toMSecsSinceEpoch());
    for (auto _ : state) {
        state.PauseTiming();
        const auto events = store->events({{day, day + std::chrono::hours(24)}, {}});
        const auto it = std::find_if(events.begin(), events.end(), [](const platform::Event& e) {
            return e.calendarItemExternalIdentifier() == QLatin1String("bench-series");
        });
        if (it == events.end())
            qFatal("the benchmark series has no occurrence that day");
        day += std::chrono::hours(24);
        state.ResumeTiming();
        if (!store->removeEvent(*it, platform::RemovalScope::thisOccurrence))
            qFatal("cannot remove an occurrence");
    }
}

void retimeReminder(benchmark::State& state) {
    auto store = openStore();
    const QString id = store->calendars(platform::EntityType::event).back().identifier +
                       QStringLiteral("/bench-todo");
    int day = 1;
    for (auto _ : state) {
        const platform::DueDate due{QDate(2026, 3, 1).addDays(day++ % 300), QTime(9, 0), {}};
        if (!store->setReminderDue(id, due))
            qFatal("cannot re-time the reminder");
    }
}

void hiddenEventTitles(benchmark::State& state) {
    auto store = openStore();
    settings::Suite standard{QStringLiteral("standard")};
    settings::Suite shared{QStringLiteral("shared")};
    settings::Defaults defaults{standard, shared};
    settings::StringList hidden;
    const auto some = store->events({{kit::instantFromMSecs(1767225600000),  // 2026-01-01
                                      kit::instantFromMSecs(1769904000000)}, // 2026-02-01
                                     {}});
    for (std::size_t i = 0; i < some.size() && hidden.size() < 10; i += some.size() / 10 + 1)
        hidden.push_back(some[i].calendarItemExternalIdentifier());
    defaults.set(settings::keys::hiddenEvents, hidden);
    const events::actions::HiddenEvents menu(defaults, *store);
    for (auto _ : state)
        benchmark::DoNotOptimize(menu.latest());
    state.counters["hidden"] = double(hidden.size());
}

} // namespace

BENCHMARK(removeOccurrence)->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK(retimeReminder)->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK(hiddenEventTitles)->Unit(benchmark::kMillisecond);
