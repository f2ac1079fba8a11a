// SPDX-License-Identifier: GPL-3.0-or-later
#include "menubar/MenuDateLine.h"

#include "menubar/IcuFormatting.h"
#include "settings/Keys.h"

namespace ruvo::menubar {

namespace keys = settings::keys;

MenuDateLineSettings MenuDateLineSettings::from(const settings::Defaults& d) {
    MenuDateLineSettings s;
    s.pattern = d.get(keys::menuDateTimeFormat);
    s.showDate = d.get(keys::showDateInMenu);
    s.showDayOfWeek = d.get(keys::showDayOfWeekInMenu);
    s.showWeekNumber = d.get(keys::showWeekNumberInMenu);
    s.showTime = d.get(keys::showTimeInMenu);
    s.showSeconds = d.get(keys::showTimeWithSecondsInMenu);
    s.showAmPm = d.get(keys::showAmPm);
    return s;
}

bool MenuDateLineSettings::needsSeconds() const {
    if (!pattern.isEmpty())
        return pattern.contains(QLatin1Char('s'));
    return showTime && showSeconds;
}

QString composeMenuDateLine(const MenuDateLineSettings& s, kit::Instant now,
                            const kit::Environment& environment) {
    const IcuFormatting icu(environment, now);
    if (!s.pattern.isEmpty())
        return icu.format(icu.fromPattern(s.pattern).get()).trimmed();
    QString skeleton;
    if (s.showDayOfWeek)
        skeleton += QStringLiteral("EEEE");
    if (s.showDate)
        skeleton += QStringLiteral("yMMMMd");
    QString line;
    if (!skeleton.isEmpty())
        line = icu.format(icu.fromTemplate(skeleton, UDISPCTX_CAPITALIZATION_FOR_STANDALONE).get());
    if (s.showTime) {
        const auto style = s.showSeconds ? icu::DateFormat::kMedium : icu::DateFormat::kShort;
        const QString time = icu.format(icu.timeStyle(style, s.showAmPm).get()).trimmed();
        line = line.isEmpty() ? time : line + QStringLiteral("  ") + time;
    }
    if (s.showWeekNumber)
        line = QLatin1Char('(') + QString::number(icu.weekOfYear()) + QStringLiteral(") ") + line;
    return line.trimmed();
}

} // namespace ruvo::menubar
