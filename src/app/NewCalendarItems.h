// SPDX-License-Identifier: GPL-3.0-or-later
// Where "New Event" leads, from the menu window's add button, the "more" menu, the panel item's
// menu, the newEvent shortcut and the desktop action: Ruvo's "New Calendar Item" window, or
// the web calendar or calendar application that `createNewEventsWith` names.
#pragma once

#include "app/AppState.h"
#include "app/Panel.h"
#include "platform/UrlOpener.h"
#include "platform/linux/XdgCalendarApplication.h"
#include "views/creation/NewCalendarItemWindow.h"

#include <QPointer>

namespace ruvo::app {

class NewCalendarItems {
public:
    NewCalendarItems(AppState& state, Panel& panel, platform::UrlOpener& urlOpener);
    NewCalendarItems(const NewCalendarItems&) = delete;
    NewCalendarItems& operator=(const NewCalendarItems&) = delete;
    ~NewCalendarItems();

    void start();

private:
    void showWindow();
    views::NewItemDependencies dependencies();
    std::optional<kit::Instant> travelInstant() const;
    views::NewItemDependencies::HandOver
    continueInCalendarApplication(const platform::EventDraft& draft);

    AppState& m_state;
    Panel& m_panel;
    platform::UrlOpener& m_urlOpener;
    platform::XdgCalendarApplication m_calendarApplication;
    QPointer<views::NewCalendarItemWindow> m_window;
};

} // namespace ruvo::app
