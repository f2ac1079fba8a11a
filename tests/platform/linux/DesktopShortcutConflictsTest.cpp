// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/DesktopShortcutConflicts.h"

#include "TestSupport.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ruvo;
using namespace ruvo::platform;

namespace {

constexpr auto Super = Qt::MetaModifier;
constexpr auto Ctrl = Qt::ControlModifier;
constexpr auto Alt = Qt::AltModifier;
constexpr auto Shift = Qt::ShiftModifier;

TEST(DesktopAcceleratorsTest, readsGnomeAndKdeForms) {
    struct Case {
        const char* text;
        bool isGnome;
        std::optional<QKeyCombination> expected;
    };
    const Case cases[] = {
        {"<Super>Left", true, QKeyCombination(Super, Qt::Key_Left)},
        {"<Primary><Alt>t", true, QKeyCombination(Ctrl | Alt, Qt::Key_T)},
        {"<Control><Shift>Escape", true, QKeyCombination(Ctrl | Shift, Qt::Key_Escape)},
        {"<Ctrl><Super>Page_Down", true, QKeyCombination(Ctrl | Super, Qt::Key_PageDown)},
        {"<Shift><Super>bracketleft", true, QKeyCombination(Shift | Super, Qt::Key_BracketLeft)},
        {"<Mod1>space", true, QKeyCombination(Alt, Qt::Key_Space)},
        {"Print", true, QKeyCombination(Qt::Key_Print)},
        {"XF86AudioPlay", true, QKeyCombination(Qt::Key_MediaPlay)},
        {"", true, std::nullopt},
        {"disabled", true, std::nullopt},
        {"<Super>", true, std::nullopt},
        {"<Wobble>a", true, std::nullopt},
        {"<Super>NoSuchKey", true, std::nullopt},
        {"/org/gnome/settings-daemon/plugins/media-keys/custom0/", true, std::nullopt},
        {"Meta+Left", false, QKeyCombination(Super, Qt::Key_Left)},
        {"Ctrl+Alt+T", false, QKeyCombination(Ctrl | Alt, Qt::Key_T)},
        {"Volume Up", false, QKeyCombination(Qt::Key_VolumeUp)},
        {"none", false, std::nullopt},
        {"Ctrl+F1, Ctrl+F2", false, std::nullopt},
    };
    for (const Case& c : cases) {
        const QString text = QString::fromLatin1(c.text);
        const auto actual = c.isGnome ? gnomeAccelerator(text) : kdeShortcut(text);
        EXPECT_EQ(actual, c.expected) << c.text;
    }
}

TEST(DesktopAcceleratorsTest, readsTheActiveShortcutsOfKglobalshortcutsrc) {
    const QString file =
        QStringLiteral("[kwin]\n"
                       "_k_friendly_name=KWin\n"
                       "Switch to Desktop 1=Ctrl+F1,Ctrl+F1,Switch to Desktop 1\n"
                       "Window Close=Alt+F4\\tMeta+Q,Alt+F4,Close Window\n"
                       "Expose=none,Ctrl+F9,Toggle Present Windows (Current desktop)\n"
                       "Zoom Out=Meta+-,Meta+-,Zoom Out, a lot\n"
                       "Comma Thing=Ctrl+,,none,Settings, comma key\n"
                       "[services][org.kde.konsole.desktop]\n"
                       "_launch=Ctrl+Alt+T\n"
                       "broken line without value\n");
    const auto bindings = kdeBindings(file);
    const std::vector<std::pair<QKeyCombination, QString>> expected = {
        {QKeyCombination(Ctrl, Qt::Key_F1), QStringLiteral("Switch to Desktop 1")},
        {QKeyCombination(Alt, Qt::Key_F4), QStringLiteral("Close Window")},
        {QKeyCombination(Super, Qt::Key_Q), QStringLiteral("Close Window")},
        {QKeyCombination(Super, Qt::Key_Minus), QStringLiteral("Zoom Out, a lot")},
        {QKeyCombination(Ctrl, Qt::Key_Comma), QStringLiteral("Settings, comma key")},
        {QKeyCombination(Ctrl | Alt, Qt::Key_T), QStringLiteral("_launch")},
    };
    ASSERT_EQ(bindings.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(bindings[i].keys, expected[i].first) << i;
        EXPECT_EQ(bindings[i].action, expected[i].second) << i;
    }
}

// A schema of the test's own, compiled into a folder and read with its defaults.
const char* const kSchema = R"(<schemalist>
  <schema id="io.github.ruvo.test.keys" path="/io/github/ruvo/test/keys/">
    <key name="switch-to-workspace-1" type="as">
      <default>['&lt;Super&gt;Home', '&lt;Primary&gt;&lt;Alt&gt;1']</default>
      <summary>Switch to workspace 1</summary>
    </key>
    <key name="screenshot" type="s"><default>'Print'</default><summary>Take a screenshot</summary></key>
    <key name="unbound" type="as"><default>[]</default><summary>Nothing</summary></key>
    <key name="enabled" type="b"><default>true</default></key>
    <key name="custom-keybindings" type="as">
      <default>['/io/github/ruvo/test/custom0/', 'not a path']</default>
    </key>
  </schema>
  <schema id="org.gnome.settings-daemon.plugins.media-keys.custom-keybinding">
    <key name="name" type="s"><default>'Terminal'</default></key>
    <key name="binding" type="s"><default>'&lt;Super&gt;Return'</default></key>
  </schema>
</schemalist>)";

TEST(DesktopShortcutConflictsTest, findsTheActionOfACombinationInGnomeAndKde) {
    QTemporaryDir folder;
    QFile schema(folder.filePath(QStringLiteral("test.gschema.xml")));
    ASSERT_TRUE(schema.open(QIODevice::WriteOnly));
    schema.write(kSchema);
    schema.close();
    if (QStandardPaths::findExecutable(QStringLiteral("glib-compile-schemas")).isEmpty())
        GTEST_SKIP() << "glib-compile-schemas is not installed";
    ASSERT_EQ(QProcess::execute(QStringLiteral("glib-compile-schemas"), {folder.path()}), 0);
    QFile kde(folder.filePath(QStringLiteral("kglobalshortcutsrc")));
    ASSERT_TRUE(kde.open(QIODevice::WriteOnly));
    kde.write("[kwin]\nWindow Close=Alt+F4,Alt+F4,Close Window\n");
    kde.close();
    const DesktopShortcutConflicts conflicts(
        {{QStringLiteral("io.github.ruvo.test.keys"), QStringLiteral("not.installed")},
         folder.path(),
         kde.fileName()});

    const std::pair<QKeyCombination, std::optional<QString>> cases[] = {
        {QKeyCombination(Super, Qt::Key_Home), QStringLiteral("Switch to workspace 1")},
        {QKeyCombination(Ctrl | Alt, Qt::Key_1), QStringLiteral("Switch to workspace 1")},
        {QKeyCombination(Ctrl | Alt | Qt::KeypadModifier, Qt::Key_1),
         QStringLiteral("Switch to workspace 1")},
        {QKeyCombination(Qt::Key_Print), QStringLiteral("Take a screenshot")},
        {QKeyCombination(Super, Qt::Key_Return), QStringLiteral("Terminal")},
        {QKeyCombination(Alt, Qt::Key_F4), QStringLiteral("Close Window")},
        {QKeyCombination(Super | Shift, Qt::Key_Home), std::nullopt},
        {QKeyCombination(Ctrl | Alt, Qt::Key_J), std::nullopt},
    };
    for (const auto& [keys, action] : cases)
        EXPECT_EQ(conflicts.desktopActionUsing(keys), action) << keys.toCombined();
}

} // namespace
