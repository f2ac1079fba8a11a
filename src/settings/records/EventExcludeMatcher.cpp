// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/records/EventExcludeMatcher.h"

namespace ruvo::settings {

std::set<EventExcludeMatcher::Location> EventExcludeMatcher::allLocations() {
    std::set<Location> all;
    for (const auto& c : EnumInfo<Location>::cases)
        all.insert(c.value);
    return all;
}

QJsonValue JsonCodec<EventExcludeMatcher>::encode(const EventExcludeMatcher& m) {
    return QJsonObject{{QStringLiteral("id"), uuidText(m.id)},
                       {QStringLiteral("isEnabled"), m.isEnabled},
                       {QStringLiteral("kind"), caseName(m.kind)},
                       {QStringLiteral("pattern"), m.pattern},
                       {QStringLiteral("locations"), enumArray(m.locations)}};
}

kit::Result<EventExcludeMatcher> JsonCodec<EventExcludeMatcher>::decode(const QJsonValue& json) {
    using M = EventExcludeMatcher;
    JsonFields f(json);
    M m;
    m.id = f.uuid("id");
    m.isEnabled = f.boolean("isEnabled");
    m.kind = f.enumeration<M::Kind>("kind");
    m.pattern = f.string("pattern");
    m.locations = f.enumSet<M::Location>("locations", M::allLocations());
    if (!f.isOk())
        return kit::fail(f.error());
    return m;
}

} // namespace ruvo::settings
