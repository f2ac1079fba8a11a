// SPDX-License-Identifier: GPL-3.0-or-later
// "ruvo timezones ...", as a script sees it.
#include "cli/TimeZonesCommand.h"

#include "TestSupport.h"
#include "settings/Keys.h"
#include "settings/SettingsFiles.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QUuid>
#include <gtest/gtest.h>

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

// Each row starts from its own menu: what the command prints, its status, and the menu after.
TEST(TimeZonesCommand, ScriptsSeeStatusesOutputAndTheMenu) {
    kit::FixedClock clock(test::at("2026-07-01T12:00:00Z"));
    const QString zurich = QStringLiteral("Europe/Zurich");
    const QString kathmandu = QStringLiteral("Asia/Kathmandu");
    struct Row {
        QStringList before;
        QStringList args;
        int status;
        const char* output; // contained in standard output; nullptr: nothing on it
        QStringList after;
    };
    const Row rows[] = {
        {{},
         {QStringLiteral("describe"), QStringLiteral("America/Mexico_City")},
         0,
         "utcOffsetText: UTC-6\nnormalizedAbbreviation: CST\nzoneLabel: UTC-6 (CST)\n"
         "relativeOffsetText: -2h\nrelativeDayText: Today\nweekdayText: Wed\nisDaytime: false\n",
         {}},
        {{}, {QStringLiteral("describe"), QStringLiteral("Mars/Base")}, 2, nullptr, {}},
        {{}, {QStringLiteral("describe")}, 2, nullptr, {}},
        {{}, {QStringLiteral("add"), QStringLiteral("Zürich")}, 0, "\tEurope/Zurich\t", {zurich}},
        {{zurich},
         {QStringLiteral("add"), kathmandu},
         0,
         "\tAsia/Kathmandu\tUTC+5:45",
         {zurich, kathmandu}},
        {{zurich}, {QStringLiteral("add"), QStringLiteral("qqxzv")}, 1, nullptr, {zurich}},
        // San Francisco is a city; Quito, listed first, is also called San Francisco de Quito.
        {{},
         {QStringLiteral("add"), QStringLiteral("san francisco")},
         0,
         "\tAmerica/Los_Angeles\t",
         {QStringLiteral("America/Los_Angeles")}},
        {{}, {QStringLiteral("search"), QStringLiteral("x")}, 1, nullptr, {}},
        {{},
         {QStringLiteral("search"), QStringLiteral("kathmandu")},
         0,
         "Kathmandu, Bagmati Province, Nepal\tUTC+5:45\tAsia/Kathmandu\n",
         {}},
        {{zurich},
         {QStringLiteral("remove"), QStringLiteral("Europe/Nowhere")},
         1,
         nullptr,
         {zurich}},
        {{kathmandu, zurich}, {QStringLiteral("remove"), zurich}, 0, nullptr, {kathmandu}},
        {{zurich}, {QStringLiteral("frobnicate")}, 2, nullptr, {zurich}},
    };
    for (const Row& row : rows) {
        auto files = settings::SettingsFiles::inMemory();
        files->defaults().set(settings::keys::timeZonesInMenu, menuOf(row.before));
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        cli::CommandContext context{files->defaults(),
                                    clock,
                                    {QStringLiteral("en_US"), QStringLiteral("America/New_York")},
                                    QString(),
                                    outStream,
                                    errStream,
                                    {}};
        const std::string args = row.args.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(cli::timeZonesCommand().run(context, row.args), row.status) << args;
        outStream.flush();
        if (row.output)
            EXPECT_TRUE(out.contains(QString::fromUtf8(row.output))) << args << "\n"
                                                                     << out.toStdString();
        else
            EXPECT_TRUE(out.isEmpty()) << args << "\n" << out.toStdString();
        EXPECT_EQ(err.isEmpty(), row.status == 0) << args;
        EXPECT_EQ(zonesOf(files->defaults().get(settings::keys::timeZonesInMenu)), row.after)
            << args;
    }
}

TEST(TimeZonesCommand, DescribeAsJson) {
    auto files = settings::SettingsFiles::inMemory();
    kit::FixedClock clock(test::at("2026-07-01T12:00:00Z"));
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    cli::CommandContext context{files->defaults(),
                                clock,
                                kit::Environment{QStringLiteral("en_US"), QStringLiteral("UTC")},
                                QString(),
                                outStream,
                                errStream,
                                {}};
    ASSERT_EQ(cli::timeZonesCommand().run(context, {QStringLiteral("describe"),
                                                    QStringLiteral("Africa/Cairo"),
                                                    QStringLiteral("--json")}),
              0);
    outStream.flush();
    const QJsonObject d = QJsonDocument::fromJson(out.toUtf8()).object();
    EXPECT_EQ(d.value(QLatin1String("zoneLabel")).toString(), QStringLiteral("UTC+3"));
    EXPECT_EQ(d.value(QLatin1String("isDaytime")).toBool(), true);
    EXPECT_EQ(d.value(QLatin1String("timeText")).toObject().value(QLatin1String("twentyFourHour")),
              QStringLiteral("15:00"));
}
