// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/SettingsFiles.h"

#include "settings/Catalogue.h"
#include "settings/PlistFileStorage.h"

#include <QDir>

namespace ruvo::settings {

SettingsFiles::SettingsFiles(QString folder, std::unique_ptr<SuiteStorage> standard,
                             std::unique_ptr<SuiteStorage> shared)
    : m_folder(std::move(folder)), m_standard(QStringLiteral("standard"), std::move(standard)),
      m_sharedGroup(QStringLiteral("group.shared"), std::move(shared)),
      m_defaults(m_standard, m_sharedGroup) {
    registerAllDefaults(m_defaults);
}

std::unique_ptr<SettingsFiles> SettingsFiles::open(const QString& folder,
                                                   kit::Scheduler* scheduler) {
    const QString dir = QDir(folder).absolutePath();
    return std::unique_ptr<SettingsFiles>(new SettingsFiles(
        dir, std::make_unique<PlistFileStorage>(dir + QStringLiteral("/settings.plist"), scheduler),
        std::make_unique<PlistFileStorage>(dir + QStringLiteral("/group.shared.plist"),
                                           scheduler)));
}

std::unique_ptr<SettingsFiles> SettingsFiles::inMemory() {
    return std::unique_ptr<SettingsFiles>(new SettingsFiles(QString(), nullptr, nullptr));
}

QString SettingsFiles::defaultFolder() {
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/ruvo");
}

} // namespace ruvo::settings
