// SPDX-License-Identifier: GPL-3.0-or-later
// The notification settings of the desktop named by XDG_CURRENT_DESKTOP: GNOME's (and the
// desktops built on its control centre) or Plasma's System Settings page. Other desktops have
// no page that can be opened by name, and the error says where to look instead.
#pragma once

#include "platform/NotificationSettings.h"

#include <QStringList>
#include <functional>
#include <optional>

namespace ruvo::platform {

// The program and arguments that open the page on `desktops` (XDG_CURRENT_DESKTOP, a
// colon-separated list), of those `isInstalled` finds; none when there is none.
std::optional<QStringList>
notificationSettingsCommand(const QString& desktops,
                            const std::function<bool(const QString& program)>& isInstalled);

class DesktopNotificationSettings final : public NotificationSettings {
public:
    bool exists() const override;
    kit::Result<void> open() override;
};

} // namespace ruvo::platform
