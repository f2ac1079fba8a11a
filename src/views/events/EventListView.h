// SPDX-License-Identifier: GPL-3.0-or-later
// The event list of the menu window: day sections under a header that stays pinned at the
// top while the list scrolls, one row per item (only the rows on screen are formatted and
// painted), and the "Overdue reminders" and "Past events" rows that open a popup of their
// items. It rebuilds on eventsDidChange, on a change of its settings or of the selected
// day, and on every minute while shown. Hovering an item writes its days to the highlight
// model; the join button and the reminder check-box call the dependencies' callbacks.
//
//   auto* list = new EventListView(dependencies, parent);
//   connect(list, &EventListView::itemActivated, ...);        // left click on an item
//   connect(list, &EventListView::contextMenuRequested, ...); // right click on an item
#pragma once

#include "events/list/EventListModel.h"
#include "views/events/EventListDependencies.h"

#include <QListView>

namespace ruvo::views {

class EventListItemModel;
class EventRowDelegate;

class EventListView final : public QListView {
    Q_OBJECT
public:
    explicit EventListView(EventListDependencies dependencies, QWidget* parent = nullptr);
    ~EventListView() override;

    // As tall as its rows, between a few rows and 320 px, so the window fits a 768-pixel screen; it
    // scrolls beyond.
    QSize sizeHint() const override;

    // Reads the items afresh and rebuilds every row, keeping the scroll position.
    void refresh();

    // The day whose header is pinned at the top (invalid when the list is empty).
    QDate pinnedHeaderDate() const { return m_pinnedDate; }
    const EventListItemModel& listModel() const { return *m_model; }
    const EventRowDelegate& rowDelegate() const { return *m_delegate; }

Q_SIGNALS:
    void itemActivated(const events::CalendarItem& item);
    void contextMenuRequested(const events::CalendarItem& item, QDate dateInList, QPoint globalPos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void observe();
    void onHovered(const QModelIndex& index);
    void onClicked(int row, QPoint position);
    void showSummary(int row);
    void paintPinnedHeader();
    QDate selectedDay() const;

    EventListDependencies m_dependencies;
    events::EventListModel m_listModel;
    EventListItemModel* m_model;
    EventRowDelegate* m_delegate;
    menubar::ClockTimer m_minuteTick; // while shown
    QDate m_pinnedDate;
    std::vector<kit::Subscription> m_subscriptions;
};

} // namespace ruvo::views
