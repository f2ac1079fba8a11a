// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/FirstRunCommand.h"

#include "onboarding/FirstRunGuide.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>

namespace ruvo::cli {

namespace {

QJsonArray stepsJson(const onboarding::FirstRunGuide& guide) {
    QJsonArray steps;
    for (const auto& step : guide.steps)
        steps.append(QJsonObject{{QStringLiteral("text"), step.text},
                                 {QStringLiteral("snippet"), step.snippet}});
    return steps;
}

int runFirstRun(CommandContext& context, const Invocation& invocation) {
    if (!context.services.probeDesktop) {
        printError(context, QCoreApplication::translate("cli", "no desktop to look at"));
        return kExitFailure;
    }
    const platform::DesktopFacts facts = context.services.probeDesktop();
    const onboarding::PanelHost host = onboarding::detectPanelHost(facts);
    const onboarding::FirstRunGuide guide = onboarding::firstRunGuide(host);
    if (invocation.isSet("json")) {
        QJsonObject object = onboarding::toJson(host, facts);
        object.insert(QStringLiteral("summary"), guide.summary);
        object.insert(QStringLiteral("steps"), stepsJson(guide));
        context.out << QJsonDocument(object).toJson(QJsonDocument::Indented);
        return kExitOk;
    }
    context.out << onboarding::guideText(guide);
    return kExitOk;
}

} // namespace

cli::Command firstRunCommand() {
    return {
        QStringLiteral("first-run"),
        QT_TRANSLATE_NOOP("cli", "say where this desktop's panel can show the clock, and how"),
        {{.options = {{"json", QT_TRANSLATE_NOOP("cli", "print the detected panel and the steps as "
                                                        "JSON")}},
          .notes = QT_TRANSLATE_NOOP(
              "cli", "  host: gnome, gnome-no-tray, plasma, xfce, waybar, i3bar, tray,\n"
                     "  xembed-tray or none; clockVisible: whether it shows with no step"),
          .run = &runFirstRun}}};
}

} // namespace ruvo::cli
