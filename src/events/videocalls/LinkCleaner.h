// SPDX-License-Identifier: GPL-3.0-or-later
// Unwraps links that go through mail-safety and tracking redirectors (Outlook Safe Links,
// Proofpoint, Google's redirect, ...) to the link they carry, repeatedly when one wrapper
// wraps another, so that a wrapped meeting link is still recognised.
#pragma once

#include "events/videocalls/BoundedCache.h"

#include <QUrl>

namespace ruvo::videocalls {

// Whether `url` is an http or https link: the only kind a stranger's text may carry to us.
// Links to meeting applications are made by our own rewrites of recognised web links.
bool isWebLink(const QUrl& url);

// One unwrapping step: the carried link, or nothing when `url` is not a known wrapper or
// carries anything but a web link (a wrapped "smb:" or "msteams:" link stays wrapped).
std::optional<QUrl> unwrapRedirector(const QUrl& url);

// Unwraps until the link is no wrapper (at most a few levels deep).
QUrl unwrapRedirectors(const QUrl& url);

// unwrapRedirectors() with its answers kept per link (for links that may be wrapped).
class LinkCleaner {
public:
    explicit LinkCleaner(std::size_t capacity = 8192) : m_cache(capacity) {}

    QUrl clean(const QUrl& url);
    std::size_t cachedCount() const { return m_cache.size(); }
    void clear() { m_cache.clear(); }

private:
    BoundedCache<QUrl, QUrl> m_cache;
};

} // namespace ruvo::videocalls
