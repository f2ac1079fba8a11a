// SPDX-License-Identifier: GPL-3.0-or-later
// Zoom links: the meeting number and password of every Zoom link form, and the desktop
// application's link for a meeting.
//   meetings  zoom.us/j/N, /s/N (start), /wc/join/N, /wc/N/join, /join?confno=N
//   webinars  /w/N           personal rooms  /my/NAME
// on zoom.us, zoom.com, zoomgov.com (government) and zoom.de, with any subdomain (vanity
// names such as acme.zoom.us, data centres such as us02web.zoom.us). The password is "pwd".
#pragma once

#include <QString>
#include <QUrl>
#include <optional>

namespace ruvo::videocalls {

struct ZoomLink {
    enum class Kind { meeting, webinar, personalRoom };
    Kind kind = Kind::meeting;
    QString host;          // lower case, as in the link
    QString meetingNumber; // digits; empty for a personal room
    QString password;      // empty when the link has none
    QString personalName;  // the room name of /my/NAME

    // "zoommtg://HOST/join?confno=N&pwd=P" (pwd only when there is one); nothing for a
    // personal room, which has no number to join by.
    std::optional<QUrl> applicationLink() const;
};

bool isZoomHost(const QString& host);
std::optional<ZoomLink> parseZoomLink(const QUrl& url);

// The Zoom detector's test: a meeting link (webinars and personal rooms are left to the
// "Zoom - Webinars" row of the service table).
inline bool isZoomMeetingLink(const QUrl& url) {
    const std::optional<ZoomLink> link = parseZoomLink(url);
    return link && link->kind == ZoomLink::Kind::meeting;
}

} // namespace ruvo::videocalls
