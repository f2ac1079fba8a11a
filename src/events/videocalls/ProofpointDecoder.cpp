// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/videocalls/ProofpointDecoder.h"

#include <QUrlQuery>

namespace ruvo::videocalls {

namespace {

QString queryValue(const QUrl& url, const char* name) {
    return QUrlQuery(url).queryItemValue(QLatin1String(name), QUrl::FullyDecoded);
}

std::optional<QString> decodeVersion2(const QUrl& url) {
    QString encoded = queryValue(url, "u");
    if (encoded.isEmpty())
        return std::nullopt;
    encoded.replace(u'-', u'%').replace(u'_', u'/');
    return QUrl::fromPercentEncoding(encoded.toUtf8());
}

// In v3 a run of replaced characters is "**" followed by its length - 2 in this alphabet.
constexpr QLatin1String
    kRunLengths("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_");

std::optional<QString> decodeVersion3(const QString& text) {
    const qsizetype begin = text.indexOf(QLatin1String("/v3/__"));
    if (begin < 0)
        return std::nullopt;
    const qsizetype bodyStart = begin + 6;
    const qsizetype bodyEnd = text.lastIndexOf(QLatin1String("__;"));
    if (bodyEnd < bodyStart)
        return std::nullopt;
    const QStringView body = QStringView(text).sliced(bodyStart, bodyEnd - bodyStart);
    qsizetype codesEnd = text.indexOf(u'!', bodyEnd + 3);
    if (codesEnd < 0)
        codesEnd = text.size();
    const QByteArray codes = text.mid(bodyEnd + 3, codesEnd - bodyEnd - 3).toLatin1();
    const QString replaced =
        QString::fromUtf8(QByteArray::fromBase64(codes, QByteArray::Base64UrlEncoding));

    QString decoded;
    qsizetype next = 0; // the next unused replaced character
    for (qsizetype i = 0; i < body.size(); ++i) {
        if (body[i] != u'*') {
            decoded += body[i];
            continue;
        }
        qsizetype count = 1;
        if (i + 2 < body.size() && body[i + 1] == u'*') {
            const qsizetype run = kRunLengths.indexOf(body[i + 2]);
            if (run < 0)
                return std::nullopt;
            count = run + 2;
            i += 2;
        }
        if (next + count > replaced.size())
            return std::nullopt;
        decoded += replaced.mid(next, count);
        next += count;
    }
    return decoded;
}

} // namespace

std::optional<QString> decodeProofpoint(const QUrl& url) {
    const QString path = url.path();
    if (path == QLatin1String("/v1/url")) {
        const QString target = queryValue(url, "u");
        return target.isEmpty() ? std::nullopt : std::optional<QString>(target);
    }
    if (path == QLatin1String("/v2/url"))
        return decodeVersion2(url);
    if (path.startsWith(QLatin1String("/v3/__")))
        return decodeVersion3(url.toString(QUrl::FullyEncoded));
    return std::nullopt;
}

} // namespace ruvo::videocalls
