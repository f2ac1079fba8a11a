// SPDX-License-Identifier: GPL-3.0-or-later
// Time travel: the instant the world clock shows for the selected day and the offset, the
// steps of the keyboard and the slider, and the texts of the slider row. All calendar
// arithmetic happens in the environment's zone with the system's rules.
#pragma once

#include "kit/Environment.h"
#include "kit/Time.h"
#include "settings/records/ChosenTimeZone.h"
#include "timezones/TimeZoneOffset.h"

#include <QDate>

namespace ruvo::timezones {

enum class CalendarUnit { hour, minute };
enum class Direction { backward, forward };
enum class DayRelation { previous = 0, same = 1, next = 2, other = 3 };

struct TimeTravelInput {
    QDate selectedDay;
    kit::Instant now;
    bool use30MinuteSteps = false;
    bool isOptionHeld = false; // only Option is held at this moment
};

class TimeTravel {
public:
    explicit TimeTravel(kit::Environment environment) : m_environment(std::move(environment)) {}

    const kit::Environment& environment() const { return m_environment; }

    // The selected day at the present time of day (whole seconds).
    kit::Instant baseDate(QDate selectedDay, kit::Instant now) const;
    // baseDate plus the offset, rounded up to the next step boundary; baseDate without one.
    kit::Instant travelDate(const TimeTravelInput& input, const TimeZoneOffset& offset) const;
    // The next multiple of `step` units strictly after `at`, smaller units cleared.
    kit::Instant nextBoundary(kit::Instant at, CalendarUnit unit, int step) const;
    DayRelation dayRelation(kit::Instant a, kit::Instant b) const;

    // The slider row's texts.
    QString sliderTimeText(kit::Instant travel, kit::Instant base, bool selectedDayIsToday) const;
    QString sliderOffsetText(kit::Instant travel, kit::Instant base) const; // "+1h 37m"
    QString sliderDateText(kit::Instant travel) const;                      // "Tue, Dec 8"
    // "+1", "-1", "Tomorrow", "Yesterday", or empty.
    QString dayMarker(kit::Instant travel, kit::Instant base, bool selectedDayIsToday) const;

private:
    struct BaseCache {
        QDate day;
        qint64 nowSeconds = 0;
        kit::Instant value;
    };

    kit::Environment m_environment;
    mutable std::optional<BaseCache> m_baseCache;
};

// The keyboard steps: the first step starts time travel at the present (offset 0).
void stepTimeTravel(TimeZoneOffset& offset, Direction direction, bool fine, bool use30MinuteSteps,
                    bool onlyOptionHeld);
void resetTimeTravel(TimeZoneOffset& offset, bool onlyOptionHeld);

// The slider: ±24 hours, positions every step.
struct TimeTravelSlider {
    static constexpr qint64 minimum = -86400;
    static constexpr qint64 maximum = 86400;
    static int step(bool optionHeld, bool use30MinuteSteps);
    static qint64 snapped(qint64 value, int step); // the nearest tick mark
};

// Whether an entry has a row: hidden and menu-less entries show while travelling.
bool isRowVisible(const settings::ChosenTimeZone& entry, bool shouldHide, bool isTravelling);

} // namespace ruvo::timezones
