// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/shell/Palettes.h"

namespace ruvo::views {

namespace {

struct Roles {
    QColor window, text, base, alternateBase, button, highlight, highlightedText, link, placeholder,
        disabledText;
};

QPalette paletteFrom(const Roles& r) {
    // The bevel shades (Light, Midlight, Mid, Dark, Shadow) come from our own button colour:
    // a default palette is a copy of the program's current one, whose shades belonged to the
    // other appearance (white divider lines and row hovers on the dark palette).
    QPalette p(r.button, r.window);
    p.setColor(QPalette::Window, r.window);
    p.setColor(QPalette::WindowText, r.text);
    p.setColor(QPalette::Base, r.base);
    p.setColor(QPalette::AlternateBase, r.alternateBase);
    p.setColor(QPalette::ToolTipBase, r.base);
    p.setColor(QPalette::ToolTipText, r.text);
    p.setColor(QPalette::Text, r.text);
    p.setColor(QPalette::Button, r.button);
    p.setColor(QPalette::ButtonText, r.text);
    p.setColor(QPalette::BrightText, Qt::red);
    p.setColor(QPalette::Highlight, r.highlight);
    p.setColor(QPalette::HighlightedText, r.highlightedText);
    p.setColor(QPalette::Link, r.link);
    p.setColor(QPalette::PlaceholderText, r.placeholder);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, r.disabledText);
    return p;
}

} // namespace

QPalette lightPalette() {
    return paletteFrom({QColor(0xf6, 0xf5, 0xf4), QColor(0x1d, 0x1d, 0x1f), Qt::white,
                        QColor(0xf0, 0xf0, 0xf2), QColor(0xed, 0xec, 0xeb),
                        QColor(0x35, 0x84, 0xe4), Qt::white, QColor(0x1a, 0x5f, 0xb4),
                        QColor(0x8e, 0x8e, 0x93), QColor(0xa0, 0xa0, 0xa5)});
}

QPalette darkPalette() {
    return paletteFrom(
        {QColor(0x2b, 0x2b, 0x2d), QColor(0xf2, 0xf2, 0xf7), QColor(0x1e, 0x1e, 0x20),
         QColor(0x33, 0x33, 0x36), QColor(0x3a, 0x3a, 0x3d), QColor(0x35, 0x84, 0xe4), Qt::white,
         QColor(0x78, 0xae, 0xed), QColor(0x8e, 0x8e, 0x93), QColor(0x6e, 0x6e, 0x73)});
}

} // namespace ruvo::views
