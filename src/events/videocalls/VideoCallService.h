// SPDX-License-Identifier: GPL-3.0-or-later
// One row of the table of video-call services: a title, the operation that accepts a
// candidate link (and may rewrite it for the service's desktop application), and sample
// links that the row must and must not accept, run by the table's self-test.
#pragma once

#include "platform/UrlOpener.h"

#include <QStringList>
#include <QUrl>
#include <functional>
#include <optional>
#include <vector>

namespace ruvo::videocalls {

// A candidate link with the text that rows match against (see matchingText()), made once
// per link rather than once per row.
struct Candidate {
    QUrl url;
    QString text;
    static Candidate from(const QUrl& url);
};

struct VideoCallService {
    using UrlOperation = std::function<std::optional<QUrl>(const Candidate& candidate,
                                                           const platform::UrlOpener& apps)>;

    QString title;
    UrlOperation url; // nothing: not this service; else the link that joins
    QStringList fixturesPass;
    QStringList fixturesFail;

    struct Match {
        QUrl url;
        std::optional<QString> name;
    };
};

// The ordered table; built once, on first use, and never changed.
const std::vector<VideoCallService>& allVideoCallServices();

// The first row (in table order) that accepts `candidate`.
std::optional<VideoCallService::Match> matchVideoCallService(const QUrl& candidate,
                                                             const platform::UrlOpener& apps);

// The text rows match against: the link without its scheme, "://" and a leading "www.".
QString matchingText(const QUrl& candidate);

// Swift-style path components: "/" first, then each non-empty segment ("/join/1" -> 3).
QStringList pathComponents(const QUrl& url);

} // namespace ruvo::videocalls
