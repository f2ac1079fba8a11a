// SPDX-License-Identifier: GPL-3.0-or-later
// Plays a sound once at a volume. A sound is one of the program's own or one of the system
// sound names; the player decides where it comes from (the desktop's sound theme, the
// program's own files). Playing is fire and forget: a sound that cannot be loaded is silent.
#pragma once

#include <QString>

namespace ruvo::platform {

struct Sound {
    QString name;               // the lower-case case name: "gong", "acousticGuitar", "glass"
    bool isSystemSound = false; // one of the system sound names ("Glass" in settings)
    bool operator==(const Sound&) const = default;
};

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // `volume` from 0 (silent) to 1 (full).
    virtual void play(const Sound& sound, double volume) = 0;
};

} // namespace ruvo::platform
