// SPDX-License-Identifier: GPL-3.0-or-later
// The scheduler of the running program: the system clock and precise Qt timers.
#pragma once

#include "kit/Scheduler.h"

#include <QObject>

namespace ruvo::kit {

class RealScheduler final : public QObject, public Scheduler {
    Q_OBJECT
public:
    explicit RealScheduler(QObject* parent = nullptr);

    Instant now() const override;
    Timer at(Instant when, Task task) override;
    Timer after(Milliseconds delay, Task task) override;
    Timer every(Milliseconds interval, Task task) override;

private:
    Timer start(Milliseconds delay, bool repeating, Task task);
};

} // namespace ruvo::kit
