// SPDX-License-Identifier: GPL-3.0-or-later
// The byte form of a parsed file in the cache. Zones are written by name (indices are this
// process's own); calendar-dependent identifiers are rebuilt on reading. Strings pass
// through a pool so that equal titles and places share one copy in memory.
#pragma once

#include "platform/linux/VdirRecords.h"

#include <QSet>

namespace ruvo::platform::vdir {

class StringPool {
public:
    QString intern(const QString& s);
    void intern(ParsedFile& file);
    // A buffer to read a string into before interning it.
    QString& scratch() { return m_scratch; }

private:
    QSet<QString> m_strings;
    QString m_scratch;
};

QByteArray encodeParsedFile(const ParsedFile& file, const ZoneTable& zones);

// nullopt when the bytes are not what encodeParsedFile wrote.
std::optional<ParsedFile> decodeParsedFile(const QByteArray& bytes, const QString& calendarId,
                                           ZoneTable& zones, StringPool& pool);

} // namespace ruvo::platform::vdir
