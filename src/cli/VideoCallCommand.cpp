// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/VideoCallCommand.h"

#include "cli/Verbs.h"
#include "events/videocalls/NotesCleaner.h"
#include "events/videocalls/VideoCallDetector.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

namespace ruvo::cli {

using namespace ruvo::videocalls;

namespace {

const char kUsage[] = "usage: ruvo video-call detect [--location TEXT] [--url URL] [--notes TEXT] "
                      "[--json]\n"
                      "       ruvo video-call clean-notes < NOTES";

// The command line opens nothing, so it answers as if no meeting application were present.
class NoApplications final : public platform::UrlOpener {
public:
    bool open(const QUrl&) override { return false; }
    bool hasApplicationFor(const QString&) const override { return false; }
};

int usage(cli::CommandContext& c, const QString& problem) {
    c.err << "ruvo video-call: " << problem << "\n" << kUsage << "\n";
    return cli::kExitUsage;
}

// Reads the detect options into `event`; an error text on failure.
QString parseDetect(const QStringList& args, CallEvent& event, bool& json) {
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& option = args[i];
        if (option == QLatin1String("--json")) {
            json = true;
            continue;
        }
        if (i + 1 >= args.size())
            return QStringLiteral("%1 needs a value").arg(option);
        const QString value = args[++i];
        if (option == QLatin1String("--location")) {
            event.location = value;
        } else if (option == QLatin1String("--notes")) {
            event.notes = value;
        } else if (option == QLatin1String("--url")) {
            event.url = QUrl(value, QUrl::StrictMode);
            if (!event.url.isValid())
                return QStringLiteral("\"%1\" is not a valid URL").arg(value);
        } else {
            return QStringLiteral("unknown option %1").arg(option);
        }
    }
    return {};
}

int detect(cli::CommandContext& c, const QStringList& args) {
    CallEvent event;
    event.calendarItemIdentifier = QStringLiteral("command-line");
    bool json = false;
    if (const QString problem = parseDetect(args, event, json); !problem.isEmpty())
        return usage(c, problem);
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

int run(cli::CommandContext& c, const QStringList& arguments) {
    if (arguments.isEmpty())
        return usage(c, QStringLiteral("missing detect or clean-notes"));
    const auto cleanNotes = [](cli::CommandContext& c, const QStringList& rest) {
        if (!rest.isEmpty())
            return usage(c, QStringLiteral("clean-notes takes no arguments"));
        QTextStream in(stdin);
        return runCleanNotes(c, in);
    };
    if (auto status = cli::runVerb(c, arguments, {{"detect", detect}, {"clean-notes", cleanNotes}}))
        return *status;
    return usage(c, QStringLiteral("unknown action \"%1\"").arg(arguments.first()));
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
    return cli::Command{QStringLiteral("video-call"),
                        QStringLiteral("find the video call of an event, or clean its notes"),
                        QString::fromUtf8(kUsage), run};
}

} // namespace ruvo::cli
