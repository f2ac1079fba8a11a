// SPDX-License-Identifier: GPL-3.0-or-later
// The small additive synthesizer that makes the program's sounds at build time. A sound is a
// few voices; a voice is a tone with a pitch glide, a set of partials (harmonic or, for
// bells, stretched), an attack and an exponential decay, optional vibrato and noise.
// Plain C++ without Qt: it runs as a host tool during the build.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ruvo::alerts::synth {

struct Partial {
    double ratio;      // of the voice's pitch
    double amplitude;  // relative
    double decayScale; // higher partials of struck sounds die sooner (< 1)
};

struct Voice {
    double start;    // seconds from the sound's start
    double length;   // seconds until the release ends
    double pitch;    // Hz at the start
    double pitchEnd; // Hz at the end (a glide); the same as `pitch` for a steady tone
    std::vector<Partial> partials;
    double attack = 0.005; // seconds
    double decay = 0.5;    // time constant of the exponential decay, seconds
    double vibratoHz = 0;
    double vibratoDepth = 0; // fraction of the pitch
    double noise = 0;        // amount of noise mixed in, 0...1
    double gain = 1;
};

struct Recipe {
    std::string name;
    std::vector<Voice> voices;
};

inline constexpr int kSampleRate = 22050;

// Every sound the program can name, in no particular order.
const std::vector<Recipe>& recipes();

// Mono samples of `recipe`, normalised to a fixed peak.
std::vector<std::int16_t> render(const Recipe& recipe);

// A RIFF/WAVE file (16-bit PCM, mono) holding `samples`.
std::vector<std::uint8_t> wavFile(const std::vector<std::int16_t>& samples);

} // namespace ruvo::alerts::synth
