// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/QtMultimediaSoundPlayer.h"

#include "platform/linux/PlatformLog.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QSoundEffect>

namespace ruvo::platform {

namespace {

// The theme's sound closest in character to each system sound name.
struct ThemeSound {
    const char* name;
    const char* themeName;
};
const ThemeSound kThemeSounds[] = {
    {"basso", "dialog-warning"},
    {"blow", "service-logout"},
    {"bottle", "message"},
    {"frog", "window-question"},
    {"funk", "suspend-error"},
    {"glass", "bell"},
    {"hero", "complete"},
    {"morse", "phone-outgoing-busy"},
    {"ping", "message-new-instant"},
    {"pop", "device-added"},
    {"purr", "power-plug"},
    {"sosumi", "dialog-information"},
    {"submarine", "network-connectivity-lost"},
    {"tink", "audio-volume-change"},
};

QString themeFile(const Sound& sound, const QString& themeFolder) {
    for (const ThemeSound& t : kThemeSounds)
        if (sound.name == QLatin1String(t.name))
            return themeFolder + QStringLiteral("/stereo/") + QLatin1String(t.themeName) +
                   QStringLiteral(".oga");
    return {};
}

} // namespace

QUrl soundUrl(const Sound& sound, const QString& themeFolder) {
    if (sound.isSystemSound) {
        const QString file = themeFile(sound, themeFolder);
        if (!file.isEmpty() && QFileInfo(file).isFile())
            return QUrl::fromLocalFile(file);
    }
    return QUrl(QStringLiteral("qrc:/sounds/") + sound.name + QStringLiteral(".wav"));
}

QtMultimediaSoundPlayer::QtMultimediaSoundPlayer(QObject* parent, QString themeFolder)
    : QObject(parent), m_themeFolder(std::move(themeFolder)) {}

QtMultimediaSoundPlayer::~QtMultimediaSoundPlayer() = default;

QString QtMultimediaSoundPlayer::defaultThemeFolder() {
    return QStringLiteral("/usr/share/sounds/freedesktop");
}

void QtMultimediaSoundPlayer::play(const Sound& sound, double volume) {
    const QUrl url = soundUrl(sound, m_themeFolder);
    if (url.isLocalFile())
        playMedia(url, volume);
    else
        playEffect(url, volume);
}

void QtMultimediaSoundPlayer::playEffect(const QUrl& url, double volume) {
    QSoundEffect*& effect = m_effects[url.toString()];
    if (!effect) {
        effect = new QSoundEffect(this);
        connect(effect, &QSoundEffect::statusChanged, this, [effect, url] {
            if (effect->status() == QSoundEffect::Error)
                qCWarning(lcPlatform) << "Cannot play the sound" << url.toString();
        });
        effect->setSource(url); // loads in the background; play() waits for it
    }
    effect->setVolume(static_cast<float>(volume));
    effect->play();
}

void QtMultimediaSoundPlayer::playMedia(const QUrl& url, double volume) {
    QMediaPlayer*& player = m_media[url.toString()];
    if (!player) {
        player = new QMediaPlayer(this);
        player->setAudioOutput(new QAudioOutput(player));
        connect(player, &QMediaPlayer::errorOccurred, this, [url](auto, const QString& why) {
            qCWarning(lcPlatform) << "Cannot play the sound" << url.toString() << ":" << why;
        });
        player->setSource(url);
    }
    player->audioOutput()->setVolume(static_cast<float>(volume));
    player->setPosition(0);
    player->play();
}

} // namespace ruvo::platform
