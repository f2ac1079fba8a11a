// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/QtMultimediaSoundPlayer.h"

#include "platform/linux/PlatformLog.h"

#include <QFileInfo>
#include <QProcess>
#include <QSoundEffect>
#include <QStandardPaths>

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

QUrl ownSoundUrl(const Sound& sound) {
    return QUrl(QStringLiteral("qrc:/sounds/") + sound.name + QStringLiteral(".wav"));
}

} // namespace

QUrl soundUrl(const Sound& sound, const QString& themeFolder) {
    if (sound.isSystemSound) {
        const QString file = themeFile(sound, themeFolder);
        if (!file.isEmpty() && QFileInfo(file).isFile())
            return QUrl::fromLocalFile(file);
    }
    return ownSoundUrl(sound);
}

QtMultimediaSoundPlayer::QtMultimediaSoundPlayer(QObject* parent, QString themeFolder)
    : QObject(parent), m_themeFolder(std::move(themeFolder)) {}

QtMultimediaSoundPlayer::~QtMultimediaSoundPlayer() = default;

QString QtMultimediaSoundPlayer::defaultThemeFolder() {
    return QStringLiteral("/usr/share/sounds/freedesktop");
}

void QtMultimediaSoundPlayer::play(const Sound& sound, double volume) {
    const QUrl url = soundUrl(sound, m_themeFolder);
    if (url.isLocalFile() && playThemeFile(url.toLocalFile(), volume))
        return;
    playEffect(ownSoundUrl(sound), volume);
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

// A player of the sound server runs detached with a fixed argument list (no shell).
bool QtMultimediaSoundPlayer::playThemeFile(const QString& file, double volume) {
    const QString pipeWire = QStandardPaths::findExecutable(QStringLiteral("pw-play"));
    if (!pipeWire.isEmpty())
        return QProcess::startDetached(
            pipeWire, {QStringLiteral("--volume"), QString::number(volume, 'f', 2), file});
    const QString pulse = QStandardPaths::findExecutable(QStringLiteral("paplay"));
    if (!pulse.isEmpty())
        return QProcess::startDetached(
            pulse, {QStringLiteral("--volume=") + QString::number(qRound(volume * 65536)), file});
    return false;
}

} // namespace ruvo::platform
