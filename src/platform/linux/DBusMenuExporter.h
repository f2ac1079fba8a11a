// SPDX-License-Identifier: GPL-3.0-or-later
// A small com.canonical.dbusmenu server: a flat list of entries (labels, separators) under
// one root, exported at a path of one connection. Choosing an entry calls back with its id.
#pragma once

#include "platform/StatusItem.h"
#include "platform/linux/DBusMenuTypes.h"

#include <QDBusConnection>
#include <QObject>

namespace ruvo::platform {

class DBusMenuExporter : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.canonical.dbusmenu")
    Q_PROPERTY(uint Version READ version)
    Q_PROPERTY(QString TextDirection READ textDirection)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(QStringList IconThemePath READ iconThemePath)
public:
    DBusMenuExporter(QDBusConnection connection, QString path, QObject* parent = nullptr);

    bool isExported() const { return m_isExported; }
    void setEntries(const std::vector<StatusMenuEntry>& entries);
    void onChosen(std::function<void(const QString& id)> handler) { m_chosen = std::move(handler); }

    uint version() const { return 3; }
    QString textDirection() const { return QStringLiteral("ltr"); }
    QString status() const { return QStringLiteral("normal"); }
    QStringList iconThemePath() const { return {}; }

public Q_SLOTS:
    uint GetLayout(int parentId, int recursionDepth, const QStringList& propertyNames,
                   ruvo::platform::DBusMenuLayoutItem& layout);
    ruvo::platform::DBusMenuItemPropertiesList GetGroupProperties(const QList<int>& ids,
                                                                  const QStringList& names);
    QDBusVariant GetProperty(int id, const QString& name);
    void Event(int id, const QString& eventId, const QDBusVariant& data, uint timestamp);
    QList<int> EventGroup(const ruvo::platform::DBusMenuEventList& events);
    bool AboutToShow(int id);
    QList<int> AboutToShowGroup(const QList<int>& ids, QList<int>& idErrors);

Q_SIGNALS:
    void ItemsPropertiesUpdated(const ruvo::platform::DBusMenuItemPropertiesList& updated,
                                const ruvo::platform::DBusMenuItemKeysList& removed);
    void LayoutUpdated(uint revision, int parent);
    void ItemActivationRequested(int id, uint timestamp);

private:
    QVariantMap propertiesOf(int id) const;
    DBusMenuLayoutItem root(int depth) const;

    QDBusConnection m_connection;
    std::vector<StatusMenuEntry> m_entries; // entry i has id i + 1
    uint m_revision = 1;
    bool m_isExported = false;
    std::function<void(const QString&)> m_chosen;
};

} // namespace ruvo::platform
