// SPDX-License-Identifier: GPL-3.0-or-later
// `ruvo add` on the vdir calendars of a temporary config folder: what it shows, what it
// writes, and what it refuses.
#include "cli/AddCommand.h"

#include "cli/CommandFixture.h"
#include "cli/EventsCommand.h"

#include <QDirIterator>

using namespace ruvo;

namespace {

// The default calendar lives in the data folder: each test gets its own, so nothing saved
// outlives it.
class AddCommandTest : public test::CommandFixture {
protected:
    AddCommandTest() : m_dataHome(qEnvironmentVariable("XDG_DATA_HOME")) {
        qputenv("XDG_DATA_HOME", data.path().toUtf8());
    }
    ~AddCommandTest() override { qputenv("XDG_DATA_HOME", m_dataHome.toUtf8()); }

    // Every .ics file below `folder`, with its size.
    static QStringList icsFiles(const QString& folder) {
        QStringList files;
        QDirIterator it(folder, {QStringLiteral("*.ics")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            it.next();
            files << it.fileName() + QLatin1Char(':') + QString::number(it.fileInfo().size());
        }
        files.sort();
        return files;
    }

    QJsonArray events() {
        EXPECT_EQ(run(cli::eventsCommand(), words("--json")), cli::kExitOk);
        return json().array();
    }

    // A copy of the team calendar, added read-only; answers its identifier.
    QString addReadOnlyCalendar() {
        for (const char* name : {"displayname", "standup.ics"})
            QFile::copy(test::dataPath(QStringLiteral("calendars/team/")) + QLatin1String(name),
                        readOnly.path() + QLatin1Char('/') + QLatin1String(name));
        return addCalendarFolder(readOnly.path(), {}, {QStringLiteral("--read-only")});
    }

    QTemporaryDir data;
    QTemporaryDir readOnly;

private:
    QString m_dataHome;
};

} // namespace

TEST_F(AddCommandTest, DryRunShowsTheEventAsSavingWouldAndWritesNothing) {
    const QStringList sentence{QStringLiteral("Lunch with Ana Friday 1pm at Café Central")};
    ASSERT_EQ(run(cli::addCommand(), sentence + QStringList{QStringLiteral("--dry-run")}),
              cli::kExitOk)
        << qPrintable(errors);
    EXPECT_EQ(
        output.section(QLatin1Char('\n'), 0, 0),
        QStringLiteral("Lunch with Ana — Fri, Dec 11, 1:00\u202FPM – 2:00\u202FPM at Café Central, "
                       "calendar Calendar"));
    ASSERT_EQ(run(cli::addCommand(),
                  sentence + QStringList{QStringLiteral("--dry-run"), QStringLiteral("--json")}),
              cli::kExitOk);
    QJsonObject shown = json().object();
    EXPECT_EQ(icsFiles(data.path()), QStringList());
    EXPECT_TRUE(events().isEmpty());

    ASSERT_EQ(run(cli::addCommand(), sentence + words("--json")), cli::kExitOk)
        << qPrintable(errors);
    const QJsonObject saved = json().object();
    EXPECT_EQ(icsFiles(data.path()).size(), 1);
    const QJsonArray listed = events();
    ASSERT_EQ(listed.size(), 1);
    EXPECT_EQ(listed[0].toObject(), saved);
    // Only the identifier is new once saved.
    EXPECT_FALSE(saved[QLatin1String("uid")].toString().isEmpty());
    shown[QStringLiteral("uid")] = saved[QLatin1String("uid")];
    EXPECT_EQ(shown, saved);
}

TEST_F(AddCommandTest, RefusalsWriteNothing) {
    const QString readOnlyId = addReadOnlyCalendar();
    ASSERT_FALSE(readOnlyId.isEmpty());
    const QStringList before = icsFiles(readOnly.path());
    struct Row {
        QStringList arguments;
        int status;
        const char* error;
    };
    // The parser's own refusals are QuickAdd's table; one shows they reach the command.
    const Row rows[] = {
        {{QStringLiteral("Yoga tomorrow Friday")}, cli::kExitUsage, "Two days"},
        {{QStringLiteral("Standup 9am"), QStringLiteral("--calendar"), readOnlyId},
         cli::kExitFailure,
         "is read-only"},
        {{QStringLiteral("Standup 9am"), QStringLiteral("--calendar"), QStringLiteral("nope")},
         cli::kExitFailure,
         "There is no calendar “nope”"},
        {{}, cli::kExitUsage, "SENTENCE"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(qPrintable(row.arguments.join(QLatin1Char(' '))));
        EXPECT_EQ(run(cli::addCommand(), row.arguments), row.status);
        EXPECT_TRUE(errors.contains(QString::fromUtf8(row.error))) << qPrintable(errors);
    }
    EXPECT_EQ(icsFiles(readOnly.path()), before);
    EXPECT_EQ(icsFiles(data.path()), QStringList());
}
