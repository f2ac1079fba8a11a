// SPDX-License-Identifier: GPL-3.0-or-later
#include "timezones/PosixTzRule.h"

namespace ruvo::timezones {

namespace {

class Scanner {
public:
    explicit Scanner(const QString& text) : m_text(text) {}
    bool atEnd() const { return m_pos >= m_text.size(); }
    QChar peek() const { return atEnd() ? QChar() : m_text[m_pos]; }
    bool accept(QChar c) {
        if (peek() != c)
            return false;
        ++m_pos;
        return true;
    }

    std::optional<QString> name() {
        if (accept(QLatin1Char('<'))) {
            const qsizetype end = m_text.indexOf(QLatin1Char('>'), m_pos);
            if (end < 0)
                return std::nullopt;
            const QString out = m_text.mid(m_pos, end - m_pos);
            m_pos = end + 1;
            return out;
        }
        const qsizetype start = m_pos;
        while (!atEnd() && peek().isLetter())
            ++m_pos;
        if (m_pos - start < 3)
            return std::nullopt;
        return m_text.mid(start, m_pos - start);
    }

    std::optional<int> number() {
        const qsizetype start = m_pos;
        while (!atEnd() && peek().isDigit())
            ++m_pos;
        if (start == m_pos)
            return std::nullopt;
        return m_text.mid(start, m_pos - start).toInt();
    }

    // [+-]hh[:mm[:ss]] as seconds.
    std::optional<int> duration() {
        int sign = 1;
        if (accept(QLatin1Char('-')))
            sign = -1;
        else
            accept(QLatin1Char('+'));
        auto hours = number();
        if (!hours)
            return std::nullopt;
        int seconds = *hours * 3600;
        for (int scale : {60, 1}) {
            if (!accept(QLatin1Char(':')))
                break;
            auto part = number();
            if (!part)
                return std::nullopt;
            seconds += *part * scale;
        }
        return sign * seconds;
    }

    std::optional<PosixTzDate> date() {
        PosixTzDate d;
        if (accept(QLatin1Char('M'))) {
            const int m = number().value_or(0);
            const int w = accept(QLatin1Char('.')) ? number().value_or(0) : 0;
            const int wd = accept(QLatin1Char('.')) ? number().value_or(-1) : -1;
            if (m < 1 || m > 12 || w < 1 || w > 5 || wd < 0 || wd > 6)
                return std::nullopt;
            d.month = m;
            d.week = w;
            d.weekday = wd;
        } else {
            d.kind = accept(QLatin1Char('J')) ? PosixTzDate::Kind::julianNoLeap
                                              : PosixTzDate::Kind::zeroBasedDay;
            auto n = number();
            if (!n || *n > 365)
                return std::nullopt;
            d.day = *n;
        }
        if (accept(QLatin1Char('/'))) {
            auto t = duration();
            if (!t)
                return std::nullopt;
            d.time = *t;
        }
        return d;
    }

private:
    const QString& m_text;
    qsizetype m_pos = 0;
};

} // namespace

std::pair<int, int> PosixTzDate::monthAndDay() const {
    static constexpr int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int remaining = kind == Kind::julianNoLeap ? day - 1 : day;
    for (int m = 0; m < 12; ++m) {
        if (remaining < lengths[m])
            return {m + 1, remaining + 1};
        remaining -= lengths[m];
    }
    return {12, 31};
}

std::optional<PosixTzRule> PosixTzRule::parse(const QString& text) {
    Scanner s(text);
    PosixTzRule rule;
    auto stdName = s.name();
    auto stdOffset = stdName ? s.duration() : std::nullopt;
    if (!stdOffset)
        return std::nullopt;
    rule.standardName = *stdName;
    rule.standardOffset = -*stdOffset;
    if (s.atEnd())
        return rule;
    auto dstName = s.name();
    if (!dstName)
        return std::nullopt;
    rule.daylightName = *dstName;
    rule.daylightOffset = rule.standardOffset + 3600;
    if (s.peek() != QLatin1Char(',')) {
        auto dstOffset = s.duration();
        if (!dstOffset)
            return std::nullopt;
        rule.daylightOffset = -*dstOffset;
    }
    auto start = s.accept(QLatin1Char(',')) ? s.date() : std::nullopt;
    auto end = s.accept(QLatin1Char(',')) ? s.date() : std::nullopt;
    if (!start || !end || !s.atEnd())
        return std::nullopt;
    rule.start = *start;
    rule.end = *end;
    return rule;
}

} // namespace ruvo::timezones
