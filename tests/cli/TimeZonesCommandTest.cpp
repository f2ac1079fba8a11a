// SPDX-License-Identifier: GPL-3.0-or-later
// "ruvo timezones ...", as a script sees it.
#include "cli/TimeZonesCommand.h"

#include "TestSupport.h"
#include "settings/Keys.h"
#include "settings/SettingsFiles.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace ruvo;

TEST(TimeZonesCommand, ScriptsSeeStatusesAndOutput) {
    auto files = settings::SettingsFiles::inMemory();
    kit::FixedClock clock(test::at("2026-07-01T12:00:00Z"));
    struct Row {
        QStringList args;
        int status;
        const char* outStart; // the beginning of standard output
    };
    const Row rows[] = {
        {{QStringLiteral("describe"), QStringLiteral("America/Mexico_City")},
         0,
         "utcOffsetText: UTC-6\nnormalizedAbbreviation: CST\nzoneLabel: UTC-6 (CST)\n"
         "relativeOffsetText: -2h\nrelativeDayText: Today\nweekdayText: Wed\nisDaytime: false\n"},
        {{QStringLiteral("describe"), QStringLiteral("Mars/Base")}, 2, ""},
        {{QStringLiteral("describe")}, 2, ""},
        {{QStringLiteral("add"), QStringLiteral("Zürich")}, 0, ""},
        {{QStringLiteral("add"), QStringLiteral("Asia/Kathmandu")}, 0, ""},
        {{QStringLiteral("add"), QStringLiteral("qqxzv")}, 1, ""},
        // Quito, listed first, is also called San Francisco de Quito.
        {{QStringLiteral("add"), QStringLiteral("san francisco")}, 0, ""},
        {{QStringLiteral("search"), QStringLiteral("x")}, 1, ""},
        {{QStringLiteral("search"), QStringLiteral("kathmandu")},
         0,
         "Kathmandu, Bagmati Province, Nepal\tUTC+5:45\tAsia/Kathmandu\n"},
        {{QStringLiteral("remove"), QStringLiteral("Europe/Nowhere")}, 1, ""},
        {{QStringLiteral("remove"), QStringLiteral("Europe/Zurich")}, 0, ""},
        {{QStringLiteral("frobnicate")}, 2, ""},
    };
    for (const Row& row : rows) {
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        cli::CommandContext context{files->defaults(),
                                    clock,
                                    {QStringLiteral("en_US"), QStringLiteral("America/New_York")},
                                    QString(),
                                    outStream,
                                    errStream,
                                    {}};
        const QString args = row.args.join(QLatin1Char(' '));
        EXPECT_EQ(cli::timeZonesCommand().run(context, row.args), row.status) << args.toStdString();
        outStream.flush();
        // A null QString does not start with "": compare the prefix explicitly.
        EXPECT_EQ(out.left(qsizetype(strlen(row.outStart))), QString::fromUtf8(row.outStart))
            << args.toStdString() << "\n"
            << out.toStdString();
        EXPECT_EQ(err.isEmpty(), row.status == 0) << args.toStdString();
    }
    const auto entries = files->defaults().get(settings::keys::timeZonesInMenu);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].timeZone.identifier, QStringLiteral("Asia/Kathmandu"));
    EXPECT_FALSE(entries[0].name.has_value());
    EXPECT_EQ(entries[1].timeZone.identifier, QStringLiteral("America/Los_Angeles"));

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
