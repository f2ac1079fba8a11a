// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/DBusApplication.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>

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

std::optional<QString> DBusApplication::activateRunningAction(const QString& action,
                                                              const QVariantList& parameter) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        kServiceName, kObjectPath, QStringLiteral("org.freedesktop.Application"),
        QStringLiteral("ActivateAction"));
    QVariantList wrapped; // "av": each value travels as a variant
    for (const QVariant& value : parameter)
        wrapped << QVariant::fromValue(QDBusVariant(value));
    call << action << QVariant::fromValue(wrapped) << QVariantMap{};
    const QDBusMessage reply = QDBusConnection::sessionBus().call(call, QDBus::Block, 5000);
    if (reply.type() == QDBusMessage::ReplyMessage)
        return std::nullopt;
    return reply.errorMessage().isEmpty() ? reply.errorName() : reply.errorMessage();
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

void DBusApplicationAdaptor::ActivateAction(const QString& action, const QVariantList& parameter,
                                            const QVariantMap&) {
    if (!m_application->onAction) {
        m_application->sendErrorReply(QDBusError::NotSupported);
        return;
    }
    QVariantList values; // unwrapped from their D-Bus variants
    for (const QVariant& value : parameter)
        values << (value.canConvert<QDBusVariant>() ? value.value<QDBusVariant>().variant()
                                                    : value);
    if (auto failure = m_application->onAction(action, values))
        m_application->sendErrorReply(failure->name, failure->message);
}

} // namespace ruvo::platform
