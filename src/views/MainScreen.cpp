// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/MainScreen.h"

#include "settings/Keys.h"
#include "views/MoreMenu.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

namespace ruvo::views {

namespace keys = settings::keys;

namespace {

constexpr int kMinimumWidth = 296;

QFrame* divider() {
    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

bool hasContent(const QWidget* slot) {
    return slot->layout()->count() > 0;
}

} // namespace

MainScreen::MainScreen(Dependencies dependencies, QWidget* parent)
    : QWidget(parent), m_deps(std::move(dependencies)), m_layout(new QVBoxLayout(this)),
      m_joinSlot(makeSlot()), m_joinDivider(divider()), m_dateLine(new QLabel),
      m_moreButton(new QToolButton), m_addButton(new QToolButton), m_header(new QWidget),
      m_topZonesDivider(divider()), m_calendarSlot(makeSlot()), m_eventListSlot(makeSlot()),
      m_quickAddSlot(makeSlot()), m_zonesSlot(makeSlot()) {
    m_layout->setContentsMargins(12, 10, 12, 12);
    m_layout->setSpacing(8);
    m_layout->setSizeConstraint(QLayout::SetFixedSize);
    m_header->setMinimumWidth(kMinimumWidth);
    m_dateLine->setObjectName(QStringLiteral("dateLine"));
    QFont big = m_dateLine->font();
    big.setPointSizeF(big.pointSizeF() * 1.15);
    big.setWeight(QFont::DemiBold);
    m_dateLine->setFont(big);
    m_moreButton->setText(QStringLiteral("…"));
    m_moreButton->setToolTip(tr("More"));
    m_moreButton->setAutoRaise(true);
    m_moreButton->setPopupMode(QToolButton::InstantPopup);
    auto* more = new MoreMenu(m_deps.defaults, m_deps.environment, this);
    connect(more, &MoreMenu::newEventRequested, this, &MainScreen::newEventRequested);
    m_moreButton->setMenu(more);
    m_moreButton->setAccessibleName(tr("More"));
    m_addButton->setText(QStringLiteral("+"));
    m_addButton->setToolTip(tr("New Event"));
    m_addButton->setAccessibleName(tr("New Event"));
    m_addButton->setAutoRaise(true);
    connect(m_addButton, &QToolButton::clicked, this, &MainScreen::newEventRequested);
    auto* header = new QHBoxLayout(m_header);
    header->setContentsMargins(0, 0, 0, 0);
    header->addWidget(m_dateLine, 1);
    // Keeps the buttons at the right edge while the date line is hidden; with alignments
    // alone the row's width was shared out and "+" floated in the middle.
    header->addStretch();
    header->addWidget(m_addButton);
    header->addWidget(m_moreButton);
    m_settings = m_deps.defaults.observe(
        {keys::showMoreMenu, keys::showAddEventButtonInMenu, keys::showTimeZonesInMenu,
         keys::timeZonesInMenu, keys::showTimeZonesAtTopOfMenu, keys::showCalendarInMenu,
         keys::menuShowJoinVideoCallButton, keys::menuDateTimeFormat, keys::showDateInMenu,
         keys::showDayOfWeekInMenu, keys::showWeekNumberInMenu, keys::showTimeInMenu,
         keys::showTimeWithSecondsInMenu, keys::showAmPm},
        [this] { relayout(); }, {.initial = true});
}

QWidget* MainScreen::makeSlot() {
    auto* slot = new QWidget;
    auto* layout = new QVBoxLayout(slot);
    layout->setContentsMargins(0, 0, 0, 0);
    return slot;
}

QWidget* MainScreen::slotOf(Section section) const {
    switch (section) {
    case Section::joinButton:
        return m_joinSlot;
    case Section::timeZones:
        return m_zonesSlot;
    case Section::calendar:
        return m_calendarSlot;
    case Section::eventList:
        return m_eventListSlot;
    case Section::quickAdd:
        return m_quickAddSlot;
    }
    return m_eventListSlot;
}

void MainScreen::setSectionWidget(Section section, QWidget* content) {
    QWidget* slot = slotOf(section);
    while (QLayoutItem* item = slot->layout()->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    if (content)
        slot->layout()->addWidget(content);
    relayout();
}

QWidget* MainScreen::sectionWidget(Section section) const {
    const QWidget* slot = slotOf(section);
    QLayoutItem* item = slot->layout()->itemAt(0);
    return item ? item->widget() : nullptr;
}

void MainScreen::relayout() {
    const auto& d = m_deps.defaults;
    // No zones chosen: no section at all, rather than an empty slider and its tip.
    const bool zones = d.get(keys::showTimeZonesInMenu) && !d.get(keys::timeZonesInMenu).empty() &&
                       hasContent(m_zonesSlot);
    const bool zonesAtTop = zones && d.get(keys::showTimeZonesAtTopOfMenu);
    const QWidget* joinButton = sectionWidget(Section::joinButton);
    const bool join =
        d.get(keys::menuShowJoinVideoCallButton) && joinButton && !joinButton->isHidden();
    while (m_layout->count() > 0)
        delete m_layout->takeAt(0);
    for (QWidget* w : {m_joinSlot, m_joinDivider, m_header, m_topZonesDivider, m_zonesSlot,
                       m_calendarSlot, m_eventListSlot, m_quickAddSlot})
        m_layout->addWidget(w);
    if (!zonesAtTop) { // the zones go after the event list
        m_layout->removeWidget(m_zonesSlot);
        m_layout->addWidget(m_zonesSlot);
    }
    m_joinSlot->setVisible(join);
    m_joinDivider->setVisible(join);
    m_topZonesDivider->setVisible(zonesAtTop);
    m_zonesSlot->setVisible(zones);
    m_calendarSlot->setVisible(d.get(keys::showCalendarInMenu) && hasContent(m_calendarSlot));
    m_eventListSlot->setVisible(hasContent(m_eventListSlot));
    const QWidget* quickAdd = sectionWidget(Section::quickAdd);
    m_quickAddSlot->setVisible(quickAdd && !quickAdd->isHidden());
    m_moreButton->setVisible(d.get(keys::showMoreMenu));
    m_addButton->setVisible(d.get(keys::showAddEventButtonInMenu));
    updateDateLine();
    setActive(m_isActive);
}

void MainScreen::setActive(bool isActive) {
    m_isActive = isActive;
    const auto settings = menubar::MenuDateLineSettings::from(m_deps.defaults);
    const bool ticking = isActive && (!settings.pattern.isEmpty() || settings.showTime);
    if (!ticking) {
        m_clock.reset();
        return;
    }
    const auto precision = settings.needsSeconds() ? menubar::ClockTimer::Precision::second
                                                   : menubar::ClockTimer::Precision::minute;
    if (!m_clock)
        m_clock = std::make_unique<menubar::ClockObservable>(m_deps.ticks, m_deps.clock, precision);
    m_clock->setPrecision(precision);
    connect(m_clock.get(), &menubar::ClockObservable::dateChanged, this,
            &MainScreen::updateDateLine, Qt::UniqueConnection);
    updateDateLine();
}

void MainScreen::updateDateLine() {
    const QString text =
        menubar::composeMenuDateLine(menubar::MenuDateLineSettings::from(m_deps.defaults),
                                     m_deps.clock.now(), m_deps.environment());
    m_dateLine->setText(text);
    m_dateLine->setVisible(!text.isEmpty());
    m_header->setVisible(!text.isEmpty() || m_deps.defaults.get(keys::showMoreMenu) ||
                         m_deps.defaults.get(keys::showAddEventButtonInMenu));
}

QString MainScreen::dateLineText() const {
    return m_dateLine->text();
}

} // namespace ruvo::views
