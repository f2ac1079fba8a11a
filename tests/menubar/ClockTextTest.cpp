// SPDX-License-Identifier: GPL-3.0-or-later
#include "menubar/ClockText.h"

#include "TestSupport.h"
#include "menubar/MenuBarIcons.h"
#include "menubar/MenuDateLine.h"

#include <gtest/gtest.h>

using namespace ruvo;
using menubar::ClockTextSettings;
using ruvo::test::at;
using settings::MenuBarIconType;

namespace {

const QString nnbsp = QString(QChar(0x202F));

QString u(const char* text) {
    return QString::fromUtf8(text).replace(QStringLiteral("_"), nnbsp);
}

ClockTextSettings defaults() {
    return ClockTextSettings{};
}

ClockTextSettings with(std::function<void(ClockTextSettings&)> change) {
    ClockTextSettings s;
    change(s);
    return s;
}

} // namespace

// Friday 2026-12-04 09:41:05 in New York. "_" in expectations is U+202F, the narrow no-break
// space that the locales put before AM/PM.
TEST(ClockText, ComposesFromSwitchesIconsAndLocales) {
    struct Row {
        const char* locale;
        ClockTextSettings settings;
        const char* expected;
    };
    const auto dateOn = [](ClockTextSettings& s) { s.showDate = true; };
    const Row rows[] = {
        {"en_US", defaults(), "Fri 9:41_AM"},
        {"en_US", with([](auto& s) { s.showAmPm = false; }), "Fri 9:41"},
        {"en_US", with([](auto& s) { s.showSeconds = true; }), "Fri 9:41:05_AM"},
        // Month only together with the date switch.
        {"en_US", with([](auto& s) { s.showMonth = true; }), "Fri 9:41_AM"},
        {"en_US", with(dateOn), "Fri Dec 4  9:41_AM"},
        {"en_US", with([](auto& s) { s.showDate = true, s.showMonth = false; }), "4 Fri  9:41_AM"},
        {"en_US", with([](auto& s) { s.showDate = true, s.showTime = false; }), "Fri Dec 4"},
        {"en_US", with([](auto& s) { s.showWeekDay = false; }), "9:41_AM"},
        // The icon shows the day number: weekday and month on their own, weekday first.
        {"en_US",
         with([](auto& s) { s.showDate = true, s.icon = MenuBarIconType::dateWithBorder; }),
         "Fri Dec  9:41_AM"},
        {"en_US",
         with([](auto& s) { s.showDate = true, s.icon = MenuBarIconType::dateAndDayOfWeek; }),
         "Dec  9:41_AM"},
        {"en_US", with([](auto& s) { s.showWeekNumber = true; }), "(49) Fri 9:41_AM"},
        {"en_US", with([](auto& s) { s.showWeekDay = false, s.showTime = false; }), "Ruvo"},
        {"en_US", with([](auto& s) {
             s.showWeekDay = false, s.showTime = false, s.icon = MenuBarIconType::star;
         }),
         ""},
        {"en_GB", with(dateOn), "Fri 4 Dec  09:41"},
        {"de_DE", defaults(), "Fr 09:41"},
        {"de_DE", with(dateOn), "Fr. 4. Dez.  09:41"},
        {"fr_FR", with(dateOn), "Ven. 4 déc.  09:41"},
        {"ru_RU", with(dateOn), "Пт, 4 дек.  09:41"},
        {"sk_SK", with(dateOn), "pi 4. 12.,  9:41"},
        {"sk_SK", defaults(), "pi 9:41"},
        {"ja_JP", with(dateOn), "12月4日(金)  9:41"},
        {"ja_JP",
         with([](auto& s) { s.showDate = true, s.icon = MenuBarIconType::dateInCalendar; }),
         "金 12月  9:41"},
        // A custom pattern wins over the switches; quotes make literals.
        {"en_US", with([](auto& s) { s.dateTimeFormat = QStringLiteral("E d MMM  HH:mm"); }),
         "Fri 4 Dec  09:41"},
        {"en_US", with([](auto& s) { s.dateTimeFormat = QStringLiteral("'Week' w"); }), "Week 49"},
        {"en_US", with([](auto& s) { s.dateTimeFormat = QStringLiteral("'  '"); }), "Ruvo"},
    };
    for (const Row& row : rows) {
        const kit::Environment env{QString::fromLatin1(row.locale),
                                   QStringLiteral("America/New_York")};
        const auto text = menubar::composeClockText(row.settings, at("2026-12-04T14:41:05Z"), env);
        EXPECT_EQ(text.text, u(row.expected)) << row.locale << " expected \"" << row.expected
                                              << "\" got \"" << text.text.toStdString() << "\"";
        EXPECT_EQ(text.isCustomPattern, !row.settings.dateTimeFormat.isEmpty());
    }
}

TEST(ClockText, UsesTheSystemZoneRulesAndTheLocaleWeekRules) {
    struct Row {
        const char* locale;
        const char* zone;
        const char* instant;
        const char* pattern;
        const char* expected;
    };
    const Row rows[] = {
        // ICU's own 2022 rules put Mexico City at UTC-5 in July 2026; the system says -6.
        {"en_US", "America/Mexico_City", "2026-07-01T18:00:00Z", "HH:mm", "12:00"},
        // The night of a DST change: 01:59 EST, then 03:00 EDT.
        {"en_US", "America/New_York", "2026-03-08T06:59:00Z", "HH:mm z", "01:59 EST"},
        {"en_US", "America/New_York", "2026-03-08T07:00:00Z", "HH:mm z", "03:00 EDT"},
        // Week numbers differ at the year's end: en_US starts week 1 of 2027, Germany is ISO.
        {"en_US", "America/New_York", "2026-12-27T17:00:00Z", "w", "1"},
        {"de_DE", "Europe/Berlin", "2026-12-27T17:00:00Z", "w", "52"},
        {"en_US", "Not/AZone", "2026-12-04T14:41:05Z", "HH:mm", "14:41"},
    };
    for (const Row& row : rows) {
        const kit::Environment env{QString::fromLatin1(row.locale), QString::fromLatin1(row.zone)};
        EXPECT_EQ(
            menubar::formatWithPattern(QString::fromLatin1(row.pattern), at(row.instant), env),
            QString::fromLatin1(row.expected))
            << row.zone << " " << row.instant;
    }
}

// The labels are marked for translation in a table of their own: they must come out translated.
TEST(MenuBarIcons, PickerLabelsInTheUsersLanguage) {
    const test::ScopedTranslations inGerman(QStringLiteral("de_DE"));
    EXPECT_EQ(menubar::pickerLabel(MenuBarIconType::none), u("Keines"));
}

TEST(MenuDateLine, PatternOrComposedLine) {
    struct Row {
        menubar::MenuDateLineSettings settings;
        const char* expected;
    };
    const Row rows[] = {
        {{.pattern = {}}, ""},
        {{.pattern = QStringLiteral("EEEE, d MMMM")}, "Friday, 4 December"},
        {{.pattern = {}, .showDate = true, .showDayOfWeek = true}, "Friday, December 4, 2026"},
        {{.pattern = {}, .showDate = true, .showTime = true, .showAmPm = false},
         "December 4, 2026  9:41"},
        {{.pattern = {}, .showWeekNumber = true, .showTime = true, .showSeconds = true},
         "(49) 9:41:05_AM"},
    };
    const kit::Environment env{QStringLiteral("en_US"), QStringLiteral("America/New_York")};
    for (const Row& row : rows)
        EXPECT_EQ(menubar::composeMenuDateLine(row.settings, at("2026-12-04T14:41:05Z"), env),
                  u(row.expected));
}
