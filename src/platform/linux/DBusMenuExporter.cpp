// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/DBusMenuExporter.h"

#include "platform/linux/PlatformLog.h"

namespace ruvo::platform {

DBusMenuExporter::DBusMenuExporter(QDBusConnection connection, QString path, QObject* parent)
    : QObject(parent), m_connection(std::move(connection)) {
    registerDBusMenuTypes();
    m_isExported = m_connection.registerObject(path, this,
                                               QDBusConnection::ExportAllSlots |
                                                   QDBusConnection::ExportAllSignals |
                                                   QDBusConnection::ExportAllProperties);
    if (!m_isExported)
        qCWarning(lcPlatform) << "cannot export the item's menu at" << path;
}

void DBusMenuExporter::setEntries(const std::vector<StatusMenuEntry>& entries) {
    m_entries = entries;
    Q_EMIT LayoutUpdated(++m_revision, 0);
}

QVariantMap DBusMenuExporter::propertiesOf(int id) const {
    if (id == 0)
        return {{QStringLiteral("children-display"), QStringLiteral("submenu")}};
    const StatusMenuEntry& entry = m_entries.at(static_cast<std::size_t>(id - 1));
    if (entry.id.isEmpty())
        return {{QStringLiteral("type"), QStringLiteral("separator")}};
    // Labels are plain text; in a dbusmenu label "_" marks the access key, "__" is one "_".
    QString label = entry.label;
    label.replace(QLatin1Char('_'), QStringLiteral("__"));
    QVariantMap properties{{QStringLiteral("label"), label},
                           {QStringLiteral("enabled"), entry.isEnabled},
                           {QStringLiteral("visible"), true}};
    if (entry.isChecked) {
        properties.insert(QStringLiteral("toggle-type"), QStringLiteral("checkmark"));
        properties.insert(QStringLiteral("toggle-state"), *entry.isChecked ? 1 : 0);
    }
    return properties;
}

DBusMenuLayoutItem DBusMenuExporter::root(int depth) const {
    DBusMenuLayoutItem item{0, propertiesOf(0), {}};
    if (depth == 0)
        return item;
    for (int id = 1; id <= static_cast<int>(m_entries.size()); ++id)
        item.children.append(DBusMenuLayoutItem{id, propertiesOf(id), {}});
    return item;
}

uint DBusMenuExporter::GetLayout(int parentId, int recursionDepth, const QStringList&,
                                 DBusMenuLayoutItem& layout) {
    if (parentId == 0)
        layout = root(recursionDepth);
    else if (parentId > 0 && parentId <= static_cast<int>(m_entries.size()))
        layout = DBusMenuLayoutItem{parentId, propertiesOf(parentId), {}};
    return m_revision;
}

DBusMenuItemPropertiesList DBusMenuExporter::GetGroupProperties(const QList<int>& ids,
                                                                const QStringList& names) {
    DBusMenuItemPropertiesList result;
    for (int id : ids) {
        if (id < 0 || id > static_cast<int>(m_entries.size()))
            continue;
        QVariantMap properties = propertiesOf(id);
        if (!names.isEmpty())
            for (auto it = properties.begin(); it != properties.end();)
                it = names.contains(it.key()) ? std::next(it) : properties.erase(it);
        result.append(DBusMenuItemProperties{id, properties});
    }
    return result;
}

QDBusVariant DBusMenuExporter::GetProperty(int id, const QString& name) {
    if (id < 0 || id > static_cast<int>(m_entries.size()))
        return QDBusVariant(QVariant(QString()));
    return QDBusVariant(propertiesOf(id).value(name));
}

void DBusMenuExporter::Event(int id, const QString& eventId, const QDBusVariant&, uint) {
    if (eventId != QLatin1String("clicked") || id < 1 || id > static_cast<int>(m_entries.size()))
        return;
    const QString chosen = m_entries.at(static_cast<std::size_t>(id - 1)).id;
    // Called back on the next turn: the handler may change the menu that is answering.
    if (m_chosen && !chosen.isEmpty())
        QMetaObject::invokeMethod(
            this, [this, chosen] { m_chosen(chosen); }, Qt::QueuedConnection);
}

QList<int> DBusMenuExporter::EventGroup(const DBusMenuEventList& events) {
    for (const DBusMenuEvent& e : events)
        Event(e.id, e.eventId, e.data, e.timestamp);
    return {};
}

bool DBusMenuExporter::AboutToShow(int) {
    return false;
}

QList<int> DBusMenuExporter::AboutToShowGroup(const QList<int>&, QList<int>& idErrors) {
    idErrors.clear();
    return {};
}

} // namespace ruvo::platform
