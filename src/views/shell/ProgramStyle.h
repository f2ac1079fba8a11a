// SPDX-License-Identifier: GPL-3.0-or-later
// The program's widget style: Fusion, which honours both of our palettes, with check box and
// radio button outlines that stay visible. Fusion outlines them in the window colour made
// darker, which on the dark palette is the field's own background (an unchecked box vanished)
// and on the light one a faint grey.
#pragma once

#include <QProxyStyle>

namespace ruvo::views {

// The outline of an indicator drawn on `palette`: the text mixed into the field's background,
// and the disabled text's colour when disabled, so a disabled box still looks disabled.
QColor checkBoxOutline(const QPalette& palette, bool isEnabled);

class ProgramStyle final : public QProxyStyle {
public:
    ProgramStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    // An auto-raised button that opens its menu at a click shows no arrow: such buttons carry
    // a glyph of their own ("…"), and Fusion's arrow sat on top of it.
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override;
};

} // namespace ruvo::views
