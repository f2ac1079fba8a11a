// SPDX-License-Identifier: GPL-3.0-or-later
// The candidates of the time-zone search: the places of the "time-zones" resource, the four
// generic United States zones, one entry per zone abbreviation and "UTC-12", prepared with
// their texts and lower-case searchable forms.
#pragma once

#include "kit/Result.h"
#include "kit/Time.h"

#include <QDate>
#include <QUuid>
#include <memory>
#include <optional>
#include <vector>

namespace ruvo::timezones {

// One place of the resource.
struct JsonTimeZone {
    QString name;
    QString country;
    QString timeZone;
    std::optional<QString> adminName;
    QString searchNames; // extra ASCII spellings, "|"-joined (optional in the file)

    static kit::Result<std::vector<JsonTimeZone>> decodeList(const QByteArray& json);
};

struct TimeZoneResult {
    QUuid id;
    QString city;
    QString country;
    QString timeZoneAbbreviation; // "<Unknown>" for a zone the system does not know
    QString timeZoneIdentifier;
    QString displayPlace; // "Springfield, Illinois, United States"
    QString countrySearchable;
    QString displayPlaceSearchable;
    QString displayText;
    QString displayTimeZone; // zoneLabel, or "<Unknown>"
};

class TimeZoneCandidates;

class PlaceList {
public:
    PlaceList();
    ~PlaceList();

    // The list prepared for `now`: loaded on first use, and again when `now` falls on another
    // day (UTC) than the one it was prepared for, since the zone texts follow daylight saving
    // time. A missing or broken resource stops the program: it is part of the build.
    const TimeZoneCandidates& candidates(kit::Instant now);

    // The steps of preparation, for tests and the benchmark.
    static std::vector<JsonTimeZone> withGeneratedEntries(std::vector<JsonTimeZone> places,
                                                          kit::Instant now);
    static std::vector<TimeZoneResult> prepare(const std::vector<JsonTimeZone>& places,
                                               kit::Instant now);

private:
    std::unique_ptr<TimeZoneCandidates> m_candidates;
    QDate m_preparedDay;
};

} // namespace ruvo::timezones
