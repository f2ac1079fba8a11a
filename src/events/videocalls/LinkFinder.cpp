// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/videocalls/LinkFinder.h"

namespace ruvo::videocalls {

namespace {

bool isAsciiAlnum(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9');
}

bool isHostChar(QChar c) {
    return isAsciiAlnum(c) || c == u'-' || c == u'.';
}

// Characters that cannot be part of a link written in text.
bool isTerminator(QChar c) {
    switch (c.unicode()) {
    case u'<':
    case u'>':
    case u'"':
    case u'`':
    case u'{':
    case u'}':
    case u'|':
    case u'\\':
    case u'^':
        return true;
    default:
        return c.isSpace() || c.unicode() < 0x20 || c.unicode() == 0x7f;
    }
}

// A character before a link's first letter that lets the link start there.
bool isBoundaryBefore(QStringView text, qsizetype i) {
    if (i == 0)
        return true;
    const QChar c = text[i - 1];
    return !(isAsciiAlnum(c) || c == u'.' || c == u'-' || c == u'_' || c == u'@' || c == u'/' ||
             c == u'%' || c == u'&' || c == u'=' || c == u'?' || c == u'#' || c == u'+' ||
             c == u'~' || c.isLetter());
}

// Top-level domains for which a host written without a scheme counts as a link.
bool isKnownTopLevelDomain(QStringView label) {
    static const char* const known[] = {
        "com",  "net",  "org",  "edu",   "gov",  "mil",  "int", "io", "co", "us", "uk",
        "de",   "fr",   "it",   "es",    "nl",   "be",   "ch",  "at", "se", "no", "dk",
        "fi",   "pl",   "cz",   "ru",    "jp",   "cn",   "in",  "au", "ca", "br", "mx",
        "app",  "dev",  "me",   "ai",    "tv",   "info", "biz", "eu", "ly", "gg", "is",
        "link", "live", "chat", "video", "team", "so",   "ms"};
    for (const char* tld : known)
        if (label.compare(QLatin1String(tld), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

bool hostLooksClickable(QStringView host) {
    const qsizetype lastDot = host.lastIndexOf(u'.');
    if (lastDot <= 0 || lastDot == host.size() - 1 || host.contains(QLatin1String("..")))
        return false;
    if (host.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
        return true;
    return isKnownTopLevelDomain(host.mid(lastDot + 1));
}

qsizetype scanToTerminator(QStringView text, qsizetype from) {
    while (from < text.size() && !isTerminator(text[from]))
        ++from;
    return from;
}

// Cuts at an escaped quote or bracket of HTML text ("&quot;"), which ends an attribute.
qsizetype cutAtEntity(QStringView link) {
    if (!link.contains(u'&'))
        return link.size();
    static const QLatin1String ends[] = {QLatin1String("&quot;"), QLatin1String("&lt;"),
                                         QLatin1String("&gt;"),   QLatin1String("&#34;"),
                                         QLatin1String("&#39;"),  QLatin1String("&nbsp;")};
    qsizetype cut = link.size();
    for (const QLatin1String& e : ends) {
        const qsizetype at = link.indexOf(e, 0, Qt::CaseInsensitive);
        if (at >= 0 && at < cut)
            cut = at;
    }
    return cut;
}

// Drops trailing punctuation and closing brackets that have no opening one in the link. The
// brackets are counted once and the counts follow the cut, so a link ending in a long run of
// ")" costs one pass rather than one pass per bracket.
qsizetype trimTrailing(QStringView link, qsizetype minimum) {
    qsizetype end = link.size();
    qsizetype unmatchedParens = link.count(u')') - link.count(u'(');
    qsizetype unmatchedBrackets = link.count(u']') - link.count(u'[');
    while (end > minimum) {
        const QChar c = link[end - 1];
        if (QStringView(u".,;:!?'*").contains(c)) {
            --end;
        } else if (c == u')' && unmatchedParens > 0) {
            --unmatchedParens;
            --end;
        } else if (c == u']' && unmatchedBrackets > 0) {
            --unmatchedBrackets;
            --end;
        } else {
            break;
        }
    }
    return end;
}

std::optional<QUrl> toHttpUrl(QString text, bool hasScheme) {
    if (text.contains(u'&'))
        text.replace(QLatin1String("&amp;"), QLatin1String("&"), Qt::CaseInsensitive);
    if (!hasScheme)
        text.prepend(QLatin1String("https://"));
    QUrl url(text, QUrl::TolerantMode);
    const QString scheme = url.scheme();
    if (!url.isValid() || url.host().isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return std::nullopt;
    return url;
}

struct Span {
    qsizetype end = 0;
    bool hasScheme = false;
};

// The raw extent of a link starting at `i`, or nothing. `tokenEnd` is where a skip resumes.
std::optional<Span> linkAt(QStringView text, qsizetype i, qsizetype& tokenEnd) {
    qsizetype hostEnd = i;
    while (hostEnd < text.size() && isHostChar(text[hostEnd]))
        ++hostEnd;
    tokenEnd = hostEnd;
    const QStringView token = text.sliced(i, hostEnd - i);
    const QStringView rest = text.sliced(hostEnd);
    if ((token.compare(QLatin1String("http"), Qt::CaseInsensitive) == 0 ||
         token.compare(QLatin1String("https"), Qt::CaseInsensitive) == 0) &&
        rest.startsWith(QLatin1String("://"))) {
        const qsizetype end = scanToTerminator(text, hostEnd + 3);
        return end > hostEnd + 3 ? std::optional<Span>(Span{end, true}) : std::nullopt;
    }
    qsizetype trimmedHostEnd = hostEnd;
    while (trimmedHostEnd > i && text[trimmedHostEnd - 1] == u'.')
        --trimmedHostEnd;
    if (!hostLooksClickable(text.sliced(i, trimmedHostEnd - i)))
        return std::nullopt;
    if (trimmedHostEnd == hostEnd && !rest.isEmpty() && QStringView(u"/?#:").contains(rest[0]))
        return Span{scanToTerminator(text, hostEnd), false};
    return Span{trimmedHostEnd, false};
}

} // namespace

std::vector<FoundLink> findLinks(QStringView text) {
    std::vector<FoundLink> links;
    qsizetype i = 0;
    while (i < text.size()) {
        if (!isAsciiAlnum(text[i]) || !isBoundaryBefore(text, i)) {
            ++i;
            continue;
        }
        qsizetype tokenEnd = i + 1;
        const std::optional<Span> span = linkAt(text, i, tokenEnd);
        if (!span) {
            i = std::max(tokenEnd, i + 1);
            continue;
        }
        QStringView raw = text.sliced(i, span->end - i);
        raw = raw.first(cutAtEntity(raw));
        raw = raw.first(trimTrailing(raw, span->hasScheme ? 8 : 1));
        if (auto url = toHttpUrl(raw.toString(), span->hasScheme))
            links.push_back(FoundLink{i, raw.size(), std::move(*url)});
        i = std::max(span->end, i + 1);
    }
    return links;
}

// The tags that the pattern "<br[^>]*\/?>" matches (case-insensitively), found by hand:
// this runs over every event's notes.
QString replacingLineBreakTags(const QString& notes) {
    QString text;
    qsizetype copied = 0;
    for (qsizetype at = notes.indexOf(u'<'); at >= 0; at = notes.indexOf(u'<', at + 1)) {
        if (at + 3 >= notes.size() || notes[at + 1].toLower() != u'b' ||
            notes[at + 2].toLower() != u'r')
            continue;
        const qsizetype close = notes.indexOf(u'>', at + 3);
        if (close < 0)
            break;
        text += QStringView(notes).sliced(copied, at - copied);
        text += u'\n';
        copied = close + 1;
        at = close;
    }
    if (copied == 0)
        return notes;
    text += QStringView(notes).sliced(copied);
    return text;
}

} // namespace ruvo::videocalls
