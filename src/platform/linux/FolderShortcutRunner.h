// SPDX-License-Identifier: GPL-3.0-or-later
// The user's shortcuts as executable files in a folder ("shortcuts" in the settings folder,
// $XDG_CONFIG_HOME/ruvo/shortcuts unless --config-dir names another).
// A file's name is the shortcut's name, and its identifier is derived from that name, so a
// choice stored in the settings survives a restart and follows the file, not its position.
// A shortcut runs detached, never through a shell, with its input on standard input.
#pragma once

#include "platform/ShortcutRunner.h"

#include <optional>

namespace ruvo::platform {

class FolderShortcutRunner final : public ShortcutRunner {
public:
    explicit FolderShortcutRunner(QString folder) : m_folder(std::move(folder)) {}

    // The shortcuts folder of the settings folder `configDirectory`.
    static QString folderIn(const QString& configDirectory);
    // The identifier the file `name` is stored under.
    static QUuid idForName(const QString& name);

    // Executable regular files (or links to them) by name; hidden files are skipped.
    std::vector<UserShortcut> shortcuts() const override;
    void runInBackground(const QUuid& shortcut, const QByteArray& inputJson) override;

    // Why the shortcut cannot run, with the texts the log shows; none when it started.
    std::optional<QString> run(const QUuid& shortcut, const QByteArray& inputJson) const;

private:
    QString m_folder;
};

} // namespace ruvo::platform
