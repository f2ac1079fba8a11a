// SPDX-License-Identifier: GPL-3.0-or-later
// The line "ruvo import" prints: counts as whole phrases with their plural forms, in English
// and in German, including zero and a second import of the same items.
#include "cli/CommandFixture.h"
#include "cli/EventsCommand.h"

using namespace ruvo;

namespace {

QByteArray calendarFile(const QString& tag, int events, int reminders) {
    QByteArray ics = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//EN\r\n";
    for (int i = 0; i < events; ++i)
        ics += QStringLiteral("BEGIN:VEVENT\r\nUID:%1-e%2\r\nDTSTAMP:20261101T000000Z\r\n"
                              "DTSTART:20261209T090000Z\r\nDTEND:20261209T100000Z\r\n"
                              "SUMMARY:E%2\r\nEND:VEVENT\r\n")
                   .arg(tag)
                   .arg(i)
                   .toUtf8();
    for (int i = 0; i < reminders; ++i)
        ics += QStringLiteral("BEGIN:VTODO\r\nUID:%1-r%2\r\nDTSTAMP:20261101T000000Z\r\n"
                              "SUMMARY:R%2\r\nEND:VTODO\r\n")
                   .arg(tag)
                   .arg(i)
                   .toUtf8();
    return ics + "END:VCALENDAR\r\n";
}

class ImportSummaryTest : public test::CommandFixture {
protected:
    void SetUp() override {
        calendar = addCalendarFolder(folder.path(), {{QStringLiteral("displayname"), "Inbox\n"}});
    }

    QString import(const QString& tag, int events, int reminders) {
        const QString path = files.filePath(tag + QStringLiteral(".ics"));
        QFile file(path);
        if (!file.exists() && file.open(QIODevice::WriteOnly))
            file.write(calendarFile(tag, events, reminders));
        file.close();
        run(cli::importCommand(), {path, QStringLiteral("--calendar"), calendar});
        return output.section(QLatin1Char('\n'), 0, 0).replace(path, QStringLiteral("F"));
    }

    QTemporaryDir folder;
    QTemporaryDir files;
    QString calendar;
};

} // namespace

TEST_F(ImportSummaryTest, CountsArePhrasesWithPluralsInEnglishAndGerman) {
    const struct {
        const char* locale;
        const char* tag; // the same tag again imports the same items again
        int events, reminders;
        const char* expected;
    } rows[] = {
        {"en_US", "a", 1, 0, "Imported 1 event and 0 reminders from F"},
        {"en_US", "b", 2, 1, "Imported 2 events and 1 reminder from F"},
        {"en_US", "b", 2, 1, "Imported 0 events and 0 reminders from F (3 skipped)"},
        {"de_DE", "c", 1, 2, "1 Termin und 2 Erinnerungen aus F importiert"},
        {"de_DE", "d", 0, 1, "0 Termine und 1 Erinnerung aus F importiert"},
        {"de_DE", "c", 1, 2, "0 Termine und 0 Erinnerungen aus F importiert (3 übersprungen)"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.expected);
        const test::ScopedTranslations language(QString::fromLatin1(row.locale));
        EXPECT_EQ(import(QString::fromLatin1(row.tag), row.events, row.reminders),
                  QString::fromUtf8(row.expected))
            << qPrintable(errors);
    }
}
