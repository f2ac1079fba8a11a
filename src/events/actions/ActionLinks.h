// SPDX-License-Identifier: GPL-3.0-or-later
// The links that a row's actions open: a place on a map, an e-mail about an event and an
// event's page in Google Calendar. Every piece of calendar text in them is percent-encoded.
#pragma once

#include "platform/CalendarTypes.h"
#include "platform/UrlOpener.h"

#include <QUrl>
#include <optional>

namespace ruvo::events::actions {

enum class MapService { googleMaps, geoHandler, openStreetMap };

// Google Maps when the user chose it, else the desktop's geo: handler when one is
// installed, else OpenStreetMap in the browser.
MapService mapService(bool useGoogleMaps, const platform::UrlOpener& apps);

// The link that searches `location` with `service`; none for a blank location.
std::optional<QUrl> mapLink(const QString& location, MapService service);

// mailto: the attendees other than the user, the title as subject, the time text and the
// link (when there is one) as body.
QUrl mailLink(const platform::Event& event, const QString& timeText, const QUrl& link);

// An event is taken as hosted by Google Calendar when its UID ends in "@google.com" (the
// form Google gives every event it exports) and the user's own attendee entry names the
// calendar's address; the page's eid is base64 of "<event id> <calendar address>", where a
// repeating event's occurrence adds "_" and its start in UTC (an all-day one: its day in
// `zoneId`) to the event id.
std::optional<QUrl> googleCalendarLink(const platform::Event& event, const QString& zoneId);

} // namespace ruvo::events::actions
