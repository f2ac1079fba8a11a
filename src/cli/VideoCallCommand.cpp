// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/VideoCallCommand.h"

#include "cli/CommandCalls.h"
#include "events/videocalls/NotesCleaner.h"
#include "events/videocalls/VideoCallDetector.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

namespace ruvo::cli {

using namespace ruvo::videocalls;

namespace {

int detect(cli::CommandContext& c, const Invocation& line) {
    CallEvent event;
    event.calendarItemIdentifier = QStringLiteral("command-line");
    event.location = line.value("location");
    if (line.isSet("notes"))
        event.notes = line.value("notes");
    if (line.isSet("url")) {
        event.url = QUrl(line.value("url"), QUrl::StrictMode);
        if (!event.url.isValid())
            return line.usageError(QCoreApplication::translate("cli", "\"%1\" is not a valid URL")
                                       .arg(line.value("url")));
    }
    const bool json = line.isSet("json");
    NoApplications apps;
    VideoCallDetector detector(apps, nullptr, 1);
    const std::optional<Service> service = detector.videoCall(event);
    if (!service)
        return cli::kExitNothing;
    const QString name = service->name.value_or(QString());
    const QString url = service->url.toString(QUrl::FullyEncoded);
    if (json)
        c.out << QJsonDocument(
                     QJsonObject{{QStringLiteral("name"), name}, {QStringLiteral("url"), url}})
                     .toJson(QJsonDocument::Compact)
              << '\n';
    else
        c.out << name << '\t' << url << '\n';
    return cli::kExitOk;
}

int cleanNotes(cli::CommandContext& c, const Invocation&) {
    QTextStream in(stdin);
    return runCleanNotes(c, in);
}

} // namespace

int runCleanNotes(cli::CommandContext& c, QTextStream& in) {
    const QString cleaned = cleanedNotes(in.readAll());
    c.out << cleaned;
    if (!cleaned.isEmpty())
        c.out << '\n';
    return cli::kExitOk;
}

cli::Command videoCallCommand() {
    return {QStringLiteral("video-call"),
            QT_TRANSLATE_NOOP("cli", "find the video call of an event, or clean its notes"),
            {{.verb = "detect",
              .options = {{"location", QT_TRANSLATE_NOOP("cli", "the event's location"), "TEXT"},
                          {"url", QT_TRANSLATE_NOOP("cli", "the event's link"), "URL"},
                          {"notes", QT_TRANSLATE_NOOP("cli", "the event's notes"), "TEXT"},
                          {"json", QT_TRANSLATE_NOOP("cli", "print JSON")}},
              .notes = QT_TRANSLATE_NOOP("cli", "  (prints the service and its join link; exit "
                                                "status 1 when it is no video call)"),
              .run = &detect},
             {.verb = "clean-notes",
              .notes = QT_TRANSLATE_NOOP("cli", "  (reads notes on standard input and prints "
                                                "them without the invitation boilerplate)"),
              .run = &cleanNotes}}};
}

} // namespace ruvo::cli
