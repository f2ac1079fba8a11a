// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/VdirZones.h"

#include "kit/SystemTimeZones.h"

#include <QDateTime>
#include <QStringList>
#include <QTimeZone>
#include <algorithm>
#include <cstdlib>
#include <limits>

namespace ruvo::platform::vdir {

namespace {

constexpr qint64 kDay = 86400;

} // namespace

QString systemZoneIdFor(const QString& tzid) {
    const QString id = tzid.trimmed();
    if (id.isEmpty())
        return {};
    if (id == QLatin1String("UTC") || id == QLatin1String("GMT") || id == QLatin1String("Z"))
        return QStringLiteral("UTC");
    if (kit::SystemTimeZones::isKnown(id))
        return id;
    // Prefixed ids ("/freeassociation.sourceforge.net/Tzfile/Europe/Berlin"): the longest
    // tail the system knows.
    const QStringList parts = id.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (qsizetype first = 1; first < parts.size(); ++first) {
        const QString tail = parts.mid(first).join(QLatin1Char('/'));
        if (kit::SystemTimeZones::isKnown(tail))
            return tail;
    }
    const QByteArray iana = QTimeZone::windowsIdToDefaultIanaId(id.toUtf8());
    if (!iana.isEmpty() && kit::SystemTimeZones::isKnown(QString::fromUtf8(iana)))
        return QString::fromUtf8(iana);
    return {};
}

ZoneTable::ZoneTable() {
    m_zones[kFloatingZone] = std::make_unique<Zone>(Zone{{}, {}, {0}});
    m_zones[kUtcZone] = std::make_unique<Zone>(Zone{QStringLiteral("UTC"), {}, {0}});
    m_zoneCount = 2;
    m_byId[QStringLiteral("UTC")] = kUtcZone;
}

ZoneTable::Zone ZoneTable::build(const QString& id) {
    Zone zone{id, {}, {}};
    const QTimeZone tz(id.toUtf8());
    const QDateTime from(QDate(1900, 1, 1), QTime(0, 0), Qt::UTC);
    const QDateTime to(QDate(2100, 1, 1), QTime(0, 0), Qt::UTC);
    zone.offsets.push_back(tz.offsetFromUtc(from));
    for (const auto& t : tz.transitions(from, to)) {
        zone.at.push_back(t.atUtc.toSecsSinceEpoch());
        zone.offsets.push_back(t.offsetFromUtc);
    }
    zone.at.insert(zone.at.begin(), from.toSecsSinceEpoch());
    return zone;
}

std::optional<ZoneIndex> ZoneTable::zone(const QString& id) {
    {
        std::lock_guard lock(m_mutex);
        if (auto it = m_byId.find(id); it != m_byId.end())
            return it->second;
    }
    const QString system = systemZoneIdFor(id);
    if (system.isEmpty())
        return std::nullopt;
    std::lock_guard lock(m_mutex);
    if (auto it = m_byId.find(system); it != m_byId.end()) {
        const ZoneIndex known = it->second;
        remember(id, known);
        return known;
    }
    if (m_zoneCount == kMaxZones)
        return std::nullopt;
    const auto index = static_cast<ZoneIndex>(m_zoneCount);
    m_zones[index] = std::make_unique<Zone>(build(system));
    ++m_zoneCount;
    m_byId[system] = index;
    remember(id, index);
    return index;
}

std::optional<ZoneIndex> ZoneTable::addZone(const QString& id, const std::vector<UtcSeconds>& at,
                                            const std::vector<int>& offsets) {
    Q_ASSERT(offsets.size() == at.size() + 1);
    std::lock_guard lock(m_mutex);
    if (auto it = m_byId.find(id); it != m_byId.end())
        return it->second;
    if (m_zoneCount == kMaxZones)
        return std::nullopt;
    auto zone = std::make_unique<Zone>(Zone{id, {}, offsets});
    // The same layout as a system zone's: the first offset holds from before any transition.
    zone->at.push_back(std::numeric_limits<UtcSeconds>::min() / 2);
    zone->at.insert(zone->at.end(), at.begin(), at.end());
    const auto index = static_cast<ZoneIndex>(m_zoneCount);
    m_zones[index] = std::move(zone);
    ++m_zoneCount;
    m_byId[id] = index;
    return index;
}

void ZoneTable::addAlias(const QString& id, ZoneIndex zone) {
    std::lock_guard lock(m_mutex);
    remember(id, zone);
}

void ZoneTable::remember(const QString& id, ZoneIndex zone) {
    // Every zone's own name fits: there are at most kMaxZones of them.
    if (m_byId.size() < kMaxNames + kMaxZones)
        m_byId.emplace(id, zone);
}

std::optional<ZoneIndex> ZoneTable::registered(const QString& id) const {
    std::lock_guard lock(m_mutex);
    if (auto it = m_byId.find(id); it != m_byId.end())
        return it->second;
    return std::nullopt;
}

std::size_t ZoneTable::nameCount() const {
    std::lock_guard lock(m_mutex);
    return m_byId.size();
}

QString ZoneTable::zoneId(ZoneIndex zone) const {
    return zone == kFloatingZone ? QString() : resolved(zone).id;
}

void ZoneTable::setCurrentZone(const QString& id) {
    m_current = zone(id).value_or(kUtcZone);
}

const ZoneTable::Zone& ZoneTable::resolved(ZoneIndex zone) const {
    if (zone == kFloatingZone)
        zone = m_current;
    Q_ASSERT(m_zones[zone]);
    return *m_zones[zone];
}

int ZoneTable::offsetAtUtc(ZoneIndex zone, UtcSeconds utc) const {
    const Zone& z = resolved(zone);
    if (z.at.empty())
        return z.offsets.front();
    // offsets[i] applies from at[i]; before at[0] the first offset holds.
    const auto it = std::upper_bound(z.at.begin(), z.at.end(), utc);
    const auto i = std::max<std::ptrdiff_t>(it - z.at.begin() - 1, 0);
    return z.offsets[static_cast<std::size_t>(i)];
}

// A wall-clock time that occurs twice (the hour after clocks go back) is the earlier
// instant; one that does not occur (the hour skipped when clocks go forward) is read with
// the offset before the gap, so 02:30 becomes 03:30 of the new offset.
UtcSeconds ZoneTable::toUtc(ZoneIndex zone, LocalSeconds local) const {
    // Most times lie a day or more from any transition: one offset, one search.
    const Zone& z = resolved(zone);
    const auto next = std::upper_bound(z.at.begin(), z.at.end(), local - kDay);
    const int offset =
        next == z.at.begin() ? z.offsets.front() : z.offsets[std::size_t(next - z.at.begin() - 1)];
    if ((next == z.at.end() || *next > local + kDay) && std::abs(offset) < kDay)
        return local - offset;
    const int before = offsetAtUtc(zone, local - kDay);
    const int after = offsetAtUtc(zone, local + kDay);
    const UtcSeconds a = local - before;
    const UtcSeconds b = local - after;
    const bool aValid = offsetAtUtc(zone, a) == before;
    const bool bValid = offsetAtUtc(zone, b) == after;
    if (aValid && bValid)
        return std::min(a, b);
    if (bValid)
        return b;
    return a;
}

} // namespace ruvo::platform::vdir
