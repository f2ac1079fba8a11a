// SPDX-License-Identifier: GPL-3.0-or-later
// One libFuzzer executable; RUVO_FUZZ_ENTRY names the body it runs.
#include "FuzzInputs.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (!ruvo::fuzz::RUVO_FUZZ_ENTRY(bytes)) {
        std::fputs("invariant broken\n", stderr);
        std::abort();
    }
    return 0;
}
