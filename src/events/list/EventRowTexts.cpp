// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/list/EventRowTexts.h"

#include "events/CallEventConversion.h"
#include "events/list/EventListModel.h"
#include "events/videocalls/VideoCallDetector.h"
#include "kit/IcuText.h"
#include "timezones/IcuFormat.h"

#include <QCoreApplication>
#include <unicode/datefmt.h>
#include <unicode/reldatefmt.h>

namespace ruvo::events {

using namespace std::chrono_literals;

QString timingText(RowState state, const QString& relative) {
    // %1 is the relative time as the locale's own formatter writes it, with no capital:
    // "in 30 minutes", "3 hours ago", "now", "tomorrow", "yesterday".
    switch (state) {
    case RowState::starts:
        //: An event yet to begin. %1: "in 30 minutes", "tomorrow", "now".
        return QCoreApplication::translate("EventRowTexts", "Starts %1").arg(relative).trimmed();
    case RowState::started:
        //: An event in progress. %1: "30 minutes ago", "now".
        return QCoreApplication::translate("EventRowTexts", "Started %1").arg(relative).trimmed();
    case RowState::ended:
        //: An event that is over. %1: "3 hours ago", "yesterday".
        return QCoreApplication::translate("EventRowTexts", "Ended %1").arg(relative).trimmed();
    case RowState::none:
        break;
    }
    return relative;
}

QString stateName(RowState state) {
    switch (state) {
    case RowState::starts:
        return QStringLiteral("starts");
    case RowState::started:
        return QStringLiteral("started");
    case RowState::ended:
        return QStringLiteral("ended");
    case RowState::none:
        break;
    }
    return {};
}

QString priorityMarks(int priority) {
    if (priority >= 1 && priority <= 4)
        return QStringLiteral("!!!");
    if (priority == 5)
        return QStringLiteral("!!");
    if (priority >= 6 && priority <= 9)
        return QStringLiteral("!");
    return {};
}

EventRowTexts::EventRowTexts(kit::Environment environment, videocalls::VideoCallDetector& detector)
    : m_environment(std::move(environment)), m_detector(detector),
      m_time(
          icu::DateFormat::createTimeInstance(icu::DateFormat::kShort, m_environment.icuLocale())) {
    if (m_time)
        m_time->adoptTimeZone(timezones::icuZone(m_environment.timeZoneId).release());
    UErrorCode status = U_ZERO_ERROR;
    m_relative = std::make_unique<icu::RelativeDateTimeFormatter>(
        m_environment.icuLocale(), nullptr, UDAT_STYLE_LONG,
        UDISPCTX_CAPITALIZATION_FOR_MIDDLE_OF_SENTENCE, status);
    if (U_FAILURE(status))
        m_relative.reset();
    m_day =
        timezones::skeletonFormat(m_environment.icuLocale(), "EEEEMMMMd", m_environment.timeZoneId);
    m_calendar =
        timezones::calendarAt(m_environment.icuLocale(), m_environment.timeZoneId, kit::Instant{});
}

QString EventRowTexts::format(icu::DateFormat* formatter, kit::Instant at) const {
    if (!formatter || !m_calendar)
        return {};
    UErrorCode status = U_ZERO_ERROR;
    m_calendar->setTime(kit::toUDate(at), status);
    icu::UnicodeString out;
    icu::FieldPosition position;
    formatter->format(*m_calendar, out, position);
    return U_SUCCESS(status) ? kit::fromIcu(out) : QString();
}

EventRowTexts::~EventRowTexts() = default;

EventRow EventRowTexts::row(const CalendarItem& item, kit::Instant now,
                            const Options& options) const {
    EventRow row;
    row.timeText = timeText(item);
    if (const auto* event = std::get_if<Event>(&item))
        fillEvent(row, *event, now, options);
    else
        fillReminder(row, std::get<Reminder>(item), now);
    return row;
}

void EventRowTexts::fillEvent(EventRow& row, const Event& event, kit::Instant now,
                              const Options& options) const {
    const platform::DateRange span = event.dateRange();
    row.state = now < span.start ? RowState::starts
                : now < span.end ? RowState::started
                                 : RowState::ended;
    const kit::Instant reference = row.state == RowState::ended ? span.end : span.start;
    if (event.isAllDay()) {
        const kit::Instant day = row.state == RowState::ended ? span.end - 1s : span.start;
        row.relative = relativeDayText(timezones::localDate(m_environment.timeZoneId, day), now);
    } else {
        row.relative = relativeText(reference, now);
    }
    const videocalls::CallEvent call = toCallEvent(event);
    row.location = m_detector.cleanedLocationWithoutMeetingLink(call).value_or(QString());
    if (!event.isAllDay())
        row.videoCall = m_detector.videoCall(call);
    row.showsJoinButton = row.videoCall.has_value() &&
                          (!options.showVideoCallButtonOnlyForUpcomingEvents || now < span.end);
}

void EventRowTexts::fillReminder(EventRow& row, const Reminder& reminder, kit::Instant now) const {
    row.isReminder = true;
    row.isCompleted = reminder.isCompleted;
    row.priorityMarks = priorityMarks(reminder.priority);
    if (!reminder.due)
        return;
    if (reminder.due->time)
        row.relative =
            relativeText(platform::dueInstant(*reminder.due, m_environment.timeZoneId), now);
    else
        row.relative = relativeDayText(reminder.due->date, now);
}

QString EventRowTexts::relativeText(kit::Instant target, kit::Instant now) const {
    if (!m_relative)
        return {};
    const auto delta = std::chrono::duration_cast<std::chrono::minutes>(target - now);
    const auto magnitude = delta < 0min ? -delta : delta;
    UErrorCode status = U_ZERO_ERROR;
    icu::UnicodeString out;
    if (magnitude < 1min) {
        m_relative->format(UDAT_DIRECTION_PLAIN, UDAT_ABSOLUTE_NOW, out, status);
    } else if (magnitude < 60min) {
        m_relative->formatNumeric(double(delta.count()), UDAT_REL_UNIT_MINUTE, out, status);
    } else if (magnitude < 24h) {
        const double hours = std::round(double(delta.count()) / 60.0);
        m_relative->formatNumeric(hours, UDAT_REL_UNIT_HOUR, out, status);
    } else {
        return relativeDayText(timezones::localDate(m_environment.timeZoneId, target), now);
    }
    return U_SUCCESS(status) ? kit::fromIcu(out) : QString();
}

QString EventRowTexts::relativeDayText(QDate day, kit::Instant now) const {
    if (!m_relative)
        return {};
    const qint64 days = timezones::localDate(m_environment.timeZoneId, now).daysTo(day);
    UErrorCode status = U_ZERO_ERROR;
    icu::UnicodeString out;
    m_relative->format(double(days), UDAT_REL_UNIT_DAY, out, status);
    return U_SUCCESS(status) ? kit::fromIcu(out) : QString();
}

QString EventRowTexts::dayHeader(QDate day, kit::Instant now) const {
    const auto range = eventListRange(day, 1, m_environment.timeZoneId);
    const QString date =
        m_day && range ? format(m_day.get(), range->start) : day.toString(Qt::ISODate);
    const qint64 offset = timezones::localDate(m_environment.timeZoneId, now).daysTo(day);
    const auto name = timezones::namedDayText(m_environment.icuLocale(), offset);
    return name ? *name + QStringLiteral(", ") + date : date;
}

QString EventRowTexts::shortTime(kit::Instant at) const {
    return format(m_time.get(), at);
}

QString EventRowTexts::timeText(const CalendarItem& item) const {
    if (const auto* event = std::get_if<Event>(&item)) {
        if (event->isAllDay())
            return QCoreApplication::translate("EventRowTexts", "All day");
        return shortTime(event->start()) + QStringLiteral(" – ") + shortTime(event->end());
    }
    const auto& reminder = std::get<Reminder>(item);
    if (!reminder.due || !reminder.due->time)
        return {};
    return shortTime(platform::dueInstant(*reminder.due, m_environment.timeZoneId));
}

} // namespace ruvo::events
