// SPDX-License-Identifier: GPL-3.0-or-later
// New events and reminders written into a vdir store and read back from disk.
#include "creation/SaveNewItem.h"

#include "creation/NewItemForms.h"
#include "platform/linux/VdirTestSupport.h"

#include <QDirIterator>
#include <gtest/gtest.h>

using namespace ruvo;
using ruvo::test::at;

namespace {

const QString kZone = QStringLiteral("Europe/Berlin");

// Every .ics file below `folder`, joined.
QByteArray filesBelow(const QString& folder) {
    QByteArray all;
    QDirIterator it(folder, {QStringLiteral("*.ics")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        if (f.open(QIODevice::ReadOnly))
            all += f.readAll();
    }
    return all;
}

class SaveNewItemTest : public ::testing::Test {
protected:
    kit::FixedClock clock{at("2026-12-08T12:00:00Z")};
    test::TempVdir vdir{kZone};
};

TEST_F(SaveNewItemTest, TheEventCarriesExactlyTheAlertsOfTheForm) {
    struct Case {
        std::optional<qint64> alert, alert2;
        std::vector<qint64> expected;
    };
    const Case cases[] = {
        {std::nullopt, std::nullopt, {}},
        {-900, std::nullopt, {-900}},
        {std::nullopt, -3600, {-3600}},
        {-900, -86400, {-900, -86400}},
        {0, 0, {0, 0}}, // the same moment twice is still two alarms
    };
    for (const Case& c : cases) {
        test::TempVdir fresh{kZone};
        auto store = fresh.open({}, nullptr, &clock);
        creation::NewEventForm form;
        form.title = QStringLiteral("Review");
        form.start = at("2026-12-10T09:00:00Z");
        form.end = at("2026-12-10T10:00:00Z");
        form.alert = c.alert;
        form.alert2 = c.alert2;
        const auto saved = creation::saveNewEvent(*store, creation::eventDraft(form, kZone));
        ASSERT_TRUE(saved) << qPrintable(saved.error());
        std::vector<qint64> offsets;
        for (const auto& alarm : saved->alarms())
            offsets.push_back(alarm.relativeOffset.count());
        EXPECT_EQ(offsets, c.expected);
        EXPECT_EQ(filesBelow(fresh.root()).count("BEGIN:VALARM"), qsizetype(c.expected.size()));
        EXPECT_EQ(saved->start(), form.start);
    }
}

TEST_F(SaveNewItemTest, AReminderIsDueAndAlarmedOnlyWithRemindMe) {
    struct Case {
        bool useDueDate;
        bool withTime;
        const char* due; // the DUE line, nullptr for none
        qsizetype alarms;
    };
    const Case cases[] = {
        {false, false, nullptr, 0},
        {false, true, nullptr, 0}, // "Time" alone does nothing
        {true, false, "DUE;VALUE=DATE:20261224", 1},
        {true, true, "DUE;TZID=Europe/Berlin:20261224T153000", 1},
    };
    for (const Case& c : cases) {
        test::TempVdir fresh{kZone};
        auto store = fresh.open({}, nullptr, &clock);
        creation::NewReminderForm form;
        form.title = QStringLiteral("Buy a tree");
        form.useDueDate = c.useDueDate;
        form.dueDate = QDate(2026, 12, 24);
        form.isDueDateWithTime = c.withTime;
        form.dueTime = QTime(15, 30);
        const auto saved = creation::saveNewReminder(*store, creation::reminderDraft(form, kZone));
        ASSERT_TRUE(saved) << qPrintable(saved.error());
        const QByteArray text = filesBelow(fresh.root());
        EXPECT_EQ(text.contains("DUE"), c.due != nullptr) << text.constData();
        if (c.due) {
            EXPECT_TRUE(text.contains(c.due)) << text.constData();
        }
        EXPECT_EQ(text.count("BEGIN:VALARM"), c.alarms);
        if (c.alarms) {
            EXPECT_TRUE(text.contains("TRIGGER;RELATED=END:PT0S")) << text.constData();
        }
    }
}

TEST_F(SaveNewItemTest, AReadOnlyOrUnknownCalendarIsRefusedAndNothingWritten) {
    vdir.write(QStringLiteral("talk.ics"),
               test::calendarText("BEGIN:VEVENT\r\nUID:talk\r\nSUMMARY:Talk\r\n"
                                  "DTSTART:20261210T090000Z\r\nDTEND:20261210T100000Z\r\n"
                                  "END:VEVENT\r\n"));
    auto store = vdir.open({}, nullptr, &clock, /*readOnly=*/true);
    QString readOnly;
    for (const auto& c : store->calendars(platform::EntityType::event))
        if (!c.isWritable)
            readOnly = c.identifier;
    ASSERT_FALSE(readOnly.isEmpty());
    const QByteArray before = filesBelow(vdir.root());
    struct Case {
        QString calendar;
        const char* message;
    };
    const Case cases[] = {{readOnly, "is read-only"}, {QStringLiteral("nowhere"), "no calendar"}};
    for (const Case& c : cases) {
        platform::EventDraft draft;
        draft.calendarIdentifier = c.calendar;
        draft.title = QStringLiteral("Party");
        draft.start = at("2026-12-10T18:00:00Z");
        draft.end = at("2026-12-10T22:00:00Z");
        const auto saved = creation::saveNewEvent(*store, draft);
        ASSERT_FALSE(saved);
        EXPECT_TRUE(saved.error().contains(QLatin1String(c.message))) << qPrintable(saved.error());
        platform::ReminderDraft reminder;
        reminder.calendarIdentifier = c.calendar;
        reminder.title = QStringLiteral("Party");
        EXPECT_FALSE(creation::saveNewReminder(*store, reminder));
    }
    EXPECT_EQ(filesBelow(vdir.root()), before);
}

} // namespace
