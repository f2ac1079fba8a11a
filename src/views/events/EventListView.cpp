// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/events/EventListView.h"

#include "settings/Keys.h"
#include "timezones/IcuFormat.h"
#include "views/events/EventListItemModel.h"
#include "views/events/EventRowDelegate.h"
#include "views/events/SummaryPopup.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

namespace ruvo::views {

namespace keys = settings::keys;

namespace {

// An event's own span; a reminder's due day.
std::optional<events::HighlightedDays> highlightOf(const events::CalendarItem& item,
                                                   const events::EventQueries& queries) {
    if (const auto* event = std::get_if<platform::Event>(&item))
        return events::HighlightedDays{event->calendarItemIdentifier(), event->dateRange()};
    const auto& reminder = std::get<platform::Reminder>(item);
    const QString& zone = queries.timeZoneId();
    const kit::Instant due = queries.sortInstant(item);
    const auto day = events::eventListRange(timezones::localDate(zone, due), 1, zone);
    return events::HighlightedDays{reminder.identifier,
                                   day.value_or(platform::DateRange{due, due})};
}

} // namespace

EventListView::EventListView(EventListDependencies dependencies, QWidget* parent)
    : QListView(parent), m_dependencies(std::move(dependencies)),
      m_listModel(m_dependencies.queries, m_dependencies.detector, m_dependencies.environment,
                  m_dependencies.scheduler),
      m_model(new EventListItemModel(m_dependencies.queries, m_dependencies.environment,
                                     m_dependencies.detector, this)),
      m_delegate(new EventRowDelegate(*m_model, this)) {
    setModel(m_model);
    setItemDelegate(m_delegate);
    setSelectionMode(QAbstractItemView::NoSelection);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);
    setMouseTracking(true);
    viewport()->setMouseTracking(true); // hover without a button held
    viewport()->setAttribute(Qt::WA_Hover);
    connect(this, &QAbstractItemView::entered, this, &EventListView::onHovered);
    observe();
    refresh();
}

EventListView::~EventListView() {
    m_dependencies.highlightedDays.set(std::nullopt);
}

void EventListView::observe() {
    const auto& d = m_dependencies.defaults;
    m_subscriptions.push_back(d.observe(
        {keys::calendarEventsDayCount, keys::hideTodaysPastEvents, keys::showAllDaysEvents,
         keys::showVideoCallEventsOnlyInMainList, keys::showVideoCallButtonOnlyForUpcomingEvents,
         keys::fullscreenNotifications_excludeMatcher, keys::showReminders, keys::enabledCalendars,
         keys::enabledRemindersLists, keys::remindersDaysInThePastCount},
        [this] { refresh(); }));
    m_subscriptions.push_back(
        m_dependencies.eventsDidChange.connect([this] { onEventsChanged(); }));
    m_subscriptions.push_back(
        m_dependencies.selectedDate.observe([this](const QDate&) { refresh(); }));
}

QDate EventListView::selectedDay() const {
    const QDate selected = m_dependencies.selectedDate.value();
    return selected.isValid() ? selected
                              : timezones::localDate(m_dependencies.environment.timeZoneId,
                                                     m_dependencies.scheduler.now());
}

// A sync tool rewrites files several times a second, mostly of other days: a change that
// does not meet the shown days passes, and the rest wait for the end of the turn so that
// whatever else arrives in it costs one update. A hidden list updates when shown.
void EventListView::onEventsChanged() {
    const platform::StoreChange* change = m_dependencies.eventsChange;
    if (change && m_shownRange && !change->touches(*m_shownRange))
        return;
    if (!isVisible() || m_pendingRefresh.isActive())
        return;
    m_pendingRefresh = m_dependencies.scheduler.after(kit::Milliseconds{0}, [this] { refresh(); });
}

void EventListView::refresh() {
    m_pendingRefresh.cancel();
    const int scrolled = verticalScrollBar()->value();
    const auto& d = m_dependencies.defaults;
    const QDate day = selectedDay();
    const auto options = events::EventListOptions::from(d);
    m_shownRange =
        events::eventListRange(day, options.dayCount, m_dependencies.environment.timeZoneId);
    ++m_refreshCount;
    const bool hasNewRows =
        m_model->update(m_listModel.build(day, options), m_dependencies.scheduler.now(),
                        {d.get(keys::showVideoCallButtonOnlyForUpcomingEvents)});
    if (hasNewRows) {
        doItemsLayout();
        updateGeometry();
        verticalScrollBar()->setValue(scrolled);
    }
    viewport()->update();
}

QSize EventListView::sizeHint() const {
    constexpr int kMinimum = 120;
    constexpr int kMaximum = 320;
    int height = 2 * frameWidth();
    for (int row = 0; row < model()->rowCount() && height < kMaximum; ++row)
        height += sizeHintForRow(row);
    return {QListView::sizeHint().width(), std::clamp(height, kMinimum, kMaximum)};
}

void EventListView::showEvent(QShowEvent* event) {
    QListView::showEvent(event);
    refresh();
    m_minuteTick = m_dependencies.ticks.subscribe(menubar::ClockTimer::Precision::minute,
                                                  [this] { refresh(); });
}

void EventListView::hideEvent(QHideEvent* event) {
    m_minuteTick.cancel();
    m_dependencies.highlightedDays.set(std::nullopt);
    QListView::hideEvent(event);
}

void EventListView::scrollContentsBy(int dx, int dy) {
    QListView::scrollContentsBy(dx, dy);
    viewport()->update(); // the pinned header does not move with the rows
}

void EventListView::paintEvent(QPaintEvent* event) {
    QListView::paintEvent(event);
    paintPinnedHeader();
}

void EventListView::paintPinnedHeader() {
    const QModelIndex top = indexAt(QPoint(1, 1));
    m_pinnedDate = top.isValid() ? m_model->row(top.row()).date : QDate();
    if (!m_pinnedDate.isValid())
        return;
    const int height = m_delegate->headerHeight();
    int y = 0;
    // The next day's header pushes the pinned one up as it arrives.
    for (int row = top.row() + 1; row < m_model->rowCount(); ++row) {
        const QRect rect = visualRect(m_model->index(row));
        if (rect.top() >= height)
            break;
        if (m_model->row(row).kind == ListRowKind::header) {
            y = rect.top() - height;
            break;
        }
    }
    QPainter painter(viewport());
    m_delegate->paintHeader(&painter, QRect(0, y, viewport()->width(), height), palette(),
                            m_model->headerText(m_pinnedDate));
}

void EventListView::onHovered(const QModelIndex& index) {
    const ListRow& row = m_model->row(index.row());
    m_dependencies.highlightedDays.set(row.kind == ListRowKind::item
                                           ? highlightOf(row.item, m_dependencies.queries)
                                           : std::nullopt);
}

void EventListView::leaveEvent(QEvent* event) {
    m_dependencies.highlightedDays.set(std::nullopt);
    QListView::leaveEvent(event);
}

void EventListView::mouseReleaseEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index.isValid())
        onClicked(index.row(), event->position().toPoint());
    QListView::mouseReleaseEvent(event);
}

void EventListView::onClicked(int row, QPoint position) {
    const ListRow& r = m_model->row(row);
    if (r.kind == ListRowKind::overdueReminders || r.kind == ListRowKind::pastEvents)
        return showSummary(row);
    if (r.kind != ListRowKind::item)
        return;
    const QRect rect = visualRect(m_model->index(row));
    const events::EventRow& texts = m_model->texts(row);
    if (texts.showsJoinButton && m_delegate->joinRect(rect).contains(position)) {
        if (m_dependencies.join)
            m_dependencies.join(std::get<platform::Event>(r.item));
        return;
    }
    if (texts.isReminder &&
        m_delegate->checkBoxRect(rect).adjusted(-4, -4, 4, 4).contains(position)) {
        if (m_dependencies.completeReminder)
            m_dependencies.completeReminder(std::get<platform::Reminder>(r.item));
        return;
    }
    Q_EMIT itemActivated(r.item);
}

void EventListView::showSummary(int row) {
    const bool isOverdue = m_model->row(row).kind == ListRowKind::overdueReminders;
    const auto& list = m_model->list();
    auto* popup = new SummaryPopup(isOverdue ? tr("Overdue reminders") : tr("Past events"),
                                   isOverdue ? list.overdueReminders : list.pastEvents,
                                   m_model->rowTexts(), m_model->now(), this);
    connect(popup, &SummaryPopup::itemActivated, this, &EventListView::itemActivated);
    connect(popup, &SummaryPopup::contextMenuRequested, this,
            [this](const events::CalendarItem& item, QPoint at) {
                Q_EMIT contextMenuRequested(item, selectedDay(), at);
            });
    const QRect rect = visualRect(m_model->index(row));
    popup->move(viewport()->mapToGlobal(rect.bottomLeft()));
    popup->show();
}

void EventListView::contextMenuEvent(QContextMenuEvent* event) {
    const QModelIndex index = indexAt(event->pos()); // viewport coordinates
    if (!index.isValid() || m_model->row(index.row()).kind != ListRowKind::item)
        return;
    const ListRow& row = m_model->row(index.row());
    Q_EMIT contextMenuRequested(row.item, row.date, event->globalPos());
}

} // namespace ruvo::views
