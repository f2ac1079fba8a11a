// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/FolderShortcutRunner.h"

#include "platform/linux/PlatformLog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryFile>

namespace ruvo::platform {

namespace {

// The namespace of the name-derived identifiers; any fixed value would do, this one is ours.
const QUuid kShortcutNamespace(QStringLiteral("{6c1f4d2a-52e8-4b0e-9a57-3e0f8b9d2c41}"));

std::optional<QFileInfo> fileOf(const QString& folder, const QUuid& id) {
    const QFileInfoList files =
        QDir(folder).entryInfoList(QDir::Files | QDir::Executable, QDir::Name);
    for (const QFileInfo& file : files)
        if (FolderShortcutRunner::idForName(file.fileName()) == id)
            return file;
    return std::nullopt;
}

} // namespace

QString FolderShortcutRunner::folderIn(const QString& configDirectory) {
    return configDirectory + QStringLiteral("/shortcuts");
}

QUuid FolderShortcutRunner::idForName(const QString& name) {
    return QUuid::createUuidV5(kShortcutNamespace, name);
}

std::vector<UserShortcut> FolderShortcutRunner::shortcuts() const {
    std::vector<UserShortcut> list;
    const QFileInfoList files =
        QDir(m_folder).entryInfoList(QDir::Files | QDir::Executable, QDir::Name);
    for (const QFileInfo& file : files)
        list.push_back(UserShortcut{file.fileName(), idForName(file.fileName())});
    return list;
}

std::optional<QString> FolderShortcutRunner::run(const QUuid& shortcut,
                                                 const QByteArray& inputJson) const {
    const auto file = fileOf(m_folder, shortcut);
    if (!file)
        return QCoreApplication::translate("FolderShortcutRunner", "Could not find shortcut ") +
               shortcut.toString(QUuid::WithoutBraces);
    if (file->size() == 0)
        return QCoreApplication::translate("FolderShortcutRunner", "Error: Empty Shortcut") +
               QStringLiteral(": ") +
               QCoreApplication::translate("FolderShortcutRunner", "The shortcut is empty.");
    // The input goes through a file the child opens before it starts; the file may go away
    // as soon as the start returns.
    QTemporaryFile input(QDir::tempPath() + QStringLiteral("/ruvo-shortcut-XXXXXX.json"));
    if (!input.open() || input.write(inputJson) != inputJson.size() || !input.flush())
        return QCoreApplication::translate("FolderShortcutRunner", "Error: Running was cancelled");
    QProcess process;
    process.setProgram(file->absoluteFilePath());
    process.setStandardInputFile(input.fileName());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setWorkingDirectory(QDir::homePath());
    if (!process.startDetached())
        return QCoreApplication::translate("FolderShortcutRunner", "Error: Running was cancelled");
    return std::nullopt;
}

void FolderShortcutRunner::runInBackground(const QUuid& shortcut, const QByteArray& inputJson) {
    if (auto problem = run(shortcut, inputJson))
        qCWarning(lcPlatform).noquote() << "runShortcutInBackground - ERROR:" << *problem;
}

} // namespace ruvo::platform
