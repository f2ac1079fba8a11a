// SPDX-License-Identifier: GPL-3.0-or-later
#include "alerts/SoundSynth.h"

#include <algorithm>
#include <cmath>

namespace ruvo::alerts::synth {

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr double kRelease = 0.015; // seconds of fade at a voice's end, so nothing clicks
constexpr double kPeak = 0.8 * 32767;

double envelope(const Voice& v, double t, double decayScale) {
    const double rise = t < v.attack ? t / v.attack : 1.0;
    const double fall = std::exp(-std::max(0.0, t - v.attack) / (v.decay * decayScale));
    const double release = std::clamp((v.length - t) / kRelease, 0.0, 1.0);
    return rise * fall * release;
}

double pitchAt(const Voice& v, double t) {
    const double glide = v.pitch * std::pow(v.pitchEnd / v.pitch, t / v.length);
    return glide * (1 + v.vibratoDepth * std::sin(kTwoPi * v.vibratoHz * t));
}

// Deterministic noise, so a build always makes the same files.
struct Noise {
    std::uint32_t state = 0x12345678u;
    double next() {
        state = state * 1664525u + 1013904223u;
        return static_cast<double>(state >> 8) / static_cast<double>(1u << 23) - 1.0;
    }
};

void addVoice(const Voice& v, std::vector<double>& mix) {
    std::vector<double> phases(v.partials.size(), 0.0);
    Noise noise;
    const auto first = static_cast<std::size_t>(v.start * kSampleRate);
    const auto count = static_cast<std::size_t>(v.length * kSampleRate);
    for (std::size_t i = 0; i < count && first + i < mix.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double f = pitchAt(v, t);
        double s = 0;
        for (std::size_t p = 0; p < v.partials.size(); ++p) {
            const Partial& partial = v.partials[p];
            const double pf = f * partial.ratio;
            if (pf >= kSampleRate / 2.0)
                continue;
            phases[p] += kTwoPi * pf / kSampleRate;
            s += partial.amplitude * envelope(v, t, partial.decayScale) * std::sin(phases[p]);
        }
        s += v.noise * envelope(v, t, 1.0) * noise.next();
        mix[first + i] += v.gain * s;
    }
}

void putLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>((value >> (8 * i)) & 0xff));
}

void putTag(std::vector<std::uint8_t>& out, const char* tag) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(tag[i]));
}

} // namespace

std::vector<std::int16_t> render(const Recipe& recipe) {
    double total = 0;
    for (const Voice& v : recipe.voices)
        total = std::max(total, v.start + v.length);
    std::vector<double> mix(static_cast<std::size_t>((total + 0.02) * kSampleRate), 0.0);
    for (const Voice& v : recipe.voices)
        addVoice(v, mix);
    double peak = 0;
    for (double s : mix)
        peak = std::max(peak, std::abs(s));
    const double scale = peak > 0 ? kPeak / peak : 0;
    std::vector<std::int16_t> samples;
    samples.reserve(mix.size());
    for (double s : mix)
        samples.push_back(static_cast<std::int16_t>(std::lround(s * scale)));
    return samples;
}

std::vector<std::uint8_t> wavFile(const std::vector<std::int16_t>& samples) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes);
    putTag(out, "RIFF");
    putLittleEndian(out, 36 + dataBytes, 4);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    putLittleEndian(out, 16, 4);              // size of the format chunk
    putLittleEndian(out, 1, 2);               // PCM
    putLittleEndian(out, 1, 2);               // mono
    putLittleEndian(out, kSampleRate, 4);     // frames a second
    putLittleEndian(out, kSampleRate * 2, 4); // bytes a second
    putLittleEndian(out, 2, 2);               // bytes a frame
    putLittleEndian(out, 16, 2);              // bits a sample
    putTag(out, "data");
    putLittleEndian(out, dataBytes, 4);
    for (std::int16_t s : samples)
        putLittleEndian(out, static_cast<std::uint16_t>(s), 2);
    return out;
}

} // namespace ruvo::alerts::synth
