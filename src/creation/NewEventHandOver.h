// SPDX-License-Identifier: GPL-3.0-or-later
// Creating events somewhere else than in Ruvo's own window, as `createNewEventsWith` says:
// the web calendar's event page in the browser, or the desktop's calendar application.
#pragma once

#include "kit/Result.h"
#include "platform/CalendarApplication.h"
#include "platform/CalendarStore.h"
#include "platform/UrlOpener.h"
#include "settings/records/Enums.h"

#include <QUrl>

namespace ruvo::creation {

// The web calendar's page for a new event, with what is known of it filled in. All-day
// events name their days, timed ones their UTC instants.
QUrl webCalendarNewEventUrl(const platform::EventDraft& draft, const QString& zoneId);

struct HandOverServices {
    platform::UrlOpener& urlOpener;
    platform::CalendarApplication& calendarApplication;
};

// Opens where `app` creates events, for an event like `draft` (its day, or its fields on the
// web page); fails with a sentence for the user when nothing could be opened. `ruvo` is not
// a hand-over: the caller opens its own window.
kit::Result<void> handOverNewEvent(settings::NewEventApp app, const platform::EventDraft& draft,
                                   const QString& zoneId, HandOverServices services);

// Starts the calendar application at `day`; fails with a sentence for the user.
kit::Result<void> openCalendarApplication(platform::CalendarApplication& app, QDate day);

} // namespace ruvo::creation
