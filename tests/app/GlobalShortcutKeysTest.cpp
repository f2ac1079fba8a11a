// SPDX-License-Identifier: GPL-3.0-or-later
// The global shortcuts bound through a fake desktop portal on a private session bus.
#include "app/GlobalShortcutKeys.h"

#include "TestSupport.h"
#include "platform/linux/PortalTrigger.h"
#include "platform/linux/PrivateBus.h"
#include "settings/Keys.h"

#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <gtest/gtest.h>

using namespace ruvo;
namespace keys = settings::keys;
using platform::PortalGlobalShortcuts;
using platform::PortalShortcutList;
using settings::ShortcutSetting;

namespace {

// The portal's GlobalShortcuts interface as the desktop would offer it, answering every
// request at once with success.
class FakePortal final : public QDBusVirtualObject {
public:
    FakePortal(QDBusConnection bus, bool hasInterface) : m_bus(bus), m_hasInterface(hasInterface) {
        m_bus.registerVirtualObject(PortalGlobalShortcuts::kPath, this, QDBusConnection::SubPath);
        m_bus.registerService(PortalGlobalShortcuts::kService);
    }

    QString introspect(const QString&) const override { return QString(); }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection&) override {
        const QString member = message.member();
        const QVariantList args = message.arguments();
        if (member == QLatin1String("Get")) {
            m_bus.send(m_hasInterface ? message.createReply(QVariant::fromValue(QDBusVariant(1u)))
                                      : message.createErrorReply(QDBusError::UnknownInterface, {}));
        } else if (member == QLatin1String("CreateSession")) {
            const QVariantMap options = qdbus_cast<QVariantMap>(args.value(0));
            const QString session = under(message, QStringLiteral("session"),
                                          options.value(QStringLiteral("session_handle_token")));
            sessions << session;
            answer(message, {{QStringLiteral("session_handle"), session}});
        } else if (member == QLatin1String("BindShortcuts")) {
            bound << Bound{args.value(0).value<QDBusObjectPath>().path(),
                           qdbus_cast<PortalShortcutList>(args.value(1))};
            answer(message, {});
        } else if (member == QLatin1String("Close")) {
            closed << message.path();
            m_bus.send(message.createReply());
        } else {
            return false;
        }
        return true;
    }

    void activate(const QString& session, const QString& id) {
        QDBusMessage signal = QDBusMessage::createSignal(PortalGlobalShortcuts::kPath,
                                                         PortalGlobalShortcuts::kInterface,
                                                         QStringLiteral("Activated"));
        signal << QVariant::fromValue(QDBusObjectPath(session)) << id << qulonglong(0)
               << QVariantMap{};
        m_bus.send(signal);
    }

    struct Bound {
        QString session;
        PortalShortcutList shortcuts;
    };
    QStringList sessions;
    QList<Bound> bound;
    QStringList closed;

private:
    static QString under(const QDBusMessage& message, const QString& kind, const QVariant& token) {
        QString sender = message.service().mid(1).replace(QLatin1Char('.'), QLatin1Char('_'));
        return PortalGlobalShortcuts::kPath + QLatin1Char('/') + kind + QLatin1Char('/') + sender +
               QLatin1Char('/') + token.toString();
    }

    // The request's handle as the reply, then its Response signal.
    void answer(const QDBusMessage& message, const QVariantMap& results) {
        const QVariantList args = message.arguments();
        const QVariantMap options = qdbus_cast<QVariantMap>(args.last());
        const QString request = under(message, QStringLiteral("request"),
                                      options.value(QStringLiteral("handle_token")));
        m_bus.send(message.createReply(QVariant::fromValue(QDBusObjectPath(request))));
        QDBusMessage response = QDBusMessage::createSignal(
            request, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"));
        response << 0u << results;
        m_bus.send(response);
    }

    QDBusConnection m_bus;
    bool m_hasInterface;
};

TEST(PortalTriggerTest, writesStoredShortcutsInThePortalsSyntax) {
    constexpr int Command = 256, Shift = 512, Option = 2048, Control = 4096;
    const std::tuple<int, int, std::optional<QString>> cases[] = {
        {0x26, Control | Option, QStringLiteral("CTRL+ALT+j")},
        {0x7B, Command, QStringLiteral("LOGO+Left")},
        {0x7A, 0, QStringLiteral("F1")},
        {0x12, Shift | Control, QStringLiteral("CTRL+SHIFT+1")},
        {0x2B, Command | Shift, QStringLiteral("SHIFT+LOGO+comma")},
        {0x74, Option, QStringLiteral("ALT+Prior")},
        {0x00, 0, std::nullopt},     // a plain letter is never global
        {0x00, Shift, std::nullopt}, // nor a shifted one
        {0x99, Command, std::nullopt},
    };
    for (const auto& [code, modifiers, expected] : cases)
        EXPECT_EQ(platform::portalTrigger(code, modifiers), expected) << code << " " << modifiers;
}

TEST(PortalGlobalShortcutsTest, isAvailableOnlyWhereThePortalOffersTheInterface) {
    const std::pair<std::optional<bool>, bool> cases[] = {
        {true, true},          // the portal with GlobalShortcuts
        {false, false},        // a portal without it
        {std::nullopt, false}, // no portal at all
    };
    for (const auto& [portal, isAvailable] : cases) {
        test::PrivateBus bus;
        ASSERT_TRUE(bus.isRunning());
        std::optional<FakePortal> fake;
        if (portal)
            fake.emplace(bus.connect(QStringLiteral("portal")), *portal);
        PortalGlobalShortcuts shortcuts(bus.connect(QStringLiteral("program")));
        std::optional<bool> answer;
        shortcuts.onAvailability = [&](bool available) { answer = available; };
        ASSERT_TRUE(test::processEventsUntil([&] { return answer.has_value(); }));
        EXPECT_EQ(*answer, isAvailable);
    }
}

class GlobalShortcutKeysTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(bus.isRunning());
        registry.onKeyDown(QStringLiteral("joinMeeting"), [this] { ++joins; });
        registry.onKeyDown(QStringLiteral("toggleRuvo"), [this] { ++toggles; });
    }

    test::PrivateBus bus;
    FakePortal portal{bus.connect(QStringLiteral("portal")), true};
    settings::Suite standard{QStringLiteral("standard")};
    settings::Suite shared{QStringLiteral("shared")};
    settings::Defaults defaults{standard, shared};
    platform::ShortcutRegistry registry;
    int joins = 0;
    int toggles = 0;
};

TEST_F(GlobalShortcutKeysTest, bindsTheStoredShortcutsAndRunsTheActivatedOne) {
    defaults.set(keys::shortcut_joinMeeting, ShortcutSetting::of({0x26, 4096 | 2048}));
    defaults.set(keys::shortcut_toggleRuvo, ShortcutSetting::of({0x7A, 0}));
    app::GlobalShortcutKeys keys(defaults, registry,
                                 {false, QString(), bus.connect(QStringLiteral("program"))});
    ASSERT_TRUE(test::processEventsUntil([&] { return portal.bound.size() == 1; }));
    EXPECT_TRUE(keys.isUsingPortal());
    const auto& first = portal.bound[0];
    EXPECT_EQ(first.session, portal.sessions.value(0));
    ASSERT_EQ(first.shortcuts.size(), 2);
    EXPECT_EQ(first.shortcuts[0].id, QStringLiteral("toggleRuvo"));
    EXPECT_EQ(first.shortcuts[0].properties.value(QStringLiteral("preferred_trigger")),
              QStringLiteral("F1"));
    EXPECT_EQ(first.shortcuts[0].properties.value(QStringLiteral("description")),
              QStringLiteral("Toggle Ruvo window"));
    EXPECT_EQ(first.shortcuts[1].id, QStringLiteral("joinMeeting"));
    EXPECT_EQ(first.shortcuts[1].properties.value(QStringLiteral("preferred_trigger")),
              QStringLiteral("CTRL+ALT+j"));

    // Signals arrive in order: once the second has run, the first was seen and ignored.
    portal.activate(QStringLiteral("/org/freedesktop/portal/desktop/session/x/other"),
                    QStringLiteral("toggleRuvo"));
    portal.activate(first.session, QStringLiteral("joinMeeting"));
    ASSERT_TRUE(test::processEventsUntil([&] { return joins == 1; }));
    EXPECT_EQ(toggles, 0);

    // A removed shortcut: the old session goes, the rest is bound in a new one.
    defaults.set(keys::shortcut_joinMeeting, ShortcutSetting::removed());
    ASSERT_TRUE(test::processEventsUntil([&] { return portal.bound.size() == 2; }));
    EXPECT_EQ(portal.closed, QStringList{first.session});
    ASSERT_EQ(portal.bound[1].shortcuts.size(), 1);
    EXPECT_EQ(portal.bound[1].shortcuts[0].id, QStringLiteral("toggleRuvo"));
    portal.activate(first.session, QStringLiteral("toggleRuvo"));
    portal.activate(portal.bound[1].session, QStringLiteral("joinMeeting"));
    ASSERT_TRUE(test::processEventsUntil([&] { return joins == 2; }));
    EXPECT_EQ(toggles, 0);
}

} // namespace
