// SPDX-License-Identifier: GPL-3.0-or-later
// The reminder form's quick choices: its priorities and three due days.
#pragma once

#include <QDate>
#include <QString>
#include <vector>

namespace ruvo::creation {

struct PriorityChoice {
    int priority; // as the store numbers it: 0 none, 1 highest ... 9 lowest
    QString text;
};
// "None", then low, medium and high with their exclamation marks.
std::vector<PriorityChoice> priorityChoices();

struct DueDayChoice {
    QDate day;
    QString text;
};
// "Today", "Tomorrow" and "Next Week" (a week from today), from the user's `today`.
std::vector<DueDayChoice> dueDayChoices(QDate today);

} // namespace ruvo::creation
