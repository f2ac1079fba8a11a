// SPDX-License-Identifier: GPL-3.0-or-later
// The process scripts/crash-loop kills at random moments, and the check it runs after each kill.
//   crash-writer run DIR    writes generation after generation until killed: the settings file,
//                           a new event (dropping those ten generations old), one occurrence of a
//                           daily series deleted, the calendar cache rewritten with each change
//   crash-writer check DIR  every file parses, each holds the old or the new generation, and the
//                           store read through the cache shows what the files say
// Exit status of check: 0 consistent, 1 not (with the reason on stderr).
#include "kit/AtomicFile.h"
#include "platform/linux/VdirCalendarStore.h"
#include "platform/linux/VdirSources.h"
#include "settings/PlistFileStorage.h"
#include "settings/PropertyList.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <algorithm>
#include <cstdio>
#include <set>

using namespace ruvo;
using platform::vdir::VdirCalendarStore;

namespace {

constexpr qint64 kDay = 86400;
const qint64 kFirstDay = QDateTime(QDate(2026, 1, 1), QTime(9, 0), Qt::UTC).toSecsSinceEpoch();
constexpr int kSeriesDays = 400; // the series is rewritten from scratch this often
constexpr int kEventsKept = 10;

struct Paths {
    QString root;
    QString folder() const { return root + QStringLiteral("/vdir/work"); }
    QString settings() const { return root + QStringLiteral("/settings/ruvo.plist"); }
    QString series() const { return folder() + QStringLiteral("/series.ics"); }
};

kit::Instant dayStart(qint64 day) {
    return kit::instantFromMSecs((kFirstDay + day * kDay) * 1000);
}

std::unique_ptr<VdirCalendarStore> openStore(const Paths& p, bool withCache) {
    platform::vdir::VdirStoreOptions options;
    options.configDirectory = p.root + QStringLiteral("/config");
    options.defaultDirectory = p.root + QStringLiteral("/default");
    if (withCache)
        options.cacheFile = p.root + QStringLiteral("/cache/calendars.sqlite");
    options.timeZoneId = QStringLiteral("UTC");
    auto store = std::make_unique<VdirCalendarStore>(options);
    if (!store->load())
        return nullptr;
    return store;
}

QString collectionId(const Paths& p) {
    return platform::vdir::collectionIdentifier(QDir(p.folder()).absolutePath());
}

std::vector<platform::Event> allEvents(const VdirCalendarStore& store) {
    return store.events({{dayStart(-1), dayStart(100000)}, {}});
}

// What the files hold: the generations of the settings, of the newest event and of the
// series (its last deleted occurrence, or the day it was started from).
struct State {
    qint64 settings = 0, event = 0, series = 0;
};

std::optional<qint64> settingsGeneration(const Paths& p, QString* error) {
    QFile file(p.settings());
    if (!file.exists())
        return 0;
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("settings unreadable");
        return std::nullopt;
    }
    const auto map = settings::readPropertyList(file.readAll());
    if (!map) {
        *error = QStringLiteral("settings do not parse: ") + map.error();
        return std::nullopt;
    }
    return map->value(QStringLiteral("generation")).toLongLong();
}

State stateOf(const VdirCalendarStore& store, qint64 settings) {
    State s{settings, 0, 0};
    std::set<qint64> seriesDays;
    for (const auto& e : allEvents(store)) {
        if (e.title() == QStringLiteral("series"))
            seriesDays.insert((kit::msecsSinceEpoch(e.start()) / 1000 - kFirstDay) / kDay);
        else if (e.title().startsWith(QStringLiteral("generation ")))
            s.event = std::max(s.event, e.title().mid(11).toLongLong());
    }
    if (!seriesDays.empty()) {
        const qint64 first = *seriesDays.begin();
        s.series = first;
        for (qint64 d = first + 1; d < first + kSeriesDays + 1; ++d)
            if (!seriesDays.count(d))
                s.series = d;
    }
    return s;
}

kit::Result<void> writeSeries(const Paths& p, qint64 fromDay) {
    const QString start = QDateTime::fromSecsSinceEpoch(kFirstDay + fromDay * kDay, Qt::UTC)
                              .toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    const QString text =
        QStringLiteral("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//crash//EN\r\n"
                       "BEGIN:VEVENT\r\nUID:series\r\nDTSTAMP:20260101T000000Z\r\n"
                       "DTSTART:%1\r\nDURATION:PT30M\r\nSUMMARY:series\r\n"
                       "RRULE:FREQ=DAILY;COUNT=%2\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n")
            .arg(start)
            .arg(kSeriesDays + 1);
    return kit::writeFileAtomically(p.series(), text.toUtf8());
}

kit::Result<void> step(const Paths& p, VdirCalendarStore& store, settings::PlistFileStorage& suite,
                       qint64 n) {
    if (auto r = suite.update(QVariantMap{{QStringLiteral("generation"), n}}, QVariantMap{}); !r)
        return kit::fail(r.error());
    platform::EventDraft draft;
    draft.calendarIdentifier = collectionId(p);
    draft.title = QStringLiteral("generation %1").arg(n);
    draft.start = dayStart(n % 1000);
    draft.end = draft.start + std::chrono::hours(1);
    if (auto r = store.saveEvent(draft); !r)
        return kit::fail(r.error());
    qint64 firstSeriesDay = -1;
    for (const auto& e : allEvents(store)) {
        const qint64 day = (kit::msecsSinceEpoch(e.start()) / 1000 - kFirstDay) / kDay;
        if (e.title() == QStringLiteral("series") && (firstSeriesDay < 0 || day < firstSeriesDay))
            firstSeriesDay = day;
        if (e.title().startsWith(QStringLiteral("generation ")) &&
            e.title().mid(11).toLongLong() <= n - kEventsKept)
            if (auto r = store.removeEvent(e, platform::RemovalScope::wholeSeries); !r)
                return r;
    }
    if (n == firstSeriesDay) // started afresh by this generation before a kill
        return {};
    // The series starts afresh now and then, and after a kill that left it behind.
    if (n % kSeriesDays != 0)
        for (const auto& e : store.events({{dayStart(n), dayStart(n + 1)}, {}}))
            if (e.title() == QStringLiteral("series"))
                return store.removeEvent(e, platform::RemovalScope::thisOccurrence);
    if (auto r = writeSeries(p, n); !r)
        return r;
    return store.load();
}

int run(const Paths& p) {
    QDir().mkpath(p.folder());
    QDir().mkpath(p.root + QStringLiteral("/settings"));
    const QString sources = platform::vdir::sourcesFilePath(p.root + QStringLiteral("/config"));
    if (!QFile::exists(sources) &&
        !platform::vdir::writeSources(sources, {{QDir(p.folder()).absolutePath(), {}, false}}))
        return 2;
    if (!QFile::exists(p.series()) && !writeSeries(p, 0))
        return 2;
    auto store = openStore(p, true);
    QString error;
    const auto settings = settingsGeneration(p, &error);
    if (!store || !settings)
        return 2;
    const State s = stateOf(*store, *settings);
    settings::PlistFileStorage suite(p.settings());
    // The generation a kill may have left half done is done again first.
    for (qint64 n = std::max<qint64>({s.settings, s.event, s.series, 1});; ++n) {
        if (auto r = step(p, *store, suite, n); !r) {
            std::fprintf(stderr, "generation %lld: %s\n", n, qPrintable(r.error()));
            return 2;
        }
    }
}

int check(const Paths& p) {
    QString error;
    const auto settings = settingsGeneration(p, &error);
    auto plain = openStore(p, false);
    auto cached = openStore(p, true);
    if (!settings || !plain || !cached) {
        std::fprintf(stderr, "check: %s\n",
                     qPrintable(error.isEmpty() ? QStringLiteral("store") : error));
        return 1;
    }
    if (plain->lastLoad().broken > 0) {
        std::fprintf(stderr, "check: %d calendar files do not parse\n", plain->lastLoad().broken);
        return 1;
    }
    const State s = stateOf(*plain, *settings);
    // Steps run in order: each file is at most one generation behind the one written before it.
    if (!(s.settings >= s.event && s.event >= s.series && s.series >= s.settings - 1)) {
        std::fprintf(stderr, "check: settings %lld, event %lld, series %lld\n", s.settings, s.event,
                     s.series);
        return 1;
    }
    QStringList a, b;
    for (const auto& e : allEvents(*plain))
        a << e.title() + kit::formatIsoUtc(e.start());
    for (const auto& e : allEvents(*cached))
        b << e.title() + kit::formatIsoUtc(e.start());
    if (a != b) {
        std::fprintf(stderr, "check: the cache shows %lld events, the files %lld\n",
                     qint64(b.size()), qint64(a.size()));
        return 1;
    }
    int strays = 0;
    for (QDirIterator it(p.root, {QStringLiteral(".*.tmp")}, QDir::Files | QDir::Hidden,
                         QDirIterator::Subdirectories);
         it.hasNext(); it.next())
        ++strays;
    std::printf("generation %lld (event %lld, series %lld), %lld events, %d temporary files left\n",
                s.settings, s.event, s.series, qint64(a.size()), strays);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3 ||
        (args[1] != QStringLiteral("run") && args[1] != QStringLiteral("check"))) {
        std::fputs("usage: crash-writer run|check DIR\n", stderr);
        return 2;
    }
    const Paths p{args[2]};
    return args[1] == QStringLiteral("run") ? run(p) : check(p);
}
