// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferences/ShortcutKeys.h"

#include "platform/ShortcutModifiers.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <utility>

namespace ruvo::preferences {

namespace {

using namespace platform::modifiers;

// Qt key -> stored key code (the position of that key on a US layout).
constexpr std::pair<int, int> kKeys[] = {
    {Qt::Key_A, 0x00},      {Qt::Key_S, 0x01},         {Qt::Key_D, 0x02},
    {Qt::Key_F, 0x03},      {Qt::Key_H, 0x04},         {Qt::Key_G, 0x05},
    {Qt::Key_Z, 0x06},      {Qt::Key_X, 0x07},         {Qt::Key_C, 0x08},
    {Qt::Key_V, 0x09},      {Qt::Key_B, 0x0B},         {Qt::Key_Q, 0x0C},
    {Qt::Key_W, 0x0D},      {Qt::Key_E, 0x0E},         {Qt::Key_R, 0x0F},
    {Qt::Key_Y, 0x10},      {Qt::Key_T, 0x11},         {Qt::Key_1, 0x12},
    {Qt::Key_2, 0x13},      {Qt::Key_3, 0x14},         {Qt::Key_4, 0x15},
    {Qt::Key_6, 0x16},      {Qt::Key_5, 0x17},         {Qt::Key_Equal, 0x18},
    {Qt::Key_9, 0x19},      {Qt::Key_7, 0x1A},         {Qt::Key_Minus, 0x1B},
    {Qt::Key_8, 0x1C},      {Qt::Key_0, 0x1D},         {Qt::Key_BracketRight, 0x1E},
    {Qt::Key_O, 0x1F},      {Qt::Key_U, 0x20},         {Qt::Key_BracketLeft, 0x21},
    {Qt::Key_I, 0x22},      {Qt::Key_P, 0x23},         {Qt::Key_Return, 0x24},
    {Qt::Key_L, 0x25},      {Qt::Key_J, 0x26},         {Qt::Key_Apostrophe, 0x27},
    {Qt::Key_K, 0x28},      {Qt::Key_Semicolon, 0x29}, {Qt::Key_Backslash, 0x2A},
    {Qt::Key_Comma, 0x2B},  {Qt::Key_Slash, 0x2C},     {Qt::Key_N, 0x2D},
    {Qt::Key_M, 0x2E},      {Qt::Key_Period, 0x2F},    {Qt::Key_Tab, 0x30},
    {Qt::Key_Space, 0x31},  {Qt::Key_QuoteLeft, 0x32}, {Qt::Key_Backspace, 0x33},
    {Qt::Key_Escape, 0x35}, {Qt::Key_Home, 0x73},      {Qt::Key_PageUp, 0x74},
    {Qt::Key_Delete, 0x75}, {Qt::Key_End, 0x77},       {Qt::Key_PageDown, 0x79},
    {Qt::Key_Left, 0x7B},   {Qt::Key_Right, 0x7C},     {Qt::Key_Down, 0x7D},
    {Qt::Key_Up, 0x7E},     {Qt::Key_F1, 0x7A},        {Qt::Key_F2, 0x78},
    {Qt::Key_F3, 0x63},     {Qt::Key_F4, 0x76},        {Qt::Key_F5, 0x60},
    {Qt::Key_F6, 0x61},     {Qt::Key_F7, 0x62},        {Qt::Key_F8, 0x64},
    {Qt::Key_F9, 0x65},     {Qt::Key_F10, 0x6D},       {Qt::Key_F11, 0x67},
    {Qt::Key_F12, 0x6F},
};

constexpr std::pair<Qt::KeyboardModifier, int> kModifiers[] = {{Qt::MetaModifier, kCommand},
                                                               {Qt::ShiftModifier, kShift},
                                                               {Qt::AltModifier, kOption},
                                                               {Qt::ControlModifier, kControl}};

bool isFunctionKey(Qt::Key key) {
    return key >= Qt::Key_F1 && key <= Qt::Key_F35;
}

} // namespace

std::optional<settings::KeyboardShortcut> storedShortcut(QKeyCombination keys) {
    for (const auto& [qtKey, code] : kKeys) {
        if (qtKey != keys.key())
            continue;
        int modifiers = 0;
        for (const auto& [qt, stored] : kModifiers)
            if (keys.keyboardModifiers().testFlag(qt))
                modifiers |= stored;
        return settings::KeyboardShortcut{code, modifiers};
    }
    return std::nullopt;
}

std::optional<QKeyCombination> keyCombination(const settings::KeyboardShortcut& shortcut) {
    for (const auto& [qtKey, code] : kKeys) {
        if (code != shortcut.carbonKeyCode)
            continue;
        Qt::KeyboardModifiers modifiers;
        for (const auto& [qt, stored] : kModifiers)
            if (shortcut.carbonModifiers & stored)
                modifiers |= qt;
        return QKeyCombination(modifiers, static_cast<Qt::Key>(qtKey));
    }
    return std::nullopt;
}

QString shortcutText(const settings::KeyboardShortcut& shortcut) {
    const auto keys = keyCombination(shortcut);
    return keys ? QKeySequence(*keys).toString(QKeySequence::NativeText) : QString();
}

const std::vector<OwnShortcut>& ownShortcuts() {
    static const std::vector<OwnShortcut> table{
        {Qt::CTRL | Qt::Key_Left, QT_TRANSLATE_NOOP("ShortcutKeys", "Previous month")},
        {Qt::CTRL | Qt::Key_Right, QT_TRANSLATE_NOOP("ShortcutKeys", "Next month")},
        {Qt::CTRL | Qt::ALT | Qt::Key_Left, QT_TRANSLATE_NOOP("ShortcutKeys", "Travel back")},
        {Qt::CTRL | Qt::ALT | Qt::Key_Right, QT_TRANSLATE_NOOP("ShortcutKeys", "Travel forward")},
        {Qt::CTRL | Qt::Key_Q, QT_TRANSLATE_NOOP("ShortcutKeys", "Quit Ruvo")},
        {Qt::CTRL | Qt::Key_Comma, QT_TRANSLATE_NOOP("ShortcutKeys", "Settings…")},
    };
    return table;
}

std::optional<QString> refusalOf(QKeyCombination keys, const platform::ShortcutConflicts* desktop) {
    if (!storedShortcut(keys))
        return QCoreApplication::translate("ShortcutKeys",
                                           "This key cannot be used for a keyboard shortcut.");
    const auto modifiers = keys.keyboardModifiers() & ~Qt::KeypadModifier;
    if ((modifiers & ~Qt::ShiftModifier) == Qt::NoModifier && !isFunctionKey(keys.key()))
        return QCoreApplication::translate(
            "ShortcutKeys", "Add Ctrl, Alt or Super: without them the key would stop typing in "
                            "every program.");
    if (desktop)
        if (auto action = desktop->desktopActionUsing(keys))
            return QCoreApplication::translate(
                       "ShortcutKeys",
                       "This keyboard shortcut cannot be used as it's already a system-wide "
                       "keyboard shortcut (“%1”). Most desktop shortcuts can be changed in the "
                       "desktop's keyboard settings.")
                .arg(*action);
    for (const OwnShortcut& own : ownShortcuts())
        if (own.keys == keys)
            return QCoreApplication::translate(
                       "ShortcutKeys",
                       "This keyboard shortcut cannot be used as it's already used by the “%1” "
                       "menu item.")
                .arg(QCoreApplication::translate("ShortcutKeys", own.title));
    return std::nullopt;
}

} // namespace ruvo::preferences
