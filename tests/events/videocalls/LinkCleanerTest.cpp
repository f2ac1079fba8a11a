// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/videocalls/LinkCleaner.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace ruvo::videocalls;

namespace {

struct Row {
    const char* wrapped;
    const char* expected;
};

QString cleaned(const char* link) {
    return unwrapRedirectors(QUrl(QString::fromUtf8(link))).toString(QUrl::FullyEncoded);
}

} // namespace

TEST(LinkCleaner, UnwrapsEveryRedirector) {
    const Row rows[] = {
        {"https://www.youtube.com/redirect?event=video&q=https%3A%2F%2Fzoom.us%2Fj%2F1",
         "https://zoom.us/j/1"},
        {"https://l.facebook.com/l.php?u=https%3A%2F%2Fmeet.jit.si%2FRoom&h=AT0",
         "https://meet.jit.si/Room"},
        {"https://www.facebook.com/flx/warn/?u=https%3A%2F%2Fwhereby.com%2Fteam",
         "https://whereby.com/team"},
        {"https://twitter.com/i/redirect?url=https%3A%2F%2Fzoom.us%2Fj%2F2", "https://zoom.us/j/2"},
        {"https://www.google.com/url?q=https://meet.google.com/abc-defg-hij&sa=D",
         "https://meet.google.com/abc-defg-hij"},
        {"https://www.google.co.uk/url?url=https%3A%2F%2Fzoom.us%2Fj%2F3", "https://zoom.us/j/3"},
        {"https://accounts.google.com/AccountChooser?Email=a%40b.c&continue=https%3A%2F%2Fmeet."
         "google.com%2Fabc-defg-hij",
         "https://meet.google.com/abc-defg-hij"},
        {"https://nam12.safelinks.protection.outlook.com/?url=https%3A%2F%2Fzoom.us%2Fj%2F4&data=x",
         "https://zoom.us/j/4"},
        {"https://eur01.safelinks.protection.outlook.com.mcas.ms/"
         "?url=https%3A%2F%2Fzoom.us%2Fj%2F5",
         "https://zoom.us/j/5"},
        {"https://statics.teams.cdn.office.net/evergreen-assets/safelinks/1/atp-safelinks.html?url="
         "https%3A%2F%2Fzoom.us%2Fj%2F7",
         "https://zoom.us/j/7"},
        {"https://zoom.us.mcas.ms/j/8?pwd=x", "https://zoom.us/j/8?pwd=x"},
        {"https://linkprotect.cudasvc.com/url?a=https%3A%2F%2Fzoom.us%2Fj%2F9&c=E,1",
         "https://zoom.us/j/9"},
        {"https://urldefense.proofpoint.com/v1/url?u=https%3A%2F%2Fzoom.us%2Fj%2F10&k=x",
         "https://zoom.us/j/10"},
        {"https://urldefense.proofpoint.com/v2/url?u=https-3A__zoom.us_j_11-3Fpwd-3Dab&d=DwMF",
         "https://zoom.us/j/11?pwd=ab"},
        {"https://urldefense.com/v3/__https://zoom.us/j/12?pwd=ab__;!!Abc!xyz$",
         "https://zoom.us/j/12?pwd=ab"},
        {"https://urldefense.com/v3/__https://zoom.us/j/13*pwd=ab__;Pw!!Abc$",
         "https://zoom.us/j/13?pwd=ab"},
        {"https://www.figma.com/exit?url=https%3A%2F%2Fwhereby.com%2Fx", "https://whereby.com/x"},
        {"https://click.pstmrk.it/3s/zoom.us%2Fj%2F14/AbC/dEf", "https://zoom.us/j/14"},
        {"https://www.google.com/search?q=https://zoom.us/j/1",
         "https://www.google.com/search?q=https://zoom.us/j/1"},
        {"https://example.com/url?q=https%3A%2F%2Fzoom.us%2Fj%2F1",
         "https://example.com/url?q=https%3A%2F%2Fzoom.us%2Fj%2F1"},
        {"https://nam12.safelinks.protection.outlook.com/?data=nourl",
         "https://nam12.safelinks.protection.outlook.com/?data=nourl"},
        // Only web links come out of a wrapper; anything else stays wrapped.
        {"https://l.facebook.com/l.php?u=javascript%3A%2F%2Fx.com%2F%250Aalert(1)",
         "https://l.facebook.com/l.php?u=javascript%3A%2F%2Fx.com%2F%250Aalert(1)"},
        {"https://www.figma.com/exit?url=msteams%3A%2F%2Fwhereby.com%2Fteam",
         "https://www.figma.com/exit?url=msteams%3A%2F%2Fwhereby.com%2Fteam"},
        {"https://www.google.com/url?q=HTTPS://zoom.us/j/15", "https://zoom.us/j/15"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(cleaned(row.wrapped), QString::fromUtf8(row.expected)) << row.wrapped;
}

TEST(LinkCleaner, UnwrapsNestedWrappersAndCachesPerLink) {
    // Proofpoint around a Safe Link around a Google redirect around a Meet link.
    const QUrl google(
        QStringLiteral("https://www.google.com/url?q=https://meet.google.com/abc-defg-hij"));
    QUrl safe(QStringLiteral("https://nam02.safelinks.protection.outlook.com/"));
    safe.setQuery(QStringLiteral("url=") + QString::fromLatin1(QUrl::toPercentEncoding(
                                               google.toString(QUrl::FullyEncoded))));
    QUrl proofpoint(QStringLiteral("https://urldefense.proofpoint.com/v1/url"));
    proofpoint.setQuery(QStringLiteral("u=") + QString::fromLatin1(QUrl::toPercentEncoding(
                                                   safe.toString(QUrl::FullyEncoded))));
    LinkCleaner cleaner(2);
    EXPECT_EQ(cleaner.clean(proofpoint),
              QUrl(QStringLiteral("https://meet.google.com/abc-defg-hij")));
    cleaner.clean(safe);
    cleaner.clean(google);
    EXPECT_EQ(cleaner.cachedCount(), 2u); // bounded: the oldest answer was dropped
}

TEST(LinkCleaner, WrapperThatPointsAtItselfEnds) {
    const QUrl loop(QStringLiteral("https://zoom.us.mcas.ms.mcas.ms/j/1"));
    EXPECT_EQ(unwrapRedirectors(loop), QUrl(QStringLiteral("https://zoom.us/j/1")));
}
