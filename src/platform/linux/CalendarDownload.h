// SPDX-License-Identifier: GPL-3.0-or-later
// Fetches a calendar a link points to, with the bounds a stranger's server gets: http and
// https only (also after a redirect, and never from https down to http), a few redirects, a
// size limit and a time limit without progress.
#pragma once

#include "kit/Result.h"

#include <QByteArray>
#include <QUrl>
#include <functional>

class QNetworkAccessManager;
class QObject;

namespace ruvo::platform {

struct DownloadLimits {
    qint64 maxBytes = 20 * 1024 * 1024;
    int maxRedirects = 5;
    int stallTimeoutMs = 30000; // without a byte arriving
};

// Starts the download; `done` gets the body or a text saying why not, once, unless `context`
// goes first.
void downloadCalendar(QNetworkAccessManager& network, const QUrl& url, QObject* context,
                      std::function<void(kit::Result<QByteArray>)> done,
                      DownloadLimits limits = {});

} // namespace ruvo::platform
