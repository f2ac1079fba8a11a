// SPDX-License-Identifier: GPL-3.0-or-later
// The content of one TZif zone file (RFC 8536): its local time types, its transitions and
// the POSIX TZ string that rules the years after the last transition.
#pragma once

#include "kit/Result.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace ruvo::timezones {

struct TzifType {
    qint32 utcOffset = 0; // seconds east of UTC
    bool isDst = false;
    QString abbreviation;
};

struct TzifTransition {
    qint64 at = 0; // seconds since the epoch, UTC
    int type = 0;  // index into types
};

struct TzifFile {
    std::vector<TzifType> types;
    std::vector<TzifTransition> transitions;
    QString footer; // "EST5EDT,M3.2.0,M11.1.0"; empty for version 1 files

    // The type in force before the first transition (RFC 8536: type 0).
    int initialType() const { return 0; }

    static kit::Result<TzifFile> parse(const QByteArray& bytes);
    static kit::Result<TzifFile> read(const QString& path);
};

} // namespace ruvo::timezones
