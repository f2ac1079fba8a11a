// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/videocalls/ZoomLink.h"

#include <QUrlQuery>

namespace ruvo::videocalls {

namespace {

bool isDigits(const QString& text) {
    if (text.isEmpty())
        return false;
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

std::optional<std::pair<ZoomLink::Kind, QString>> numberFromPath(const QStringList& parts,
                                                                 const QUrlQuery& query) {
    using K = ZoomLink::Kind;
    const auto is = [&](qsizetype i, const char* text) {
        return parts.size() > i && parts[i] == QLatin1String(text);
    };
    if (parts.size() >= 2 && (is(0, "j") || is(0, "s")) && isDigits(parts[1]))
        return std::pair{K::meeting, parts[1]};
    if (parts.size() >= 2 && is(0, "w") && isDigits(parts[1]))
        return std::pair{K::webinar, parts[1]};
    if (parts.size() >= 2 && is(0, "my"))
        return std::pair{K::personalRoom, parts[1]};
    if (parts.size() >= 3 && is(0, "wc") && is(1, "join") && isDigits(parts[2]))
        return std::pair{K::meeting, parts[2]};
    if (parts.size() >= 3 && is(0, "wc") && isDigits(parts[1]) && (is(2, "join") || is(2, "start")))
        return std::pair{K::meeting, parts[1]};
    const QString confno = query.queryItemValue(QStringLiteral("confno"));
    if (parts.size() == 1 && is(0, "join") && isDigits(confno))
        return std::pair{K::meeting, confno};
    return std::nullopt;
}

} // namespace

bool isZoomHost(const QString& rawHost) {
    QString host = rawHost.toLower();
    if (host.startsWith(QLatin1String("www.")))
        host.remove(0, 4);
    static const QLatin1String domains[] = {QLatin1String("zoom.us"), QLatin1String("zoom.com"),
                                            QLatin1String("zoomgov.com"), QLatin1String("zoom.de")};
    for (const QLatin1String& d : domains)
        if (host == d || (host.endsWith(d) && host[host.size() - d.size() - 1] == u'.'))
            return true;
    return false;
}

std::optional<ZoomLink> parseZoomLink(const QUrl& url) {
    if (!isZoomHost(url.host()))
        return std::nullopt;
    const QUrlQuery query(url);
    const QStringList parts = url.path().split(u'/', Qt::SkipEmptyParts);
    const auto found = numberFromPath(parts, query);
    if (!found)
        return std::nullopt;
    ZoomLink link;
    link.kind = found->first;
    link.host = url.host().toLower();
    if (link.kind == ZoomLink::Kind::personalRoom)
        link.personalName = found->second;
    else
        link.meetingNumber = found->second;
    link.password = query.queryItemValue(QStringLiteral("pwd"), QUrl::FullyDecoded);
    return link;
}

std::optional<QUrl> ZoomLink::applicationLink() const {
    if (meetingNumber.isEmpty())
        return std::nullopt;
    QUrl app;
    app.setScheme(QStringLiteral("zoommtg"));
    app.setHost(host.isEmpty() ? QStringLiteral("zoom.us") : host);
    app.setPath(QStringLiteral("/join"));
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("confno"), meetingNumber);
    if (!password.isEmpty())
        query.addQueryItem(QStringLiteral("pwd"),
                           QString::fromLatin1(QUrl::toPercentEncoding(password)));
    app.setQuery(query);
    return app;
}

} // namespace ruvo::videocalls
