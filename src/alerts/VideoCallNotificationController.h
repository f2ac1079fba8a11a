// SPDX-License-Identifier: GPL-3.0-or-later
// The call notifications of the running program: a desktop notification with a "Join" button
// for each video call the plan names, at its fire instant, withdrawn when the event ends.
//
// The plan covers the next hour and is made again every 10 minutes, when the calendars change
// and on the system's date events (wake, clock, zone, day, locale), each time 0.5 s after the
// last trigger of a burst. A new plan replaces the timers of the old one; a notification that
// has been posted is never posted again for the same occurrence, and keeps its withdrawal.
// Our own timer fires each notification, and a timer that runs late (the machine slept) posts
// nothing: a notification whose moment has passed is never shown late.
//
// When no notification server shows a notification, a small window stands in for it.
#pragma once

#include "alerts/CallNotificationPlan.h"
#include "events/EventsController.h"
#include "kit/Debouncer.h"
#include "kit/Scheduler.h"
#include "platform/Notifications.h"
#include "platform/SystemDateEvents.h"

#include <map>

namespace ruvo::alerts {

// What a call notification reads.
struct CallNotificationContent {
    QString title;
    QString body;
};

// Windows standing in for notifications that no server showed, one per key.
class CallAlertWindows {
public:
    virtual ~CallAlertWindows() = default;
    virtual void show(const QString& key, const CallNotificationContent& content) = 0;
    virtual void close(const QString& key) = 0;
    // "Join" was chosen in the window of a key.
    kit::Signal<QString> joinChosen;
};

class VideoCallNotificationController final : public events::VideoCallAlerts {
public:
    static constexpr kit::Milliseconds kReplanInterval{600 * 1000};
    static constexpr kit::Milliseconds kReplanDelay{500};
    static constexpr kit::Milliseconds kDateEventDelay{1000};
    // A fire timer running later than this behind its instant posts nothing.
    static constexpr kit::Milliseconds kLateLimit{10 * 1000};
    static const QString kJoinAction;
    static const QString kSoundName;

    struct Dependencies {
        kit::Scheduler& scheduler;
        kit::Signal<>& eventsDidChange;
        platform::SystemDateEvents& dateEvents;
        platform::Notifications& notifications;
        std::function<std::vector<PlannedCallNotification>(kit::Instant now)> plan;
        std::function<QString(kit::Instant)> timeText; // "10:00 AM"
        std::function<void(const platform::Event&)> join;
        CallAlertWindows* windows = nullptr; // none: a notification no server shows is lost
        // What the latest eventsDidChange touched (EventsController::lastChange()); none: all.
        const platform::StoreChange* eventsChange = nullptr;
    };

    explicit VideoCallNotificationController(Dependencies dependencies);
    ~VideoCallNotificationController() override;
    VideoCallNotificationController(const VideoCallNotificationController&) = delete;
    VideoCallNotificationController& operator=(const VideoCallNotificationController&) = delete;

    // Plans again now (the settings it reads changed).
    void replan() override;

    // The keys waiting for their fire instant, and those posted and not yet withdrawn.
    std::vector<QString> scheduledKeys() const;
    std::vector<QString> shownKeys() const;

    // The body: the start time and the service, and how to join where the server shows no
    // buttons.
    static QString bodyText(const PlannedCallNotification& planned, const QString& timeText,
                            bool canShowActions);

private:
    struct Scheduled {
        PlannedCallNotification planned;
        kit::Timer fire;
    };
    struct Shown {
        platform::Event event;
        CallNotificationContent content;
        kit::Timer withdrawal;
    };

    void schedule(const PlannedCallNotification& planned);
    void fire(const QString& key);
    void post(const PlannedCallNotification& planned);
    void withdraw(const QString& key);
    void onActionInvoked(const QString& key, const QString& action);
    void onPostFailed(const QString& key, const QString& reason);
    void join(const QString& key);

    Dependencies m_deps;
    kit::Debouncer m_replan;
    kit::Debouncer m_dateEvent;
    kit::Timer m_interval;
    std::map<QString, Scheduled> m_scheduled;
    std::map<QString, Shown> m_shown;
    std::vector<kit::Subscription> m_subscriptions;
};

} // namespace ruvo::alerts
