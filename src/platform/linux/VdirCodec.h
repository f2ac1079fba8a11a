// SPDX-License-Identifier: GPL-3.0-or-later
// The byte form of a parsed file in the cache. Zones are written by name (indices are this
// process's own); calendar-dependent identifiers are rebuilt on reading. Strings pass
// through a pool so that equal titles and places share one copy in memory.
#pragma once

#include "platform/linux/VdirRecords.h"

#include <QHash>
#include <QSet>

namespace ruvo::platform::vdir {

// Holds at most kMaxStrings strings (and as many shared extras); when full it starts afresh
// (strings handed out stay valid, later equal ones just stop sharing with them), so the
// titles and places of files long deleted or edited do not stay in memory for the life of the
// program.
class StringPool {
public:
    static constexpr qsizetype kMaxStrings = 65536;

    QString intern(const QString& s);
    // Titles and places interned, extras shared (below).
    void intern(ParsedFile& file);
    // Extras that hold nothing but a place, alarms and the organiser flag come back as the
    // pool's copy of equal ones; others (notes, a link, attendees) as they are; empty ones as
    // null. `extras` must not be shared yet.
    std::shared_ptr<EventExtras> share(std::shared_ptr<EventExtras> extras);
    // The same for extras not on the heap yet: an equal pooled copy costs no allocation.
    std::shared_ptr<EventExtras> share(EventExtras&& extras);
    // zones.zone(id), the latest names found remembered: a calendar's records use a few
    // zones, and the table's look-up takes a lock and a search.
    std::optional<ZoneIndex> zone(const QString& id, ZoneTable& zones);
    qsizetype sharedExtrasCount() const { return m_extras.size(); }
    qsizetype size() const { return m_strings.size(); }
    // A buffer to read a string into before interning it.
    QString& scratch() { return m_scratch; }

private:
    static bool isShareable(const EventExtras& x);
    std::shared_ptr<EventExtras> remember(std::shared_ptr<EventExtras> extras);

    QSet<QString> m_strings;
    QHash<QString, std::shared_ptr<EventExtras>> m_extras; // by sharingKey()
    QString m_scratch;
    QString m_key; // of the extras looked up last
    static constexpr std::size_t kRecentZones = 16;
    std::vector<std::pair<QString, ZoneIndex>> m_zoneNames; // the latest found, oldest first
    const ZoneTable* m_zoneTable = nullptr;                 // they were found in
};

QByteArray encodeParsedFile(const ParsedFile& file, const ZoneTable& zones);

// nullopt when the bytes are not what encodeParsedFile wrote.
std::optional<ParsedFile> decodeParsedFile(const QByteArray& bytes, const QString& calendarId,
                                           ZoneTable& zones, StringPool& pool);

} // namespace ruvo::platform::vdir
