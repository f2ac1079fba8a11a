// SPDX-License-Identifier: GPL-3.0-or-later
// The square tray icon at every tray size, on light and dark panels: each line's digits must
// be tall enough to read, stay inside the square, and stand out from the panel, also on a
// panel whose colour is the opposite of the desktop's colour scheme (Xfce's dark panel under a
// light theme).
#include "views/MenuBarIconPainter.h"

#include <QPainter>
#include <QRegularExpression>
#include <cmath>
#include <gtest/gtest.h>

using namespace ruvo;

namespace {

double luminance(QColor c) {
    const auto channel = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(QColor a, QColor b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The rows of the icon, over `panel`, whose pixels stand out from it by at least `ratio`.
struct Ink {
    int top = -1, bottom = -1, left = -1, right = -1;
    int count = 0;
};

Ink legibleInk(const QImage& icon, QColor panel, double ratio, int fromRow, int toRow) {
    QImage over(icon.size(), QImage::Format_ARGB32);
    over.fill(panel);
    QPainter(&over).drawImage(0, 0, icon);
    Ink ink;
    for (int y = fromRow; y < toRow; ++y)
        for (int x = 0; x < over.width(); ++x) {
            if (contrast(over.pixelColor(x, y), panel) < ratio)
                continue;
            ++ink.count;
            ink.top = ink.top < 0 ? y : ink.top;
            ink.bottom = y;
            ink.left = ink.left < 0 ? x : std::min(ink.left, x);
            ink.right = std::max(ink.right, x);
        }
    return ink;
}

} // namespace

TEST(SquareIconPainter, LinesStayReadableAtEveryTraySize) {
    const QColor darkPanel(0x2b, 0x2e, 0x33), lightPanel(0xef, 0xf0, 0xf1);
    // Lines split at "|". Last, a world clock and the upcoming event: a wider first line over a
    // short label.
    const char* const texts[] = {"9|41",     "12|00",    "23|59", "4|Dec",   "30|Sep",
                                 "28|Mär",   "٢٣|٥٩",    "Fri",   "9:41|NY", "12:05|LON",
                                 "12m|Stan", "1¼h|Revi", "\u25C6"};
    views::MenuBarIconPainter painter;
    for (const char* text : texts)
        for (int pixels : platform::kSquareIconSizes)
            for (bool dark : {false, true}) {
                const QStringList lines = QString::fromUtf8(text).split(u'|');
                platform::StatusItemContent content;
                content.title = lines.join(QLatin1Char(':'));
                content.squareText = lines;
                const QImage icon = painter.paintSquare(content, pixels, dark);
                const std::string what = lines.join(QLatin1Char('/')).toStdString() + " at " +
                                         std::to_string(pixels) + (dark ? " dark" : " light");
                ASSERT_EQ(icon.size(), QSize(pixels, pixels)) << what;
                const QColor panel = dark ? darkPanel : lightPanel;
                const int half = lines.size() == 2 ? pixels / 2 : pixels;
                for (int i = 0; i < lines.size(); ++i) {
                    const int from = i == 0 ? 0 : half, to = i == 0 ? half : pixels;
                    const Ink ink = legibleInk(icon, panel, 4.5, from, to);
                    ASSERT_GT(ink.count, 0) << what << " line " << i;
                    // Latin digits at least a third of the square high (5 px at 16); words
                    // and other scripts, narrowed and with descenders, a quarter.
                    const bool isDigits =
                        QRegularExpression(QStringLiteral("^[0-9]+$")).match(lines[i]).hasMatch();
                    const int height = ink.bottom - ink.top + 1;
                    EXPECT_GE(height, isDigits ? pixels / 3 : std::max(4, pixels / 4)) << what;
                    // Nothing cut at the edges: ink keeps off the outermost column.
                    EXPECT_GT(ink.left, 0) << what << " line " << i;
                    EXPECT_LT(ink.right, pixels - 1) << what << " line " << i;
                }
                // The wrong panel for the scheme: the halo keeps the digits visible.
                const Ink onOpposite =
                    legibleInk(icon, dark ? lightPanel : darkPanel, 3, 0, pixels);
                EXPECT_GT(onOpposite.count, pixels) << what << " on the opposite panel";
            }
}

TEST(SquareIconPainter, TheUsersColourWins) {
    platform::StatusItemContent content;
    content.squareText = {QStringLiteral("9"), QStringLiteral("41")};
    content.style.color = QColor(0xd0, 0x20, 0x20);
    views::MenuBarIconPainter painter;
    for (bool dark : {false, true}) {
        const QImage icon = painter.paintSquare(content, 32, dark);
        int red = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                red += icon.pixelColor(x, y) == content.style.color ? 1 : 0;
        EXPECT_GT(red, 20) << dark;
    }
}
