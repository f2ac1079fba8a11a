// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar checklist's boxes drawn under Fusion in both palettes, enabled and disabled: the
// outline of an unchecked box must stand out from the list's background, less when disabled.
#include "views/preferences/ChecklistDelegate.h"

#include "views/shell/Palettes.h"

#include <QStyleFactory>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace ruvo;

namespace {

struct Tree final : QTreeWidget {
    using QTreeWidget::initViewItemOption;
};

double luminance(QColor c) {
    auto channel = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(QColor a, QColor b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The strongest contrast against the background inside the first row's check box.
double boxContrast(const QPalette& palette, bool isEnabled) {
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    Tree tree;
    tree.setStyle(fusion.get());
    tree.setPalette(palette);
    tree.setHeaderHidden(true);
    tree.setRootIsDecorated(false);
    tree.setItemDelegate(new views::ChecklistDelegate(&tree));
    auto* item = new QTreeWidgetItem(&tree, {QStringLiteral("Reminders")});
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    item->setCheckState(0, Qt::Unchecked);
    tree.setEnabled(isEnabled);
    tree.resize(200, 60);
    const QImage image = tree.viewport()->grab().toImage();

    QStyleOptionViewItem option;
    tree.initViewItemOption(&option);
    option.rect = tree.visualItemRect(item);
    option.features |= QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    option.text = item->text(0);
    const QRect box = fusion->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, &tree);
    const QColor background = image.pixelColor(box.center() + QPoint(0, box.height()));
    double best = 1;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            best = std::max(best, contrast(image.pixelColor(x, y), background));
    return best;
}

TEST(ChecklistDelegateTest, UncheckedBoxesAreSeenInBothPalettesAndLookDisabledWhenDisabled) {
    struct Row {
        const char* what;
        QPalette palette;
    };
    const Row rows[] = {{"light", views::lightPalette()}, {"dark", views::darkPalette()}};
    for (const Row& row : rows) {
        const double enabled = boxContrast(row.palette, true);
        const double disabled = boxContrast(row.palette, false);
        EXPECT_GE(enabled, 3.0) << row.what;
        EXPECT_GE(disabled, 2.0) << row.what;
        EXPECT_LT(disabled, enabled) << row.what;
    }
}

} // namespace
