// SPDX-License-Identifier: GPL-3.0-or-later
#include "timezones/MenuBarClockTitle.h"

#include "timezones/IcuFormat.h"

#include <QRegularExpression>
#include <QTextBoundaryFinder>
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

namespace {

constexpr qsizetype kLabelLength = 3;

QString digitsPart(const QString& time) {
    qsizetype first = -1, last = -1;
    for (qsizetype i = 0; i < time.size(); ++i)
        if (time[i].isDigit()) {
            first = first < 0 ? i : first;
            last = i;
        }
    return first < 0 ? time.trimmed() : time.mid(first, last - first + 1);
}

QString label(const QString& name) {
    const QStringList words =
        name.split(QRegularExpression(QStringLiteral("[\\s\\-_/]+")), Qt::SkipEmptyParts);
    QString initials;
    for (const QString& word : words)
        if (word.front().isLetterOrNumber() && initials.size() < kLabelLength)
            initials += word.front();
    if (words.size() > 1 && initials.size() > 1)
        return initials.toUpper();
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, name.trimmed());
    qsizetype end = 0;
    for (int i = 0; i < kLabelLength && finder.toNextBoundary() > 0; ++i)
        end = finder.position();
    return name.trimmed().left(end).toUpper();
}

} // namespace

QStringList zoneSquareText(const QString& time, const QString& name) {
    QStringList lines{digitsPart(time)};
    if (const QString l = label(name); !l.isEmpty())
        lines.append(l);
    return lines;
}

double ClockWidth::update(double textWidth) {
    const double w = textWidth + 6;
    if (m_longest == 0 || std::abs(w - m_longest) >= 3)
        m_longest = w;
    return m_longest;
}

} // namespace ruvo::timezones
