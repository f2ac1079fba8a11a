// SPDX-License-Identifier: GPL-3.0-or-later
// The calendars (or reminder lists) of the user's store, grouped under the folder the user
// added or the account they come from, each with its colour and a switch that puts its
// identifier in the key's set.
// Used for the calendars shown in the window and for the calendars an alert watches.
#pragma once

#include "platform/CalendarTypes.h"
#include "views/preferences/KeyBinding.h"
#include "views/preferences/SettingsServices.h"

#include <QTreeWidget>

namespace ruvo::views {

class CalendarChecklist final : public QTreeWidget {
    Q_OBJECT
public:
    CalendarChecklist(KeyBinding& binding, const SettingsServices& services,
                      platform::EntityType kind, const QString& label, QWidget* parent = nullptr);

    // Reads the store's calendars again (after a folder was added).
    void reload();

private:
    static QString headingTitle(const preferences::CalendarGroup& group);
    static void addCalendar(QTreeWidgetItem* heading, const platform::Calendar& c);
    void showChecks(const QJsonValue& enabled);
    void storeChecks();

    KeyBinding& m_binding;
    const SettingsServices& m_services;
    platform::EntityType m_kind;
};

} // namespace ruvo::views
