// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/actions/ReminderRetiming.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace ruvo;
using namespace ruvo::events::actions;
using platform::DueDate;
using ruvo::test::at;

namespace {

QString describe(const std::optional<DueDate>& due) {
    if (!due)
        return QStringLiteral("none");
    QString text = due->date.toString(Qt::ISODate);
    if (due->time)
        text += QLatin1Char(' ') + due->time->toString(QStringLiteral("HH:mm")) + QLatin1Char(' ') +
                due->timeZoneId;
    return text;
}

std::vector<std::string> describe(const std::vector<RetimingChoice>& choices) {
    std::vector<std::string> list;
    for (const auto& c : choices)
        list.push_back((c.label + QStringLiteral(" = ") + describe(c.due)).toStdString());
    return list;
}

const QString kBerlin = QStringLiteral("Europe/Berlin");

} // namespace

TEST(ReminderRetiming, ChoicesAcrossDstAndDayBoundaries) {
    struct Row {
        const char* name;
        const char* now;
        std::optional<DueDate> due;
        std::vector<std::string> expected;
    };
    const Row rows[] = {
        // In 3 Hours counts real minutes: 02:00-03:00 does not exist that night.
        {"Saturday night before the spring change, timed due",
         "2026-03-28T22:30:10Z",
         DueDate{QDate(2026, 3, 28), QTime(9, 0), kBerlin},
         {"In 15 Minutes = 2026-03-28 23:45 Europe/Berlin",
          "In 30 Minutes = 2026-03-29 00:00 Europe/Berlin",
          "In 1 Hour = 2026-03-29 00:30 Europe/Berlin",
          "In 3 Hours = 2026-03-29 03:30 Europe/Berlin",
          "Tomorrow = 2026-03-29 09:00 Europe/Berlin",
          "Next Week (Monday) = 2026-03-30 09:00 Europe/Berlin",
          "A Week Later = 2026-04-04 09:00 Europe/Berlin",
          "A Month Later = 2026-04-28 09:00 Europe/Berlin", "Remove Time = 2026-03-28",
          "No Due Date = none"}},
        {"the autumn change repeats 02:00-03:00",
         "2026-10-24T23:30:00Z",
         DueDate{QDate(2026, 10, 25), QTime(8, 0), QStringLiteral("UTC")},
         {"In 15 Minutes = 2026-10-25 01:45 Europe/Berlin",
          "In 30 Minutes = 2026-10-25 02:00 Europe/Berlin",
          "In 1 Hour = 2026-10-25 02:30 Europe/Berlin",
          "In 3 Hours = 2026-10-25 03:30 Europe/Berlin",
          "This Afternoon (14:00) = 2026-10-25 14:00 Europe/Berlin",
          "This Evening (18:00) = 2026-10-25 18:00 Europe/Berlin",
          "Tomorrow = 2026-10-26 08:00 UTC", "Next Week (Monday) = 2026-10-26 08:00 UTC",
          "A Week Later = 2026-11-01 08:00 UTC", "A Month Later = 2026-11-25 08:00 UTC",
          "Remove Time = 2026-10-25", "No Due Date = none"}},
        {"morning, a day without time, end of January",
         "2026-01-31T09:10:20Z",
         DueDate{QDate(2026, 1, 31), std::nullopt, {}},
         {"In 15 Minutes = 2026-01-31 10:25 Europe/Berlin",
          "In 30 Minutes = 2026-01-31 10:40 Europe/Berlin",
          "In 1 Hour = 2026-01-31 11:10 Europe/Berlin",
          "In 3 Hours = 2026-01-31 13:10 Europe/Berlin",
          "This Afternoon (14:00) = 2026-01-31 14:00 Europe/Berlin",
          "This Evening (18:00) = 2026-01-31 18:00 Europe/Berlin", "Tomorrow = 2026-02-01",
          "Next Week (Monday) = 2026-02-02", "A Week Later = 2026-02-07",
          "A Month Later = 2026-02-28", "No Due Date = none"}},
        {"exactly 14:00 on a Monday, no due date",
         "2026-12-07T13:00:00Z",
         std::nullopt,
         {"In 15 Minutes = 2026-12-07 14:15 Europe/Berlin",
          "In 30 Minutes = 2026-12-07 14:30 Europe/Berlin",
          "In 1 Hour = 2026-12-07 15:00 Europe/Berlin",
          "In 3 Hours = 2026-12-07 17:00 Europe/Berlin",
          "This Evening (18:00) = 2026-12-07 18:00 Europe/Berlin", "Tomorrow = 2026-12-08",
          "Next Week (Monday) = 2026-12-14", "A Week Later = 2026-12-14",
          "A Month Later = 2027-01-07"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        platform::Reminder reminder;
        reminder.due = row.due;
        EXPECT_EQ(describe(retimingChoices(reminder, at(row.now), kBerlin)), row.expected);
    }
}
