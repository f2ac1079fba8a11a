// SPDX-License-Identifier: GPL-3.0-or-later
// Records what would have been opened; answers the scheme question from a set.
#pragma once

#include "platform/UrlOpener.h"

#include <QList>
#include <QStringList>

namespace ruvo::platform {

class FakeUrlOpener final : public UrlOpener {
public:
    QList<QUrl> opened;
    QStringList schemesWithApplication;

    bool open(const QUrl& url) override {
        if (!isOpenableScheme(url.scheme()))
            return false;
        opened << url;
        return true;
    }
    bool hasApplicationFor(const QString& scheme) const override {
        return schemesWithApplication.contains(scheme);
    }
};

} // namespace ruvo::platform
