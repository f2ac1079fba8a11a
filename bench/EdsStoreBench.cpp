// SPDX-License-Identifier: GPL-3.0-or-later
// The EDS store against a real Evolution Data Server on a private bus: the generated calendar
// (2,000 events) is written into a local EDS calendar, then a week is asked of the store (our
// expansion over the components it holds) and of libecal (e_cal_client_generate_instances_sync,
// which asks the factory over D-Bus and expands there and here). The load counter is the time
// from start() until the store has every item.
#include "CalendarGenerator.h"
#include "PrivateBus.h"
#include "platform/linux/EdsCalendarStore.h"
#include "platform/linux/EdsComponents.h"
#include "platform/linux/EdsGlib.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>

namespace ruvo::bench {
namespace {

using namespace platform;
constexpr int kEvents = 2000;
constexpr int kWaitMs = 120000;

kit::Instant utc(int y, int mo, int d) {
    return kit::fromQDateTime(QDateTime(QDate(y, mo, d), QTime(0, 0), QTimeZone::utc()));
}

struct Server {
    QTemporaryDir home;
    std::unique_ptr<test::PrivateBus> bus;
    eds::GObjectPtr<ESourceRegistry> registry;
    eds::GObjectPtr<ESource> source;
    eds::GObjectPtr<ECalClient> client;
    std::unique_ptr<eds::EdsCalendarStore> store;
    qint64 loadMs = 0;

    Server() {
        for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
            qputenv(name, (home.path() + QLatin1Char('/') + QLatin1String(name)).toUtf8());
        qputenv("GSETTINGS_BACKEND", "memory");
        bus = std::make_unique<test::PrivateBus>();
        qputenv("DBUS_SESSION_BUS_ADDRESS", bus->address().toUtf8());
        registry.reset(e_source_registry_new_sync(nullptr, nullptr));
        eds::GObjectPtr<ESource> scratch(e_source_new(nullptr, nullptr, nullptr));
        e_source_set_parent(scratch.get(), "local-stub");
        e_source_set_display_name(scratch.get(), "Generated");
        e_source_backend_set_backend_name(
            E_SOURCE_BACKEND(e_source_get_extension(scratch.get(), E_SOURCE_EXTENSION_CALENDAR)),
            "local");
        e_source_registry_commit_source_sync(registry.get(), scratch.get(), nullptr, nullptr);
        source.reset(e_source_registry_ref_source(registry.get(), e_source_get_uid(scratch.get())));
        client.reset(E_CAL_CLIENT(e_cal_client_connect_sync(
            source.get(), E_CAL_CLIENT_SOURCE_TYPE_EVENTS, 30, nullptr, nullptr)));
        fill();
        QElapsedTimer load;
        load.start();
        store = std::make_unique<eds::EdsCalendarStore>(
            eds::EdsStoreOptions{QStringLiteral("Europe/Berlin"), nullptr});
        store->start();
        if (!QTest::qWaitFor([this] { return store->isSettled(); }, kWaitMs))
            qWarning("The store did not load within %d ms", kWaitMs);
        loadMs = load.elapsed();
    }

    void fill() {
        const auto generated = generateCalendar(home.path() + QStringLiteral("/vdir"), kEvents);
        const QDir folder(generated.folder);
        std::vector<QByteArray> items;
        for (const QString& name : folder.entryList({QStringLiteral("*.ics")}, QDir::Files)) {
            QFile f(folder.filePath(name));
            if (f.open(QIODevice::ReadOnly))
                for (auto& item : eds::itemsOfFile(f.readAll(), 100))
                    if (!item.isOverride)
                        items.push_back(item.text);
        }
        GSList* batch = nullptr;
        for (const QByteArray& text : items) {
            ICalComponent* cal = i_cal_component_new_from_string(text.constData());
            ICalComponent* event = i_cal_component_get_first_component(cal, I_CAL_VEVENT_COMPONENT);
            if (event)
                batch = g_slist_prepend(batch, i_cal_component_clone(event));
            g_clear_object(&event);
            g_clear_object(&cal);
        }
        e_cal_client_create_objects_sync(client.get(), batch, E_CAL_OPERATION_FLAG_NONE, nullptr,
                                         nullptr, nullptr);
        g_slist_free_full(batch, g_object_unref);
    }
};

Server& server() {
    static Server s;
    return s;
}

void BM_EdsStoreWeek(benchmark::State& state) {
    Server& s = server();
    std::size_t count = 0;
    for (auto _ : state) {
        auto events = s.store->events({{utc(2026, 3, 2), utc(2026, 3, 9)}, {}});
        count = events.size();
        benchmark::DoNotOptimize(events);
    }
    state.counters["occurrences"] = double(count);
    state.counters["load_ms"] = double(s.loadMs);
}
BENCHMARK(BM_EdsStoreWeek)->Unit(benchmark::kMillisecond);

void BM_LibecalWeek(benchmark::State& state) {
    Server& s = server();
    int count = 0;
    for (auto _ : state) {
        count = 0;
        e_cal_client_generate_instances_sync(
            s.client.get(), time_t(kit::msecsSinceEpoch(utc(2026, 3, 2)) / 1000),
            time_t(kit::msecsSinceEpoch(utc(2026, 3, 9)) / 1000), nullptr,
            [](ICalComponent*, ICalTime*, ICalTime*, gpointer data, GCancellable*,
               GError**) -> gboolean {
                ++*static_cast<int*>(data);
                return TRUE;
            },
            &count);
    }
    state.counters["occurrences"] = double(count);
}
BENCHMARK(BM_LibecalWeek)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace ruvo::bench
