// SPDX-License-Identifier: GPL-3.0-or-later
// The text of the upcoming event in the panel, from plain values: "Standup in 5m",
// "Standup • 25m left", "Review • 7:00 PM", "In 1 ¼ h". The ICU formatters are made once per
// instance, for one locale and zone.
//
//   UpcomingText text(environment);
//   QString s = text.menuBarText({title, range, isOngoing, ongoingCount, now}, options);
#pragma once

#include "kit/Environment.h"
#include "platform/CalendarTypes.h"

#include <QStringList>
#include <memory>
#include <unicode/calendar.h>
#include <unicode/datefmt.h>
#include <unicode/reldatefmt.h>

namespace ruvo::alerts {

inline const QString kPlaceholder = QStringLiteral("\u25C6");      // ◆
inline const QString kManyEventsMark = QStringLiteral("!\u20DD "); // !⃝
inline const QString kEllipsis = QStringLiteral("\u2026");

struct UpcomingTextOptions {
    bool showTitle = true;
    bool showCountdown = true;
    bool showDuringEntireEvent = true;
    bool showMinutesForMoreThanAnHour = false;
    bool showCalendarIndicator = false;
    int titleLimit = 20;
};

struct UpcomingTextInput {
    QString title;
    platform::DateRange range;
    bool isOngoing = false;
    int ongoingCount = 0; // candidates in progress now; more than one adds the mark
    kit::Instant now;
};

// The title cut to `limit` characters (grapheme clusters) with "…" at the end; a
// punctuation character before the "…" and trailing white space are dropped.
QString shortenedTitle(const QString& title, int limit);

class UpcomingText {
public:
    explicit UpcomingText(kit::Environment environment);
    ~UpcomingText();
    UpcomingText(const UpcomingText&) = delete;
    UpcomingText& operator=(const UpcomingText&) = delete;

    QString menuBarText(const UpcomingTextInput& input, const UpcomingTextOptions& options) const;
    // The item as a square tray icon shows it: the countdown (to the start, or to the end of
    // an event in progress) over the title's first characters; "◆" when both are off.
    QStringList squareText(const UpcomingTextInput& input,
                           const UpcomingTextOptions& options) const;
    // "5m", "1h 20m", "1 ¼ h", "2h", "3d" from `now` until `start`.
    QString countdownText(kit::Instant start, kit::Instant now,
                          bool showMinutesForMoreThanAnHour) const;

private:
    QString leadIn(bool hasTitle) const;
    QString countdownPart(const QString& titlePart, const UpcomingTextInput& input,
                          const UpcomingTextOptions& options) const;
    QString ongoingPart(const QString& titlePart, const UpcomingTextInput& input,
                        bool showDuringEntireEvent) const;
    std::optional<QString> farAwayPart(const QString& titlePart, const UpcomingTextInput& input,
                                       bool showCalendarIndicator) const;
    QString nowText() const;

    kit::Environment m_environment;
    std::unique_ptr<icu::RelativeDateTimeFormatter> m_middle;
    std::unique_ptr<icu::RelativeDateTimeFormatter> m_beginning;
    std::unique_ptr<icu::DateFormat> m_time;
    std::unique_ptr<icu::Calendar> m_calendar;
    mutable std::optional<QString> m_now;
};

} // namespace ruvo::alerts
