// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/actions/ActionLinks.h"

#include "kit/LocalTime.h"

#include <QStringList>
#include <QTimeZone>

namespace ruvo::events::actions {

namespace {

QByteArray encoded(const QString& text, const QByteArray& keep = {}) {
    return QUrl::toPercentEncoding(text, keep);
}

// Addresses, notes and places may hold line breaks and runs of spaces: one space each.
QString oneLine(const QString& text) {
    return text.simplified();
}

} // namespace

MapService mapService(bool useGoogleMaps, const platform::UrlOpener& apps) {
    if (useGoogleMaps)
        return MapService::googleMaps;
    return apps.hasApplicationFor(QStringLiteral("geo")) ? MapService::geoHandler
                                                         : MapService::openStreetMap;
}

std::optional<QUrl> mapLink(const QString& location, MapService service) {
    const QString place = oneLine(location);
    if (place.isEmpty())
        return std::nullopt;
    QByteArray link;
    switch (service) {
    case MapService::googleMaps:
        link = "https://www.google.com/maps/search/?api=1&query=";
        break;
    case MapService::geoHandler:
        link = "geo:0,0?q=";
        break;
    case MapService::openStreetMap:
        link = "https://www.openstreetmap.org/search?query=";
        break;
    }
    return QUrl::fromEncoded(link + encoded(place), QUrl::StrictMode);
}

QUrl mailLink(const platform::Event& event, const QString& timeText, const QUrl& link) {
    QByteArrayList to;
    for (const auto& a : event.attendees())
        if (!a.isCurrentUser && !a.address.trimmed().isEmpty())
            to << encoded(a.address.trimmed(), "@");
    QString body = timeText;
    if (link.isValid() && !link.isEmpty())
        body += QStringLiteral("\r\n\r\n") + link.toString(QUrl::FullyEncoded);
    const QByteArray text = "mailto:" + to.join(',') +
                            "?subject=" + encoded(oneLine(event.title())) +
                            "&body=" + encoded(body);
    return QUrl::fromEncoded(text, QUrl::StrictMode);
}

std::optional<QUrl> googleCalendarLink(const platform::Event& event, const QString& zoneId) {
    static const QLatin1String suffix("@google.com");
    const QString& uid = event.calendarItemExternalIdentifier();
    if (!uid.endsWith(suffix, Qt::CaseInsensitive) || uid.size() == suffix.size())
        return std::nullopt;
    QString calendar;
    for (const auto& a : event.attendees())
        if (a.isCurrentUser)
            calendar = a.address.trimmed().toLower();
    if (calendar.isEmpty())
        return std::nullopt;
    QString id = uid.left(uid.size() - suffix.size());
    if (event.hasRecurrenceRules()) {
        const QDateTime start = kit::toQDateTime(event.occurrenceDate());
        id += QLatin1Char('_') +
              (event.isAllDay()
                   ? start.toTimeZone(kit::zoneOrUtc(zoneId)).toString(QStringLiteral("yyyyMMdd"))
                   : start.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'")));
    }
    const QByteArray eid =
        (id + QLatin1Char(' ') + calendar)
            .toUtf8()
            .toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
    return QUrl::fromEncoded("https://calendar.google.com/calendar/event?eid=" + eid,
                             QUrl::StrictMode);
}

} // namespace ruvo::events::actions
