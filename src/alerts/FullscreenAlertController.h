// SPDX-License-Identifier: GPL-3.0-or-later
// The full-screen alert in the running program: it keeps one wait per planned alert
// (FullscreenPlan), re-planned 0.5 s after calendar changes, settings changes and date
// events, and every ten minutes so the two-hour window moves on. When a wait ends, the event
// is shown (the overlay observes `shown()`) and the chosen sound plays. The overlay's buttons
// come back here: join, show the event, snooze, dismiss.
//
// A fire instant that has passed is never shown late: the plan leaves such alerts out, and a
// wait that ends late (the machine slept through it) is dropped. An alert shown once is not
// shown again by a later re-plan; only a snooze brings it back.
#pragma once

#include "alerts/FullscreenPlan.h"
#include "events/EventsController.h"
#include "kit/Debouncer.h"
#include "kit/Signal.h"
#include "platform/SoundPlayer.h"
#include "platform/SystemDateEvents.h"

#include <map>

namespace ruvo::alerts {

// What the overlay shows.
struct FullscreenAlertShown {
    platform::Event event;
    bool canJoin = false;   // the event has a video call to join
    bool isPreview = false; // the settings' sample: no action reaches an event
    QString error;          // why the last action failed; empty without one
};

enum class SnoozeChoice { oneMinute, fiveMinutes, untilEvent };

class FullscreenAlertController {
public:
    static constexpr kit::Milliseconds kDebounce{500};
    static constexpr kit::Milliseconds kReplanInterval{10 * 60 * 1000};
    // A wait that ends later than this after its instant is dropped.
    static constexpr kit::Milliseconds kLateLimit{30 * 1000};

    struct Dependencies {
        const settings::Defaults& defaults;
        const kit::Clock& filterClock; // elapsed time, for the exclusion rules' time limit
        kit::Scheduler& scheduler;
        events::EventsController& events;
        platform::CalendarStore& store;
        platform::SystemDateEvents& dateEvents;
        platform::SoundPlayer& player;
        FullscreenPlan::EventTest hasVideoCall; // may be empty
        FullscreenPlan::EventTest hasJoined;    // may be empty
        // Joins the event's call; false when it could not be opened.
        std::function<bool(const platform::Event&)> joinVideoCall;
        std::function<void(const platform::Event&)> showEvent;
    };

    explicit FullscreenAlertController(Dependencies dependencies);
    FullscreenAlertController(const FullscreenAlertController&) = delete;
    FullscreenAlertController& operator=(const FullscreenAlertController&) = delete;

    void replan();

    const std::optional<FullscreenAlertShown>& shown() const { return m_shown; }
    kit::Signal<>& shownChanged() { return m_shownChanged; }
    // The alerts waiting for their instant, by fire instant (a snooze not among them).
    std::vector<FullscreenAlert> waiting() const;
    std::optional<kit::Instant> snoozedUntil() const;

    void joinVideoCall();
    void showEvent();
    void snooze(SnoozeChoice choice);
    void dismiss();
    // Shows a sample event, as the settings' "Preview Notification" does.
    void preview();

private:
    struct Wait {
        FullscreenAlert alert;
        kit::Timer timer;
    };

    void observe();
    void arm(const FullscreenAlert& alert, kit::Instant now);
    void onFire(const FullscreenAlert& alert);
    void present(const platform::Event& event, bool isPreview);
    void stopAll();

    Dependencies m_deps;
    FullscreenPlan m_plan;
    std::vector<Wait> m_waits;
    std::optional<Wait> m_snoozed;
    std::map<QString, kit::Instant> m_fired; // alert key → fire instant, pruned as time passes
    std::optional<FullscreenAlertShown> m_shown;
    kit::Signal<> m_shownChanged;
    kit::Debouncer m_trigger;
    kit::Timer m_periodic;
    std::vector<kit::Subscription> m_subscriptions;
};

} // namespace ruvo::alerts
