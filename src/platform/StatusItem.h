// SPDX-License-Identifier: GPL-3.0-or-later
// An item in the desktop's panel: a text and an icon, a click, and a small menu.
//
// The logic describes what the item shows (StatusItemContent) and the item draws it the way
// its panel can show it: as a label beside the icon, or with the text drawn into the icon.
// Drawing is done by a StatusIconPainter that the views provide.
#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace ruvo::platform {

struct StatusItemTextStyle {
    std::optional<double> pointSize; // the system's size when unset
    bool monospacedDigits = false;
    bool semibold = false;
    std::optional<QColor> color; // the panel's own colour when unset
    double baselineOffset = 0;
    bool operator==(const StatusItemTextStyle&) const = default;
};

// What an icon is drawn from; `name` is the icon's stored name ("dateWithBorder", "star").
struct StatusItemIcon {
    QString name;
    int dayOfMonth = 0;
    QString weekday;
    std::optional<int> count;
    bool operator==(const StatusItemIcon&) const = default;
};

enum class ImagePosition { noImage, imageOnly, imageLeft };

struct StatusItemContent {
    QString title;
    StatusItemTextStyle style;
    std::optional<StatusItemIcon> icon;
    ImagePosition imagePosition = ImagePosition::noImage;
    int imageMargin = 0;
    double fixedTextWidth = 0;      // 0: as wide as the text
    std::optional<QColor> colorBar; // a small bar in this colour before the text
    QString toolTip;
    QStringList squareText;   // the clock in one or two short lines, for square tray icons
    bool prefersDark = false; // the desktop's colour scheme, for text drawn into icons
    bool operator==(const StatusItemContent&) const = default;
};

enum class Activation {
    primary,   // a click
    secondary, // a middle click on most panels; a long press has no event of its own
};

struct ActivationEvent {
    Activation kind = Activation::primary;
    std::optional<QPoint> screenPosition; // where the panel says the click was
};

struct StatusMenuEntry {
    QString id; // empty for a separator
    QString label;
    bool isEnabled = true;
    std::optional<bool> isChecked = std::nullopt; // a check item when set
    bool operator==(const StatusMenuEntry&) const = default;
};

class StatusItem {
public:
    virtual ~StatusItem() = default;
    virtual void setContent(const StatusItemContent& content) = 0;
    virtual void setVisible(bool visible) = 0;
    virtual bool isVisible() const = 0;
    // The item's menu (the panels that open a menu on click show this one).
    virtual void setMenu(const std::vector<StatusMenuEntry>& entries) = 0;
    virtual void onActivated(std::function<void(const ActivationEvent&)> handler) = 0;
    virtual void onMenuEntryChosen(std::function<void(const QString& id)> handler) = 0;
    // True while a panel shows the item (a tray or a StatusNotifierWatcher took it).
    virtual bool isShownByHost() const = 0;
    // While another view shows the same clock (a panel applet), a tray's item steps aside:
    // trays that know item states may hide it, the others keep it. Items shown only in one
    // place ignore it.
    virtual void setPassive(bool isPassive) { (void)isPassive; }
};

// Draws a status item's picture: its icon, and with `withText` also its title beside it.
// The sizes square tray icons are drawn at; trays scale from the nearest.
inline constexpr int kSquareIconSizes[] = {16, 22, 24, 32, 48, 64};

class StatusIconPainter {
public:
    virtual ~StatusIconPainter() = default;
    virtual QImage paint(const StatusItemContent& content, bool withText, bool isDark,
                         double devicePixelRatio) const = 0;
    // A square icon of `pixels` for trays that scale every icon into a square: the square
    // text (or the icon when there is none) in the colour for a dark or a light panel.
    virtual QImage paintSquare(const StatusItemContent& content, int pixels, bool isDark) const = 0;
};

} // namespace ruvo::platform
