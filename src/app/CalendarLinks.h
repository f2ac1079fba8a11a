// SPDX-License-Identifier: GPL-3.0-or-later
// Calendars handed to the running program to open (a file manager's "Open With", a webcal
// link in the browser): iCalendar files and webcal links are imported, the rest is skipped.
#pragma once

#include "kit/Result.h"
#include "platform/CalendarStore.h"

#include <QStringList>
#include <QUrl>
#include <functional>

namespace ruvo::app {

struct CalendarLink {
    enum class Kind { file, download, unsupported };
    Kind kind = Kind::unsupported;
    QString file; // Kind::file: the local path
    QUrl url;     // Kind::download: the http or https address
};

// A local "file:" URI of an .ics file, or a "webcal:"/"webcals:" link (fetched over https).
CalendarLink calendarLink(const QString& uri);

class CalendarLinks {
public:
    struct Dependencies {
        // Copies an iCalendar file into the default calendars.
        std::function<kit::Result<platform::ImportReport>(const QString& path)> importFile;
        // Copies downloaded iCalendar text into the default calendars.
        std::function<kit::Result<platform::ImportReport>(const QByteArray& text)> importText;
        // Fetches an http or https address; `done` gets the body or why not.
        std::function<void(const QUrl& url, std::function<void(kit::Result<QByteArray>)> done)>
            fetch;
        // Tells the user how an import went (a desktop notification).
        std::function<void(const QString& summary, const QString& body)> tell;
    };

    explicit CalendarLinks(Dependencies dependencies) : m_dependencies(std::move(dependencies)) {}

    // Imports each calendar among `uris`, each on its own; the rest is logged and skipped.
    void open(const QStringList& uris);

private:
    void report(const QString& source, const kit::Result<platform::ImportReport>& result);

    Dependencies m_dependencies;
};

// Copies iCalendar text into the default calendars of `store`, through a file of its own.
kit::Result<platform::ImportReport> importCalendarText(platform::CalendarStore& store,
                                                       const QByteArray& text);

} // namespace ruvo::app
