// SPDX-License-Identifier: GPL-3.0-or-later
// A time zone of the system, by identity: its identifier and the two parts shown to people.
// Offsets and names are computed by the time-zone library from the system's rules.
#pragma once

#include <QString>
#include <optional>

namespace ruvo::settings {

struct ZuTimeZone {
    QString identifier; // "America/Argentina/Buenos_Aires"
    QString territory;  // first component: "America"
    QString city;       // last component, "_" as spaces: "Buenos Aires"

    // Nothing for an identifier the system does not know, or one with no components.
    static std::optional<ZuTimeZone> make(const QString& identifier);

    bool operator==(const ZuTimeZone&) const = default;
};

} // namespace ruvo::settings
