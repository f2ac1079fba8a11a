// SPDX-License-Identifier: GPL-3.0-or-later
// The floating clock: the local time in a small frameless window that stays above all
// windows, above full-screen windows too, or on the desktop, as the settings say. It can be
// dragged anywhere; "Hide" (shown while the pointer is over it) turns it off.
#pragma once

#include "kit/Environment.h"
#include "kit/Scheduler.h"
#include "kit/Signal.h"
#include "menubar/ClockTimer.h"
#include "settings/Defaults.h"

#include <QPointer>
#include <QWidget>

class QLabel;
class QToolButton;

namespace ruvo::views {

class FloatingClockWindow final : public QWidget {
    Q_OBJECT
public:
    FloatingClockWindow(const settings::Defaults& defaults, kit::Scheduler& scheduler,
                        menubar::ClockTicks& ticks, std::function<kit::Environment()> environment,
                        QWidget* parent = nullptr);

    void refreshTime();
    void applySettings();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void applyWindowLevel();

    const settings::Defaults& m_defaults;
    kit::Scheduler& m_scheduler;
    menubar::ClockTicks& m_ticks;
    std::function<kit::Environment()> m_environment; // asked at every tick
    QWidget* m_shadowHolder;
    QLabel* m_time;
    QToolButton* m_hide;
    menubar::ClockTimer m_ticker;
    QPoint m_dragOffset;
    std::vector<kit::Subscription> m_subscriptions;
};

// Shows the floating clock while floatingClockIsEnabled is on.
class FloatingClockController {
public:
    FloatingClockController(const settings::Defaults& defaults, kit::Scheduler& scheduler,
                            menubar::ClockTicks& ticks,
                            std::function<kit::Environment()> environment);
    ~FloatingClockController();

    FloatingClockWindow* window() const { return m_window; }

private:
    void apply(bool isEnabled);

    const settings::Defaults& m_defaults;
    kit::Scheduler& m_scheduler;
    menubar::ClockTicks& m_ticks;
    std::function<kit::Environment()> m_environment; // asked at every tick
    QPointer<FloatingClockWindow> m_window;
    kit::Subscription m_subscription;
};

} // namespace ruvo::views
