// SPDX-License-Identifier: GPL-3.0-or-later
// The world-clock section of the menu window: the time-travel row (above the rows when the
// section is at the bottom of the menu, below them when it is at the top) and one row per
// visible entry in a scroll area. Self-contained: the menu window only embeds it.
#pragma once

#include "kit/Signal.h"
#include "views/timezones/WorldClockContext.h"

#include <QWidget>
#include <vector>

class QScrollArea;
class QVBoxLayout;

namespace ruvo::views {

class TimeTravelSliderRow;
class TimeZoneRowView;

class WorldClockListView final : public QWidget {
    Q_OBJECT
public:
    explicit WorldClockListView(WorldClockContext context, QWidget* parent = nullptr);
    ~WorldClockListView() override;

    // Redraws every row (a tick, a change of the offset, the day or an entry).
    void refresh();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void rebuild();
    bool isOpenedFrom(const QUuid& id) const;
    void onSliderSettingChanged(bool isShown);

    WorldClockContext m_context;
    QVBoxLayout* m_layout;
    QScrollArea* m_scroll;
    QWidget* m_rowsHolder;
    QVBoxLayout* m_rowsLayout;
    TimeTravelSliderRow* m_slider = nullptr;
    std::vector<TimeZoneRowView*> m_rows;
    menubar::ClockTimer m_ticker;
    std::vector<kit::Subscription> m_subscriptions;
};

} // namespace ruvo::views
