// SPDX-License-Identifier: GPL-3.0-or-later
// A vdir store in a temporary folder for the tests: write .ics files, load, query.
#pragma once

#include "TestSupport.h"
#include "platform/linux/VdirCalendarStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace ruvo::test {

inline QByteArray calendarText(const char* components) {
    return QByteArray("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//EN\r\n") + components +
           "END:VCALENDAR\r\n";
}

// A query's window written as an ISO 8601 interval, "start/end".
inline platform::DateRange interval(const char* text) {
    const QList<QByteArray> ends = QByteArray(text).split('/');
    return {at(ends.value(0).constData()), at(ends.value(1).constData())};
}

class TempVdir {
public:
    explicit TempVdir(QString zone = QStringLiteral("UTC")) : m_zone(std::move(zone)) {
        QDir().mkpath(folder());
        QDir().mkpath(config());
    }

    QString root() const { return m_dir.path(); }
    QString folder() const { return m_dir.path() + QStringLiteral("/vdir/work"); }
    QString config() const { return m_dir.path() + QStringLiteral("/config"); }
    QString cacheFile() const { return m_dir.path() + QStringLiteral("/cache/calendars.sqlite"); }

    void write(const QString& name, const QByteArray& bytes, const QString& in = {}) const {
        QFile f((in.isEmpty() ? folder() : in) + QLatin1Char('/') + name);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            qFatal("cannot write a test file");
    }

    // A store over the default store and the test folder, with `emails` as the user's.
    std::unique_ptr<platform::vdir::VdirCalendarStore> open(const QStringList& emails = {},
                                                            kit::Scheduler* scheduler = nullptr,
                                                            const kit::Clock* clock = nullptr,
                                                            bool readOnly = false) const {
        (void)platform::vdir::writeSources(platform::vdir::sourcesFilePath(config()),
                                           {{folder(), emails, readOnly}});
        platform::vdir::VdirStoreOptions options;
        options.configDirectory = config();
        options.defaultDirectory = root() + QStringLiteral("/default");
        options.cacheFile = cacheFile();
        options.timeZoneId = m_zone;
        options.scheduler = scheduler;
        options.clock = clock;
        options.folderTrust = m_folderTrust;
        auto store = std::make_unique<platform::vdir::VdirCalendarStore>(options);
        if (!store->load())
            qFatal("cannot load the test store");
        return store;
    }

    // The bytes of the test folder's file `name`, "<missing>" when there is none.
    QByteArray read(const QString& name) const {
        QFile f(folder() + QLatin1Char('/') + name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

    // How long the stores opened from now on trust an unchanged folder (none by default).
    void trustFolders(std::chrono::seconds period) { m_folderTrust = period; }

private:
    QTemporaryDir m_dir;
    QString m_zone;
    std::chrono::seconds m_folderTrust{0};
};

// New York's zone as calendars carry it: EDT (UTC-4) from the second Sunday of March, EST
// (UTC-5) from the first Sunday of November (2026-11-01).
inline const char* const kNewYorkZone =
    "BEGIN:VTIMEZONE\r\nTZID:America/New_York\r\n"
    "BEGIN:DAYLIGHT\r\nTZOFFSETFROM:-0500\r\nTZOFFSETTO:-0400\r\n"
    "DTSTART:19700308T020000\r\nRRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=2SU\r\n"
    "END:DAYLIGHT\r\nBEGIN:STANDARD\r\nTZOFFSETFROM:-0400\r\n"
    "TZOFFSETTO:-0500\r\nDTSTART:19701101T020000\r\n"
    "RRULE:FREQ=YEARLY;BYMONTH=11;BYDAY=1SU\r\nEND:STANDARD\r\n"
    "END:VTIMEZONE\r\n";

// The occurrence of `events` whose occurrence date is `iso`, or none.
inline const platform::Event* occurrenceAt(const std::vector<platform::Event>& events,
                                           const char* iso) {
    for (const auto& e : events)
        if (e.occurrenceDate() == at(iso))
            return &e;
    return nullptr;
}

// "start/end", with "@occurrence" when an override moved the occurrence.
inline QString describe(const platform::Event& e) {
    QString text = kit::formatIsoUtc(e.start()) + QLatin1Char('/') + kit::formatIsoUtc(e.end());
    if (e.occurrenceDate() != e.start())
        text += QLatin1Char('@') + kit::formatIsoUtc(e.occurrenceDate());
    return text;
}

inline QStringList describe(const std::vector<platform::Event>& events) {
    QStringList list;
    for (const auto& e : events)
        list << describe(e);
    return list;
}

} // namespace ruvo::test
