// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StallMonitor.h"

#include <QFile>
#include <memory>

namespace ruvo::app {

StallMonitor::StallMonitor(kit::Scheduler& scheduler, const kit::Clock& steady, Sink sink,
                           Options options)
    : m_steady(steady), m_sink(std::move(sink)), m_options(options), m_started(steady.now()),
      m_lastTick(m_started), m_lastReport(m_started) {
    m_timer = scheduler.every(m_options.interval, [this] { onTick(); });
}

StallMonitor::Sink StallMonitor::fileSink(const QString& path) {
    auto file = std::make_shared<QFile>(path);
    if (!file->open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        return [](const QString&) {};
    return [file](const QString& line) {
        file->write(line.toUtf8() + '\n');
        file->flush();
    };
}

void StallMonitor::onTick() {
    const kit::Instant now = m_steady.now();
    const auto late = std::max(now - m_lastTick - m_options.interval, kit::Milliseconds{0});
    m_lastTick = now;
    ++m_ticks;
    m_longest = std::max(m_longest, late);
    const qint64 sinceStart = (now - m_started).count();
    if (late > m_options.stallOver) {
        ++m_stalls;
        m_sink(QStringLiteral("stall %1 %2").arg(sinceStart).arg(late.count()));
    }
    if (now - m_lastReport >= m_options.reportEvery)
        report(sinceStart);
}

// One line per period: "window <ms since start> <ticks> <longest ms> <stalls>".
void StallMonitor::report(qint64 sinceStartMs) {
    m_sink(QStringLiteral("window %1 %2 %3 %4")
               .arg(sinceStartMs)
               .arg(m_ticks)
               .arg(m_longest.count())
               .arg(m_stalls));
    m_lastReport = m_lastTick;
    m_ticks = m_stalls = 0;
    m_longest = kit::Milliseconds{0};
}

} // namespace ruvo::app
