// SPDX-License-Identifier: GPL-3.0-or-later
// Running programs from /proc: a candidate runs when some process's executable name
// (/proc/PID/comm, or the file name of its first argument) equals it.
#pragma once

#include "platform/RunningApplications.h"

namespace ruvo::platform {

class ProcRunningApplications final : public RunningApplications {
public:
    explicit ProcRunningApplications(QString procRoot = QStringLiteral("/proc"))
        : m_procRoot(std::move(procRoot)) {}
    QStringList running(const QStringList& candidates) const override;

private:
    QString m_procRoot;
};

} // namespace ruvo::platform
