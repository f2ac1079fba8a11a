// SPDX-License-Identifier: GPL-3.0-or-later
// Stored shortcuts translated for X11, and keys grabbed on an X server the test starts, pressed
// with xdotool.
#include "platform/linux/X11KeyGrabber.h"

#include "TestSupport.h"

#include <QProcess>
#include <gtest/gtest.h>

using namespace ruvo;
using platform::X11Key;

namespace {

constexpr int kCommand = 256, kShift = 512, kOption = 2048, kControl = 4096;

TEST(X11KeysTest, StoredShortcutsBecomeKeysymsAndMasks) {
    struct Case {
        int code;
        int modifiers;
        std::optional<X11Key> expected;
    };
    const Case cases[] = {
        {0x26, kControl | kOption, X11Key{'j', 4 | 8}},                    // Control-Option-J
        {0x00, kCommand | kShift, X11Key{'a', 64 | 1}},                    // Command-Shift-A
        {0x31, kControl, X11Key{' ', 4}},                                  // Control-Space
        {0x7E, kCommand | kOption | kControl, X11Key{0xff52, 64 | 8 | 4}}, // arrow up
        {0x7A, 0, X11Key{0xffbe, 0}},                                      // F1 alone
        {0x5A, kShift, X11Key{0xffd1, 1}},                                 // Shift-F20
        {0x26, 0, std::nullopt},                                           // J alone
        {0x26, kShift, std::nullopt},                                      // Shift-J types a letter
        {0x0A, kControl, std::nullopt},                                    // no key on a US layout
        {-1, kControl, std::nullopt},
        {0x26, kControl | (1 << 10), X11Key{'j', 4}}, // CapsLock bit in the stored mask
    };
    for (const Case& c : cases)
        EXPECT_EQ(platform::x11Key(c.code, c.modifiers), c.expected)
            << "code " << c.code << " modifiers " << c.modifiers;
}

// An X server of the test's own, on a display it picks.
class Xvfb {
public:
    Xvfb() {
        m_server.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"),
                                                QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                                                QStringLiteral("-screen"), QStringLiteral("0"),
                                                QStringLiteral("320x240x24")});
        if (m_server.waitForStarted(5000) && m_server.waitForReadyRead(10000))
            m_display = QLatin1Char(':') + QString::fromLatin1(m_server.readLine()).trimmed();
    }
    ~Xvfb() {
        m_server.terminate();
        m_server.waitForFinished(5000);
    }
    const QString& display() const { return m_display; }

    bool run(const QString& program, const QStringList& arguments) const {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), m_display);
        process.setProcessEnvironment(environment);
        process.start(program, arguments);
        return process.waitForFinished(10000) && process.exitCode() == 0;
    }

    bool press(const QStringList& keys) const {
        return run(QStringLiteral("xdotool"), QStringList{QStringLiteral("key")} + keys);
    }

private:
    QProcess m_server;
    QString m_display;
};

TEST(X11KeyGrabberTest, AGrabbedKeyReportsItsNameWithOrWithoutCapsLockAndNumLock) {
    Xvfb server;
    ASSERT_FALSE(server.display().isEmpty());
    platform::X11KeyGrabber grabber(server.display());
    ASSERT_TRUE(grabber.isConnected());
    QStringList pressed;
    grabber.onPressed = [&pressed](const QString& name) { pressed << name; };
    ASSERT_TRUE(
        grabber.grab({{QStringLiteral("joinMeeting"), *platform::x11Key(0x26, kControl | kOption)},
                      {QStringLiteral("toggleRuvo"), *platform::x11Key(0x7A, 0)}}));

    struct Case {
        QStringList keys;
        QStringList expected;
    };
    const Case cases[] = {
        {{QStringLiteral("ctrl+alt+j")}, {QStringLiteral("joinMeeting")}},
        {{QStringLiteral("F1")}, {QStringLiteral("toggleRuvo")}},
        // Not grabbed: other modifiers, or the letter alone.
        {{QStringLiteral("ctrl+j"), QStringLiteral("ctrl+shift+alt+j"), QStringLiteral("j")}, {}},
        // CapsLock and NumLock on: X adds them to the state, the grab still holds.
        {{QStringLiteral("Caps_Lock"), QStringLiteral("ctrl+alt+j"), QStringLiteral("Caps_Lock")},
         {QStringLiteral("joinMeeting")}},
        {{QStringLiteral("Num_Lock"), QStringLiteral("ctrl+alt+j"), QStringLiteral("F1"),
          QStringLiteral("Num_Lock")},
         {QStringLiteral("joinMeeting"), QStringLiteral("toggleRuvo")}},
    };
    for (const Case& c : cases) {
        pressed.clear();
        ASSERT_TRUE(server.press(c.keys));
        // A sentinel key pressed last: once it arrives, every earlier press has been seen.
        ASSERT_TRUE(server.press({QStringLiteral("F1")}));
        ASSERT_TRUE(test::processEventsUntil([&] {
            return pressed.endsWith(QStringLiteral("toggleRuvo")) &&
                   pressed.size() >= c.expected.size() + 1;
        }));
        pressed.removeLast();
        EXPECT_EQ(pressed, c.expected) << c.keys.join(u' ').toStdString();
    }

    // Another layout puts J on another key: the grab follows it.
    ASSERT_TRUE(server.run(QStringLiteral("xmodmap"),
                           {QStringLiteral("-e"), QStringLiteral("keycode 44 = k K"),
                            QStringLiteral("-e"), QStringLiteral("keycode 45 = j J")}));
    pressed.clear();
    ASSERT_TRUE(test::processEventsUntil([&] {
        // The new mapping reaches the grabber as an event; press until it has re-grabbed.
        server.press({QStringLiteral("ctrl+alt+j")});
        return !pressed.isEmpty();
    }));
    EXPECT_EQ(pressed.first(), QStringLiteral("joinMeeting"));

    // Grabbing again replaces the earlier grabs.
    ASSERT_TRUE(grabber.grab({{QStringLiteral("toggleRuvo"), *platform::x11Key(0x7A, 0)}}));
    pressed.clear();
    ASSERT_TRUE(server.press({QStringLiteral("ctrl+alt+j"), QStringLiteral("F1")}));
    ASSERT_TRUE(test::processEventsUntil([&] { return !pressed.isEmpty(); }));
    EXPECT_EQ(pressed, QStringList{QStringLiteral("toggleRuvo")});
}

TEST(X11KeyGrabberTest, NoServerMeansNoGrabs) {
    platform::X11KeyGrabber grabber(QStringLiteral(":9999"));
    EXPECT_FALSE(grabber.isConnected());
    EXPECT_FALSE(grabber.grab({{QStringLiteral("toggleRuvo"), X11Key{0xffbe, 0}}}));
}

} // namespace
