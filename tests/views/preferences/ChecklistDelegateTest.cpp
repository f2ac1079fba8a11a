// SPDX-License-Identifier: GPL-3.0-or-later
// The checklist's boxes under Fusion in both palettes: an unchecked box's outline must stand out
// from the list's background, less so when the list is disabled.
#include "views/preferences/ChecklistDelegate.h"

#include "views/shell/Palettes.h"

#include <QStyleFactory>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace ruvo;

namespace {

// The WCAG contrast ratio of the most distinct pixel in the row (an item with only a check box)
// against the list's background.
double boxContrast(const QPalette& palette, bool isEnabled) {
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    QTreeWidget tree;
    tree.setStyle(fusion.get());
    tree.setPalette(palette);
    tree.setItemDelegate(new views::ChecklistDelegate(&tree));
    auto* item = new QTreeWidgetItem(&tree);
    item->setCheckState(0, Qt::Unchecked);
    tree.setEnabled(isEnabled);
    tree.resize(200, 60);
    const QImage image = tree.viewport()->grab().toImage();
    auto luminance = [](QColor c) {
        auto linear = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const QRect row = tree.visualItemRect(item);
    const double background = luminance(image.pixelColor(row.bottomLeft() + QPoint(0, 4)));
    double best = 1;
    for (int y = row.top(); y <= row.bottom(); ++y)
        for (int x = row.left(); x <= row.right(); ++x) {
            const double pixel = luminance(image.pixelColor(x, y));
            best = std::max(best, (std::max(pixel, background) + 0.05) /
                                      (std::min(pixel, background) + 0.05));
        }
    return best;
}

TEST(ChecklistDelegateTest, UncheckedBoxesAreSeenInBothPalettesAndLookDisabledWhenDisabled) {
    for (const QPalette& palette : {views::lightPalette(), views::darkPalette()}) {
        const std::string base = palette.color(QPalette::Base).name().toStdString();
        const double enabled = boxContrast(palette, true);
        const double disabled = boxContrast(palette, false);
        EXPECT_GE(enabled, 3.0) << base;
        EXPECT_GE(disabled, 2.0) << base;
        EXPECT_LT(disabled, enabled) << base;
    }
}

} // namespace
