// SPDX-License-Identifier: GPL-3.0-or-later
// The windows the launch sequence opens: welcome, what's new and tips. The status-item check
// is handed to whoever owns the status item.
#pragma once

#include "platform/LaunchWindows.h"

#include <QPointer>
#include <QWidget>
#include <functional>

namespace ruvo::views {

class ShellWindows final : public platform::LaunchWindows {
public:
    void showWelcome() override;
    void showWhatsNew() override;
    void showTip(const QString& title, const QString& message) override;
    void ensureStatusItemVisible() override;

    std::function<void()> statusItemCheck; // set by the status item's owner

private:
    QPointer<QWidget> m_welcome;
    QPointer<QWidget> m_whatsNew;
};

} // namespace ruvo::views
