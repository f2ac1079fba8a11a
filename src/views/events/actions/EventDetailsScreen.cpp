// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/events/actions/EventDetailsScreen.h"

#include "events/actions/EventTimeText.h"
#include "settings/Keys.h"
#include "views/events/actions/NotesText.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ruvo::views {

namespace keys = settings::keys;
using namespace events::actions;

QString participantStatusText(platform::ParticipantStatus status) {
    using S = platform::ParticipantStatus;
    switch (status) {
    case S::pending:
        return QCoreApplication::translate("EventDetailsScreen", "Pending");
    case S::accepted:
        return QCoreApplication::translate("EventDetailsScreen", "Accepted");
    case S::declined:
        return QCoreApplication::translate("EventDetailsScreen", "Declined");
    case S::tentative:
        return QCoreApplication::translate("EventDetailsScreen", "Maybe");
    case S::delegated:
        return QCoreApplication::translate("EventDetailsScreen", "Delegated");
    case S::completed:
        return QCoreApplication::translate("EventDetailsScreen", "Completed");
    case S::inProcess:
        return QCoreApplication::translate("EventDetailsScreen", "In Process");
    case S::unknown:
        break;
    }
    return QCoreApplication::translate("EventDetailsScreen", "Unknown");
}

EventDetailsScreen::EventDetailsScreen(const EventActionDependencies& deps,
                                       videocalls::NotesCleaner& notes,
                                       const events::CalendarItem& item, QWidget* parent)
    : QWidget(parent), m_actions(deps), m_notes(notes), m_layout(new QVBoxLayout(this)) {
    if (const auto* event = std::get_if<platform::Event>(&item))
        addEvent(*event);
    else
        addReminder(std::get<platform::Reminder>(item));
    m_layout->addStretch();
}

void EventDetailsScreen::addEvent(const platform::Event& event) {
    QLabel* title = addField("title", event.title());
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.25);
    title->setFont(bold);
    addField("time", eventTimeText(event, m_actions.dependencies().environment()));
    addCalendarTitle(event.calendarIdentifier());
    addZones(event);
    addLocation(event);
    addJoinLink(event);
    addNotes(event.notes());
    addAttendees(event);
    addReplyButtons(event);
}

void EventDetailsScreen::addReminder(const platform::Reminder& reminder) {
    QLabel* title = addField("title", reminder.title);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    if (reminder.due)
        addField("due",
                 tr("Due: %1").arg(dueText(*reminder.due, m_actions.dependencies().environment())));
    addCalendarTitle(reminder.calendarIdentifier);
    addNotes(reminder.notes);
    auto* completed =
        new QCheckBox(QCoreApplication::translate("EventDetailsScreen", "Is Completed"), this);
    completed->setObjectName(QStringLiteral("completed"));
    completed->setChecked(reminder.isCompleted);
    completed->setEnabled(false);
    m_layout->addWidget(completed);
}

void EventDetailsScreen::addCalendarTitle(const QString& calendarIdentifier) {
    const auto& deps = m_actions.dependencies();
    if (!deps.defaults.get(keys::eventDetails_showCalendarTitle))
        return;
    if (const auto calendar = deps.store.calendarWithIdentifier(calendarIdentifier))
        addField("calendar", calendar->title);
}

void EventDetailsScreen::addZones(const platform::Event& event) {
    const auto& deps = m_actions.dependencies();
    if (!deps.defaults.get(keys::menu_eventDetails_showTimeZones))
        return;
    QStringList lines;
    for (const auto& row :
         otherZoneTimes(event, deps.defaults.get(keys::timeZonesInMenu), deps.environment()))
        lines << row.name + QStringLiteral(": ") + row.text;
    if (!lines.isEmpty())
        addField("zones", lines.join(QLatin1Char('\n')));
}

void EventDetailsScreen::addLocation(const platform::Event& event) {
    const QString text = m_actions.place(event);
    if (text.isEmpty())
        return;
    auto* row = new QHBoxLayout;
    auto* place = new QLabel(text, this);
    place->setObjectName(QStringLiteral("location"));
    place->setTextFormat(Qt::PlainText);
    place->setWordWrap(true);
    place->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* maps = new QPushButton(m_actions.mapsLabel(), this);
    maps->setObjectName(QStringLiteral("maps"));
    connect(maps, &QPushButton::clicked, this, [this, event] { m_actions.openMap(event); });
    row->addWidget(place, 1);
    row->addWidget(maps);
    m_layout->addLayout(row);
}

void EventDetailsScreen::addJoinLink(const platform::Event& event) {
    const auto call = m_actions.videoCall(event);
    if (!call)
        return;
    const QString url = call->url.toString();
    QLabel* link = addField("joinLink",
                            QStringLiteral("<a href=\"%1\">%2</a>")
                                .arg(QString::fromUtf8(call->url.toEncoded()).toHtmlEscaped(),
                                     call->name.value_or(url).toHtmlEscaped()),
                            Qt::RichText);
    link->setToolTip(url);
}

void EventDetailsScreen::addNotes(const QString& notes) {
    const QString cleaned = m_notes.cleaned(notes);
    if (!cleaned.trimmed().isEmpty())
        addField("notes", notesRichText(cleaned), Qt::RichText);
}

void EventDetailsScreen::addAttendees(const platform::Event& event) {
    QStringList lines;
    for (const auto& a : event.attendees()) {
        const QString who = a.name.isEmpty() ? a.address : a.name;
        lines << who + QStringLiteral(" — ") + participantStatusText(a.participantStatus);
    }
    if (!lines.isEmpty())
        addField("attendees", lines.join(QLatin1Char('\n')));
}

// Accept, Maybe and Decline under the attendees of an invitation; the answer given so far
// is the pressed one.
void EventDetailsScreen::addReplyButtons(const platform::Event& event) {
    const auto status = m_actions.invitationStatus(event);
    if (!status)
        return;
    const bool isWritable = !m_actions.isReadOnly(event.calendarIdentifier());
    using platform::ParticipantStatus;
    const std::tuple<const char*, QString, ParticipantStatus> answers[] = {
        {"accept", tr("Accept"), ParticipantStatus::accepted},
        {"maybe", tr("Maybe"), ParticipantStatus::tentative},
        {"decline", tr("Decline"), ParticipantStatus::declined}};
    auto* row = new QHBoxLayout;
    auto* group = new QButtonGroup(this); // one answer shows as given
    for (const auto& [name, label, answer] : answers) {
        auto* button = new QPushButton(label, this);
        button->setObjectName(QString::fromLatin1(name));
        button->setCheckable(true);
        button->setChecked(*status == answer);
        button->setEnabled(isWritable);
        group->addButton(button);
        connect(button, &QPushButton::clicked, this,
                [this, event, answer = answer] { m_actions.reply(event, answer); });
        row->addWidget(button);
    }
    row->addStretch(1);
    m_layout->addLayout(row);
}

QLabel* EventDetailsScreen::addField(const char* name, const QString& text, Qt::TextFormat format) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(format);
    label->setWordWrap(true);
    label->setTextInteractionFlags(format == Qt::RichText ? Qt::TextBrowserInteraction
                                                          : Qt::TextSelectableByMouse);
    label->setOpenExternalLinks(false);
    if (format == Qt::RichText)
        connect(label, &QLabel::linkActivated, this, &EventDetailsScreen::openLink);
    m_layout->addWidget(label);
    return label;
}

void EventDetailsScreen::openLink(const QString& link) {
    const QUrl url(link, QUrl::StrictMode);
    if (platform::isOpenableScheme(url.scheme()))
        m_actions.dependencies().urls.open(url);
}

} // namespace ruvo::views
