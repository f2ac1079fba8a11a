// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/preferences/KeyBinding.h"

#include <QLoggingCategory>

namespace ruvo::views {

namespace {
Q_LOGGING_CATEGORY(lcSettingsWindow, "ruvo.views.settings")
}

KeyBinding::KeyBinding(const settings::Defaults& defaults, const QString& key)
    : m_defaults(defaults), m_entry(settings::findCatalogueEntry(key)) {
    if (!m_entry)
        qCWarning(lcSettingsWindow) << "The settings window names an unknown key" << key;
}

QJsonValue KeyBinding::value() const {
    return m_entry ? m_entry->readJson(m_defaults) : QJsonValue();
}

bool KeyBinding::setValue(const QJsonValue& value) const {
    if (!m_entry)
        return false;
    if (auto written = m_entry->writeJson(m_defaults, value); !written) {
        qCWarning(lcSettingsWindow) << "Not stored in" << m_entry->name << ":" << written.error();
        return false;
    }
    return true;
}

bool KeyBinding::isOptional() const {
    return m_entry && m_entry->defaultJson().isNull();
}

void KeyBinding::onChange(std::function<void(const QJsonValue&)> handler) {
    if (!m_entry)
        return;
    handler(value());
    m_subscription = m_defaults.observe(
        std::vector<settings::KeyRef>{settings::KeyRef(m_entry->name, m_entry->suite)},
        [this, handler = std::move(handler)] { handler(value()); });
}

} // namespace ruvo::views
