// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/DBusApplication.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>

namespace ruvo::platform {

const QString DBusApplication::kServiceName = QStringLiteral("io.github.ruvo.Ruvo");
const QString DBusApplication::kObjectPath = QStringLiteral("/io/github/ruvo/Ruvo");

DBusApplication::DBusApplication(QObject* parent) : QObject(parent) {
    new DBusApplicationAdaptor(this);
}

bool DBusApplication::registerInstance() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return true;
    if (!bus.registerService(kServiceName))
        return false;
    bus.registerObject(kObjectPath, this, QDBusConnection::ExportAdaptors);
    return true;
}

bool DBusApplication::activateRunningInstance(const QStringList& uris) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        kServiceName, kObjectPath, QStringLiteral("org.freedesktop.Application"),
        uris.isEmpty() ? QStringLiteral("Activate") : QStringLiteral("Open"));
    if (!uris.isEmpty())
        call << uris;
    call << QVariantMap{};
    const QDBusMessage reply = QDBusConnection::sessionBus().call(call, QDBus::Block, 2000);
    return reply.type() == QDBusMessage::ReplyMessage;
}

DBusApplicationAdaptor::DBusApplicationAdaptor(DBusApplication* application)
    : QDBusAbstractAdaptor(application), m_application(application) {}

void DBusApplicationAdaptor::Activate(const QVariantMap&) {
    if (m_application->onActivate)
        m_application->onActivate();
}

void DBusApplicationAdaptor::Open(const QStringList& uris, const QVariantMap& platformData) {
    if (uris.isEmpty() || !m_application->onOpen)
        Activate(platformData);
    else
        m_application->onOpen(uris);
}

void DBusApplicationAdaptor::ActivateAction(const QString& action, const QVariantList&,
                                            const QVariantMap&) {
    if (!m_application->onAction) {
        m_application->sendErrorReply(QDBusError::NotSupported);
        return;
    }
    if (auto failure = m_application->onAction(action))
        m_application->sendErrorReply(failure->name, failure->message);
}

} // namespace ruvo::platform
