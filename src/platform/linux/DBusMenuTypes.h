// SPDX-License-Identifier: GPL-3.0-or-later
// The wire types of com.canonical.dbusmenu: a layout node (ia{sv}av) whose children are
// variants holding nodes, and the property rows of GetGroupProperties (a(ia{sv})).
#pragma once

#include <QDBusArgument>
#include <QList>
#include <QVariantMap>

namespace ruvo::platform {

struct DBusMenuLayoutItem {
    int id = 0;
    QVariantMap properties;
    QList<DBusMenuLayoutItem> children;
};

struct DBusMenuItemProperties {
    int id = 0;
    QVariantMap properties;
};
using DBusMenuItemPropertiesList = QList<DBusMenuItemProperties>;

struct DBusMenuItemKeys {
    int id = 0;
    QStringList names;
};
using DBusMenuItemKeysList = QList<DBusMenuItemKeys>;

struct DBusMenuEvent {
    int id = 0;
    QString eventId;
    QDBusVariant data;
    uint timestamp = 0;
};
using DBusMenuEventList = QList<DBusMenuEvent>;

// Registers the types with Qt D-Bus; safe to call more than once.
void registerDBusMenuTypes();

QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuLayoutItem& item);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuLayoutItem& item);
QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuItemProperties& item);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuItemProperties& item);
QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuItemKeys& item);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuItemKeys& item);
QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuEvent& event);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuEvent& event);

} // namespace ruvo::platform

Q_DECLARE_METATYPE(ruvo::platform::DBusMenuLayoutItem)
Q_DECLARE_METATYPE(ruvo::platform::DBusMenuItemProperties)
Q_DECLARE_METATYPE(ruvo::platform::DBusMenuItemKeys)
Q_DECLARE_METATYPE(ruvo::platform::DBusMenuEvent)
