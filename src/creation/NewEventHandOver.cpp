// SPDX-License-Identifier: GPL-3.0-or-later
#include "creation/NewEventHandOver.h"

#include "kit/LocalTime.h"

#include <QCoreApplication>
#include <QUrlQuery>

namespace ruvo::creation {

using platform::CalendarApplicationResult;

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("NewEventHandOver", text);
}

QString datesParameter(const platform::EventDraft& draft, const QString& zoneId) {
    if (draft.isAllDay) {
        const QDate first = kit::localDate(draft.start, zoneId);
        const QDate after = std::max(first.addDays(1), kit::localDate(draft.end, zoneId));
        return first.toString(QStringLiteral("yyyyMMdd")) + QLatin1Char('/') +
               after.toString(QStringLiteral("yyyyMMdd"));
    }
    const auto utc = [](kit::Instant t) {
        return kit::toQDateTime(t).toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    };
    return utc(draft.start) + QLatin1Char('/') + utc(draft.end);
}

} // namespace

QUrl webCalendarNewEventUrl(const platform::EventDraft& draft, const QString& zoneId) {
    QUrl url(QStringLiteral("https://calendar.google.com/calendar/render"));
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("action"), QStringLiteral("TEMPLATE"));
    if (!draft.title.isEmpty())
        query.addQueryItem(QStringLiteral("text"), draft.title);
    query.addQueryItem(QStringLiteral("dates"), datesParameter(draft, zoneId));
    if (!draft.location.isEmpty())
        query.addQueryItem(QStringLiteral("location"), draft.location);
    if (!draft.notes.isEmpty())
        query.addQueryItem(QStringLiteral("details"), draft.notes);
    url.setQuery(query);
    return url;
}

kit::Result<void> handOverNewEvent(settings::NewEventApp app, const platform::EventDraft& draft,
                                   const QString& zoneId, HandOverServices services) {
    if (app == settings::NewEventApp::googleCalendar) {
        if (!services.urlOpener.open(webCalendarNewEventUrl(draft, zoneId)))
            return kit::fail(tr("The web browser could not be opened."));
        return {};
    }
    // The desktop has one calendar application; a choice of another one lands there too.
    return openCalendarApplication(services.calendarApplication,
                                   kit::localDate(draft.start, zoneId));
}

kit::Result<void> openCalendarApplication(platform::CalendarApplication& app, QDate day) {
    const CalendarApplicationResult opened = app.openAtDate(day);
    switch (opened.outcome) {
    case CalendarApplicationResult::Outcome::openedAtDate:
    case CalendarApplicationResult::Outcome::launchedNormally:
        return {};
    case CalendarApplicationResult::Outcome::noApplication:
        return kit::fail(tr("No calendar application is installed."));
    case CalendarApplicationResult::Outcome::failed:
        break;
    }
    return kit::fail(tr("%1 could not be started.").arg(opened.name));
}

} // namespace ruvo::creation
