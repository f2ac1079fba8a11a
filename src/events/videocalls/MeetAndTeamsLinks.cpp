// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/videocalls/MeetAndTeamsLinks.h"

#include "events/videocalls/Regex.h"

#include <QUrlQuery>

namespace ruvo::videocalls {

QString googleMeetLinkPattern() {
    return QStringLiteral("https?:\\/\\/meet\\.google\\.com\\/(_meet\\/)?[a-z][a-z-]+[a-z]+");
}

QString teamsLinkPattern() {
    return QStringLiteral(
        "https:\\/\\/(?:gov\\.)?teams\\.microsoft\\.(?:com|us)\\/l\\/meetup-join\\/[^ \"<]+");
}

std::optional<QString> googleMeetCode(const QUrl& url) {
    static const QRegularExpression link =
        compiledRegex(QLatin1Char('^') + googleMeetLinkPattern());
    static const QRegularExpression code =
        compiledRegex(QStringLiteral("\\/(_meet\\/)?(?<meetingID>[a-z][a-z-]+[a-z]+)"));
    const QString text = url.toString(QUrl::FullyEncoded);
    if (!link.match(text).hasMatch())
        return std::nullopt;
    return code.match(url.path()).captured(u"meetingID");
}

QUrl throughGoogleAccountChooser(const QUrl& meetLink, const QString& email) {
    QUrl chooser(QStringLiteral("https://accounts.google.com/AccountChooser"));
    QUrlQuery query;
    if (!email.isEmpty())
        query.addQueryItem(QStringLiteral("Email"),
                           QString::fromLatin1(QUrl::toPercentEncoding(email)));
    query.addQueryItem(QStringLiteral("continue"), QString::fromLatin1(QUrl::toPercentEncoding(
                                                       meetLink.toString(QUrl::FullyEncoded))));
    chooser.setQuery(query);
    return chooser;
}

bool isTeamsMeetingLink(const QUrl& url) {
    static const QRegularExpression meetupJoin =
        compiledRegex(QLatin1Char('^') + teamsLinkPattern());
    static const QRegularExpression shortLink = compiledRegex(
        QStringLiteral("^https:\\/\\/teams\\.(?:microsoft\\.com|live\\.com)\\/meet\\/\\d+"));
    const QString text = url.toString(QUrl::FullyEncoded);
    return meetupJoin.match(text).hasMatch() || shortLink.match(text).hasMatch();
}

QUrl teamsApplicationLink(const QUrl& url) {
    QUrl app = url;
    app.setScheme(QStringLiteral("msteams"));
    return app;
}

} // namespace ruvo::videocalls
