// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/DesktopAccelerators.h"

#include <QKeySequence>
#include <QRegularExpression>
#include <utility>

namespace ruvo::platform {

namespace {

constexpr Qt::KeyboardModifiers kComparedModifiers =
    Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

const std::pair<const char*, Qt::KeyboardModifier> kGnomeModifiers[] = {
    {"shift", Qt::ShiftModifier}, {"control", Qt::ControlModifier}, {"ctrl", Qt::ControlModifier},
    {"ctl", Qt::ControlModifier}, {"primary", Qt::ControlModifier}, {"alt", Qt::AltModifier},
    {"mod1", Qt::AltModifier},    {"super", Qt::MetaModifier},      {"meta", Qt::MetaModifier},
    {"hyper", Qt::MetaModifier},
};

// Keysym names whose Qt name differs (the rest, "F1", "Left", "Home", "Escape", read as Qt's).
const std::pair<const char*, Qt::Key> kGnomeKeys[] = {
    {"Page_Up", Qt::Key_PageUp},
    {"Prior", Qt::Key_PageUp},
    {"Page_Down", Qt::Key_PageDown},
    {"Next", Qt::Key_PageDown},
    {"BackSpace", Qt::Key_Backspace},
    {"Delete", Qt::Key_Delete},
    {"Insert", Qt::Key_Insert},
    {"space", Qt::Key_Space},
    {"Return", Qt::Key_Return},
    {"KP_Enter", Qt::Key_Enter},
    {"minus", Qt::Key_Minus},
    {"equal", Qt::Key_Equal},
    {"plus", Qt::Key_Plus},
    {"comma", Qt::Key_Comma},
    {"period", Qt::Key_Period},
    {"slash", Qt::Key_Slash},
    {"backslash", Qt::Key_Backslash},
    {"semicolon", Qt::Key_Semicolon},
    {"apostrophe", Qt::Key_Apostrophe},
    {"grave", Qt::Key_QuoteLeft},
    {"bracketleft", Qt::Key_BracketLeft},
    {"bracketright", Qt::Key_BracketRight},
    {"Above_Tab", Qt::Key_QuoteLeft},
    {"Print", Qt::Key_Print},
    {"XF86AudioPlay", Qt::Key_MediaPlay},
    {"XF86AudioPause", Qt::Key_MediaPause},
    {"XF86AudioStop", Qt::Key_MediaStop},
    {"XF86AudioNext", Qt::Key_MediaNext},
    {"XF86AudioPrev", Qt::Key_MediaPrevious},
    {"XF86AudioMute", Qt::Key_VolumeMute},
    {"XF86AudioLowerVolume", Qt::Key_VolumeDown},
    {"XF86AudioRaiseVolume", Qt::Key_VolumeUp},
    {"XF86Calculator", Qt::Key_Calculator},
    {"XF86Mail", Qt::Key_LaunchMail},
    {"XF86WWW", Qt::Key_WWW},
    {"XF86Explorer", Qt::Key_Explorer},
    {"XF86Search", Qt::Key_Search},
    {"XF86PowerOff", Qt::Key_PowerOff},
    {"XF86Sleep", Qt::Key_Sleep},
    {"XF86ScreenSaver", Qt::Key_ScreenSaver},
    {"XF86MonBrightnessUp", Qt::Key_MonBrightnessUp},
    {"XF86MonBrightnessDown", Qt::Key_MonBrightnessDown},
};

std::optional<Qt::Key> gnomeKey(const QString& name) {
    if (name.size() == 1 && name.at(0).isLetterOrNumber() && name.at(0).unicode() < 0x80)
        return static_cast<Qt::Key>(name.at(0).toUpper().unicode());
    for (const auto& [gnome, key] : kGnomeKeys)
        if (name == QLatin1String(gnome))
            return key;
    const QKeySequence qt = QKeySequence::fromString(name, QKeySequence::PortableText);
    if (qt.count() != 1 || qt[0].keyboardModifiers() != Qt::NoModifier ||
        qt[0].key() == Qt::Key_unknown)
        return std::nullopt;
    return qt[0].key();
}

// Splits a kglobalshortcutsrc value at its first two commas; a comma right after "+" is a
// key ("Ctrl+,").
QStringList kdeFields(const QString& value) {
    QStringList fields{QString()};
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        const bool isKey = i > 0 && value.at(i - 1) == QLatin1Char('+');
        if (c == QLatin1Char(',') && !isKey && fields.size() < 3)
            fields << QString();
        else
            fields.last() += c;
    }
    return fields;
}

} // namespace

std::optional<QKeyCombination> gnomeAccelerator(const QString& text) {
    static const QRegularExpression modifierPattern(QStringLiteral("^<([A-Za-z0-9]+)>"));
    QString rest = text.trimmed();
    Qt::KeyboardModifiers modifiers;
    for (int guard = 0; guard < 16; ++guard) {
        const auto match = modifierPattern.match(rest);
        if (!match.hasMatch())
            break;
        const QString name = match.captured(1).toLower();
        bool isKnown = false;
        for (const auto& [gnome, modifier] : kGnomeModifiers)
            if (name == QLatin1String(gnome)) {
                modifiers |= modifier;
                isKnown = true;
            }
        if (!isKnown)
            return std::nullopt;
        rest = rest.mid(match.capturedLength());
    }
    const auto key = gnomeKey(rest);
    if (rest.isEmpty() || !key)
        return std::nullopt;
    return QKeyCombination(modifiers, *key);
}

std::optional<QKeyCombination> kdeShortcut(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed == QLatin1String("none"))
        return std::nullopt;
    const QKeySequence sequence = QKeySequence::fromString(trimmed, QKeySequence::PortableText);
    if (sequence.count() != 1 || sequence[0].key() == Qt::Key_unknown)
        return std::nullopt;
    return sequence[0];
}

std::vector<DesktopBinding> kdeBindings(const QString& fileText) {
    std::vector<DesktopBinding> bindings;
    const QStringList lines = fileText.split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (line.startsWith(QLatin1Char('[')) || line.startsWith(QLatin1Char('#')) || equals <= 0)
            continue;
        const QString name = line.left(equals).trimmed();
        if (name.startsWith(QLatin1String("_k_friendly_name")))
            continue;
        const QStringList fields = kdeFields(line.mid(equals + 1));
        const QString action =
            fields.size() > 2 && !fields[2].trimmed().isEmpty() ? fields[2].trimmed() : name;
        // KConfig writes the tab between alternative shortcuts as "\t".
        QString active = fields[0];
        active.replace(QLatin1String("\\t"), QLatin1String("\t"));
        for (const QString& alternative : active.split(QLatin1Char('\t'))) {
            if (bindings.size() >= kMaxKdeBindings)
                return bindings;
            if (const auto keys = kdeShortcut(alternative))
                bindings.push_back({*keys, action});
        }
    }
    return bindings;
}

bool isSameCombination(QKeyCombination a, QKeyCombination b) {
    return a.key() == b.key() && (a.keyboardModifiers() & kComparedModifiers) ==
                                     (b.keyboardModifiers() & kComparedModifiers);
}

} // namespace ruvo::platform
