// SPDX-License-Identifier: GPL-3.0-or-later
#include "timezones/WorldClockRows.h"

#include "kit/IcuText.h"
#include "timezones/IcuFormat.h"
#include "timezones/SystemZones.h"
#include "timezones/ZoneTexts.h"

#include <QCoreApplication>
#include <unicode/reldatefmt.h>

namespace ruvo::timezones {

namespace {

WorldClockRow rowFor(const settings::ChosenTimeZone& e, const ChosenTimeZoneTexts& texts,
                     kit::Instant base, kit::Instant travel, const WorldClockState& state) {
    WorldClockRow row;
    row.id = e.id;
    row.name = displayName(e);
    row.time = texts.timeText(e, travel);
    row.relativeOffset = texts.relativeOffsetText(e, base);
    row.day = texts.relativeDayText(e, travel);
    if (state.offset.isTravelling())
        row.day = texts.weekdayText(e, travel) + QStringLiteral(", ") + row.day;
    row.showsSymbol = state.showDayAndNightIcons || state.offset.isTravelling();
    row.isDaytime = texts.isDaytime(e, travel);
    //: Read by a screen reader for a row of the world clock: name, time, day, offset.
    row.accessibleLabel = QCoreApplication::translate("WorldClockRows", "Time Zone: %1, %2, %3, %4")
                              .arg(row.name, row.time, row.day, row.relativeOffset);
    return row;
}

// "in 3 days", "in 5 hours", "in 20 minutes", as in the middle of a sentence.
QString relativeTime(const icu::Locale& locale, qint64 seconds) {
    UErrorCode status = U_ZERO_ERROR;
    icu::RelativeDateTimeFormatter formatter(
        locale, nullptr, UDAT_STYLE_LONG, UDISPCTX_CAPITALIZATION_FOR_MIDDLE_OF_SENTENCE, status);
    double value = double(seconds) / 60;
    UDateRelativeUnit unit = UDAT_RELATIVE_MINUTES;
    if (seconds >= 86400) {
        value = std::round(double(seconds) / 86400);
        unit = UDAT_RELATIVE_DAYS;
    } else if (seconds >= 3600) {
        value = std::round(double(seconds) / 3600);
        unit = UDAT_RELATIVE_HOURS;
    } else {
        value = std::max(1.0, std::round(value));
    }
    icu::UnicodeString out;
    formatter.format(value, UDAT_DIRECTION_NEXT, unit, out, status);
    return U_SUCCESS(status) ? kit::fromIcu(out) : QString();
}

// %1 is "in 3 days", "in 5 hours", "in 20 minutes".
QString transitionNote(bool isDaylightTime, const QString& when) {
    return isDaylightTime ? QCoreApplication::translate(
                                "WorldClockRows", "Transitions from Daylight Savings Time %1.")
                                .arg(when)
                          : QCoreApplication::translate("WorldClockRows",
                                                        "Transitions to Daylight Savings Time %1.")
                                .arg(when);
}

} // namespace

std::vector<WorldClockRow> worldClockRows(const std::vector<settings::ChosenTimeZone>& entries,
                                          const ChosenTimeZoneTexts& texts,
                                          const TimeTravel& travel, const WorldClockState& state) {
    const kit::Instant base = travel.baseDate(state.input.selectedDay, state.input.now);
    const kit::Instant shown = travel.travelDate(state.input, state.offset);
    std::vector<WorldClockRow> rows;
    for (const auto& e : entries)
        if (isRowVisible(e, texts.shouldHide(e), state.offset.isTravelling()))
            rows.push_back(rowFor(e, texts, base, shown, state));
    return rows;
}

ZoneDetails zoneDetails(const settings::ChosenTimeZone& entry, const ChosenTimeZoneTexts& texts) {
    const kit::Instant now = texts.now();
    ZoneDetails d;
    d.title = displayName(entry);
    const QString label = zoneLabel(entry.timeZone, now);
    if (label != d.title)
        d.zoneLabel = label;
    d.isDaylightTime = isDaylightTime(entry.timeZone, now);
    d.isCurrentZone = entry.timeZone.identifier == texts.environment().timeZoneId;
    d.notes = entry.notes;
    const ZonePtr zone = SystemZones::zone(entry.timeZone.identifier);
    const auto next = zone ? nextTransition(*zone, now) : std::nullopt;
    if (next && *next - now <= std::chrono::days(30))
        d.transitionNote = transitionNote(
            d.isDaylightTime, relativeTime(texts.environment().icuLocale(),
                                           std::chrono::floor<kit::Seconds>(*next - now).count()));
    return d;
}

QString isoTextInZone(const settings::ZuTimeZone& zone, kit::Instant at) {
    UErrorCode status = U_ZERO_ERROR;
    icu::SimpleDateFormat formatter(icu::UnicodeString(u"yyyy-MM-dd'T'HH:mm:ssxxx"),
                                    icu::Locale("en_US_POSIX"), status);
    formatter.adoptTimeZone(icuZone(zone.identifier).release());
    return format(formatter, at);
}

} // namespace ruvo::timezones
