// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CalendarLinks.h"

#include "app/AppLog.h"
#include "cli/ImportSummary.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace ruvo::app {

namespace {

// How many links one call opens; a launcher handing over more is not asking a person.
constexpr int kMaxLinks = 20;

QString importTitle() {
    return QCoreApplication::translate("CalendarLinks", "Calendar import");
}

} // namespace

CalendarLink calendarLink(const QString& uri) {
    const QUrl url(uri, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid())
        return {};
    if (scheme == QLatin1String("file")) {
        const bool isLocal = url.host().isEmpty() || url.host() == QLatin1String("localhost");
        QUrl local = url;
        local.setHost(QString());
        const QString path = local.toLocalFile();
        if (!isLocal ||
            QFileInfo(path).suffix().compare(QLatin1String("ics"), Qt::CaseInsensitive) != 0)
            return {};
        return {CalendarLink::Kind::file, path, {}};
    }
    if ((scheme == QLatin1String("webcal") || scheme == QLatin1String("webcals")) &&
        !url.host().isEmpty() && url.userInfo().isEmpty()) {
        QUrl https = url;
        https.setScheme(QStringLiteral("https"));
        return {CalendarLink::Kind::download, {}, https};
    }
    return {};
}

void CalendarLinks::open(const QStringList& uris) {
    for (const QString& uri : uris.mid(0, kMaxLinks)) {
        const CalendarLink link = calendarLink(uri);
        switch (link.kind) {
        case CalendarLink::Kind::file:
            report(link.file, m_dependencies.importFile(link.file));
            break;
        case CalendarLink::Kind::download:
            m_dependencies.fetch(link.url, [this, url = link.url](kit::Result<QByteArray> body) {
                const QString source = url.toDisplayString();
                if (!body)
                    report(source, kit::fail(body.error()));
                else
                    report(source, m_dependencies.importText(*body));
            });
            break;
        case CalendarLink::Kind::unsupported:
            qCInfo(lcApp) << "Skipping" << uri
                          << "handed over to open: not a calendar file or link";
            break;
        }
    }
    if (uris.size() > kMaxLinks)
        qCWarning(lcApp) << "Skipping" << uris.size() - kMaxLinks << "more links handed over";
}

void CalendarLinks::report(const QString& source,
                           const kit::Result<platform::ImportReport>& result) {
    if (!result) {
        qCWarning(lcApp) << "Could not import" << source << ":" << result.error();
        m_dependencies.tell(
            QCoreApplication::translate("CalendarLinks", "Could not import %1").arg(source),
            result.error());
        return;
    }
    QStringList lines{cli::importSummary(*result, source)};
    for (const auto& note : result->notes)
        if (note.isError && lines.size() < 4)
            lines << note.text;
    qCInfo(lcApp).noquote() << lines.join(QLatin1Char('\n'));
    m_dependencies.tell(importTitle(), lines.join(QLatin1Char('\n')));
}

kit::Result<platform::ImportReport> importCalendarText(platform::CalendarStore& store,
                                                       const QByteArray& text) {
    QTemporaryFile file(QDir::tempPath() + QStringLiteral("/ruvo-import-XXXXXX.ics"));
    if (!file.open() || file.write(text) != text.size() || !file.flush())
        return kit::fail(file.errorString());
    return store.importFile(file.fileName(), QString());
}

} // namespace ruvo::app
