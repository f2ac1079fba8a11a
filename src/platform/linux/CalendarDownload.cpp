// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/CalendarDownload.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <memory>

namespace ruvo::platform {

namespace {

bool isWebScheme(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https");
}

QString tooLarge(const QUrl& url, qint64 maxBytes) {
    return QCoreApplication::translate("CalendarDownload",
                                       "The calendar at %1 is larger than %2 MB.")
        .arg(url.toDisplayString())
        .arg(maxBytes / (1024 * 1024));
}

} // namespace

void downloadCalendar(QNetworkAccessManager& network, const QUrl& url, QObject* context,
                      std::function<void(kit::Result<QByteArray>)> done, DownloadLimits limits) {
    if (!isWebScheme(url)) {
        done(kit::fail(QCoreApplication::translate("CalendarDownload",
                                                   "Only http and https links are opened: %1")
                           .arg(url.toDisplayString())));
        return;
    }
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(limits.maxRedirects);
    request.setTransferTimeout(limits.stallTimeoutMs);
    QNetworkReply* reply = network.get(request);
    auto body = std::make_shared<QByteArray>();
    auto isTooLarge = std::make_shared<bool>(false);
    QObject::connect(reply, &QNetworkReply::redirected, reply, [reply](const QUrl& target) {
        if (!isWebScheme(target))
            reply->abort();
    });
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [=] {
        *body += reply->readAll();
        if (body->size() > limits.maxBytes) {
            *isTooLarge = true;
            reply->abort();
        }
    });
    QObject::connect(reply, &QNetworkReply::finished, context, [=, done = std::move(done)] {
        reply->deleteLater();
        if (*isTooLarge)
            done(kit::fail(tooLarge(url, limits.maxBytes)));
        else if (reply->error() != QNetworkReply::NoError)
            done(kit::fail(reply->errorString()));
        else
            done(*body + reply->readAll());
    });
}

} // namespace ruvo::platform
