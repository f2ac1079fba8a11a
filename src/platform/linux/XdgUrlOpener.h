// SPDX-License-Identifier: GPL-3.0-or-later
// Opens links with xdg-open (started directly, never through a shell) and answers the
// scheme question from GIO's registry of default handlers, the one the desktops share.
// xdg-open reports success before any handler runs, so open() only says that it started.
#pragma once

#include "platform/UrlOpener.h"

namespace ruvo::platform {

class XdgUrlOpener final : public UrlOpener {
public:
    explicit XdgUrlOpener(QString program = QStringLiteral("xdg-open"))
        : m_program(std::move(program)) {}

    bool open(const QUrl& url) override;
    bool hasApplicationFor(const QString& scheme) const override;

private:
    QString m_program;
};

} // namespace ruvo::platform
