// SPDX-License-Identifier: GPL-3.0-or-later
// Watches calendar folders with inotify and reports what changed: the calendar files written,
// replaced by rename or removed, by folder, so that the store reads only those again; or that
// more than files changed (a folder came or went, a name or colour file, events were lost
// because the queue overflowed), which takes a re-scan of everything. Hidden files (the
// temporary files sync tools rename into place) are not calendar files and are left out.
#pragma once

#include <QObject>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <map>
#include <set>

class QSocketNotifier;

namespace ruvo::platform::vdir {

struct DiskChanges {
    bool isRescanNeeded = false;
    std::map<QString, std::set<QString>> files; // .ics names by folder

    bool isEmpty() const { return !isRescanNeeded && files.empty(); }
    std::size_t fileCount() const;
    void merge(DiskChanges&& other);
    // What one inotify event in `folder` (empty: not a watched folder) means.
    void add(const QString& folder, uint32_t mask, const char* name);
};

class VdirWatcher final : public QObject {
    Q_OBJECT
public:
    explicit VdirWatcher(std::function<void(DiskChanges)> onChange);
    ~VdirWatcher() override;

    bool isActive() const { return m_fd >= 0; }
    // Watches exactly `folders` from now on.
    void watch(const QStringList& folders);

private:
    void onReadable();

    int m_fd = -1;
    QSocketNotifier* m_notifier = nullptr;
    std::map<QString, int> m_watches;
    std::map<int, QString> m_folders; // by watch
    std::function<void(DiskChanges)> m_onChange;
};

} // namespace ruvo::platform::vdir
