// SPDX-License-Identifier: GPL-3.0-or-later
// Learns that the system's zone changed: /etc/localtime is replaced (timedatectl, the
// desktop's settings) and timedated announces its Timezone property. Either source alone
// suffices; the event is sent once per actual change of the zone.
#pragma once

#include <QDBusConnection>
#include <QFileSystemWatcher>
#include <QObject>

namespace ruvo::platform {

class LocalTimeZoneWatcher : public QObject {
    Q_OBJECT
public:
    // `localtimePath` is /etc/localtime outside tests; `systemBus` may be disconnected.
    LocalTimeZoneWatcher(QString localtimePath, const QDBusConnection& systemBus,
                         QObject* parent = nullptr);

    // The zone the link names ("Europe/Berlin"), else empty.
    QString currentZone() const;

Q_SIGNALS:
    void timeZoneChanged();

private Q_SLOTS:
    void onTimedatePropertiesChanged(const QString& interface, const QVariantMap& changed,
                                     const QStringList& invalidated);

private:
    void check();
    void watch();

    QString m_path;
    QString m_zone;
    QByteArray m_content;
    QFileSystemWatcher m_watcher;
};

} // namespace ruvo::platform
