// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"
#include "alerts/SoundCatalogue.h"
#include "platform/fake/FakeSoundPlayer.h"

#include <QFile>
#include <QtEndian>
#include <cmath>
#include <gtest/gtest.h>
#include <set>

using namespace ruvo;

namespace {

quint32 u32(const QByteArray& b, int at) {
    return qFromLittleEndian<quint32>(b.constData() + at);
}
quint16 u16(const QByteArray& b, int at) {
    return qFromLittleEndian<quint16>(b.constData() + at);
}

} // namespace

TEST(SoundCatalogue, NamesResolveInAnyCaseToOneSound) {
    struct Row {
        const char* stored;
        std::optional<platform::Sound> sound;
        const char* storedAgain;
        const char* shown;
    };
    using S = platform::Sound;
    const Row rows[] = {
        {"Glass", S{QStringLiteral("glass"), true}, "Glass", "Glass"},
        {"glass", S{QStringLiteral("glass"), true}, "Glass", "Glass"},
        {"gong", S{QStringLiteral("gong"), false}, "gong", "AppSound - Gong"},
        {"ACOUSTICGUITAR", S{QStringLiteral("acousticGuitar"), false}, "acousticGuitar",
         "AppSound - Acoustic Guitar"},
        {"Glass.wav", std::nullopt, "", ""},
        {"", std::nullopt, "", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.stored);
        const auto sound = alerts::soundNamed(QString::fromLatin1(row.stored));
        ASSERT_EQ(sound, row.sound);
        if (!sound)
            continue;
        EXPECT_EQ(alerts::storedSoundName(*sound), QString::fromLatin1(row.storedAgain));
        EXPECT_EQ(alerts::soundDisplayName(*sound), QString::fromUtf8(row.shown));
    }
}

TEST(SoundCatalogue, EverySoundIsAShortDistinctPcmWave) {
    std::set<QByteArray> seen;
    qint64 total = 0;
    for (const QString& name : alerts::applicationSoundNames() + alerts::systemSoundNames()) {
        SCOPED_TRACE(name.toStdString());
        QFile file(QStringLiteral(":/sounds/") + name + QStringLiteral(".wav"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray wav = file.readAll();
        total += wav.size();
        ASSERT_GE(wav.size(), 44);
        EXPECT_EQ(wav.left(4), "RIFF");
        EXPECT_EQ(wav.mid(8, 8), "WAVEfmt ");
        EXPECT_EQ(u16(wav, 20), 1); // PCM
        EXPECT_EQ(u16(wav, 22), 1); // mono
        EXPECT_EQ(u16(wav, 34), 16);
        EXPECT_EQ(u32(wav, 40), static_cast<quint32>(wav.size() - 44));
        const double seconds = (wav.size() - 44) / 2.0 / u32(wav, 24);
        EXPECT_GT(seconds, 0.05);
        EXPECT_LT(seconds, 4.0);
        EXPECT_TRUE(seen.insert(wav.mid(44)).second) << "the same samples as another sound";
    }
    RecordProperty("totalBytes", static_cast<int>(total));
}

TEST(SoundCatalogue, PlaysAtAClampedVolumeOnlyForKnownNames) {
    struct Row {
        std::optional<QString> name;
        double volume;
        bool plays;
        double playedVolume;
    };
    const Row rows[] = {
        {QStringLiteral("Glass"), 0.3, true, 0.3},
        {QStringLiteral("cow"), 1.7, true, 1.0},
        {QStringLiteral("cow"), std::nan(""), true, 0.0},
        {QStringLiteral("Trumpet"), 0.5, false, 0},
        {std::nullopt, 0.5, false, 0},
    };
    for (const Row& row : rows) {
        platform::FakeSoundPlayer player;
        EXPECT_EQ(alerts::playSound(player, row.name, row.volume), row.plays);
        ASSERT_EQ(player.played.size(), row.plays ? 1u : 0u);
        if (row.plays) {
            EXPECT_EQ(player.played.front().volume, row.playedVolume);
        }
    }
}
