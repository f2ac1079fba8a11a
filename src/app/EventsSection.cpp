// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/EventsSection.h"

#include "views/MainScreen.h"
#include "views/MoreMenu.h"
#include "views/calendar/MonthCalendarView.h"
#include "views/events/EventListView.h"
#include "views/events/JoinNextCallButton.h"
#include "views/events/actions/EventDetailsWindow.h"
#include "views/events/actions/EventRowMenu.h"
#include "views/events/actions/HiddenEventsMenu.h"
#include "views/timezones/WorldClockContext.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QToolButton>

namespace ruvo::app {

using Section = views::MainScreen::Section;

namespace {

QDate today(const kit::Clock& clock, const kit::Environment& environment) {
    const QTimeZone zone(environment.timeZoneId.toUtf8());
    const QDateTime now = kit::toQDateTime(clock.now());
    return (zone.isValid() ? now.toTimeZone(zone) : now.toLocalTime()).date();
}

} // namespace

EventsSection::EventsSection(AppState& state, Panel& panel, platform::UserCalendarStore& store,
                             VideoCalls& videoCalls)
    : m_state(state), m_panel(panel), m_store(store), m_videoCalls(videoCalls),
      m_calendarApplication(platform::XdgDirectories::fromEnvironment()),
      m_dayOpener(state.defaults(), videoCalls.urlOpener(), m_calendarApplication,
                  [this](const calendar::UserMessage& m) { tell(m); }),
      m_calendarModel({state.defaults(), store, state.eventsController().eventsDidChange(),
                       state.scheduler(), panel.environment(), state.selectedDate,
                       calendar::threadPoolRunner(), &state.eventsController().lastChange()}),
      m_prompter(&panel.menuWindow()), m_actions(actionDependencies()),
      m_today(today(state.scheduler(), panel.environment()())) {
    createViews();
    m_dateEvents = panel.dateEvents().subscribe([this](platform::DateEvent e) { onDateEvent(e); });
    m_menuClosed = QObject::connect(&panel.menuWindow(), &views::MenuWindow::closed,
                                    [this] { m_calendarModel.onMenuClosed(); });
    // Calendars added while the program runs (by `ruvo calendars add`, or a new collection
    // vdirsyncer made) appear when the menu opens.
    m_menuShown = QObject::connect(&panel.menuWindow(), &views::MenuWindow::shown,
                                   [this] { m_store.refreshSourcesIfNecessary(); });
}

EventsSection::~EventsSection() {
    QObject::disconnect(m_menuClosed);
    QObject::disconnect(m_menuShown);
    delete m_details;
    // The views call back into this object; they go first.
    auto& screen = m_panel.mainScreen();
    for (Section s : {Section::joinButton, Section::calendar, Section::eventList})
        screen.setSectionWidget(s, nullptr);
}

views::EventListDependencies EventsSection::listDependencies() {
    return {m_state.defaults(),
            m_state.scheduler(),
            m_state.clockTicks(),
            m_panel.environment()(),
            *m_queries,
            m_state.eventsController().eventsDidChange(),
            m_state.selectedDate,
            m_highlightedDays,
            m_videoCalls.detector(),
            [this](const platform::Event& e) { m_videoCalls.join(e); },
            [this](const platform::Reminder& r) {
                if (auto done = m_store.completeReminder(r.identifier); !done)
                    tell({QCoreApplication::translate("EventsSection",
                                                      "The reminder could not be completed."),
                          done.error()});
            },
            &m_state.eventsController().lastChange()};
}

views::EventActionDependencies EventsSection::actionDependencies() {
    return {m_store,
            m_state.defaults(),
            m_videoCalls.urlOpener(),
            m_videoCalls.detector(),
            m_prompter,
            m_panel.environment(),
            m_state.scheduler(),
            [this](const platform::Event& e) { m_videoCalls.join(e); },
            [this](QDate day) { m_dayOpener.open(day); },
            [](const QUrl& url) { return QDesktopServices::openUrl(url); }};
}

void EventsSection::createViews() {
    auto& screen = m_panel.mainScreen();
    m_calendarView = new views::MonthCalendarView(
        {m_state.defaults(), m_calendarModel, m_state.scheduler(), m_highlightedDays,
         [this](QDate day) { m_dayOpener.open(day); },
         [this] { return m_state.timeTravelResets().onGoToToday(views::isOnlyOptionHeld()); }});
    screen.setSectionWidget(Section::calendar, m_calendarView);

    createList();
    if (auto* more = qobject_cast<views::MoreMenu*>(screen.moreButton()->menu()))
        more->addWindowSubmenu(new views::HiddenEventsMenu(m_state.defaults(), m_store, more));
}

void EventsSection::createList() {
    auto& screen = m_panel.mainScreen();
    screen.setSectionWidget(Section::eventList, nullptr);
    screen.setSectionWidget(Section::joinButton, nullptr);
    m_queries.emplace(m_store, m_state.defaults(), m_panel.environment()().timeZoneId);
    m_listView = new views::EventListView(listDependencies());
    QObject::connect(m_listView, &views::EventListView::itemActivated,
                     [this](const events::CalendarItem& item) { showDetails(item); });
    QObject::connect(m_listView, &views::EventListView::contextMenuRequested,
                     [this](const events::CalendarItem& item, QDate day, QPoint at) {
                         showRowMenu(item, day, at);
                     });
    screen.setSectionWidget(Section::eventList, m_listView);

    auto* join = new views::JoinNextCallButton(listDependencies());
    screen.setSectionWidget(Section::joinButton, join);
    QObject::connect(join, &views::JoinNextCallButton::visibilityNeedChanged, &screen,
                     [&screen] { screen.sectionContentChanged(); });
    screen.sectionContentChanged();
}

void EventsSection::showDetails(const events::CalendarItem& item) {
    if (!m_details)
        m_details = new views::EventDetailsWindow(m_actions);
    m_details->showItem(item);
}

void EventsSection::showRowMenu(const events::CalendarItem& item, QDate dateInList,
                                QPoint globalPosition) {
    auto* menu = new views::EventRowMenu(m_actions, item, dateInList, m_listView);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(globalPosition);
}

void EventsSection::tell(const calendar::UserMessage& message) {
    auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral("Ruvo"), message.text,
                                QMessageBox::Ok, &m_panel.menuWindow());
    box->setInformativeText(message.informativeText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void EventsSection::onDateEvent(platform::DateEvent event) {
    if (event == platform::DateEvent::timeZoneChanged) {
        m_store.setTimeZone(m_panel.environment()().timeZoneId);
        createList();
        m_state.eventsController().reloadEvents();
    }
    const QDate now = today(m_state.scheduler(), m_panel.environment()());
    if (now == m_today)
        return;
    // A new day: a selection that was "today" moves on with it.
    if (m_state.selectedDate.value() == m_today)
        m_state.selectedDate.set(now);
    m_today = now;
    m_calendarModel.refresh();
    if (m_calendarView)
        m_calendarView->refresh();
    if (m_listView)
        m_listView->refresh();
}

} // namespace ruvo::app
