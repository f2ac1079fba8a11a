// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/videocalls/VideoCallJoiner.h"

#include "events/videocalls/LinkCleaner.h"
#include "events/videocalls/MeetAndTeamsLinks.h"
#include "events/videocalls/VideoCallsLog.h"
#include "events/videocalls/ZoomLink.h"
#include "settings/Keys.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace ruvo::videocalls {

JoinOptions JoinOptions::fromSettings(const settings::Defaults& defaults) {
    namespace keys = settings::keys;
    return JoinOptions{defaults.get(keys::_useTeamsApp),
                       defaults.get(keys::_useGoogleAccountChooser),
                       defaults.get(keys::runShortcut_joinVideoCall)};
}

QUrl joinLink(const Detection& detection, const CallEvent& event, const JoinOptions& options,
              const platform::UrlOpener& apps) {
    const QUrl& link = detection.service.url;
    switch (detection.detector) {
    case Detector::zoom:
        if (apps.hasApplicationFor(QStringLiteral("zoommtg")))
            if (const std::optional<ZoomLink> zoom = parseZoomLink(link))
                if (std::optional<QUrl> app = zoom->applicationLink())
                    return *app;
        return link;
    case Detector::googleMeet:
        return options.useGoogleAccountChooser
                   ? throughGoogleAccountChooser(link, event.accountEmail)
                   : link;
    case Detector::microsoftTeams:
        if (options.useTeamsApp && apps.hasApplicationFor(QStringLiteral("msteams")))
            return teamsApplicationLink(link);
        return link;
    case Detector::serviceTable:
    case Detector::detectedServiceStore:
        return link;
    }
    return link;
}

QByteArray shortcutInput(const CallEvent& event, const Detection& detection) {
    const QJsonObject json{
        {QStringLiteral("calendarItemIdentifier"), event.calendarItemIdentifier},
        {QStringLiteral("title"), event.title},
        {QStringLiteral("start"), kit::formatIsoUtc(event.start)},
        {QStringLiteral("end"), kit::formatIsoUtc(event.end)},
        {QStringLiteral("isAllDay"), event.isAllDay},
        {QStringLiteral("location"), event.location},
        {QStringLiteral("service"), detection.service.name.value_or(QString())},
        {QStringLiteral("url"), detection.service.url.toString(QUrl::FullyEncoded)},
    };
    return QJsonDocument(json).toJson(QJsonDocument::Compact);
}

bool VideoCallJoiner::join(const CallEvent& event, const JoinOptions& options) {
    const std::optional<Detection> detection = m_detector.detect(event);
    if (!detection)
        return false;
    // Only a call found through a web link is joined; links to an application are made from
    // recognised web links by us, never taken from the event or from a stored service.
    if (!isWebLink(detection->webLink)) {
        qCWarning(lcVideoCalls) << "not joining a call link with the scheme"
                                << detection->webLink.scheme();
        return false;
    }
    const QUrl link = joinLink(*detection, event, options, m_opener);
    if (!platform::isOpenableScheme(link.scheme())) {
        qCWarning(lcVideoCalls) << "not opening a join link with the scheme" << link.scheme();
        return false;
    }
    const bool opened = m_opener.open(link);
    if (options.shortcut)
        m_shortcuts.runInBackground(*options.shortcut, shortcutInput(event, *detection));
    m_joined.insert(joinedEventKey(event));
    return opened;
}

} // namespace ruvo::videocalls
