// SPDX-License-Identifier: GPL-3.0-or-later
// Sounds through Qt Multimedia (PulseAudio or PipeWire underneath). The program's own sounds
// are WAV files compiled in under ":/sounds/"; system sound names play the freedesktop sound
// theme's file where the theme is installed, else the program's stand-in of that name.
// WAV files go through QSoundEffect (low latency, loaded once); the theme's Ogg files through
// a media player. Qt reports success even without an audio server: nothing to check here.
#pragma once

#include "platform/SoundPlayer.h"

#include <QObject>
#include <QUrl>
#include <map>

class QSoundEffect;
class QMediaPlayer;

namespace ruvo::platform {

// Where a sound is read from: the theme's file (under `themeFolder`, normally
// /usr/share/sounds/freedesktop) for a system sound when that file exists, else the
// program's own WAV resource.
QUrl soundUrl(const Sound& sound, const QString& themeFolder);

class QtMultimediaSoundPlayer final : public QObject, public SoundPlayer {
    Q_OBJECT
public:
    explicit QtMultimediaSoundPlayer(QObject* parent = nullptr,
                                     QString themeFolder = defaultThemeFolder());
    ~QtMultimediaSoundPlayer() override;

    void play(const Sound& sound, double volume) override;

    static QString defaultThemeFolder();

private:
    void playEffect(const QUrl& url, double volume);
    void playMedia(const QUrl& url, double volume);

    QString m_themeFolder;
    std::map<QString, QSoundEffect*> m_effects; // by URL, children of this object
    std::map<QString, QMediaPlayer*> m_media;
};

} // namespace ruvo::platform
