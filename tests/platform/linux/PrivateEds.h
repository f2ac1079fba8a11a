// SPDX-License-Identifier: GPL-3.0-or-later
// Evolution Data Server for a test: a temporary XDG tree, GSettings in memory, and a private
// session bus that activates EDS's own services (they inherit that environment), so the
// test never touches the user's calendars.
#pragma once

#include "PrivateBus.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <optional>

namespace ruvo::test {

class PrivateEds {
public:
    static constexpr auto kServiceDir = "/usr/share/dbus-1/services/";

    static bool isInstalled() {
        for (const char* name : {"org.gnome.evolution.dataserver.Sources5.service",
                                 "org.gnome.evolution.dataserver.Calendar8.service"})
            if (!QFile::exists(QString::fromLatin1(kServiceDir) + QLatin1String(name)))
                return false;
        return true;
    }

    PrivateEds() {
        for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
            qputenv(name, (m_home.path() + QLatin1Char('/') + QLatin1String(name)).toUtf8());
        qputenv("GSETTINGS_BACKEND", "memory");
        QStringList services;
        for (const QFileInfo& file :
             QDir(QString::fromLatin1(kServiceDir))
                 .entryInfoList({QStringLiteral("org.gnome.evolution.dataserver.*.service")}))
            services << file.filePath();
        m_bus.emplace(services);
        if (m_bus->isRunning())
            qputenv("DBUS_SESSION_BUS_ADDRESS", m_bus->address().toUtf8());
    }

    bool isRunning() const { return m_bus->isRunning(); }

private:
    QTemporaryDir m_home;
    std::optional<PrivateBus> m_bus;
};

} // namespace ruvo::test
