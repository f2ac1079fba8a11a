// SPDX-License-Identifier: GPL-3.0-or-later
// Recorded key combinations in their stored form, and the ones the recorder refuses.
#include "preferences/ShortcutKeys.h"

#include "TestSupport.h"

#include <QKeySequence>
#include <gtest/gtest.h>

using namespace ruvo;
using namespace ruvo::preferences;

namespace {

class FakeConflicts final : public platform::ShortcutConflicts {
public:
    std::optional<QString> desktopActionUsing(QKeyCombination keys) const override {
        if (keys == QKeyCombination(Qt::META | Qt::Key_L))
            return QStringLiteral("Lock screen");
        return std::nullopt;
    }
};

TEST(ShortcutKeysTest, StoresKeyPositionsAndModifierBitsBothWays) {
    struct Row {
        QKeyCombination keys;
        int code;
        int modifiers;
    };
    const Row rows[] = {
        {Qt::CTRL | Qt::ALT | Qt::Key_K, 0x28, 0x1800},
        {Qt::META | Qt::SHIFT | Qt::Key_A, 0x00, 0x0300},
        {Qt::CTRL | Qt::Key_5, 0x17, 0x1000}, // 5 and 6 sit out of order on the keyboard
        {Qt::CTRL | Qt::Key_6, 0x16, 0x1000},
        {QKeyCombination(Qt::Key_F5), 0x60, 0},
        {Qt::CTRL | Qt::Key_Left, 0x7B, 0x1000},
    };
    for (const Row& row : rows) {
        const auto stored = storedShortcut(row.keys);
        ASSERT_TRUE(stored.has_value()) << row.code;
        EXPECT_EQ(stored->carbonKeyCode, row.code);
        EXPECT_EQ(stored->carbonModifiers, row.modifiers) << row.code;
        EXPECT_EQ(keyCombination(*stored), row.keys) << row.code;
    }
    EXPECT_FALSE(storedShortcut(QKeyCombination(Qt::CTRL | Qt::Key_MediaPlay)).has_value());
    EXPECT_FALSE(keyCombination({0x7F, 0}).has_value());
    EXPECT_TRUE(shortcutText({0x7F, 0x1000}).isEmpty());
}

TEST(ShortcutKeysTest, RefusesWhatTheDesktopOrRuvoAlreadyUsesOrWhatWouldStopTyping) {
    FakeConflicts desktop;
    struct Row {
        QKeyCombination keys;
        bool withDesktop;
        const char* refusalPart; // nullptr: accepted
    };
    const Row rows[] = {
        {Qt::CTRL | Qt::ALT | Qt::Key_K, true, nullptr},
        {QKeyCombination(Qt::Key_F5), true, nullptr},
        {QKeyCombination(Qt::Key_K), true, "Ctrl, Alt or Super"},
        {Qt::SHIFT | Qt::Key_K, true, "Ctrl, Alt or Super"},
        {Qt::META | Qt::Key_L, true, "Lock screen"},
        {Qt::META | Qt::Key_L, false, nullptr}, // no desktop known: only our own are refused
        {Qt::CTRL | Qt::Key_Left, false, "Previous month"},
        {Qt::CTRL | Qt::ALT | Qt::Key_Right, true, "Travel forward"},
        {Qt::CTRL | Qt::Key_MediaPlay, true, "cannot be used"},
    };
    for (const Row& row : rows) {
        const auto refusal = refusalOf(row.keys, row.withDesktop ? &desktop : nullptr);
        const QString shown = QKeySequence(row.keys).toString();
        if (!row.refusalPart) {
            EXPECT_FALSE(refusal.has_value()) << shown.toStdString();
        } else {
            EXPECT_TRUE(refusal && refusal->contains(QString::fromLatin1(row.refusalPart)))
                << shown.toStdString() << ": " << refusal.value_or(QString()).toStdString();
        }
    }
}

} // namespace
