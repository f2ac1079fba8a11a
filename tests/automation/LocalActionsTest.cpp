// SPDX-License-Identifier: GPL-3.0-or-later
#include "automation/LocalActions.h"

#include "MemoryDefaults.h"
#include "TestSupport.h"
#include "automation/DesktopActions.h"
#include "settings/Keys.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ruvo;
using namespace ruvo::automation;
using ruvo::test::at;
namespace keys = settings::keys;

namespace {

class LocalActionsTest : public ::testing::Test, public test::MemoryDefaults {
protected:
    LocalActions actionsIn(const QString& localZone,
                           QString soundPrefix = QStringLiteral(":/sounds")) {
        return LocalActions(
            defaults, clock,
            SoundFiles(folder.filePath(QStringLiteral("sounds")), std::move(soundPrefix)),
            {[this] { return ActionResult<bool>(hasCall); },
             [localZone] {
                 return kit::Environment{QStringLiteral("en_US"), localZone};
             }});
    }

    settings::ChosenTimeZone addZone(const char* zoneId, const char* uuid) {
        auto entry = settings::ChosenTimeZone::make(
            QUuid(QString::fromLatin1(uuid)),
            *settings::ZuTimeZone::make(QString::fromLatin1(zoneId)));
        auto list = defaults.get(keys::timeZonesInMenu);
        list.push_back(entry);
        defaults.set(keys::timeZonesInMenu, list);
        return entry;
    }

    kit::FixedClock clock{at("2026-12-08T12:00:00Z")};
    QTemporaryDir folder;
    bool hasCall = false;
};

const char* const kNewYorkId = "{0b6e4a52-1c1f-4d4a-8f0e-6a3c2d1e9f10}";

TEST_F(LocalActionsTest, SettingASwitchFollowsToggleOverIsEnabled) {
    struct Case {
        std::optional<bool> stored; // nothing stored: the default (off)
        bool shouldToggle;
        bool isEnabled;
        bool expected;
        bool isWritten; // a switch already in the wanted state is not written
    };
    const Case cases[] = {
        {std::nullopt, false, true, true, true}, {std::nullopt, false, false, false, false},
        {true, false, true, true, false},        {true, false, false, false, true},
        {std::nullopt, true, false, true, true}, {true, true, true, false, true},
        {false, true, false, true, true},
    };
    for (Switch which : {Switch::hourlyChime, Switch::fullscreenNotifications}) {
        const auto& key = which == Switch::hourlyChime ? keys::hourlyChime_isEnabled
                                                       : keys::fullscreenNotifications_isEnabled;
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message()
                         << key.name.toStdString() << " stored " << (c.stored ? int(*c.stored) : -1)
                         << " toggle " << c.shouldToggle << " enabled " << c.isEnabled);
            defaults.reset(key);
            if (c.stored)
                defaults.set(key, *c.stored);
            const QVariant before = standard.storedObject(key.name);
            auto actions = actionsIn(QStringLiteral("Europe/Berlin"));
            EXPECT_FALSE(actions.setEnabled(which, c.shouldToggle, c.isEnabled));
            EXPECT_EQ(*actions.isEnabled(which), c.expected);
            EXPECT_EQ(standard.storedObject(key.name) != before, c.isWritten);
        }
    }
}

TEST_F(LocalActionsTest, AZoneIsDescribedAtThePresentInstantAcrossDaylightChanges) {
    struct Case {
        const char* now;
        const char* localZone;
        const char* entryZone;
        int offset;
        const char* localTimeRaw;
        const char* localTime;
    };
    const Case cases[] = {
        // New York a minute before and at its spring-forward, seen from Berlin (UTC+1).
        {"2026-03-08T06:59:00Z", "Europe/Berlin", "America/New_York", -6 * 3600,
         "2026-03-08T01:59:00-05:00", "1:59\u202fAM"},
        {"2026-03-08T07:00:00Z", "Europe/Berlin", "America/New_York", -5 * 3600,
         "2026-03-08T03:00:00-04:00", "3:00\u202fAM"},
        // Kathmandu's quarter-hour offset from a zone on summer time.
        {"2026-07-01T12:00:00Z", "Europe/Berlin", "Asia/Kathmandu", 3 * 3600 + 45 * 60,
         "2026-07-01T17:45:00+05:45", "5:45\u202fPM"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.now);
        defaults.reset(keys::timeZonesInMenu);
        addZone(c.entryZone, kNewYorkId);
        clock = kit::FixedClock(at(c.now));
        auto actions = actionsIn(QString::fromLatin1(c.localZone));
        const auto entities = actions.timeZones();
        ASSERT_TRUE(entities);
        ASSERT_EQ(entities->size(), 1u);
        const TimeZoneEntity& e = entities->front();
        EXPECT_EQ(e.id, QStringLiteral("0B6E4A52-1C1F-4D4A-8F0E-6A3C2D1E9F10"));
        EXPECT_EQ(e.timeZoneIdentifier, QString::fromLatin1(c.entryZone));
        EXPECT_EQ(e.offset, c.offset);
        EXPECT_EQ(e.localTimeRaw, QString::fromLatin1(c.localTimeRaw));
        EXPECT_EQ(e.localTime, QString::fromUtf8(c.localTime));
    }
}

TEST_F(LocalActionsTest, AZoneIsFoundByItsIdInAnyWritingOnly) {
    const auto none = actionsIn(QStringLiteral("Europe/Berlin")).timeZones(); // none chosen
    ASSERT_TRUE(none);
    EXPECT_TRUE(none->empty());
    addZone("Asia/Tokyo", "{11111111-2222-3333-4444-555555555555}");
    addZone("America/New_York", kNewYorkId);
    auto actions = actionsIn(QStringLiteral("Europe/Berlin"));
    ASSERT_EQ(actions.timeZones()->size(), 2u);
    EXPECT_EQ(actions.timeZones()->at(0).timeZoneIdentifier, QStringLiteral("Asia/Tokyo"));
    for (const char* id :
         {"0B6E4A52-1C1F-4D4A-8F0E-6A3C2D1E9F10", "0b6e4a52-1c1f-4d4a-8f0e-6a3c2d1e9f10",
          "{0B6E4A52-1C1F-4D4A-8F0E-6A3C2D1E9F10}", " 0b6e4a52-1c1f-4d4a-8f0e-6a3c2d1e9f10 "}) {
        const auto found = actions.timeZone(QString::fromLatin1(id));
        ASSERT_TRUE(found) << id;
        EXPECT_EQ(found->timeZoneIdentifier, QStringLiteral("America/New_York"));
    }
    for (const char* id : {"", "America/New_York", "0B6E4A52-1C1F-4D4A-8F0E-6A3C2D1E9F11", "{}"}) {
        const auto missing = actions.timeZone(QString::fromLatin1(id));
        ASSERT_FALSE(missing) << id;
        EXPECT_EQ(missing.error().name, errors::kUnknownTimeZone);
    }
}

TEST_F(LocalActionsTest, SoundsAreHandedOutAsFilesOfTheirOwn) {
    auto actions = actionsIn(QStringLiteral("Europe/Berlin"));
    for (const char* name : {"GONG", "acousticGuitar"}) {
        const auto path = actions.soundFile(QString::fromLatin1(name));
        ASSERT_TRUE(path) << name;
        QFile file(*path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.read(4), QByteArray("RIFF")) << name;
    }
    // A second request for the same sound finds the file it wrote and keeps it.
    EXPECT_EQ(*actions.soundFile(QStringLiteral("gong")),
              *actions.soundFile(QStringLiteral("Gong")));
    // System sound names and unknown names are no sound of ours.
    for (const char* name : {"Glass", "glass", "", "../gong", "gong.wav"}) {
        const auto path = actions.soundFile(QString::fromLatin1(name));
        ASSERT_FALSE(path) << name;
        EXPECT_EQ(path.error().name, errors::kUnknownSound) << name;
    }
}

TEST_F(LocalActionsTest, ASoundThatCannotBeProvidedFailsWithItsText) {
    // No compiled-in sound under that prefix.
    auto missing = actionsIn(QStringLiteral("Europe/Berlin"), QStringLiteral(":/nowhere"));
    ASSERT_FALSE(missing.soundFile(QStringLiteral("gong")));
    EXPECT_EQ(missing.soundFile(QStringLiteral("gong")).error().message,
              QStringLiteral("Failed to get sound."));
    // The folder cannot be made: a file stands in its place.
    QFile blocker(folder.filePath(QStringLiteral("sounds")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    auto blocked = actionsIn(QStringLiteral("Europe/Berlin"));
    const auto path = blocked.soundFile(QStringLiteral("gong"));
    ASSERT_FALSE(path);
    EXPECT_EQ(path.error().name, errors::kSoundUnavailable);
}

TEST_F(LocalActionsTest, DesktopActionsRunOrSayWhyNot) {
    auto actions = actionsIn(QStringLiteral("Europe/Berlin"));
    int toggles = 0;
    int newEvents = 0;
    DesktopActions desktop(
        actions, [&toggles] { ++toggles; }, [&newEvents] { ++newEvents; });
    DesktopActions withoutWindow(actions, [] {});
    EXPECT_EQ(withoutWindow.activate(QStringLiteral("new-event"))->name,
              errors::kActionUnavailable);
    struct Case {
        const char* name;
        bool hasCall;
        QString error; // empty: it ran
    };
    const Case cases[] = {
        {"toggle-window", false, {}},
        {"join-video-call", true, {}},
        {"join-video-call", false, errors::kNoVideoCall},
        {"new-event", false, {}},
        {"settings", false, errors::kActionUnavailable},
        {"Toggle-Window", false, errors::kUnknownAction},
    };
    for (const Case& c : cases) {
        hasCall = c.hasCall;
        const auto status = desktop.activate(QString::fromLatin1(c.name));
        EXPECT_EQ(status ? status->name : QString(), c.error) << c.name;
        if (status) {
            EXPECT_FALSE(status->message.isEmpty()) << c.name;
        }
    }
    EXPECT_EQ(toggles, 1);
    EXPECT_EQ(newEvents, 1);
}

TEST(TimeZoneEntityTest, AMapWithAMissingOrMistypedFieldIsRefused) {
    const TimeZoneEntity entity{QStringLiteral("ID"),
                                QStringLiteral("Tokyo"),
                                QStringLiteral("UTC+9 (JST)"),
                                QStringLiteral("Asia/Tokyo"),
                                28800,
                                QStringLiteral("2026-12-08T21:00:00+09:00"),
                                QStringLiteral("9:00\u202fPM")};
    const QVariantMap map = toVariantMap(entity);
    EXPECT_EQ(timeZoneEntityFrom(map), entity);
    for (const QString& key : map.keys()) {
        QVariantMap without = map;
        without.remove(key);
        EXPECT_FALSE(timeZoneEntityFrom(without)) << key.toStdString();
    }
    QVariantMap mistyped = map;
    mistyped[QStringLiteral("offset")] = QStringLiteral("28800");
    EXPECT_FALSE(timeZoneEntityFrom(mistyped));
}

} // namespace
