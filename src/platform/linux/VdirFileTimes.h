// SPDX-License-Identifier: GPL-3.0-or-later
// Reads and writes the times of one file the way the store's parser reads them: TZIDs the
// system knows through the zone table, others through the file's own VTIMEZONE, dates and
// floating times in the current zone.
#pragma once

#include "kit/Time.h"
#include "platform/linux/VdirZones.h"

#include <QString>
#include <libical/ical.h>

namespace ruvo::platform::vdir {

class FileTimes {
public:
    // `root` is the file parsed by libical (for its VTIMEZONEs); it must outlive this.
    FileTimes(icalcomponent* root, ZoneTable& zones) : m_root(root), m_zones(zones) {}

    UtcSeconds toUtc(icaltimetype t, const QString& tzid) const;
    // `utc` written like `like` (a date, UTC, a TZID's wall clock or a floating time).
    icaltimetype like(icaltimetype like, const QString& tzid, UtcSeconds utc) const;

private:
    icaltimezone* ownZone(const QString& tzid) const;

    icalcomponent* m_root;
    ZoneTable& m_zones;
};

// The value of a DATE or DATE-TIME as iCalendar writes it: "20261208", "20261208T090000",
// "20261208T090000Z".
QByteArray icalTimeText(icaltimetype t);
QByteArray icalUtcText(kit::Instant t);

} // namespace ruvo::platform::vdir
