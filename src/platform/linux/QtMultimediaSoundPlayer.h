// SPDX-License-Identifier: GPL-3.0-or-later
// Sounds through Qt Multimedia (PulseAudio or PipeWire underneath). The program's own sounds
// are WAV files compiled in under ":/sounds/", played by QSoundEffect (low latency, loaded
// once). System sound names play the freedesktop sound theme's Ogg file where the theme is
// installed, through PipeWire's pw-play or PulseAudio's paplay; without either, or without the
// theme, they play the program's stand-in of that name. (Qt's media player is not used: in
// Qt 6.4 it crashes when GStreamer's plugins or an audio device are missing.)
// Qt reports success even without an audio server: nothing to check here.
#pragma once

#include "platform/SoundPlayer.h"

#include <QObject>
#include <QUrl>
#include <map>

class QSoundEffect;

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
    static bool playThemeFile(const QString& file, double volume);

    QString m_themeFolder;
    std::map<QString, QSoundEffect*> m_effects; // by URL, children of this object
};

} // namespace ruvo::platform
