// SPDX-License-Identifier: GPL-3.0-or-later
#include "quickadd/SentenceReader.h"

#include "quickadd/ClockReading.h"
#include "quickadd/QuickAddWords.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <cmath>

namespace ruvo::quickadd {

namespace {

constexpr qint64 kDaySeconds = 86400;
constexpr qint64 kLongestSeconds = 366 * kDaySeconds;

struct Token {
    QString text; // as typed
    QString word; // lower case, without trailing commas and marks
};

// What the words at one place of the sentence say; `count` 0 when they say nothing.
struct Match {
    int count = 0;
    std::optional<QDate> date;
    std::optional<QTime> start;
    std::optional<QTime> end;
    std::optional<kit::Seconds> duration;
    std::optional<kit::Seconds> fromNow;
    QString error;
};

Match failed(const QString& error) {
    Match m;
    m.error = error;
    return m;
}

QList<Token> tokenize(const QString& sentence) {
    QString s = sentence.simplified();
    // "3 pm" and "15 Uhr" are one word; so is "9 - 10am".
    static const QRegularExpression suffix(
        QStringLiteral(R"((\d)\s+(am|pm|a\.m\.|p\.m\.|uhr)(?=[\s,;!?]|$))"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression dash(QStringLiteral(R"((\d(?:[ap]\.?m\.?)?)\s*[-–—]\s*(?=\d))"),
                                         QRegularExpression::CaseInsensitiveOption);
    s.replace(suffix, QStringLiteral("\\1\\2"));
    s.replace(dash, QStringLiteral("\\1-"));
    static const QRegularExpression marks(QStringLiteral("[,;!?]+$"));
    QList<Token> tokens;
    for (const QString& text : s.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        tokens.append({text, text.toLower().remove(marks)});
    return tokens;
}

QString withoutDot(const QString& word) {
    return word.endsWith(QLatin1Char('.')) ? word.chopped(1) : word;
}

std::optional<double> readNumber(const QString& word, bool allowsWords) {
    static const QRegularExpression number(QStringLiteral(R"(^\d{1,4}([.,]\d{1,2})?$)"));
    if (number.match(word).hasMatch())
        return QString(word).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
    if (allowsWords)
        if (auto one = lookUp(oneWords(), word))
            return *one;
    return std::nullopt;
}

// "90min", "1.5h", "2std", "1h30".
std::optional<qint64> compactDuration(const QString& word) {
    static const QRegularExpression single(
        QStringLiteral(R"(^(\d{1,4}(?:[.,]\d{1,2})?)(m|min|mins|h|hr|hrs|std)$)"));
    static const QRegularExpression mixed(QStringLiteral(R"(^(\d{1,3})h(\d{1,2})(?:m|min)?$)"));
    if (const auto m = mixed.match(word); m.hasMatch())
        return m.captured(1).toLongLong() * 3600 + m.captured(2).toLongLong() * 60;
    const auto m = single.match(word);
    if (!m.hasMatch())
        return std::nullopt;
    const double count = m.captured(1).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
    return std::llround(count * *lookUp(unitWords(), m.captured(2)));
}

std::optional<QDate> nextOccurrence(int month, int day, QDate today) {
    // Bounded: a 29 February is at most eight years away.
    for (int year = today.year(); year <= today.year() + 8; ++year) {
        const QDate date(year, month, day);
        if (date.isValid() && date >= today)
            return date;
    }
    return std::nullopt;
}

int fullYear(const QString& text) {
    const int year = text.toInt();
    return text.size() == 2 ? 2000 + year : year;
}

class Reader {
public:
    Reader(QList<Token> tokens, const ReaderContext& context)
        : m_tokens(std::move(tokens)), m_context(context) {}

    kit::Result<Findings> read();

private:
    Match matchAt(int i) const;
    Match matchFromNow(int i) const;
    Match matchDuration(int i) const;
    Match matchTime(int i) const;
    Match matchDate(int i) const;
    Match matchCalendarDate(int i) const;
    Match matchDayAndMonth(int i) const;
    Match dayMatch(int count, std::optional<QDate> date, int first) const;
    Match durationMatch(int count, qint64 seconds, int first, bool isFromNow) const;
    Match singleTime(ClockReading reading, bool isTwelveHour, int count, int first) const;
    Match rangeTime(ClockReading a, ClockReading b, bool isTwelveHour, int count, int first) const;
    QString apply(const Match& match, const QString& words, Findings& findings) const;

    QString wordAt(int i) const { return i < m_tokens.size() ? m_tokens[i].word : QString(); }
    QString textOf(int first, int count) const {
        QStringList words;
        for (int i = first; i < first + count && i < m_tokens.size(); ++i)
            words << m_tokens[i].text;
        return words.join(QLatin1Char(' '));
    }

    QList<Token> m_tokens;
    ReaderContext m_context;
};

Match Reader::matchAt(int i) const {
    for (auto matcher :
         {&Reader::matchFromNow, &Reader::matchDate, &Reader::matchTime, &Reader::matchDuration}) {
        Match m = (this->*matcher)(i);
        if (m.count > 0 || !m.error.isEmpty())
            return m;
    }
    return {};
}

Match Reader::durationMatch(int count, qint64 seconds, int first, bool isFromNow) const {
    const QString words = textOf(first, count);
    if (seconds <= 0)
        return failed(
            QCoreApplication::translate("QuickAdd", "“%1” is no length of time.").arg(words));
    if (seconds > kLongestSeconds)
        return failed(
            QCoreApplication::translate("QuickAdd", "“%1” is longer than a year.").arg(words));
    Match m;
    m.count = count;
    if (!isFromNow)
        m.duration = kit::Seconds(seconds);
    else if (seconds % kDaySeconds == 0)
        m.date = m_context.today.addDays(seconds / kDaySeconds);
    else
        m.fromNow = kit::Seconds(seconds);
    return m;
}

// "in 2 hours", "in 3 Tagen", "in einer Woche", "in 90min".
Match Reader::matchFromNow(int i) const {
    if (wordAt(i) != QLatin1String("in"))
        return {};
    if (auto seconds = compactDuration(wordAt(i + 1)))
        return durationMatch(2, *seconds, i, true);
    const auto count = readNumber(wordAt(i + 1), true);
    const auto unit = lookUp(unitWords(), withoutDot(wordAt(i + 2)));
    if (!count || !unit)
        return {};
    return durationMatch(3, std::llround(*count * *unit), i, true);
}

// "for 1h", "für 2 Stunden", "90 minutes".
Match Reader::matchDuration(int i) const {
    const bool hasFor = isOneOf(wordAt(i), {"for", "für"});
    const int j = hasFor ? i + 1 : i;
    if (auto seconds = compactDuration(wordAt(j)))
        return durationMatch(j - i + 1, *seconds, i, false);
    const auto count = readNumber(wordAt(j), hasFor);
    const auto unit = lookUp(unitWords(), withoutDot(wordAt(j + 1)));
    if (!count || !unit)
        return {};
    return durationMatch(j - i + 2, std::llround(*count * *unit), i, false);
}

Match Reader::singleTime(ClockReading reading, bool isTwelveHour, int count, int first) const {
    const QString words = textOf(first, count);
    if (reading.meridiem == Meridiem::none && !reading.hasUhr && isTwelveHour &&
        reading.hour >= 1 && reading.hour <= 12)
        return failed(QCoreApplication::translate(
                          "QuickAdd", "“%1” could be morning or evening: write %2am or %2pm.")
                          .arg(words, QString::number(reading.hour)));
    const auto time = timeOf(reading, Meridiem::none);
    if (!time)
        return failed(QCoreApplication::translate("QuickAdd", "“%1” is not a time.").arg(words));
    Match m;
    m.count = count;
    m.start = time;
    return m;
}

Meridiem other(Meridiem m) {
    return m == Meridiem::am ? Meridiem::pm : Meridiem::am;
}

// "9-10am" is 9 to 10 in the morning, "11-1pm" 11 in the morning to 1 in the afternoon.
Match Reader::rangeTime(ClockReading a, ClockReading b, bool isTwelveHour, int count,
                        int first) const {
    const QString words = textOf(first, count);
    std::optional<QTime> start, end;
    if (a.meridiem == Meridiem::none && b.meridiem == Meridiem::none) {
        const bool fitsTwelve = a.hour >= 1 && a.hour <= 12 && b.hour >= 1 && b.hour <= 12;
        if (isTwelveHour && !a.hasUhr && fitsTwelve)
            return failed(QCoreApplication::translate("QuickAdd",
                                                      "“%1” could be morning or evening: "
                                                      "write am or pm after the times.")
                              .arg(words));
        start = timeOf(a, Meridiem::none);
        end = timeOf(b, Meridiem::none, true);
    } else if (a.meridiem == Meridiem::none) {
        end = timeOf(b, b.meridiem);
        start = timeOf(a, b.meridiem);
        if (start && end && *start >= *end)
            start = timeOf(a, other(b.meridiem));
    } else {
        start = timeOf(a, a.meridiem);
        end = timeOf(b, a.meridiem);
        if (b.meridiem == Meridiem::none && start && end && *end <= *start)
            end = timeOf(b, other(a.meridiem));
    }
    if (!start || !end)
        return failed(QCoreApplication::translate("QuickAdd", "“%1” is not a time.").arg(words));
    Match m;
    m.count = count;
    m.start = start;
    m.end = end;
    return m;
}

// "3pm", "at 15:30", "um 9", "noon", "9-10am", "von 9 bis 10 Uhr".
Match Reader::matchTime(int i) const {
    const QString lead = wordAt(i);
    const bool hasLead = isOneOf(lead, {"at", "um", "@", "from", "von", "ab", "gegen"});
    // "um 9" and "von 9" are German, where a bare hour is a 24-hour time.
    const bool isTwelveHour =
        m_context.isTwelveHour && (!hasLead || isOneOf(lead, {"at", "@", "from"}));
    const int j = hasLead ? i + 1 : i;
    const QString word = wordAt(j);
    if (isOneOf(word, {"noon", "midday", "mittag", "midnight", "mitternacht"})) {
        Match m;
        m.count = j - i + 1;
        m.start = isOneOf(word, {"midnight", "mitternacht"}) ? QTime(0, 0) : QTime(12, 0);
        return m;
    }
    const bool uhrFollows = wordAt(j + 1) == QLatin1String("uhr");
    if (auto range = readClockRange(word)) {
        range->first.hasUhr = range->second.hasUhr = range->first.hasUhr || uhrFollows;
        if (!hasLead && !range->first.isStrong() && !range->second.isStrong())
            return {};
        return rangeTime(range->first, range->second, isTwelveHour, j - i + 1 + uhrFollows, i);
    }
    auto clock = readClock(word);
    if (!clock || (uhrFollows && clock->meridiem != Meridiem::none))
        return {};
    clock->hasUhr = clock->hasUhr || uhrFollows;
    const int count = j - i + 1 + uhrFollows;
    if (isOneOf(wordAt(i + count), {"to", "until", "till", "bis", "-"})) {
        auto second = readClock(wordAt(i + count + 1));
        if (second && (hasLead || clock->isStrong() || second->isStrong() ||
                       wordAt(i + count + 2) == QLatin1String("uhr"))) {
            const bool uhrEnds = wordAt(i + count + 2) == QLatin1String("uhr");
            second->hasUhr = second->hasUhr || uhrEnds || clock->hasUhr;
            clock->hasUhr = clock->hasUhr || second->hasUhr;
            return rangeTime(*clock, *second, isTwelveHour, count + 2 + uhrEnds, i);
        }
    }
    if (!hasLead && !clock->isStrong())
        return {};
    return singleTime(*clock, isTwelveHour, count, i);
}

Match Reader::dayMatch(int count, std::optional<QDate> date, int first) const {
    if (!date || !date->isValid())
        return failed(QCoreApplication::translate("QuickAdd", "“%1” is not a date.")
                          .arg(textOf(first, count)));
    Match m;
    m.count = count;
    m.date = date;
    return m;
}

// "today", "tomorrow", "Friday", "next Friday", "am Freitag", "on 12/24", "24.12.".
Match Reader::matchDate(int i) const {
    const bool hasLead = isOneOf(wordAt(i), {"on", "am", "den"});
    int j = hasLead ? i + 1 : i;
    const bool isNext = isOneOf(wordAt(j), {"next", "nächsten", "nächster", "nächste"});
    const bool isComing =
        isOneOf(wordAt(j), {"this", "coming", "kommenden", "kommender", "diesen"});
    if (isNext || isComing)
        ++j;
    if (!hasLead && !isNext && !isComing) {
        if (auto days = lookUp(dayWords(), wordAt(i)))
            return dayMatch(1, m_context.today.addDays(*days), i);
        if (wordAt(i) == QLatin1String("day") && wordAt(i + 1) == QLatin1String("after") &&
            wordAt(i + 2) == QLatin1String("tomorrow"))
            return dayMatch(3, m_context.today.addDays(2), i);
    }
    if (auto weekday = lookUp(weekdayWords(), withoutDot(wordAt(j)))) {
        const int ahead = (*weekday - m_context.today.dayOfWeek() + 7) % 7 + (isNext ? 7 : 0);
        return dayMatch(j - i + 1, m_context.today.addDays(ahead), i);
    }
    if (isNext || isComing)
        return {};
    Match m = matchCalendarDate(j);
    if (m.count > 0)
        m.count += j - i;
    return m;
}

Match Reader::matchCalendarDate(int i) const {
    static const QRegularExpression iso(QStringLiteral(R"(^(\d{4})-(\d{1,2})-(\d{1,2})$)"));
    static const QRegularExpression dotted(
        QStringLiteral(R"(^(\d{1,2})\.(\d{1,2})\.(\d{4}|\d{2})?$)"));
    static const QRegularExpression slashed(
        QStringLiteral(R"(^(\d{1,2})/(\d{1,2})(?:/(\d{4}|\d{2}))?$)"));
    const QString word = wordAt(i);
    if (const auto m = iso.match(word); m.hasMatch())
        return dayMatch(
            1, QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt()), i);
    int day = 0, month = 0;
    QString year;
    if (const auto m = dotted.match(word); m.hasMatch()) {
        day = m.captured(1).toInt();
        month = m.captured(2).toInt();
        year = m.captured(3);
    } else if (const auto m = slashed.match(word); m.hasMatch()) {
        const int a = m.captured(1).toInt(), b = m.captured(2).toInt();
        // The locale's order, unless only the other one names a day ("13/5", "5/13").
        const bool monthFirst = m_context.isMonthFirst ? a <= 12 : b > 12;
        month = monthFirst ? a : b;
        day = monthFirst ? b : a;
        year = m.captured(3);
    } else {
        return matchDayAndMonth(i);
    }
    if (!year.isEmpty())
        return dayMatch(1, QDate(fullYear(year), month, day), i);
    return dayMatch(1, nextOccurrence(month, day, m_context.today), i);
}

// "Dec 24", "December 24th 2027", "24 Dec", "24. Dezember".
Match Reader::matchDayAndMonth(int i) const {
    static const QRegularExpression dayNumber(QStringLiteral(R"(^(\d{1,2})(?:st|nd|rd|th|\.)?$)"));
    static const QRegularExpression yearNumber(QStringLiteral(R"(^\d{4}$)"));
    std::optional<int> month = lookUp(monthWords(), withoutDot(wordAt(i)));
    auto day = dayNumber.match(wordAt(month ? i + 1 : i));
    if (!month)
        month = lookUp(monthWords(), withoutDot(wordAt(i + 1)));
    if (!month || !day.hasMatch())
        return {};
    const QString yearWord = wordAt(i + 2);
    if (yearNumber.match(yearWord).hasMatch())
        return dayMatch(3, QDate(yearWord.toInt(), *month, day.captured(1).toInt()), i);
    return dayMatch(2, nextOccurrence(*month, day.captured(1).toInt(), m_context.today), i);
}

template <typename T>
QString setOnce(std::optional<Said<T>>& slot, const T& value, const QString& words,
                const char* twice) {
    if (slot)
        return QCoreApplication::translate("QuickAdd", twice).arg(slot->words, words);
    slot = Said<T>{value, words};
    return {};
}

QString Reader::apply(const Match& m, const QString& words, Findings& f) const {
    QString error;
    if (m.date)
        error = setOnce(f.date, *m.date, words,
                        QT_TRANSLATE_NOOP("QuickAdd", "Two days: “%1” and “%2”. Keep one."));
    if (m.start && error.isEmpty())
        error = setOnce(f.start, *m.start, words,
                        QT_TRANSLATE_NOOP("QuickAdd", "Two times: “%1” and “%2”. Keep one, or "
                                                      "write a range like “9-10am”."));
    if (m.end && error.isEmpty())
        f.end = Said<QTime>{*m.end, words};
    if (m.duration && error.isEmpty())
        error = setOnce(f.duration, *m.duration, words,
                        QT_TRANSLATE_NOOP("QuickAdd", "Two lengths: “%1” and “%2”. Keep one."));
    if (m.fromNow && error.isEmpty())
        error = setOnce(f.fromNow, *m.fromNow, words,
                        QT_TRANSLATE_NOOP("QuickAdd", "Two starts: “%1” and “%2”. Keep one."));
    return error;
}

kit::Result<Findings> Reader::read() {
    Findings findings;
    QList<QStringList> places;
    bool isInPlace = false;
    for (int i = 0; i < m_tokens.size();) {
        const Match m = matchAt(i);
        if (!m.error.isEmpty())
            return kit::fail(m.error);
        if (m.count > 0) {
            if (QString error = apply(m, textOf(i, m.count), findings); !error.isEmpty())
                return kit::fail(error);
            i += m.count;
            isInPlace = false;
            continue;
        }
        const bool startsPlace = !isInPlace && isOneOf(wordAt(i), {"at", "in", "im", "bei", "@"}) &&
                                 i + 1 < m_tokens.size() && matchAt(i + 1).count == 0;
        if (startsPlace) {
            places.append(QStringList());
            isInPlace = true;
        } else {
            (isInPlace ? places.last() : findings.title) << m_tokens[i].text;
        }
        ++i;
    }
    if (places.size() > 1)
        return kit::fail(
            QCoreApplication::translate("QuickAdd", "Two places: “%1” and “%2”. "
                                                    "Keep one.")
                .arg(places[0].join(QLatin1Char(' ')), places[1].join(QLatin1Char(' '))));
    if (!places.isEmpty())
        findings.location = places.first();
    return findings;
}

} // namespace

kit::Result<Findings> readSentence(const QString& sentence, const ReaderContext& context) {
    return Reader(tokenize(sentence), context).read();
}

} // namespace ruvo::quickadd
