// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/shell/ProgramStyle.h"

#include <QStyleOption>

namespace ruvo::views {

namespace {

// Fusion outlines a check box in the window colour darker by 140 % and a radio button by 150 %.
// Handing it a window colour that much lighter than the outline we want gets that outline,
// with Fusion's own geometry and its keyboard-focus highlight kept.
int fusionDarkening(QStyle::PrimitiveElement element) {
    return element == QStyle::PE_IndicatorRadioButton ? 150 : 140;
}

template <typename Option> void outline(Option& option, QStyle::PrimitiveElement element) {
    const QColor wanted = checkBoxOutline(option.palette, option.state & QStyle::State_Enabled);
    option.palette.setColor(QPalette::Window, wanted.lighter(fusionDarkening(element)));
}

} // namespace

QColor checkBoxOutline(const QPalette& palette, bool isEnabled) {
    if (!isEnabled)
        return palette.color(QPalette::Disabled, QPalette::Text);
    const QColor ink = palette.color(QPalette::Active, QPalette::Text);
    const QColor base = palette.color(QPalette::Active, QPalette::Base);
    constexpr double kInk = 0.55;
    return QColor::fromRgbF(float(ink.redF() * kInk + base.redF() * (1 - kInk)),
                            float(ink.greenF() * kInk + base.greenF() * (1 - kInk)),
                            float(ink.blueF() * kInk + base.blueF() * (1 - kInk)));
}

ProgramStyle::ProgramStyle() : QProxyStyle(QStringLiteral("Fusion")) {}

void ProgramStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
    if (element != PE_IndicatorCheckBox && element != PE_IndicatorRadioButton) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // Item views hand Fusion a button option for their check boxes, so this covers lists too.
    if (const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option)) {
        QStyleOptionButton outlined = *button;
        outline(outlined, element);
        QProxyStyle::drawPrimitive(element, &outlined, painter, widget);
    } else if (option && element == PE_IndicatorRadioButton) {
        QStyleOption outlined = *option;
        outline(outlined, element);
        QProxyStyle::drawPrimitive(element, &outlined, painter, widget);
    } else {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

void ProgramStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                      QPainter* painter, const QWidget* widget) const {
    const auto* button = qstyleoption_cast<const QStyleOptionToolButton*>(option);
    if (control != CC_ToolButton || !button || !(button->state & State_AutoRaise) ||
        (button->features & QStyleOptionToolButton::MenuButtonPopup)) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    QStyleOptionToolButton plain = *button;
    plain.features &= ~QStyleOptionToolButton::HasMenu;
    QProxyStyle::drawComplexControl(control, &plain, painter, widget);
}

} // namespace ruvo::views
