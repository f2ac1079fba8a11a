// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/actions/ReminderRetiming.h"

#include "kit/LocalTime.h"

#include <QCoreApplication>
#include <QTimeZone>

namespace ruvo::events::actions {

namespace {

using platform::DueDate;

struct Context {
    QTimeZone zone;
    QString zoneId;
    QDateTime now; // in `zone`
    std::optional<DueDate> due;

    DueDate at(QDate day, std::optional<QTime> time) const {
        return DueDate{day, time, time ? zoneId : QString()};
    }
    // A later day at the reminder's own time of day (in its own zone when it has one).
    DueDate onDay(QDate day) const {
        if (due && due->time)
            return DueDate{day, due->time, due->timeZoneId};
        return DueDate{day, std::nullopt, {}};
    }
    DueDate after(kit::Seconds seconds) const {
        const QDateTime t = now.addSecs(seconds.count());
        const QTime minute(t.time().hour(), t.time().minute());
        return at(t.date(), minute);
    }
    QDate dueDay() const { return due ? due->date : now.date(); }
};

QDate nextMonday(QDate today) {
    return today.addDays(8 - today.dayOfWeek());
}

} // namespace

std::vector<RetimingChoice> retimingChoices(const platform::Reminder& reminder, kit::Instant now,
                                            const QString& zoneId) {
    const QTimeZone zone = kit::zoneOrUtc(zoneId);
    const Context c{zone, QString::fromUtf8(zone.id()), kit::toQDateTime(now).toTimeZone(zone),
                    reminder.due};
    const QDate today = c.now.date();
    std::vector<RetimingChoice> choices{
        {Retiming::in15Minutes, QCoreApplication::translate("ReminderRetiming", "In 15 Minutes"),
         c.after(kit::Seconds(15 * 60))},
        {Retiming::in30Minutes, QCoreApplication::translate("ReminderRetiming", "In 30 Minutes"),
         c.after(kit::Seconds(30 * 60))},
        {Retiming::in1Hour, QCoreApplication::translate("ReminderRetiming", "In 1 Hour"),
         c.after(kit::Seconds(3600))},
        {Retiming::in3Hours, QCoreApplication::translate("ReminderRetiming", "In 3 Hours"),
         c.after(kit::Seconds(3 * 3600))},
    };
    if (c.now.time() < QTime(14, 0))
        choices.push_back(
            {Retiming::thisAfternoon,
             QCoreApplication::translate("ReminderRetiming", "This Afternoon (14:00)"),
             c.at(today, QTime(14, 0))});
    if (c.now.time() < QTime(18, 0))
        choices.push_back({Retiming::thisEvening,
                           QCoreApplication::translate("ReminderRetiming", "This Evening (18:00)"),
                           c.at(today, QTime(18, 0))});
    choices.push_back({Retiming::tomorrow,
                       QCoreApplication::translate("ReminderRetiming", "Tomorrow"),
                       c.onDay(today.addDays(1))});
    choices.push_back({Retiming::nextWeek,
                       QCoreApplication::translate("ReminderRetiming", "Next Week (Monday)"),
                       c.onDay(nextMonday(today))});
    choices.push_back({Retiming::aWeekLater,
                       QCoreApplication::translate("ReminderRetiming", "A Week Later"),
                       c.onDay(c.dueDay().addDays(7))});
    choices.push_back({Retiming::aMonthLater,
                       QCoreApplication::translate("ReminderRetiming", "A Month Later"),
                       c.onDay(c.dueDay().addMonths(1))});
    if (reminder.due && reminder.due->time)
        choices.push_back({Retiming::removeTime,
                           QCoreApplication::translate("ReminderRetiming", "Remove Time"),
                           DueDate{reminder.due->date, std::nullopt, {}}});
    if (reminder.due)
        choices.push_back({Retiming::noDueDate,
                           QCoreApplication::translate("ReminderRetiming", "No Due Date"),
                           std::nullopt});
    return choices;
}

} // namespace ruvo::events::actions
