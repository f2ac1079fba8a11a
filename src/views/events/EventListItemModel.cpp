// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/events/EventListItemModel.h"

namespace ruvo::views {

QString titleOf(const events::CalendarItem& item) {
    if (const auto* event = std::get_if<platform::Event>(&item))
        return event->title();
    return std::get<platform::Reminder>(item).title;
}

EventListItemModel::EventListItemModel(const events::EventQueries& queries,
                                       kit::Environment environment,
                                       videocalls::VideoCallDetector& detector, QObject* parent)
    : QAbstractListModel(parent), m_queries(queries), m_texts(std::move(environment), detector) {}

void EventListItemModel::rebuild(events::EventList list, kit::Instant now,
                                 const events::EventRowTexts::Options& options) {
    beginResetModel();
    m_list = std::move(list);
    m_now = now;
    m_options = options;
    m_rows.clear();
    m_colours.clear();
    m_builtRowCount = 0;
    bool isFirst = true;
    for (const auto& section : m_list.sections) {
        m_rows.push_back({ListRowKind::header, section.date, {}});
        if (isFirst && !m_list.overdueReminders.empty())
            m_rows.push_back({ListRowKind::overdueReminders, section.date, {}});
        if (isFirst && !m_list.pastEvents.empty())
            m_rows.push_back({ListRowKind::pastEvents, section.date, {}});
        isFirst = false;
        if (section.items.empty())
            m_rows.push_back({ListRowKind::noEvents, section.date, {}});
        for (const auto& item : section.items)
            m_rows.push_back({ListRowKind::item, section.date, item});
    }
    m_rowTexts.assign(m_rows.size(), std::nullopt);
    endResetModel();
}

int EventListItemModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant EventListItemModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || role != Qt::DisplayRole)
        return {};
    const ListRow& r = row(index.row());
    switch (r.kind) {
    case ListRowKind::header:
        return headerText(r.date);
    case ListRowKind::item:
        return titleOf(r.item);
    case ListRowKind::noEvents:
        return tr("No Events");
    case ListRowKind::overdueReminders:
        return tr("Overdue reminders");
    case ListRowKind::pastEvents:
        return tr("Past events");
    }
    return {};
}

const events::EventRow& EventListItemModel::texts(int index) const {
    auto& slot = m_rowTexts[std::size_t(index)];
    if (!slot) {
        slot = m_texts.row(row(index).item, m_now, m_options);
        ++m_builtRowCount;
    }
    return *slot;
}

QString EventListItemModel::headerText(QDate day) const {
    return m_texts.dayHeader(day, m_now);
}

QColor EventListItemModel::calendarColour(const events::CalendarItem& item) const {
    const QString& id = std::holds_alternative<platform::Event>(item)
                            ? std::get<platform::Event>(item).calendarIdentifier()
                            : std::get<platform::Reminder>(item).calendarIdentifier;
    auto found = m_colours.find(id);
    if (found == m_colours.end()) {
        const auto calendar = m_queries.store().calendarWithIdentifier(id);
        QColor colour = calendar ? QColor(calendar->colour.left(7)) : QColor();
        found = m_colours.emplace(id, colour.isValid() ? colour : QColor(Qt::gray)).first;
    }
    return found->second;
}

} // namespace ruvo::views
