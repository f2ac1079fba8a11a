// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/events/actions/EventRowMenu.h"

#include "events/actions/EventMuting.h"
#include "events/actions/ReminderRetiming.h"

#include <QActionGroup>

namespace ruvo::views {

using namespace events::actions;

EventRowMenu::EventRowMenu(const EventActionDependencies& deps, events::CalendarItem item,
                           QDate dateInList, QWidget* parent)
    : QMenu(parent), m_actions(deps), m_item(std::move(item)), m_dateInList(dateInList) {
    setToolTipsVisible(true);
    if (const auto* event = std::get_if<platform::Event>(&m_item))
        addEventEntries(*event);
    else
        addReminderEntries(std::get<platform::Reminder>(m_item));
}

void EventRowMenu::addEventEntries(const platform::Event& event) {
    if (m_actions.videoCall(event)) {
        addAction(tr("Join Video Call"), this, [this, event] {
            if (const auto& join = m_actions.dependencies().join)
                join(event);
        });
        addAction(tr("Copy Video Call Link"), this,
                  [this, event] { m_actions.copyVideoCallLink(event); });
        addSeparator();
    }
    addShowInCalendar();
    addAction(m_actions.mapsLabel(), this, [this, event] { m_actions.openMap(event); });
    addAction(tr("Email Event"), this, [this, event] { m_actions.email(event); });
    addSeparator();
    addReplyEntries(event);
    addMuteToggle(event);
    addAction(tr("Hide"), this, [this, event] { m_actions.hide(event); });
    QAction* remove = addAction(tr("Delete"), this, [this, event] { m_actions.remove(event); });
    remove->setEnabled(!m_actions.isReadOnly(event.calendarIdentifier()));
}

// Accept, Maybe and Decline for an invitation, the answer given so far checked.
void EventRowMenu::addReplyEntries(const platform::Event& event) {
    const auto status = m_actions.invitationStatus(event);
    if (!status)
        return;
    const bool isWritable = !m_actions.isReadOnly(event.calendarIdentifier());
    auto* group = new QActionGroup(this);
    using platform::ParticipantStatus;
    const std::pair<QString, ParticipantStatus> answers[] = {
        {tr("Accept"), ParticipantStatus::accepted},
        {tr("Maybe"), ParticipantStatus::tentative},
        {tr("Decline"), ParticipantStatus::declined}};
    for (const auto& [label, answer] : answers) {
        QAction* action = addAction(
            label, this, [this, event, answer = answer] { m_actions.reply(event, answer); });
        action->setCheckable(true);
        action->setChecked(*status == answer);
        action->setEnabled(isWritable);
        group->addAction(action);
    }
    addSeparator();
}

void EventRowMenu::addReminderEntries(const platform::Reminder& reminder) {
    const bool isWritable = !m_actions.isReadOnly(reminder.calendarIdentifier);
    addShowInCalendar();
    addSeparator();
    addPriorityMenu(reminder, isWritable);
    QAction* complete = addAction(tr("Mark as Completed"), this,
                                  [this, reminder] { m_actions.complete(reminder); });
    complete->setEnabled(isWritable && !reminder.isCompleted);
    addRetimingMenu(reminder, isWritable);
    addSeparator();
    QAction* remove =
        addAction(tr("Delete"), this, [this, reminder] { m_actions.remove(reminder); });
    remove->setEnabled(isWritable);
}

// Reminders open the calendar application at their day too: Linux has no separate
// reminders application that can be addressed, and the usual calendar programs list tasks.
void EventRowMenu::addShowInCalendar() {
    QString label = tr("Show in Calendar");
    if (const auto* event = std::get_if<platform::Event>(&m_item)) {
        if (m_actions.googleCalendarLink(*event))
            label = tr("Show in Google Calendar");
    } else {
        label = tr("Show in Reminders");
    }
    addAction(label, this, [this] { m_actions.showInCalendar(m_item, m_dateInList); });
}

void EventRowMenu::addMuteToggle(const platform::Event& event) {
    const auto& defaults = m_actions.dependencies().defaults;
    const bool muted = isMuted(defaults, event);
    QAction* mute = addAction(muted ? tr("Muted All Occurrences") : tr("Mute All Occurrences"));
    mute->setCheckable(true);
    mute->setChecked(muted);
    mute->setToolTip(muteExplanation());
    connect(mute, &QAction::toggled, this,
            [&defaults, event](bool on) { setMuted(defaults, event, on); });
}

void EventRowMenu::addPriorityMenu(const platform::Reminder& reminder, bool isWritable) {
    struct Level {
        const char* label;
        int priority;
        bool matches;
    };
    const int p = reminder.priority;
    const Level levels[] = {{QT_TR_NOOP("None"), 0, p == 0},
                            {QT_TR_NOOP("Low"), 9, p >= 6},
                            {QT_TR_NOOP("Medium"), 5, p == 5},
                            {QT_TR_NOOP("High"), 1, p >= 1 && p <= 4}};
    QMenu* menu = addMenu(tr("Priority"));
    menu->setEnabled(isWritable);
    auto* group = new QActionGroup(menu);
    for (const Level& level : levels) {
        QAction* a =
            menu->addAction(tr(level.label), this, [this, reminder, priority = level.priority] {
                m_actions.setPriority(reminder, priority);
            });
        a->setCheckable(true);
        a->setChecked(level.matches);
        group->addAction(a);
    }
}

void EventRowMenu::addRetimingMenu(const platform::Reminder& reminder, bool isWritable) {
    QMenu* menu = addMenu(tr("Change Due Date"));
    menu->setEnabled(isWritable);
    const auto& deps = m_actions.dependencies();
    const auto choices = retimingChoices(reminder, deps.clock.now(), deps.environment().timeZoneId);
    for (const auto& choice : choices) {
        if (choice.kind == Retiming::removeTime || choice.kind == Retiming::tomorrow)
            menu->addSeparator();
        menu->addAction(choice.label, this,
                        [this, reminder, due = choice.due] { m_actions.setDue(reminder, due); });
    }
}

} // namespace ruvo::views
