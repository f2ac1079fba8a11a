// SPDX-License-Identifier: GPL-3.0-or-later
// Google Meet and Microsoft Teams meeting links, and the links that open them.
#pragma once

#include <QString>
#include <QUrl>
#include <optional>

namespace ruvo::videocalls {

// "https://meet.google.com/abc-defg-hij" (also under "/_meet/"): the meeting code, or
// nothing when `url` is no Meet link.
std::optional<QString> googleMeetCode(const QUrl& url);

// The Meet link through Google's account chooser, so the meeting opens in the account of
// the event's calendar: accounts.google.com/AccountChooser?Email=...&continue=LINK.
QUrl throughGoogleAccountChooser(const QUrl& meetLink, const QString& email);

// Teams meeting links: "https://teams.microsoft.com/l/meetup-join/..." (also on
// teams.microsoft.us and gov.teams.microsoft.us) and the short "/meet/NUMBER" form.
bool isTeamsMeetingLink(const QUrl& url);

// The same link with the scheme "msteams", which the desktop application opens.
QUrl teamsApplicationLink(const QUrl& url);

// The patterns as text, for the notes clean-up, which finds these links inside text.
QString googleMeetLinkPattern();
QString teamsLinkPattern();

} // namespace ruvo::videocalls
