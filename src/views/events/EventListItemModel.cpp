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

namespace {

// The same row: the same kind on the same day, for the same occurrence or reminder.
bool isSameRow(const ListRow& a, const ListRow& b) {
    if (a.kind != b.kind || a.date != b.date)
        return false;
    if (a.kind != ListRowKind::item)
        return true;
    const auto* x = std::get_if<platform::Event>(&a.item);
    const auto* y = std::get_if<platform::Event>(&b.item);
    if (x && y)
        return x->start() == y->start() && x->occurrenceDate() == y->occurrenceDate() &&
               x->calendarItemExternalIdentifier() == y->calendarItemExternalIdentifier() &&
               x->calendarIdentifier() == y->calendarIdentifier();
    return !x && !y &&
           std::get<platform::Reminder>(a.item).identifier ==
               std::get<platform::Reminder>(b.item).identifier;
}

// A kept row's texts still hold: the store hands out the same event data until it reads the
// event's file again. The summary rows stand for items that may have changed.
bool hasSameTexts(const ListRow& a, const ListRow& b) {
    if (a.kind != ListRowKind::item)
        return a.kind == ListRowKind::header || a.kind == ListRowKind::noEvents;
    if (const auto* x = std::get_if<platform::Event>(&a.item)) {
        const auto& y = std::get<platform::Event>(b.item);
        return &x->data() == &y.data() && x->end() == y.end();
    }
    return std::get<platform::Reminder>(a.item) == std::get<platform::Reminder>(b.item);
}

} // namespace

bool EventListItemModel::update(events::EventList list, kit::Instant now,
                                const events::EventRowTexts::Options& options) {
    std::vector<ListRow> rows = rowsOf(list);
    // Texts ("in 10 minutes") follow the minute tick: within one minute the kept ones hold,
    // and new ones are made for the same moment as theirs.
    constexpr qint64 kMinute = 60000;
    const bool isNewTime =
        kit::msecsSinceEpoch(now) / kMinute != kit::msecsSinceEpoch(m_now) / kMinute ||
        options.showVideoCallButtonOnlyForUpcomingEvents !=
            m_options.showVideoCallButtonOnlyForUpcomingEvents;
    m_list = std::move(list);
    if (isNewTime)
        m_now = now;
    m_options = options;
    m_colours.clear();
    m_builtRowCount = 0;
    return replaceRows(std::move(rows), isNewTime);
}

std::vector<ListRow> EventListItemModel::rowsOf(const events::EventList& list) {
    std::vector<ListRow> rows;
    bool isFirst = true;
    for (const auto& section : list.sections) {
        rows.push_back({ListRowKind::header, section.date, {}});
        if (isFirst && !list.overdueReminders.empty())
            rows.push_back({ListRowKind::overdueReminders, section.date, {}});
        if (isFirst && !list.pastEvents.empty())
            rows.push_back({ListRowKind::pastEvents, section.date, {}});
        isFirst = false;
        if (section.items.empty())
            rows.push_back({ListRowKind::noEvents, section.date, {}});
        for (const auto& item : section.items)
            rows.push_back({ListRowKind::item, section.date, item});
    }
    return rows;
}

bool EventListItemModel::replaceRows(std::vector<ListRow> rows, bool isNewTime) {
    const std::size_t oldCount = m_rows.size();
    const std::size_t newCount = rows.size();
    std::size_t head = 0;
    while (head < oldCount && head < newCount && isSameRow(m_rows[head], rows[head]))
        ++head;
    std::size_t tail = 0;
    while (tail < oldCount - head && tail < newCount - head &&
           isSameRow(m_rows[oldCount - 1 - tail], rows[newCount - 1 - tail]))
        ++tail;
    if (head == 0 && tail == 0 && oldCount > 0 && newCount > 0) { // nothing in common
        beginResetModel();
        m_rows = std::move(rows);
        m_rowTexts.assign(m_rows.size(), std::nullopt);
        endResetModel();
        return true;
    }
    replaceMiddle(rows, head, tail);
    int first = int(newCount), last = -1;
    for (std::size_t i = 0; i < newCount; ++i) {
        if (i == head) // the inserted rows have no texts yet
            i = newCount - tail;
        if (i >= newCount)
            break;
        if (isNewTime || !hasSameTexts(m_rows[i], rows[i])) {
            m_rowTexts[i].reset();
            first = std::min(first, int(i));
            last = int(i);
        }
        m_rows[i] = std::move(rows[i]);
    }
    if (last >= 0)
        Q_EMIT dataChanged(index(first), index(last));
    return oldCount != newCount || head + tail != newCount;
}

// Rows [head, size - tail) of the old and of the new rows differ: the old go, the new come.
void EventListItemModel::replaceMiddle(std::vector<ListRow>& rows, std::size_t head,
                                       std::size_t tail) {
    const auto at = std::ptrdiff_t(head);
    if (const std::size_t gone = m_rows.size() - head - tail; gone > 0) {
        beginRemoveRows({}, int(head), int(head + gone) - 1);
        m_rows.erase(m_rows.begin() + at, m_rows.begin() + at + std::ptrdiff_t(gone));
        m_rowTexts.erase(m_rowTexts.begin() + at, m_rowTexts.begin() + at + std::ptrdiff_t(gone));
        endRemoveRows();
    }
    if (const std::size_t come = rows.size() - head - tail; come > 0) {
        beginInsertRows({}, int(head), int(head + come) - 1);
        m_rows.insert(m_rows.begin() + at, std::make_move_iterator(rows.begin() + at),
                      std::make_move_iterator(rows.begin() + at + std::ptrdiff_t(come)));
        m_rowTexts.insert(m_rowTexts.begin() + at, come, std::nullopt);
        endInsertRows();
    }
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
