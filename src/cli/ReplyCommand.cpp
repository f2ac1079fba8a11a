// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ReplyCommand.h"

#include "cli/CommandStore.h"
#include "kit/LocalTime.h"

#include <QCoreApplication>
#include <algorithm>

namespace ruvo::cli {

namespace {

using platform::ParticipantStatus;

std::optional<ParticipantStatus> answerNamed(const QString& name) {
    if (name == QLatin1String("accept"))
        return ParticipantStatus::accepted;
    if (name == QLatin1String("decline"))
        return ParticipantStatus::declined;
    if (name == QLatin1String("tentative") || name == QLatin1String("maybe"))
        return ParticipantStatus::tentative;
    return std::nullopt;
}

bool isInvited(const platform::Event& event) {
    const auto& attendees = event.attendees();
    return std::any_of(attendees.begin(), attendees.end(),
                       [](const platform::Attendee& a) { return a.isCurrentUser; });
}

// The event `id` names: "calendar/UID", or a UID in any event calendar (the one that invites
// the user first, when several calendars hold it).
std::optional<platform::Event> findEvent(const platform::CalendarStore& store, const QString& id) {
    if (auto event = store.eventWithIdentifier(id))
        return event;
    std::optional<platform::Event> found;
    for (const auto& calendar : store.calendars(platform::EntityType::event)) {
        auto event = store.eventWithIdentifier(calendar.identifier + QLatin1Char('/') + id);
        if (event && (!found || (isInvited(*event) && !isInvited(*found))))
            found = std::move(event);
    }
    return found;
}

QString doneText(ParticipantStatus status, const QString& title) {
    switch (status) {
    case ParticipantStatus::accepted:
        return QCoreApplication::translate("cli", "Accepted “%1”").arg(title);
    case ParticipantStatus::declined:
        return QCoreApplication::translate("cli", "Declined “%1”").arg(title);
    default:
        return QCoreApplication::translate("cli", "Answered “%1” with maybe").arg(title);
    }
}

int runReply(CommandContext& context, const Invocation& line) {
    const auto status = answerNamed(line.argument(1));
    if (!status)
        return line.usageError(
            QCoreApplication::translate("cli", "not an answer: %1 (accept, decline or tentative)")
                .arg(line.argument(1)));
    std::optional<kit::Instant> occurrence;
    if (line.isSet("occurrence")) {
        occurrence = kit::parseIsoInstant(line.value("occurrence"),
                                          kit::zoneOrUtc(context.environment.timeZoneId));
        if (!occurrence)
            return line.usageError(
                QCoreApplication::translate("cli", "--occurrence: not an ISO 8601 time: %1")
                    .arg(line.value("occurrence")));
    }
    auto store = openCommandStore(context);
    if (!store)
        return kExitFailure;
    const auto event = findEvent(*store, line.argument(0));
    if (!event)
        return line.usageError(
            QCoreApplication::translate("cli", "no event %1").arg(line.argument(0)));
    if (auto done = store->reply(event->eventIdentifier(), occurrence, *status); !done) {
        printError(context, done.error());
        return kExitFailure;
    }
    context.out << doneText(*status, event->title()) << "\n";
    return kExitOk;
}

} // namespace

cli::Command replyCommand() {
    return {QStringLiteral("reply"),
            QT_TRANSLATE_NOOP("cli", "accept, decline or tentatively accept an invitation"),
            {{.arguments = "UID accept|decline|tentative",
              .minArguments = 2,
              .maxArguments = 2,
              .options = {{"occurrence",
                           QT_TRANSLATE_NOOP("cli", "only the occurrence that starts then"),
                           "ISO8601"}},
              .run = &runReply}}};
}

} // namespace ruvo::cli
