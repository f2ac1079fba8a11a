// SPDX-License-Identifier: GPL-3.0-or-later
// Reads a quick-add sentence word by word into what it says: a day, a time or a range of
// times, a duration, a start from now, a place, and the words left over for the title. It
// knows English and German words in any mix. It refuses a sentence that says one thing
// twice ("tomorrow ... Friday") or a time that could be morning or evening, with the reason.
#pragma once

#include "kit/Result.h"
#include "kit/Time.h"

#include <QDate>
#include <QStringList>
#include <QTime>
#include <optional>

namespace ruvo::quickadd {

// A value and the words of the sentence that said it.
template <typename T> struct Said {
    T value;
    QString words;
};

struct Findings {
    std::optional<Said<QDate>> date;
    std::optional<Said<QTime>> start;
    std::optional<Said<QTime>> end; // the second time of a range ("9-10am")
    std::optional<Said<kit::Seconds>> duration;
    std::optional<Said<kit::Seconds>> fromNow; // "in 2 hours"
    QStringList title;
    QStringList location;
};

struct ReaderContext {
    QDate today;
    bool isTwelveHour = false; // a bare "at 7" could be morning or evening
    bool isMonthFirst = false; // "5/6" is 6 May
};

kit::Result<Findings> readSentence(const QString& sentence, const ReaderContext& context);

} // namespace ruvo::quickadd
