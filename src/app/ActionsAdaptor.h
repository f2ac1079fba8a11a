// SPDX-License-Identifier: GPL-3.0-or-later
// The automation actions on the session bus: interface io.github.ruvo.Actions1 on the
// program's object. A failed action answers with its io.github.ruvo.Error.* name and text;
// a call with arguments of the wrong types never reaches a slot (the bus library answers it
// with org.freedesktop.DBus.Error.UnknownMethod).
#pragma once

#include "automation/Actions.h"
#include "platform/linux/DBusApplication.h"

#include <QDBusAbstractAdaptor>
#include <QVariantMap>

namespace ruvo::app {

class ActionsAdaptor final : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "io.github.ruvo.Actions1")
public:
    static const QString kInterface;

    // Exported on the application's path, which is registered with ExportAdaptors.
    ActionsAdaptor(platform::DBusApplication* application, automation::Actions& actions);

public Q_SLOTS:
    bool JoinVideoCall();
    QList<QVariantMap> GetTimeZones();
    QVariantMap GetTimeZone(const QString& id);
    bool GetHourlyChimeState();
    void SetHourlyChimeState(bool shouldToggle, bool isEnabled);
    bool GetFullscreenNotificationsState();
    void SetFullscreenNotificationsState(bool shouldToggle, bool isEnabled);
    QString GetSound(const QString& name);

private:
    // The value, or an error reply and an empty value.
    template <typename T> T answer(const automation::ActionResult<T>& result);
    void answer(const automation::ActionStatus& status);

    platform::DBusApplication* m_application; // the call's context
    automation::Actions& m_actions;
};

} // namespace ruvo::app
