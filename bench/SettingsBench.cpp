// SPDX-License-Identifier: GPL-3.0-or-later
// What reading and writing settings costs: a typed read of a list of records (the world
// clock reads it on every redraw), and a write through the file store (lock, re-read, atomic
// replace) with a settings file of realistic size.
#include "settings/Keys.h"
#include "settings/SettingsFiles.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace ruvo::settings;

namespace {

TimeZoneList zones(int count) {
    const char* ids[] = {"Europe/Paris", "Asia/Kolkata", "America/New_York", "Australia/Lord_Howe",
                         "Asia/Kathmandu"};
    TimeZoneList list;
    for (int i = 0; i < count; ++i)
        list.push_back(ChosenTimeZone::make(QUuid::createUuid(),
                                            *ZuTimeZone::make(QString::fromLatin1(ids[i % 5]))));
    return list;
}

void fillTypicalSettings(const Defaults& d) {
    d.set(keys::timeZonesInMenu, zones(8));
    d.set(keys::enabledCalendars,
          StringSet{QStringLiteral("work"), QStringLiteral("home"), QStringLiteral("holidays")});
    d.set(keys::hiddenEvents,
          StringList(50, QStringLiteral("0D6F6B6E-2B1A-4B8E-9C1D-7A5E3F2B1C00")));
    d.set(keys::showSecondsInMenuBar, true);
}

void BM_ReadTimeZoneList(benchmark::State& state) {
    auto files = SettingsFiles::inMemory();
    files->defaults().set(keys::timeZonesInMenu, zones(static_cast<int>(state.range(0))));
    for (auto _ : state)
        benchmark::DoNotOptimize(files->defaults().get(keys::timeZonesInMenu));
}
BENCHMARK(BM_ReadTimeZoneList)->Arg(1)->Arg(8)->Arg(32);

void BM_ReadBool(benchmark::State& state) {
    auto files = SettingsFiles::inMemory();
    for (auto _ : state)
        benchmark::DoNotOptimize(files->defaults().get(keys::showSecondsInMenuBar));
}
BENCHMARK(BM_ReadBool);

void BM_WriteThroughFile(benchmark::State& state) {
    QTemporaryDir dir;
    auto files = SettingsFiles::open(dir.path());
    fillTypicalSettings(files->defaults());
    bool value = false;
    for (auto _ : state)
        files->defaults().set(keys::largeText, value = !value);
}
BENCHMARK(BM_WriteThroughFile)->Unit(benchmark::kMicrosecond);

} // namespace
