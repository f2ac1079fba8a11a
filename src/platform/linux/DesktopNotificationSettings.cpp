// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/DesktopNotificationSettings.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>

namespace ruvo::platform {

namespace {

struct Page {
    QLatin1String desktop;
    QStringList command;
};

// Plasma 6 and late Plasma 5 name the program "systemsettings", earlier Plasma 5
// "systemsettings5"; the first one installed is used.
const Page kPages[] = {
    {QLatin1String("GNOME"),
     {QStringLiteral("gnome-control-center"), QStringLiteral("notifications")}},
    {QLatin1String("Unity"),
     {QStringLiteral("gnome-control-center"), QStringLiteral("notifications")}},
    {QLatin1String("KDE"), {QStringLiteral("systemsettings"), QStringLiteral("kcm_notifications")}},
    {QLatin1String("KDE"),
     {QStringLiteral("systemsettings5"), QStringLiteral("kcm_notifications")}},
};

} // namespace

std::optional<QStringList>
notificationSettingsCommand(const QString& desktops,
                            const std::function<bool(const QString& program)>& isInstalled) {
    for (const QString& desktop : desktops.split(QLatin1Char(':'), Qt::SkipEmptyParts))
        for (const Page& page : kPages)
            if (desktop.trimmed().compare(page.desktop, Qt::CaseInsensitive) == 0 &&
                isInstalled(page.command.front()))
                return page.command;
    return std::nullopt;
}

namespace {

std::optional<QStringList> thisDesktopsCommand() {
    return notificationSettingsCommand(
        qEnvironmentVariable("XDG_CURRENT_DESKTOP"),
        [](const QString& program) { return !QStandardPaths::findExecutable(program).isEmpty(); });
}

} // namespace

bool DesktopNotificationSettings::exists() const {
    return thisDesktopsCommand().has_value();
}

kit::Result<void> DesktopNotificationSettings::open() {
    const auto command = thisDesktopsCommand();
    if (!command)
        return kit::Error{QCoreApplication::translate(
            "ruvo::platform::DesktopNotificationSettings",
            "Ruvo cannot open this desktop's notification settings. Look for Notifications in "
            "the desktop's settings, and make sure a notification service is running.")};
    if (!QProcess::startDetached(command->front(), command->mid(1)))
        return kit::Error{QCoreApplication::translate("ruvo::platform::DesktopNotificationSettings",
                                                      "Could not start %1.")
                              .arg(command->front())};
    return {};
}

} // namespace ruvo::platform
