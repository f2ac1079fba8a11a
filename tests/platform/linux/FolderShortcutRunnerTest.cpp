// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/FolderShortcutRunner.h"

#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ruvo;
using platform::FolderShortcutRunner;

namespace {

class FolderShortcutRunnerTest : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& content, bool isExecutable = true) {
        const QString path = folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner;
        if (isExecutable)
            permissions |= QFile::ExeOwner;
        file.setPermissions(permissions);
        return path;
    }

    // A shortcut that copies its input next to itself, under `output`, once it has all of it.
    void writeCopier(const QString& name, const QString& output) {
        const QString target = folder.filePath(output);
        write(name, "#!/bin/sh\ncat > '" + target.toUtf8() + ".part' && mv '" + target.toUtf8() +
                        ".part' '" + target.toUtf8() + "'\n");
    }

    QByteArray readWhenThere(const QString& output) {
        const QString path = folder.filePath(output);
        test::processEventsUntil([&] { return QFile::exists(path); });
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(never written)");
    }

    QTemporaryDir folder;
};

TEST_F(FolderShortcutRunnerTest, ListsExecutableFilesByNameWithStableIds) {
    write(QStringLiteral("Start recording"), "#!/bin/sh\n");
    write(QStringLiteral("Mute chat"), "#!/bin/sh\n");
    write(QStringLiteral("notes.txt"), "plain text", false);
    write(QStringLiteral(".hidden"), "#!/bin/sh\n");
    QDir(folder.path()).mkdir(QStringLiteral("a folder"));
    FolderShortcutRunner runner(folder.path());
    const auto shortcuts = runner.shortcuts();
    ASSERT_EQ(shortcuts.size(), 2u);
    EXPECT_EQ(shortcuts[0].name, QStringLiteral("Mute chat"));
    EXPECT_EQ(shortcuts[1].name, QStringLiteral("Start recording"));
    EXPECT_EQ(shortcuts[1].id, FolderShortcutRunner::idForName(QStringLiteral("Start recording")));
    EXPECT_NE(shortcuts[0].id, shortcuts[1].id);
    EXPECT_TRUE(
        FolderShortcutRunner(folder.filePath(QStringLiteral("missing"))).shortcuts().empty());
}

TEST_F(FolderShortcutRunnerTest, RunsTheFileItselfWithTheInputOnStandardInput) {
    // A name a shell would read as two commands: it must run as the one file it names.
    const QString name = QStringLiteral("join; touch injected $(id)");
    writeCopier(name, QStringLiteral("input.json"));
    FolderShortcutRunner runner(folder.path());
    const QByteArray input = R"({"title":"Standup \"daily\"","url":"https://meet.example/x"})";
    EXPECT_EQ(runner.run(FolderShortcutRunner::idForName(name), input), std::nullopt);
    EXPECT_EQ(readWhenThere(QStringLiteral("input.json")), input);
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("injected"))));
    EXPECT_FALSE(QFile::exists(QDir::home().filePath(QStringLiteral("injected"))));
}

TEST_F(FolderShortcutRunnerTest, RefusesWithTheTextsOfEachFailure) {
    write(QStringLiteral("empty"), QByteArray());
    write(QStringLiteral("not executable"), "#!/bin/sh\n", false);
    write(QStringLiteral("broken"), "\x7f"
                                    "ELF not really");
    // Without a "#!" line only a shell would run it, and no shell is asked.
    write(QStringLiteral("no interpreter"), "touch ran-through-a-shell\n");
    FolderShortcutRunner runner(folder.path());
    const QUuid unknown = FolderShortcutRunner::idForName(QStringLiteral("gone"));
    struct Case {
        QUuid id;
        QString problem;
    };
    const Case cases[] = {
        {unknown,
         QStringLiteral("Could not find shortcut ") + unknown.toString(QUuid::WithoutBraces)},
        {FolderShortcutRunner::idForName(QStringLiteral("not executable")),
         QStringLiteral("Could not find shortcut ") +
             FolderShortcutRunner::idForName(QStringLiteral("not executable"))
                 .toString(QUuid::WithoutBraces)},
        {FolderShortcutRunner::idForName(QStringLiteral("empty")),
         QStringLiteral("Error: Empty Shortcut: The shortcut is empty.")},
        {FolderShortcutRunner::idForName(QStringLiteral("broken")),
         QStringLiteral("Error: Running was cancelled")},
        {FolderShortcutRunner::idForName(QStringLiteral("no interpreter")),
         QStringLiteral("Error: Running was cancelled")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(runner.run(c.id, "{}"), std::optional<QString>(c.problem))
            << c.problem.toStdString();
}

} // namespace
