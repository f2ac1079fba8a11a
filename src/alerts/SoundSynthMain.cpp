// SPDX-License-Identifier: GPL-3.0-or-later
// The build's sound maker: ruvo-sound-synth OUTDIR NAME... writes OUTDIR/NAME.wav for each name.
// An unknown name fails the build, so the list in CMake and the recipes cannot drift apart.
#include "alerts/SoundSynth.h"

#include <cstdio>
#include <fstream>

using namespace ruvo::alerts::synth;

namespace {

const Recipe* find(const std::string& name) {
    for (const Recipe& r : recipes())
        if (r.name == name)
            return &r;
    return nullptr;
}

bool write(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUTDIR NAME...\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    for (int i = 2; i < argc; ++i) {
        const Recipe* recipe = find(argv[i]);
        if (!recipe) {
            std::fprintf(stderr, "%s: no recipe for the sound \"%s\"\n", argv[0], argv[i]);
            return 1;
        }
        const std::string path = folder + "/" + recipe->name + ".wav";
        if (!write(path, wavFile(render(*recipe)))) {
            std::fprintf(stderr, "%s: cannot write %s\n", argv[0], path.c_str());
            return 1;
        }
    }
    return 0;
}
