// SPDX-License-Identifier: GPL-3.0-or-later
#include "timezones/SystemZones.h"

#include "kit/IcuText.h"
#include "kit/SystemTimeZones.h"
#include "timezones/PosixTzRule.h"
#include "timezones/TimeZonesLog.h"

#include <QMutex>
#include <map>
#include <set>
#include <tuple>
#include <unicode/rbtz.h>
#include <unicode/tzrule.h>
#include <unicode/tztrans.h>

namespace ruvo::timezones {

namespace {

// Transitions before this (1800-01-01) only set the initial type: ICU needs no "big bang".
constexpr qint64 kEarliest = -5364662400;

struct Offsets {
    int raw = 0;
    int dst = 0;
    QString name;
    bool operator<(const Offsets& o) const {
        return std::tie(raw, dst, name) < std::tie(o.raw, o.dst, o.name);
    }
};

// TZif gives a total offset and a flag; ICU wants the raw offset and the DST savings.
Offsets offsetsOf(const TzifType& type, std::optional<int> standardBefore) {
    if (!type.isDst)
        return {type.utcOffset, 0, type.abbreviation};
    const int raw = standardBefore.value_or(type.utcOffset - 3600);
    if (type.utcOffset - raw <= 0) // negative DST (Dublin): keep it as standard time
        return {type.utcOffset, 0, type.abbreviation};
    return {raw, type.utcOffset - raw, type.abbreviation};
}

icu::DateTimeRule* dateRule(const PosixTzDate& d) {
    const int millis = d.time * 1000;
    if (d.kind == PosixTzDate::Kind::monthWeekDay) {
        const int week = d.week == 5 ? -1 : d.week;
        return new icu::DateTimeRule(d.month - 1, week, d.weekday + 1, millis,
                                     icu::DateTimeRule::WALL_TIME);
    }
    const auto [month, day] = d.monthAndDay();
    return new icu::DateTimeRule(month - 1, day, millis, icu::DateTimeRule::WALL_TIME);
}

// The pair of annual rules of a POSIX rule with daylight time.
void addFinalRules(icu::RuleBasedTimeZone& zone, PosixTzRule rule, int startYear,
                   UErrorCode& status) {
    if (rule.daylightOffset < rule.standardOffset) { // negative DST: swap the roles
        std::swap(rule.standardName, rule.daylightName);
        std::swap(rule.standardOffset, rule.daylightOffset);
        std::swap(rule.start, rule.end);
    }
    const int raw = rule.standardOffset * 1000;
    const int savings = (rule.daylightOffset - rule.standardOffset) * 1000;
    zone.addTransitionRule(new icu::AnnualTimeZoneRule(kit::toIcu(rule.daylightName), raw, savings,
                                                       dateRule(rule.start), startYear,
                                                       icu::AnnualTimeZoneRule::MAX_YEAR),
                           status);
    zone.addTransitionRule(new icu::AnnualTimeZoneRule(kit::toIcu(rule.standardName), raw, 0,
                                                       dateRule(rule.end), startYear,
                                                       icu::AnnualTimeZoneRule::MAX_YEAR),
                           status);
}

int yearOf(qint64 seconds) {
    return QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC).date().year();
}

// Zones with negative DST (Dublin: winter GMT is the "daylight" type, summer IST the standard
// one) are turned around, so that ICU, which wants positive savings, sees summer time as DST.
TzifFile withPositiveSavings(TzifFile file) {
    std::optional<int> standardType;
    std::set<int> flipped;
    for (const TzifTransition& t : file.transitions) {
        const TzifType& type = file.types[t.type];
        if (!type.isDst) {
            standardType = t.type;
            continue;
        }
        if (standardType && type.utcOffset < file.types[*standardType].utcOffset)
            flipped.insert({t.type, *standardType});
    }
    for (int i : flipped)
        file.types[i].isDst = !file.types[i].isDst;
    return file;
}

} // namespace

kit::Result<std::unique_ptr<icu::BasicTimeZone>> SystemZones::build(const QString& id,
                                                                    const TzifFile& source) {
    const TzifFile file = withPositiveSavings(source);
    int initial = file.initialType();
    std::optional<int> standard;
    if (!file.types[initial].isDst)
        standard = file.types[initial].utcOffset;
    Offsets current = offsetsOf(file.types[initial], standard);
    Offsets initialRule = current;
    std::map<Offsets, std::vector<UDate>> starts;
    qint64 last = kEarliest;
    for (const TzifTransition& t : file.transitions) {
        const TzifType& type = file.types[t.type];
        const Offsets next = offsetsOf(type, standard);
        if (!type.isDst)
            standard = type.utcOffset;
        if (t.at < kEarliest) {
            current = initialRule = next;
            continue;
        }
        if (next.raw + next.dst == current.raw + current.dst && next.dst == current.dst &&
            next.name == current.name)
            continue; // changes nothing (the 2038 entries of some files)
        starts[next].push_back(double(t.at) * 1000.0);
        current = next;
        last = t.at;
    }

    UErrorCode status = U_ZERO_ERROR;
    auto zone = std::make_unique<icu::RuleBasedTimeZone>(
        kit::toIcu(id),
        new icu::InitialTimeZoneRule(kit::toIcu(initialRule.name), initialRule.raw * 1000,
                                     initialRule.dst * 1000));
    for (const auto& [offsets, times] : starts)
        zone->addTransitionRule(
            new icu::TimeArrayTimeZoneRule(kit::toIcu(offsets.name), offsets.raw * 1000,
                                           offsets.dst * 1000, times.data(), int32_t(times.size()),
                                           icu::DateTimeRule::UTC_TIME),
            status);
    const auto footer = PosixTzRule::parse(file.footer);
    if (footer && footer->hasDaylightTime())
        addFinalRules(*zone, *footer, yearOf(last), status);
    zone->complete(status);
    if (U_FAILURE(status))
        return kit::fail(QStringLiteral("ICU rejected the rules of %1: %2")
                             .arg(id, QString::fromLatin1(u_errorName(status))));
    return std::unique_ptr<icu::BasicTimeZone>(std::move(zone));
}

ZonePtr SystemZones::zone(const QString& id) {
    static QMutex mutex;
    static std::map<QString, ZonePtr> cache; // immutable zones; nullptr = unknown
    QMutexLocker lock(&mutex);
    if (auto it = cache.find(id); it != cache.end())
        return it->second;
    ZonePtr result;
    if (kit::SystemTimeZones::isKnown(id)) {
        auto file =
            TzifFile::read(kit::SystemTimeZones::zoneinfoDirectory() + QLatin1Char('/') + id);
        auto built =
            file ? build(id, *file)
                 : kit::Result<std::unique_ptr<icu::BasicTimeZone>>(kit::fail(file.error()));
        if (built)
            result = ZonePtr(std::move(built.value()));
        else
            qCWarning(lcTimeZones) << "cannot load zone" << id << built.error();
    }
    cache.emplace(id, result);
    return result;
}

int offsetSeconds(const icu::TimeZone& zone, kit::Instant at) {
    int32_t raw = 0, dst = 0;
    UErrorCode status = U_ZERO_ERROR;
    zone.getOffset(kit::toUDate(at), false, raw, dst, status);
    return U_SUCCESS(status) ? (raw + dst) / 1000 : 0;
}

bool isDaylightTime(const icu::TimeZone& zone, kit::Instant at) {
    int32_t raw = 0, dst = 0;
    UErrorCode status = U_ZERO_ERROR;
    zone.getOffset(kit::toUDate(at), false, raw, dst, status);
    return U_SUCCESS(status) && dst != 0;
}

std::optional<kit::Instant> nextTransition(const icu::BasicTimeZone& zone, kit::Instant after) {
    icu::TimeZoneTransition transition;
    if (!zone.getNextTransition(kit::toUDate(after), false, transition))
        return std::nullopt;
    return kit::instantFromMSecs(qint64(transition.getTime()));
}

} // namespace ruvo::timezones
