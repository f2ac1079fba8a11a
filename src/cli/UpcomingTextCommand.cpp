// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/UpcomingTextCommand.h"

#include "alerts/UpcomingEvents.h"
#include "cli/CommandStore.h"
#include "events/CallEventConversion.h"
#include "events/EventsController.h"
#include "events/videocalls/VideoCallDetector.h"

namespace ruvo::cli {

namespace {

class NoApplications final : public platform::UrlOpener {
public:
    bool open(const QUrl&) override { return false; }
    bool hasApplicationFor(const QString&) const override { return false; }
};

int runUpcomingText(cli::CommandContext& context, const Invocation&) {
    auto store = openCommandStore(context);
    if (!store)
        return cli::kExitFailure;
    events::enableAllCalendarsOnNewInstallation(*store, context.defaults);
    const alerts::UpcomingEvents upcoming(*store, context.defaults, context.clock,
                                          context.environment, offlineVideoCallTest());
    const alerts::UpcomingDisplay display = upcoming.display(context.clock.now());
    if (!display.isVisible) {
        context.out << Qt::endl;
        return cli::kExitNothing;
    }
    context.out << display.text << Qt::endl;
    return cli::kExitOk;
}

} // namespace

alerts::UpcomingEvents::VideoCallTest offlineVideoCallTest() {
    struct Detection {
        NoApplications apps;
        videocalls::VideoCallDetector detector{apps};
    };
    auto detection = std::make_shared<Detection>();
    return [detection](const platform::Event& event) {
        return !event.isAllDay() &&
               detection->detector.videoCall(events::toCallEvent(event)).has_value();
    };
}

cli::Command upcomingTextCommand() {
    return {
        QStringLiteral("upcoming-text"),
        QT_TRANSLATE_NOOP("cli", "print the upcoming event's panel text for the current settings"),
        {{.run = &runUpcomingText}}};
}

} // namespace ruvo::cli
