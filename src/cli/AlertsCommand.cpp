// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/AlertsCommand.h"

#include "alerts/FullscreenPlan.h"
#include "alerts/HourlyChime.h"
#include "alerts/VideoCallNotificationController.h"
#include "cli/CalendarItemJson.h"
#include "cli/CommandCalls.h"
#include "cli/CommandStore.h"
#include "kit/LocalTime.h"
#include "menubar/ClockTimer.h"
#include "settings/Keys.h"
#include "timezones/IcuFormat.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace ruvo::cli {

namespace {

constexpr int kMaxHours = 744; // a month

// One planned alert. Fields a kind does not have stay empty and are left out.
struct PlannedAlert {
    QString kind;
    kit::Instant fireAt;
    QString uid;
    QString title;
    QString body;
    QString sound;
};

struct Span {
    kit::Instant from;
    kit::Instant until;
    QTimeZone zone;
};

// What the planners of events share: the store, opened once and only when one of them asks
// (the chime needs none), and the call detector.
class PlanningInputs {
public:
    explicit PlanningInputs(const CommandContext& context) : m_context(context) {}

    platform::CalendarStore* store() {
        if (!m_isOpened) {
            m_isOpened = true;
            CommandContext opener = m_context; // opening prints its failure to the context's err
            m_store = openCommandStore(opener);
        }
        return m_store.get();
    }
    CommandCalls& calls() { return m_calls; }

private:
    const CommandContext& m_context;
    bool m_isOpened = false;
    std::unique_ptr<platform::CalendarStore> m_store;
    CommandCalls m_calls;
};

std::vector<PlannedAlert> chimes(const CommandContext& context, const Span& span, PlanningInputs&) {
    std::vector<kit::Instant> hours;
    for (kit::Instant t = menubar::ClockTicks::nextHour(span.from, span.zone);
         t <= span.until && hours.size() <= static_cast<std::size_t>(kMaxHours) + 2;
         t = menubar::ClockTicks::nextHour(t, span.zone))
        hours.push_back(t);
    std::vector<PlannedAlert> planned;
    const auto settings = alerts::ChimeSettings::read(context.defaults);
    for (const auto& chime : alerts::plannedChimes(hours, settings, span.zone))
        planned.push_back({QStringLiteral("chime"), chime.fireAt, {}, {}, {}, chime.sound});
    return planned;
}

// The call notifications, planned as the running program plans them (which joined events to
// skip only the running program knows).
std::vector<PlannedAlert> callNotifications(const CommandContext& context, const Span& span,
                                            PlanningInputs& inputs) {
    if (!context.defaults.get(settings::keys::notifyWhenVideoCallStarts) || !inputs.store())
        return {};
    CommandCalls& calls = inputs.calls();
    const alerts::CallNotificationPlanner planner(
        *inputs.store(), context.defaults, kit::steadyClock(),
        [&calls](const platform::Event& e) { return calls.videoCall(e); }, {});
    std::vector<PlannedAlert> planned;
    for (const auto& call : planner.plan(span.from, span.until - span.from)) {
        const QString time = timezones::shortTimeText(context.environment, call.event.start());
        planned.push_back({QStringLiteral("notification"),
                           call.fireAt,
                           call.event.eventIdentifier(),
                           call.event.title(),
                           alerts::VideoCallNotificationController::bodyText(call, time, true),
                           {}});
    }
    return planned;
}

// The program plans two hours ahead and moves on every ten minutes; asked further ahead, the
// same plan looks as far as the span (plus the lead time) reaches. A command joins nothing,
// so no event counts as joined.
std::vector<PlannedAlert> fullscreenAlerts(const CommandContext& context, const Span& span,
                                           PlanningInputs& inputs) {
    if (!context.defaults.get(settings::keys::fullscreenNotifications_isEnabled) || !inputs.store())
        return {};
    CommandCalls& calls = inputs.calls();
    const alerts::FullscreenPlan plan(
        *inputs.store(), context.defaults, kit::steadyClock(),
        [&calls](const platform::Event& event) { return calls.isTimedCall(event); }, {});
    const auto lookAhead =
        std::chrono::duration_cast<kit::Milliseconds>(span.until - span.from) + plan.leadTime();
    std::vector<PlannedAlert> planned;
    for (const alerts::FullscreenAlert& alert : plan.plan(span.from, lookAhead))
        if (alert.fireAt <= span.until)
            planned.push_back({QStringLiteral("fullscreen"),
                               alert.fireAt,
                               alert.event.eventIdentifier(),
                               alert.event.title(),
                               {},
                               {}});
    return planned;
}

// Every planner of alerts; each adds its own kind.
using Planner = std::vector<PlannedAlert> (*)(const CommandContext&, const Span&, PlanningInputs&);
const Planner kPlanners[] = {chimes, callNotifications, fullscreenAlerts};

QString isoWithOffset(kit::Instant t, const QTimeZone& zone) {
    return kit::toQDateTime(t).toTimeZone(zone).toString(Qt::ISODate);
}

QJsonObject jsonOf(const PlannedAlert& alert, const QTimeZone& zone) {
    QJsonObject json{{QStringLiteral("kind"), alert.kind},
                     {QStringLiteral("fireAt"), isoWithOffset(alert.fireAt, zone)}};
    const std::pair<const char*, const QString*> optional[] = {{"uid", &alert.uid},
                                                               {"title", &alert.title},
                                                               {"body", &alert.body},
                                                               {"sound", &alert.sound}};
    for (const auto& [name, value] : optional)
        if (!value->isEmpty())
            json.insert(QLatin1String(name), *value);
    return json;
}

QString lineOf(const PlannedAlert& alert, const QTimeZone& zone) {
    QStringList fields{isoWithOffset(alert.fireAt, zone), alert.kind};
    for (const QString* value : {&alert.sound, &alert.title, &alert.body})
        if (!value->isEmpty())
            fields << *value;
    return fields.join(QStringLiteral("  "));
}

struct Arguments {
    int hours = 24;
    bool asJson = false;
};

std::optional<Arguments> parseArguments(const Invocation& line, int& status) {
    Arguments parsed;
    parsed.asJson = line.isSet("json");
    if (line.isSet("hours")) {
        bool isNumber = false;
        parsed.hours = line.value("hours").toInt(&isNumber);
        if (!isNumber || parsed.hours < 1 || parsed.hours > kMaxHours) {
            status = line.usageError(
                QCoreApplication::translate("cli", "--hours: not a whole number from 1 to %1: %2")
                    .arg(kMaxHours)
                    .arg(line.value("hours")));
            return std::nullopt;
        }
    }
    return parsed;
}

void print(CommandContext& context, const std::vector<PlannedAlert>& planned,
           const Arguments& arguments, const QTimeZone& zone) {
    if (arguments.asJson) {
        QJsonArray list;
        for (const PlannedAlert& alert : planned)
            list.append(jsonOf(alert, zone));
        context.out << QJsonDocument(list).toJson(QJsonDocument::Indented);
        return;
    }
    if (planned.empty())
        context.out
            << (arguments.hours == 1
                    ? QCoreApplication::translate("cli", "No alerts planned in the next hour.")
                    : QCoreApplication::translate("cli", "No alerts planned in the next %1 hours.")
                          .arg(arguments.hours))
            << "\n";
    for (const PlannedAlert& alert : planned)
        context.out << lineOf(alert, zone) << "\n";
}

int runAlerts(CommandContext& context, const Invocation& line) {
    int status = cli::kExitUsage;
    const auto parsed = parseArguments(line, status);
    if (!parsed)
        return status;
    const kit::Instant now = context.clock.now();
    const Span span{now, now + std::chrono::hours(parsed->hours),
                    kit::zoneOrUtc(context.environment.timeZoneId)};
    std::vector<PlannedAlert> planned;
    PlanningInputs inputs(context);
    for (Planner planner : kPlanners)
        for (PlannedAlert& alert : planner(context, span, inputs))
            planned.push_back(std::move(alert));
    std::stable_sort(planned.begin(), planned.end(),
                     [](const auto& a, const auto& b) { return a.fireAt < b.fireAt; });
    print(context, planned, *parsed, span.zone);
    return cli::kExitOk;
}

} // namespace

cli::Command alertsCommand() {
    return {QStringLiteral("alerts"),
            QT_TRANSLATE_NOOP("cli", "what the program plans to sound or show"),
            {{.options = {{"hours",
                           QT_TRANSLATE_NOOP("cli", "how far ahead (1 to 744, default 24)"), "N"},
                          {"json", QT_TRANSLATE_NOOP("cli", "print JSON")}},
              .run = &runAlerts}}};
}

} // namespace ruvo::cli
