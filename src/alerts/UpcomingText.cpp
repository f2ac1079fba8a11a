// SPDX-License-Identifier: GPL-3.0-or-later
#include "alerts/UpcomingText.h"

#include "kit/IcuText.h"
#include "timezones/IcuFormat.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTextBoundaryFinder>
#include <cmath>
#include <unicode/datefmt.h>
#include <unicode/measfmt.h>
#include <unicode/reldatefmt.h>

namespace ruvo::alerts {

using namespace std::chrono_literals;

namespace {

const QString kBullet = QStringLiteral("\u2022 ");
const QChar kHairSpace(0x200A);
const QString kTomorrowMark = QStringLiteral("\u2009\u207A\u00B9");

// Grapheme cluster boundaries of `text`, from 0 to its length.
std::vector<qsizetype> graphemeBoundaries(const QString& text) {
    std::vector<qsizetype> boundaries{0};
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    while (finder.toNextBoundary() > 0)
        boundaries.push_back(finder.position());
    return boundaries;
}

std::unique_ptr<icu::RelativeDateTimeFormatter>
relativeFormatter(const icu::Locale& locale, UDateRelativeDateTimeFormatterStyle style,
                  UDisplayContext context) {
    UErrorCode status = U_ZERO_ERROR;
    auto formatter =
        std::make_unique<icu::RelativeDateTimeFormatter>(locale, nullptr, style, context, status);
    return U_SUCCESS(status) ? std::move(formatter) : nullptr;
}

// Narrow measures ("1h 5m", "3d", "1 Std."), zero values left out (all zero: the last unit).
QString narrowMeasures(const icu::Locale& locale,
                       const std::vector<std::pair<int64_t, icu::MeasureUnit>>& parts) {
    UErrorCode status = U_ZERO_ERROR;
    icu::MeasureFormat formatter(locale, UMEASFMT_WIDTH_NARROW, status);
    std::vector<icu::Measure> measures;
    for (const auto& [value, unit] : parts)
        if (value != 0)
            measures.emplace_back(icu::Formattable(value), unit.clone(), status);
    if (measures.empty())
        measures.emplace_back(icu::Formattable(int64_t(0)), parts.back().second.clone(), status);
    icu::UnicodeString out;
    icu::FieldPosition position;
    formatter.formatMeasures(measures.data(), int32_t(measures.size()), out, position, status);
    return U_SUCCESS(status) ? kit::fromIcu(out) : QString();
}

// "1h" -> "1 ¼ h" (hair spaces); "1 Std." -> "1 ¼ Std.". Unchanged when `hour` is not in it.
QString withQuarter(const QString& text, int hour, int minute) {
    const QString fraction = minute == 15   ? QStringLiteral("\u00BC")
                             : minute == 30 ? QStringLiteral("\u00BD")
                                            : QStringLiteral("\u00BE");
    static const QRegularExpression spacedWord(QStringLiteral("\\d+\\s\\w+"),
                                               QRegularExpression::UseUnicodePropertiesOption);
    const QRegularExpression number(QStringLiteral("(?<!\\d)%1(?!\\d)").arg(hour));
    const auto match = number.match(text);
    if (!match.hasMatch())
        return text;
    QString replacement = QString::number(hour) + kHairSpace + fraction;
    if (!spacedWord.match(text).hasMatch())
        replacement += kHairSpace;
    QString result = text;
    return result.replace(match.capturedStart(), match.capturedLength(), replacement);
}

} // namespace

QString shortenedTitle(const QString& title, int limit) {
    if (limit < 1)
        return {};
    const auto boundaries = graphemeBoundaries(title);
    const auto length = qsizetype(boundaries.size()) - 1;
    if (length <= limit)
        return title;
    if (limit <= kEllipsis.size())
        return kEllipsis.left(limit);
    QString kept = title.left(boundaries[std::size_t(limit - 1)]);
    if (!kept.isEmpty() && kept.back().isPunct())
        kept.chop(1);
    while (!kept.isEmpty() && kept.back().isSpace())
        kept.chop(1);
    return kept + kEllipsis;
}

QStringList UpcomingText::squareText(const UpcomingTextInput& input,
                                     const UpcomingTextOptions& options) const {
    // What a 16 px square shows readably below the countdown.
    constexpr std::size_t kSquareTitleLength = 4;
    QStringList lines;
    if (options.showCountdown) {
        const kit::Instant until = input.isOngoing ? input.range.end : input.range.start;
        QString countdown = countdownText(until, input.now, options.showMinutesForMoreThanAnHour)
                                .remove(QChar(0x200A));
        if (until - input.now < std::chrono::minutes(1))
            countdown.replace(QLatin1Char('0'), QLatin1Char('1'));
        lines.append(countdown);
    }
    const QString title = input.title.trimmed();
    if (options.showTitle && !title.isEmpty()) {
        const auto boundaries = graphemeBoundaries(title);
        const qsizetype end = boundaries[std::min(boundaries.size() - 1, kSquareTitleLength)];
        lines.append(title.left(end).trimmed());
    }
    return lines.isEmpty() ? QStringList{kPlaceholder} : lines;
}

UpcomingText::UpcomingText(kit::Environment environment)
    : m_environment(std::move(environment)),
      m_middle(relativeFormatter(m_environment.icuLocale(), UDAT_STYLE_SHORT,
                                 UDISPCTX_CAPITALIZATION_FOR_MIDDLE_OF_SENTENCE)),
      m_beginning(relativeFormatter(m_environment.icuLocale(), UDAT_STYLE_SHORT,
                                    UDISPCTX_CAPITALIZATION_FOR_BEGINNING_OF_SENTENCE)),
      m_time(
          icu::DateFormat::createTimeInstance(icu::DateFormat::kShort, m_environment.icuLocale())),
      m_calendar(timezones::calendarAt(m_environment.icuLocale(), m_environment.timeZoneId,
                                       kit::Instant{})) {
    if (m_time)
        m_time->adoptTimeZone(timezones::icuZone(m_environment.timeZoneId).release());
}

UpcomingText::~UpcomingText() = default;

QString UpcomingText::menuBarText(const UpcomingTextInput& input,
                                  const UpcomingTextOptions& options) const {
    QString title =
        options.showTitle ? shortenedTitle(input.title.trimmed(), options.titleLimit) : QString();
    if (input.ongoingCount > 1)
        title.prepend(kManyEventsMark);
    if (!options.showCountdown)
        return title.isEmpty() ? kPlaceholder : title;
    const QString countdown = countdownPart(title, input, options);
    // The mark brings its own space when the title is hidden.
    const QString gap = title.endsWith(QLatin1Char(' ')) ? QString() : QStringLiteral(" ");
    return (title + gap + countdown).trimmed();
}

QString UpcomingText::countdownPart(const QString& titlePart, const UpcomingTextInput& input,
                                    const UpcomingTextOptions& options) const {
    if (input.isOngoing)
        return ongoingPart(titlePart, input, options.showDuringEntireEvent);
    if (auto far = farAwayPart(titlePart, input, options.showCalendarIndicator))
        return *far;
    QString part =
        leadIn(!titlePart.isEmpty()) +
        countdownText(input.range.start, input.now, options.showMinutesForMoreThanAnHour);
    if (part.startsWith(QLatin1String("dentro de")))
        part.replace(0, 9, QStringLiteral("en"));
    else if (part.startsWith(QLatin1String("Dentro de")))
        part.replace(0, 9, QStringLiteral("En"));
    if (input.range.start - input.now < 60s)
        part.replace(QLatin1Char('0'), QLatin1Char('1'));
    return part;
}

// The relative formatter's words before the number ("in ", "In ", "dentro de "). Right-to-left
// scripts and texts without a "0" (native digits) get the bullet or nothing instead: their
// word order does not survive the cut.
QString UpcomingText::leadIn(bool hasTitle) const {
    const QString fallback = hasTitle ? kBullet : QString();
    auto* formatter = hasTitle ? m_middle.get() : m_beginning.get();
    if (!formatter || m_environment.icuLocale().isRightToLeft())
        return fallback;
    UErrorCode status = U_ZERO_ERROR;
    icu::UnicodeString out;
    formatter->formatNumeric(0, UDAT_REL_UNIT_SECOND, out, status);
    const QString text = kit::fromIcu(out);
    const qsizetype zero = text.indexOf(QLatin1Char('0'));
    if (U_FAILURE(status) || zero < 0)
        return fallback;
    const QString lead = text.left(zero);
    return lead.trimmed().isEmpty() ? fallback : lead;
}

QString UpcomingText::ongoingPart(const QString& titlePart, const UpcomingTextInput& input,
                                  bool showDuringEntireEvent) const {
    const QString bullet =
        !titlePart.isEmpty() && !titlePart.endsWith(kEllipsis) ? kBullet : QString();
    if (!showDuringEntireEvent)
        return bullet + nowText();
    const auto seconds =
        std::chrono::duration_cast<std::chrono::seconds>(input.range.end - input.now);
    const int64_t minutes = std::max<int64_t>(0, std::llround(double(seconds.count()) / 60.0));
    const QString left =
        narrowMeasures(m_environment.icuLocale(), {{minutes / 60, icu::MeasureUnit::getHour()},
                                                   {minutes % 60, icu::MeasureUnit::getMinute()}});
    //: The time left of an event in progress: "25m left".
    return bullet + QCoreApplication::translate("UpcomingEvent", "%1 left").arg(left);
}

std::optional<QString> UpcomingText::farAwayPart(const QString& titlePart,
                                                 const UpcomingTextInput& input,
                                                 bool showCalendarIndicator) const {
    const kit::Instant start = input.range.start;
    const auto ahead = start - input.now;
    if (ahead <= 8h || !m_time)
        return std::nullopt;
    const QDate today = timezones::localDate(m_environment.timeZoneId, input.now);
    const QDate day = timezones::localDate(m_environment.timeZoneId, start);
    const bool isTomorrow = day == today.addDays(1);
    if (day != today && !(isTomorrow && ahead < 24h))
        return std::nullopt;
    QString lead;
    if (!titlePart.isEmpty())
        lead = kBullet;
    else if (!showCalendarIndicator &&
             m_environment.icuLocale().getLanguage() == std::string_view("en"))
        lead = QCoreApplication::translate("UpcomingEvent", "At ");
    QString text = lead + timezones::format(*m_time, start);
    if (isTomorrow)
        text += kTomorrowMark;
    return text;
}

QString UpcomingText::nowText() const {
    if (m_now)
        return *m_now;
    auto named = relativeFormatter(m_environment.icuLocale(), UDAT_STYLE_LONG,
                                   UDISPCTX_CAPITALIZATION_FOR_BEGINNING_OF_SENTENCE);
    UErrorCode status = U_ZERO_ERROR;
    icu::UnicodeString out;
    if (named)
        named->format(UDAT_DIRECTION_PLAIN, UDAT_ABSOLUTE_NOW, out, status);
    m_now = named && U_SUCCESS(status) ? kit::fromIcu(out) : QStringLiteral("Now");
    return *m_now;
}

QString UpcomingText::countdownText(kit::Instant start, kit::Instant now,
                                    bool showMinutesForMoreThanAnHour) const {
    const qint64 seconds =
        std::max<qint64>(0, std::chrono::duration_cast<std::chrono::seconds>(start - now).count());
    const bool hoursOnly = !showMinutesForMoreThanAnHour && seconds > 3600;
    int days = 0, hours = 0, minutes = 0;
    if (m_calendar) {
        UErrorCode status = U_ZERO_ERROR;
        const UDate target = kit::toUDate(start);
        m_calendar->setTime(kit::toUDate(now), status);
        days = m_calendar->fieldDifference(target, UCAL_DATE, status);
        if (hoursOnly) {
            hours = m_calendar->fieldDifference(target, UCAL_HOUR_OF_DAY, status);
            minutes = m_calendar->fieldDifference(target, UCAL_MINUTE, status);
        }
        if (U_FAILURE(status))
            days = hours = minutes = 0;
    }
    const icu::Locale& locale = m_environment.icuLocale();
    QString text;
    if (days > 0) {
        text = narrowMeasures(
            locale, {{std::llround(double(seconds) / 86400.0), icu::MeasureUnit::getDay()}});
    } else if (!hoursOnly) {
        const int64_t total = std::llround(double(seconds) / 60.0);
        text = narrowMeasures(locale, {{total / 60, icu::MeasureUnit::getHour()},
                                       {total % 60, icu::MeasureUnit::getMinute()}});
    } else {
        text = narrowMeasures(
            locale, {{std::llround(double(seconds) / 3600.0), icu::MeasureUnit::getHour()}});
        const int rounded = int(std::lround((hours * 60 + minutes) / 15.0)) * 15;
        const int minute = rounded % 60;
        if (rounded / 60 >= 1 && minute != 0)
            text = withQuarter(text, rounded / 60, minute);
    }
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

} // namespace ruvo::alerts
