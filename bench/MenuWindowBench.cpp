// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the menu window once it is built: showing the month calendar and the event list
// over the generated 50,000-event calendars and painting both (the list re-reads its seven
// days on every show). Data goes to $RUVO_BENCH_DIR (default /tmp/ruvo-bench).
#include "GeneratedStore.h"
#include "events/EventsController.h"
#include "events/calendar/CalendarModel.h"
#include "events/videocalls/VideoCallDetector.h"
#include "kit/VirtualScheduler.h"
#include "platform/fake/FakeSystemDateEvents.h"
#include "platform/fake/FakeUrlOpener.h"
#include "settings/Keys.h"
#include "views/calendar/MonthCalendarView.h"
#include "views/events/EventListView.h"

#include <QVBoxLayout>
#include <benchmark/benchmark.h>

using namespace ruvo;

namespace {

const kit::Environment kBerlin{QStringLiteral("en_US"), QStringLiteral("Europe/Berlin")};

void menuWindowOpens(benchmark::State& state) {
    const QString root = bench::benchFolder(QStringLiteral("50000"));
    bench::prepareGeneratedCalendars(root, 50000);
    auto store = bench::openGeneratedStore(root);
    settings::Suite standard{QStringLiteral("standard")};
    settings::Suite shared{QStringLiteral("shared")};
    settings::Defaults defaults{standard, shared};
    events::enableAllCalendarsOnNewInstallation(*store, defaults);
    defaults.set(settings::keys::indicateEventsInCalendar,
                 settings::EventIndicatorsInCalendar::maxThree);
    kit::VirtualScheduler scheduler(
        kit::fromQDateTime(QDateTime(QDate(2026, 12, 7), QTime(12, 0), QTimeZone("UTC"))));
    platform::FakeSystemDateEvents dateEvents;
    menubar::ClockTicks ticks(scheduler, dateEvents);
    platform::FakeUrlOpener apps;
    videocalls::VideoCallDetector detector(apps);
    kit::Signal<> changed;
    kit::ObservableValue<QDate> selected(QDate(2026, 12, 7));
    events::CalendarDaysHighlightModel highlighted;
    events::EventQueries queries(*store, defaults, kBerlin.timeZoneId);
    calendar::CalendarModel model(
        {defaults, *store, changed, scheduler, [] { return kBerlin; }, selected});

    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new views::MonthCalendarView({defaults, model, scheduler, highlighted, {}}));
    layout->addWidget(new views::EventListView({defaults,
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
                                                nullptr}));
    window.resize(320, 700);
    for (auto _ : state) {
        window.show();
        benchmark::DoNotOptimize(window.grab());
        state.PauseTiming();
        window.hide();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(menuWindowOpens)->Unit(benchmark::kMillisecond);
