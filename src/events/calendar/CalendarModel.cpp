// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/calendar/CalendarModel.h"

#include "kit/LocalTime.h"
#include "settings/Keys.h"

#include <QCoreApplication>
#include <QThreadPool>
#include <QTimeZone>

namespace ruvo::calendar {

namespace keys = settings::keys;

DotsRunner synchronousRunner() {
    return [](std::function<Dots()> work, std::function<void(Dots)> done) { done(work()); };
}

DotsRunner threadPoolRunner() {
    return [](std::function<Dots()> work, std::function<void(Dots)> done) {
        QThreadPool::globalInstance()->start([work = std::move(work), done = std::move(done)] {
            Dots dots = work();
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [done, dots = std::move(dots)]() mutable { done(std::move(dots)); },
                Qt::QueuedConnection);
        });
    };
}

CalendarModel::CalendarModel(Dependencies dependencies)
    : m_deps(std::move(dependencies)), m_swipe(m_deps.clock),
      m_self(std::make_shared<CalendarModel*>(this)) {
    const QDate selected = m_deps.selectedDate.value();
    m_shownDate.set(selected.isValid() ? selected : today());
    m_grid = monthGrid(m_shownDate.value(), m_deps.environment());
    m_subscriptions.push_back(m_shownDate.observe([this](const QDate&) { onShownDateChanged(); }));
    m_subscriptions.push_back(m_deps.defaults.observe(
        {keys::indicateEventsInCalendar, keys::enabledCalendars}, [this] { recomputeDots(); }));
    m_subscriptions.push_back(m_deps.eventsDidChange.connect([this] { onEventsChanged(); }));
    recomputeDots();
}

CalendarModel::~CalendarModel() = default;

QDate CalendarModel::today() const {
    return kit::localDate(m_deps.clock.now(), m_deps.environment().timeZoneId);
}

void CalendarModel::showMonthOffset(int months) {
    m_shownDate.set(m_shownDate.value().addMonths(months));
}

void CalendarModel::select(QDate day) {
    if (!day.isValid())
        return;
    m_deps.selectedDate.set(day);
    if (!m_grid.isInMonth(day))
        m_shownDate.set(day);
}

void CalendarModel::selectToday() {
    const QDate day = today();
    m_deps.selectedDate.set(day);
    m_shownDate.set(day);
}

void CalendarModel::moveSelection(int days) {
    const QDate from = selectedDate().isValid() ? selectedDate() : today();
    select(from.addDays(days));
}

void CalendarModel::onHorizontalScroll(double deltaX, bool isInverted) {
    if (!m_deps.defaults.get(keys::calendar_swipeMonths))
        return;
    const bool followSystem = m_deps.defaults.get(keys::_respectNaturalScrolling);
    if (const auto direction = m_swipe.onScroll(deltaX, isInverted, followSystem))
        showMonthOffset(*direction == HorizontalSwipeDirection::left ? 1 : -1);
}

void CalendarModel::onMenuClosed() {
    if (m_deps.defaults.get(keys::keepLastShownCalendarMonth))
        return;
    selectToday();
}

void CalendarModel::refresh() {
    m_grid = monthGrid(m_shownDate.value(), m_deps.environment());
    recomputeDots();
}

void CalendarModel::onShownDateChanged() {
    const QDate month = m_grid.month;
    m_grid = monthGrid(m_shownDate.value(), m_deps.environment());
    if (m_grid.month != month)
        recomputeDots();
}

// A sync tool rewrites files of other months far more often than of the shown one.
void CalendarModel::onEventsChanged() {
    const platform::StoreChange* change = m_deps.eventsChange;
    if (change && m_dotsRange && !change->touches(*m_dotsRange))
        return;
    recomputeDots();
}

void CalendarModel::recomputeDots() {
    const quint64 generation = ++m_generation;
    m_dotsRange.reset();
    const auto indicator = m_deps.defaults.get(keys::indicateEventsInCalendar);
    if (indicator == EventIndicatorsInCalendar::none) {
        m_dots.set({});
        return;
    }
    const events::EventQueries queries(m_deps.store, m_deps.defaults,
                                       m_deps.environment().timeZoneId);
    auto input = std::make_shared<const DotsInput>(dotsInput(queries, m_grid.days(), indicator));
    if (!input->dayStarts.empty())
        m_dotsRange = platform::DateRange{input->dayStarts.front(), input->dayStarts.back()};
    m_deps.runInBackground([input] { return computeDots(*input); },
                           [weak = std::weak_ptr<CalendarModel*>(m_self), generation](Dots dots) {
                               const auto self = weak.lock();
                               if (self && (*self)->m_generation == generation)
                                   (*self)->m_dots.set(std::move(dots));
                           });
}

} // namespace ruvo::calendar
