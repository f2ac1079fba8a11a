// SPDX-License-Identifier: GPL-3.0-or-later
// Measures how responsive the main thread is: a timer asks to run every `interval`, and the
// time it waited beyond that is how long the event loop was busy with something else (a
// re-scan, a query, painting). Each stall over the limit is written as it happens; every
// `reportEvery` a summary line follows. The program starts one when RUVO_STALL_LOG names a
// file, for the load test under bench/.
#pragma once

#include "kit/Scheduler.h"

#include <QString>
#include <functional>

namespace ruvo::app {

class StallMonitor {
public:
    using Sink = std::function<void(const QString& line)>;
    struct Options {
        kit::Milliseconds interval{10};
        kit::Milliseconds stallOver{50};
        kit::Milliseconds reportEvery{10000};
    };

    // `steady` measures the lateness: a clock no wall-clock change moves.
    StallMonitor(kit::Scheduler& scheduler, const kit::Clock& steady, Sink sink, Options options);

    // Writes to the file at `path` (appending), a line at a time so that a killed program
    // leaves every line it measured.
    static Sink fileSink(const QString& path);

private:
    void onTick();
    void report(qint64 sinceStartMs);

    const kit::Clock& m_steady;
    Sink m_sink;
    Options m_options;
    kit::Instant m_started;
    kit::Instant m_lastTick;
    kit::Instant m_lastReport;
    qint64 m_ticks = 0;
    qint64 m_stalls = 0;
    kit::Milliseconds m_longest{0};
    kit::Timer m_timer;
};

} // namespace ruvo::app
