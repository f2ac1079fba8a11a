// SPDX-License-Identifier: GPL-3.0-or-later
// The menu window's quick-add line for the running program: it reads the sentence against the
// clock, the zone and the default event duration, saves to the same calendar `ruvo add`
// chooses, and is there only while some calendar can take a new event.
#pragma once

#include "app/AppState.h"
#include "app/Panel.h"
#include "platform/CalendarStore.h"
#include "quickadd/QuickAdd.h"

#include <QPointer>

namespace ruvo::views {
class QuickAddLine;
} // namespace ruvo::views

namespace ruvo::app {

class QuickAddSection {
public:
    QuickAddSection(AppState& state, Panel& panel, platform::CalendarStore& store);
    QuickAddSection(const QuickAddSection&) = delete;
    QuickAddSection& operator=(const QuickAddSection&) = delete;
    ~QuickAddSection();

private:
    kit::Result<quickadd::QuickAddEvent> read(const QString& sentence) const;
    kit::Result<QString> understand(const QString& sentence) const;
    kit::Result<QString> save(const QString& sentence);
    void updateVisibility();

    AppState& m_state;
    Panel& m_panel;
    platform::CalendarStore& m_store;
    QPointer<views::QuickAddLine> m_line;
    kit::Subscription m_storeChanged;
};

} // namespace ruvo::app
