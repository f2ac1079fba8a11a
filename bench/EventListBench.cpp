// SPDX-License-Identifier: GPL-3.0-or-later
// The event list: its model (sections, past events, overdue reminders) for seven days of
// the generated 50,000-event calendars, with and without the video-call-only mode and an
// exclusion regex, the same plus every row's texts; and scrolling a list view of 2,000
// items one screen at a time (a layout and a paint per step). Data goes to
// $RUVO_BENCH_DIR (default /tmp/ruvo-bench), shared with the calendar store benchmark.
#include "GeneratedStore.h"
#include "events/EventsController.h"
#include "events/list/EventListModel.h"
#include "events/list/EventRowTexts.h"
#include "events/videocalls/VideoCallDetector.h"
#include "kit/VirtualScheduler.h"
#include "platform/fake/FakeCalendarStore.h"
#include "platform/fake/FakeSystemDateEvents.h"
#include "platform/fake/FakeUrlOpener.h"
#include "platform/linux/VdirCalendarStore.h"
#include "platform/linux/VdirSources.h"
#include "settings/Keys.h"
#include "views/events/EventListView.h"
#include "views/events/EventRowDelegate.h"

#include <QDir>
#include <QScrollBar>
#include <benchmark/benchmark.h>

using namespace ruvo;
namespace vdir = ruvo::platform::vdir;
namespace keys = settings::keys;

namespace {

const kit::Environment kBerlin{QStringLiteral("en_US"), QStringLiteral("Europe/Berlin")};
const QDate kSelected(2026, 12, 7);

kit::Instant berlin(QDate day, QTime time) {
    return kit::fromQDateTime(QDateTime(day, time, QTimeZone("Europe/Berlin")));
}

vdir::VdirCalendarStore& generatedStore() {
    static std::unique_ptr<vdir::VdirCalendarStore> store;
    if (store)
        return *store;
    const QString root = bench::benchFolder(QStringLiteral("50000"));
    bench::prepareGeneratedCalendars(root, 50000);
    store = bench::openGeneratedStore(root);
    return *store;
}

struct ModelFixture {
    settings::Suite standard{QStringLiteral("standard")};
    settings::Suite shared{QStringLiteral("shared")};
    settings::Defaults defaults{standard, shared};
    platform::FakeUrlOpener apps;
    videocalls::VideoCallDetector detector{apps};
    kit::FixedClock clock{berlin(kSelected, QTime(12, 0))};
    events::EventQueries queries{generatedStore(), defaults, kBerlin.timeZoneId};
    events::EventListModel model{queries, detector, kBerlin, clock};

    explicit ModelFixture(bool isFiltered) {
        events::enableAllCalendarsOnNewInstallation(generatedStore(), defaults);
        if (!isFiltered)
            return;
        defaults.set(keys::showVideoCallEventsOnlyInMainList, true);
        defaults.set(keys::fullscreenNotifications_excludeMatcher,
                     {{QUuid::createUuid(),
                       true,
                       settings::EventExcludeMatcher::Kind::regex,
                       QStringLiteral("^(standup|1:1) .*review$"),
                       {settings::EventExcludeMatcher::Location::eventList}}});
    }
};

void listModel(benchmark::State& state) {
    ModelFixture f(state.range(0) != 0);
    const auto options = events::EventListOptions::from(f.defaults);
    std::size_t rows = 0;
    for (auto _ : state) {
        const events::EventList list = f.model.build(kSelected, options);
        rows = list.pastEvents.size();
        for (const auto& section : list.sections)
            rows += section.items.size();
        benchmark::DoNotOptimize(rows);
    }
    state.counters["items"] = double(rows);
}

void listModelWithRowTexts(benchmark::State& state) {
    ModelFixture f(false);
    const auto options = events::EventListOptions::from(f.defaults);
    const events::EventRowTexts texts(kBerlin, f.detector);
    for (auto _ : state) {
        const events::EventList list = f.model.build(kSelected, options);
        for (const auto& section : list.sections)
            for (const auto& item : section.items)
                benchmark::DoNotOptimize(texts.row(item, f.clock.now(), {}));
    }
}

void scrollList(benchmark::State& state) {
    settings::Suite standard{QStringLiteral("standard")};
    settings::Suite shared{QStringLiteral("shared")};
    settings::Defaults defaults{standard, shared};
    platform::FakeCalendarStore store;
    store.calendarList = {{QStringLiteral("A"),
                           QStringLiteral("Work"),
                           QStringLiteral("#3366ff"),
                           platform::EntityType::event,
                           {},
                           true,
                           {}}};
    defaults.set(keys::enabledCalendars, {QStringLiteral("A")});
    const kit::Instant first = berlin(kSelected, QTime(8, 30));
    for (int i = 0; i < 2000; ++i) {
        auto data = std::make_shared<platform::EventData>();
        data->title = QStringLiteral("Event %1").arg(i);
        data->calendarIdentifier = QStringLiteral("A");
        data->calendarItemExternalIdentifier = data->title;
        const kit::Instant start =
            first + std::chrono::days(i % 7) + std::chrono::minutes(2 * (i / 7));
        store.addEvent(data, start, start + std::chrono::minutes(30));
    }
    events::EventQueries queries(store, defaults, kBerlin.timeZoneId);
    platform::FakeUrlOpener apps;
    videocalls::VideoCallDetector detector(apps);
    kit::VirtualScheduler scheduler(berlin(kSelected, QTime(8, 0)));
    kit::Signal<> changed;
    kit::ObservableValue<QDate> selected(kSelected);
    events::CalendarDaysHighlightModel highlighted;
    platform::FakeSystemDateEvents dateEvents;
    menubar::ClockTicks ticks(scheduler, dateEvents);
    views::EventListView view({defaults,
                               scheduler,
                               ticks,
                               kBerlin,
                               queries,
                               changed,
                               selected,
                               highlighted,
                               detector,
                               {},
                               {},
                               nullptr});
    view.resize(320, 500);
    view.show();
    QScrollBar* bar = view.verticalScrollBar();
    for (auto _ : state) {
        const int next = bar->value() + view.viewport()->height();
        bar->setValue(next > bar->maximum() ? 0 : next);
        benchmark::DoNotOptimize(view.viewport()->grab());
    }
    state.counters["rowsPainted"] = benchmark::Counter(double(view.rowDelegate().paintCount()),
                                                       benchmark::Counter::kAvgIterations);
}

} // namespace

BENCHMARK(listModel)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(listModelWithRowTexts)->Unit(benchmark::kMillisecond);
BENCHMARK(scrollList)->Unit(benchmark::kMillisecond);
