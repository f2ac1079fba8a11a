// SPDX-License-Identifier: GPL-3.0-or-later
// The time-travel row: a reset button (Escape), a slider of ±24 hours and the travel time,
// offset and date. While the slider has focus, Left/Right and Ctrl+Left/Right step by an hour
// (or 30 minutes), Alt+Left/Right by 15 minutes.
#pragma once

#include "kit/Signal.h"
#include "kit/Timer.h"

#include <QPointer>
#include <QWidget>
#include <optional>

class QKeyEvent;
class QLabel;
class QSlider;
class QToolButton;

namespace ruvo::views {

struct WorldClockContext;

class TimeTravelSliderRow final : public QWidget {
    Q_OBJECT
public:
    TimeTravelSliderRow(WorldClockContext& context, QWidget* parent = nullptr);

    // Redraws the labels and moves the slider to the offset.
    void refresh();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void onSliderMoved(int value);
    struct ArrowStep {
        bool isForward;
        bool isFine; // 15 minutes
    };
    // Left/Right, Ctrl+Left/Right, Alt+Left/Right: the slider's keys while it has focus.
    static std::optional<ArrowStep> arrowStep(const QKeyEvent& event);
    void step(bool forward, bool fine);
    void reset();
    void updateSliderStep();
    void showWelcome();
    bool use30MinuteSteps() const;

    WorldClockContext& m_context;
    QToolButton* m_reset;
    QSlider* m_slider;
    QLabel* m_time;
    QLabel* m_offset;
    QLabel* m_date;
    QPointer<QWidget> m_welcome;
    kit::Timer m_welcomeTimer;
};

} // namespace ruvo::views
