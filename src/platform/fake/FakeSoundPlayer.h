// SPDX-License-Identifier: GPL-3.0-or-later
// Records what would have been played.
#pragma once

#include "platform/SoundPlayer.h"

#include <vector>

namespace ruvo::platform {

class FakeSoundPlayer final : public SoundPlayer {
public:
    struct Played {
        Sound sound;
        double volume;
    };
    std::vector<Played> played;

    void play(const Sound& sound, double volume) override { played.push_back({sound, volume}); }
};

} // namespace ruvo::platform
