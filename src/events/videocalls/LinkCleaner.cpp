// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/videocalls/LinkCleaner.h"

#include "events/videocalls/ProofpointDecoder.h"
#include "events/videocalls/Regex.h"

#include <QUrlQuery>

namespace ruvo::videocalls {

namespace {

constexpr int kMaxDepth = 8;

bool isDomainOrSubdomain(const QString& host, QLatin1String domain) {
    return host == domain || (host.endsWith(domain) && host.size() > domain.size() &&
                              host[host.size() - domain.size() - 1] == u'.');
}

QString queryValue(const QUrl& url, const char* name) {
    return QUrlQuery(url).queryItemValue(QLatin1String(name), QUrl::FullyDecoded);
}

std::optional<QUrl> linkFromText(const QString& text) {
    if (text.isEmpty())
        return std::nullopt;
    QUrl target(text, QUrl::TolerantMode);
    if (target.scheme().isEmpty() && !text.startsWith(u'/'))
        target = QUrl(QStringLiteral("https://") + text, QUrl::TolerantMode);
    if (!target.isValid() || target.host().isEmpty())
        return std::nullopt;
    return target;
}

std::optional<QUrl> fromParameter(const QUrl& url, const char* name) {
    return linkFromText(queryValue(url, name));
}

// Cloud App Security proxies a site under its own host: "zoom.us.mcas.ms".
const QRegularExpression& proxySuffix() {
    static const QRegularExpression suffix = compiledRegex(QStringLiteral(
        "\\.(?:mcas\\.ms|mcas-df\\.ms|mcas-gov\\.us|mcas-gov\\.ms|(?:us2?|us3|eu2?)\\.cas\\.ms)$"));
    return suffix;
}

bool isSafeLinksHost(const QString& host) {
    static const QRegularExpression safeLinks = compiledRegex(
        QStringLiteral("(?:^|\\.)safelinks\\.protection\\.(?:outlook\\.com|office365\\.us)"
                       "(?:\\.(?:mcas\\.ms|mcas-df\\.ms|mcas-gov\\.us|mcas-gov\\.ms|(?:us2?|us3|"
                       "eu2?)\\.cas\\.ms))?$"));
    return safeLinks.match(host).hasMatch();
}

std::optional<QUrl> outlookSafeLinks(const QUrl& url) {
    const QString host = url.host();
    if (isSafeLinksHost(host))
        return fromParameter(url, "url");
    if (host == QLatin1String("statics.teams.cdn.office.net") &&
        url.path().contains(QLatin1String("safelinks"), Qt::CaseInsensitive))
        return fromParameter(url, "url");
    return std::nullopt;
}

std::optional<QUrl> cloudAppSecurityProxy(const QUrl& url) {
    const QRegularExpressionMatch m = proxySuffix().match(url.host());
    if (!m.hasMatch() || m.capturedStart() == 0)
        return std::nullopt;
    QUrl inner = url;
    inner.setHost(url.host().left(m.capturedStart()));
    return inner.isValid() ? std::optional<QUrl>(inner) : std::nullopt;
}

std::optional<QUrl> youtube(const QUrl& url) {
    if (isDomainOrSubdomain(url.host(), QLatin1String("youtube.com")) &&
        url.path() == QLatin1String("/redirect"))
        return fromParameter(url, "q");
    return std::nullopt;
}

std::optional<QUrl> facebook(const QUrl& url) {
    const QString host = url.host();
    if (host == QLatin1String("l.facebook.com") || host == QLatin1String("lm.facebook.com"))
        return fromParameter(url, "u");
    if (isDomainOrSubdomain(host, QLatin1String("facebook.com")) &&
        url.path().startsWith(QLatin1String("/flx/warn")))
        return fromParameter(url, "u");
    return std::nullopt;
}

std::optional<QUrl> twitter(const QUrl& url) {
    const QString host = url.host();
    if ((isDomainOrSubdomain(host, QLatin1String("twitter.com")) ||
         isDomainOrSubdomain(host, QLatin1String("x.com"))) &&
        url.path().startsWith(QLatin1String("/i/redirect")))
        return fromParameter(url, "url");
    return std::nullopt;
}

std::optional<QUrl> googleRedirect(const QUrl& url) {
    static const QRegularExpression host =
        compiledRegex(QStringLiteral("^(?:www\\.)?google(?:\\.[a-z]{2,3}){1,2}$"));
    if (!host.match(url.host()).hasMatch() || url.path() != QLatin1String("/url"))
        return std::nullopt;
    if (auto target = fromParameter(url, "q"))
        return target;
    return fromParameter(url, "url");
}

std::optional<QUrl> googleAccountChooser(const QUrl& url) {
    if (url.host() != QLatin1String("accounts.google.com") ||
        !url.path().contains(QLatin1String("accountchooser"), Qt::CaseInsensitive))
        return std::nullopt;
    return fromParameter(url, "continue");
}

std::optional<QUrl> barracuda(const QUrl& url) {
    if (!isDomainOrSubdomain(url.host(), QLatin1String("linkprotect.cudasvc.com")))
        return std::nullopt;
    return fromParameter(url, "a");
}

std::optional<QUrl> proofpoint(const QUrl& url) {
    const QString host = url.host();
    if (host == QLatin1String("urldefense.proofpoint.com") ||
        host == QLatin1String("urldefense.com")) {
        if (auto text = decodeProofpoint(url))
            return linkFromText(*text);
    }
    return std::nullopt;
}

std::optional<QUrl> figma(const QUrl& url) {
    const QString path = url.path();
    if (isDomainOrSubdomain(url.host(), QLatin1String("figma.com")) &&
        (path == QLatin1String("/exit") || path == QLatin1String("/exit/")))
        return fromParameter(url, "url");
    return std::nullopt;
}

// Postmark's tracked links carry the target, percent-encoded, as one path component:
// "https://click.pstmrk.it/3s/zoom.us%2Fj%2F123/abc/def".
std::optional<QUrl> postmark(const QUrl& url) {
    static const QRegularExpression path =
        compiledRegex(QStringLiteral("^/\\d+[a-z]*/(?<url>[^/]+?)(?:/|$)"));
    if (url.host() != QLatin1String("click.pstmrk.it"))
        return std::nullopt;
    const QRegularExpressionMatch m = path.match(url.path(QUrl::FullyEncoded));
    if (!m.hasMatch())
        return std::nullopt;
    return linkFromText(QUrl::fromPercentEncoding(m.captured(u"url").toUtf8()));
}

// A quick test that rules out most links before the unwrappers look at them: every wrapper
// host contains one of these.
bool mayBeRedirector(const QString& host) {
    static const QLatin1String marks[] = {
        QLatin1String("youtube."),   QLatin1String("facebook."),  QLatin1String("twitter."),
        QLatin1String("x.com"),      QLatin1String("google."),    QLatin1String("safelinks"),
        QLatin1String("office.net"), QLatin1String("cas.ms"),     QLatin1String("mcas"),
        QLatin1String("cudasvc."),   QLatin1String("urldefense"), QLatin1String("figma."),
        QLatin1String("pstmrk.")};
    for (const QLatin1String& mark : marks)
        if (host.contains(mark))
            return true;
    return false;
}

using Unwrapper = std::optional<QUrl> (*)(const QUrl&);
constexpr Unwrapper kUnwrappers[] = {youtube,
                                     facebook,
                                     twitter,
                                     googleRedirect,
                                     googleAccountChooser,
                                     outlookSafeLinks,
                                     cloudAppSecurityProxy,
                                     barracuda,
                                     proofpoint,
                                     figma,
                                     postmark};

} // namespace

bool isWebLink(const QUrl& url) {
    const QString scheme = url.scheme();
    return scheme.compare(QLatin1String("http"), Qt::CaseInsensitive) == 0 ||
           scheme.compare(QLatin1String("https"), Qt::CaseInsensitive) == 0;
}

std::optional<QUrl> unwrapRedirector(const QUrl& url) {
    if (!url.isValid() || !mayBeRedirector(url.host()))
        return std::nullopt;
    for (Unwrapper unwrap : kUnwrappers)
        if (auto target = unwrap(url))
            return isWebLink(*target) ? target : std::nullopt;
    return std::nullopt;
}

QUrl unwrapRedirectors(const QUrl& url) {
    QUrl current = url;
    for (int depth = 0; depth < kMaxDepth; ++depth) {
        std::optional<QUrl> inner = unwrapRedirector(current);
        if (!inner || *inner == current)
            break;
        current = std::move(*inner);
    }
    return current;
}

QUrl LinkCleaner::clean(const QUrl& url) {
    if (!mayBeRedirector(url.host()))
        return url; // nothing to unwrap, nothing worth remembering
    if (auto cached = m_cache.find(url))
        return *cached;
    QUrl cleaned = unwrapRedirectors(url);
    m_cache.insert(url, cleaned);
    return cleaned;
}

} // namespace ruvo::videocalls
