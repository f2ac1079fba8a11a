// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/videocalls/ZoomLink.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace ruvo::videocalls;
using K = ZoomLink::Kind;

TEST(ZoomLink, ReadsNumberAndPasswordOfEveryForm) {
    struct Row {
        const char* link;
        std::optional<K> kind;
        const char* number;
        const char* password;
        const char* app; // "" when there is none
    };
    const Row rows[] = {
        {"https://zoom.us/j/81234567890?pwd=AbC.1", K::meeting, "81234567890", "AbC.1",
         "zoommtg://zoom.us/join?confno=81234567890&pwd=AbC.1"},
        {"https://us02web.zoom.us/j/123456789", K::meeting, "123456789", "",
         "zoommtg://us02web.zoom.us/join?confno=123456789"},
        {"https://acme.zoom.us/s/987654321?pwd=x", K::meeting, "987654321", "x",
         "zoommtg://acme.zoom.us/join?confno=987654321&pwd=x"},
        {"https://zoom.us/wc/join/111222333?pwd=p", K::meeting, "111222333", "p",
         "zoommtg://zoom.us/join?confno=111222333&pwd=p"},
        {"https://app.zoom.us/wc/444555666/join?pwd=q", K::meeting, "444555666", "q",
         "zoommtg://app.zoom.us/join?confno=444555666&pwd=q"},
        {"https://zoom.us/join?confno=777888999", K::meeting, "777888999", "",
         "zoommtg://zoom.us/join?confno=777888999"},
        {"https://www.zoomgov.com/j/1601234567?pwd=g", K::meeting, "1601234567", "g",
         "zoommtg://www.zoomgov.com/join?confno=1601234567&pwd=g"},
        {"https://zoom.com/j/2223334445?pwd=a%2Bb", K::meeting, "2223334445", "a+b",
         "zoommtg://zoom.com/join?confno=2223334445&pwd=a%2Bb"},
        {"https://acme.zoom.us/w/99887766554?tk=t", K::webinar, "99887766554", "",
         "zoommtg://acme.zoom.us/join?confno=99887766554"},
        {"https://zoom.us/my/jane.doe", K::personalRoom, "", "", ""},
        {"https://zoom.us/j/notanumber", std::nullopt, "", "", ""},
        {"https://zoom.us/", std::nullopt, "", "", ""},
        {"https://notzoom.us/j/123", std::nullopt, "", "", ""},
        {"https://zoom.us.example.com/j/123", std::nullopt, "", "", ""},
    };
    for (const Row& row : rows) {
        const QUrl url(QString::fromUtf8(row.link));
        // Webinars and personal rooms are left to the service table.
        EXPECT_EQ(isZoomMeetingLink(url), row.kind == K::meeting) << row.link;
        const std::optional<ZoomLink> link = parseZoomLink(url);
        ASSERT_EQ(link.has_value(), row.kind.has_value()) << row.link;
        if (!link)
            continue;
        EXPECT_EQ(link->kind, *row.kind) << row.link;
        EXPECT_EQ(link->meetingNumber, QString::fromUtf8(row.number)) << row.link;
        EXPECT_EQ(link->password, QString::fromUtf8(row.password)) << row.link;
        const std::optional<QUrl> app = link->applicationLink();
        EXPECT_EQ(app ? app->toString(QUrl::FullyEncoded) : QString(), QString::fromUtf8(row.app));
    }
}
