// SPDX-License-Identifier: GPL-3.0-or-later
// The vdir calendar store on generated collections: cold load (no cache), load from the
// cache, a command's start from the snapshot with a week's query, and queries of one hour, seven
// days and six weeks. Data goes to $RUVO_BENCH_DIR (default /tmp/ruvo-bench) and is generated once
// per size.
#include "GeneratedStore.h"
#include "platform/linux/VdirCalendarStore.h"
#include "platform/linux/VdirSnapshotStore.h"

#include <QDir>
#include <QFile>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstring>
#include <map>

using namespace ruvo;
namespace vdir = ruvo::platform::vdir;

namespace {

struct Fixture {
    QString root;
    QString cacheFile;
};

Fixture fixture(int events) {
    const QString root = bench::benchFolder(QString::number(events));
    bench::prepareGeneratedCalendars(root, events);
    return {root, root + QStringLiteral("/cache/calendars.sqlite")};
}

std::unique_ptr<vdir::VdirCalendarStore> openStore(const Fixture& f, bool withCache) {
    return bench::openGeneratedStore(f.root, withCache);
}

long statusKiB(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(int(std::strlen(field))).trimmed().split(' ').first().toLong();
    return 0;
}
long residentKiB() {
    return statusKiB("VmRSS:");
}
// The process's peak since the last resetPeak(): run one benchmark alone
// (--benchmark_filter) to read it.
long peakKiB() {
    return statusKiB("VmHWM:");
}
void resetPeak() {
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

void coldLoad(benchmark::State& state) {
    const Fixture f = fixture(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        for (const char* suffix : {"", "-wal", "-shm"})
            QFile::remove(f.cacheFile + QLatin1String(suffix));
        state.ResumeTiming();
        auto store = openStore(f, true);
        benchmark::DoNotOptimize(store->eventRecordCount());
    }
    state.counters["peakRSS_MiB"] = double(peakKiB()) / 1024.0;
}

void cachedLoad(benchmark::State& state) {
    const Fixture f = fixture(int(state.range(0)));
    openStore(f, true); // makes sure the cache is complete
    resetPeak();
    vdir::LoadStatistics last;
    std::chrono::duration<double, std::milli> freed{0};
    for (auto _ : state) {
        auto store = openStore(f, true);
        benchmark::DoNotOptimize(store->eventRecordCount());
        last = store->lastLoad();
        // A start keeps its store; freeing it is timed apart (storeFreed_ms).
        state.PauseTiming();
        const auto freeing = std::chrono::steady_clock::now();
        store.reset();
        freed += std::chrono::steady_clock::now() - freeing;
        state.ResumeTiming();
    }
    // Folders taken as they stand in the cache (their stamps unmoved), files kept from it.
    state.counters["trustedFolders"] = last.trustedFolders;
    state.counters["fromCache"] = last.fromCache;
    state.counters["storeFreed_ms"] = freed.count() / double(state.iterations());
    state.counters["peakRSS_MiB"] = double(peakKiB()) / 1024.0;
}

kit::Instant weekStart() {
    return kit::instantFromMSecs(
        QDateTime(QDate(2026, 12, 7), QTime(0, 0), QTimeZone("Europe/Berlin")).toMSecsSinceEpoch());
}

// What `ruvo events` does with its store: open it (from the snapshot when it matches the
// folders) and ask for a week.
void commandStart(benchmark::State& state) {
    const Fixture f = fixture(int(state.range(0)));
    const auto options = bench::generatedStoreOptions(f.root);
    if (!vdir::VdirSnapshotStore(options).load()) { // writes the snapshot when missing or stale
        state.SkipWithError("the generated calendar does not load");
        return;
    }
    resetPeak();
    bool isFromSnapshot = false;
    std::size_t found = 0;
    for (auto _ : state) {
        vdir::VdirSnapshotStore store(options);
        (void)store.load();
        isFromSnapshot = store.isFromSnapshot();
        found = store.events({{weekStart(), weekStart() + std::chrono::days(7)}, {}}).size();
    }
    state.counters["fromSnapshot"] = isFromSnapshot;
    state.counters["occurrences"] = double(found);
    state.counters["peakRSS_MiB"] = double(peakKiB()) / 1024.0;
}

// One loaded store per size, shared by the query benchmarks.
vdir::VdirCalendarStore& loaded(int events) {
    static std::map<int, std::unique_ptr<vdir::VdirCalendarStore>> stores;
    auto& store = stores[events];
    if (!store)
        store = openStore(fixture(events), true);
    return *store;
}

void query(benchmark::State& state) {
    const long before = residentKiB();
    auto& store = loaded(int(state.range(0)));
    const long after = residentKiB();
    const auto start = weekStart();
    const auto end = start + std::chrono::minutes(state.range(1));
    std::size_t found = 0;
    for (auto _ : state) {
        auto events = store.events({{start, end}, {}});
        found = events.size();
        benchmark::DoNotOptimize(events.data());
    }
    state.counters["occurrences"] = double(found);
    state.counters["storeRSS_MiB"] = double(after - before) / 1024.0;
    state.counters["processRSS_MiB"] = double(residentKiB()) / 1024.0;
}

} // namespace

BENCHMARK(coldLoad)->Arg(1000)->Arg(10000)->Arg(50000)->Iterations(1)->Unit(
    benchmark::kMillisecond);
BENCHMARK(cachedLoad)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(20000) // the size compare-khal.sh runs khal at
    ->Arg(50000)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(commandStart)->Arg(20000)->Arg(50000)->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(query)
    ->ArgsProduct({{1000, 10000, 50000}, {60, 7 * 24 * 60, 42 * 24 * 60}})
    ->Unit(benchmark::kMicrosecond);
