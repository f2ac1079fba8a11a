// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/exclusion/LocationsMigration.h"

#include "events/exclusion/ExclusionLog.h"
#include "settings/Keys.h"

namespace ruvo::exclusion {

namespace {

using L = settings::EventExcludeMatcher::Location;

std::optional<L> legacyLocation(const QJsonValue& value) {
    static constexpr L order[] = {L::eventList, L::upcomingEventInMenuBar,
                                  L::fullscreenNotifications, L::systemNotifications};
    const double raw = value.toDouble(-1);
    if (!value.isDouble() || raw < 0 || raw > 3 || raw != static_cast<int>(raw))
        return std::nullopt;
    return order[static_cast<int>(raw)];
}

} // namespace

std::optional<QString> convertLegacyMatcherText(const QString& storedText) {
    const kit::Result<QJsonValue> json = settings::parseJson(storedText);
    if (!json || !json->isObject())
        return std::nullopt;
    QJsonObject object = json->toObject();
    const QJsonArray locations = object.value(QLatin1String("locations")).toArray();
    if (locations.isEmpty() || !locations.first().isDouble())
        return std::nullopt;
    std::set<L> converted;
    for (const QJsonValue& raw : locations) {
        const std::optional<L> location = legacyLocation(raw);
        if (!location)
            return std::nullopt;
        converted.insert(*location);
    }
    object.insert(QLatin1String("locations"), settings::enumArray(converted));
    return settings::jsonText(object);
}

int convertStoredExcludeMatchers(const settings::Defaults& defaults) {
    const auto& key = settings::keys::fullscreenNotifications_excludeMatcher;
    settings::Suite& suite = defaults.suite(key.suite);
    const QVariant stored = suite.storedObject(key.name);
    if (stored.typeId() != QMetaType::QVariantList)
        return 0;
    QVariantList documents = stored.toList();
    int count = 0;
    for (QVariant& document : documents) {
        if (document.typeId() != QMetaType::QString)
            continue;
        if (std::optional<QString> current = convertLegacyMatcherText(document.toString())) {
            document = *current;
            ++count;
        }
    }
    if (count > 0) {
        suite.setObject(key.name, documents);
        qCInfo(lcExclusion) << "converted" << count << "exclusion matchers to the current form";
    }
    return count;
}

} // namespace ruvo::exclusion
