// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/videocalls/VideoCallDetector.h"

#include "events/videocalls/LinkCleaner.h"
#include "events/videocalls/LinkFinder.h"
#include "events/videocalls/LocationText.h"
#include "events/videocalls/MeetAndTeamsLinks.h"
#include "events/videocalls/VideoCallService.h"
#include "events/videocalls/ZoomLink.h"

#include <unordered_set>

namespace ruvo::videocalls {

namespace {

EventCacheKey detectionKey(const CallEvent& e) {
    return EventCacheKey{
        e.calendarItemIdentifier,
        qHashMulti(0, e.location, e.url, e.notes.value_or(QString()), e.notes.has_value())};
}

EventCacheKey notesKey(const CallEvent& e) {
    return EventCacheKey{e.calendarItemIdentifier, qHash(e.notes.value_or(QString()))};
}

std::optional<Detection> firstDedicated(const std::vector<QUrl>& links) {
    for (const QUrl& link : links)
        if (isZoomMeetingLink(link))
            return Detection{Service{QStringLiteral("Zoom"), link}, Detector::zoom, link};
    for (const QUrl& link : links)
        if (googleMeetCode(link))
            return Detection{Service{QStringLiteral("Google Meet"), link}, Detector::googleMeet,
                             link};
    for (const QUrl& link : links)
        if (isTeamsMeetingLink(link))
            return Detection{Service{QStringLiteral("Microsoft Teams"), link},
                             Detector::microsoftTeams, link};
    return std::nullopt;
}

} // namespace

size_t qHash(const EventCacheKey& key, size_t seed) {
    return qHashMulti(seed, key.calendarItemIdentifier, key.fingerprint);
}

VideoCallDetector::VideoCallDetector(const platform::UrlOpener& apps,
                                     const DetectedServiceStore* store, std::size_t capacity)
    : m_apps(apps), m_store(store), m_cleaner(capacity * 4), m_detections(capacity),
      m_notesLinks(capacity) {}

std::optional<Service> VideoCallDetector::videoCall(const CallEvent& event) {
    if (std::optional<Detection> d = detect(event))
        return d->service;
    return std::nullopt;
}

std::optional<QString> VideoCallDetector::videoCallServiceName(const CallEvent& event) {
    if (std::optional<Detection> d = detect(event))
        return d->service.name;
    return std::nullopt;
}

std::optional<Detection> VideoCallDetector::detect(const CallEvent& event) {
    const EventCacheKey key = detectionKey(event);
    std::optional<std::optional<Detection>> cached = m_detections.find(key);
    if (!cached) {
        cached = detectUncached(event);
        m_detections.insert(key, *cached);
    }
    if (*cached)
        return *cached;
    if (m_store)
        if (std::optional<Service> stored = m_store->find(event.calendarItemIdentifier))
            return Detection{*stored, Detector::detectedServiceStore, stored->url};
    return std::nullopt;
}

std::optional<Detection> VideoCallDetector::detectUncached(const CallEvent& event) {
    const std::vector<QUrl> links = candidates(event);
    if (std::optional<Detection> dedicated = firstDedicated(links))
        return dedicated;
    for (const QUrl& link : links)
        if (std::optional<VideoCallService::Match> m = matchVideoCallService(link, m_apps))
            return Detection{Service{m->name, m->url}, Detector::serviceTable, link};
    return std::nullopt;
}

std::vector<QUrl> VideoCallDetector::candidates(const CallEvent& event) {
    std::vector<QUrl> links;
    const auto add = [&](const QUrl& link) {
        if (QUrl cleaned = m_cleaner.clean(link); isWebLink(cleaned))
            links.push_back(std::move(cleaned));
    };
    for (const FoundLink& found : findLinks(event.location))
        add(found.url);
    if (event.url.isValid())
        add(event.url);
    for (const QUrl& link : notesLinks(event))
        add(link);
    return links;
}

std::vector<QUrl> VideoCallDetector::notesLinks(const CallEvent& event) {
    if (!event.notes || event.notes->isEmpty())
        return {};
    const EventCacheKey key = notesKey(event);
    if (std::optional<std::vector<QUrl>> cached = m_notesLinks.find(key))
        return *cached;
    std::vector<QUrl> links;
    for (const FoundLink& found : findLinks(replacingLineBreakTags(*event.notes)))
        links.push_back(found.url);
    m_notesLinks.insert(key, links);
    return links;
}

std::optional<QString>
VideoCallDetector::cleanedLocationWithoutMeetingLink(const CallEvent& event) {
    QString location = event.location;
    if (const std::optional<Detection> d = detect(event)) {
        std::vector<std::pair<qsizetype, qsizetype>> links;
        for (const FoundLink& found : findLinks(event.location))
            if (m_cleaner.clean(found.url) == d->webLink)
                links.emplace_back(found.start, found.length);
        location = collapsedSeparatorRuns(withoutRanges(event.location, links));
    }
    location = trimmedSeparators(location);
    if (location.isEmpty())
        return std::nullopt;
    return location;
}

void VideoCallDetector::retainOnly(std::span<const CallEvent> current) {
    std::unordered_set<EventCacheKey, std::function<size_t(const EventCacheKey&)>> detections(
        current.size(), [](const EventCacheKey& k) { return qHash(k); });
    auto notes = detections;
    for (const CallEvent& event : current) {
        detections.insert(detectionKey(event));
        notes.insert(notesKey(event));
    }
    m_detections.retainIf([&](const EventCacheKey& k) { return detections.count(k) > 0; });
    m_notesLinks.retainIf([&](const EventCacheKey& k) { return notes.count(k) > 0; });
    m_cleaner.clear();
}

VideoCallDetector::CacheSizes VideoCallDetector::cacheSizes() const {
    return {m_detections.size(), m_notesLinks.size(), m_cleaner.cachedCount()};
}

} // namespace ruvo::videocalls
