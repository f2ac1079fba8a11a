// SPDX-License-Identifier: GPL-3.0-or-later
#include "menubar/ClockText.h"

#include "menubar/IcuFormatting.h"
#include "menubar/MenuBarIcons.h"
#include "settings/Keys.h"

namespace ruvo::menubar {

namespace keys = settings::keys;

ClockTextSettings ClockTextSettings::from(const settings::Defaults& d) {
    ClockTextSettings s;
    s.showWeekDay = d.get(keys::showWeekDayInMenuBar);
    s.showDate = d.get(keys::showDateInMenuBar);
    s.showMonth = d.get(keys::showMonthInMenuBar);
    s.showTime = d.get(keys::showTimeInMenuBar);
    s.showSeconds = d.get(keys::showSecondsInMenuBar);
    s.showWeekNumber = d.get(keys::showWeekNumberInMenuBar);
    s.showAmPm = d.get(keys::showAmPm);
    s.dateTimeFormat = d.get(keys::dateTimeFormat);
    s.icon = d.get(keys::iconInMenuBar);
    return s;
}

namespace {

QString dateTemplate(const ClockTextSettings& s) {
    QString skeleton;
    if (s.showWeekDay && !iconShowsWeekday(s.icon))
        skeleton += QLatin1Char('E');
    if (s.showDate) {
        if (!iconShowsDayNumber(s.icon))
            skeleton += QLatin1Char('d');
        if (s.showMonth)
            skeleton += QStringLiteral("MMM");
    }
    return skeleton;
}

QString datePart(const ClockTextSettings& s, const IcuFormatting& icu) {
    QString skeleton = dateTemplate(s);
    QString suffix;
    if (skeleton == QLatin1String("EMMM")) {
        // The locales put the month first for this template ("Dec Fri"); the clock reads
        // weekday first, so the month is formatted on its own and follows.
        auto month =
            icu.fromTemplate(QStringLiteral("MMM"), UDISPCTX_CAPITALIZATION_FOR_MIDDLE_OF_SENTENCE);
        suffix = QLatin1Char(' ') + icu.format(month.get());
        skeleton = QStringLiteral("E");
    }
    QString text;
    if (!skeleton.isEmpty())
        text = icu.format(icu.fromTemplate(skeleton, UDISPCTX_CAPITALIZATION_FOR_STANDALONE).get());
    const QString language = icu.languageCode();
    if (language != QLatin1String("ru") && language != QLatin1String("hu"))
        text.remove(QLatin1Char(','));
    return (text + suffix).trimmed();
}

QString timePart(const ClockTextSettings& s, const IcuFormatting& icu) {
    const auto style = s.showSeconds ? icu::DateFormat::kMedium : icu::DateFormat::kShort;
    return icu.format(icu.timeStyle(style, s.showAmPm).get());
}

QString composedText(const ClockTextSettings& s, const IcuFormatting& icu) {
    QString text = datePart(s, icu);
    if (s.showTime) {
        if (s.showDate && icu.languageCode() == QLatin1String("sk"))
            text += QLatin1Char(',');
        if (!text.isEmpty())
            text += s.showDate ? QStringLiteral("  ") : QStringLiteral(" ");
        text += timePart(s, icu);
    }
    if (s.showWeekNumber)
        text = QLatin1Char('(') + QString::number(icu.weekOfYear()) + QStringLiteral(") ") + text;
    return text;
}

} // namespace

ClockText composeClockText(const ClockTextSettings& s, kit::Instant now,
                           const kit::Environment& environment) {
    const IcuFormatting icu(environment, now);
    ClockText result;
    result.isCustomPattern = !s.dateTimeFormat.isEmpty();
    result.text = result.isCustomPattern ? icu.format(icu.fromPattern(s.dateTimeFormat).get())
                                         : composedText(s, icu);
    // QString::trimmed also drops U+202F, which ICU leaves after an emptied AM/PM marker.
    result.text = result.text.trimmed();
    if (result.text.isEmpty() && s.icon == settings::MenuBarIconType::none)
        result.text = productName();
    return result;
}

QString formatWithPattern(const QString& pattern, kit::Instant now,
                          const kit::Environment& environment) {
    const IcuFormatting icu(environment, now);
    return icu.format(icu.fromPattern(pattern).get());
}

QString composeLongDate(kit::Instant now, const kit::Environment& environment) {
    const IcuFormatting icu(environment, now);
    return icu.format(
        icu.fromTemplate(QStringLiteral("yMMMMEEEEd"), UDISPCTX_CAPITALIZATION_FOR_STANDALONE)
            .get());
}

int weekOfYear(kit::Instant now, const kit::Environment& environment) {
    return IcuFormatting(environment, now).weekOfYear();
}

} // namespace ruvo::menubar
