// SPDX-License-Identifier: GPL-3.0-or-later
// Video-call detection over 10,000 events with long HTML notes: cold (a fresh detector, so
// every link is found, cleaned and matched) and warm (every answer cached). Also the time
// a pathological exclusion regex takes to be stopped at a short limit on the real clock.
#include "EventGenerator.h"
#include "events/exclusion/ExclusionFilter.h"
#include "events/videocalls/VideoCallDetector.h"
#include "platform/fake/FakeUrlOpener.h"

#include <QDateTime>
#include <benchmark/benchmark.h>

using namespace ruvo;

namespace {

constexpr int kEvents = 10000;

const std::vector<videocalls::CallEvent>& events() {
    static const std::vector<videocalls::CallEvent> all = bench::generateEvents(kEvents);
    return all;
}

int detectAll(videocalls::VideoCallDetector& detector) {
    int calls = 0;
    for (const videocalls::CallEvent& e : events())
        calls += detector.videoCall(e).has_value();
    return calls;
}

void BM_DetectCold(benchmark::State& state) {
    const platform::FakeUrlOpener apps;
    qint64 notesBytes = 0;
    for (const auto& e : events())
        notesBytes += e.notes->size() * 2;
    for (auto _ : state) {
        videocalls::VideoCallDetector detector(apps, nullptr, kEvents);
        benchmark::DoNotOptimize(detectAll(detector));
    }
    state.SetItemsProcessed(state.iterations() * kEvents);
    state.SetBytesProcessed(state.iterations() * notesBytes);
}
BENCHMARK(BM_DetectCold)->Unit(benchmark::kMillisecond);

void BM_DetectWarm(benchmark::State& state) {
    const platform::FakeUrlOpener apps;
    videocalls::VideoCallDetector detector(apps, nullptr, kEvents);
    state.counters["videoCalls"] = detectAll(detector);
    for (auto _ : state)
        benchmark::DoNotOptimize(detectAll(detector));
    state.SetItemsProcessed(state.iterations() * kEvents);
}
BENCHMARK(BM_DetectWarm)->Unit(benchmark::kMillisecond);

class WallClock final : public kit::Clock {
public:
    kit::Instant now() const override {
        return kit::instantFromMSecs(QDateTime::currentMSecsSinceEpoch());
    }
};

// How long past its limit a filtering with a catastrophic regex runs (limit: 100 ms).
void BM_PathologicalRegexStopsAtLimit(benchmark::State& state) {
    const WallClock clock;
    const std::vector<QString> titles{QString(41, u'a') + QStringLiteral("b")};
    const settings::ExcludeMatcherList matchers{
        settings::EventExcludeMatcher{QUuid::createUuid(),
                                      true,
                                      settings::EventExcludeMatcher::Kind::regex,
                                      QStringLiteral("(a+)+$"),
                                      {settings::EventExcludeMatcher::Location::eventList}}};
    QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    for (auto _ : state)
        benchmark::DoNotOptimize(exclusion::filterCalendarItems(
            titles, matchers, settings::EventExcludeMatcher::Location::eventList, clock,
            [](const QString& t) { return t; }, kit::Milliseconds(100)));
    qInstallMessageHandler(previous);
}
BENCHMARK(BM_PathologicalRegexStopsAtLimit)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
