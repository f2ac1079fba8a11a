// SPDX-License-Identifier: GPL-3.0-or-later
// The EDS store against a Radicale CalDAV server the test starts on 127.0.0.1 without
// authentication: its collection as a CalDAV calendar of Evolution Data Server (registry and
// factory on a private bus, as in the EDS server test), read and written through the store.
#include "PrivateEds.h"
#include "VdirTestSupport.h"
#include "platform/linux/EdsCalendarStore.h"
#include "platform/linux/EdsGlib.h"

#include <QDir>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <gtest/gtest.h>

namespace ruvo::platform {
namespace {

constexpr int kWaitMs = 30000;

kit::Instant utc(int y, int mo, int d, int h) {
    return kit::fromQDateTime(QDateTime(QDate(y, mo, d), QTime(h, 0), QTimeZone::utc()));
}

int freePort() {
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost, 0) ? probe.serverPort() : 0;
}

// A Radicale server over a temporary folder, with one calendar "Work" of the user "me" that
// holds one event.
class Radicale {
public:
    Radicale() : m_port(freePort()) {
        QDir().mkpath(collection());
        write(collection() + QStringLiteral("/.Radicale.props"),
              R"({"tag": "VCALENDAR", "D:displayname": "Work",
                  "C:supported-calendar-component-set": "VEVENT,VTODO"})");
        write(collection() + QStringLiteral("/kickoff.ics"),
              test::calendarText("BEGIN:VEVENT\r\nUID:kickoff\r\nDTSTAMP:20261201T000000Z\r\n"
                                 "DTSTART:20261208T090000Z\r\nDTEND:20261208T100000Z\r\n"
                                 "SUMMARY:Kickoff\r\nEND:VEVENT\r\n"));
        const QString config = m_dir.filePath(QStringLiteral("config"));
        write(config, QStringLiteral("[server]\nhosts = 127.0.0.1:%1\n[auth]\ntype = none\n"
                                     "[rights]\ntype = authenticated\n[storage]\n"
                                     "filesystem_folder = %2\n[logging]\nlevel = warning\n")
                          .arg(m_port)
                          .arg(m_dir.filePath(QStringLiteral("collections")))
                          .toUtf8());
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(QStringLiteral("radicale"), {QStringLiteral("--config"), config});
    }
    ~Radicale() {
        m_process.terminate();
        m_process.waitForFinished(5000);
    }
    Radicale(const Radicale&) = delete;
    Radicale& operator=(const Radicale&) = delete;

    static bool isInstalled() {
        return !QStandardPaths::findExecutable(QStringLiteral("radicale")).isEmpty();
    }
    bool waitUntilListening() {
        return m_port > 0 && QTest::qWaitFor(
                                 [&] {
                                     QTcpSocket s;
                                     s.connectToHost(QHostAddress::LocalHost, quint16(m_port));
                                     return s.waitForConnected(200);
                                 },
                                 kWaitMs);
    }
    QString collection() const {
        return m_dir.filePath(QStringLiteral("collections/collection-root/me/work"));
    }
    QString url() const { return QStringLiteral("http://127.0.0.1:%1/me/work/").arg(m_port); }

    // The calendar as Radicale serves it (a GET of the collection), or empty.
    QByteArray served() const {
        QTcpSocket s;
        s.connectToHost(QHostAddress::LocalHost, quint16(m_port));
        if (!s.waitForConnected(5000))
            return {};
        s.write("GET /me/work/ HTTP/1.0\r\nHost: 127.0.0.1\r\n\r\n");
        QByteArray reply;
        while (s.waitForReadyRead(5000) || s.bytesAvailable() > 0)
            reply += s.readAll();
        return reply;
    }

private:
    static void write(const QString& path, const QByteArray& bytes) {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            ADD_FAILURE() << "cannot write " << path.toStdString();
    }

    QTemporaryDir m_dir;
    int m_port;
    QProcess m_process;
};

QStringList titles(const CalendarStore& store, const QString& calendar) {
    QStringList out;
    for (const Event& e : store.events({{utc(2026, 12, 1, 0), utc(2027, 1, 1, 0)}, {calendar}}))
        out << e.title();
    return out;
}

EventDraft lunch(const QString& calendar) {
    EventDraft d;
    d.calendarIdentifier = calendar;
    d.title = QStringLiteral("Lunch");
    d.start = utc(2026, 12, 9, 11);
    d.end = utc(2026, 12, 9, 12);
    return d;
}

// A CalDAV calendar of the registry at `url`, with no credentials (the server asks none).
eds::GObjectPtr<ESource> addCalDavSource(ESourceRegistry* registry, const QString& url) {
    using namespace eds;
    GErrorHolder error;
    GObjectPtr<ESource> source(e_source_new(nullptr, nullptr, error.out()));
    e_source_set_parent(source.get(), "caldav-stub");
    e_source_set_display_name(source.get(), "Radicale");
    e_source_backend_set_backend_name(
        E_SOURCE_BACKEND(e_source_get_extension(source.get(), E_SOURCE_EXTENSION_CALENDAR)),
        "caldav");
    GUri* uri = g_uri_parse(url.toUtf8().constData(), G_URI_FLAGS_NONE, nullptr);
    e_source_webdav_set_uri(
        E_SOURCE_WEBDAV(e_source_get_extension(source.get(), E_SOURCE_EXTENSION_WEBDAV_BACKEND)),
        uri);
    g_uri_unref(uri);
    auto* auth = E_SOURCE_AUTHENTICATION(
        e_source_get_extension(source.get(), E_SOURCE_EXTENSION_AUTHENTICATION));
    e_source_authentication_set_host(auth, "127.0.0.1");
    e_source_authentication_set_user(auth, "me");
    e_source_authentication_set_method(auth, "none");
    if (!e_source_registry_commit_source_sync(registry, source.get(), nullptr, error.out()))
        ADD_FAILURE() << "commit: " << error.message().toStdString();
    return GObjectPtr<ESource>(
        e_source_registry_ref_source(registry, e_source_get_uid(source.get())));
}

TEST(Radicale, ACalDavCalendarOfEdsIsReadAndWrittenThroughTheStore) {
    if (!Radicale::isInstalled() || !test::PrivateEds::isInstalled())
        GTEST_SKIP() << "radicale or Evolution Data Server is not installed";
    Radicale server;
    ASSERT_TRUE(server.waitUntilListening());
    test::PrivateEds privateEds;
    ASSERT_TRUE(privateEds.isRunning());

    kit::FixedClock clock{utc(2026, 12, 6, 12)};
    eds::EdsCalendarStore store(eds::EdsStoreOptions{QStringLiteral("UTC"), &clock});
    store.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return store.isSettled(); }, kWaitMs));
    eds::GErrorHolder error;
    eds::GObjectPtr<ESourceRegistry> registry(e_source_registry_new_sync(nullptr, error.out()));
    ASSERT_TRUE(registry) << error.message().toStdString();
    auto source = addCalDavSource(registry.get(), server.url());
    ASSERT_TRUE(source);
    const QString id = QString::fromUtf8(e_source_get_uid(source.get()));

    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return titles(store, id) == QStringList{QStringLiteral("Kickoff")}; }, kWaitMs))
        << titles(store, id).join(u',').toStdString();
    auto saved = store.saveEvent(lunch(id));
    ASSERT_TRUE(saved) << saved.error().toStdString();
    EXPECT_TRUE(QTest::qWaitFor([&] { return server.served().contains("SUMMARY:Lunch"); }, kWaitMs))
        << server.served().constData();
}

} // namespace
} // namespace ruvo::platform
