// SPDX-License-Identifier: GPL-3.0-or-later
#include "onboarding/CalendarsFound.h"

#include <QCoreApplication>

namespace ruvo::onboarding {

namespace {

// A path inside a command for a POSIX shell: single quotes, with each quote of its own closed,
// escaped and reopened.
QString shellQuoted(const QString& path) {
    QString quoted = path;
    quoted.replace(QLatin1Char('\''), QLatin1String("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

QString lineOf(const platform::FoundFolder& folder) {
    const QString count = QCoreApplication::translate("CalendarsFound", "%n calendar(s)", nullptr,
                                                      int(folder.calendars.size()));
    return folder.isAdded
               ? QCoreApplication::translate("CalendarsFound", "%1 (%2): %3, already shown")
                     .arg(folder.path, folder.origin, count)
               : QCoreApplication::translate("CalendarsFound", "%1 (%2): %3, not added yet")
                     .arg(folder.path, folder.origin, count);
}

} // namespace

CalendarsFound describeCalendarsFound(const platform::SetupDiscovery& setup) {
    CalendarsFound found;
    if (setup.hasEdsRegistry)
        found.lines << QCoreApplication::translate(
            "CalendarsFound", "The calendars of your online accounts and of Evolution are shown "
                              "without any set-up.");
    bool hasNewVdirsyncerFolder = false;
    for (const platform::FoundFolder& folder : setup.folders) {
        found.lines << lineOf(folder);
        if (folder.isAdded || folder.calendars.isEmpty())
            continue;
        if (folder.origin == QLatin1String("vdirsyncer"))
            hasNewVdirsyncerFolder = true;
        else
            found.commands << QStringLiteral("ruvo calendars add ") + shellQuoted(folder.path);
    }
    if (hasNewVdirsyncerFolder)
        found.commands.prepend(QStringLiteral("ruvo calendars add --vdirsyncer"));
    return found;
}

} // namespace ruvo::onboarding
