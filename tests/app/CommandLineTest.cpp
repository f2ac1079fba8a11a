// SPDX-License-Identifier: GPL-3.0-or-later
// The global options, as a script sees them.
#include "TestSupport.h"
#include "app/GlobalOptions.h"
#include "settings/SettingsFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>
#include <unicode/datefmt.h>

using namespace ruvo;

TEST(GlobalOptions, ParsesAnywhereAndRejectsBadValues) {
    struct Row {
        QStringList args;
        const char* error; // nullptr: parses
        QStringList remaining;
    };
    const auto w = [](const char* line) {
        return QString::fromUtf8(line).split(u' ', Qt::SkipEmptyParts);
    };
    const Row rows[] = {
        {w("--now 2026-12-04T09:41:00-05:00 menubar-text"), nullptr, w("menubar-text")},
        {w("defaults --config-dir=/tmp/x list"), nullptr, w("defaults list")},
        {w("--time-zone Mars/Base"), "--time-zone: unknown time zone \"Mars/Base\"", {}},
        {w("--now tomorrow"), "--now: \"tomorrow\" is not an ISO 8601 date and time", {}},
        {{QStringLiteral("--now"), QString()}, "--now: \"\" is not an ISO 8601 date and time", {}},
        {w("--locale"), "--locale needs a value", {}},
        {w("--locale xx_NOWHERE"), "--locale: unknown locale \"xx_NOWHERE\"", {}},
    };
    for (const Row& row : rows) {
        const auto parsed = app::GlobalOptions::parse(row.args);
        if (row.error) {
            ASSERT_FALSE(parsed.isOk()) << row.args.join(QLatin1Char(' ')).toStdString();
            EXPECT_EQ(parsed.error(), QString::fromUtf8(row.error));
        } else {
            ASSERT_TRUE(parsed.isOk()) << parsed.error().toStdString();
            EXPECT_EQ(parsed->remaining, row.remaining);
        }
    }
    // A time without an offset is read in --time-zone, even when that option comes later.
    const auto local = app::GlobalOptions::parse(
        {QStringLiteral("--now=2026-07-01T12:00:00"), QStringLiteral("--time-zone=Asia/Kolkata")});
    EXPECT_EQ(local->now, test::at("2026-07-01T06:30:00Z"));
}

TEST(GlobalOptions, HandsOverUrisAndCalendarFilesButNeverACommand) {
    QTemporaryDir folder;
    const QString ics = folder.filePath(QStringLiteral("invite.ics"));
    QFile file(ics);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const QString txt = folder.filePath(QStringLiteral("notes.txt"));
    QFile(txt).open(QIODevice::WriteOnly);
    const QString webcal = QStringLiteral("webcal://example.org/a.ics");
    const std::pair<QStringList, QStringList> rows[] = {
        {{webcal}, {webcal}},
        {{QStringLiteral("--config-dir=/tmp/x"), webcal, ics},
         {webcal, QUrl::fromLocalFile(ics).toString()}},
        {{QStringLiteral("events")}, {}},
        {{webcal, QStringLiteral("events")}, {}},
        {{txt}, {}},
        {{folder.filePath(QStringLiteral("missing.ics"))}, {}},
        {{QStringLiteral("action"), QStringLiteral("get-sound"), QStringLiteral("gong")}, {}},
    };
    for (const auto& [args, uris] : rows) {
        const auto parsed = app::GlobalOptions::parse(args);
        ASSERT_TRUE(parsed.isOk());
        EXPECT_EQ(parsed->urisToOpen(), uris) << args.join(QLatin1Char(' ')).toStdString();
    }
}

TEST(GlobalOptions, LocaleComesFromTheOptionThenTheSettingThenTheSystem) {
    qputenv("LANG", "en_GB.UTF-8");
    const auto none = app::GlobalOptions::parse({}).value();
    const auto french = app::GlobalOptions::parse({QStringLiteral("--locale=fr-FR")}).value();
    EXPECT_EQ(none.environment(std::nullopt).localeId, QStringLiteral("en_GB"));
    EXPECT_EQ(none.environment(QStringLiteral("de_DE")).localeId, QStringLiteral("de_DE"));
    EXPECT_EQ(french.environment(QStringLiteral("de_DE")).localeId, QStringLiteral("fr_FR"));

    // Once applied, formatters made without naming a locale use it.
    none.environment(QStringLiteral("de_DE")).applyLocaleToProcess();
    UErrorCode status = U_ZERO_ERROR;
    icu::UnicodeString month;
    std::unique_ptr<icu::DateFormat> format(
        icu::DateFormat::createInstanceForSkeleton(u"MMMM", status));
    format->format(kit::toUDate(test::at("2026-03-01T12:00:00Z")), month);
    EXPECT_EQ(QString::fromUtf16(month.getBuffer(), month.length()), QStringLiteral("März"));
    kit::Environment{QStringLiteral("en_US"), QStringLiteral("UTC")}.applyLocaleToProcess();
}
