// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/videocalls/VideoCallService.h"

namespace ruvo::videocalls {

QString matchingText(const QUrl& candidate) {
    QString text = candidate.toString(QUrl::FullyEncoded);
    const QString scheme = candidate.scheme();
    if (!scheme.isEmpty() && text.startsWith(scheme))
        text.remove(0, scheme.size() + 1); // with its ":"
    if (text.startsWith(QLatin1String("//")))
        text.remove(0, 2);
    if (text.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
        text.remove(0, 4);
    return text;
}

QStringList pathComponents(const QUrl& url) {
    const QString path = url.path();
    if (path.isEmpty())
        return {};
    QStringList components{QStringLiteral("/")};
    components += path.split(u'/', Qt::SkipEmptyParts);
    return components;
}

Candidate Candidate::from(const QUrl& url) {
    return Candidate{url, matchingText(url)};
}

std::optional<VideoCallService::Match> matchVideoCallService(const QUrl& link,
                                                             const platform::UrlOpener& apps) {
    const Candidate candidate = Candidate::from(link);
    for (const VideoCallService& service : allVideoCallServices())
        if (std::optional<QUrl> url = service.url(candidate, apps))
            return VideoCallService::Match{std::move(*url), service.title};
    return std::nullopt;
}

} // namespace ruvo::videocalls
