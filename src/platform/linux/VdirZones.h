// SPDX-License-Identifier: GPL-3.0-or-later
// Wall-clock times of calendar items and the zones they are written in.
//
// Records keep times as "local seconds": seconds since 1970-01-01 00:00 on the wall clock of
// the item's zone. A zone is a small index into this table; index 0 is the floating zone
// (all-day dates and times without a zone), read in whatever zone is current when asked.
// Offsets come from the system's zoneinfo through a transition table per zone, so a
// conversion is a binary search, not a zone-database call.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <array>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace ruvo::platform::vdir {

using LocalSeconds = qint64;
using UtcSeconds = qint64;
using ZoneIndex = quint16;

inline constexpr ZoneIndex kFloatingZone = 0;
inline constexpr ZoneIndex kUtcZone = 1;

class ZoneTable {
public:
    ZoneTable();

    // The zone for an IANA id ("Europe/Berlin"), a prefixed one
    // ("/freeassociation.sourceforge.net/Europe/Berlin"), a Windows name
    // ("W. Europe Standard Time") or "UTC"; nullopt when the system knows no such zone.
    // Thread-safe.
    std::optional<ZoneIndex> zone(const QString& id);
    QString zoneId(ZoneIndex zone) const; // empty for the floating zone

    // A zone a calendar file defines itself, registered under `id` with its transitions
    // (`offsets[i]` from `at[i]`, `offsets[0]` also before; `at` ascending and one shorter
    // than `offsets`); or `id` made another name of an existing zone. Nullopt when the table
    // is full. Thread-safe.
    std::optional<ZoneIndex> addZone(const QString& id, const std::vector<UtcSeconds>& at,
                                     const std::vector<int>& offsets);
    void addAlias(const QString& id, ZoneIndex zone);
    std::optional<ZoneIndex> registered(const QString& id) const;
    std::size_t nameCount() const; // every name remembered, own names included

    // Sets the zone that floating times are read in.
    void setCurrentZone(const QString& id);
    ZoneIndex currentZone() const { return m_current; }

    int offsetAtUtc(ZoneIndex zone, UtcSeconds utc) const;
    UtcSeconds toUtc(ZoneIndex zone, LocalSeconds local) const;
    LocalSeconds toLocal(ZoneIndex zone, UtcSeconds utc) const {
        return utc + offsetAtUtc(zone, utc);
    }

private:
    struct Zone {
        QString id;
        std::vector<UtcSeconds> at; // transition instants, ascending
        std::vector<int> offsets;   // offsets[i] from at[i]; offsets[0] also before at[0]
    };
    static Zone build(const QString& id);
    const Zone& resolved(ZoneIndex zone) const;

    static constexpr std::size_t kMaxZones = 1024;
    // Names by which a zone is known besides its own (prefixed and Windows names, a file's
    // own definition of a system zone). Past this many a name still resolves, only again on
    // each use: a stranger's files can invent names without end.
    static constexpr std::size_t kMaxNames = 8192;
    void remember(const QString& id, ZoneIndex zone); // under the lock
    mutable std::mutex m_mutex;
    // Filled under the lock, never moved: lookups by an index handed out earlier need none.
    std::array<std::unique_ptr<Zone>, kMaxZones> m_zones;
    std::size_t m_zoneCount = 0;
    std::map<QString, ZoneIndex> m_byId;
    ZoneIndex m_current = kUtcZone;
};

// The IANA id for a zone name as calendar programs write it, or empty.
QString systemZoneIdFor(const QString& tzid);

} // namespace ruvo::platform::vdir
