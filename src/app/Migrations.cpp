// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Migrations.h"

#include "app/AppLog.h"
#include "settings/Json.h"
#include "settings/Keys.h"
#include "settings/RunOnce.h"

#include <QJsonObject>

namespace ruvo::app {

namespace {

namespace keys = settings::keys;
using settings::Defaults;

// Stores the value a key reads now, so that a later change of its default does not move it.
template <typename T> void pinEffectiveValue(const Defaults& d, const settings::Key<T>& key) {
    d.set(key, d.get(key));
}

void migrateHourlyChimeSound(const Defaults& d) {
    const QVariant stored =
        d.suite(keys::hourlyChimeSound.suite).storedObject(keys::hourlyChimeSound.name);
    if (!stored.isValid() || !settings::parseJson(stored.toString()).isOk())
        return; // absent, or already a plain name
    if (auto name = soundNameFromLegacyForm(stored))
        d.set(keys::hourlyChimeSound, std::optional<QString>(*name));
    else
        qCWarning(lcApp) << "The stored hourly chime sound" << stored
                         << "names no known sound; it is left as it is";
}

struct Migration {
    QString marker;
    enum class When { notFirstLaunch, firstLaunch, always } when;
    std::function<void(const Defaults&, bool isFirstLaunch)> run;
};

std::vector<Migration> migrations(const MigrationConverters& converters) {
    using W = Migration::When;
    return {
        {QStringLiteral("migrate_enableTimeZoneInEventDetailsByDefaultForExistingUsers"),
         W::notFirstLaunch,
         [](const Defaults& d, bool) { d.set(keys::menu_eventDetails_showTimeZones, true); }},
        {QStringLiteral("migrate_hourlyChimeIsEnabledSetting"), W::notFirstLaunch,
         [](const Defaults& d, bool) {
             const auto& key = keys::hourlyChimeSound;
             d.set(keys::hourlyChime_isEnabled,
                   d.suite(key.suite).storedObject(key.name).isValid());
         }},
        {QStringLiteral("migrate_forceSetMenuPositionedBelowMenuBarItemAndResizableWindowHeight2"),
         W::firstLaunch,
         [](const Defaults& d, bool) {
             pinEffectiveValue(d, keys::menu_positionedBelowMenuBarItem);
             pinEffectiveValue(d, keys::resizableWindowHeight);
         }},
        {QStringLiteral("migrate_changeRespectNaturalScrollingForCalendar"), W::always,
         [](const Defaults& d, bool first) {
             if (first)
                 d.set(keys::_respectNaturalScrolling, true);
             else
                 pinEffectiveValue(d, keys::_respectNaturalScrolling);
         }},
        {QStringLiteral("migrate_excludeEventsScreen_locationsEnum"), W::notFirstLaunch,
         [converters](const Defaults& d, bool) { converters.excludeMatchersLocations(d); }},
        {QStringLiteral("migrate_hourlyChimeSounds_enumToString"), W::always,
         [](const Defaults& d, bool) { migrateHourlyChimeSound(d); }},
    };
}

} // namespace

const QStringList& migrationMarkers() {
    static const QStringList markers = [] {
        QStringList list;
        for (const Migration& m : migrations({}))
            list << m.marker;
        return list;
    }();
    return markers;
}

void runMigrations(const Defaults& defaults, bool isFirstLaunch,
                   const MigrationConverters& converters) {
    Defaults::withoutPropagation([&] {
        for (const Migration& m : migrations(converters)) {
            if (m.marker.startsWith(QLatin1String("migrate_exclude")) &&
                !converters.excludeMatchersLocations)
                continue; // keep the marker for the version that can convert
            settings::runOnce(defaults, m.marker, [&] {
                const bool applies = m.when == Migration::When::always ||
                                     (m.when == Migration::When::firstLaunch) == isFirstLaunch;
                if (applies)
                    m.run(defaults, isFirstLaunch);
            });
        }
    });
}

std::optional<QString> soundNameFromLegacyForm(const QVariant& stored) {
    const auto json = settings::parseJson(stored.toString());
    if (stored.typeId() != QMetaType::QString || !json || !json->isObject())
        return std::nullopt;
    const QJsonObject tagged = json->toObject();
    const QString caseName =
        tagged.value(tagged.keys().value(0)).toObject().value(QStringLiteral("_0")).toString();
    if (tagged.size() != 1 || caseName.isEmpty())
        return std::nullopt;
    if (tagged.contains(QStringLiteral("system"))) {
        if (!settings::enumFromCaseName<settings::MacSystemSound>(caseName))
            return std::nullopt;
        return caseName.left(1).toUpper() + caseName.mid(1);
    }
    if (tagged.contains(QStringLiteral("app")))
        return caseName;
    return std::nullopt;
}

} // namespace ruvo::app
