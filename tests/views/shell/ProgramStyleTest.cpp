// SPDX-License-Identifier: GPL-3.0-or-later
// The program style's check boxes and radio buttons in both palettes: an unchecked one's outline
// must stand out from the field's background, less so when it is disabled.
#include "views/shell/ProgramStyle.h"

#include "views/shell/Palettes.h"

#include <QApplication>
#include <QCheckBox>
#include <QRadioButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace ruvo;

namespace {

double luminance(const QColor& c) {
    auto linear = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

double contrast(const QColor& a, const QColor& b) {
    const double x = luminance(a), y = luminance(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

// The WCAG contrast ratio of the most distinct pixel of the widget (which shows nothing but an
// unchecked indicator) against the palette's field background.
double indicatorContrast(QWidget& widget, QStyle& style, const QPalette& palette, bool isEnabled) {
    widget.setStyle(&style);
    for (QWidget* child : widget.findChildren<QWidget*>())
        child->setStyle(&style);
    widget.setPalette(palette);
    widget.setEnabled(isEnabled);
    widget.resize(widget.sizeHint().expandedTo(QSize(40, 40)));
    const QImage image = widget.grab().toImage();
    double best = 1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            best = std::max(best, contrast(image.pixelColor(x, y), palette.color(QPalette::Base)));
    return best;
}

TEST(ProgramStyleTest, UncheckedIndicatorsAreSeenInBothPalettesAndLookDisabledWhenDisabled) {
    const std::vector<std::pair<const char*, std::function<std::unique_ptr<QWidget>()>>> kinds = {
        {"check box", [] { return std::make_unique<QCheckBox>(); }},
        {"radio button", [] { return std::make_unique<QRadioButton>(); }},
        {"list item",
         [] {
             auto tree = std::make_unique<QTreeWidget>();
             tree->setHeaderHidden(true);
             tree->setFrameShape(QFrame::NoFrame);
             (new QTreeWidgetItem(tree.get()))->setCheckState(0, Qt::Unchecked);
             return tree;
         }},
    };
    views::ProgramStyle style; // outlives the widgets
    for (const auto& [kind, make] : kinds)
        for (const QPalette& palette : {views::lightPalette(), views::darkPalette()}) {
            const std::string what =
                std::string(kind) + " on " + palette.color(QPalette::Base).name().toStdString();
            const double enabled = indicatorContrast(*make(), style, palette, true);
            const double disabled = indicatorContrast(*make(), style, palette, false);
            EXPECT_GE(enabled, 3.0) << what;
            EXPECT_GE(disabled, 2.0) << what;
            EXPECT_LT(disabled, enabled) << what;
        }
}

// Each palette made while the program shows the other: a divider's light line stays quiet on
// the window, and text stays readable on a hovered row (Midlight).
TEST(ProgramStyleTest, BevelShadesBelongToTheirOwnPalette) {
    const QPalette before = QApplication::palette();
    for (bool dark : {false, true}) {
        QApplication::setPalette(dark ? views::lightPalette() : views::darkPalette());
        const QPalette palette = dark ? views::darkPalette() : views::lightPalette();
        EXPECT_LT(contrast(palette.color(QPalette::Light), palette.color(QPalette::Window)), 2.5)
            << dark;
        EXPECT_GE(contrast(palette.color(QPalette::Text), palette.color(QPalette::Midlight)), 4.5)
            << dark;
    }
    QApplication::setPalette(before);
}

} // namespace
