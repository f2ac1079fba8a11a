// SPDX-License-Identifier: GPL-3.0-or-later
// The event list of the menu window: day sections under a header that stays pinned at the
// top while the list scrolls, one row per item (only the rows on screen are formatted and
// painted), and the "Overdue reminders" and "Past events" rows that open a popup of their
// items. It updates on a change of its settings or of the selected day, every minute while
// shown, and once at the end of a turn that brought store changes meeting its days (hidden,
// when next shown); rows change in place, so the current row and the scroll position stay. Hovering
// an item writes its days to the highlight model; the join button and the reminder check-box call
// the dependencies' callbacks.
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

    // Reads the items afresh and updates the rows that changed, keeping the scroll position.
    void refresh();
    // How many times the items were read afresh.
    int refreshCount() const { return m_refreshCount; }

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
    void onEventsChanged();
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
    kit::Timer m_pendingRefresh;
    std::optional<platform::DateRange> m_shownRange;
    int m_refreshCount = 0;
    QDate m_pinnedDate;
    std::vector<kit::Subscription> m_subscriptions;
};

} // namespace ruvo::views
