// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/preferences/CalendarChecklist.h"

#include <QDir>
#include <QHeaderView>
#include <QJsonArray>

namespace ruvo::views {

namespace {

constexpr int kIdentifierRole = Qt::UserRole;

} // namespace

CalendarChecklist::CalendarChecklist(KeyBinding& binding, const SettingsServices& services,
                                     platform::EntityType kind, const QString& label,
                                     QWidget* parent)
    : QTreeWidget(parent), m_binding(binding), m_services(services), m_kind(kind) {
    setAccessibleName(label);
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setTextElideMode(Qt::ElideMiddle); // a long folder keeps its last, telling part
    setMinimumHeight(90);
    setMaximumHeight(170);
    reload();
    connect(this, &QTreeWidget::itemChanged, this, [this] { storeChecks(); });
}

void CalendarChecklist::reload() {
    const QSignalBlocker quiet(this);
    clear();
    const auto all =
        m_services.calendars ? m_services.calendars() : std::vector<platform::Calendar>{};
    const auto folders = m_services.calendarFolders ? m_services.calendarFolders()
                                                    : std::vector<preferences::CalendarFolder>{};
    const auto groups = preferences::groupCalendars(all, m_kind, folders);
    for (const preferences::CalendarGroup& group : groups) {
        auto* heading = new QTreeWidgetItem(this, {headingTitle(group)});
        heading->setToolTip(0, group.source);
        heading->setFlags(Qt::ItemIsEnabled);
        QFont bold = heading->font(0);
        bold.setBold(true);
        heading->setFont(0, bold);
        for (const platform::Calendar& c : group.calendars)
            addCalendar(heading, c);
    }
    expandAll();
    if (groups.empty()) {
        auto* none = new QTreeWidgetItem(this, {m_kind == platform::EntityType::reminder
                                                    ? tr("No reminder lists found")
                                                    : tr("No calendars found")});
        none->setFlags(Qt::NoItemFlags);
    }
    m_binding.onChange([this](const QJsonValue& v) { showChecks(v); });
}

QString CalendarChecklist::headingTitle(const preferences::CalendarGroup& group) {
    if (group.isBuiltIn)
        return tr("On This Computer");
    if (group.source.isEmpty())
        return tr("Other");
    return preferences::folderTitle(group.source, QDir::homePath());
}

void CalendarChecklist::addCalendar(QTreeWidgetItem* heading, const platform::Calendar& c) {
    auto* item = new QTreeWidgetItem(heading, {c.title});
    item->setData(0, kIdentifierRole, c.identifier);
    item->setToolTip(0, c.source);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
    QPixmap swatch(12, 12);
    swatch.fill(QColor(c.colour.left(7)));
    item->setIcon(0, swatch);
}

void CalendarChecklist::showChecks(const QJsonValue& enabled) {
    const QSignalBlocker quiet(this);
    const QJsonArray ids = enabled.toArray();
    for (int s = 0; s < topLevelItemCount(); ++s)
        for (int i = 0; i < topLevelItem(s)->childCount(); ++i) {
            QTreeWidgetItem* item = topLevelItem(s)->child(i);
            item->setCheckState(0, ids.contains(item->data(0, kIdentifierRole).toString())
                                       ? Qt::Checked
                                       : Qt::Unchecked);
        }
}

void CalendarChecklist::storeChecks() {
    // Identifiers of calendars not listed now (a folder that is away) stay in the set.
    QStringList ids;
    for (const QJsonValue& id : m_binding.value().toArray())
        ids << id.toString();
    for (int s = 0; s < topLevelItemCount(); ++s)
        for (int i = 0; i < topLevelItem(s)->childCount(); ++i) {
            QTreeWidgetItem* item = topLevelItem(s)->child(i);
            const QString id = item->data(0, kIdentifierRole).toString();
            const bool isOn = item->checkState(0) == Qt::Checked;
            if (!isOn)
                ids.removeAll(id);
            else if (!ids.contains(id))
                ids.append(id);
        }
    m_binding.setValue(QJsonArray::fromStringList(ids));
}

} // namespace ruvo::views
