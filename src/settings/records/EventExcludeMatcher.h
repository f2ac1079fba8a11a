// SPDX-License-Identifier: GPL-3.0-or-later
// A rule that hides events by their title from chosen places.
#pragma once

#include "settings/Json.h"

#include <QUuid>
#include <set>

namespace ruvo::settings {

struct EventExcludeMatcher {
    enum class Kind { equals, contains, startsWith, endsWith, regex };
    enum class Location {
        eventList,
        fullscreenNotifications,
        upcomingEventInMenuBar,
        systemNotifications
    };

    QUuid id;
    bool isEnabled = true;
    Kind kind = Kind::contains;
    QString pattern;
    std::set<Location> locations;

    // Every place: what a matcher stored without "locations" applies to, since matchers
    // from before per-place exclusion hid events everywhere.
    static std::set<Location> allLocations();

    bool operator==(const EventExcludeMatcher&) const = default;
};

template <> struct EnumInfo<EventExcludeMatcher::Kind> {
    using K = EventExcludeMatcher::Kind;
    static constexpr std::array cases{
        EnumCase<K>{K::equals, "equals"}, EnumCase<K>{K::contains, "contains"},
        EnumCase<K>{K::startsWith, "startsWith"}, EnumCase<K>{K::endsWith, "endsWith"},
        EnumCase<K>{K::regex, "regex"}};
};

template <> struct EnumInfo<EventExcludeMatcher::Location> {
    using L = EventExcludeMatcher::Location;
    static constexpr std::array cases{
        EnumCase<L>{L::eventList, "eventList"},
        EnumCase<L>{L::fullscreenNotifications, "fullscreenNotifications"},
        EnumCase<L>{L::upcomingEventInMenuBar, "upcomingEventInMenuBar"},
        EnumCase<L>{L::systemNotifications, "systemNotifications"}};
};

template <> struct JsonCodec<EventExcludeMatcher> {
    static QJsonValue encode(const EventExcludeMatcher& matcher);
    static kit::Result<EventExcludeMatcher> decode(const QJsonValue& json);
};

} // namespace ruvo::settings
