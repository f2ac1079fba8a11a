// SPDX-License-Identifier: GPL-3.0-or-later
// The actions on a private session bus, called as another program would: through the
// command line's client and through raw messages with wrong arguments.
#include "TestSupport.h"
#include "app/ActionsAdaptor.h"
#include "app/DBusActions.h"
#include "automation/DesktopActions.h"
#include "automation/LocalActions.h"
#include "platform/linux/DBusApplication.h"
#include "platform/linux/PrivateBus.h"
#include "settings/Keys.h"

#include <QDBusMessage>
#include <QDBusVariant>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ruvo;
using namespace ruvo::automation;
namespace keys = settings::keys;
using app::ActionsAdaptor;
using app::DBusActions;
using platform::DBusApplication;

namespace {

class ActionsBusTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(bus.isRunning());
        program = bus.connect(QStringLiteral("program"));
        caller = bus.connect(QStringLiteral("caller"));
        new ActionsAdaptor(&application, actions);
        application.onAction =
            [this](const QString& name,
                   const QVariantList& parameter) -> std::optional<DBusApplication::ActionFailure> {
            if (auto error = desktopActions.activate(name, parameter.value(0).toString()))
                return DBusApplication::ActionFailure{error->name, error->message};
            return std::nullopt;
        };
        application.onActivate = [this] { ++activations; };
        ASSERT_TRUE(program.registerObject(DBusApplication::kObjectPath, &application,
                                           QDBusConnection::ExportAdaptors));
        ASSERT_TRUE(program.registerService(DBusApplication::kServiceName));
    }

    // A method call as written by hand, so its arguments can be of any type.
    QDBusMessage call(const QString& interface, const QString& method,
                      const QVariantList& arguments = {}) {
        QDBusMessage message = QDBusMessage::createMethodCall(
            DBusApplication::kServiceName, DBusApplication::kObjectPath, interface, method);
        message.setArguments(arguments);
        return caller.call(message, QDBus::BlockWithGui, 5000);
    }

    test::PrivateBus bus;
    QDBusConnection program{QString()};
    QDBusConnection caller{QString()};
    settings::Suite standard{QStringLiteral("standard")};
    settings::Suite shared{QStringLiteral("shared")};
    settings::Defaults defaults{standard, shared};
    kit::FixedClock clock{test::at("2026-12-08T12:00:00Z")};
    QTemporaryDir folder;
    LocalActions actions{
        defaults,
        clock,
        SoundFiles(folder.path()),
        {[] { return ActionResult<bool>(false); },
         [] {
             return kit::Environment{QStringLiteral("en_US"), QStringLiteral("Europe/Berlin")};
         }}};
    int toggles = 0;
    int activations = 0;
    QStringList openedPanes;
    DesktopActions desktopActions{
        actions, [this] { ++toggles; }, {}, [this](const QString& pane) { openedPanes << pane; }};
    DBusApplication application;
};

TEST_F(ActionsBusTest, TheClientFindsOnlyARunningProgram) {
    EXPECT_FALSE(DBusActions::ifRunning(caller, QStringLiteral("io.github.ruvo.Nobody")));
    EXPECT_TRUE(DBusActions::ifRunning(caller, DBusApplication::kServiceName));
}

TEST_F(ActionsBusTest, SwitchesAndZonesGoThroughTheBus) {
    DBusActions client(caller, DBusApplication::kServiceName);
    EXPECT_FALSE(client.setEnabled(Switch::hourlyChime, false, true));
    EXPECT_TRUE(defaults.get(keys::hourlyChime_isEnabled));
    EXPECT_FALSE(client.setEnabled(Switch::fullscreenNotifications, true, false));
    EXPECT_TRUE(*client.isEnabled(Switch::fullscreenNotifications));
    EXPECT_FALSE(client.setEnabled(Switch::fullscreenNotifications, true, false));
    EXPECT_FALSE(*client.isEnabled(Switch::fullscreenNotifications));

    ASSERT_TRUE(client.timeZones());
    EXPECT_TRUE(client.timeZones()->empty()); // an empty aa{sv} reads back as an empty list
    defaults.set(keys::timeZonesInMenu,
                 {settings::ChosenTimeZone::make(
                     QUuid(QStringLiteral("{0b6e4a52-1c1f-4d4a-8f0e-6a3c2d1e9f10}")),
                     *settings::ZuTimeZone::make(QStringLiteral("Asia/Kolkata")))});
    const auto zones = client.timeZones();
    ASSERT_TRUE(zones);
    ASSERT_EQ(zones->size(), 1u);
    EXPECT_EQ(zones->front(), *actions.timeZone(zones->front().id));
    EXPECT_EQ(zones->front().offset, 4 * 3600 + 1800);
    EXPECT_EQ(*client.timeZone(QStringLiteral("0b6e4a52-1c1f-4d4a-8f0e-6a3c2d1e9f10")),
              zones->front());
    EXPECT_FALSE(*client.joinVideoCall());
}

TEST_F(ActionsBusTest, FailuresArriveAsNamedErrorsWithTheirTexts) {
    DBusActions client(caller, DBusApplication::kServiceName);
    const auto zone = client.timeZone(QStringLiteral("no-such-entry"));
    ASSERT_FALSE(zone);
    EXPECT_EQ(zone.error().name, errors::kUnknownTimeZone);
    EXPECT_TRUE(zone.error().message.contains(QStringLiteral("no-such-entry")));
    const auto sound = client.soundFile(QStringLiteral("Glass"));
    ASSERT_FALSE(sound);
    EXPECT_EQ(sound.error().name, errors::kUnknownSound);
    const auto gong = client.soundFile(QStringLiteral("gong"));
    ASSERT_TRUE(gong) << gong.error().message.toStdString();
    EXPECT_TRUE(QFileInfo(*gong).isReadable());
}

TEST_F(ActionsBusTest, WrongArgumentsGetAnErrorAndTheProgramGoesOn) {
    const QString actions1 = ActionsAdaptor::kInterface;
    struct Case {
        const char* method;
        QVariantList arguments;
    };
    const Case cases[] = {
        // Qt's adaptor refuses these before they reach the program: one of each kind.
        {"GetTimeZone", {42}},
        {"SetHourlyChimeState", {true}},
        {"NoSuchAction", {}},
    };
    for (const Case& c : cases) {
        const QDBusMessage reply = call(actions1, QString::fromLatin1(c.method), c.arguments);
        EXPECT_EQ(reply.type(), QDBusMessage::ErrorMessage) << c.method;
        EXPECT_TRUE(reply.errorName().startsWith(QLatin1String("org.freedesktop.DBus.Error.")))
            << c.method << " " << reply.errorName().toStdString();
    }
    EXPECT_FALSE(defaults.get(keys::hourlyChime_isEnabled));
    const QDBusMessage still = call(actions1, QStringLiteral("GetHourlyChimeState"));
    ASSERT_EQ(still.type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(still.arguments(), QVariantList{false});
}

TEST_F(ActionsBusTest, TheApplicationInterfaceActivatesAndRunsDesktopActions) {
    const QString application = QStringLiteral("org.freedesktop.Application");
    EXPECT_EQ(call(application, QStringLiteral("Activate"), {QVariantMap{}}).type(),
              QDBusMessage::ReplyMessage);
    EXPECT_EQ(call(application, QStringLiteral("Open"),
                   {QStringList{QStringLiteral("file:///tmp/x.ics")}, QVariantMap{}})
                  .type(),
              QDBusMessage::ReplyMessage);
    EXPECT_EQ(activations, 2);

    struct Case {
        const char* action;
        QVariantList parameter;
        const char* error; // nullptr: it ran
    };
    const Case cases[] = {
        {"toggle-window", {}, nullptr},
        {"join-video-call", {}, "io.github.ruvo.Error.NoVideoCall"},
        {"new-event", {}, "io.github.ruvo.Error.ActionUnavailable"},
        {"settings", {}, nullptr},
        {"settings", {QVariant::fromValue(QDBusVariant(QStringLiteral("timezones")))}, nullptr},
        {"quit-everything", {}, "io.github.ruvo.Error.UnknownAction"}};
    for (const Case& c : cases) {
        const QDBusMessage reply =
            call(application, QStringLiteral("ActivateAction"),
                 {QString::fromLatin1(c.action), c.parameter, QVariantMap{}});
        EXPECT_EQ(reply.errorName(), QString::fromLatin1(c.error ? c.error : "")) << c.action;
    }
    EXPECT_EQ(toggles, 1);
    // The pane travels as the action's parameter; none opens the first pane.
    EXPECT_EQ(openedPanes, (QStringList{QString(), QStringLiteral("timezones")}));
}

} // namespace
