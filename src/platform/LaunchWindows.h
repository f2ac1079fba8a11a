// SPDX-License-Identifier: GPL-3.0-or-later
// The windows and checks the launch sequence opens; the views implement them.
#pragma once

#include <QString>

namespace ruvo::platform {

class LaunchWindows {
public:
    virtual ~LaunchWindows() = default;
    virtual void showWelcome() = 0;
    virtual void showWhatsNew() = 0;
    // A modal tip with a title and a message.
    virtual void showTip(const QString& title, const QString& message) = 0;
    // Creates the status item and warns once if the panel does not show it.
    virtual void ensureStatusItemVisible() = 0;
};

} // namespace ruvo::platform
