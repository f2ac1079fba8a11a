// SPDX-License-Identifier: GPL-3.0-or-later
#include "creation/ReminderChoices.h"

#include <QCoreApplication>

namespace ruvo::creation {

namespace {} // namespace

std::vector<PriorityChoice> priorityChoices() {
    return {{0, QCoreApplication::translate("ReminderChoices", "None")},
            {9, QCoreApplication::translate("ReminderChoices", "! Low")},
            {5, QCoreApplication::translate("ReminderChoices", "!! Medium")},
            {1, QCoreApplication::translate("ReminderChoices", "!!! High")}};
}

std::vector<DueDayChoice> dueDayChoices(QDate today) {
    return {{today, QCoreApplication::translate("ReminderChoices", "Today")},
            {today.addDays(1), QCoreApplication::translate("ReminderChoices", "Tomorrow")},
            {today.addDays(7), QCoreApplication::translate("ReminderChoices", "Next Week")}};
}

} // namespace ruvo::creation
