// SPDX-License-Identifier: GPL-3.0-or-later
// The event list flattened into rows for a list view: per day a header, its items or a
// "No Events" row; the "Overdue reminders" and "Past events" rows follow the first header.
// A row's texts (ICU formatting, video-call detection) are made when the row is first
// painted and kept while the row stays the same, so only the rows on screen cost anything.
// An update changes rows in place: the rows before and after the first and last difference
// stay (a view keeps its current row and scroll position), those between are removed and
// inserted, and kept rows whose item changed report dataChanged.
#pragma once

#include "events/list/EventListModel.h"
#include "events/list/EventRowTexts.h"

#include <QAbstractListModel>
#include <QColor>
#include <map>
#include <optional>

namespace ruvo::views {

enum class ListRowKind { header, item, noEvents, overdueReminders, pastEvents };

struct ListRow {
    ListRowKind kind = ListRowKind::header;
    QDate date;                // the day of the section the row stands in
    events::CalendarItem item; // item rows only
};

class EventListItemModel final : public QAbstractListModel {
    Q_OBJECT
public:
    EventListItemModel(const events::EventQueries& queries, kit::Environment environment,
                       videocalls::VideoCallDetector& detector, QObject* parent = nullptr);

    // Makes the rows those of `list` as seen at `now`; true when rows came or went.
    bool update(events::EventList list, kit::Instant now,
                const events::EventRowTexts::Options& options);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    const ListRow& row(int index) const { return m_rows[std::size_t(index)]; }
    const events::EventRow& texts(int index) const;
    QString headerText(QDate day) const;
    QColor calendarColour(const events::CalendarItem& item) const;
    const events::EventList& list() const { return m_list; }
    kit::Instant now() const { return m_now; }
    const events::EventRowTexts& rowTexts() const { return m_texts; }
    // How many rows' texts were made since the last update.
    int builtRowCount() const { return m_builtRowCount; }

private:
    static std::vector<ListRow> rowsOf(const events::EventList& list);
    bool replaceRows(std::vector<ListRow> rows, bool isNewTime);
    void replaceMiddle(std::vector<ListRow>& rows, std::size_t head, std::size_t tail);

    const events::EventQueries& m_queries;
    events::EventRowTexts m_texts;
    events::EventList m_list;
    std::vector<ListRow> m_rows;
    mutable std::vector<std::optional<events::EventRow>> m_rowTexts;
    mutable std::map<QString, QColor> m_colours;
    mutable int m_builtRowCount = 0;
    kit::Instant m_now;
    events::EventRowTexts::Options m_options;
};

QString titleOf(const events::CalendarItem& item);

} // namespace ruvo::views
