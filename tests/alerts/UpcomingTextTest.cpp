// SPDX-License-Identifier: GPL-3.0-or-later
#include "alerts/UpcomingText.h"

#include "TestSupport.h"
#include "alerts/JoinMenuLabel.h"

#include <array>
#include <gtest/gtest.h>
#include <map>

namespace ruvo::alerts {
namespace {

using namespace std::chrono_literals;
using test::at;

// Monday 2026-12-07, 09:00 in Berlin.
const kit::Instant kNow = at("2026-12-07T08:00:00Z");
const QString kStandup = QStringLiteral("Standup");
const QString kLong = QStringLiteral("Weekly planning meeting with team");

struct Case {
    const char* name;
    QString title;
    kit::Milliseconds startIn; // from now; negative: started that long ago
    kit::Milliseconds length;
    UpcomingTextOptions options;
    int ongoingCount;
    const char16_t* expected; // in kLocales' order, each after a "|"
};

UpcomingTextOptions options(void (*change)(UpcomingTextOptions&) = nullptr) {
    UpcomingTextOptions o;
    if (change)
        change(o);
    return o;
}
const UpcomingTextOptions kNoTitle = options([](auto& o) { o.showTitle = false; });
const UpcomingTextOptions kNoCountdown = options([](auto& o) { o.showCountdown = false; });
const UpcomingTextOptions kNeither =
    options([](auto& o) { o.showTitle = o.showCountdown = false; });

const Case kCases[] = {
    {"countdown", kStandup, 5min, 30min, options(), 0,
     u"Standup in 5m|Standup in 5m|Standup in 5 Min|Standup en 5min"},
    {"title hidden", kStandup, 5min, 30min, kNoTitle, 0, u"In 5m|In 5m|In 5 Min|En 5min"},
    {"under a minute", kStandup, 40s, 30min, options(), 0,
     u"Standup in 1m|Standup in 1m|Standup in 1 Min|Standup en 1min"},
    {"quarter hour", kStandup, 80min, 30min, options(), 0,
     u"Standup in 1\u200A\u00BC\u200Ah|Standup in 1\u200A\u00BC\u200Ah|"
     u"Standup in 1\u200A\u00BC Std|Standup en 1\u200A\u00BC\u200Ah"},
    {"half hour rounded", kStandup, 97min, 30min, options(), 0,
     u"Standup in 2h|Standup in 2h|Standup in 2 Std|Standup en 2h"},
    {"minutes past an hour", kStandup, 80min, 30min,
     options([](auto& o) { o.showMinutesForMoreThanAnHour = true; }), 0,
     u"Standup in 1h 20m|Standup in 1h 20m|Standup in 1 Std., 20 Min|Standup en 1h 20min"},
    {"far away today", kStandup, 10h, 30min, options(), 0,
     u"Standup \u2022 7:00\u202FPM|Standup \u2022 19:00|"
     u"Standup \u2022 19:00|Standup \u2022 19:00"},
    {"far away today, no title", kStandup, 10h, 30min, kNoTitle, 0,
     u"At 7:00\u202FPM|At 19:00|19:00|19:00"},
    {"far away, no title, indicator", kStandup, 10h, 30min, options([](auto& o) {
         o.showTitle = false;
         o.showCalendarIndicator = true;
     }),
     0, u"7:00\u202FPM|19:00|19:00|19:00"},
    {"tomorrow morning", kStandup, 20h, 30min, options(), 0,
     u"Standup \u2022 5:00\u202FAM\u2009\u207A\u00B9|Standup \u2022 05:00\u2009\u207A\u00B9|"
     u"Standup \u2022 05:00\u2009\u207A\u00B9|Standup \u2022 5:00\u2009\u207A\u00B9"},
    {"in more than a day", kStandup, 30h, 30min, options(), 0,
     u"Standup in 1d|Standup in 1d|Standup in 1 T|Standup en 1d"},
    {"ongoing", kStandup, -5min, 30min, options(), 0,
     u"Standup \u2022 25m left|Standup \u2022 25m left|"
     u"Standup \u2022 25 Min. left|Standup \u2022 25min left"},
    {"ongoing, over an hour left", kStandup, -5min, 70min, options(), 0,
     u"Standup \u2022 1h 5m left|Standup \u2022 1h 5m left|"
     u"Standup \u2022 1 Std., 5 Min. left|Standup \u2022 1h 5min left"},
    {"ongoing, not during the whole event", kStandup, -4min, 30min,
     options([](auto& o) { o.showDuringEntireEvent = false; }), 0,
     u"Standup \u2022 Now|Standup \u2022 Now|Standup \u2022 Jetzt|Standup \u2022 Ahora"},
    {"ongoing, title hidden", kStandup, -5min, 30min, kNoTitle, 0,
     u"25m left|25m left|25 Min. left|25min left"},
    {"shortened", kLong, 5min, 30min, options(), 0,
     u"Weekly planning mee\u2026 in 5m|Weekly planning mee\u2026 in 5m|"
     u"Weekly planning mee\u2026 in 5 Min|Weekly planning mee\u2026 en 5min"},
    {"two in progress", kStandup, -5min, 30min, options(), 2,
     u"!\u20DD Standup \u2022 25m left|!\u20DD Standup \u2022 25m left|"
     u"!\u20DD Standup \u2022 25 Min. left|!\u20DD Standup \u2022 25min left"},
    {"two in progress, title hidden", kStandup, -5min, 30min, kNoTitle, 2,
     u"!\u20DD \u2022 25m left|!\u20DD \u2022 25m left|"
     u"!\u20DD \u2022 25 Min. left|!\u20DD \u2022 25min left"},
    {"no countdown", kStandup, 5min, 30min, kNoCountdown, 0, u"Standup|Standup|Standup|Standup"},
    {"nothing at all", kStandup, 5min, 30min, kNeither, 0, u"\u25C6|\u25C6|\u25C6|\u25C6"},
};

const char* const kLocales[] = {"en_US", "en_GB", "de_DE", "es_ES"};

TEST(UpcomingText, TextsInFourLocales) {
    for (std::size_t l = 0; l < std::size(kLocales); ++l) {
        const UpcomingText text(
            kit::Environment{QString::fromLatin1(kLocales[l]), QStringLiteral("Europe/Berlin")});
        for (const Case& c : kCases) {
            UpcomingTextInput input;
            input.title = c.title;
            input.range = {kNow + c.startIn, kNow + c.startIn + c.length};
            input.isOngoing = input.range.start <= kNow && kNow <= input.range.end;
            input.ongoingCount = c.ongoingCount;
            input.now = kNow;
            EXPECT_EQ(text.menuBarText(input, c.options),
                      QString::fromUtf16(c.expected).split(u'|').value(qsizetype(l)))
                << kLocales[l] << ": " << c.name;
        }
    }
}

TEST(UpcomingText, ShortenedTitles) {
    struct Row {
        const char16_t* title;
        int limit;
        const char16_t* expected;
    };
    const Row rows[] = {
        {u"Weekly planning meeting with team", 20, u"Weekly planning mee\u2026"},
        {u"Quarterly planning, all hands", 20, u"Quarterly planning\u2026"}, // comma dropped
        {u"Design review with the team", 20, u"Design review with\u2026"},
        {u"Standup", 7, u"Standup"},
        {u"Standup", 6, u"Stand\u2026"},
        {u"Standup", 1, u"\u2026"},
        {u"Standup", 0, u""},
        {u"Caf\u0065\u0301 \U0001F469\u200D\U0001F4BB sync", 7,
         u"Cafe\u0301 \U0001F469\u200D\U0001F4BB\u2026"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(shortenedTitle(QString::fromUtf16(row.title), row.limit),
                  QString::fromUtf16(row.expected))
            << row.limit;
}

// The square icon: the countdown (to the end once the event runs) over the title's start.
TEST(UpcomingText, SquareIconLines) {
    struct Row {
        const char* name;
        const char16_t* title;
        kit::Milliseconds startIn;
        UpcomingTextOptions options;
        std::vector<const char16_t*> lines;
    };
    const Row rows[] = {
        {"countdown", u"Standup", 5min, options(), {u"5m", u"Stan"}},
        {"under a minute never reads 0", u"Standup", 20s, options(), {u"1m", u"Stan"}},
        {"quarter hours without hair spaces", u"Standup", 80min, options(), {u"1¼h", u"Stan"}},
        {"running: the time left", u" Review ", -20min, options(), {u"10m", u"Revi"}},
        {"short title, padded", u"  1:1  ", 5min, options(), {u"5m", u"1:1"}},
        {"grapheme clusters kept whole", u"Café sync", 5min, options(), {u"5m", u"Café"}},
        {"title off", u"Standup", 5min, kNoTitle, {u"5m"}},
        {"countdown off", u"Standup", 5min, kNoCountdown, {u"Stan"}},
        {"both off", u"Standup", 5min, kNeither, {u"◆"}},
        {"untitled", u"", 5min, kNoCountdown, {u"◆"}},
    };
    const UpcomingText text({QStringLiteral("en_US"), QStringLiteral("Europe/Berlin")});
    for (const Row& row : rows) {
        UpcomingTextInput input;
        input.title = QString::fromUtf16(row.title);
        input.range = {kNow + row.startIn, kNow + row.startIn + 30min};
        input.isOngoing = row.startIn < 0ms;
        input.now = kNow;
        QStringList expected;
        for (const char16_t* line : row.lines)
            expected.append(QString::fromUtf16(line));
        EXPECT_EQ(text.squareText(input, row.options), expected) << row.name;
    }
}

TEST(JoinMenuLabel, OneShortLineOfPlainText) {
    struct Row {
        const char16_t* title;
        const char16_t* expected;
    };
    const Row rows[] = {
        {u"Weekly sync", u"Join Weekly sync"},
        {u"  Weekly\nsync\t", u"Join Weekly sync"},
        {u"Line\u2028break\r\nhere", u"Join Line break here"},
        {u"<b>Bold</b> & _under_", u"Join <b>Bold</b> & _under_"}, // shown as written
        {u"Quarterly planning and budget review for the whole department",
         u"Join Quarterly planning and budget review fo\u2026"},
        {u"1234567890123456789012345678901234567890",
         u"Join 1234567890123456789012345678901234567890"},
        {u" \n ", u"Join Video Call"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(joinMenuLabel(QString::fromUtf16(row.title)), QString::fromUtf16(row.expected));
}

} // namespace
} // namespace ruvo::alerts
