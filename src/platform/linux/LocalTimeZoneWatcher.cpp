// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/LocalTimeZoneWatcher.h"

#include "platform/linux/PlatformLog.h"

#include <QFile>
#include <QFileInfo>

namespace ruvo::platform {

namespace {

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

LocalTimeZoneWatcher::LocalTimeZoneWatcher(QString localtimePath, const QDBusConnection& systemBus,
                                           QObject* parent)
    : QObject(parent), m_path(std::move(localtimePath)), m_zone(currentZone()),
      m_content(contentOf(m_path)) {
    // The file is replaced by a rename: watch its folder, and the file while it exists.
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, [this] { check(); });
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, [this] { check(); });
    watch();
    const bool subscribed =
        systemBus.isConnected() &&
        QDBusConnection(systemBus).connect(
            QStringLiteral("org.freedesktop.timedate1"),
            QStringLiteral("/org/freedesktop/timedate1"),
            QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("PropertiesChanged"),
            this, SLOT(onTimedatePropertiesChanged(QString, QVariantMap, QStringList)));
    if (!subscribed)
        qCDebug(lcPlatform) << "timedated is not watched (no system bus); watching" << m_path;
}

QString LocalTimeZoneWatcher::currentZone() const {
    const QString target = QFileInfo(m_path).symLinkTarget();
    const int at = target.indexOf(QLatin1String("zoneinfo/"));
    return at < 0 ? QString() : target.mid(at + 9);
}

void LocalTimeZoneWatcher::watch() {
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!m_watcher.directories().contains(folder))
        m_watcher.addPath(folder);
    if (QFileInfo::exists(m_path) && !m_watcher.files().contains(m_path))
        m_watcher.addPath(m_path);
}

void LocalTimeZoneWatcher::onTimedatePropertiesChanged(const QString&, const QVariantMap& changed,
                                                       const QStringList& invalidated) {
    if (changed.contains(QStringLiteral("Timezone")) ||
        invalidated.contains(QStringLiteral("Timezone")))
        check();
}

void LocalTimeZoneWatcher::check() {
    watch();
    const QString zone = currentZone();
    const QByteArray content = contentOf(m_path);
    if (zone == m_zone && content == m_content)
        return;
    m_zone = zone;
    m_content = content;
    qCInfo(lcPlatform) << "system time zone changed to" << (zone.isEmpty() ? m_path : zone);
    Q_EMIT timeZoneChanged();
}

} // namespace ruvo::platform
