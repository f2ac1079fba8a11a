// SPDX-License-Identifier: GPL-3.0-or-later
#include "creation/ReminderChoices.h"

#include <QCoreApplication>

namespace ruvo::creation {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("ReminderChoices", text);
}

} // namespace

std::vector<PriorityChoice> priorityChoices() {
    return {{0, tr("None")}, {9, tr("! Low")}, {5, tr("!! Medium")}, {1, tr("!!! High")}};
}

std::vector<DueDayChoice> dueDayChoices(QDate today) {
    return {{today, tr("Today")},
            {today.addDays(1), tr("Tomorrow")},
            {today.addDays(7), tr("Next Week")}};
}

} // namespace ruvo::creation
