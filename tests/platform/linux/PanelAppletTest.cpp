// SPDX-License-Identifier: GPL-3.0-or-later
// The applets' interface on a private bus: an "applet" connection of the test reads the text,
// follows the change signal, holds a WaitForChange call and clicks, as the panel applets do.
#include "platform/linux/PanelApplet.h"

#include "PrivateBus.h"
#include "TestSupport.h"
#include "kit/VirtualScheduler.h"
#include "platform/linux/SniStatusItem.h"

#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <gtest/gtest.h>

using namespace ruvo;

namespace {

const QString kService = QStringLiteral("io.github.ruvo.Ruvo");

// Draws a half-transparent red square, so the test sees the mask made of it.
struct SquarePainter final : platform::StatusIconPainter {
    mutable int drawn = 0;
    QImage paint(const platform::StatusItemContent&, bool, bool, double) const override {
        ++drawn;
        QImage image(8, 8, QImage::Format_ARGB32);
        image.fill(QColor(255, 0, 0, 128));
        return image;
    }
    QImage paintSquare(const platform::StatusItemContent&, int, bool) const override { return {}; }
};

struct Changes : QObject {
    Q_OBJECT
public:
    QStringList texts;
    std::vector<uint> serials;
    QStringList statuses;
public Q_SLOTS:
    void onNewStatus(const QString& status) { statuses << status; }
    void onTextChanged(const QString& text, const QString&, const QString&, uint serial) {
        texts << text;
        serials.push_back(serial);
    }
};

class PanelAppletTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(bus.isRunning());
        program = bus.connect(QStringLiteral("program"));
        ASSERT_TRUE(program.registerService(kService));
        ASSERT_TRUE(applet.registerOn(program));
        client = bus.connect(QStringLiteral("applet"));
    }

    QDBusPendingCall call(const QString& method, const QVariantList& arguments) {
        auto message = QDBusMessage::createMethodCall(kService, platform::PanelApplet::kObjectPath,
                                                      platform::PanelApplet::kInterface, method);
        message.setArguments(arguments);
        return client.asyncCall(message);
    }
    QDBusMessage callAndWait(const QString& method, const QVariantList& arguments = {}) {
        QDBusPendingCall pending = call(method, arguments);
        test::processEventsUntil([&] { return pending.isFinished(); });
        return pending.reply();
    }
    void show(const QString& title, std::optional<QColor> color = std::nullopt,
              std::optional<platform::StatusItemIcon> icon = std::nullopt) {
        platform::StatusItemContent content;
        content.title = title;
        content.icon = icon;
        content.imagePosition =
            icon ? platform::ImagePosition::imageLeft : platform::ImagePosition::noImage;
        content.toolTip = QStringLiteral("Friday, 4 December 2026");
        content.style.color = color;
        applet.setContent(content);
    }

    test::PrivateBus bus;
    QDBusConnection program{QString()};
    QDBusConnection client{QString()};
    SquarePainter painter;
    kit::VirtualScheduler scheduler{kit::Instant{}};
    platform::PanelApplet applet{scheduler, &painter};
};

} // namespace

TEST_F(PanelAppletTest, ContentAndSignalFollowEveryVisibleChangeOnly) {
    show(QStringLiteral("Fri 9:41"));
    const QDBusMessage first = callAndWait(QStringLiteral("Content"));
    ASSERT_EQ(first.type(), QDBusMessage::ReplyMessage) << first.errorMessage().toStdString();
    ASSERT_EQ(first.arguments().size(), 4);
    EXPECT_EQ(first.arguments()[0].toString(), QStringLiteral("Fri 9:41"));
    EXPECT_EQ(first.arguments()[1].toString(), QStringLiteral("Friday, 4 December 2026"));
    EXPECT_EQ(first.arguments()[2].toString(), QString());

    Changes changes;
    ASSERT_TRUE(client.connect(kService, platform::PanelApplet::kObjectPath,
                               platform::PanelApplet::kInterface, QStringLiteral("TextChanged"),
                               &changes, SLOT(onTextChanged(QString, QString, QString, uint))));
    struct Step {
        const char* what;
        std::function<void()> apply;
        const char* expectedText; // nullptr: no signal
    };
    const std::vector<Step> steps = {
        {"a tick that changes nothing", [&] { show(QStringLiteral("Fri 9:41")); }, nullptr},
        {"the next minute", [&] { show(QStringLiteral("Fri 9:42")); }, "Fri 9:42"},
        {"the user's colour", [&] { show(QStringLiteral("Fri 9:42"), QColor(200, 0, 0)); },
         "Fri 9:42"},
        {"hidden by the user", [&] { applet.setVisible(false); }, ""},
        {"a tick while hidden", [&] { show(QStringLiteral("Fri 9:43"), QColor(200, 0, 0)); },
         nullptr},
        {"shown again", [&] { applet.setVisible(true); }, "Fri 9:43"},
    };
    for (const Step& step : steps) {
        const qsizetype before = changes.texts.size();
        step.apply();
        // A marker round trip: any signal sent before it has arrived by then.
        callAndWait(QStringLiteral("Content"));
        ASSERT_EQ(changes.texts.size(), before + (step.expectedText ? 1 : 0)) << step.what;
        if (step.expectedText) {
            EXPECT_EQ(changes.texts.back(), QString::fromUtf8(step.expectedText)) << step.what;
        }
    }
    EXPECT_EQ(applet.state().textColor, QStringLiteral("#c80000"));
    for (size_t i = 1; i < changes.serials.size(); ++i)
        EXPECT_EQ(changes.serials[i], changes.serials[i - 1] + 1);
}

TEST_F(PanelAppletTest, WaitForChangeIsHeldUntilTheSerialMoves) {
    show(QStringLiteral("9:41"));
    const uint known = applet.state().serial;

    // A stale serial (an applet that missed a change, or just started with 0) is answered now.
    const QDBusMessage stale = callAndWait(QStringLiteral("WaitForChange"), {known - 1});
    ASSERT_EQ(stale.type(), QDBusMessage::ReplyMessage) << stale.errorMessage().toStdString();
    EXPECT_EQ(stale.arguments().value(3).toUInt(), known);

    QDBusPendingCall held = call(QStringLiteral("WaitForChange"), {known});
    callAndWait(QStringLiteral("Content")); // the held call has reached the program
    EXPECT_FALSE(held.isFinished());
    show(QStringLiteral("9:41")); // the same text: still held
    callAndWait(QStringLiteral("Content"));
    EXPECT_FALSE(held.isFinished());
    show(QStringLiteral("9:42"));
    ASSERT_TRUE(test::processEventsUntil([&] { return held.isFinished(); }));
    EXPECT_EQ(held.reply().arguments().value(0).toString(), QStringLiteral("9:42"));
    EXPECT_EQ(held.reply().arguments().value(3).toUInt(), known + 1);
}

// The icon has its own serial: drawn and sent only when it changes, not with every text.
TEST_F(PanelAppletTest, IconFollowsItsOwnChanges) {
    const platform::StatusItemIcon day4{QStringLiteral("dateWithBorder"), 4, {}, {}};
    const platform::StatusItemIcon day5{QStringLiteral("dateWithBorder"), 5, {}, {}};
    QDBusPendingCall held = call(QStringLiteral("WaitForIconChange"), {0u});
    callAndWait(QStringLiteral("Content"));
    EXPECT_FALSE(held.isFinished()) << "no icon yet";
    struct Step {
        const char* what;
        std::function<void()> apply;
        const char* name; // nullptr: no change
    };
    const std::vector<Step> steps = {
        {"chosen", [&] { show(QStringLiteral("9:41"), std::nullopt, day4); }, "dateWithBorder"},
        {"the next minute", [&] { show(QStringLiteral("9:42"), std::nullopt, day4); }, nullptr},
        {"the next day", [&] { show(QStringLiteral("0:00"), std::nullopt, day5); },
         "dateWithBorder"},
        {"hidden", [&] { applet.setVisible(false); }, ""},
        {"shown again", [&] { applet.setVisible(true); }, "dateWithBorder"},
        {"none chosen", [&] { show(QStringLiteral("0:01")); }, ""},
    };
    uint serial = 0;
    int drawn = 0;
    for (const Step& step : steps) {
        step.apply();
        const QDBusMessage reply = callAndWait(QStringLiteral("Icon"));
        ASSERT_EQ(reply.arguments().size(), 3) << step.what;
        const uint now = reply.arguments()[2].toUInt();
        EXPECT_EQ(now, step.name ? serial + 1 : serial) << step.what;
        serial = now;
        if (!step.name)
            continue;
        EXPECT_EQ(reply.arguments()[0].toString(), QString::fromUtf8(step.name)) << step.what;
        const QImage png = QImage::fromData(reply.arguments()[1].toByteArray(), "PNG");
        EXPECT_EQ(png.isNull(), *step.name == '\0') << step.what;
        if (!png.isNull()) {
            ++drawn;
            EXPECT_EQ(png.pixelColor(3, 3), QColor(255, 255, 255, 128)) << "a white mask";
        }
    }
    EXPECT_EQ(painter.drawn, drawn);
    ASSERT_TRUE(test::processEventsUntil([&] { return held.isFinished(); }));
    EXPECT_EQ(held.reply().arguments().value(0).toString(), QStringLiteral("dateWithBorder"));
}

TEST_F(PanelAppletTest, HeldCallsAreBounded) {
    show(QStringLiteral("9:41"));
    const uint known = applet.state().serial;
    std::vector<QDBusPendingCall> held;
    for (int i = 0; i < platform::PanelApplet::kMaxWaiting + 1; ++i)
        held.push_back(call(QStringLiteral("WaitForChange"), {known}));
    // The one past the limit makes room: the oldest is answered with the current content.
    ASSERT_TRUE(test::processEventsUntil([&] { return held.front().isFinished(); }));
    EXPECT_EQ(held.front().reply().arguments().value(3).toUInt(), known);
    for (size_t i = 1; i < held.size(); ++i)
        EXPECT_FALSE(held[i].isFinished()) << i;
    show(QStringLiteral("9:42"));
    ASSERT_TRUE(test::processEventsUntil([&] { return held.back().isFinished(); }));
}

TEST_F(PanelAppletTest, ActivateCarriesThePositionAndBadCallsAreRefused) {
    std::vector<platform::ActivationEvent> clicks;
    applet.onActivated([&](const platform::ActivationEvent& e) { clicks.push_back(e); });
    struct Row {
        const char* method;
        QVariantList arguments;
        bool isAccepted;
    };
    const Row rows[] = {
        {"Activate", {1830, 24}, true},
        {"Activate", {-1200, 0}, true}, // a panel on a screen left of the primary one
        {"Activate", {QStringLiteral("12"), 24}, false}, // refused by Qt's adaptor
    };
    for (const Row& row : rows) {
        const QDBusMessage reply = callAndWait(QString::fromLatin1(row.method), row.arguments);
        EXPECT_EQ(reply.type() == QDBusMessage::ReplyMessage, row.isAccepted)
            << row.method << " " << reply.errorMessage().toStdString();
    }
    ASSERT_EQ(clicks.size(), 2u);
    EXPECT_EQ(clicks[0].screenPosition, QPoint(1830, 24));
    EXPECT_EQ(clicks[1].screenPosition, QPoint(-1200, 0));
    EXPECT_EQ(clicks[0].kind, platform::Activation::primary);
}

// The tray's item is Passive while an applet client stays on the bus, Active once none has
// been there for the grace period; a client that leaves right after one call does not count.
TEST_F(PanelAppletTest, TrayItemStandsBackWhileAnAppletClientStays) {
    using platform::PanelAppletClients;
    using namespace std::chrono_literals;
    platform::SniStatusItem tray({QStringLiteral("ruvo-clock"), bus.address(), false}, painter);
    tray.setVisible(true);
    QObject::connect(&applet.clients(), &PanelAppletClients::shownChanged, &applet,
                     [&](bool isShown) { tray.setPassive(isShown); });
    QDBusConnection host = bus.connect(QStringLiteral("host"));
    auto status = [&] {
        auto get = QDBusMessage::createMethodCall(
            tray.serviceName(), QStringLiteral("/StatusNotifierItem"),
            QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
        get << QStringLiteral("org.kde.StatusNotifierItem") << QStringLiteral("Status");
        QDBusPendingCall pending = host.asyncCall(get);
        test::processEventsUntil([&] { return pending.isFinished(); });
        return pending.reply().arguments().value(0).value<QDBusVariant>().variant().toString();
    };
    Changes changes;
    ASSERT_TRUE(host.connect(tray.serviceName(), QStringLiteral("/StatusNotifierItem"),
                             QStringLiteral("org.kde.StatusNotifierItem"),
                             QStringLiteral("NewStatus"), &changes, SLOT(onNewStatus(QString))));
    // Each applet call from a connection of its own, as the Plasma applet's dbus-send makes.
    int applets = 0;
    auto appear = [&] {
        QDBusConnection c = bus.connect(QStringLiteral("applet-%1").arg(++applets));
        c.asyncCall(QDBusMessage::createMethodCall(kService, platform::PanelApplet::kObjectPath,
                                                   platform::PanelApplet::kInterface,
                                                   QStringLiteral("Content")));
        test::processEventsUntil([&] { return applet.clients().isChecking(); });
        return applets;
    };
    auto vanish = [&](int n) {
        QDBusConnection::disconnectFromBus(QStringLiteral("applet-%1").arg(n));
    };
    struct Step {
        const char* what;
        std::function<void()> apply;
        kit::Milliseconds advance;
        std::size_t clients;
        const char* status;
    };
    int xfce = 0, plasma = 0;
    const std::vector<Step> steps = {
        {"no applet yet", [] {}, 0ms, 0, "Active"},
        {"the Xfce plugin reads the text", [&] { xfce = appear(); },
         PanelAppletClients::kSettle - 1ms, 1, "Active"},
        {"it stayed", [] {}, 1ms, 1, "Passive"},
        {"a Plasma applet's dbus-send", [&] { plasma = appear(); }, 0ms, 2, "Passive"},
        {"the Xfce panel quits", [&] { vanish(xfce); }, PanelAppletClients::kGrace, 1, "Passive"},
        {"the held call's dbus-send exits", [&] { vanish(plasma); },
         PanelAppletClients::kGrace - 1ms, 0, "Passive"},
        {"the next dbus-send comes within the gap", [&] { plasma = appear(); },
         2 * PanelAppletClients::kGrace, 1, "Passive"},
        {"the user hides the item", [&] { tray.setVisible(false); }, 0ms, 1, "Passive"},
        {"and shows it again", [&] { tray.setVisible(true); }, 0ms, 1, "Passive"},
        {"the applet is removed", [&] { vanish(plasma); }, PanelAppletClients::kGrace, 0, "Active"},
        {"a one-off call", [&] { vanish(appear()); },
         PanelAppletClients::kSettle + PanelAppletClients::kGrace, 0, "Active"},
    };
    for (const Step& step : steps) {
        step.apply();
        ASSERT_TRUE(test::processEventsUntil([&] {
            return !applet.clients().isChecking() && applet.clients().count() == step.clients;
        })) << step.what;
        scheduler.advance(step.advance);
        const QString now = status();
        EXPECT_EQ(now, QString::fromLatin1(step.status)) << step.what;
        EXPECT_EQ(applet.isShownByHost(), now == QLatin1String("Passive")) << step.what;
    }
    // Sent before the last reply, so here by now: one change each way, no blinking between.
    EXPECT_EQ(changes.statuses, QStringList({QStringLiteral("Passive"), QStringLiteral("Active")}));
}

#include "PanelAppletTest.moc"
