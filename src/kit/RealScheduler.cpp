// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/RealScheduler.h"

#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <limits>

namespace ruvo::kit {

namespace {
// QTimer takes an int of milliseconds (about 24.8 days); longer waits are chained.
constexpr qint64 kMaxQTimerInterval = std::numeric_limits<int>::max();
} // namespace

RealScheduler::RealScheduler(QObject* parent) : QObject(parent) {}

Instant RealScheduler::now() const {
    return std::chrono::time_point_cast<Milliseconds>(std::chrono::system_clock::now());
}

Timer RealScheduler::at(Instant when, Task task) {
    return after(std::max(Milliseconds{0}, when - now()), std::move(task));
}

Timer RealScheduler::after(Milliseconds delay, Task task) {
    if (delay.count() <= kMaxQTimerInterval)
        return start(delay, false, std::move(task));
    // Wait the longest a QTimer can, then schedule the rest; the handle follows the chain.
    auto state = std::make_shared<Timer::State>();
    auto inner = std::make_shared<Timer>();
    state->cancel = [inner] { inner->cancel(); };
    const Milliseconds rest = delay - Milliseconds{kMaxQTimerInterval};
    *inner = start(Milliseconds{kMaxQTimerInterval}, false, [this, state, inner, rest, task] {
        if (!state->isActive)
            return;
        Timer next = after(rest, [state, task] {
            state->isActive = false;
            task();
        });
        *inner = std::move(next);
    });
    return Timer{state};
}

Timer RealScheduler::every(Milliseconds interval, Task task) {
    return start(
        std::clamp<Milliseconds>(interval, Milliseconds{1}, Milliseconds{kMaxQTimerInterval}), true,
        std::move(task));
}

Timer RealScheduler::start(Milliseconds delay, bool repeating, Task task) {
    QPointer<QTimer> timer = new QTimer(this);
    timer->setTimerType(Qt::PreciseTimer);
    timer->setSingleShot(!repeating);
    auto state = std::make_shared<Timer::State>();
    state->cancel = [timer] {
        if (timer) {
            timer->stop();
            timer->deleteLater();
        }
    };
    QObject::connect(timer, &QTimer::timeout, timer, [timer, state, repeating, task] {
        if (!state->isActive)
            return;
        if (!repeating) {
            state->isActive = false;
            timer->deleteLater();
        }
        task();
    });
    timer->start(static_cast<int>(delay.count()));
    return Timer{state};
}

} // namespace ruvo::kit
