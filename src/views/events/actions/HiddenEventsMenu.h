// SPDX-License-Identifier: GPL-3.0-or-later
// "Hidden Events" of the "more" menu: under "Last 10 Hidden Events" the latest hidden
// events, each with "Unhide". The list is read afresh each time the menu opens, so an
// unhidden event leaves it the next time.
//
//   moreMenu->addMenu(new views::HiddenEventsMenu(defaults, store, moreMenu));
#pragma once

#include "events/actions/HiddenEvents.h"

#include <QMenu>

namespace ruvo::views {

class HiddenEventsMenu : public QMenu {
    Q_OBJECT
public:
    HiddenEventsMenu(const settings::Defaults& defaults, const platform::CalendarStore& store,
                     QWidget* parent = nullptr);

    void rebuild();

private:
    events::actions::HiddenEvents m_hidden;
    std::vector<QMenu*> m_entries;
};

} // namespace ruvo::views
