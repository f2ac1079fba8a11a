// SPDX-License-Identifier: GPL-3.0-or-later
#include "menubar/SquareText.h"

#include "menubar/IcuFormatting.h"

namespace ruvo::menubar {

namespace {

enum class Shows { nothing, time, date, weekday };

// What a custom pattern shows, from its fields outside quoted literals.
Shows patternShows(const QString& pattern) {
    bool inQuote = false;
    bool hasDay = false;
    bool hasWeekday = false;
    for (const QChar c : pattern) {
        if (c == QLatin1Char('\'')) {
            inQuote = !inQuote;
            continue;
        }
        if (inQuote)
            continue;
        if (QStringLiteral("hHkKjJ").contains(c))
            return Shows::time;
        hasDay = hasDay || c == QLatin1Char('d');
        hasWeekday = hasWeekday || c == QLatin1Char('E') || c == QLatin1Char('c');
    }
    return hasDay ? Shows::date : hasWeekday ? Shows::weekday : Shows::nothing;
}

Shows switchesShow(const ClockTextSettings& s) {
    if (s.showTime)
        return Shows::time;
    if (s.showDate)
        return Shows::date;
    return s.showWeekDay ? Shows::weekday : Shows::nothing;
}

QString formatted(const IcuFormatting& icu, const char* skeleton,
                  UDisplayContext context = UDISPCTX_CAPITALIZATION_FOR_STANDALONE) {
    return icu.format(icu.fromTemplate(QString::fromLatin1(skeleton), context).get())
        .remove(QLatin1Char('.'))
        .trimmed();
}

// The hour field of a pattern ("h" in en_US's short time, "HH" in de_DE's), so the hours read
// as they do in the clock text; "H" when the pattern has none.
QString hourField(const QString& pattern) {
    bool inQuote = false;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == QLatin1Char('\''))
            inQuote = !inQuote;
        if (inQuote || !QStringLiteral("hHkK").contains(c))
            continue;
        qsizetype end = i;
        while (end < pattern.size() && pattern[end] == c)
            ++end;
        return pattern.mid(i, end - i);
    }
    return QStringLiteral("H");
}

QString shortTimePattern(const IcuFormatting& icu) {
    icu::UnicodeString text;
    if (const auto style = icu.timeStyle(icu::DateFormat::kShort, false))
        style->toPattern(text);
    return kit::fromIcu(text);
}

} // namespace

QStringList composeSquareText(const ClockTextSettings& settings, kit::Instant now,
                              const kit::Environment& environment) {
    const Shows shows = settings.dateTimeFormat.isEmpty() ? switchesShow(settings)
                                                          : patternShows(settings.dateTimeFormat);
    const IcuFormatting icu(environment, now);
    switch (shows) {
    case Shows::time:
        return {icu.format(icu.fromPattern(hourField(settings.dateTimeFormat.isEmpty()
                                                         ? shortTimePattern(icu)
                                                         : settings.dateTimeFormat))
                               .get()),
                icu.format(icu.fromPattern(QStringLiteral("mm")).get())};
    case Shows::date:
        return {formatted(icu, "d"),
                formatted(icu, "LLL", UDISPCTX_CAPITALIZATION_FOR_MIDDLE_OF_SENTENCE)};
    case Shows::weekday:
        return {formatted(icu, "ccc")};
    case Shows::nothing:
        break;
    }
    return {};
}

} // namespace ruvo::menubar
