// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's own settings pages for date and time and for language and region, where the
// desktop has them (from XDG_CURRENT_DESKTOP).
#pragma once

#include <QStringList>
#include <optional>

namespace ruvo::views {

enum class SettingsPage { dateAndTime, languageAndRegion };

struct SettingsCommand {
    QString program;
    QStringList arguments;
};

// The command that opens `page` on `currentDesktop`; nothing where none is known.
std::optional<SettingsCommand> settingsCommand(const QString& currentDesktop, SettingsPage page);

// Starts the command detached (never through a shell); false when the program is missing.
bool openSettingsPage(const SettingsCommand& command);

} // namespace ruvo::views
