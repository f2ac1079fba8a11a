// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/UpcomingBarFeed.h"

#include "timezones/IcuFormat.h"

namespace ruvo::cli {

namespace {

using namespace std::chrono_literals;

// The controller ends every update by showing or hiding its item: that is when a line is due.
class LineStatusItem final : public platform::StatusItem {
public:
    explicit LineStatusItem(std::function<void()> updated) : m_updated(std::move(updated)) {}

    void setContent(const platform::StatusItemContent&) override {}
    void setVisible(bool visible) override {
        m_isVisible = visible;
        m_updated();
    }
    bool isVisible() const override { return m_isVisible; }
    void setMenu(const std::vector<platform::StatusMenuEntry>&) override {}
    void onActivated(std::function<void(const platform::ActivationEvent&)>) override {}
    void onMenuEntryChosen(std::function<void(const QString&)>) override {}
    bool isShownByHost() const override { return true; }

private:
    std::function<void()> m_updated;
    bool m_isVisible = false;
};

QString stateClass(const alerts::UpcomingDisplay& display, kit::Instant now) {
    if (!display.event)
        return QStringLiteral("ruvo-upcoming none");
    if (display.event->start() <= now)
        return QStringLiteral("ruvo-upcoming ongoing");
    return display.event->start() - now <= 10min ? QStringLiteral("ruvo-upcoming soon")
                                                 : QStringLiteral("ruvo-upcoming");
}

} // namespace

menubar::BarState upcomingBarState(const alerts::UpcomingDisplay& display, kit::Instant now,
                                   const kit::Environment& environment) {
    menubar::BarState state;
    state.text = display.isVisible ? display.text : QString();
    state.cssClass = stateClass(display, now);
    if (const auto& event = display.event)
        state.toolTip = event->title().trimmed() + QLatin1Char('\n') +
                        timezones::shortTimeText(environment, event->start()) +
                        QStringLiteral(" \u2013 ") +
                        timezones::shortTimeText(environment, event->end());
    return state;
}

UpcomingBarFeed::UpcomingBarFeed(Dependencies dependencies)
    : m_deps(std::move(dependencies)), m_ticks(m_deps.scheduler, m_deps.dateEvents),
      m_events(m_deps.store, m_deps.defaults, m_deps.scheduler) {
    auto item = std::make_unique<LineStatusItem>([this] { onUpdated(); });
    m_controller = std::make_unique<alerts::UpcomingEventController>(
        alerts::UpcomingEventController::Dependencies{m_deps.defaults,
                                                      m_deps.scheduler,
                                                      m_deps.scheduler,
                                                      m_ticks,
                                                      m_events,
                                                      m_deps.store,
                                                      m_deps.dateEvents,
                                                      [env = m_deps.environment] { return env; },
                                                      {},
                                                      m_deps.hasVideoCall,
                                                      {},
                                                      {},
                                                      {}},
        std::move(item));
    onUpdated(); // the controller's first update ran before it was stored
}

UpcomingBarFeed::~UpcomingBarFeed() {
    // The controller hides its item as it goes; no line is written for that.
    auto controller = std::move(m_controller);
}

void UpcomingBarFeed::onUpdated() {
    if (!m_controller)
        return;
    const QString line = menubar::barLine(
        menubar::BarFormat::waybar,
        upcomingBarState(m_controller->display(), m_deps.scheduler.now(), m_deps.environment),
        true);
    // A minute tick often changes nothing (a far-away start time): waybar gets changes only.
    if (line == m_lastLine)
        return;
    m_lastLine = line;
    m_deps.write(line);
}

} // namespace ruvo::cli
