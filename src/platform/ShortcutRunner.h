// SPDX-License-Identifier: GPL-3.0-or-later
// Runs one of the user's own shortcuts in the background with a JSON document as its input.
#pragma once

#include <QByteArray>
#include <QString>
#include <QUuid>
#include <vector>

namespace ruvo::platform {

// One of the user's shortcuts: its name as listed, and the identifier settings store.
struct UserShortcut {
    QString name;
    QUuid id;
};

class ShortcutRunner {
public:
    virtual ~ShortcutRunner() = default;
    // The shortcuts the user can choose, by name; none where the system has no such list.
    virtual std::vector<UserShortcut> shortcuts() const { return {}; }
    // Starts the shortcut and returns at once; failures are logged by the runner.
    virtual void runInBackground(const QUuid& shortcut, const QByteArray& inputJson) = 0;
};

} // namespace ruvo::platform
