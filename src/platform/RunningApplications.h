// SPDX-License-Identifier: GPL-3.0-or-later
// Which other programs run now, by executable name.
#pragma once

#include <QStringList>

namespace ruvo::platform {

class RunningApplications {
public:
    virtual ~RunningApplications() = default;
    // The names of `candidates` that have a running process, in the order given.
    virtual QStringList running(const QStringList& candidates) const = 0;
};

} // namespace ruvo::platform
