// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/MenuBarCommands.h"

#include "cli/CommandCalls.h"
#include "cli/CommandStore.h"
#include "cli/UpcomingBarFeed.h"
#include "events/EventsController.h"
#include "kit/RealScheduler.h"
#include "menubar/BarFeed.h"
#include "menubar/ClockText.h"
#include "menubar/ClockTimer.h"
#include "settings/Keys.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace ruvo::cli {

using namespace ruvo::menubar;

namespace keys = settings::keys;

namespace {

int runMenubarText(cli::CommandContext& context, const Invocation&) {
    const auto settings = ClockTextSettings::from(context.defaults);
    context.out << composeClockText(settings, context.clock.now(), context.environment).text
                << Qt::endl;
    return cli::kExitOk;
}

// Writes a line at every tick of the clock text's precision and at every change.
class BarRunner {
public:
    BarRunner(cli::CommandContext& context, BarFormat format, kit::Scheduler& scheduler,
              std::unique_ptr<platform::SystemDateEvents> dateEvents)
        : m_context(context), m_format(format), m_scheduler(scheduler),
          m_dateEvents(std::move(dateEvents)), m_ticks(m_scheduler, *m_dateEvents) {}

    int run() {
        m_context.out << barHeader(m_format);
        m_events = m_dateEvents->subscribe([this](platform::DateEvent) { write(); });
        m_settings = m_context.defaults.observe(
            {keys::showAmPm, keys::locale, keys::iconInMenuBar, keys::showWeekDayInMenuBar,
             keys::showDateInMenuBar, keys::showMonthInMenuBar, keys::showTimeInMenuBar,
             keys::showSecondsInMenuBar, keys::showWeekNumberInMenuBar, keys::dateTimeFormat},
            [this] { refresh(); }, {.initial = true});
        QEventLoop loop;
        return loop.exec();
    }

private:
    bool hasSeconds() const {
        const auto s = ClockTextSettings::from(m_context.defaults);
        return s.dateTimeFormat.isEmpty() ? s.showTime && s.showSeconds
                                          : s.dateTimeFormat.contains(QLatin1Char('s'));
    }

    void refresh() {
        const auto precision =
            hasSeconds() ? ClockTimer::Precision::second : ClockTimer::Precision::minute;
        if (!m_clock.isActive() || m_clock.precision() != precision)
            m_clock = m_ticks.subscribe(precision, [this] { write(); });
        write();
    }

    void write() {
        const kit::Instant now = m_scheduler.now();
        const auto settings = ClockTextSettings::from(m_context.defaults);
        const BarState state{composeClockText(settings, now, m_context.environment).text,
                             composeLongDate(now, m_context.environment),
                             hasSeconds(),
                             {}};
        m_context.out << barLine(m_format, state, m_isFirst) << Qt::flush;
        m_isFirst = false;
    }

    cli::CommandContext& m_context;
    BarFormat m_format;
    kit::Scheduler& m_scheduler;
    std::unique_ptr<platform::SystemDateEvents> m_dateEvents;
    ClockTicks m_ticks;
    ClockTimer m_clock;
    kit::Subscription m_events;
    kit::Subscription m_settings;
    bool m_isFirst = true;
};

// The upcoming event for a waybar module of its own; a fixed --now writes one line.
int runUpcomingBar(cli::CommandContext& context) {
    CommandCalls calls;
    const auto isCall = [&calls](const platform::Event& event) { return calls.isTimedCall(event); };
    if (dynamic_cast<const kit::FixedClock*>(&context.clock)) {
        auto store = openCommandStore(context);
        if (!store)
            return cli::kExitFailure;
        events::enableAllCalendarsOnNewInstallation(*store, context.defaults);
        const alerts::UpcomingEvents upcoming(*store, context.defaults, context.clock,
                                              context.environment, isCall);
        const kit::Instant now = context.clock.now();
        context.out << barLine(BarFormat::waybar,
                               upcomingBarState(upcoming.display(now), now, context.environment),
                               true);
        return cli::kExitOk;
    }
    if (!context.services.openSystemDateEvents || !context.services.openWatchedCalendarStore) {
        printError(context, QCoreApplication::translate("cli", "no date events in this build"));
        return cli::kExitFailure;
    }
    kit::RealScheduler scheduler;
    auto store = context.services.openWatchedCalendarStore(context, scheduler);
    if (!store) {
        printError(context, store.error());
        return cli::kExitFailure;
    }
    events::enableAllCalendarsOnNewInstallation(**store, context.defaults);
    auto dateEvents = context.services.openSystemDateEvents(
        scheduler, [env = context.environment] { return env.timeZoneId; });
    const UpcomingBarFeed feed(
        {context.defaults, scheduler, *dateEvents, **store, context.environment, isCall,
         [&context](const QString& line) { context.out << line << Qt::flush; }});
    QEventLoop loop;
    return loop.exec();
}

int runBar(cli::CommandContext& context, const Invocation& line) {
    const bool waybar = line.isSet("waybar");
    if (waybar == line.isSet("i3bar"))
        return line.usageError(QCoreApplication::translate("cli", "give --waybar or --i3bar"));
    if (line.isSet("upcoming")) {
        if (!waybar)
            return line.usageError(
                QCoreApplication::translate("cli", "--upcoming goes with --waybar"));
        return runUpcomingBar(context);
    }
    const BarFormat format = waybar ? BarFormat::waybar : BarFormat::i3bar;
    if (dynamic_cast<const kit::FixedClock*>(&context.clock)) {
        // A fixed --now never ticks: one line.
        const kit::Instant now = context.clock.now();
        const auto settings = ClockTextSettings::from(context.defaults);
        context.out << barHeader(format)
                    << barLine(format,
                               {composeClockText(settings, now, context.environment).text,
                                composeLongDate(now, context.environment),
                                false,
                                {}},
                               true);
        return cli::kExitOk;
    }
    if (!context.services.openSystemDateEvents) {
        printError(context, QCoreApplication::translate("cli", "no date events in this build"));
        return cli::kExitFailure;
    }
    kit::RealScheduler scheduler;
    BarRunner runner(context, format, scheduler,
                     context.services.openSystemDateEvents(
                         scheduler, [env = context.environment] { return env.timeZoneId; }));
    return runner.run();
}

} // namespace

cli::Command menubarTextCommand() {
    return {QStringLiteral("menubar-text"),
            QT_TRANSLATE_NOOP("cli", "print the menu-bar clock text for the current settings"),
            {{.notes = QT_TRANSLATE_NOOP("cli", "  (honours the global options --now, "
                                                "--time-zone and --locale)"),
              .run = &runMenubarText}}};
}

cli::Command barCommand() {
    return {
        QStringLiteral("bar"),
        QT_TRANSLATE_NOOP("cli", "feed waybar or i3bar with the clock text, a line at each tick"),
        {{.options = {{"waybar",
                       QT_TRANSLATE_NOOP("cli", "one JSON object per line: text, tooltip, "
                                                "class (waybar: \"exec\": \"ruvo bar "
                                                "--waybar\", \"return-type\": \"json\")")},
                      {"i3bar", QT_TRANSLATE_NOOP("cli", "the i3bar protocol (status_command "
                                                         "ruvo bar --i3bar)")},
                      {"upcoming", QT_TRANSLATE_NOOP("cli", "with --waybar: the upcoming event "
                                                            "instead of the clock, a line at "
                                                            "each change")}},
          .run = &runBar}}};
}

} // namespace ruvo::cli
