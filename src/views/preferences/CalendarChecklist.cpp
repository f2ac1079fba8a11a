// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/preferences/CalendarChecklist.h"

#include "views/preferences/ChecklistDelegate.h"

#include <QDir>
#include <QHeaderView>
#include <QJsonArray>
#include <QMap>

namespace ruvo::views {

namespace {

constexpr int kIdentifierRole = Qt::UserRole;

// A folder in the home folder is shown from "~", as the user would write it.
QString sourceTitle(const QString& source) {
    const QString home = QDir::homePath();
    if (source.startsWith(home + QLatin1Char('/')))
        return QLatin1Char('~') + source.mid(home.size());
    return source;
}

} // namespace

CalendarChecklist::CalendarChecklist(KeyBinding& binding, const SettingsServices& services,
                                     platform::EntityType kind, const QString& label,
                                     QWidget* parent)
    : QTreeWidget(parent), m_binding(binding), m_services(services), m_kind(kind) {
    setAccessibleName(label);
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setItemDelegate(new ChecklistDelegate(this));
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
    QMap<QString, QTreeWidgetItem*> sources;
    int shown = 0;
    for (const platform::Calendar& c : all) {
        if (c.kind != m_kind)
            continue;
        ++shown;
        QTreeWidgetItem*& source = sources[c.source];
        if (!source) {
            source = new QTreeWidgetItem(
                this, {c.source.isEmpty() ? tr("Other") : sourceTitle(c.source)});
            source->setToolTip(0, c.source);
            source->setFlags(Qt::ItemIsEnabled);
            QFont bold = source->font(0);
            bold.setBold(true);
            source->setFont(0, bold);
        }
        auto* item = new QTreeWidgetItem(source, {c.title});
        item->setData(0, kIdentifierRole, c.identifier);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        QPixmap swatch(12, 12);
        swatch.fill(QColor(c.colour.left(7)));
        item->setIcon(0, swatch);
    }
    expandAll();
    if (shown == 0) {
        auto* none = new QTreeWidgetItem(this, {m_kind == platform::EntityType::reminder
                                                    ? tr("No reminder lists found")
                                                    : tr("No calendars found")});
        none->setFlags(Qt::NoItemFlags);
    }
    m_binding.onChange([this](const QJsonValue& v) { showChecks(v); });
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
