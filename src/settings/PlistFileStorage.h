// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps a suite in an XML property-list file.
//
// Writes are atomic (a new file is written, synced and renamed over the old one), so a
// reader never sees half a file. A read-modify-write holds an exclusive lock on a lock file
// next to it, so two processes writing different keys at the same time both keep their key,
// and replaces the file only while it is still the version read (an editor does not take
// the lock). A file that does not parse, twice in a row, is moved aside
// ("<file>.corrupt-<time>") with a log line and never overwritten. Changes by other
// processes are seen through a watcher on the folder (an atomic rename replaces the file,
// after which a watch on the file alone goes quiet) and on the file (an editor that saves in
// place). A change that leaves the file unreadable may be an editor halfway through its
// write: it is looked at again after a pause before it counts.
#pragma once

#include "kit/AtomicFile.h"
#include "kit/Scheduler.h"
#include "settings/SuiteStorage.h"

#include <QFileSystemWatcher>
#include <QString>
#include <memory>

namespace ruvo::settings {

class PlistFileStorage final : public SuiteStorage {
public:
    // Without a scheduler, a change seen by the watcher is read at once.
    explicit PlistFileStorage(QString path, kit::Scheduler* scheduler = nullptr);

    // How long an unreadable file is given to become whole.
    static constexpr kit::Milliseconds kSettleDelay{500};
    ~PlistFileStorage() override;

    const QString& path() const { return m_path; }

    QVariantMap load() override;
    kit::Result<QVariantMap> update(const QVariantMap& changes,
                                    const QVariantMap& fallback) override;
    void watch(std::function<void()> onChange) override;

private:
    // Reads and parses the file; a missing file is empty, one that does not parse twice in
    // a row is set aside.
    std::optional<QVariantMap> readFile();
    std::optional<QVariantMap> parseCurrent(QString* error);
    void setAside(const QString& error);
    // Writes `content` if the file is still the version last read: false when it is not.
    kit::Result<bool> writeFile(const QVariantMap& content);
    void onFolderChanged();
    void watchFileIfPresent();

    QString m_path;
    kit::Scheduler* m_scheduler;
    std::optional<kit::FileStamp> m_lastSeen;
    std::function<void()> m_onChange;
    std::unique_ptr<QFileSystemWatcher> m_watcher;
    kit::Timer m_settle;
};

} // namespace ruvo::settings
