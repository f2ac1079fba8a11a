// SPDX-License-Identifier: GPL-3.0-or-later
#include "timezones/MenuBarClockTitle.h"

#include "timezones/IcuFormat.h"

#include <cmath>

namespace ruvo::timezones {

MenuBarClockTitle MenuBarClockTitle::make(const settings::ChosenTimeZone& entry,
                                          const ChosenTimeZoneTexts& texts, bool markCurrentZone) {
    const kit::Instant now = texts.now();
    const QString& local = texts.environment().timeZoneId;
    MenuBarClockTitle t;
    if (!entry.menuBarTitle.trimmed().isEmpty())
        t.title = entry.menuBarTitle + QLatin1Char(' ');
    if (entry.menuBarShowWeekdayWhenInDifferentDay &&
        localDate(entry.timeZone.identifier, now) != localDate(local, now)) {
        auto formatter =
            skeletonFormat(texts.environment().icuLocale(), "E", entry.timeZone.identifier);
        if (formatter) {
            UErrorCode status = U_ZERO_ERROR;
            formatter->setContext(UDISPCTX_CAPITALIZATION_FOR_BEGINNING_OF_SENTENCE, status);
            t.weekday = format(*formatter, now) + QLatin1Char(' ');
        }
    }
    t.time = texts.timeText(entry, now);
    t.isCurrentZoneMarked = markCurrentZone && entry.timeZone.identifier == local;
    return t;
}

double ClockWidth::update(double textWidth) {
    const double w = textWidth + 6;
    if (m_longest == 0 || std::abs(w - m_longest) >= 3)
        m_longest = w;
    return m_longest;
}

} // namespace ruvo::timezones
