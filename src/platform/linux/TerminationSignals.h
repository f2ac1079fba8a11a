// SPDX-License-Identifier: GPL-3.0-or-later
// Turns SIGTERM (the session ending, `kill`) and SIGINT (Ctrl+C in a terminal) into a call on
// the main thread, so the program quits through its event loop and its objects are torn
// down in order. The handler only writes one byte to a socket pair; the rest runs later.
#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace ruvo::platform {

class TerminationSignals final : public QObject {
    Q_OBJECT
public:
    // One per process; `onSignal` receives the signal's number.
    explicit TerminationSignals(std::function<void(int)> onSignal, QObject* parent = nullptr);
    ~TerminationSignals() override;

private:
    void onReadable();

    std::function<void(int)> m_onSignal;
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace ruvo::platform
