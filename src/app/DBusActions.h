// SPDX-License-Identifier: GPL-3.0-or-later
// The actions of a running Ruvo, asked over the session bus: what the command line uses
// while the program runs, so its settings change in one place.
#pragma once

#include "automation/Actions.h"

#include <QDBusConnection>
#include <memory>

namespace ruvo::app {

class DBusActions final : public automation::Actions {
public:
    DBusActions(QDBusConnection connection, QString service);

    // The running program's actions; none when no one owns the name. Never starts the
    // program through bus activation: without it, the caller acts on the settings itself.
    static std::unique_ptr<automation::Actions> ifRunning(QDBusConnection connection,
                                                          const QString& service);

    automation::ActionResult<bool> joinVideoCall() override;
    automation::ActionResult<std::vector<automation::TimeZoneEntity>> timeZones() override;
    automation::ActionResult<automation::TimeZoneEntity> timeZone(const QString& id) override;
    automation::ActionResult<bool> isEnabled(automation::Switch which) override;
    automation::ActionStatus setEnabled(automation::Switch which, bool shouldToggle,
                                        bool isEnabled) override;
    automation::ActionResult<QString> soundFile(const QString& name) override;

private:
    QDBusMessage call(const QString& method, const QVariantList& arguments = {}) const;

    QDBusConnection m_connection;
    QString m_service;
};

} // namespace ruvo::app
