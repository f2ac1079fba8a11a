// SPDX-License-Identifier: GPL-3.0-or-later
// The recipes of the program's sounds: the application's own sounds and stand-ins for the
// system sound names (played where the desktop's sound theme is missing). Each differs in
// its timbre, its pitch movement or its rhythm, so that a user can tell them apart.
#include "alerts/SoundSynth.h"

#include <cmath>

namespace ruvo::alerts::synth {

namespace {

// The frequency of a MIDI note number (69 is A4, 440 Hz).
double hz(int note) {
    return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}

using Partials = std::vector<Partial>;

const Partials kSine{{1, 1, 1}};
const Partials kFlute{{1, 1, 1}, {2, 0.15, 1}, {3, 0.05, 1}};
const Partials kGlass{{1, 1, 1}, {2.32, 0.3, 0.6}, {4.25, 0.15, 0.4}};
const Partials kBell{
    {0.5, 0.35, 1.4}, {1, 1, 1}, {2.76, 0.5, 0.6}, {5.4, 0.3, 0.4}, {8.93, 0.15, 0.3}};
const Partials kRod{{1, 1, 1}, {2.76, 0.35, 0.5}, {5.4, 0.15, 0.3}};
const Partials kGong{{1, 1, 1},        {1.47, 0.7, 0.9}, {2.09, 0.6, 0.8},
                     {2.56, 0.5, 0.7}, {3.37, 0.4, 0.5}, {4.12, 0.3, 0.4}};
const Partials kPluck{{1, 1, 1},       {2, 0.5, 0.6}, {3, 0.33, 0.45},
                      {4, 0.25, 0.35}, {5, 0.2, 0.3}, {6, 0.16, 0.25}};
const Partials kBanjo{{1, 1, 1},     {2, 0.8, 0.7}, {3, 0.7, 0.5},
                      {4, 0.6, 0.4}, {5, 0.5, 0.3}, {7, 0.4, 0.2}};
const Partials kOrgan{{1, 1, 1}, {2, 0.5, 1}, {3, 0.3, 1}, {4, 0.2, 1}};
const Partials kSquare{{1, 1, 1}, {3, 0.33, 1}, {5, 0.2, 1}, {7, 0.14, 1}};
const Partials kBuzz{{1, 1, 1},    {2, 0.7, 1}, {3, 0.6, 1},  {4, 0.5, 1},
                     {5, 0.45, 1}, {6, 0.4, 1}, {7, 0.35, 1}, {8, 0.3, 1}};

Voice tone(double start, double length, double pitch, const Partials& partials, double decay) {
    Voice v{start, length, pitch, pitch, partials};
    v.decay = decay;
    return v;
}

Voice glide(double start, double length, double from, double to, const Partials& partials,
            double decay) {
    Voice v = tone(start, length, from, partials, decay);
    v.pitchEnd = to;
    return v;
}

Voice withVibrato(Voice v, double rate, double depth) {
    v.vibratoHz = rate;
    v.vibratoDepth = depth;
    return v;
}

Voice withAttack(Voice v, double attack) {
    v.attack = attack;
    return v;
}

Voice withNoise(Voice v, double noise) {
    v.noise = noise;
    return v;
}

// Notes of one timbre one after another: notes[i] starts at i * step.
std::vector<Voice> sequence(std::initializer_list<int> notes, double step, double length,
                            const Partials& partials, double decay) {
    std::vector<Voice> voices;
    double start = 0;
    for (int note : notes) {
        voices.push_back(tone(start, length, hz(note), partials, decay));
        start += step;
    }
    return voices;
}

std::vector<Voice> cuckooCall(double start, double high, double low, const Partials& timbre) {
    return {withAttack(tone(start, 0.28, high, timbre, 0.5), 0.03),
            withAttack(tone(start + 0.32, 0.4, low, timbre, 0.5), 0.03)};
}

std::vector<Voice> join(std::vector<std::vector<Voice>> parts) {
    std::vector<Voice> all;
    for (auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

std::vector<Recipe> applicationSounds() {
    return {
        {"astral",
         {withVibrato(tone(0, 1.4, hz(76), kSine, 0.6), 5, 0.004),
          withVibrato(tone(0.08, 1.3, hz(83), kSine, 0.6), 5, 0.004),
          withVibrato(tone(0.16, 1.2, hz(88), kSine, 0.5), 5, 0.004),
          withVibrato(tone(0.24, 1.1, hz(92), kSine, 0.5), 5, 0.004)}},
        {"something",
         {tone(0, 0.3, hz(67), kOrgan, 0.4), glide(0.3, 0.5, hz(67), hz(72), kOrgan, 0.5)}},
        {"harp", sequence({60, 64, 67, 72, 76}, 0.07, 1.4, kPluck, 0.5)},
        {"crystal", {tone(0, 1.2, hz(96), kGlass, 0.5), tone(0.12, 1.1, hz(103), kGlass, 0.4)}},
        {"attention", sequence({81, 81, 81}, 0.15, 0.1, kSquare, 1.0)},
        {"message", sequence({81, 88}, 0.13, 0.3, kSine, 0.15)},
        {"success", join({sequence({72, 76, 79}, 0.08, 0.2, kPluck, 0.2),
                          {tone(0.24, 0.8, hz(84), kPluck, 0.5)}})},
        {"click", {withNoise(tone(0, 0.05, 2000, kSine, 0.008), 0.8)}},
        {"friend",
         {withVibrato(withAttack(tone(0, 0.45, hz(65), kFlute, 1.0), 0.05), 5, 0.006),
          withVibrato(withAttack(tone(0.4, 0.6, hz(69), kFlute, 0.8), 0.05), 5, 0.006)}},
        {"banjo", sequence({67, 74, 79, 74, 79}, 0.09, 0.5, kBanjo, 0.25)},
        {"acousticGuitar", sequence({52, 59, 64, 68, 71, 76}, 0.03, 1.8, kPluck, 0.9)},
        {"easternMorning", sequence({74, 76, 79, 81, 83, 81, 79}, 0.18, 0.45, kFlute, 0.35)},
        {"sunrise",
         {withAttack(glide(0, 2.0, 300, 600, kOrgan, 3.0), 0.4),
          withAttack(tone(0.8, 1.2, 450, kOrgan, 1.0), 0.2),
          withAttack(tone(1.0, 1.0, 750, kSine, 0.8), 0.2)}},
        {"danger",
         {tone(0, 0.15, 600, kSquare, 2), tone(0.15, 0.15, 450, kSquare, 2),
          tone(0.3, 0.15, 600, kSquare, 2), tone(0.45, 0.15, 450, kSquare, 2)}},
        {"siren", {glide(0, 0.6, 500, 1000, kSquare, 5), glide(0.6, 0.6, 1000, 500, kSquare, 5)}},
        {"siren2",
         {tone(0, 0.35, 440, kOrgan, 5), tone(0.35, 0.35, 587, kOrgan, 5),
          tone(0.7, 0.35, 440, kOrgan, 5), tone(1.05, 0.35, 587, kOrgan, 5)}},
        {"gong",
         {withAttack(tone(0, 3.0, 110, kGong, 2.5), 0.01),
          withNoise(tone(0, 0.08, 110, kSine, 0.05), 0.4)}},
        {"dingDong", {tone(0, 0.5, hz(76), kBell, 0.8), tone(0.45, 1.2, hz(72), kBell, 0.8)}},
        {"churchBell", {tone(0, 1.3, 220, kBell, 2.0), tone(1.2, 1.6, 220, kBell, 2.0)}},
        {"cuckoo", cuckooCall(0, hz(76), hz(72), kFlute)},
        {"cuckooPure", cuckooCall(0, hz(79), hz(75), kSine)},
        {"cuckooLong",
         join({cuckooCall(0, hz(76), hz(72), kFlute), cuckooCall(0.9, hz(76), hz(72), kFlute),
               cuckooCall(1.8, hz(76), hz(72), kFlute)})},
        {"gustavBecker", join({sequence({76, 72, 74, 67}, 0.5, 1.2, kBell, 0.9),
                               {tone(2.1, 1.5, hz(55), kBell, 1.2)}})},
        {"hermle", sequence({67, 64, 65, 60}, 0.4, 1.2, kRod, 0.7)},
        {"goose",
         {withNoise(glide(0, 0.25, 420, 340, kBuzz, 1), 0.1),
          withNoise(glide(0.32, 0.3, 430, 330, kBuzz, 1), 0.1)}},
        {"cat",
         {withAttack(glide(0, 0.25, 450, 750, kBuzz, 1), 0.04),
          withVibrato(glide(0.25, 0.45, 750, 400, kBuzz, 0.6), 6, 0.01)}},
        {"rooster",
         {glide(0, 0.15, 500, 650, kBuzz, 1), tone(0.15, 0.15, 650, kBuzz, 1),
          glide(0.3, 0.2, 700, 760, kBuzz, 1),
          withVibrato(glide(0.5, 0.6, 760, 500, kBuzz, 0.6), 7, 0.02)}},
        {"cow",
         {withNoise(withVibrato(withAttack(glide(0, 1.4, 140, 115, kBuzz, 2), 0.15), 4, 0.01),
                    0.05)}},
        {"horse", {withNoise(withVibrato(glide(0, 1.0, 900, 500, kBuzz, 0.8), 12, 0.06), 0.1)}},
        {"goat", {withNoise(withVibrato(glide(0, 0.8, 350, 330, kBuzz, 0.8), 9, 0.05), 0.08)}},
    };
}

std::vector<Recipe> systemSoundStandIns() {
    return {
        {"basso", {tone(0, 0.5, 110, kSquare, 0.2)}},
        {"blow", {withNoise(withAttack(tone(0, 0.5, 600, kSine, 0.2), 0.05), 0.6)}},
        {"bottle", {withNoise(glide(0, 0.2, 300, 500, kSine, 0.08), 0.1)}},
        {"frog",
         {withVibrato(tone(0, 0.25, 180, kBuzz, 0.5), 25, 0.2),
          withVibrato(tone(0.3, 0.25, 170, kBuzz, 0.5), 25, 0.2)}},
        {"funk", {glide(0, 0.4, 220, 180, kSquare, 0.3), glide(0, 0.4, 440, 360, kSine, 0.3)}},
        {"glass", {tone(0, 1.2, hz(91), kGlass, 0.6)}},
        {"hero",
         join({sequence({72, 76}, 0.1, 0.15, kOrgan, 0.4), {tone(0.2, 0.6, hz(79), kOrgan, 0.6)}})},
        {"morse",
         {tone(0, 0.06, 700, kSquare, 5), tone(0.1, 0.18, 700, kSquare, 5),
          tone(0.32, 0.06, 700, kSquare, 5)}},
        {"ping", {tone(0, 0.8, hz(88), kSine, 0.3)}},
        {"pop", {withNoise(glide(0, 0.06, 900, 300, kSine, 0.03), 0.3)}},
        {"purr", {withNoise(withVibrato(tone(0, 0.7, 50, kBuzz, 0.5), 25, 0.3), 0.3)}},
        {"sosumi", {tone(0, 0.12, hz(83), kSquare, 0.3), tone(0.12, 0.25, hz(79), kSquare, 0.3)}},
        {"submarine",
         {withVibrato(tone(0, 1.0, hz(72), kSine, 0.6), 3, 0.01),
          [] {
              Voice echo = tone(0.55, 0.9, hz(72), kSine, 0.5);
              echo.gain = 0.35;
              return echo;
          }()}},
        {"tink", {tone(0, 0.3, hz(100), kSine, 0.08)}},
    };
}

} // namespace

const std::vector<Recipe>& recipes() {
    static const std::vector<Recipe> all = [] {
        std::vector<Recipe> r = applicationSounds();
        for (Recipe& s : systemSoundStandIns())
            r.push_back(std::move(s));
        return r;
    }();
    return all;
}

} // namespace ruvo::alerts::synth
