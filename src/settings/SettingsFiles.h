// SPDX-License-Identifier: GPL-3.0-or-later
// The program's two suites and the typed store over them, in one owner.
// The standard suite is <folder>/settings.plist, the shared group suite (read by the
// program's other processes) <folder>/group.shared.plist; the folder is
// $XDG_CONFIG_HOME/ruvo unless the command line names another.
#pragma once

#include "kit/Scheduler.h"
#include "settings/Defaults.h"
#include "settings/Suite.h"

#include <memory>

namespace ruvo::settings {

class SettingsFiles {
public:
    // Opens (and creates on first write) the suites in `folder`; registers every default.
    // With a scheduler, a file another program leaves unreadable gets a pause to become
    // whole before it is set aside.
    static std::unique_ptr<SettingsFiles> open(const QString& folder,
                                               kit::Scheduler* scheduler = nullptr);
    // Suites that live in memory only (tests).
    static std::unique_ptr<SettingsFiles> inMemory();

    static QString defaultFolder();

    Defaults& defaults() { return m_defaults; }
    Suite& standard() { return m_standard; }
    Suite& sharedGroup() { return m_sharedGroup; }
    const QString& folder() const { return m_folder; }

private:
    SettingsFiles(QString folder, std::unique_ptr<SuiteStorage> standard,
                  std::unique_ptr<SuiteStorage> shared);

    QString m_folder;
    Suite m_standard;
    Suite m_sharedGroup;
    Defaults m_defaults;
};

} // namespace ruvo::settings
