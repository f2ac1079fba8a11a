// SPDX-License-Identifier: GPL-3.0-or-later
// The key combinations desktops store for their own shortcuts, read into Qt's form: GNOME's
// accelerators ("<Super>Left", "<Primary><Alt>t") and KDE's shortcut texts ("Meta+Left",
// "Ctrl+Alt+T"), and the bindings of KDE's kglobalshortcutsrc.
#pragma once

#include <QKeyCombination>
#include <QString>
#include <optional>
#include <vector>

namespace ruvo::platform {

// One shortcut the desktop holds, with the desktop's name for what it does.
struct DesktopBinding {
    QKeyCombination keys;
    QString action;
};

// None for an empty or disabled accelerator and for a key name this table does not know.
std::optional<QKeyCombination> gnomeAccelerator(const QString& text);
std::optional<QKeyCombination> kdeShortcut(const QString& text);

// The active shortcuts of a kglobalshortcutsrc ("Name=active,default,Friendly name"), each
// with its friendly name; at most `kMaxKdeBindings` of them.
inline constexpr int kMaxKdeBindings = 5000;
std::vector<DesktopBinding> kdeBindings(const QString& fileText);

// The same combination whatever the keypad or the recorder's extra modifier bits say.
bool isSameCombination(QKeyCombination a, QKeyCombination b);

} // namespace ruvo::platform
