// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DBusActions.h"

#include "app/ActionsAdaptor.h"
#include "platform/linux/DBusApplication.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMetaType>

namespace ruvo::app {

using automation::ActionError;
using automation::ActionResult;
using automation::Switch;
using automation::TimeZoneEntity;

namespace {

// A join may wait for the desktop to open a link; the rest answer at once.
constexpr int kTimeoutMs = 10000;

ActionError errorOf(const QDBusMessage& reply) {
    if (reply.type() == QDBusMessage::ErrorMessage &&
        reply.errorName().startsWith(QLatin1String("io.github.ruvo.Error.")))
        return ActionError{reply.errorName(), reply.errorMessage()};
    return ActionError{
        automation::errors::kNotReachable,
        QCoreApplication::translate("DBusActions", "The running Ruvo did not answer: %1")
            .arg(reply.errorMessage())};
}

// The reply's only value, when it is of type T.
template <typename T> std::optional<T> only(const QDBusMessage& reply) {
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 1)
        return std::nullopt;
    const QVariant value = reply.arguments().constFirst();
    if (value.typeId() != qMetaTypeId<T>())
        return std::nullopt;
    return value.value<T>();
}

ActionError malformed() {
    return ActionError{automation::errors::kNotReachable,
                       QCoreApplication::translate("DBusActions",
                                                   "The running Ruvo gave an answer of the "
                                                   "wrong form.")};
}

template <typename T> ActionResult<T> valueOf(const QDBusMessage& reply) {
    if (reply.type() == QDBusMessage::ErrorMessage)
        return errorOf(reply);
    if (auto value = only<T>(reply))
        return *value;
    return malformed();
}

std::optional<TimeZoneEntity> entityFrom(const QVariant& value) {
    if (value.typeId() == qMetaTypeId<QDBusArgument>()) {
        QVariantMap map;
        value.value<QDBusArgument>() >> map;
        return automation::timeZoneEntityFrom(map);
    }
    return automation::timeZoneEntityFrom(value.toMap());
}

QString switchName(Switch which) {
    return which == Switch::hourlyChime ? QStringLiteral("HourlyChimeState")
                                        : QStringLiteral("FullscreenNotificationsState");
}

} // namespace

DBusActions::DBusActions(QDBusConnection connection, QString service)
    : m_connection(std::move(connection)), m_service(std::move(service)) {}

std::unique_ptr<automation::Actions> DBusActions::ifRunning(QDBusConnection connection,
                                                            const QString& service) {
    if (!connection.isConnected() || !connection.interface())
        return nullptr;
    const auto owned = connection.interface()->isServiceRegistered(service);
    if (!owned.isValid() || !owned.value())
        return nullptr;
    return std::make_unique<DBusActions>(std::move(connection), service);
}

QDBusMessage DBusActions::call(const QString& method, const QVariantList& arguments) const {
    QDBusMessage message = QDBusMessage::createMethodCall(
        m_service, platform::DBusApplication::kObjectPath, ActionsAdaptor::kInterface, method);
    message.setArguments(arguments);
    message.setAutoStartService(false);
    return m_connection.call(message, QDBus::BlockWithGui, kTimeoutMs);
}

ActionResult<bool> DBusActions::joinVideoCall() {
    return valueOf<bool>(call(QStringLiteral("JoinVideoCall")));
}

ActionResult<std::vector<TimeZoneEntity>> DBusActions::timeZones() {
    const QDBusMessage reply = call(QStringLiteral("GetTimeZones"));
    if (reply.type() == QDBusMessage::ErrorMessage)
        return errorOf(reply);
    if (reply.arguments().size() != 1 ||
        reply.arguments().constFirst().typeId() != qMetaTypeId<QDBusArgument>())
        return malformed();
    const auto argument = reply.arguments().constFirst().value<QDBusArgument>();
    if (argument.currentSignature() != QLatin1String("aa{sv}"))
        return malformed();
    QList<QVariantMap> maps;
    argument >> maps;
    std::vector<TimeZoneEntity> entities;
    for (const QVariantMap& map : maps) {
        auto entity = automation::timeZoneEntityFrom(map);
        if (!entity)
            return malformed();
        entities.push_back(*entity);
    }
    return entities;
}

ActionResult<TimeZoneEntity> DBusActions::timeZone(const QString& id) {
    const QDBusMessage reply = call(QStringLiteral("GetTimeZone"), {id});
    if (reply.type() == QDBusMessage::ErrorMessage)
        return errorOf(reply);
    if (reply.arguments().size() != 1)
        return malformed();
    if (auto entity = entityFrom(reply.arguments().constFirst()))
        return *entity;
    return malformed();
}

ActionResult<bool> DBusActions::isEnabled(Switch which) {
    return valueOf<bool>(call(QStringLiteral("Get") + switchName(which)));
}

automation::ActionStatus DBusActions::setEnabled(Switch which, bool shouldToggle, bool isEnabled) {
    const QDBusMessage reply = call(QStringLiteral("Set") + switchName(which),
                                    {QVariant(shouldToggle), QVariant(isEnabled)});
    if (reply.type() != QDBusMessage::ReplyMessage)
        return errorOf(reply);
    return std::nullopt;
}

ActionResult<QString> DBusActions::soundFile(const QString& name) {
    return valueOf<QString>(call(QStringLiteral("GetSound"), {name}));
}

} // namespace ruvo::app
