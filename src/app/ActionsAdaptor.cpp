// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ActionsAdaptor.h"

#include <QDBusMetaType>

namespace ruvo::app {

using automation::Switch;

const QString ActionsAdaptor::kInterface = QStringLiteral("io.github.ruvo.Actions1");

ActionsAdaptor::ActionsAdaptor(platform::DBusApplication* application, automation::Actions& actions)
    : QDBusAbstractAdaptor(application), m_application(application), m_actions(actions) {
    qDBusRegisterMetaType<QList<QVariantMap>>();
}

template <typename T> T ActionsAdaptor::answer(const automation::ActionResult<T>& result) {
    if (result)
        return *result;
    m_application->sendErrorReply(result.error().name, result.error().message);
    return T{};
}

void ActionsAdaptor::answer(const automation::ActionStatus& status) {
    if (status)
        m_application->sendErrorReply(status->name, status->message);
}

bool ActionsAdaptor::JoinVideoCall() {
    return answer(m_actions.joinVideoCall());
}

QList<QVariantMap> ActionsAdaptor::GetTimeZones() {
    const auto entities = m_actions.timeZones();
    if (!entities) {
        m_application->sendErrorReply(entities.error().name, entities.error().message);
        return {};
    }
    QList<QVariantMap> maps;
    for (const automation::TimeZoneEntity& entity : *entities)
        maps << automation::toVariantMap(entity);
    return maps;
}

QVariantMap ActionsAdaptor::GetTimeZone(const QString& id) {
    const auto entity = m_actions.timeZone(id);
    if (!entity) {
        m_application->sendErrorReply(entity.error().name, entity.error().message);
        return {};
    }
    return automation::toVariantMap(*entity);
}

bool ActionsAdaptor::GetHourlyChimeState() {
    return answer(m_actions.isEnabled(Switch::hourlyChime));
}

void ActionsAdaptor::SetHourlyChimeState(bool shouldToggle, bool isEnabled) {
    answer(m_actions.setEnabled(Switch::hourlyChime, shouldToggle, isEnabled));
}

bool ActionsAdaptor::GetFullscreenNotificationsState() {
    return answer(m_actions.isEnabled(Switch::fullscreenNotifications));
}

void ActionsAdaptor::SetFullscreenNotificationsState(bool shouldToggle, bool isEnabled) {
    answer(m_actions.setEnabled(Switch::fullscreenNotifications, shouldToggle, isEnabled));
}

QString ActionsAdaptor::GetSound(const QString& name) {
    return answer(m_actions.soundFile(name));
}

} // namespace ruvo::app
