// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/videocalls/VideoCallDetector.h"

#include "QtPrinters.h"
#include "platform/fake/FakeUrlOpener.h"

#include <gtest/gtest.h>
#include <thread>

using namespace ruvo;
using namespace ruvo::videocalls;

namespace {

CallEvent event(const char* location, const char* notes = "", const char* url = "") {
    CallEvent e;
    e.calendarItemIdentifier = QStringLiteral("E1");
    e.location = QString::fromUtf8(location);
    e.notes = QString::fromUtf8(notes);
    e.url = QUrl(QString::fromUtf8(url));
    return e;
}

QString safeLinkAround(const QString& link) {
    return QStringLiteral("https://nam12.safelinks.protection.outlook.com/?url=") +
           QString::fromLatin1(QUrl::toPercentEncoding(link)) + QStringLiteral("&data=05%7C01");
}

} // namespace

// Which link each service takes is the service table's samples, how wrappers unwrap
// LinkCleanerTest's; here the order of location, notes and URL, and one wrapper in HTML notes.
TEST(VideoCallDetector, FindsTheServiceAndLinkInDetectionOrder) {
    const QString teams =
        QStringLiteral("https://teams.microsoft.com/l/meetup-join/19%3ameeting_NjA2%40thread.v2/"
                       "0?context=%7b%22Tid%22%3a%22a1%22%7d");
    const QString safeTeams = safeLinkAround(teams);
    struct Row {
        CallEvent event;
        const char* name; // "" when not a video call
        QString url;
    };
    const Row rows[] = {
        {event("", "Zoom: https://meet.google.com/abc-defg-hij and https://zoom.us/j/123456789"),
         "Zoom", QStringLiteral("https://zoom.us/j/123456789")},
        {event("https://whereby.com/team", "https://meet.google.com/abc-defg-hij"), "Google Meet",
         QStringLiteral("https://meet.google.com/abc-defg-hij")},
        {event("", qPrintable(QStringLiteral("<a href=\"%1\">Join</a>").arg(safeTeams))),
         "Microsoft Teams", QUrl(teams).toString(QUrl::FullyEncoded)},
        // Links that look like calls but are not, by any service.
        {event("https://acme.webex.com/cmp/webcomponents/widget/globalcallin/globalcallin.php"), "",
         QString()},
        {event("https://global.gotomeeting.com/join"), "", QString()},
        {event("www.whereby.com/team"), "Whereby", QStringLiteral("https://www.whereby.com/team")},
        {event("Room 4", "", "https://meet.jit.si/Weekly"), "Jitsi Meet",
         QStringLiteral("https://meet.jit.si/Weekly")},
        {event("https://whereby.com/a", "", "https://meet.jit.si/b"), "Whereby",
         QStringLiteral("https://whereby.com/a")},
        {event("Room 4", "no link here"), "", QString()},
        {event(qPrintable(safeLinkAround(QStringLiteral("msteams://whereby.com/team")))), "",
         QString()},
        {event(qPrintable(safeLinkAround(QStringLiteral("zoommtg://zoom.us/join?confno=1")))), "",
         QString()},
    };
    platform::FakeUrlOpener apps;
    VideoCallDetector detector(apps);
    for (const Row& row : rows) {
        const std::optional<Service> found = detector.videoCall(row.event);
        const QString where =
            row.event.location + QLatin1Char('|') + row.event.notes.value_or(QString());
        if (QString::fromUtf8(row.name).isEmpty()) {
            EXPECT_EQ(found, std::nullopt) << qPrintable(where);
            continue;
        }
        ASSERT_TRUE(found) << qPrintable(where);
        EXPECT_EQ(found->name, QString::fromUtf8(row.name)) << qPrintable(where);
        EXPECT_EQ(found->url.toString(QUrl::FullyEncoded), row.url) << qPrintable(where);
        EXPECT_EQ(detector.videoCallServiceName(row.event), found->name);
    }
}

TEST(VideoCallDetector, EditedEventIsDetectedAfreshAndUnusedEntriesAreEvicted) {
    platform::FakeUrlOpener apps;
    VideoCallDetector detector(apps, nullptr, 16);
    CallEvent e = event("", "https://zoom.us/j/123456789");
    EXPECT_EQ(detector.videoCallServiceName(e), QStringLiteral("Zoom"));
    e.notes = QStringLiteral("moved to https://meet.google.com/abc-defg-hij");
    EXPECT_EQ(detector.videoCallServiceName(e), QStringLiteral("Google Meet"));
    EXPECT_EQ(detector.cacheSizes().detections, 2u);
    detector.retainOnly(std::span<const CallEvent>(&e, 1));
    EXPECT_EQ(detector.cacheSizes().detections, 1u);
    EXPECT_EQ(detector.cacheSizes().notesLinks, 1u);
    for (int i = 0; i < 100; ++i) {
        CallEvent other =
            event("", qPrintable(QStringLiteral("https://zoom.us/j/%1").arg(100000000 + i)));
        other.calendarItemIdentifier = QString::number(i);
        detector.videoCall(other);
    }
    EXPECT_LE(detector.cacheSizes().detections, 16u);
}

TEST(VideoCallDetector, StoredServiceAnswersOnlyWhenNoLinkIsRecognised) {
    platform::FakeUrlOpener apps;
    DetectedServiceStore store;
    VideoCallDetector detector(apps, &store);
    const Service stored{QStringLiteral("Phone bridge"),
                         QUrl(QStringLiteral("https://bridge.example.com/42"))};
    store.set(QStringLiteral("E1"), stored);
    EXPECT_EQ(detector.videoCall(event("Room 4")), stored);
    EXPECT_EQ(detector.videoCallServiceName(event("https://zoom.us/j/123456789")),
              QStringLiteral("Zoom"));
    store.remove(QStringLiteral("E1"));
    EXPECT_EQ(detector.videoCall(event("Room 4")), std::nullopt);
}

TEST(VideoCallDetector, LocationForDisplayLosesOnlyTheMeetingLink) {
    struct Row {
        const char* location;
        std::optional<QString> expected;
    };
    const Row rows[] = {
        {"Room 4, https://zoom.us/j/123456789, Floor 2", QStringLiteral("Room 4, Floor 2")},
        {"https://zoom.us/j/123456789", std::nullopt},
        {"Microsoft Teams Meeting; "
         "https://nam12.safelinks.protection.outlook.com/?url=https%3A%2F%2F"
         "meet.google.com%2Fabc-defg-hij",
         QStringLiteral("Microsoft Teams Meeting")},
        {"Room 4 https://example.com/agenda", QStringLiteral("Room 4 https://example.com/agenda")},
        {"", std::nullopt},
    };
    platform::FakeUrlOpener apps;
    VideoCallDetector detector(apps);
    for (const Row& row : rows)
        EXPECT_EQ(detector.cleanedLocationWithoutMeetingLink(event(row.location)), row.expected)
            << row.location;
}

TEST(VideoCallDetector, ManyThreadsAskAtOnce) {
    platform::FakeUrlOpener apps;
    VideoCallDetector detector(apps, nullptr, 8);
    std::vector<std::thread> threads;
    std::atomic<int> zoom = 0;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&, t] {
            for (int i = 0; i < 200; ++i) {
                CallEvent e = event(
                    "", qPrintable(QStringLiteral("https://zoom.us/j/%1").arg(100000000 + i % 20)));
                e.calendarItemIdentifier = QString::number((i + t) % 20);
                if (detector.videoCallServiceName(e) == QStringLiteral("Zoom"))
                    ++zoom;
                if (i % 50 == 0)
                    detector.retainOnly(std::span<const CallEvent>(&e, 1));
            }
        });
    for (auto& thread : threads)
        thread.join();
    EXPECT_EQ(zoom.load(), 800);
}
