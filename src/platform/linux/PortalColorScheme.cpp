// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/PortalColorScheme.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>

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
    if (!bus.isConnected())
        return;
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Read"));
    call << kGroup << kKey;
    const QDBusMessage reply = bus.call(call, QDBus::Block, 500);
    if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty())
        m_prefersDark = unwrap(reply.arguments().constFirst()) == 1;
    bus.connect(kService, kPath, kInterface, QStringLiteral("SettingChanged"), this,
                SLOT(onSettingChanged(QString, QString, QDBusVariant)));
}

void PortalColorScheme::onSettingChanged(const QString& group, const QString& key,
                                         const QDBusVariant& value) {
    if (group != kGroup || key != kKey)
        return;
    const bool dark = unwrap(value.variant()) == 1;
    if (dark == m_prefersDark)
        return;
    m_prefersDark = dark;
    changed.emit();
}

} // namespace ruvo::platform
