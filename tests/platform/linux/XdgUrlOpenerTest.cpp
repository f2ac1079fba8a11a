// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/XdgUrlOpener.h"

#include "TestSupport.h"
#include "platform/linux/DesktopNotificationSettings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ruvo;

namespace {

void writeFile(const QString& path, const QByteArray& content, bool executable = false) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    if (executable)
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
}

} // namespace

// The desktop's handler registry: a .desktop file claiming a scheme in the test's own data
// folder, made the default in its own mimeapps.list.
TEST(XdgUrlOpener, AnswersFromTheDesktopHandlerRegistry) {
    const QString data = qEnvironmentVariable("XDG_DATA_HOME");
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    ASSERT_FALSE(data.isEmpty());
    writeFile(data + QStringLiteral("/applications/ruvo-test-meetings.desktop"),
              "[Desktop Entry]\nType=Application\nName=Test meetings\nExec=true %u\n"
              "MimeType=x-scheme-handler/zoommtg;\n");
    writeFile(config + QStringLiteral("/mimeapps.list"),
              "[Default Applications]\nx-scheme-handler/zoommtg=ruvo-test-meetings.desktop\n");
    const platform::XdgUrlOpener opener;
    EXPECT_TRUE(opener.hasApplicationFor(QStringLiteral("zoommtg")));
    EXPECT_FALSE(opener.hasApplicationFor(QStringLiteral("ruvo-no-such-scheme")));
}

TEST(XdgUrlOpener, HandsOnlyAllowedSchemesToTheOpenerAsOneArgument) {
    QTemporaryDir dir;
    const QString record = dir.filePath(QStringLiteral("opened"));
    const QString program = dir.filePath(QStringLiteral("fake-xdg-open"));
    writeFile(
        program,
        QStringLiteral("#!/bin/sh\nprintf '%s|%s' \"$#\" \"$1\" > '%1.tmp' && mv '%1.tmp' '%1'\n")
            .arg(record)
            .toUtf8(),
        true);
    platform::XdgUrlOpener opener(program);
    for (const char* refused : {"file:///etc/passwd", "javascript:alert(1)", "ftp://example.com/x",
                                "mailto:a@example.com"})
        EXPECT_FALSE(opener.open(QUrl(QString::fromLatin1(refused)))) << refused;
    const QUrl link(QStringLiteral("https://zoom.us/j/123?pwd=a b;$(reboot)"));
    ASSERT_TRUE(opener.open(link));
    ASSERT_TRUE(test::processEventsUntil([&] { return QFile::exists(record); }));
    QFile file(record);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()),
              QStringLiteral("1|") + link.toString(QUrl::FullyEncoded));
}

TEST(DesktopNotificationSettings, CommandForEachDesktop) {
    const QStringList gnome{QStringLiteral("gnome-control-center"),
                            QStringLiteral("notifications")};
    const QStringList plasma{QStringLiteral("systemsettings"), QStringLiteral("kcm_notifications")};
    const QStringList plasma5{QStringLiteral("systemsettings5"),
                              QStringLiteral("kcm_notifications")};
    const QStringList everything{QStringLiteral("gnome-control-center"),
                                 QStringLiteral("systemsettings"),
                                 QStringLiteral("systemsettings5")};
    const struct {
        const char* desktops;
        QStringList installed;
        std::optional<QStringList> command;
    } rows[] = {
        {"GNOME", everything, gnome},
        {"ubuntu:GNOME", everything, gnome},
        {"KDE", everything, plasma},
        {"KDE", {QStringLiteral("systemsettings5")}, plasma5},
        {"kde", everything, plasma},
        {"GNOME", {QStringLiteral("systemsettings")}, std::nullopt}, // not installed
        {"XFCE", everything, std::nullopt},
        {"", everything, std::nullopt},
        {"::", everything, std::nullopt},
    };
    for (const auto& row : rows)
        EXPECT_EQ(platform::notificationSettingsCommand(
                      QString::fromUtf8(row.desktops),
                      [&](const QString& program) { return row.installed.contains(program); }),
                  row.command)
            << row.desktops;
}
