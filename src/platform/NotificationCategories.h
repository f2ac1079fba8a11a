// SPDX-License-Identifier: GPL-3.0-or-later
// The kinds of notifications the program posts and the actions each offers.
#pragma once

#include <QString>
#include <vector>

namespace ruvo::platform {

struct NotificationAction {
    QString identifier;
    QString title;
};

struct NotificationCategory {
    QString identifier;
    std::vector<NotificationAction> actions;
};

class NotificationCategories {
public:
    virtual ~NotificationCategories() = default;
    virtual void setCategories(const std::vector<NotificationCategory>& categories) = 0;
};

} // namespace ruvo::platform
