// SPDX-License-Identifier: GPL-3.0-or-later
// Completions for the location field of a new event, from the place list the time-zone search
// uses: a typed text offers the places it matches, and a chosen one becomes the location.
#pragma once

#include "timezones/TimeZoneSearch.h"

namespace ruvo::creation {

struct PlaceCompletion {
    QString title;                // the place's name, or "Unnamed Location"
    QString subtitle;             // where it is: "Illinois, United States"
    QString locationText() const; // what the event's location becomes
};

// At most `limit` places matching `text`, in the list's order, each place once; nothing for a
// text shorter than two characters. Zone-only entries (abbreviations, "UTC-12") are no places.
std::vector<PlaceCompletion> placeCompletions(const timezones::TimeZoneCandidates& candidates,
                                              const QString& text, std::size_t limit = 8);

PlaceCompletion completionOf(const timezones::TimeZoneResult& place);

} // namespace ruvo::creation
