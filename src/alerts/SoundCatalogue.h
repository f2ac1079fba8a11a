// SPDX-License-Identifier: GPL-3.0-or-later
// The names of every sound a chime or an alert can play: the program's own sounds and the
// system sound names. Settings store a name as text: system sounds capitalised ("Glass"),
// the program's own by case name ("gong"); older data has either in either case, so names
// are matched without regard to case.
#pragma once

#include "platform/SoundPlayer.h"

#include <QStringList>
#include <optional>

namespace ruvo::alerts {

// The case names, in the order a picker lists them.
QStringList applicationSoundNames();
QStringList systemSoundNames();

// The sound a stored name stands for; none for a name no sound has.
std::optional<platform::Sound> soundNamed(const QString& storedName);

// The name settings store for `sound`: "Glass" for a system sound, "acousticGuitar" otherwise.
QString storedSoundName(const platform::Sound& sound);

// The name a picker shows: "AppSound - Acoustic Guitar", "Glass".
QString soundDisplayName(const platform::Sound& sound);

// Plays the sound a setting names at a setting's volume (clamped to 0...1). Nothing plays for
// no name; an unknown name is logged. True when something was handed to the player.
bool playSound(platform::SoundPlayer& player, const std::optional<QString>& storedName,
               double volume);

} // namespace ruvo::alerts
