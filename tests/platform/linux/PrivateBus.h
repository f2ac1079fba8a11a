// SPDX-License-Identifier: GPL-3.0-or-later
// A private D-Bus daemon for one test: started here, stopped when the object goes. It starts
// only the services whose files a test names (none by default), so no other service of the
// machine (a desktop's notification server) answers in place of a test's own peer.
#pragma once

#include <QDBusConnection>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

namespace ruvo::test {

class PrivateBus {
public:
    explicit PrivateBus(const QStringList& serviceFiles = {}) {
        const QString services = m_folder.filePath(QStringLiteral("services"));
        QDir().mkpath(services);
        for (const QString& path : serviceFiles)
            QFile::link(path, services + QLatin1Char('/') + QFileInfo(path).fileName());
        const QString config = m_folder.filePath(QStringLiteral("bus.conf"));
        QFile file(config);
        if (!file.open(QIODevice::WriteOnly))
            return;
        file.write(QStringLiteral("<busconfig><type>session</type>"
                                  "<listen>unix:dir=%1</listen><auth>EXTERNAL</auth>"
                                  "<servicedir>%2</servicedir>"
                                  "<policy context=\"default\"><allow send_destination=\"*\"/>"
                                  "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy>"
                                  "</busconfig>")
                       .arg(m_folder.path(), services)
                       .toUtf8());
        file.close();
        m_daemon.start(QStringLiteral("dbus-daemon"),
                       {QStringLiteral("--config-file=") + config, QStringLiteral("--nofork"),
                        QStringLiteral("--nopidfile"), QStringLiteral("--print-address")});
        if (m_daemon.waitForStarted(5000) && m_daemon.waitForReadyRead(5000))
            m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    }
    ~PrivateBus() {
        for (const QString& name : m_connections)
            QDBusConnection::disconnectFromBus(name);
        m_daemon.terminate();
        m_daemon.waitForFinished(5000);
    }
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;

    bool isRunning() const { return !m_address.isEmpty(); }
    const QString& address() const { return m_address; }

    // A new connection of the test (a panel, a watcher, a fake system service).
    QDBusConnection connect(const QString& name) {
        m_connections << name;
        return QDBusConnection::connectToBus(m_address, name);
    }

private:
    QTemporaryDir m_folder;
    QProcess m_daemon;
    QString m_address;
    QStringList m_connections;
};

} // namespace ruvo::test
