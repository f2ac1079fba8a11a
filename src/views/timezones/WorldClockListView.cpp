// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/timezones/WorldClockListView.h"

#include "settings/Keys.h"
#include "timezones/IcuFormat.h"
#include "timezones/WorldClockRows.h"
#include "views/timezones/TimeTravelSliderRow.h"
#include "views/timezones/TimeZoneRowView.h"

#include <QScrollArea>
#include <QVBoxLayout>

namespace ruvo::views {

namespace keys = settings::keys;

WorldClockListView::WorldClockListView(WorldClockContext context, QWidget* parent)
    : QWidget(parent), m_context(std::move(context)), m_layout(new QVBoxLayout(this)),
      m_scroll(new QScrollArea(this)), m_rowsHolder(new QWidget),
      m_rowsLayout(new QVBoxLayout(m_rowsHolder)) {
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    m_rowsLayout->setContentsMargins(0, 0, 0, 0);
    m_rowsLayout->setSpacing(0);
    m_rowsLayout->addStretch();
    m_scroll->setWidget(m_rowsHolder);
    m_scroll->setWidgetResizable(true);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setMinimumHeight(50);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const auto& d = m_context.defaults;
    m_subscriptions.push_back(d.observe({keys::timeZonesInMenu, keys::timeTravelUse30MinuteSteps,
                                         keys::timeZonesInMenu_showDayAndNightIcons,
                                         keys::showTimeZonesAtTopOfMenu, keys::largeText},
                                        [this] { rebuild(); }));
    m_subscriptions.push_back(d.observe(keys::showTimeZoneTimeTravelSliderInMenu,
                                        [this](const settings::KeyChange<bool>& c) {
                                            if (!c.isPrior)
                                                onSliderSettingChanged(c.newValue);
                                        }));
    m_subscriptions.push_back(m_context.offset.observe([this] { refresh(); }));
    m_subscriptions.push_back(m_context.selectedDate.observe([this](const QDate&) { refresh(); }));
    if (m_context.openedFromEntry)
        m_subscriptions.push_back(
            m_context.openedFromEntry->observe([this](const auto&) { refresh(); }));
    rebuild();
}

WorldClockListView::~WorldClockListView() = default;

bool WorldClockListView::isOpenedFrom(const QUuid& id) const {
    return m_context.openedFromEntry && m_context.openedFromEntry->value() == id;
}

void WorldClockListView::onSliderSettingChanged(bool isShown) {
    if (!isShown) // hiding the slider ends time travel
        timezones::resetTimeTravel(m_context.offset, isOnlyOptionHeld());
    rebuild();
}

void WorldClockListView::rebuild() {
    if (m_slider) {
        m_layout->removeWidget(m_slider);
        delete m_slider;
        m_slider = nullptr;
    }
    m_layout->removeWidget(m_scroll);
    const bool showSlider = m_context.defaults.get(keys::showTimeZoneTimeTravelSliderInMenu) &&
                            !m_context.defaults.get(keys::timeZonesInMenu).empty();
    const bool isAtTop = m_context.defaults.get(keys::showTimeZonesAtTopOfMenu);
    if (showSlider)
        m_slider = new TimeTravelSliderRow(m_context, this);
    if (m_slider && !isAtTop)
        m_layout->addWidget(m_slider);
    m_layout->addWidget(m_scroll, 1);
    if (m_slider && isAtTop)
        m_layout->addWidget(m_slider);
    refresh();
}

void WorldClockListView::refresh() {
    const kit::Environment env = m_context.environment();
    const kit::Instant now = m_context.scheduler.now();
    const timezones::ChosenTimeZoneTexts texts(env, m_context.scheduler);
    const timezones::TimeTravel travel(env);
    const timezones::TimeTravelInput input{
        m_context.selectedDate.value().isValid() ? m_context.selectedDate.value()
                                                 : timezones::localDate(env.timeZoneId, now),
        now, m_context.defaults.get(keys::timeTravelUse30MinuteSteps), isOnlyOptionHeld()};
    const auto rows = timezones::worldClockRows(
        m_context.defaults.get(keys::timeZonesInMenu), texts, travel,
        {input, m_context.offset,
         m_context.defaults.get(keys::timeZonesInMenu_showDayAndNightIcons)});
    const double scale = m_context.defaults.get(keys::largeText) ? 1.2 : 1.0;
    while (m_rows.size() > rows.size()) {
        delete m_rows.back();
        m_rows.pop_back();
    }
    while (m_rows.size() < rows.size()) {
        m_rows.push_back(new TimeZoneRowView(m_context, m_rowsHolder));
        m_rowsLayout->insertWidget(int(m_rows.size()) - 1, m_rows.back());
        m_rows.back()->setVisible(true);
    }
    for (std::size_t i = 0; i < rows.size(); ++i)
        m_rows[i]->display(rows[i], isOpenedFrom(rows[i].id), scale);
    if (m_slider)
        m_slider->refresh();
}

void WorldClockListView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    refresh();
    m_ticker =
        m_context.ticks.subscribe(menubar::ClockTimer::Precision::minute, [this] { refresh(); });
}

void WorldClockListView::hideEvent(QHideEvent* event) {
    m_ticker.cancel();
    QWidget::hideEvent(event);
}

} // namespace ruvo::views
