// SPDX-License-Identifier: GPL-3.0-or-later
// The EDS store against a real Evolution Data Server: the registry and the calendar factory
// run on a private session bus, activated from their installed service files, with their
// folders in a temporary XDG tree. The test writes through its own ECalClient and sees the
// items, their changes and their removal through the store.
#include "platform/linux/EdsCalendarStore.h"

#include "PrivateEds.h"
#include "kit/Clock.h"
#include "platform/linux/EdsGlib.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace ruvo::platform::eds {
namespace {

using namespace std::chrono_literals;

constexpr int kWaitMs = 30000; // the factory's first start loads its back-end modules

kit::Instant utc(int y, int mo, int d, int h, int mi = 0) {
    return kit::fromQDateTime(QDateTime(QDate(y, mo, d), QTime(h, mi), QTimeZone::utc()));
}

// A new local calendar (or task list) committed to the registry; the answer is the registry's
// own instance, which follows the source's connection status (a client waits for that).
GObjectPtr<ESource> addLocalSource(ESourceRegistry* registry, const char* name, const char* colour,
                                   const char* extension) {
    GErrorHolder error;
    GObjectPtr<ESource> source(e_source_new(nullptr, nullptr, error.out()));
    e_source_set_parent(source.get(), "local-stub");
    e_source_set_display_name(source.get(), name);
    auto* backend = E_SOURCE_BACKEND(e_source_get_extension(source.get(), extension));
    e_source_backend_set_backend_name(backend, "local");
    e_source_selectable_set_color(E_SOURCE_SELECTABLE(backend), colour);
    if (!e_source_registry_commit_source_sync(registry, source.get(), nullptr, error.out()))
        ADD_FAILURE() << "commit: " << error.message().toStdString();
    return GObjectPtr<ESource>(
        e_source_registry_ref_source(registry, e_source_get_uid(source.get())));
}

GObjectPtr<ECalClient> connectClient(ESource* source, ECalClientSourceType type) {
    GErrorHolder error;
    GObjectPtr<ECalClient> client(
        E_CAL_CLIENT(e_cal_client_connect_sync(source, type, 30, nullptr, error.out())));
    if (!client)
        ADD_FAILURE() << "connect: " << error.message().toStdString();
    return client;
}

void create(ECalClient* client, const char* text) {
    GObjectPtr<ICalComponent> c(i_cal_component_new_from_string(text));
    GErrorHolder error;
    if (!e_cal_client_create_object_sync(client, c.get(), E_CAL_OPERATION_FLAG_NONE, nullptr,
                                         nullptr, error.out()))
        ADD_FAILURE() << "create: " << error.message().toStdString();
}

void modify(ECalClient* client, const char* text, ECalObjModType mod) {
    GObjectPtr<ICalComponent> c(i_cal_component_new_from_string(text));
    GErrorHolder error;
    if (!e_cal_client_modify_object_sync(client, c.get(), mod, E_CAL_OPERATION_FLAG_NONE, nullptr,
                                         error.out()))
        ADD_FAILURE() << "modify: " << error.message().toStdString();
}

struct Seen {
    QString title;
    kit::Instant start;
    friend bool operator==(const Seen&, const Seen&) = default;
};

std::vector<Seen> seen(const EdsCalendarStore& store, const QString& calendar) {
    std::vector<Seen> out;
    for (const Event& e : store.events({{utc(2026, 12, 1, 0), utc(2027, 1, 1, 0)}, {calendar}}))
        out.push_back({e.title(), e.start()});
    return out;
}

std::string describe(const std::vector<Seen>& events) {
    std::string out;
    for (const Seen& s : events)
        out += s.title.toStdString() + " at " + kit::formatIsoUtc(s.start).toStdString() + "; ";
    return out;
}

constexpr auto kDentist = "BEGIN:VEVENT\r\nUID:dentist\r\nDTSTAMP:20261201T000000Z\r\n"
                          "DTSTART;TZID=Europe/Berlin:20261208T100000\r\n"
                          "DTEND;TZID=Europe/Berlin:20261208T110000\r\nSUMMARY:Dentist\r\n"
                          "END:VEVENT\r\n";
constexpr auto kStandup = "BEGIN:VEVENT\r\nUID:standup\r\nDTSTAMP:20261201T000000Z\r\n"
                          "DTSTART;TZID=Europe/Berlin:20261207T090000\r\n"
                          "DTEND;TZID=Europe/Berlin:20261207T091500\r\n"
                          "RRULE:FREQ=WEEKLY;COUNT=4\r\n"
                          "EXDATE;TZID=Europe/Berlin:20261221T090000\r\n"
                          "SUMMARY:Standup\r\nEND:VEVENT\r\n";
constexpr auto kMoved = "BEGIN:VEVENT\r\nUID:standup\r\nDTSTAMP:20261201T000000Z\r\n"
                        "RECURRENCE-ID;TZID=Europe/Berlin:20261214T090000\r\n"
                        "DTSTART;TZID=Europe/Berlin:20261214T110000\r\n"
                        "DTEND;TZID=Europe/Berlin:20261214T111500\r\n"
                        "SUMMARY:Standup (moved)\r\nEND:VEVENT\r\n";
constexpr auto kReview = "BEGIN:VEVENT\r\nUID:review\r\nDTSTAMP:20261201T000000Z\r\n"
                         "DTSTART:20261210T150000Z\r\nDTEND:20261210T160000Z\r\n"
                         "RRULE:FREQ=DAILY;COUNT=2\r\nSUMMARY:Review\r\nX-KEPT-AS-IT-IS:yes\r\n"
                         "ORGANIZER:mailto:boss@example.org\r\n"
                         "ATTENDEE;PARTSTAT=NEEDS-ACTION;RSVP=TRUE:mailto:Me@Example.org\r\n"
                         "END:VEVENT\r\n";
// The user's answer in each occurrence of the review, as the store reads it back.
std::vector<ParticipantStatus> answers(const EdsCalendarStore& store, const QString& calendar) {
    std::vector<ParticipantStatus> out;
    for (const Event& e : store.events({{utc(2026, 12, 10, 0), utc(2026, 12, 12, 0)}, {calendar}}))
        for (const Attendee& a : e.attendees())
            if (a.isCurrentUser)
                out.push_back(a.participantStatus);
    return out;
}

void addMailIdentity(ESourceRegistry* registry, const char* address) {
    GErrorHolder error;
    GObjectPtr<ESource> source(e_source_new(nullptr, nullptr, error.out()));
    e_source_set_display_name(source.get(), address);
    e_source_mail_identity_set_address(E_SOURCE_MAIL_IDENTITY(e_source_get_extension(
                                           source.get(), E_SOURCE_EXTENSION_MAIL_IDENTITY)),
                                       address);
    if (!e_source_registry_commit_source_sync(registry, source.get(), nullptr, error.out()))
        ADD_FAILURE() << "commit: " << error.message().toStdString();
}

constexpr auto kRent = "BEGIN:VTODO\r\nUID:rent\r\nDTSTAMP:20261201T000000Z\r\n"
                       "DUE;VALUE=DATE:20261210\r\nSUMMARY:Pay rent\r\nEND:VTODO\r\n";

TEST(EdsCalendarStore, SeesItemsTheirChangesAndTheirRemovalThroughARealServer) {
    if (!test::PrivateEds::isInstalled())
        GTEST_SKIP() << "Evolution Data Server's D-Bus services are not installed";
    test::PrivateEds privateEds;
    ASSERT_TRUE(privateEds.isRunning());

    kit::FixedClock clock{utc(2026, 12, 6, 12)};
    EdsCalendarStore store(EdsStoreOptions{QStringLiteral("Europe/Berlin"), &clock});
    int changes = 0;
    auto subscription = store.storeChanged().connect([&changes] { ++changes; });
    store.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return store.isSettled(); }, kWaitMs));
    ASSERT_TRUE(store.isAvailable()) << "the registry did not answer";

    GErrorHolder error;
    GObjectPtr<ESourceRegistry> registry(e_source_registry_new_sync(nullptr, error.out()));
    ASSERT_TRUE(registry) << error.message().toStdString();
    addMailIdentity(registry.get(), "me@example.org");
    auto calendar = addLocalSource(registry.get(), "Work", "#ff0000", E_SOURCE_EXTENSION_CALENDAR);
    auto tasks = addLocalSource(registry.get(), "Chores", "", E_SOURCE_EXTENSION_TASK_LIST);
    ASSERT_TRUE(calendar && tasks);
    const QString calendarId = QString::fromUtf8(e_source_get_uid(calendar.get()));

    // A source added while the store runs appears once it has connected.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return store.calendarWithIdentifier(calendarId).has_value(); }, kWaitMs));
    const Calendar work = *store.calendarWithIdentifier(calendarId);
    EXPECT_EQ(work.title, QStringLiteral("Work"));
    EXPECT_EQ(work.colour, QStringLiteral("#ff0000"));
    EXPECT_EQ(work.backend, QStringLiteral("eds"));
    EXPECT_TRUE(work.isWritable);

    auto events = connectClient(calendar.get(), E_CAL_CLIENT_SOURCE_TYPE_EVENTS);
    auto todos = connectClient(tasks.get(), E_CAL_CLIENT_SOURCE_TYPE_TASKS);
    ASSERT_TRUE(events && todos);
    create(events.get(), kDentist);
    create(events.get(), kStandup);
    modify(events.get(), kMoved, E_CAL_OBJ_MOD_THIS);
    create(todos.get(), kRent);

    // Berlin is UTC+1 in December; the EXDATE takes the 21st, the override moves the 14th.
    const std::vector<Seen> expected{{QStringLiteral("Standup"), utc(2026, 12, 7, 8)},
                                     {QStringLiteral("Dentist"), utc(2026, 12, 8, 9)},
                                     {QStringLiteral("Standup (moved)"), utc(2026, 12, 14, 10)},
                                     {QStringLiteral("Standup"), utc(2026, 12, 28, 8)}};
    EXPECT_TRUE(QTest::qWaitFor([&] { return seen(store, calendarId) == expected; }, kWaitMs))
        << describe(seen(store, calendarId));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            auto r = store.incompleteReminders({std::nullopt, utc(2027, 1, 1, 0), {}});
            return r.size() == 1 && r[0].title == QLatin1String("Pay rent");
        },
        kWaitMs));

    // A change and a removal made by another program arrive through the change signal.
    const int before = changes;
    QByteArray renamed(kDentist);
    renamed.replace("SUMMARY:Dentist", "SUMMARY:Dentist (new time)");
    renamed.replace("T100000", "T140000").replace("T110000", "T150000");
    modify(events.get(), renamed.constData(), E_CAL_OBJ_MOD_ALL);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            auto all = seen(store, calendarId);
            return changes > before && all.size() == 4 &&
                   all[1] == Seen{QStringLiteral("Dentist (new time)"), utc(2026, 12, 8, 13)};
        },
        kWaitMs))
        << describe(seen(store, calendarId));
    const int beforeRemoval = changes;
    EXPECT_TRUE(e_cal_client_remove_object_sync(events.get(), "dentist", nullptr, E_CAL_OBJ_MOD_ALL,
                                                E_CAL_OPERATION_FLAG_NONE, nullptr, error.out()));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return changes > beforeRemoval && seen(store, calendarId).size() == 3; }, kWaitMs))
        << describe(seen(store, calendarId));

    // The store's own edits go through the client: one occurrence, then a new event.
    const auto occurrences =
        store.events({{utc(2026, 12, 28, 0), utc(2026, 12, 29, 0)}, {calendarId}});
    ASSERT_EQ(occurrences.size(), 1u);
    ASSERT_TRUE(store.removeEvent(occurrences[0], RemovalScope::thisOccurrence));
    EXPECT_EQ(seen(store, calendarId).size(), 2u) << describe(seen(store, calendarId));
    EventDraft lunch;
    lunch.calendarIdentifier = calendarId;
    lunch.title = QStringLiteral("Lunch");
    lunch.start = utc(2026, 12, 9, 11);
    lunch.end = utc(2026, 12, 9, 12);
    auto saved = store.saveEvent(lunch);
    ASSERT_TRUE(saved) << saved.error().toStdString();
    EXPECT_TRUE(store.eventWithIdentifier(*saved).has_value());

    // Answers to an invitation: the whole series, then one occurrence of it.
    create(events.get(), kReview);
    using PS = ParticipantStatus;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return answers(store, calendarId) == std::vector{PS::pending, PS::pending};
        },
        kWaitMs));
    const QString review = calendarId + QStringLiteral("/review");
    auto accepted = store.reply(review, std::nullopt, PS::accepted);
    ASSERT_TRUE(accepted) << accepted.error().toStdString();
    EXPECT_EQ(answers(store, calendarId), (std::vector{PS::accepted, PS::accepted}));
    auto declined = store.reply(review, utc(2026, 12, 11, 15), PS::declined);
    ASSERT_TRUE(declined) << declined.error().toStdString();
    EXPECT_EQ(answers(store, calendarId), (std::vector{PS::accepted, PS::declined}));
    ICalComponent* master = nullptr;
    ASSERT_TRUE(e_cal_client_get_object_sync(events.get(), "review", nullptr, &master, nullptr,
                                             error.out()));
    EXPECT_TRUE(takeBytes(i_cal_component_as_ical_string(master)).contains("X-KEPT-AS-IT-IS"));
    g_object_unref(master);
    EXPECT_FALSE(
        store.reply(calendarId + QStringLiteral("/lunch-of-nobody"), std::nullopt, PS::accepted));

    // A source that goes takes its calendar with it.
    EXPECT_TRUE(e_source_remove_sync(calendar.get(), nullptr, error.out()))
        << error.message().toStdString();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return !store.calendarWithIdentifier(calendarId).has_value(); }, kWaitMs));
}

} // namespace
} // namespace ruvo::platform::eds
