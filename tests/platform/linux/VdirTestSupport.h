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

    // How long the stores opened from now on trust an unchanged folder (none by default).
    void trustFolders(std::chrono::seconds period) { m_folderTrust = period; }

private:
    QTemporaryDir m_dir;
    QString m_zone;
    std::chrono::seconds m_folderTrust{0};
};

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
