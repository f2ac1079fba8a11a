// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/PortalTrigger.h"

#include "platform/linux/X11Keys.h"

#include <QStringList>
#include <utility>

namespace ruvo::platform {

namespace {

// The keysym names of the keys x11Key() gives that are not a letter or a digit.
const std::pair<std::uint32_t, const char*> kKeysymNames[] = {
    {'=', "equal"},       {'-', "minus"},     {']', "bracketright"}, {'[', "bracketleft"},
    {'\'', "apostrophe"}, {';', "semicolon"}, {'\\', "backslash"},   {',', "comma"},
    {'/', "slash"},       {'.', "period"},    {' ', "space"},        {'`', "grave"},
    {0xff0d, "Return"},   {0xff09, "Tab"},    {0xff08, "BackSpace"}, {0xff1b, "Escape"},
    {0xff6a, "Help"},     {0xff50, "Home"},   {0xff55, "Prior"},     {0xffff, "Delete"},
    {0xff57, "End"},      {0xff56, "Next"},   {0xff51, "Left"},      {0xff53, "Right"},
    {0xff54, "Down"},     {0xff52, "Up"},
};

constexpr std::uint32_t kF1 = 0xffbe;
constexpr std::uint32_t kF20 = kF1 + 19;

std::optional<QString> keysymName(std::uint32_t keysym) {
    if ((keysym >= 'a' && keysym <= 'z') || (keysym >= '0' && keysym <= '9'))
        return QString(QChar(static_cast<char16_t>(keysym)));
    if (keysym >= kF1 && keysym <= kF20)
        return QStringLiteral("F%1").arg(keysym - kF1 + 1);
    for (const auto& [sym, name] : kKeysymNames)
        if (sym == keysym)
            return QString::fromLatin1(name);
    return std::nullopt;
}

} // namespace

std::optional<QString> portalTrigger(int carbonKeyCode, int carbonModifiers) {
    const auto key = x11Key(carbonKeyCode, carbonModifiers);
    if (!key)
        return std::nullopt;
    const auto name = keysymName(key->keysym);
    if (!name)
        return std::nullopt;
    // X11 masks: Control 4, Mod1 (Alt) 8, Shift 1, Mod4 (Super) 64.
    const std::pair<std::uint16_t, const char*> modifiers[] = {
        {4, "CTRL"}, {8, "ALT"}, {1, "SHIFT"}, {64, "LOGO"}};
    QStringList parts;
    for (const auto& [mask, modifierName] : modifiers)
        if (key->modifiers & mask)
            parts << QString::fromLatin1(modifierName);
    parts << *name;
    return parts.join(QLatin1Char('+'));
}

} // namespace ruvo::platform
