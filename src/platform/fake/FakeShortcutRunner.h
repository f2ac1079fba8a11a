// SPDX-License-Identifier: GPL-3.0-or-later
// Records the shortcuts that would have run, with their input.
#pragma once

#include "platform/ShortcutRunner.h"

#include <vector>

namespace ruvo::platform {

class FakeShortcutRunner final : public ShortcutRunner {
public:
    struct Run {
        QUuid shortcut;
        QByteArray inputJson;
    };
    std::vector<Run> runs;

    void runInBackground(const QUuid& shortcut, const QByteArray& inputJson) override {
        runs.push_back(Run{shortcut, inputJson});
    }
};

} // namespace ruvo::platform
