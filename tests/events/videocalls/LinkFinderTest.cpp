// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/videocalls/LinkFinder.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace ruvo::videocalls;

namespace {

QStringList linksIn(const QString& text) {
    QStringList links;
    for (const FoundLink& found : findLinks(text))
        links << found.url.toString(QUrl::FullyEncoded);
    return links;
}

struct Row {
    const char* text;
    std::vector<const char*> expected;
};

QStringList strings(const std::vector<const char*>& texts) {
    QStringList list;
    for (const char* text : texts)
        list << QString::fromUtf8(text);
    return list;
}

} // namespace

TEST(LinkFinder, FindsClickableHttpLinksInTextOrder) {
    const Row rows[] = {
        {"Join: https://zoom.us/j/123?pwd=abc.", {"https://zoom.us/j/123?pwd=abc"}},
        {"zoom.us/j/123", {"https://zoom.us/j/123"}},
        {"Room 4 (https://meet.google.com/abc-defg-hij), floor 2",
         {"https://meet.google.com/abc-defg-hij"}},
        {"see https://en.wikipedia.org/wiki/Foo_(bar) now",
         {"https://en.wikipedia.org/wiki/Foo_(bar)"}},
        {"<a href=\"https://x.example.com/a?b=1&amp;c=2\">link</a>",
         {"https://x.example.com/a?b=1&c=2"}},
        {"first http://a.example.org then www.b.example.net/x; last",
         {"http://a.example.org", "https://www.b.example.net/x"}},
        {"Link:https://webex.com/meet/x", {"https://webex.com/meet/x"}},
        {"HTTPS://EXAMPLE.COM/Path", {"https://example.com/Path"}},
        {"mail jane@zoom.us or ftp://zoom.us/file and javascript:alert(1)", {}},
        {"version 1.2.3, file.txt, e.g. this", {}},
        {"https://", {}},
        {"«https://example.com/ünïcode»", {"https://example.com/%C3%BCn%C3%AFcode%C2%BB"}},
        {"&quot;https://example.com/q&quot;", {"https://example.com/q"}},
        {"end of sentence zoom.us.", {"https://zoom.us"}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(linksIn(QString::fromUtf8(row.text)), strings(row.expected)) << row.text;
}

TEST(LinkFinder, ReportsWhereEachLinkIsWritten) {
    const QString text = QStringLiteral("Room 4, https://zoom.us/j/1. Floor 2");
    const std::vector<FoundLink> links = findLinks(text);
    ASSERT_EQ(links.size(), 1u);
    EXPECT_EQ(text.mid(links[0].start, links[0].length), QStringLiteral("https://zoom.us/j/1"));
}

TEST(LinkFinder, LineBreakTagsEndLinks) {
    const QString notes = QStringLiteral("https://zoom.us/j/1<br/>https://zoom.us/j/2<BR class=x>");
    EXPECT_EQ(linksIn(replacingLineBreakTags(notes)),
              (QStringList{QStringLiteral("https://zoom.us/j/1"),
                           QStringLiteral("https://zoom.us/j/2")}));
}

TEST(LinkFinder, TrimsLongRunsOfUnmatchedClosingBrackets) {
    struct Row {
        const char* head;
        char16_t repeated;
        int count;
        const char* expected;
    };
    const Row rows[] = {
        {"https://a.example.com/", u')', 120000, "https://a.example.com/"},
        {"https://a.example.com/(x", u')', 50000, "https://a.example.com/(x)"},
        {"https://a.example.com/[a]b).", u']', 1000, "https://a.example.com/[a]b"},
    };
    for (const Row& row : rows) {
        const QString text = QString::fromUtf8(row.head) + QString(row.count, QChar(row.repeated));
        EXPECT_EQ(linksIn(text), QStringList{QString::fromUtf8(row.expected)}) << row.head;
    }
}
