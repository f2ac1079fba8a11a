// SPDX-License-Identifier: GPL-3.0-or-later
// Opening links in the desktop's handler, and asking whether some application handles a
// URL scheme ("zoommtg", "msteams", ...). Calendar data is untrusted: only the schemes of
// isOpenableScheme() are ever opened; anything else is refused by every implementation.
#pragma once

#include <QString>
#include <QUrl>

namespace ruvo::platform {

// http, https and the meeting applications' own schemes.
inline bool isOpenableScheme(const QString& scheme) {
    static const QLatin1String allowed[] = {QLatin1String("http"),    QLatin1String("https"),
                                            QLatin1String("zoommtg"), QLatin1String("msteams"),
                                            QLatin1String("chime"),   QLatin1String("jitsi-meet"),
                                            QLatin1String("slack")};
    for (const QLatin1String& s : allowed)
        if (scheme.compare(s, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    // Hands `url` to the desktop; false when it was refused or could not be handed over
    // (handlers start asynchronously: true does not mean that one ran).
    virtual bool open(const QUrl& url) = 0;
    // Whether an application is registered for `scheme` (lower case, without ":").
    virtual bool hasApplicationFor(const QString& scheme) const = 0;
};

} // namespace ruvo::platform
