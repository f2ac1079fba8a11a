// SPDX-License-Identifier: GPL-3.0-or-later
// Records what would have been shown and withdrawn, by key, in order.
#pragma once

#include "platform/Notifications.h"

#include <vector>

namespace ruvo::platform {

class FakeNotifications final : public Notifications {
public:
    std::vector<std::pair<QString, NotificationRequest>> posted;
    std::vector<QString> withdrawn;
    bool hasActions = true;

    void post(const QString& key, const NotificationRequest& request) override {
        posted.emplace_back(key, request);
    }
    void withdraw(const QString& key) override { withdrawn.push_back(key); }
    bool canShowActions() const override { return hasActions; }
};

} // namespace ruvo::platform
