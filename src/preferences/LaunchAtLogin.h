// SPDX-License-Identifier: GPL-3.0-or-later
// Starting Ruvo when the user logs in: an XDG autostart entry in $XDG_CONFIG_HOME/autostart.
// The entry Ruvo writes carries a marker line; an entry without it was written by the user
// (or their desktop's settings) and is never removed or rewritten here.
#pragma once

#include "kit/Result.h"

#include <QString>

namespace ruvo::preferences {

class LaunchAtLogin {
public:
    // `folder` is the autostart folder, `command` the line that starts the program.
    LaunchAtLogin(QString folder, QString command);

    static QString defaultFolder();
    QString entryPath() const;

    // Whether the desktop starts Ruvo at login: an entry exists and is not hidden.
    bool isEnabled() const;
    kit::Result<void> setEnabled(bool enabled);

private:
    QString m_folder;
    QString m_command;
};

} // namespace ruvo::preferences
