// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtPrinters.h"
#include "events/videocalls/VideoCallService.h"
#include "platform/fake/FakeUrlOpener.h"

#include <gtest/gtest.h>

using namespace ruvo;
using namespace ruvo::videocalls;

TEST(ServiceTable, EveryRowAcceptsItsPassingSamplesFirstAndRejectsItsFailingOnes) {
    const platform::FakeUrlOpener noApps;
    const auto& table = allVideoCallServices();
    ASSERT_FALSE(table.empty()); // a loop over nothing would pass
    QStringList titles;
    for (const VideoCallService& row : table) {
        titles << row.title;
        EXPECT_FALSE(row.fixturesPass.isEmpty()) << qPrintable(row.title);
        EXPECT_FALSE(row.fixturesFail.isEmpty()) << qPrintable(row.title);
        for (const QString& sample : row.fixturesPass) {
            const QUrl link(sample);
            EXPECT_EQ(row.url(Candidate::from(link), noApps), std::optional<QUrl>(link))
                << qPrintable(row.title) << " " << qPrintable(sample);
            const auto first = matchVideoCallService(link, noApps);
            EXPECT_EQ(first ? first->name : std::nullopt, std::optional<QString>(row.title))
                << "an earlier row takes " << qPrintable(sample);
        }
        for (const QString& sample : row.fixturesFail)
            EXPECT_EQ(row.url(Candidate::from(QUrl(sample)), noApps), std::nullopt)
                << qPrintable(row.title) << " " << qPrintable(sample);
    }
    EXPECT_EQ(titles.removeDuplicates(), 0);
}

TEST(ServiceTable, ApplicationLinksOnlyWhenAnApplicationHandlesTheScheme) {
    struct Row {
        const char* link;
        const char* scheme;
        const char* withApp;
    };
    const Row rows[] = {
        {"https://app.chime.aws/meetings/1234567890", "chime", "chime://meeting?pin=1234567890"},
        {"https://chime.aws/1234567890", "chime", "chime://meeting?pin=1234567890"},
        {"https://meet.jit.si/Weekly?x=1", "jitsi-meet", "jitsi-meet://meet.jit.si/Weekly?x=1"},
        {"https://app.slack.com/huddle/T01ABC/C02DEF", "slack",
         "slack://join-huddle?team=T01ABC&id=C02DEF"},
    };
    for (const Row& row : rows) {
        platform::FakeUrlOpener apps;
        const QUrl link(QString::fromUtf8(row.link));
        EXPECT_EQ(matchVideoCallService(link, apps)->url, link) << row.link;
        apps.schemesWithApplication << QString::fromUtf8(row.scheme);
        EXPECT_EQ(matchVideoCallService(link, apps)->url.toString(QUrl::FullyEncoded),
                  QString::fromUtf8(row.withApp));
    }
}

TEST(ServiceTable, MatchingTextDropsSchemeAndWww) {
    EXPECT_EQ(matchingText(QUrl(QStringLiteral("https://www.whereby.com/x"))),
              QStringLiteral("whereby.com/x"));
    EXPECT_EQ(matchingText(QUrl(QStringLiteral("http://whereby.com/x"))),
              QStringLiteral("whereby.com/x"));
    EXPECT_EQ(pathComponents(QUrl(QStringLiteral("https://a.b/join/1"))),
              (QStringList{QStringLiteral("/"), QStringLiteral("join"), QStringLiteral("1")}));
}
