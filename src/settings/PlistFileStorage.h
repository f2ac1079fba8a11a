// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps a suite in an XML property-list file.
//
// Writes are atomic (a new file is written, synced and renamed over the old one), so a
// reader never sees half a file. A read-modify-write holds an exclusive lock on a lock file
// next to it, so two processes writing different keys at the same time both keep their key.
// A file that does not parse is moved aside ("<file>.corrupt-<time>") with a log line and
// never overwritten. Changes by other processes are seen through a watcher on the folder
// (an atomic rename replaces the file, after which a watch on the file alone goes quiet).
#pragma once

#include "settings/SuiteStorage.h"

#include <QFileSystemWatcher>
#include <QString>
#include <memory>

namespace ruvo::settings {

class PlistFileStorage final : public SuiteStorage {
public:
    explicit PlistFileStorage(QString path);
    ~PlistFileStorage() override;

    const QString& path() const { return m_path; }

    QVariantMap load() override;
    kit::Result<QVariantMap> update(const QVariantMap& changes,
                                    const QVariantMap& fallback) override;
    void watch(std::function<void()> onChange) override;

private:
    struct Signature {
        qint64 size = -1;
        qint64 modified = -1;
        quint64 inode = 0;
        bool operator==(const Signature&) const = default;
    };

    // Reads and parses the file; a missing file is empty, a corrupt one is set aside.
    std::optional<QVariantMap> readFile();
    kit::Result<void> writeFile(const QVariantMap& content);
    Signature currentSignature() const;
    void onFolderChanged();
    void watchFileIfPresent();

    QString m_path;
    Signature m_lastSeen;
    std::function<void()> m_onChange;
    std::unique_ptr<QFileSystemWatcher> m_watcher;
};

} // namespace ruvo::settings
