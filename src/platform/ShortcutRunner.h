// SPDX-License-Identifier: GPL-3.0-or-later
// Runs one of the user's own shortcuts in the background with a JSON document as its input.
#pragma once

#include <QByteArray>
#include <QUuid>

namespace ruvo::platform {

class ShortcutRunner {
public:
    virtual ~ShortcutRunner() = default;
    // Starts the shortcut and returns at once; failures are logged by the runner.
    virtual void runInBackground(const QUuid& shortcut, const QByteArray& inputJson) = 0;
};

} // namespace ruvo::platform
