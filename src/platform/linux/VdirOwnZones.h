// SPDX-License-Identifier: GPL-3.0-or-later
// Zones that calendar files define themselves: a VTIMEZONE under a TZID the system does not
// know (Outlook's "(UTC+01:00) Amsterdam, Berlin, Bern, Rome, Stockholm, Vienna",
// "Customized Time Zone", Lotus Notes' short names). Such a zone is read as the system zone
// whose transitions match it over the years an item spans, so later changes to the rules
// still apply; when none matches, its own rules are kept.
#pragma once

#include "platform/linux/VdirZones.h"

struct _icaltimezone;
struct icalcomponent_impl;

namespace ruvo::platform::vdir {

// The years compared and computed are bounded: a zone's own rules beyond them keep the last
// offset.
inline constexpr int kOwnZoneYears = 30;

// The VTIMEZONE named `tzid` in the file `root`, or null when the file has none or its rules
// describe no real zone: a zone changes its offset a few times a year, so a STANDARD or
// DAYLIGHT rule repeating more often than monthly (or at several hours, minutes or seconds) is
// refused rather than expanded by libical into millions of changes, as are more than
// kMaxZoneRdates RDATEs in one part.
_icaltimezone* usableOwnZone(icalcomponent_impl* root, const QString& tzid);
inline constexpr int kMaxZoneRdates = 1000;

// The zone for `own` (the file's VTIMEZONE named `tzid`) from `fromYear` on; nullopt when the
// zone has no usable rules or the table is full.
std::optional<ZoneIndex> ownZone(ZoneTable& zones, const QString& tzid, _icaltimezone* own,
                                 int fromYear);

// The system zone whose transitions and offsets in [from, to) are those given (`offsets[0]`
// holds at `from`, `offsets[i + 1]` from `at[i]`); `tzid` orders the candidates (named cities
// first). Empty when none matches.
QString matchingSystemZone(const QString& tzid, qint64 from, qint64 to,
                           const std::vector<UtcSeconds>& at, const std::vector<int>& offsets);

} // namespace ruvo::platform::vdir
