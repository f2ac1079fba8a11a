// SPDX-License-Identifier: GPL-3.0-or-later
// The menu window's button that joins the next video call: the call running now or the
// one starting within 15 minutes, labelled with its title and service. Hidden when there
// is none or when `menuShowJoinVideoCallButton` is off; re-checked on eventsDidChange, on
// that setting and every minute while shown.
//
//   auto* button = new JoinNextCallButton(dependencies, parent); // join() is called on click
#pragma once

#include "views/events/EventListDependencies.h"

#include <QPushButton>
#include <optional>

namespace ruvo::views {

// "Join Weekly sync (Zoom)"; without a service name "Join Weekly sync".
QString joinButtonLabel(const QString& title, const std::optional<QString>& serviceName);

class JoinNextCallButton final : public QPushButton {
    Q_OBJECT
public:
    explicit JoinNextCallButton(EventListDependencies dependencies, QWidget* parent = nullptr);

    // Looks for the next call again; shows or hides the button.
    void refresh();
    const std::optional<platform::Event>& nextCall() const { return m_event; }

Q_SIGNALS:
    void visibilityNeedChanged(bool isNeeded); // the menu window re-lays out on it

private:
    void onClicked();

    EventListDependencies m_dependencies;
    menubar::ClockTimer m_minuteTick;
    std::optional<platform::Event> m_event;
    bool m_isNeeded = false;
    std::vector<kit::Subscription> m_subscriptions;
};

} // namespace ruvo::views
