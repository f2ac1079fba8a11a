// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/VdirCodec.h"

#include "platform/linux/VdirBytes.h"

#include <QDataStream>
#include <QIODevice>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace ruvo::platform::vdir {

namespace {

constexpr quint32 kFormat = 0x52564436; // "RVD6"

// The cache is a file anyone with the user's rights can change: what comes back from it is
// held to what the parser can produce, so that a changed byte costs a parse and never a hang.
constexpr qint64 kMaxSeconds = 400'000'000'000; // beyond the years 0...9999, either way
constexpr int kMaxInterval = 32767;             // libical keeps INTERVAL in a short
constexpr int kMaxOrdinal = 53;                 // BYDAY=53MO, in a yearly rule's terms
constexpr quint32 kMaxByValues = 512;           // more than libical keeps of any BY part

bool isTimeInRange(qint64 seconds) {
    return seconds >= -kMaxSeconds && seconds <= kMaxSeconds;
}

bool isOrdinalDay(qint16 entry) {
    const int ordinal = entry >= 0 ? entry / 8 : -((-entry + 7) / 8);
    const int weekday = entry - ordinal * 8;
    return weekday >= 0 && weekday <= 6 && std::abs(ordinal) <= kMaxOrdinal;
}

bool isValidRule(const RecurrenceRule& r) {
    const bool hasValidDays = std::all_of(r.monthDays.begin(), r.monthDays.end(),
                                          [](qint16 d) { return d != 0 && d >= -31 && d <= 31; }) &&
                              std::all_of(r.ordinalDays.begin(), r.ordinalDays.end(), isOrdinalDay);
    return r.interval >= 1 && r.interval <= kMaxInterval && r.count >= 0 &&
           (r.until == kNoEnd || isTimeInRange(r.until)) && r.weekdays < 0x80 && r.weekStart <= 6 &&
           (r.frequency != Frequency::weekly || r.weekdays != 0) && hasValidDays;
}

bool isValidSeries(const SeriesRecord& s) {
    const auto inRange = [](const std::vector<LocalSeconds>& v) {
        return std::is_sorted(v.begin(), v.end()) &&
               (v.empty() || (isTimeInRange(v.front()) && isTimeInRange(v.back())));
    };
    return inRange(s.rdates) && inRange(s.exdates) &&
           (s.lastStart == kNoEnd || isTimeInRange(s.lastStart)) &&
           std::all_of(s.rules.begin(), s.rules.end(), isValidRule);
}

class Writer {
public:
    Writer(QByteArray& bytes, const ZoneTable& zones)
        : m_out(&bytes, QIODevice::WriteOnly), m_zones(zones) {}

    void file(const ParsedFile& f) {
        m_out << kFormat << quint32(f.singles.size());
        for (const auto& s : f.singles) {
            data(*s.data);
            times(s.times);
            m_out << s.recurrenceId.has_value()
                  << (s.recurrenceId ? kit::msecsSinceEpoch(*s.recurrenceId) : 0);
        }
        m_out << quint32(f.series.size());
        for (const auto& s : f.series)
            series(s);
        m_out << quint32(f.reminders.size());
        for (const auto& r : f.reminders)
            reminder(r);
        m_out << quint32(f.reminderSeries.size());
        for (const auto& r : f.reminderSeries) {
            m_out << r.reminder;
            recurrence(r.due);
        }
    }

private:
    void data(const EventData& d) {
        const EventExtras& x = d.extra();
        m_out << d.calendarItemExternalIdentifier << d.title << x.location << x.url << x.notes
              << qint8(d.status) << d.isAllDay << d.hasRecurrenceRules
              << quint32(x.attendees.size());
        for (const auto& a : x.attendees)
            m_out << a.name << a.address << qint8(a.participantStatus) << a.isCurrentUser;
        m_out << quint32(x.alarms.size());
        for (const auto& a : x.alarms)
            m_out << qint64(a.relativeOffset.count());
        m_out << x.isOrganizedByCurrentUser;
    }
    void times(const EventTimes& t) { m_out << t.start << t.duration << m_zones.zoneId(t.zone); }
    void series(const SeriesRecord& s) {
        data(*s.data);
        recurrence(s);
    }
    void recurrence(const SeriesRecord& s) {
        times(s.times);
        m_out << quint32(s.rules.size());
        for (const auto& r : s.rules)
            m_out << r.text << quint8(r.frequency) << qint32(r.interval) << qint32(r.count)
                  << r.until << r.weekdays << r.weekStart << r.isSimple
                  << QList<qint16>(r.monthDays.begin(), r.monthDays.end())
                  << QList<qint16>(r.ordinalDays.begin(), r.ordinalDays.end());
        m_out << QList<qint64>(s.rdates.begin(), s.rdates.end())
              << QList<qint64>(s.exdates.begin(), s.exdates.end()) << s.lastStart;
    }
    void reminder(const Reminder& r) {
        m_out << r.uid << r.title << r.notes << r.due.has_value();
        if (r.due)
            m_out << r.due->date.toJulianDay() << r.due->time.has_value()
                  << (r.due->time ? r.due->time->msecsSinceStartOfDay() : 0) << r.due->timeZoneId;
        m_out << r.isCompleted << qint32(r.priority);
    }

    QDataStream m_out;
    const ZoneTable& m_zones;
};

bool isEmpty(const EventExtras& x) {
    return x.location.isEmpty() && x.url.isEmpty() && x.notes.isEmpty() && x.attendees.empty() &&
           x.alarms.empty() && !x.isOrganizedByCurrentUser;
}

class Reader {
public:
    Reader(const QByteArray& bytes, const QString& calendarId, ZoneTable& zones, StringPool& pool)
        : m_in(bytes), m_calendarId(calendarId), m_zones(zones), m_pool(pool) {}

    std::optional<ParsedFile> file() {
        quint32 format = 0, count = 0;
        m_in >> format;
        if (format != kFormat)
            return std::nullopt;
        ParsedFile f;
        m_in >> count;
        for (quint32 i = 0; i < count && ok(); ++i) {
            SingleRecord s{data(), times(), {}};
            bool hasRid = false;
            qint64 rid = 0;
            m_in >> hasRid >> rid;
            if (hasRid)
                s.recurrenceId = kit::instantFromMSecs(rid);
            f.singles.push_back(std::move(s));
        }
        m_in >> count;
        for (quint32 i = 0; i < count && ok(); ++i)
            f.series.push_back(series());
        m_in >> count;
        for (quint32 i = 0; i < count && ok(); ++i)
            f.reminders.push_back(reminder());
        m_in >> count;
        for (quint32 i = 0; i < count && ok(); ++i) {
            ReminderSeries r;
            m_in >> r.reminder;
            r.due = recurrence();
            if (r.reminder >= f.reminders.size())
                return std::nullopt;
            f.reminderSeries.push_back(std::move(r));
        }
        if (!ok() || !m_in.atEnd())
            return std::nullopt;
        return f;
    }

private:
    bool ok() const { return m_in.isValid(); }
    void require(bool condition) { m_in.require(condition); }

    QString str() { return m_in.string(); }
    // Titles and places repeat: read into one buffer and looked up, they cost no allocation
    // unless new.
    QString pooled() {
        m_in.string(m_pool.scratch());
        return m_pool.intern(m_pool.scratch());
    }
    std::shared_ptr<EventData> data() {
        auto d = std::make_shared<EventData>();
        d->calendarItemExternalIdentifier = str();
        d->calendarIdentifier = m_calendarId;
        d->title = pooled();
        EventExtras x;
        x.location = pooled();
        x.url = str();
        x.notes = str();
        qint8 status = 0;
        quint32 count = 0;
        m_in >> status >> d->isAllDay >> d->hasRecurrenceRules >> count;
        d->status = static_cast<EventStatus>(std::clamp<int>(status, 0, 3));
        for (quint32 i = 0; i < count && ok(); ++i) {
            Attendee a;
            qint8 ps = 0;
            m_in >> a.name >> a.address >> ps >> a.isCurrentUser;
            a.participantStatus = static_cast<ParticipantStatus>(std::clamp<int>(ps, 0, 7));
            x.attendees.push_back(std::move(a));
        }
        m_in >> count;
        for (quint32 i = 0; i < count && ok(); ++i) {
            qint64 offset = 0;
            m_in >> offset;
            x.alarms.push_back(Alarm{kit::Seconds{offset}});
        }
        m_in >> x.isOrganizedByCurrentUser;
        d->extras = m_pool.share(std::move(x));
        return d;
    }
    EventTimes times() {
        EventTimes t;
        m_in >> t.start >> t.duration;
        QString& zone = m_pool.scratch();
        m_in.string(zone);
        require(isTimeInRange(t.start) && t.duration >= 0 && t.duration <= kMaxSeconds);
        const auto found =
            zone.isEmpty() ? std::optional(kFloatingZone) : m_pool.zone(zone, m_zones);
        if (!found) // a zone the file defined itself, not read yet in this run: parse again
            m_in.invalidate();
        t.zone = found.value_or(kUtcZone);
        return t;
    }
    SeriesRecord series() {
        auto d = data();
        SeriesRecord s = recurrence();
        s.data = std::move(d);
        return s;
    }
    SeriesRecord recurrence() {
        SeriesRecord s;
        s.times = times();
        quint32 count = 0;
        m_in >> count;
        for (quint32 i = 0; i < count && ok(); ++i) {
            RecurrenceRule r;
            quint8 frequency = 0;
            qint32 interval = 1, n = 0;
            m_in >> r.text >> frequency >> interval >> n >> r.until >> r.weekdays >> r.weekStart >>
                r.isSimple;
            r.monthDays = m_in.list<qint16>(kMaxByValues);
            r.ordinalDays = m_in.list<qint16>(kMaxByValues);
            require(frequency <= quint8(Frequency::yearly));
            r.frequency = static_cast<Frequency>(frequency);
            r.interval = interval;
            r.count = n;
            require(isValidRule(r));
            s.rules.push_back(std::move(r));
        }
        s.rdates = m_in.list<LocalSeconds>(std::numeric_limits<quint32>::max());
        s.exdates = m_in.list<LocalSeconds>(std::numeric_limits<quint32>::max());
        m_in >> s.lastStart;
        require(isValidSeries(s));
        return s;
    }
    Reminder reminder() {
        Reminder r;
        bool hasDue = false;
        m_in >> r.uid >> r.title >> r.notes >> hasDue;
        if (hasDue) {
            qint64 day = 0;
            bool hasTime = false;
            int msecs = 0;
            DueDate due;
            m_in >> day >> hasTime >> msecs >> due.timeZoneId;
            require(msecs >= 0 && msecs < 86'400'000);
            due.date = QDate::fromJulianDay(day);
            if (hasTime)
                due.time = QTime::fromMSecsSinceStartOfDay(msecs);
            r.due = due;
        }
        qint32 priority = 0;
        m_in >> r.isCompleted >> priority;
        r.priority = priority;
        r.calendarIdentifier = m_calendarId;
        r.identifier = m_calendarId + QLatin1Char('/') + r.uid;
        return r;
    }

    ByteReader m_in;
    const QString& m_calendarId;
    ZoneTable& m_zones;
    StringPool& m_pool;
};

} // namespace

QString StringPool::intern(const QString& s) {
    if (s.isEmpty())
        return {};
    auto it = m_strings.constFind(s);
    if (it != m_strings.constEnd())
        return *it;
    if (m_strings.size() >= kMaxStrings)
        m_strings.clear();
    const QString own(s.constData(), s.size()); // never the caller's buffer
    m_strings.insert(own);
    return own;
}

namespace {

// The flag and the alarms' offsets (digits, signs and commas), then the place: no two
// different extras give the same key.
// Written into `key`, a buffer kept between calls: a lookup that finds costs no allocation.
void sharingKey(const EventExtras& x, QString& key) {
    key.resize(0);
    key += x.isOrganizedByCurrentUser ? QLatin1Char('o') : QLatin1Char('-');
    for (const Alarm& a : x.alarms) {
        char digits[24];
        const int n = std::snprintf(digits, sizeof digits, "%lld,",
                                    static_cast<long long>(a.relativeOffset.count()));
        key += QLatin1String(digits, n);
    }
    key += QLatin1Char('|');
    key += x.location;
}

} // namespace

std::shared_ptr<EventExtras> StringPool::share(std::shared_ptr<EventExtras> extras) {
    if (!extras || isEmpty(*extras))
        return {};
    if (!isShareable(*extras))
        return extras;
    sharingKey(*extras, m_key);
    if (auto it = m_extras.constFind(m_key); it != m_extras.constEnd())
        return *it;
    return remember(std::move(extras));
}

std::shared_ptr<EventExtras> StringPool::share(EventExtras&& extras) {
    if (isEmpty(extras))
        return {};
    if (!isShareable(extras))
        return std::make_shared<EventExtras>(std::move(extras));
    sharingKey(extras, m_key);
    if (auto it = m_extras.constFind(m_key); it != m_extras.constEnd())
        return *it;
    return remember(std::make_shared<EventExtras>(std::move(extras)));
}

bool StringPool::isShareable(const EventExtras& x) {
    return x.url.isEmpty() && x.notes.isEmpty() && x.attendees.empty();
}

// Under the key sharingKey() left in m_key.
std::shared_ptr<EventExtras> StringPool::remember(std::shared_ptr<EventExtras> extras) {
    if (m_extras.size() >= kMaxStrings)
        m_extras.clear();
    m_extras.insert(QString(m_key.constData(), m_key.size()), extras);
    return extras;
}

std::optional<ZoneIndex> StringPool::zone(const QString& id, ZoneTable& zones) {
    if (m_zoneTable != &zones) {
        m_zoneNames.clear();
        m_zoneTable = &zones;
    }
    for (const auto& [name, index] : m_zoneNames)
        if (name == id)
            return index;
    const auto found = zones.zone(id);
    if (!found) // a name not known yet may be defined by a file read later
        return found;
    if (m_zoneNames.size() == kRecentZones)
        m_zoneNames.erase(m_zoneNames.begin());
    m_zoneNames.emplace_back(QString(id.constData(), id.size()), *found);
    return found;
}

void StringPool::intern(ParsedFile& file) {
    auto internData = [this](EventData& d) {
        d.title = intern(d.title);
        if (d.extras) {
            d.extras->location = intern(d.extras->location);
            d.extras = share(std::move(d.extras));
        }
    };
    for (auto& s : file.singles)
        internData(*s.data);
    for (auto& s : file.series)
        internData(*s.data);
}

QByteArray encodeParsedFile(const ParsedFile& file, const ZoneTable& zones) {
    QByteArray bytes;
    Writer(bytes, zones).file(file);
    return bytes;
}

std::optional<ParsedFile> decodeParsedFile(const QByteArray& bytes, const QString& calendarId,
                                           ZoneTable& zones, StringPool& pool) {
    return Reader(bytes, calendarId, zones, pool).file();
}

} // namespace ruvo::platform::vdir
