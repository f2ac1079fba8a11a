// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/events/actions/HiddenEventsMenu.h"

namespace ruvo::views {

HiddenEventsMenu::HiddenEventsMenu(const settings::Defaults& defaults,
                                   const platform::CalendarStore& store, QWidget* parent)
    : QMenu(tr("Hidden Events"), parent), m_hidden(defaults, store) {
    connect(this, &QMenu::aboutToShow, this, &HiddenEventsMenu::rebuild);
    rebuild();
}

void HiddenEventsMenu::rebuild() {
    clear();
    for (QMenu* old : m_entries)
        old->deleteLater(); // later: an entry may be the menu whose action is running
    m_entries.clear();
    addSection(tr("Last 10 Hidden Events"));
    const auto latest = m_hidden.latest();
    if (latest.empty()) {
        addAction(tr("No Hidden Events"))->setEnabled(false);
        return;
    }
    for (const auto& entry : latest) {
        QMenu* item = addMenu(entry.title);
        m_entries.push_back(item);
        item->addAction(tr("Unhide"), this, [this, id = entry.identifier] { m_hidden.unhide(id); });
    }
}

} // namespace ruvo::views
