// SPDX-License-Identifier: GPL-3.0-or-later
// Watches calendar folders with inotify and reports that one of them changed (a file was
// written, replaced by rename, or removed). The store collapses the burst that a sync run
// makes into one re-scan.
#pragma once

#include <QObject>
#include <QStringList>
#include <functional>
#include <map>

class QSocketNotifier;

namespace ruvo::platform::vdir {

class VdirWatcher final : public QObject {
    Q_OBJECT
public:
    explicit VdirWatcher(std::function<void()> onChange);
    ~VdirWatcher() override;

    bool isActive() const { return m_fd >= 0; }
    // Watches exactly `folders` from now on.
    void watch(const QStringList& folders);

private:
    void onReadable();

    int m_fd = -1;
    QSocketNotifier* m_notifier = nullptr;
    std::map<QString, int> m_watches;
    std::function<void()> m_onChange;
};

} // namespace ruvo::platform::vdir
