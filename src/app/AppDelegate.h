// SPDX-License-Identifier: GPL-3.0-or-later
// The program's answers to its own lifecycle: when it has finished launching, and when the
// user starts it again while it runs (the reopen path: toggle the menu window).
#pragma once

#include "app/AppState.h"

namespace ruvo::app {

class AppDelegate {
public:
    AppDelegate(AppState& state, CrashReporter& crashReporter)
        : m_state(state), m_crashReporter(crashReporter) {}

    void applicationDidFinishLaunching();
    // Returns false: the program opens nothing else itself.
    bool applicationShouldHandleReopen();

private:
    AppState& m_state;
    CrashReporter& m_crashReporter;
};

} // namespace ruvo::app
