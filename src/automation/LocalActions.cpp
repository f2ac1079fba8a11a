// SPDX-License-Identifier: GPL-3.0-or-later
#include "automation/LocalActions.h"

#include "settings/Json.h"
#include "settings/Keys.h"

#include <QCoreApplication>

namespace ruvo::automation {

namespace keys = settings::keys;

namespace {

const auto& keyOf(Switch which) {
    return which == Switch::hourlyChime ? keys::hourlyChime_isEnabled
                                        : keys::fullscreenNotifications_isEnabled;
}

// "{3f2...}", "3F2..." and "3f2..." name the same entry.
std::optional<QUuid> entryId(const QString& text) {
    QString bare = text.trimmed();
    if (bare.startsWith(QLatin1Char('{')) && bare.endsWith(QLatin1Char('}')))
        bare = bare.mid(1, bare.size() - 2);
    return settings::uuidFromText(bare);
}

} // namespace

ActionResult<bool> LocalActions::joinVideoCall() {
    if (!m_services.joinNextCall)
        return false;
    return m_services.joinNextCall();
}

ActionResult<std::vector<TimeZoneEntity>> LocalActions::timeZones() {
    const timezones::ChosenTimeZoneTexts texts(m_services.environment(), m_clock);
    const kit::Instant now = m_clock.now();
    std::vector<TimeZoneEntity> entities;
    for (const settings::ChosenTimeZone& entry : m_defaults.get(keys::timeZonesInMenu))
        entities.push_back(timeZoneEntity(entry, texts, now));
    return entities;
}

ActionResult<TimeZoneEntity> LocalActions::timeZone(const QString& id) {
    const auto wanted = entryId(id);
    for (const settings::ChosenTimeZone& entry : m_defaults.get(keys::timeZonesInMenu)) {
        if (wanted && entry.id == *wanted) {
            const timezones::ChosenTimeZoneTexts texts(m_services.environment(), m_clock);
            return timeZoneEntity(entry, texts, m_clock.now());
        }
    }
    return ActionError{
        errors::kUnknownTimeZone,
        QCoreApplication::translate("LocalActions", "There is no time zone with the id \"%1\".")
            .arg(id)};
}

ActionResult<bool> LocalActions::isEnabled(Switch which) {
    return m_defaults.get(keyOf(which));
}

ActionStatus LocalActions::setEnabled(Switch which, bool shouldToggle, bool isEnabled) {
    const auto& key = keyOf(which);
    const bool value = shouldToggle ? !m_defaults.get(key) : isEnabled;
    if (value != m_defaults.get(key))
        m_defaults.set(key, value);
    return std::nullopt;
}

ActionResult<QString> LocalActions::soundFile(const QString& name) {
    return m_sounds.file(name);
}

} // namespace ruvo::automation
