// SPDX-License-Identifier: GPL-3.0-or-later
#include "creation/AlertChoices.h"

#include "kit/IcuText.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTime>
#include <unicode/measfmt.h>
#include <unicode/measunit.h>
#include <unicode/measure.h>

namespace ruvo::creation {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("AlertChoices", text);
}

icu::MeasureUnit* unitFor(qint64 seconds, qint64& count, UErrorCode& status) {
    if (seconds >= 86400 && seconds % 86400 == 0) {
        count = seconds / 86400;
        return icu::MeasureUnit::createDay(status);
    }
    if (seconds >= 3600 && seconds % 3600 == 0) {
        count = seconds / 3600;
        return icu::MeasureUnit::createHour(status);
    }
    count = seconds / 60;
    return icu::MeasureUnit::createMinute(status);
}

} // namespace

QString leadTimeText(qint64 seconds, const kit::Environment& environment) {
    UErrorCode status = U_ZERO_ERROR;
    icu::MeasureFormat formatter(environment.icuLocale(), UMEASFMT_WIDTH_WIDE, status);
    qint64 count = 0;
    icu::MeasureUnit* unit = unitFor(std::abs(seconds), count, status);
    icu::Measure measure(icu::Formattable(int64_t(count)), unit, status);
    icu::UnicodeString text;
    icu::FieldPosition position;
    formatter.formatMeasures(&measure, 1, text, position, status);
    if (U_FAILURE(status))
        return QStringLiteral("%1 min").arg(seconds / 60);
    return kit::fromIcu(text);
}

std::vector<AlertChoice> alertChoices(bool isAllDay, const kit::Environment& environment) {
    std::vector<AlertChoice> choices{{std::nullopt, tr("None")}};
    if (isAllDay) {
        const QString time = QLocale(environment.localeId)
                                 .toString(QTime(kAllDayAlarmHour, 0), QLocale::ShortFormat);
        const qint64 atHour = kAllDayAlarmHour * 3600;
        choices.push_back({atHour, tr("On day of event (%1)").arg(time)});
        choices.push_back({atHour - 86400, tr("1 day before (%1)").arg(time)});
        choices.push_back({atHour - 2 * 86400, tr("2 days before (%1)").arg(time)});
        choices.push_back({atHour - 7 * 86400, tr("1 week before (%1)").arg(time)});
        return choices;
    }
    for (const qint64 lead : kTimedLeadTimes)
        choices.push_back({-lead, lead == 0
                                      ? tr("At time of event")
                                      : tr("%1 before").arg(leadTimeText(lead, environment))});
    return choices;
}

int choiceIndex(const std::vector<AlertChoice>& choices, std::optional<qint64> offset) {
    for (std::size_t i = 0; i < choices.size(); ++i)
        if (choices[i].offset == offset)
            return int(i);
    return 0;
}

} // namespace ruvo::creation
