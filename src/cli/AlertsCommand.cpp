// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/AlertsCommand.h"

#include "alerts/FullscreenPlan.h"
#include "alerts/HourlyChime.h"
#include "cli/CalendarItemJson.h"
#include "cli/CommandStore.h"
#include "events/CallEventConversion.h"
#include "events/videocalls/VideoCallDetector.h"
#include "kit/LocalTime.h"
#include "menubar/ClockTimer.h"
#include "settings/Keys.h"

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

std::vector<PlannedAlert> chimes(const CommandContext& context, const Span& span) {
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

// The command line opens nothing, so it answers as if no meeting application were present.
class NoApplications final : public platform::UrlOpener {
public:
    bool open(const QUrl&) override { return false; }
    bool hasApplicationFor(const QString&) const override { return false; }
};

// The program plans two hours ahead and moves on every ten minutes; asked further ahead, the
// same plan looks as far as the span (plus the lead time) reaches. A command joins nothing,
// so no event counts as joined.
std::vector<PlannedAlert> fullscreenAlerts(const CommandContext& context, const Span& span) {
    if (!context.defaults.get(settings::keys::fullscreenNotifications_isEnabled))
        return {};
    CommandContext opener = context; // opening prints its failure to the context's err
    auto store = openCommandStore(opener);
    if (!store)
        return {};
    NoApplications apps;
    videocalls::VideoCallDetector detector(apps);
    const alerts::FullscreenPlan plan(
        *store, context.defaults, kit::steadyClock(),
        [&detector](const platform::Event& event) {
            return !event.isAllDay() && detector.videoCall(events::toCallEvent(event)).has_value();
        },
        {});
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
using Planner = std::vector<PlannedAlert> (*)(const CommandContext&, const Span&);
const Planner kPlanners[] = {chimes, fullscreenAlerts};

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
        context.out << (arguments.hours == 1
                            ? QCoreApplication::translate("ruvo::cli",
                                                          "No alerts planned in the next hour.")
                            : QCoreApplication::translate("ruvo::cli",
                                                          "No alerts planned in the next %1 hours.")
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
    for (Planner planner : kPlanners)
        for (PlannedAlert& alert : planner(context, span))
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
