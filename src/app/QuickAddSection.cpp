// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/QuickAddSection.h"

#include "creation/SaveNewItem.h"
#include "quickadd/QuickAddTarget.h"
#include "settings/Keys.h"
#include "views/MainScreen.h"
#include "views/QuickAddLine.h"

namespace ruvo::app {

using Section = views::MainScreen::Section;

QuickAddSection::QuickAddSection(AppState& state, Panel& panel, platform::CalendarStore& store)
    : m_state(state), m_panel(panel), m_store(store) {
    m_line = new views::QuickAddLine({[this](const QString& s) { return understand(s); },
                                      [this](const QString& s) { return save(s); }});
    panel.mainScreen().setSectionWidget(Section::quickAdd, m_line);
    m_storeChanged = store.storeChanged().connect([this] { updateVisibility(); });
    updateVisibility();
}

QuickAddSection::~QuickAddSection() {
    m_panel.mainScreen().setSectionWidget(Section::quickAdd, nullptr);
}

kit::Result<quickadd::QuickAddEvent> QuickAddSection::read(const QString& sentence) const {
    const auto length = m_state.defaults().get(settings::keys::defaultEventDuration);
    return quickadd::readQuickAdd(
        sentence, {m_state.scheduler().now(), m_panel.environment()(),
                   std::chrono::duration_cast<kit::Seconds>(length.toMilliseconds())});
}

kit::Result<QString> QuickAddSection::understand(const QString& sentence) const {
    const auto event = read(sentence);
    if (!event)
        return kit::fail(event.error());
    const auto calendar = quickadd::targetCalendar(m_store, {});
    return quickadd::describe(*event, calendar ? calendar->title : QString(),
                              m_panel.environment()(), m_state.scheduler().now());
}

kit::Result<QString> QuickAddSection::save(const QString& sentence) {
    const auto event = read(sentence);
    if (!event)
        return kit::fail(event.error());
    const auto calendar = quickadd::targetCalendar(m_store, {});
    if (!calendar)
        return kit::fail(calendar.error());
    if (auto saved =
            creation::saveNewEvent(m_store, quickadd::eventDraft(*event, calendar->identifier));
        !saved)
        return kit::fail(saved.error());
    return quickadd::describe(*event, calendar->title, m_panel.environment()(),
                              m_state.scheduler().now());
}

void QuickAddSection::updateVisibility() {
    if (!m_line)
        return;
    const bool isWanted = quickadd::hasWritableCalendar(m_store);
    if (isWanted == !m_line->isHidden())
        return;
    m_line->setVisible(isWanted);
    m_panel.mainScreen().sectionContentChanged();
}

} // namespace ruvo::app
