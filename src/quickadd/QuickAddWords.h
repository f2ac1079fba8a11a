// SPDX-License-Identifier: GPL-3.0-or-later
// The English and German words the quick-add reader knows, as tables. Every word is stored
// lower case; the reader folds the sentence's words the same way before looking them up.
#pragma once

#include <QString>
#include <optional>
#include <span>

namespace ruvo::quickadd {

struct Word {
    const char* text;
    int value;
};

// Monday 1 ... Sunday 7, as QDate::dayOfWeek counts.
std::span<const Word> weekdayWords();
// January 1 ... December 12.
std::span<const Word> monthWords();
// Days from today: "today" 0, "tomorrow" 1, "übermorgen" 2.
std::span<const Word> dayWords();
// Seconds in one unit: "min" 60, "hours" 3600, "Tagen" 86400.
std::span<const Word> unitWords();
// Words standing for the number one: "an" hour, "einer" Stunde.
std::span<const Word> oneWords();

// The value of `word` in `table`, if it is there.
std::optional<int> lookUp(std::span<const Word> table, const QString& word);
bool isOneOf(const QString& word, std::initializer_list<const char*> words);

} // namespace ruvo::quickadd
