// SPDX-License-Identifier: GPL-3.0-or-later
// The event list of the menu window as data: one section per day from the selected day,
// the "Past events" and the "Overdue reminders" groups. Rebuilt on every render; nothing is
// kept between calls except the detector's caches.
//
//   EventListModel model(queries, detector, environment, clock);
//   const EventList list = model.build(selectedDate, EventListOptions::from(defaults));
#pragma once

#include "events/EventQueries.h"
#include "kit/Clock.h"
#include "kit/Environment.h"
#include "settings/Keys.h"

#include <QDate>
#include <vector>

namespace ruvo::videocalls {
class VideoCallDetector;
}

namespace ruvo::events {

struct EventListOptions {
    int dayCount = 7;
    bool hideTodaysPastEvents = true;
    bool showVideoCallEventsOnlyInMainList = false;
    settings::ExcludeMatcherList excludeMatchers;

    static EventListOptions from(const settings::Defaults& defaults);
};

struct EventListSection {
    QDate date;
    std::vector<CalendarItem> items; // empty: the day shows "No Events"
};

struct EventList {
    std::vector<EventListSection> sections;
    std::vector<CalendarItem> pastEvents;
    std::vector<CalendarItem> overdueReminders;
    bool isEmpty() const { return sections.empty(); }
};

class EventListModel {
public:
    EventListModel(const EventQueries& queries, videocalls::VideoCallDetector& detector,
                   kit::Environment environment, const kit::Clock& clock,
                   const kit::Clock& steady = kit::steadyClock())
        : m_queries(queries), m_detector(detector), m_environment(std::move(environment)),
          m_clock(clock), m_steady(steady) {}

    EventList build(QDate selectedDate, const EventListOptions& options) const;

    // The days of [first, last] an item is listed under. An event: from the day it starts
    // (`first` when it began earlier) through the day its end less one second falls on, so
    // timed and all-day events alike have a row on each day they cover. A reminder: the day
    // it is due; none when that lies outside (due earlier, it was fetched for the overdue
    // row, which only today's list shows).
    std::vector<QDate> daysOf(const CalendarItem& item, QDate first, QDate last) const;

private:
    std::vector<CalendarItem> filtered(std::vector<CalendarItem> items,
                                       const EventListOptions& options) const;
    bool hasVideoCall(const CalendarItem& item) const;
    bool isOverdue(const Reminder& reminder, kit::Instant now, kit::Instant startOfToday) const;

    const EventQueries& m_queries;
    videocalls::VideoCallDetector& m_detector;
    kit::Environment m_environment;
    const kit::Clock& m_clock;
    const kit::Clock& m_steady; // the exclusion rules' time limit runs on it
};

// The range the list shows: from the start of `selectedDate` to the start of the day
// `dayCount` days later, in the zone; nothing when `dayCount` is below one.
std::optional<platform::DateRange> eventListRange(QDate selectedDate, int dayCount,
                                                  const QString& zoneId);

} // namespace ruvo::events
