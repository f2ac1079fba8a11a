// SPDX-License-Identifier: GPL-3.0-or-later
// The diagnostic log: every Qt log message goes to standard error and to a file under
// $XDG_STATE_HOME/ruvo/ (kept below 1 MB by rolling over to ruvo.log.1).
// Each library has its own category (ruvo.kit, ruvo.settings, ...) so users can turn on
// what they need with QT_LOGGING_RULES.
#pragma once

#include <QLoggingCategory>
#include <QString>

Q_DECLARE_LOGGING_CATEGORY(lcKit)

namespace ruvo::kit {

// The folder for state files: $XDG_STATE_HOME/ruvo, else ~/.local/state/ruvo.
QString stateDirectory();

// Installs the handler. `filePath` empty means stateDirectory()/ruvo.log. Messages at or
// above `standardErrorThreshold` also go to standard error (the command line passes
// QtWarningMsg: its standard error belongs to the user).
void installLog(const QString& filePath = {}, QtMsgType standardErrorThreshold = QtDebugMsg);

QString logFilePath();

} // namespace ruvo::kit
