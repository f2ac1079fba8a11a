// SPDX-License-Identifier: GPL-3.0-or-later
#include "menubar/MenuWindowPlacement.h"

#include <gtest/gtest.h>

using namespace ruvo::menubar;

TEST(MenuWindowPlacement, CentredUnderTheClickAsFarAsTheScreenAllows) {
    const QRect screen(0, 0, 1920, 1080);
    const QRect topPanel(0, 32, 1920, 1048);
    const QRect bottomPanel(0, 0, 1920, 1040);
    const QRect second(1920, 0, 1280, 1024);
    const QRect secondPanel = second.adjusted(0, 30, 0, 0);
    const QSize window(320, 500);
    const std::optional<QPoint> none;
    struct Row {
        const char* name;
        QRect screen, available;
        std::optional<QPoint> click;
        bool below, rtl;
        QPoint expected;
    };
    const Row rows[] = {
        {"middle of a top panel", screen, topPanel, QPoint(960, 10), true, false, {800, 32}},
        {"near the right edge", screen, topPanel, QPoint(1900, 10), true, false, {1590, 32}},
        {"near the left edge", screen, topPanel, QPoint(20, 10), true, false, {10, 32}},
        {"bottom panel", screen, bottomPanel, QPoint(960, 1060), true, false, {800, 540}},
        {"second screen", second, secondPanel, QPoint(3100, 5), true, false, {2870, 30}},
        {"no click point: top trailing corner", screen, topPanel, none, true, false, {1590, 32}},
        {"below the item off: corner", screen, topPanel, QPoint(960, 10), false, false, {1590, 32}},
        {"right to left: top leading corner", screen, topPanel, none, true, true, {10, 32}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(
            menuWindowPosition({row.screen, row.available, window, row.click, row.below, row.rtl}),
            row.expected)
            << row.name;
}
