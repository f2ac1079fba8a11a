// SPDX-License-Identifier: GPL-3.0-or-later
// Desktop notifications: show one now, withdraw it, hear which of its actions the user chose.
// Each notification is known by a key of the caller's (an event's identifier); posting again
// under a key replaces what that key shows. Delivery at a later instant is the caller's timer.
#pragma once

#include "kit/Signal.h"
#include "platform/NotificationCategories.h"

#include <QString>
#include <vector>

namespace ruvo::platform {

struct NotificationRequest {
    QString summary;
    QString body;
    std::vector<NotificationAction> actions;
    bool isUrgent = false; // stays until dismissed, shown over "do not disturb" where allowed
    QString soundName;     // a sound theme name ("message-new-instant"); empty: the default
};

class Notifications {
public:
    virtual ~Notifications() = default;
    virtual void post(const QString& key, const NotificationRequest& request) = 0;
    // Takes the notification of `key` off the screen; nothing when none is shown.
    virtual void withdraw(const QString& key) = 0;
    // Whether the server shows action buttons; true until it has said otherwise.
    virtual bool canShowActions() const = 0;

    // The user chose an action (its identifier) of the notification posted under a key.
    kit::Signal<QString, QString> actionInvoked;
    // The notification posted under a key was not shown (the key, why not).
    kit::Signal<QString, QString> postFailed;
};

} // namespace ruvo::platform
