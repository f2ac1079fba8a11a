// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/XdgUrlOpener.h"

#include <QLoggingCategory>
#include <QProcess>
#include <gio/gio.h>

Q_LOGGING_CATEGORY(lcUrlOpener, "ruvo.platform.urls")

namespace ruvo::platform {

bool XdgUrlOpener::open(const QUrl& url) {
    if (!url.isValid() || !isOpenableScheme(url.scheme())) {
        qCWarning(lcUrlOpener) << "refused to open a link with the scheme" << url.scheme();
        return false;
    }
    const QString text = url.toString(QUrl::FullyEncoded);
    if (!QProcess::startDetached(m_program, {text})) {
        qCWarning(lcUrlOpener) << "cannot start" << m_program << "to open" << url.host();
        return false;
    }
    return true;
}

bool XdgUrlOpener::hasApplicationFor(const QString& scheme) const {
    const QByteArray name = scheme.toLower().toUtf8();
    GAppInfo* info = g_app_info_get_default_for_uri_scheme(name.constData());
    if (!info)
        return false;
    g_object_unref(info);
    return true;
}

} // namespace ruvo::platform
