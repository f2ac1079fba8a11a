// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrivateBus.h"
#include "TestSupport.h"
#include "kit/VirtualScheduler.h"
#include "platform/linux/LinuxSystemDateEvents.h"
#include "platform/linux/MidnightTimer.h"

#include <QDBusMessage>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ruvo;
using namespace std::chrono_literals;
using platform::DateEvent;
using ruvo::test::at;

TEST(MidnightTimer, NextLocalMidnightAcrossZonesAndDstChanges) {
    struct Row {
        const char* zone;
        const char* now;
        const char* expected;
    };
    const Row rows[] = {
        {"America/New_York", "2026-12-05T04:59:59Z", "2026-12-05T05:00:00Z"},
        {"America/New_York", "2026-12-05T05:00:00Z", "2026-12-06T05:00:00Z"},
        // The day of the spring change is 23 hours long.
        {"America/New_York", "2026-03-08T05:00:00Z", "2026-03-09T04:00:00Z"},
        {"Asia/Kolkata", "2026-12-04T18:29:00Z", "2026-12-04T18:30:00Z"},
        // Santiago moves its clocks at midnight: 2026-09-06 begins at 01:00 (-03).
        {"America/Santiago", "2026-09-05T16:00:00Z", "2026-09-06T04:00:00Z"},
        {"Not/AZone", "2026-12-04T14:41:05Z", "2026-12-05T00:00:00Z"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(kit::formatIsoUtc(
                      platform::nextLocalMidnight(at(row.now), QString::fromLatin1(row.zone))),
                  QString::fromLatin1(row.expected))
            << row.zone << " " << row.now;
}

namespace {

class FakeSystemServices : public QObject {
public:
    explicit FakeSystemServices(QDBusConnection bus) : m_bus(std::move(bus)) {
        m_bus.registerService(QStringLiteral("org.freedesktop.login1"));
        m_bus.registerService(QStringLiteral("org.freedesktop.timedate1"));
    }
    void prepareForSleep(bool goingToSleep) {
        auto signal = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/login1"),
                                                 QStringLiteral("org.freedesktop.login1.Manager"),
                                                 QStringLiteral("PrepareForSleep"));
        signal << goingToSleep;
        m_bus.send(signal);
    }

private:
    QDBusConnection m_bus;
};

bool pointLink(const QString& link, const QString& zone) {
    const QString temporary = link + QStringLiteral(".new");
    QFile::remove(temporary);
    return QFile::link(QStringLiteral("/usr/share/zoneinfo/") + zone, temporary) &&
           std::rename(temporary.toLocal8Bit().constData(), link.toLocal8Bit().constData()) == 0;
}

} // namespace

TEST(LinuxSystemDateEvents, MergesZoneWakeLocaleAndMidnight) {
    test::PrivateBus bus;
    ASSERT_TRUE(bus.isRunning());
    QTemporaryDir etc;
    const QString localtime = etc.filePath(QStringLiteral("localtime"));
    ASSERT_TRUE(pointLink(localtime, QStringLiteral("America/New_York")));
    FakeSystemServices services(bus.connect(QStringLiteral("system-services")));

    kit::VirtualScheduler scheduler(at("2026-12-04T23:59:00-05:00"));
    platform::LinuxSystemDateEvents events(scheduler,
                                           [] { return QStringLiteral("America/New_York"); },
                                           {localtime, bus.connect(QStringLiteral("ruvo-system"))});
    std::vector<DateEvent> seen;
    auto subscription = events.subscribe([&](DateEvent e) { seen.push_back(e); });

    scheduler.advance(60s);
    EXPECT_EQ(seen, std::vector{DateEvent::dayChanged});

    ASSERT_TRUE(pointLink(localtime, QStringLiteral("Europe/Berlin")));
    ASSERT_TRUE(test::processEventsUntil([&] { return seen.size() == 2; }));
    EXPECT_EQ(seen.back(), DateEvent::timeZoneChanged);

    services.prepareForSleep(true);
    services.prepareForSleep(false);
    // The wake is planned when the signals arrive, and passed on one second later.
    ASSERT_TRUE(test::processEventsUntil(
        [&] { return scheduler.nextDue() == scheduler.now() + std::chrono::milliseconds(1s); }));
    EXPECT_EQ(seen.size(), 2u);
    scheduler.advance(999ms);
    EXPECT_EQ(seen.size(), 2u);
    scheduler.advance(1ms);
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen.back(), DateEvent::wake);

    events.notifyLocaleChanged();
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen.back(), DateEvent::localeChanged);

    // After all that, the next midnight is still planned: one more day event a day later.
    scheduler.advance(24h);
    EXPECT_EQ(std::count(seen.begin(), seen.end(), DateEvent::dayChanged), 2);
}
