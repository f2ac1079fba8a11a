// SPDX-License-Identifier: GPL-3.0-or-later
#include "quickadd/QuickAdd.h"

#include "kit/LocalTime.h"
#include "quickadd/SentenceReader.h"
#include "timezones/IcuFormat.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <vector>

namespace ruvo::quickadd {

namespace {

constexpr qint64 kDaySeconds = 86400;

ReaderContext readerContext(const QuickAddContext& context) {
    const QLocale locale(context.environment.localeId);
    const QString date = locale.dateFormat(QLocale::ShortFormat);
    return {kit::localDate(context.now, context.environment.timeZoneId),
            locale.timeFormat(QLocale::ShortFormat).contains(QLatin1Char('a'), Qt::CaseInsensitive),
            date.indexOf(QLatin1Char('M')) < date.indexOf(QLatin1Char('d'))};
}

QString cleaned(const QStringList& words) {
    static const QRegularExpression edges(QStringLiteral(R"(^[\s,;:–—-]+|[\s,;:–—-]+$)"));
    return words.join(QLatin1Char(' ')).remove(edges);
}

// The instants that `time` on `day` names in `zone`: none in the hour the clocks skip, two
// in the hour they repeat. The offsets a day either side are the only ones in play.
std::vector<kit::Instant> instantsOf(QDate day, QTime time, const QTimeZone& zone) {
    const qint64 local = QDateTime(day, time, Qt::UTC).toMSecsSinceEpoch();
    std::vector<kit::Instant> found;
    for (qint64 probe : {local - kDaySeconds * 1000, local + kDaySeconds * 1000}) {
        const int offset = zone.offsetFromUtc(QDateTime::fromMSecsSinceEpoch(probe, Qt::UTC));
        const qint64 utc = local - qint64(offset) * 1000;
        const bool fits =
            zone.offsetFromUtc(QDateTime::fromMSecsSinceEpoch(utc, Qt::UTC)) == offset;
        if (fits && (found.empty() || found.front() != kit::instantFromMSecs(utc)))
            found.push_back(kit::instantFromMSecs(utc));
    }
    std::sort(found.begin(), found.end());
    return found;
}

kit::Result<kit::Instant> instantAt(QDate day, QTime time, const QuickAddContext& context) {
    const auto found = instantsOf(day, time, kit::zoneOrUtc(context.environment.timeZoneId));
    if (found.size() == 1)
        return found.front();
    const QLocale locale(context.environment.localeId);
    const QString timeText = locale.toString(time, QLocale::ShortFormat);
    const QString dayText = locale.toString(day, QLocale::ShortFormat);
    if (found.empty())
        return kit::fail(QCoreApplication::translate(
                             "QuickAdd", "%1 does not exist on %2: the clocks go forward then.")
                             .arg(timeText, dayText));
    return kit::fail(
        QCoreApplication::translate("QuickAdd", "%1 comes twice on %2: the clocks go back then.")
            .arg(timeText, dayText));
}

kit::Seconds lengthOf(const Findings& f, const QuickAddContext& context) {
    return f.duration ? f.duration->value : context.defaultDuration;
}

kit::Result<QuickAddEvent> fromNow(const Findings& f, const QuickAddContext& context) {
    const auto* other = f.date ? &f.date->words : f.start ? &f.start->words : nullptr;
    if (other)
        return kit::fail(QCoreApplication::translate(
                             "QuickAdd", "“%1” already says when it starts: leave out “%2”.")
                             .arg(f.fromNow->words, *other));
    QuickAddEvent e;
    e.start = std::chrono::floor<std::chrono::minutes>(context.now + f.fromNow->value);
    e.end = e.start + lengthOf(f, context);
    return e;
}

kit::Result<QuickAddEvent> timed(const Findings& f, const QuickAddContext& context) {
    const QDate day = f.date ? f.date->value : readerContext(context).today;
    const auto start = instantAt(day, f.start->value, context);
    if (!start)
        return kit::fail(start.error());
    QuickAddEvent e;
    e.start = *start;
    if (!f.end) {
        e.end = e.start + lengthOf(f, context);
        return e;
    }
    if (f.duration)
        return kit::fail(QCoreApplication::translate(
                             "QuickAdd", "A range and a length: “%1” and “%2”. Keep one.")
                             .arg(f.end->words, f.duration->words));
    // "22:00-01:00" ends the next day.
    const QDate endDay = f.end->value <= f.start->value ? day.addDays(1) : day;
    const auto end = instantAt(endDay, f.end->value, context);
    if (!end)
        return kit::fail(end.error());
    e.end = *end;
    return e;
}

kit::Result<QuickAddEvent> allDay(const Findings& f, const QuickAddContext& context) {
    const qint64 seconds = f.duration ? f.duration->value.count() : kDaySeconds;
    if (seconds % kDaySeconds != 0)
        return kit::fail(QCoreApplication::translate(
                             "QuickAdd", "“%1” needs a start time, for example “at 3pm”.")
                             .arg(f.duration->words));
    const QTimeZone zone = kit::zoneOrUtc(context.environment.timeZoneId);
    const QDate first = f.date ? f.date->value : readerContext(context).today;
    QuickAddEvent e;
    e.isAllDay = true;
    e.start = kit::fromQDateTime(first.startOfDay(zone));
    e.end = kit::fromQDateTime(first.addDays(seconds / kDaySeconds).startOfDay(zone));
    return e;
}

} // namespace

kit::Result<QuickAddEvent> readQuickAdd(const QString& sentence, const QuickAddContext& context) {
    if (sentence.size() > kMaxSentenceLength)
        return kit::fail(QCoreApplication::translate("QuickAdd", "Say it in at most %1 characters.")
                             .arg(kMaxSentenceLength));
    const auto findings = readSentence(sentence, readerContext(context));
    if (!findings)
        return kit::fail(findings.error());
    const Findings& f = *findings;
    auto event = f.fromNow ? fromNow(f, context) : f.start ? timed(f, context) : allDay(f, context);
    if (!event)
        return event;
    event.value().title = cleaned(f.title);
    event.value().location = cleaned(f.location);
    if (event->title.isEmpty())
        return kit::fail(QCoreApplication::translate(
            "QuickAdd", "Say what it is, for example “Dentist tomorrow 3pm”."));
    return event;
}

QString describe(const QuickAddEvent& event, const QString& calendarTitle,
                 const kit::Environment& environment, kit::Instant now) {
    const QString& zoneId = environment.timeZoneId;
    const bool isThisYear =
        kit::localDate(event.start, zoneId).year() == kit::localDate(now, zoneId).year();
    const auto dayFormat = timezones::skeletonFormat(environment.icuLocale(),
                                                     isThisYear ? "EEEdMMM" : "EEEdMMMy", zoneId);
    const auto dayText = [&](kit::Instant t) { return timezones::format(*dayFormat, t); };
    const auto timeText = [&](kit::Instant t) {
        return QCoreApplication::translate("QuickAdd", "%1, %2", "a day and a time of day")
            .arg(dayText(t), timezones::shortTimeText(environment, t));
    };
    QString when;
    // The last day of an all-day event is the one its end's midnight closes.
    const kit::Instant lastDay = event.end - std::chrono::hours(12);
    if (event.isAllDay && dayText(lastDay) == dayText(event.start))
        when = QCoreApplication::translate("QuickAdd", "%1, all day").arg(dayText(event.start));
    else if (event.isAllDay)
        when = QCoreApplication::translate("QuickAdd", "%1 – %2, all day")
                   .arg(dayText(event.start), dayText(lastDay));
    else if (kit::localDate(event.start, zoneId) == kit::localDate(event.end, zoneId))
        when = QCoreApplication::translate("QuickAdd", "%1 – %2")
                   .arg(timeText(event.start), timezones::shortTimeText(environment, event.end));
    else
        when = QCoreApplication::translate("QuickAdd", "%1 – %2")
                   .arg(timeText(event.start), timeText(event.end));
    QString text = QCoreApplication::translate("QuickAdd", "%1 — %2").arg(event.title, when);
    if (!event.location.isEmpty())
        text = QCoreApplication::translate("QuickAdd", "%1 at %2").arg(text, event.location);
    if (!calendarTitle.isEmpty())
        text = QCoreApplication::translate("QuickAdd", "%1, calendar %2").arg(text, calendarTitle);
    return text;
}

} // namespace ruvo::quickadd
