// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/events/actions/EventDetailsWindow.h"

#include <QScrollArea>
#include <QVBoxLayout>

namespace ruvo::views {

EventDetailsWindow::EventDetailsWindow(EventActionDependencies deps, QWidget* parent)
    : QWidget(parent, Qt::Window), m_deps(std::move(deps)), m_scroll(new QScrollArea(this)) {
    setWindowTitle(tr("Event Details"));
    m_scroll->setWidgetResizable(true);
    m_scroll->setFrameShape(QFrame::NoFrame);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scroll);
    resize(380, 420);
}

void EventDetailsWindow::showItem(const events::CalendarItem& item) {
    m_screen = new EventDetailsScreen(m_deps, m_notes, item);
    m_scroll->setWidget(m_screen); // deletes the previous screen
    const auto* event = std::get_if<platform::Event>(&item);
    setWindowTitle(event ? event->title() : std::get<platform::Reminder>(item).title);
    show();
    raise();
    activateWindow();
}

} // namespace ruvo::views
