// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/DesktopSettings.h"

#include <QProcess>
#include <QStandardPaths>
#include <array>

namespace ruvo::views {

namespace {

struct Row {
    const char* desktop; // a name in XDG_CURRENT_DESKTOP
    const char* program;
    const char* dateAndTime;
    const char* languageAndRegion;
};

constexpr std::array kRows{
    Row{"GNOME", "gnome-control-center", "datetime", "region"},
    Row{"Unity", "gnome-control-center", "datetime", "region"},
    Row{"KDE", "systemsettings", "kcm_clock", "kcm_regionandlang"},
    Row{"X-Cinnamon", "cinnamon-settings", "calendar", "languages"},
    Row{"MATE", "mate-time-admin", "", ""},
};

} // namespace

std::optional<SettingsCommand> settingsCommand(const QString& currentDesktop, SettingsPage page) {
    const QStringList names = currentDesktop.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString& name : names) {
        for (const Row& row : kRows) {
            if (name.compare(QLatin1String(row.desktop), Qt::CaseInsensitive) != 0)
                continue;
            const char* argument =
                page == SettingsPage::dateAndTime ? row.dateAndTime : row.languageAndRegion;
            if (page == SettingsPage::languageAndRegion && !*argument)
                return std::nullopt;
            SettingsCommand command{QString::fromLatin1(row.program), {}};
            if (*argument)
                command.arguments << QString::fromLatin1(argument);
            return command;
        }
    }
    return std::nullopt;
}

bool openSettingsPage(const SettingsCommand& command) {
    const QString program = QStandardPaths::findExecutable(command.program);
    return !program.isEmpty() && QProcess::startDetached(program, command.arguments);
}

} // namespace ruvo::views
