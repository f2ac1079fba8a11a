// SPDX-License-Identifier: GPL-3.0-or-later
// Decides whether an event is a video call, which service it uses and which link joins it.
//
// Order: the Zoom, Google Meet and Microsoft Teams detectors, then the service table, then
// the detected-service store. Candidate links, in order: the links in the location, the
// event's URL, the links in the notes; each cleaned of redirectors before it is tried.
//
// Answers are cached per event (identifier and a fingerprint of location, URL and notes,
// so an edited event is detected afresh), as are the links found in notes and cleaned links.
// Every cache is bounded; retainOnly() drops the entries of events no longer current.
// Thread-safe: any thread may ask.
#pragma once

#include "events/videocalls/BoundedCache.h"
#include "events/videocalls/CallEvent.h"
#include "events/videocalls/DetectedServiceStore.h"
#include "events/videocalls/LinkCleaner.h"
#include "platform/UrlOpener.h"

#include <span>
#include <vector>

namespace ruvo::videocalls {

// Which detector found the call; the join action rewrites links by it.
enum class Detector { zoom, googleMeet, microsoftTeams, serviceTable, detectedServiceStore };

struct Detection {
    Service service;
    Detector detector = Detector::serviceTable;
    QUrl webLink; // the cleaned candidate that matched (for the store: the stored link)
    bool operator==(const Detection&) const = default;
};

struct EventCacheKey {
    QString calendarItemIdentifier;
    size_t fingerprint = 0;
    bool operator==(const EventCacheKey&) const = default;
};
size_t qHash(const EventCacheKey& key, size_t seed = 0);

class VideoCallDetector {
public:
    // `apps` answers whether a meeting application handles a scheme (table rewrites);
    // `store` may be null. Both must outlive the detector.
    explicit VideoCallDetector(const platform::UrlOpener& apps,
                               const DetectedServiceStore* store = nullptr,
                               std::size_t capacity = 4096);

    std::optional<Service> videoCall(const CallEvent& event);
    std::optional<QString> videoCallServiceName(const CallEvent& event);
    std::optional<Detection> detect(const CallEvent& event);

    // The location for display without the detected meeting link; nothing when empty.
    std::optional<QString> cleanedLocationWithoutMeetingLink(const CallEvent& event);

    // Drops every cached answer that none of `current` uses.
    void retainOnly(std::span<const CallEvent> current);

    struct CacheSizes {
        std::size_t detections, notesLinks, cleanedLinks;
    };
    CacheSizes cacheSizes() const;

private:
    std::vector<QUrl> candidates(const CallEvent& event);
    std::vector<QUrl> notesLinks(const CallEvent& event);
    std::optional<Detection> detectUncached(const CallEvent& event);

    const platform::UrlOpener& m_apps;
    const DetectedServiceStore* m_store;
    LinkCleaner m_cleaner;
    BoundedCache<EventCacheKey, std::optional<Detection>> m_detections;
    BoundedCache<EventCacheKey, std::vector<QUrl>> m_notesLinks;
};

} // namespace ruvo::videocalls
