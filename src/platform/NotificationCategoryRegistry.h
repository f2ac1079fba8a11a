// SPDX-License-Identifier: GPL-3.0-or-later
// Desktop notifications carry their actions in each message rather than in registered
// categories: this keeps the categories so the notifier can look up a category's actions.
#pragma once

#include "platform/NotificationCategories.h"

#include <optional>

namespace ruvo::platform {

class NotificationCategoryRegistry final : public NotificationCategories {
public:
    void setCategories(const std::vector<NotificationCategory>& categories) override {
        m_categories = categories;
    }

    std::optional<NotificationCategory> category(const QString& identifier) const {
        for (const NotificationCategory& c : m_categories)
            if (c.identifier == identifier)
                return c;
        return std::nullopt;
    }

private:
    std::vector<NotificationCategory> m_categories;
};

} // namespace ruvo::platform
