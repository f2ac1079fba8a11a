// SPDX-License-Identifier: GPL-3.0-or-later
// "ruvo timezones ...", as a script sees it.
#include "cli/TimeZonesCommand.h"

#include "CommandFixture.h"
#include "settings/Keys.h"

#include <QUuid>

using namespace ruvo;

namespace {

// A menu holding `zones`, in this order.
settings::TimeZoneList menuOf(const QStringList& zones) {
    settings::TimeZoneList entries;
    for (const QString& zone : zones)
        entries.push_back(
            settings::ChosenTimeZone::make(QUuid::createUuid(), *settings::ZuTimeZone::make(zone)));
    return entries;
}

QStringList zonesOf(const settings::TimeZoneList& entries) {
    QStringList zones;
    for (const auto& entry : entries)
        zones << entry.timeZone.identifier;
    return zones;
}

} // namespace

using TimeZonesCommand = test::CommandFixture;

// Each row starts from its own menu: what the command prints, its status, and the menu after.
TEST_F(TimeZonesCommand, ScriptsSeeStatusesOutputAndTheMenu) {
    clock = kit::FixedClock(test::at("2026-07-01T12:00:00Z"));
    environment = {QStringLiteral("en_US"), QStringLiteral("America/New_York")};
    const QString zurich = QStringLiteral("Europe/Zurich");
    const QString kathmandu = QStringLiteral("Asia/Kathmandu");
    struct Row {
        QStringList before;
        const char* line; // the arguments, split at "|"
        int status;
        const char* output; // contained in standard output; nullptr: nothing on it
        QStringList after;
    };
    const Row rows[] = {
        {{},
         "describe|America/Mexico_City",
         0,
         "utcOffsetText: UTC-6\nnormalizedAbbreviation: CST\nzoneLabel: UTC-6 (CST)\n"
         "relativeOffsetText: -2h\nrelativeDayText: Today\nweekdayText: Wed\nisDaytime: false\n",
         {}},
        {{}, "describe|Africa/Cairo|--json", 0, "\"twentyFourHour\": \"15:00\"", {}},
        {{}, "describe|Mars/Base", 2, nullptr, {}},
        {{}, "add|Zürich", 0, "\tEurope/Zurich\t", {zurich}},
        {{zurich}, "add|Asia/Kathmandu", 0, "\tAsia/Kathmandu\tUTC+5:45", {zurich, kathmandu}},
        {{zurich}, "add|qqxzv", 1, nullptr, {zurich}},
        // San Francisco is a city; Quito, listed first, is also called San Francisco de Quito.
        {{},
         "add|san francisco",
         0,
         "\tAmerica/Los_Angeles\t",
         {QStringLiteral("America/Los_Angeles")}},
        {{}, "search|x", 1, nullptr, {}},
        {{},
         "search|kathmandu",
         0,
         "Kathmandu, Bagmati Province, Nepal\tUTC+5:45\tAsia/Kathmandu\n",
         {}},
        {{zurich}, "remove|Europe/Nowhere", 1, nullptr, {zurich}},
        {{kathmandu, zurich}, "remove|Europe/Zurich", 0, nullptr, {kathmandu}},
        {{zurich}, "frobnicate", 2, nullptr, {zurich}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        defaults.set(settings::keys::timeZonesInMenu, menuOf(row.before));
        EXPECT_EQ(run(cli::timeZonesCommand(), QString::fromUtf8(row.line).split(u'|')),
                  row.status);
        if (row.output)
            EXPECT_TRUE(output.contains(QString::fromUtf8(row.output))) << qPrintable(output);
        else
            EXPECT_TRUE(output.isEmpty()) << qPrintable(output);
        EXPECT_EQ(errors.isEmpty(), row.status == 0);
        EXPECT_EQ(zonesOf(defaults.get(settings::keys::timeZonesInMenu)), row.after);
    }
}
