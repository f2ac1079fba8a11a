// SPDX-License-Identifier: GPL-3.0-or-later
// The window that shows one item's details (EventDetailsScreen) in a scroll area; showing
// another item replaces the content.
//
//   views::EventDetailsWindow details(deps);
//   details.showItem(item); // from the list's itemActivated
#pragma once

#include "views/events/actions/EventDetailsScreen.h"

#include <QWidget>

class QScrollArea;

namespace ruvo::views {

class EventDetailsWindow : public QWidget {
    Q_OBJECT
public:
    explicit EventDetailsWindow(EventActionDependencies deps, QWidget* parent = nullptr);

    void showItem(const events::CalendarItem& item);
    EventDetailsScreen* screen() const { return m_screen; }

private:
    EventActionDependencies m_deps;
    videocalls::NotesCleaner m_notes;
    QScrollArea* m_scroll;
    EventDetailsScreen* m_screen = nullptr;
};

} // namespace ruvo::views
