// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/UpcomingTextCommand.h"

#include "alerts/UpcomingEvents.h"
#include "cli/CommandCalls.h"
#include "cli/CommandStore.h"
#include "events/EventsController.h"

namespace ruvo::cli {

namespace {

int runUpcomingText(cli::CommandContext& context, const Invocation&) {
    auto store = openCommandStore(context);
    if (!store)
        return cli::kExitFailure;
    events::enableAllCalendarsOnNewInstallation(*store, context.defaults);
    CommandCalls calls;
    const alerts::UpcomingEvents upcoming(
        *store, context.defaults, context.clock, context.environment,
        [&calls](const platform::Event& event) { return calls.isTimedCall(event); });
    const alerts::UpcomingDisplay display = upcoming.display(context.clock.now());
    if (!display.isVisible) {
        context.out << Qt::endl;
        return cli::kExitNothing;
    }
    context.out << display.text << Qt::endl;
    return cli::kExitOk;
}

} // namespace

cli::Command upcomingTextCommand() {
    return {
        QStringLiteral("upcoming-text"),
        QT_TRANSLATE_NOOP("cli", "print the upcoming event's panel text for the current settings"),
        {{.run = &runUpcomingText}}};
}

} // namespace ruvo::cli
