// SPDX-License-Identifier: GPL-3.0-or-later
// What one row of the event list shows for an item: the state and relative time
// (starts, "in 20 minutes"), the time ("9:00 AM – 10:00 AM", "All day"), the location
// without its meeting link, the video call and whether the join button shows, and for a
// reminder its completion and priority marks. The formatters are made once per instance;
// rows are made only for the rows on screen.
#pragma once

#include "events/EventQueries.h"
#include "events/videocalls/CallEvent.h"
#include "kit/Environment.h"

#include <QDate>
#include <memory>
#include <unicode/datefmt.h>
#include <unicode/reldatefmt.h>

namespace ruvo::videocalls {
class VideoCallDetector;
}

namespace ruvo::events {

enum class RowState { none, starts, started, ended }; // none: reminders

struct EventRow {
    RowState state = RowState::none;
    QString relative; // "in 20 minutes", "2 hours ago", "tomorrow"
    QString timeText; // "9:00 AM – 10:00 AM", "All day", a reminder's due time
    QString location; // without the meeting link; empty when none
    std::optional<videocalls::Service> videoCall;
    bool showsJoinButton = false;
    bool isReminder = false;
    bool isCompleted = false;
    QString priorityMarks; // "!!!", "!!", "!" or empty
};

// The whole timing phrase in the current language: "Starts in 20 minutes", "Ended 2 hours
// ago"; for none (reminders) the relative time alone.
QString timingText(RowState state, const QString& relative);
// "starts", "started", "ended", the same in every language (JSON); empty for none.
QString stateName(RowState state);
// Priority 1-4 (high) "!!!", 5 (medium) "!!", 6-9 (low) "!", anything else none.
QString priorityMarks(int priority);

class EventRowTexts {
public:
    EventRowTexts(kit::Environment environment, videocalls::VideoCallDetector& detector);
    ~EventRowTexts();
    EventRowTexts(const EventRowTexts&) = delete;
    EventRowTexts& operator=(const EventRowTexts&) = delete;

    struct Options {
        bool showVideoCallButtonOnlyForUpcomingEvents = false;
    };
    EventRow row(const CalendarItem& item, kit::Instant now, const Options& options) const;

    // From `now` to `target`: "now" within a minute, minutes within an hour, whole hours
    // within a day, else calendar days ("tomorrow", "in 3 days", "2 days ago").
    QString relativeText(kit::Instant target, kit::Instant now) const;
    // Days from today's date to `day`: "today", "tomorrow", "in 3 days", "yesterday".
    QString relativeDayText(QDate day, kit::Instant now) const;
    QString timeText(const CalendarItem& item) const;
    // A section's header: "Today, Tuesday, December 8"; other days without the name.
    QString dayHeader(QDate day, kit::Instant now) const;
    QString shortTime(kit::Instant at) const;

private:
    void fillEvent(EventRow& row, const Event& event, kit::Instant now,
                   const Options& options) const;
    void fillReminder(EventRow& row, const Reminder& reminder, kit::Instant now) const;
    QString format(icu::DateFormat* formatter, kit::Instant at) const;

    kit::Environment m_environment;
    videocalls::VideoCallDetector& m_detector;
    std::unique_ptr<icu::DateFormat> m_time;
    std::unique_ptr<icu::RelativeDateTimeFormatter> m_relative;
    std::unique_ptr<icu::DateFormat> m_day;
    // Formatting through one calendar of ours: DateFormat::format(UDate) clones its own
    // calendar and with it the system zone's rules on every call.
    std::unique_ptr<icu::Calendar> m_calendar;
};

} // namespace ruvo::events
