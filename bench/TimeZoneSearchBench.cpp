// SPDX-License-Identifier: GPL-3.0-or-later
// The time-zone search over the full place list: preparing the list (once per process in the
// program) and answering one query. Run with --benchmark_repetitions=N for medians.
#include "timezones/PlaceList.h"
#include "timezones/TimeZoneSearch.h"

#include <QFile>
#include <benchmark/benchmark.h>

using namespace ruvo;
using namespace ruvo::timezones;

namespace {

const kit::Instant kNow = kit::instantFromMSecs(1796395260000); // 2026-12-04

const char* const kQueries[] = {"paris", "São Paulo",     "Москва",       "東京", "ist",
                                "gmt+5", "united states", "the new york", "qqxzv"};

void searchQuery(benchmark::State& state) {
    static PlaceList list; // prepared once for every query
    const auto& places = list.candidates(kNow);
    const QString query = QString::fromUtf8(kQueries[state.range(0)]);
    std::size_t found = 0;
    for (auto _ : state) {
        const auto results = places.search(query);
        found = results.size();
        benchmark::DoNotOptimize(found);
    }
    state.SetLabel(kQueries[state.range(0)]);
    state.counters["places"] = double(places.size());
    state.counters["results"] = double(found);
}
BENCHMARK(searchQuery)->DenseRange(0, std::size(kQueries) - 1)->Unit(benchmark::kMillisecond);

void decodeResource(benchmark::State& state) {
    QFile file(QStringLiteral(":/time-zones.json"));
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    for (auto _ : state)
        benchmark::DoNotOptimize(JsonTimeZone::decodeList(bytes).isOk());
}
BENCHMARK(decodeResource)->Unit(benchmark::kMillisecond)->Iterations(3);

void prepareList(benchmark::State& state) {
    QFile file(QStringLiteral(":/time-zones.json"));
    file.open(QIODevice::ReadOnly);
    const auto places = JsonTimeZone::decodeList(file.readAll());
    for (auto _ : state)
        benchmark::DoNotOptimize(
            PlaceList::prepare(PlaceList::withGeneratedEntries(places.value(), kNow), kNow));
}
BENCHMARK(prepareList)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
