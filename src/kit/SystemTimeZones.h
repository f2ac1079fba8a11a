// SPDX-License-Identifier: GPL-3.0-or-later
// The time zones this system knows, from its zoneinfo folder ($TZDIR or /usr/share/zoneinfo).
// ICU's built-in rules are older than the system's, so the system decides which zones exist.
#pragma once

#include <QString>
#include <QStringList>

namespace ruvo::kit {

class SystemTimeZones {
public:
    static QString zoneinfoDirectory();

    // True when `id` names a zone file of the system ("Europe/Paris", "UTC", "Etc/GMT+12").
    static bool isKnown(const QString& id);

    // Every zone identifier of the system, sorted (from tzdata.zi, else by walking the folder).
    static QStringList all();

    // The system's current zone: $TZ when it names a known zone, else the target of
    // /etc/localtime, else /etc/timezone, else "UTC".
    static QString currentZoneId();
};

} // namespace ruvo::kit
