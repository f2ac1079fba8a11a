// SPDX-License-Identifier: GPL-3.0-or-later
// The program itself on a private session bus: the command line's actions go to it while it
// runs and to the settings when it does not, and a second start hands over to it.
#include "TestSupport.h"
#include "platform/linux/DBusApplication.h"
#include "platform/linux/PrivateBus.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ruvo;
using platform::DBusApplication;

namespace {

class ProgramActionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(bus.isRunning());
        caller = bus.connect(QStringLiteral("caller"));
        environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus.address());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        for (const char* name : {"XDG_CONFIG_HOME", "XDG_STATE_HOME", "XDG_CACHE_HOME",
                                 "XDG_DATA_HOME", "XDG_RUNTIME_DIR"}) {
            const QString folder = home.filePath(QString::fromLatin1(name).toLower());
            QDir().mkpath(folder);
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            environment.insert(QString::fromLatin1(name), folder);
        }
        environment.insert(QStringLiteral("HOME"), home.path());
    }

    void TearDown() override {
        if (program.state() != QProcess::NotRunning) {
            program.terminate();
            EXPECT_TRUE(program.waitForFinished(10000));
            EXPECT_EQ(program.exitCode(), 0);
        }
    }

    bool isOwned() {
        return caller.interface()->isServiceRegistered(DBusApplication::kServiceName).value();
    }

    void startProgram() {
        program.setProcessEnvironment(environment);
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start(QStringLiteral(RUVO_PROGRAM), {});
        ASSERT_TRUE(program.waitForStarted(10000));
        ASSERT_TRUE(test::processEventsUntil([this] { return isOwned(); }, 30000));
    }

    struct Outcome {
        int status;
        QString output;
    };
    // The command line's words, split at spaces.
    Outcome ruvo(const char* line) {
        return ruvo(QString::fromUtf8(line).split(u' ', Qt::SkipEmptyParts));
    }
    Outcome ruvo(const QStringList& arguments) {
        QProcess command;
        command.setProcessEnvironment(environment);
        command.start(QStringLiteral(RUVO_PROGRAM), arguments);
        EXPECT_TRUE(command.waitForFinished(30000)) << arguments.join(u' ').toStdString();
        return {command.exitCode(), QString::fromUtf8(command.readAllStandardOutput())};
    }

    QString settingsText() {
        QFile file(home.filePath(QStringLiteral("xdg_config_home/ruvo/settings.plist")));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    QDBusMessage activateAction(const QString& name) {
        QDBusMessage call = QDBusMessage::createMethodCall(
            DBusApplication::kServiceName, DBusApplication::kObjectPath,
            QStringLiteral("org.freedesktop.Application"), QStringLiteral("ActivateAction"));
        call << name << QVariantList{} << QVariantMap{};
        return caller.call(call, QDBus::BlockWithGui, 10000);
    }

    test::PrivateBus bus;
    QDBusConnection caller{QString()};
    QTemporaryDir home;
    QProcessEnvironment environment;
    QProcess program;
};

TEST_F(ProgramActionsTest, TheCommandLineActsThroughTheRunningProgramOrOnTheSettings) {
    // Nothing runs: the command writes the settings itself, and starts nothing.
    EXPECT_EQ(ruvo("action set-hourly-chime toggle").status, 0);
    EXPECT_FALSE(isOwned());
    EXPECT_TRUE(settingsText().contains(QLatin1String("hourlyChime_isEnabled")));
    EXPECT_EQ(ruvo("action get-hourly-chime").output, QStringLiteral("on\n"));

    startProgram();
    const QString owner = caller.interface()->serviceOwner(DBusApplication::kServiceName);
    EXPECT_EQ(ruvo("action set-fullscreen on").status, 0);
    EXPECT_EQ(ruvo("action get-fullscreen --json").output, QStringLiteral("true\n"));
    EXPECT_EQ(ruvo("action get-hourly-chime").output, QStringLiteral("on\n"));
    EXPECT_EQ(ruvo("action join-video-call").status, 1);
    EXPECT_EQ(ruvo("action get-sound Glass").status, 2);

    // A second start hands over to the running program and leaves it the name.
    EXPECT_EQ(ruvo("").status, 0);
    EXPECT_EQ(caller.interface()->serviceOwner(DBusApplication::kServiceName).value(), owner);

    EXPECT_EQ(activateAction(QStringLiteral("toggle-window")).type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(activateAction(QStringLiteral("new-event")).type(), QDBusMessage::ReplyMessage);
    // `ruvo settings PANE` opens the running program's window and starts no second one.
    EXPECT_EQ(ruvo("settings timezones").status, 0);
    EXPECT_EQ(activateAction(QStringLiteral("settings")).type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(caller.interface()->serviceOwner(DBusApplication::kServiceName).value(), owner);
    EXPECT_EQ(program.state(), QProcess::Running);
}

TEST_F(ProgramActionsTest, ACalendarFileHandedOverIsImportedByTheRunningProgram) {
    startProgram();
    const QString ics = home.filePath(QStringLiteral("invite.ics"));
    QFile file(ics);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//EN\r\nBEGIN:VEVENT\r\n"
               "UID:handed-over-1\r\nDTSTAMP:20261201T000000Z\r\nDTSTART:20261210T150000Z\r\n"
               "DTEND:20261210T160000Z\r\nSUMMARY:Handed-over planning\r\nEND:VEVENT\r\n"
               "END:VCALENDAR\r\n");
    file.close();
    EXPECT_EQ(ruvo({ics, QStringLiteral("mailto:nobody@example.org")}).status, 0);
    const char* range = "events --from 2026-12-10T00:00:00Z --to 2026-12-11T00:00:00Z";
    EXPECT_TRUE(test::processEventsUntil(
        [&] { return ruvo(range).output.contains(QLatin1String("Handed-over planning")); }, 30000));
    EXPECT_EQ(program.state(), QProcess::Running);
}

} // namespace
