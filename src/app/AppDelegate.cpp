// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AppDelegate.h"

#include "app/AppLog.h"

namespace ruvo::app {

void AppDelegate::applicationDidFinishLaunching() {
    m_crashReporter.install();
    for (const QString& report : m_crashReporter.takeUnreportedCrashes())
        qCWarning(lcApp).noquote() << "Ruvo crashed in an earlier run; the report is" << report;
}

bool AppDelegate::applicationShouldHandleReopen() {
    m_state.toggleMenuWindow();
    return false;
}

} // namespace ruvo::app
