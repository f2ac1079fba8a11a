// SPDX-License-Identifier: GPL-3.0-or-later
// Learns that the wall clock was set: a timerfd armed far in the future with
// TFD_TIMER_CANCEL_ON_SET is cancelled by the kernel whenever CLOCK_REALTIME is set.
#pragma once

#include <QObject>

class QSocketNotifier;

namespace ruvo::platform {

class ClockChangeWatcher : public QObject {
    Q_OBJECT
public:
    explicit ClockChangeWatcher(QObject* parent = nullptr);
    ~ClockChangeWatcher() override;

    bool isWatching() const { return m_fd >= 0; }

Q_SIGNALS:
    void clockChanged();

private:
    bool arm();
    void onReadable();

    int m_fd = -1;
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace ruvo::platform
