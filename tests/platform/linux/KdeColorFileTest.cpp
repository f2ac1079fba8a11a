// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/KdeColorFile.h"

#include <gtest/gtest.h>

using namespace ruvo;

TEST(KdeColorFile, ReadsTheWindowBackgroundOfTheColourScheme) {
    struct Row {
        const char* what;
        const char* text;
        std::optional<bool> dark;
    };
    const Row rows[] = {
        {"Breeze",
         "[Colors:Window]\nBackgroundAlternate=227,229,231\nBackgroundNormal=239,240,241\n", false},
        {"Breeze Dark",
         "[General]\nColorScheme=BreezeDark\n\n[Colors:Window]\nBackgroundNormal=32,35,38\n", true},
        {"with alpha and spaces", "[Colors:Window]\nBackgroundNormal = 20, 20, 20, 255\n", true},
        {"a hex colour", "[Colors:Window]\nBackgroundNormal=#fafafa\n", false},
        // Only the window group counts: views and headers may differ from the panel's.
        {"other groups only", "[Colors:View]\nBackgroundNormal=0,0,0\n[Colors:Header]\n",
         std::nullopt},
        {"a longer key", "[Colors:Window]\nBackgroundNormalInactive=0,0,0\n", std::nullopt},
        {"out of range", "[Colors:Window]\nBackgroundNormal=300,0,0\n", std::nullopt},
        {"not a colour", "[Colors:Window]\nBackgroundNormal=dark please\n", std::nullopt},
        {"Windows line ends", "[Colors:Window]\r\nBackgroundNormal=10,10,10\r\n", true},
        {"empty file", "", std::nullopt},
    };
    for (const Row& row : rows)
        EXPECT_EQ(platform::kdeColorsPreferDark(QString::fromUtf8(row.text)), row.dark) << row.what;
}
