// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/VdirParser.h"

#include "platform/linux/VdirLog.h"
#include "platform/linux/VdirOwnZones.h"
#include "platform/linux/VdirRecurrence.h"
#include "platform/linux/VdirRuleBudget.h"

#include <algorithm>
#include <libical/ical.h>
#include <map>

namespace ruvo::platform::vdir {

namespace {

struct ZonedTime {
    LocalSeconds local = 0;
    ZoneIndex zone = kFloatingZone;
    bool isDate = false;
};

struct ComponentDeleter {
    void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
using ComponentPtr = std::unique_ptr<icalcomponent, ComponentDeleter>;

QString text(const char* value) {
    return value ? QString::fromUtf8(value) : QString();
}

QString tzidOf(icalproperty* p) {
    icalparameter* param = icalproperty_get_first_parameter(p, ICAL_TZID_PARAMETER);
    return param ? text(icalparameter_get_tzid(param)) : QString();
}

class FileParser {
public:
    FileParser(icalcomponent* root, const ParseContext& context)
        : m_root(root), m_context(context), m_zones(*context.zones) {}

    ParsedFile parse();

private:
    std::optional<ZonedTime> readTime(icalproperty* p, icaltimetype t) const;
    LocalSeconds inZone(const ZonedTime& t, const ZonedTime& series) const;
    void readEvent(icalcomponent* c);
    std::shared_ptr<EventData> eventData(icalcomponent* c, const QString& uid, bool isAllDay,
                                         UtcSeconds startUtc, qint64 duration) const;
    std::vector<Attendee> attendees(icalcomponent* c) const;
    bool isOrganizedByCurrentUser(icalcomponent* c) const;
    std::vector<Alarm> alarms(icalcomponent* c, UtcSeconds startUtc, qint64 duration) const;
    std::optional<SeriesRecord> series(icalcomponent* c, const ZonedTime& start) const;
    RecurrenceRule rule(icalrecurrencetype recur, const ZonedTime& start) const;
    void readReminder(icalcomponent* c);
    void repeatReminder(icalcomponent* c, icalproperty* dueProp);
    void linkOverrides();
    void linkDoneInstances();
    UtcSeconds utc(const ZonedTime& t) const { return m_zones.toUtc(t.zone, t.local); }

    struct Override {
        QString uid;
        ZonedTime recurrenceId;
        SingleRecord record;
        bool isThisAndFuture = false;
    };
    void splitAt(std::size_t series, Override& o);

    icalcomponent* m_root;
    const ParseContext& m_context;
    ZoneTable& m_zones;
    ParsedFile m_file;
    std::map<QString, std::size_t> m_seriesByUid;
    std::vector<Override> m_overrides;
    mutable std::map<QString, ZoneIndex> m_ownZones;            // by TZID
    std::vector<std::pair<QString, ZonedTime>> m_doneInstances; // of repeating tasks, by UID
};

std::optional<ZonedTime> FileParser::readTime(icalproperty* p, icaltimetype t) const {
    if (icaltime_is_null_time(t) || !icaltime_is_valid_time(t))
        return std::nullopt;
    ZonedTime result{localSeconds(t.year, t.month, t.day, t.hour, t.minute, t.second),
                     kFloatingZone, t.is_date != 0};
    if (result.isDate)
        return result;
    if (icaltime_is_utc(t)) {
        result.zone = kUtcZone;
        return result;
    }
    const QString tzid = p ? tzidOf(p) : QString();
    if (tzid.isEmpty())
        return result;
    if (auto zone = m_zones.zone(tzid)) {
        result.zone = *zone;
        return result;
    }
    // A zone the system does not know: the file's own VTIMEZONE, as the system zone with the
    // same rules when there is one. The first year it is met in decides the years compared.
    if (auto it = m_ownZones.find(tzid); it != m_ownZones.end()) {
        result.zone = it->second;
        return result;
    }
    icaltimezone* own = usableOwnZone(m_root, tzid);
    if (!own && icalcomponent_get_timezone(m_root, tzid.toUtf8().constData())) {
        // Once per file: its times in this zone are read as floating.
        qCWarning(lcVdir, "Skipping the time zone %s of %s: its rules change too often",
                  qUtf8Printable(tzid), qUtf8Printable(m_context.fallbackUid));
        m_ownZones.emplace(tzid, kFloatingZone);
    } else if (own) {
        if (auto zone = ownZone(m_zones, tzid, own, t.year)) {
            m_ownZones.emplace(tzid, *zone);
            result.zone = *zone;
        }
    }
    return result;
}

// A time of an exception or rule in the wall clock of the series' start.
LocalSeconds FileParser::inZone(const ZonedTime& t, const ZonedTime& series) const {
    if (t.isDate && !series.isDate)
        return t.local + (series.local % 86400 + 86400) % 86400;
    if (t.zone == series.zone || t.zone == kFloatingZone || series.zone == kFloatingZone)
        return t.local;
    return m_zones.toLocal(series.zone, m_zones.toUtc(t.zone, t.local));
}

ParsedFile FileParser::parse() {
    const bool isCalendar = icalcomponent_isa(m_root) == ICAL_VCALENDAR_COMPONENT;
    auto visit = [&](icalcomponent* c) {
        const auto kind = icalcomponent_isa(c);
        if (kind == ICAL_VEVENT_COMPONENT)
            readEvent(c);
        else if (kind == ICAL_VTODO_COMPONENT)
            readReminder(c);
    };
    if (!isCalendar) {
        visit(m_root);
    } else {
        for (icalcomponent* c = icalcomponent_get_first_component(m_root, ICAL_ANY_COMPONENT); c;
             c = icalcomponent_get_next_component(m_root, ICAL_ANY_COMPONENT))
            visit(c);
    }
    linkOverrides();
    linkDoneInstances();
    return std::move(m_file);
}

void FileParser::readEvent(icalcomponent* c) {
    icalproperty* startProp = icalcomponent_get_first_property(c, ICAL_DTSTART_PROPERTY);
    if (!startProp)
        return;
    const auto start = readTime(startProp, icalproperty_get_dtstart(startProp));
    if (!start)
        return;
    qint64 duration = start->isDate ? 86400 : 0;
    if (icalproperty* endProp = icalcomponent_get_first_property(c, ICAL_DTEND_PROPERTY)) {
        if (const auto end = readTime(endProp, icalproperty_get_dtend(endProp)))
            duration = start->isDate ? (end->local - start->local) : utc(*end) - utc(*start);
    } else if (icalproperty* d = icalcomponent_get_first_property(c, ICAL_DURATION_PROPERTY)) {
        duration = icaldurationtype_as_int(icalproperty_get_duration(d));
    }
    duration = std::max<qint64>(duration, 0);
    QString uid = text(icalcomponent_get_uid(c));
    if (uid.isEmpty())
        uid = m_context.fallbackUid;
    const EventTimes times{start->local, duration, start->zone};
    auto data = eventData(c, uid, start->isDate, utc(*start), duration);

    icalproperty* ridProp = icalcomponent_get_first_property(c, ICAL_RECURRENCEID_PROPERTY);
    if (ridProp) {
        if (auto rid = readTime(ridProp, icalproperty_get_recurrenceid(ridProp))) {
            icalparameter* range = icalproperty_get_first_parameter(ridProp, ICAL_RANGE_PARAMETER);
            const bool isThisAndFuture =
                range && icalparameter_get_range(range) == ICAL_RANGE_THISANDFUTURE;
            m_overrides.push_back(
                {uid, *rid, SingleRecord{std::move(data), times, {}}, isThisAndFuture});
            return;
        }
    }
    if (auto s = series(c, *start)) {
        data->hasRecurrenceRules = true;
        s->data = std::move(data);
        s->times = times;
        m_seriesByUid[uid] = m_file.series.size();
        m_file.series.push_back(std::move(*s));
        return;
    }
    m_file.singles.push_back({std::move(data), times, {}});
}

std::shared_ptr<EventData> FileParser::eventData(icalcomponent* c, const QString& uid,
                                                 bool isAllDay, UtcSeconds startUtc,
                                                 qint64 duration) const {
    auto data = std::make_shared<EventData>();
    data->calendarIdentifier = m_context.calendarIdentifier;
    data->calendarItemExternalIdentifier = uid;
    data->title = text(icalcomponent_get_summary(c));
    EventExtras extras;
    extras.location = text(icalcomponent_get_location(c));
    extras.notes = text(icalcomponent_get_description(c));
    if (icalproperty* p = icalcomponent_get_first_property(c, ICAL_URL_PROPERTY))
        extras.url = text(icalproperty_get_url(p));
    switch (icalcomponent_get_status(c)) {
    case ICAL_STATUS_CONFIRMED:
        data->status = EventStatus::confirmed;
        break;
    case ICAL_STATUS_TENTATIVE:
        data->status = EventStatus::tentative;
        break;
    case ICAL_STATUS_CANCELLED:
        data->status = EventStatus::canceled;
        break;
    default:
        data->status = EventStatus::none;
        break;
    }
    data->isAllDay = isAllDay;
    extras.attendees = attendees(c);
    extras.alarms = alarms(c, startUtc, duration);
    extras.isOrganizedByCurrentUser = isOrganizedByCurrentUser(c);
    if (!extras.location.isEmpty() || !extras.notes.isEmpty() || !extras.url.isEmpty() ||
        !extras.attendees.empty() || !extras.alarms.empty() || extras.isOrganizedByCurrentUser)
        data->extras = std::make_shared<EventExtras>(std::move(extras));
    return data;
}

ParticipantStatus participantStatus(icalparameter_partstat value) {
    switch (value) {
    case ICAL_PARTSTAT_NEEDSACTION:
        return ParticipantStatus::pending;
    case ICAL_PARTSTAT_ACCEPTED:
        return ParticipantStatus::accepted;
    case ICAL_PARTSTAT_DECLINED:
        return ParticipantStatus::declined;
    case ICAL_PARTSTAT_TENTATIVE:
        return ParticipantStatus::tentative;
    case ICAL_PARTSTAT_DELEGATED:
        return ParticipantStatus::delegated;
    case ICAL_PARTSTAT_COMPLETED:
        return ParticipantStatus::completed;
    case ICAL_PARTSTAT_INPROCESS:
        return ParticipantStatus::inProcess;
    default:
        return ParticipantStatus::unknown;
    }
}

std::vector<Attendee> FileParser::attendees(icalcomponent* c) const {
    std::vector<Attendee> result;
    for (icalproperty* p = icalcomponent_get_first_property(c, ICAL_ATTENDEE_PROPERTY); p;
         p = icalcomponent_get_next_property(c, ICAL_ATTENDEE_PROPERTY)) {
        Attendee a;
        a.address = text(icalproperty_get_attendee(p));
        if (a.address.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive))
            a.address = a.address.mid(7);
        if (icalparameter* cn = icalproperty_get_first_parameter(p, ICAL_CN_PARAMETER))
            a.name = text(icalparameter_get_cn(cn));
        if (icalparameter* ps = icalproperty_get_first_parameter(p, ICAL_PARTSTAT_PARAMETER))
            a.participantStatus = participantStatus(icalparameter_get_partstat(ps));
        else
            a.participantStatus = ParticipantStatus::pending;
        a.isCurrentUser = m_context.userAddresses.contains(a.address.toLower());
        result.push_back(std::move(a));
    }
    return result;
}

bool FileParser::isOrganizedByCurrentUser(icalcomponent* c) const {
    icalproperty* p = icalcomponent_get_first_property(c, ICAL_ORGANIZER_PROPERTY);
    if (!p)
        return false;
    QString address = text(icalproperty_get_organizer(p));
    if (address.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive))
        address = address.mid(7);
    return m_context.userAddresses.contains(address.toLower());
}

std::vector<Alarm> FileParser::alarms(icalcomponent* c, UtcSeconds startUtc,
                                      qint64 duration) const {
    std::vector<Alarm> result;
    for (icalcomponent* a = icalcomponent_get_first_component(c, ICAL_VALARM_COMPONENT); a;
         a = icalcomponent_get_next_component(c, ICAL_VALARM_COMPONENT)) {
        icalproperty* p = icalcomponent_get_first_property(a, ICAL_TRIGGER_PROPERTY);
        if (!p)
            continue;
        const icaltriggertype trigger = icalproperty_get_trigger(p);
        qint64 offset = 0;
        if (!icaltime_is_null_time(trigger.time)) {
            const auto at = readTime(p, trigger.time);
            offset = at ? utc(*at) - startUtc : 0;
        } else {
            offset = icaldurationtype_as_int(trigger.duration);
            icalparameter* related = icalproperty_get_first_parameter(p, ICAL_RELATED_PARAMETER);
            if (related && icalparameter_get_related(related) == ICAL_RELATED_END)
                offset += duration;
        }
        result.push_back(Alarm{kit::Seconds{offset}});
    }
    return result;
}

RecurrenceRule FileParser::rule(icalrecurrencetype recur, const ZonedTime& start) const {
    RecurrenceRule r;
    r.frequency = static_cast<Frequency>(std::clamp<int>(recur.freq, 0, 6));
    r.interval = std::max<int>(recur.interval, 1);
    r.count = std::max(recur.count, 0);
    r.weekStart = static_cast<quint8>((static_cast<int>(recur.week_start) + 5) % 7);
    if (!icaltime_is_null_time(recur.until)) {
        ZonedTime until{localSeconds(recur.until.year, recur.until.month, recur.until.day,
                                     recur.until.hour, recur.until.minute, recur.until.second),
                        icaltime_is_utc(recur.until) ? kUtcZone : kFloatingZone,
                        recur.until.is_date != 0};
        // A date as UNTIL allows every start on that day.
        r.until = until.isDate && !start.isDate ? until.local + 86399 : inZone(until, start);
    }
    const bool isPlainDays = [&] {
        for (int i = 0; i < ICAL_BY_DAY_SIZE && recur.by_day[i] != ICAL_RECURRENCE_ARRAY_MAX; ++i)
            if (icalrecurrencetype_day_position(recur.by_day[i]) != 0)
                return false;
        return true;
    }();
    const bool onlyByDay = recur.by_second[0] == ICAL_RECURRENCE_ARRAY_MAX &&
                           recur.by_minute[0] == ICAL_RECURRENCE_ARRAY_MAX &&
                           recur.by_hour[0] == ICAL_RECURRENCE_ARRAY_MAX &&
                           recur.by_month_day[0] == ICAL_RECURRENCE_ARRAY_MAX &&
                           recur.by_year_day[0] == ICAL_RECURRENCE_ARRAY_MAX &&
                           recur.by_week_no[0] == ICAL_RECURRENCE_ARRAY_MAX &&
                           recur.by_month[0] == ICAL_RECURRENCE_ARRAY_MAX &&
                           recur.by_set_pos[0] == ICAL_RECURRENCE_ARRAY_MAX && !recur.rscale;
    const int startWeekday = weekdayOf(start.local); // 0 Monday
    bool hasByDay = false;
    for (int i = 0; i < ICAL_BY_DAY_SIZE && recur.by_day[i] != ICAL_RECURRENCE_ARRAY_MAX; ++i) {
        hasByDay = true;
        const int day =
            (static_cast<int>(icalrecurrencetype_day_day_of_week(recur.by_day[i])) + 5) % 7;
        const int ordinal = icalrecurrencetype_day_position(recur.by_day[i]);
        r.weekdays |= static_cast<quint8>(1u << day); // libical: Sunday is 1
        r.ordinalDays.push_back(static_cast<qint16>(ordinal * 8 + day));
    }
    bool onlyMonthDay = onlyByDay && !hasByDay;
    for (int i = 0; i < ICAL_BY_MONTHDAY_SIZE && recur.by_month_day[i] != ICAL_RECURRENCE_ARRAY_MAX;
         ++i)
        r.monthDays.push_back(recur.by_month_day[i]);
    onlyMonthDay =
        onlyMonthDay || (!hasByDay && recur.by_second[0] == ICAL_RECURRENCE_ARRAY_MAX &&
                         recur.by_minute[0] == ICAL_RECURRENCE_ARRAY_MAX &&
                         recur.by_hour[0] == ICAL_RECURRENCE_ARRAY_MAX &&
                         recur.by_year_day[0] == ICAL_RECURRENCE_ARRAY_MAX &&
                         recur.by_week_no[0] == ICAL_RECURRENCE_ARRAY_MAX &&
                         recur.by_month[0] == ICAL_RECURRENCE_ARRAY_MAX &&
                         recur.by_set_pos[0] == ICAL_RECURRENCE_ARRAY_MAX && !recur.rscale);
    switch (r.frequency) {
    case Frequency::daily:
        r.isSimple = onlyByDay && !hasByDay;
        break;
    case Frequency::weekly:
        if (!hasByDay)
            r.weekdays = static_cast<quint8>(1u << startWeekday);
        r.isSimple = onlyByDay && isPlainDays;
        break;
    case Frequency::monthly:
        r.isSimple = onlyByDay || onlyMonthDay;
        break;
    case Frequency::yearly:
        r.isSimple = onlyByDay && !hasByDay;
        break;
    default:
        break;
    }
    if (r.frequency != Frequency::monthly) {
        r.monthDays.clear();
        r.ordinalDays.clear();
    }
    recur.until = icaltime_null_time();
    if (char* value = icalrecurrencetype_as_string_r(&recur)) {
        r.text = QByteArray(value);
        icalmemory_free_buffer(value);
    }
    return r;
}

std::optional<SeriesRecord> FileParser::series(icalcomponent* c, const ZonedTime& start) const {
    SeriesRecord s;
    for (icalproperty* p = icalcomponent_get_first_property(c, ICAL_RRULE_PROPERTY); p;
         p = icalcomponent_get_next_property(c, ICAL_RRULE_PROPERTY))
        s.rules.push_back(rule(icalproperty_get_rrule(p), start));
    for (icalproperty* p = icalcomponent_get_first_property(c, ICAL_RDATE_PROPERTY); p;
         p = icalcomponent_get_next_property(c, ICAL_RDATE_PROPERTY)) {
        const icaldatetimeperiodtype value = icalproperty_get_rdate(p);
        const icaltimetype t = icaltime_is_null_time(value.time) ? value.period.start : value.time;
        if (const auto at = readTime(p, t))
            s.rdates.push_back(inZone(*at, start));
    }
    if (s.rules.empty() && s.rdates.empty())
        return std::nullopt;
    for (icalproperty* p = icalcomponent_get_first_property(c, ICAL_EXDATE_PROPERTY); p;
         p = icalcomponent_get_next_property(c, ICAL_EXDATE_PROPERTY))
        if (const auto at = readTime(p, icalproperty_get_exdate(p)))
            s.exdates.push_back(inZone(*at, start));
    std::sort(s.rdates.begin(), s.rdates.end());
    std::sort(s.exdates.begin(), s.exdates.end());
    s.times.start = start.local;
    s.times.zone = start.zone;
    s.lastStart = lastStartOf(s);
    return s;
}

void FileParser::readReminder(icalcomponent* c) {
    Reminder r;
    r.uid = text(icalcomponent_get_uid(c));
    if (r.uid.isEmpty())
        r.uid = m_context.fallbackUid;
    const bool isDone = icalcomponent_get_first_property(c, ICAL_COMPLETED_PROPERTY) != nullptr ||
                        icalcomponent_get_status(c) == ICAL_STATUS_COMPLETED ||
                        icalcomponent_get_status(c) == ICAL_STATUS_CANCELLED;
    // One occurrence of a repeating task: the task itself stands for all of them; one done
    // or cancelled on its own is no longer due.
    if (icalproperty* rid = icalcomponent_get_first_property(c, ICAL_RECURRENCEID_PROPERTY)) {
        if (const auto at = readTime(rid, icalproperty_get_recurrenceid(rid)); at && isDone)
            m_doneInstances.emplace_back(r.uid, *at);
        return;
    }
    r.calendarIdentifier = m_context.calendarIdentifier;
    r.identifier = m_context.calendarIdentifier + QLatin1Char('/') + r.uid;
    r.title = text(icalcomponent_get_summary(c));
    r.notes = text(icalcomponent_get_description(c));
    if (icalproperty* p = icalcomponent_get_first_property(c, ICAL_DUE_PROPERTY)) {
        const icaltimetype t = icalproperty_get_due(p);
        if (!icaltime_is_null_time(t) && icaltime_is_valid_time(t)) {
            DueDate due{QDate(t.year, t.month, t.day), std::nullopt, {}};
            if (!t.is_date) {
                due.time = QTime(t.hour, t.minute, t.second);
                const QString tzid = tzidOf(p);
                due.timeZoneId = icaltime_is_utc(t) ? QStringLiteral("UTC") : systemZoneIdFor(tzid);
            }
            r.due = due;
        }
    }
    // A cancelled task is as good as done: it is not shown, and its list is still a list.
    r.isCompleted = isDone;
    if (icalproperty* p = icalcomponent_get_first_property(c, ICAL_PRIORITY_PROPERTY))
        r.priority = std::clamp(icalproperty_get_priority(p), 0, 9);
    const bool repeats = r.due && !r.isCompleted;
    m_file.reminders.push_back(std::move(r));
    if (repeats)
        repeatReminder(c, icalcomponent_get_first_property(c, ICAL_DUE_PROPERTY));
}

void FileParser::repeatReminder(icalcomponent* c, icalproperty* dueProp) {
    const auto due = readTime(dueProp, icalproperty_get_due(dueProp));
    if (!due || !icalcomponent_get_first_property(c, ICAL_RRULE_PROPERTY))
        return;
    auto s = series(c, *due);
    if (!s)
        return;
    s->times.duration = 0;
    m_file.reminderSeries.push_back(
        {static_cast<quint32>(m_file.reminders.size() - 1), std::move(*s)});
}

void FileParser::linkDoneInstances() {
    for (const auto& [uid, at] : m_doneInstances) {
        for (auto& repeat : m_file.reminderSeries) {
            if (m_file.reminders[repeat.reminder].uid != uid)
                continue;
            SeriesRecord& s = repeat.due;
            const LocalSeconds t = inZone(at, ZonedTime{s.times.start, s.times.zone, at.isDate});
            s.exdates.insert(std::upper_bound(s.exdates.begin(), s.exdates.end(), t), t);
        }
    }
}

// An override replaces the occurrence its RECURRENCE-ID names: the series skips that start
// and the override is kept as a single item that remembers which occurrence it was. One for
// that occurrence and all later ones cuts the series there, after the single overrides have
// taken their occurrences, earliest first.
void FileParser::linkOverrides() {
    std::stable_partition(m_overrides.begin(), m_overrides.end(),
                          [](const Override& o) { return !o.isThisAndFuture; });
    const auto firstRange = std::find_if(m_overrides.begin(), m_overrides.end(),
                                         [](const Override& o) { return o.isThisAndFuture; });
    std::stable_sort(firstRange, m_overrides.end(), [](const Override& a, const Override& b) {
        return a.recurrenceId.local < b.recurrenceId.local;
    });
    for (auto& o : m_overrides) {
        auto it = m_seriesByUid.find(o.uid);
        if (it == m_seriesByUid.end()) {
            o.record.recurrenceId = kit::instantFromMSecs(utc(o.recurrenceId) * 1000);
            m_file.singles.push_back(std::move(o.record));
            continue;
        }
        if (o.isThisAndFuture) {
            splitAt(it->second, o);
            continue;
        }
        SeriesRecord& s = m_file.series[it->second];
        const ZonedTime seriesStart{s.times.start, s.times.zone, s.data->isAllDay};
        const LocalSeconds rid = inZone(o.recurrenceId, seriesStart);
        s.exdates.insert(std::upper_bound(s.exdates.begin(), s.exdates.end(), rid), rid);
        o.record.recurrenceId = kit::instantFromMSecs(m_zones.toUtc(s.times.zone, rid) * 1000);
        o.record.data->hasRecurrenceRules = true; // a moved occurrence still belongs to its series
        m_file.singles.push_back(std::move(o.record));
    }
}

void FileParser::splitAt(std::size_t series, Override& o) {
    SeriesRecord& s = m_file.series[series];
    const ZonedTime seriesStart{s.times.start, s.times.zone, s.data->isAllDay};
    const LocalSeconds rid = inZone(o.recurrenceId, seriesStart);
    const ZonedTime start{o.record.times.start, o.record.times.zone, o.record.data->isAllDay};
    const EventTimes tailTimes{inZone(start, seriesStart), o.record.times.duration, s.times.zone};
    o.record.data->hasRecurrenceRules = true;
    auto tail = splitSeries(s, rid, tailTimes);
    if (!tail) {
        o.record.recurrenceId = kit::instantFromMSecs(m_zones.toUtc(s.times.zone, rid) * 1000);
        m_file.singles.push_back(std::move(o.record));
        return;
    }
    tail->data = std::move(o.record.data);
    m_seriesByUid[o.uid] = m_file.series.size(); // later overrides belong to the new part
    m_file.series.push_back(std::move(*tail));
}

} // namespace

kit::Result<ParsedFile> parseCalendarFile(const QByteArray& bytes, const ParseContext& context) {
    Q_ASSERT(context.zones);
    ComponentPtr root(icalparser_parse_string(bytes.constData()));
    if (!root)
        return kit::fail(QStringLiteral("not an iCalendar file"));
    const auto kind = icalcomponent_isa(root.get());
    if (kind != ICAL_VCALENDAR_COMPONENT && kind != ICAL_VEVENT_COMPONENT &&
        kind != ICAL_VTODO_COMPONENT)
        return kit::fail(QStringLiteral("no calendar in the file"));
    const SharedRuleTime sharedTime;
    FileParser parser(root.get(), context);
    ParsedFile file = parser.parse();
    if (file.singles.empty() && file.series.empty() && file.reminders.empty())
        return kit::fail(QStringLiteral("no event or reminder that can be read"));
    return file;
}

} // namespace ruvo::platform::vdir
