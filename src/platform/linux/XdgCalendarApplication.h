// SPDX-License-Identifier: GPL-3.0-or-later
// The default calendar application of a freedesktop.org desktop: the `text/calendar` handler
// of the mimeapps.list files (desktop-specific lists first, user before system), else an
// installed application that declares the type. Applications known to take a day on their
// command line are started at it; any other is started as its Exec line says. Programs are
// started directly, never through a shell.
#pragma once

#include "platform/CalendarApplication.h"

#include <QStringList>
#include <functional>
#include <optional>

namespace ruvo::platform {

struct XdgDirectories {
    QString configHome;     // $XDG_CONFIG_HOME
    QStringList configDirs; // $XDG_CONFIG_DIRS
    QString dataHome;       // $XDG_DATA_HOME
    QStringList dataDirs;   // $XDG_DATA_DIRS
    QStringList desktops;   // $XDG_CURRENT_DESKTOP, lower case ("gnome", "kde")

    static XdgDirectories fromEnvironment();
};

// What a desktop entry says about an application.
struct DesktopApplication {
    QString desktopId; // "org.gnome.Calendar.desktop"
    QString name;
    QStringList command; // the Exec line split into words, field codes removed
};

class XdgCalendarApplication final : public CalendarApplication {
public:
    using Launcher = std::function<bool(const QString& program, const QStringList& arguments)>;

    explicit XdgCalendarApplication(XdgDirectories directories, Launcher launcher = {});

    CalendarApplicationResult openAtDate(QDate day) override;

    // The application that opens `text/calendar`, if any.
    std::optional<DesktopApplication> defaultApplication() const;
    // The command that opens `app` at `day`; empty when the application takes no day.
    static QStringList commandAtDate(const DesktopApplication& app, QDate day);

private:
    std::optional<DesktopApplication> application(const QString& desktopId) const;
    QStringList mimeappsFiles() const;
    QStringList applicationDirectories() const;
    std::optional<DesktopApplication> anyDeclaringApplication() const;

    XdgDirectories m_directories;
    Launcher m_launcher;
};

// "gnome-calendar --date %u" -> {"gnome-calendar", "--date"}; quotes and escapes as the
// desktop entry specification writes them.
QStringList splitExecLine(const QString& exec);

} // namespace ruvo::platform
