// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"
#include "platform/linux/QtMultimediaSoundPlayer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ruvo;

TEST(SoundUrl, SystemSoundsPlayTheThemeWhereItHasTheFile) {
    QTemporaryDir theme;
    ASSERT_TRUE(QDir(theme.path()).mkpath(QStringLiteral("stereo")));
    QFile bell(theme.path() + QStringLiteral("/stereo/bell.oga"));
    ASSERT_TRUE(bell.open(QIODevice::WriteOnly));
    struct Row {
        platform::Sound sound;
        QUrl url;
    };
    const Row rows[] = {
        {{QStringLiteral("glass"), true}, QUrl::fromLocalFile(bell.fileName())},
        {{QStringLiteral("tink"), true}, QUrl(QStringLiteral("qrc:/sounds/tink.wav"))},
        {{QStringLiteral("gong"), false}, QUrl(QStringLiteral("qrc:/sounds/gong.wav"))},
    };
    for (const Row& row : rows)
        EXPECT_EQ(platform::soundUrl(row.sound, theme.path()), row.url)
            << row.sound.name.toStdString();
    EXPECT_EQ(
        platform::soundUrl({QStringLiteral("glass"), true}, theme.path() + QStringLiteral("/none")),
        QUrl(QStringLiteral("qrc:/sounds/glass.wav")));
}
