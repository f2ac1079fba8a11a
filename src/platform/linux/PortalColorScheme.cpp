// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/PortalColorScheme.h"

#include "platform/linux/KdeColorFile.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>

namespace ruvo::platform {

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString kGroup = QStringLiteral("org.freedesktop.appearance");
const QString kKey = QStringLiteral("color-scheme");

// The portal wraps the value in one or two variants depending on its version.
uint unwrap(QVariant value) {
    while (value.canConvert<QDBusVariant>() && value.userType() == qMetaTypeId<QDBusVariant>())
        value = value.value<QDBusVariant>().variant();
    return value.toUInt();
}

} // namespace

PortalColorScheme::PortalColorScheme(QObject* parent) : QObject(parent) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        followKdeColours();
        return;
    }
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Read"));
    call << kGroup << kKey;
    const QDBusMessage reply = bus.call(call, QDBus::Block, 500);
    if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty())
        m_prefersDark = unwrap(reply.arguments().constFirst()) == 1;
    else
        followKdeColours();
    bus.connect(kService, kPath, kInterface, QStringLiteral("SettingChanged"), this,
                SLOT(onSettingChanged(QString, QString, QDBusVariant)));
}

void PortalColorScheme::onSettingChanged(const QString& group, const QString& key,
                                         const QDBusVariant& value) {
    if (group != kGroup || key != kKey)
        return;
    setPrefersDark(unwrap(value.variant()) == 1);
}

void PortalColorScheme::setPrefersDark(bool dark) {
    if (dark == m_prefersDark)
        return;
    m_prefersDark = dark;
    changed.emit();
}

void PortalColorScheme::followKdeColours() {
    const QString path = kdeGlobalsPath();
    if (!QFileInfo::exists(path))
        return;
    // KDE replaces the file on every change: its folder is watched, and the file again.
    m_kdeColours = new QFileSystemWatcher({path, QFileInfo(path).path()}, this);
    connect(m_kdeColours, &QFileSystemWatcher::fileChanged, this, [this] { readKdeColours(); });
    connect(m_kdeColours, &QFileSystemWatcher::directoryChanged, this, [this, path] {
        if (!m_kdeColours->files().contains(path) && QFileInfo::exists(path))
            m_kdeColours->addPath(path);
        readKdeColours();
    });
    readKdeColours();
}

void PortalColorScheme::readKdeColours() {
    QFile file(kdeGlobalsPath());
    if (file.size() > 4 * 1024 * 1024 || !file.open(QIODevice::ReadOnly))
        return;
    if (const auto dark = kdeColorsPreferDark(QString::fromUtf8(file.readAll())))
        setPrefersDark(*dark);
}

} // namespace ruvo::platform
