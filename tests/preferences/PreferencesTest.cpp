// SPDX-License-Identifier: GPL-3.0-or-later
// The settings window's description: every key reachable or deliberately hidden, every value
// a control offers accepted by its key, the rules between controls, launch at login.
#include "TestSupport.h"
#include "preferences/ControlStates.h"
#include "preferences/LaunchAtLogin.h"
#include "preferences/PaneDescription.h"
#include "preferences/PatternHelp.h"
#include "settings/Catalogue.h"
#include "settings/Keys.h"
#include "settings/SettingsFiles.h"

#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ruvo;
using namespace ruvo::preferences;
namespace keys = settings::keys;

namespace {

TEST(PaneDescriptionTest, EveryKeyHasAControlOrIsHidden) {
    EXPECT_EQ(keysWithoutControl(), QStringList{});
}

TEST(PaneDescriptionTest, ControlsNameRealKeysOnceAndOfferValuesTheKeysAccept) {
    auto files = settings::SettingsFiles::inMemory();
    const auto& d = files->defaults();
    QSet<QString> seen;
    for (const Pane& pane : panes())
        for (const Control& c : pane.controls) {
            SCOPED_TRACE(c.id().toStdString());
            EXPECT_FALSE(translated(c.label).isEmpty());
            if (c.key.isEmpty()) {
                EXPECT_FALSE(c.action.isEmpty());
                continue;
            }
            EXPECT_FALSE(seen.contains(c.key)) << "two controls edit one key";
            seen.insert(c.key);
            const auto entry = settings::findCatalogueEntry(c.key);
            ASSERT_TRUE(entry.has_value());
            if (c.kind == ControlKind::toggle) {
                EXPECT_EQ(entry->typeName, QStringLiteral("bool"));
            }
            for (const ChoiceOption& option : c.choices)
                EXPECT_TRUE(bool(entry->writeJson(d, option.value)))
                    << option.label << " is refused by " << c.key.toStdString();
            if (c.kind == ControlKind::number && c.highest > c.lowest && entry->range) {
                EXPECT_GE(c.lowest, entry->range->lowest);
                EXPECT_LE(c.highest, entry->range->highest);
            }
        }
}

TEST(PatternHelpTest, WarnsAboutLookAlikeLettersOutsideQuotes) {
    struct Row {
        const char* pattern;
        const char* warned; // the letters warned about, in order
    };
    const Row rows[] = {
        {"E d MMM  HH:mm", ""}, {"D MMM", "D"},        {"'Day' d", ""},
        {"YYYY-MM-dd", "Y"},    {"W 'W' w", "W"},      {"'it''s' D", "D"},
        {"yyyy 'D Y W'", ""},   {"DD YY WW D", "DYW"}, {"'unclosed D", ""},
    };
    for (const Row& row : rows) {
        const QStringList warnings = patternWarnings(QString::fromUtf8(row.pattern));
        QString letters;
        for (const QString& w : warnings)
            letters += w.mid(w.indexOf(u'“') + 1, 1);
        EXPECT_EQ(letters, QString::fromLatin1(row.warned)) << row.pattern;
    }
}

TEST(ControlStatesTest, SaysWhyAControlIsDisabled) {
    auto files = settings::SettingsFiles::inMemory();
    const auto& d = files->defaults();
    struct Row {
        std::function<void()> arrange;
        QString key;
        bool uses24Hour;
        const char* reasonPart; // nullptr: enabled
    };
    const Row rows[] = {
        {[] {}, keys::showDateInMenuBar.name, false, nullptr},
        {[&] { d.set(keys::dateTimeFormat, QStringLiteral("HH:mm")); },
         keys::showDateInMenuBar.name, false, "Date & Time Format"},
        {[] {}, keys::showAmPm.name, false, "Date & Time Format"},
        {[&] { d.reset(keys::dateTimeFormat); }, keys::showAmPm.name, true, "24-hour"},
        {[] {}, keys::showAmPm.name, false, nullptr},
        {[] {}, keys::hourlyChimeSound.name, false, "hourly chime"},
        {[] {}, keys::hourlyChime_isEnabled.name, false, nullptr}, // the switch itself
        {[&] { d.set(keys::hourlyChime_isEnabled, true); }, keys::hourlyChimeSound.name, false,
         nullptr},
        {[] {}, keys::fullscreenNotifications_excludeMatcher.name, false, nullptr},
    };
    int index = 0;
    for (const Row& row : rows) {
        row.arrange();
        const auto reason = disabledReason(row.key, d, row.uses24Hour);
        if (!row.reasonPart) {
            EXPECT_FALSE(reason.has_value()) << index << ": " << reason->toStdString();
        } else {
            EXPECT_TRUE(reason && reason->contains(QString::fromUtf8(row.reasonPart)))
                << index << ": " << reason.value_or(QStringLiteral("(enabled)")).toStdString();
        }
        if (row.reasonPart) {
            EXPECT_FALSE(keysDeciding(row.key).isEmpty()) << index;
        }
        ++index;
    }
}

TEST(ControlStatesTest, KnowsWhichLocalesWriteTwentyFourHourTime) {
    const std::pair<const char*, bool> rows[] = {
        {"en_US", false}, {"en_GB", true}, {"de_DE", true}, {"ko_KR", false}, {"fr_CA", true}};
    for (const auto& [locale, expected] : rows)
        EXPECT_EQ(localeUses24Hour(QString::fromLatin1(locale)), expected) << locale;
}

TEST(ResetAllSettingsTest, ResetsSettingsAndKeepsTheBookkeeping) {
    auto files = settings::SettingsFiles::inMemory();
    const auto& d = files->defaults();
    d.set(keys::showSecondsInMenuBar, true);
    d.set(keys::shortcut_newEvent, settings::ShortcutSetting::removed());
    d.set(keys::Zu_launchCount, 12);
    d.set(keys::_useTeamsApp, false);
    resetAllSettings(d);
    EXPECT_FALSE(d.get(keys::showSecondsInMenuBar));
    EXPECT_EQ(d.get(keys::shortcut_newEvent), settings::ShortcutSetting{});
    EXPECT_EQ(d.get(keys::Zu_launchCount), 12);
    EXPECT_FALSE(d.get(keys::_useTeamsApp));
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(LaunchAtLoginTest, WritesAndRemovesOnlyItsOwnEntry) {
    QTemporaryDir home;
    LaunchAtLogin launch(home.path() + QStringLiteral("/autostart"),
                         QStringLiteral("/usr/bin/ruvo"));
    EXPECT_FALSE(launch.isEnabled());
    EXPECT_TRUE(bool(launch.setEnabled(false))); // nothing to remove
    ASSERT_TRUE(bool(launch.setEnabled(true)));
    EXPECT_TRUE(launch.isEnabled());
    EXPECT_TRUE(readAll(launch.entryPath()).contains("\nExec=/usr/bin/ruvo\n"));
    ASSERT_TRUE(bool(launch.setEnabled(false)));
    EXPECT_FALSE(QFile::exists(launch.entryPath()));

    // An entry the user wrote: read, never rewritten or removed.
    struct Row {
        const char* text;
        bool isEnabled;
    };
    const Row rows[] = {{"[Desktop Entry]\nExec=ruvo --locale de_DE\n", true},
                        {"[Desktop Entry]\nExec=ruvo\nHidden=true\n", false},
                        {"[Desktop Entry]\nExec=ruvo\nX-GNOME-Autostart-enabled=false\n", false}};
    for (const Row& row : rows) {
        QFile f(launch.entryPath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(row.text);
        f.close();
        EXPECT_EQ(launch.isEnabled(), row.isEnabled) << row.text;
        EXPECT_FALSE(bool(launch.setEnabled(!row.isEnabled))) << row.text;
        EXPECT_FALSE(bool(launch.setEnabled(row.isEnabled))) << row.text;
        EXPECT_EQ(readAll(launch.entryPath()), QByteArray(row.text));
    }
}

} // namespace
