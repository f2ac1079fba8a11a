// SPDX-License-Identifier: GPL-3.0-or-later
// The process scripts/crash-loop kills at random moments, and the check it runs after each kill.
//   crash-writer run DIR    writes generation after generation until killed: the settings file,
//                           a new event (dropping those ten generations old), one occurrence of a
//                           daily series deleted, the calendar cache rewritten with each change,
//                           now and then a few files of many events; then it opens the store as
//                           a command does, which rewrites the commands' snapshot, and asks it
//                           for a day. It logs "phase NAME" on stderr before each step.
//   crash-writer check DIR  every file parses, each holds the old or the new generation, the
//                           store read through the cache shows what the files say, and so does
//                           a command (CrashSnapshot.h says what is checked of the snapshot)
// Exit status of check: 0 consistent, 1 not (with the reason on stderr).
#include "CrashSnapshot.h"
#include "kit/AtomicFile.h"
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
// Every so many generations the bulk files are written anew, so that the snapshot written next
// takes long enough to be cut by a kill.
constexpr int kBulkEvery = 10;
constexpr int kBulkFiles = 8;
constexpr int kBulkEventsPerFile = 200;

struct Paths {
    QString root;
    QString folder() const { return root + QStringLiteral("/vdir/work"); }
    QString settings() const { return root + QStringLiteral("/settings/ruvo.plist"); }
    QString series() const { return folder() + QStringLiteral("/series.ics"); }
    QString bulk(int i) const { return folder() + QStringLiteral("/bulk-%1.ics").arg(i); }
};

kit::Instant dayStart(qint64 day) {
    return kit::instantFromMSecs((kFirstDay + day * kDay) * 1000);
}

QString icsTime(qint64 day) {
    return QDateTime::fromSecsSinceEpoch(kFirstDay + day * kDay, Qt::UTC)
        .toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
}

// On stderr, which is unbuffered: the crash loop reads the last one after a kill.
void phase(const char* name) {
    std::fprintf(stderr, "phase %s\n", name);
}

std::unique_ptr<VdirCalendarStore> openStore(const Paths& p, bool withCache) {
    auto store = std::make_unique<VdirCalendarStore>(soak::storeOptions(p.root, withCache));
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
// series (its last deleted occurrence, or the day it was started from), and those the bulk
// files were written in.
struct State {
    qint64 settings = 0, event = 0, series = 0;
    std::set<qint64> bulk;
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
    State s;
    s.settings = settings;
    std::set<qint64> seriesDays;
    for (const auto& e : allEvents(store)) {
        if (e.title() == QStringLiteral("series"))
            seriesDays.insert((kit::msecsSinceEpoch(e.start()) / 1000 - kFirstDay) / kDay);
        else if (e.title().startsWith(QStringLiteral("generation ")))
            s.event = std::max(s.event, e.title().mid(11).toLongLong());
        else if (e.title().startsWith(QStringLiteral("bulk ")))
            s.bulk.insert(e.title().mid(5).toLongLong());
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
    const QString start = icsTime(fromDay);
    const QString text =
        QStringLiteral("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//crash//EN\r\n"
                       "BEGIN:VEVENT\r\nUID:series\r\nDTSTAMP:20260101T000000Z\r\n"
                       "DTSTART:%1\r\nDURATION:PT30M\r\nSUMMARY:series\r\n"
                       "RRULE:FREQ=DAILY;COUNT=%2\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n")
            .arg(start)
            .arg(kSeriesDays + 1);
    return kit::writeFileAtomically(p.series(), text.toUtf8());
}

// A few files of many events each, titled with the generation that wrote them, spread over
// the days the other events use.
kit::Result<void> writeBulk(const Paths& p, qint64 n) {
    for (int i = 0; i < kBulkFiles; ++i) {
        QString text = QStringLiteral("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//crash//EN\r\n");
        for (int j = 0; j < kBulkEventsPerFile; ++j)
            text += QStringLiteral("BEGIN:VEVENT\r\nUID:bulk-%1-%2\r\nDTSTAMP:20260101T000000Z\r\n"
                                   "DTSTART:%3\r\nDURATION:PT15M\r\nSUMMARY:bulk %4\r\n"
                                   "END:VEVENT\r\n")
                        .arg(i)
                        .arg(j)
                        .arg(icsTime((i * kBulkEventsPerFile + j) % 1000))
                        .arg(n);
        if (auto r = kit::writeFileAtomically(
                p.bulk(i), (text + QStringLiteral("END:VCALENDAR\r\n")).toUtf8());
            !r)
            return r;
    }
    return {};
}

kit::Result<void> edit(const Paths& p, VdirCalendarStore& store, settings::PlistFileStorage& suite,
                       qint64 n) {
    phase("settings");
    if (auto r = suite.update(QVariantMap{{QStringLiteral("generation"), n}}, QVariantMap{}); !r)
        return kit::fail(r.error());
    phase("event");
    platform::EventDraft draft;
    draft.calendarIdentifier = collectionId(p);
    draft.title = QStringLiteral("generation %1").arg(n);
    draft.start = dayStart(n % 1000);
    draft.end = draft.start + std::chrono::hours(1);
    if (auto r = store.saveEvent(draft); !r)
        return kit::fail(r.error());
    qint64 firstSeriesDay = -1;
    phase("removal");
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
    phase("series");
    // The series starts afresh now and then, and after a kill that left it behind.
    if (n % kSeriesDays != 0)
        for (const auto& e : store.events({{dayStart(n), dayStart(n + 1)}, {}}))
            if (e.title() == QStringLiteral("series"))
                return store.removeEvent(e, platform::RemovalScope::thisOccurrence);
    if (auto r = writeSeries(p, n); !r)
        return r;
    return store.load();
}

// The day's events as a command sees them: the new event among them.
kit::Result<void> query(const Paths& p, qint64 n) {
    phase("snapshot");
    auto command = soak::openCommandStore(p.root);
    if (!command)
        return kit::fail(command.error());
    phase("query");
    for (const auto& e : (*command)->events({{dayStart(n % 1000), dayStart(n % 1000 + 1)}, {}}))
        if (e.title() == QStringLiteral("generation %1").arg(n))
            return {};
    return kit::fail(QStringLiteral("a command does not show the new event"));
}

kit::Result<void> step(const Paths& p, VdirCalendarStore& store, settings::PlistFileStorage& suite,
                       qint64 n) {
    if (auto r = edit(p, store, suite, n); !r)
        return r;
    if (n % kBulkEvery == 1) {
        phase("bulk");
        if (auto r = writeBulk(p, n); !r)
            return r;
    }
    return query(p, n);
}

int run(const Paths& p) {
    phase("start");
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

int fail(const QString& reason) {
    std::fprintf(stderr, "check: %s\n", qPrintable(reason));
    return 1;
}

QStringList described(const std::vector<platform::Event>& events) {
    QStringList result;
    for (const auto& e : events)
        result << e.title() + kit::formatIsoUtc(e.start());
    return result;
}

// The whole span, the week around the newest event and the days around the series' start.
std::vector<platform::DateRange> checkedRanges(const State& s) {
    const qint64 day = s.event % 1000;
    return {{dayStart(-1), dayStart(100000)},
            {dayStart(day - 3), dayStart(day + 4)},
            {dayStart(s.series - 1), dayStart(s.series + 2)}};
}

int check(const Paths& p) {
    QString error;
    const auto settings = settingsGeneration(p, &error);
    if (!settings)
        return fail(error);
    // What the kill left of the snapshot, before a store reads or replaces it.
    const auto snapshot = soak::checkSnapshotOnDisk(p.root, {dayStart(-1), dayStart(100000)});
    if (!snapshot)
        return fail(snapshot.error());
    auto plain = openStore(p, false);
    if (!plain)
        return fail(QStringLiteral("the files cannot be read"));
    if (plain->lastLoad().broken > 0)
        return fail(QStringLiteral("%1 calendar files do not parse").arg(plain->lastLoad().broken));
    const State s = stateOf(*plain, *settings);
    // Steps run in order: each file is at most one generation behind the one written before it.
    if (!(s.settings >= s.event && s.event >= s.series && s.series >= s.settings - 1))
        return fail(QStringLiteral("settings %1, event %2, series %3")
                        .arg(s.settings)
                        .arg(s.event)
                        .arg(s.series));
    // The bulk files are written one after the other: some may hold the new generation.
    if (s.bulk.size() > 2 || (!s.bulk.empty() && *s.bulk.rbegin() > s.settings))
        return fail(QStringLiteral("the bulk files hold %1 generations up to %2")
                        .arg(s.bulk.size())
                        .arg(*s.bulk.rbegin()));
    // A command first, as a user would run after a crash: it meets the cache as the kill left it.
    const auto command = soak::checkCommandStore(p.root, *plain, checkedRanges(s));
    if (!command)
        return fail(command.error());
    auto cached = openStore(p, true);
    if (!cached)
        return fail(QStringLiteral("the store cannot be read through its cache"));
    const QStringList files = described(allEvents(*plain));
    const QStringList fromCache = described(allEvents(*cached));
    if (files != fromCache)
        return fail(QStringLiteral("the cache shows %1 events, the files %2")
                        .arg(fromCache.size())
                        .arg(files.size()));
    int strays = 0;
    for (QDirIterator it(p.root, {QStringLiteral(".*.tmp")}, QDir::Files | QDir::Hidden,
                         QDirIterator::Subdirectories);
         it.hasNext(); it.next())
        ++strays;
    std::printf("generation %lld (event %lld, series %lld), %lld events, %d temporary files left; "
                "%s, %s\n",
                s.settings, s.event, s.series, qint64(files.size()), strays, qPrintable(*snapshot),
                qPrintable(*command));
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
