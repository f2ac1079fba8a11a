// SPDX-License-Identifier: GPL-3.0-or-later
// The "Time zones" pane of the settings window: the entries in order (drag, or Alt+Up and
// Alt+Down, to reorder), "+" to search and add one, "−" or Delete to delete the selected one, a
// double click or Enter to edit.
#pragma once

#include "kit/Clock.h"
#include "kit/Signal.h"
#include "settings/Defaults.h"
#include "timezones/PlaceList.h"

#include <QUuid>
#include <QWidget>

class QListWidget;

namespace ruvo::views {

class TimeZonesSettings final : public QWidget {
    Q_OBJECT
public:
    TimeZonesSettings(const settings::Defaults& defaults, const kit::Clock& clock,
                      timezones::PlaceList& places, QWidget* parent = nullptr);

    QListWidget* list() const { return m_list; }
    void storeOrder();
    void editEntry(QUuid id);
    void deleteSelected();
    // Moves the selected entry `step` places up (negative) or down, within the list.
    void moveSelected(int step);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void reload();
    void addEntry();

    const settings::Defaults& m_defaults;
    const kit::Clock& m_clock;
    timezones::PlaceList& m_places;
    QListWidget* m_list;
    kit::Subscription m_subscription;
};

} // namespace ruvo::views
