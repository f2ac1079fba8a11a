// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/X11Keys.h"

#include "platform/ShortcutModifiers.h"

#include <utility>

namespace ruvo::platform {

namespace {

using namespace modifiers;

constexpr std::uint16_t kX11Shift = 1;
constexpr std::uint16_t kX11Control = 4;
constexpr std::uint16_t kX11Alt = 8;    // Mod1
constexpr std::uint16_t kX11Super = 64; // Mod4

constexpr std::uint32_t kFirstFunctionKey = 0xffbe; // F1; F2... follow

// Stored key code -> keysym, for the keys of a US layout (the stored codes name key
// positions; a letter's keysym is its lower-case ASCII code).
constexpr std::pair<int, std::uint32_t> kKeys[] = {
    {0x00, 'a'},
    {0x01, 's'},
    {0x02, 'd'},
    {0x03, 'f'},
    {0x04, 'h'},
    {0x05, 'g'},
    {0x06, 'z'},
    {0x07, 'x'},
    {0x08, 'c'},
    {0x09, 'v'},
    {0x0B, 'b'},
    {0x0C, 'q'},
    {0x0D, 'w'},
    {0x0E, 'e'},
    {0x0F, 'r'},
    {0x10, 'y'},
    {0x11, 't'},
    {0x12, '1'},
    {0x13, '2'},
    {0x14, '3'},
    {0x15, '4'},
    {0x16, '6'},
    {0x17, '5'},
    {0x18, '='},
    {0x19, '9'},
    {0x1A, '7'},
    {0x1B, '-'},
    {0x1C, '8'},
    {0x1D, '0'},
    {0x1E, ']'},
    {0x1F, 'o'},
    {0x20, 'u'},
    {0x21, '['},
    {0x22, 'i'},
    {0x23, 'p'},
    {0x24, 0xff0d},
    {0x25, 'l'},
    {0x26, 'j'},
    {0x27, '\''},
    {0x28, 'k'},
    {0x29, ';'},
    {0x2A, '\\'},
    {0x2B, ','},
    {0x2C, '/'},
    {0x2D, 'n'},
    {0x2E, 'm'},
    {0x2F, '.'},
    {0x30, 0xff09},
    {0x31, ' '},
    {0x32, '`'},
    {0x33, 0xff08},
    {0x35, 0xff1b},
    {0x72, 0xff6a},
    {0x73, 0xff50},
    {0x74, 0xff55},
    {0x75, 0xffff},
    {0x77, 0xff57},
    {0x79, 0xff56},
    {0x7B, 0xff51},
    {0x7C, 0xff53},
    {0x7D, 0xff54},
    {0x7E, 0xff52},
    // Function keys F1 to F20.
    {0x7A, kFirstFunctionKey + 0},
    {0x78, kFirstFunctionKey + 1},
    {0x63, kFirstFunctionKey + 2},
    {0x76, kFirstFunctionKey + 3},
    {0x60, kFirstFunctionKey + 4},
    {0x61, kFirstFunctionKey + 5},
    {0x62, kFirstFunctionKey + 6},
    {0x64, kFirstFunctionKey + 7},
    {0x65, kFirstFunctionKey + 8},
    {0x6D, kFirstFunctionKey + 9},
    {0x67, kFirstFunctionKey + 10},
    {0x6F, kFirstFunctionKey + 11},
    {0x69, kFirstFunctionKey + 12},
    {0x6B, kFirstFunctionKey + 13},
    {0x71, kFirstFunctionKey + 14},
    {0x6A, kFirstFunctionKey + 15},
    {0x40, kFirstFunctionKey + 16},
    {0x4F, kFirstFunctionKey + 17},
    {0x50, kFirstFunctionKey + 18},
    {0x5A, kFirstFunctionKey + 19},
};

bool isFunctionKey(std::uint32_t keysym) {
    return keysym >= kFirstFunctionKey && keysym < kFirstFunctionKey + 20;
}

} // namespace

std::optional<X11Key> x11Key(int carbonKeyCode, int carbonModifiers) {
    std::optional<std::uint32_t> keysym;
    for (const auto& [code, sym] : kKeys)
        if (code == carbonKeyCode)
            keysym = sym;
    if (!keysym)
        return std::nullopt;
    std::uint16_t modifiers = 0;
    const std::pair<int, std::uint16_t> bits[] = {
        {kCommand, kX11Super}, {kShift, kX11Shift}, {kOption, kX11Alt}, {kControl, kX11Control}};
    for (const auto& [stored, x11] : bits)
        if (carbonModifiers & stored)
            modifiers |= x11;
    // Shift alone still types a character: only function keys go without a modifier.
    if ((modifiers & ~kX11Shift) == 0 && !isFunctionKey(*keysym))
        return std::nullopt;
    return X11Key{*keysym, modifiers};
}

} // namespace ruvo::platform
