// SPDX-License-Identifier: GPL-3.0-or-later
#include "quickadd/QuickAddWords.h"

#include <array>

namespace ruvo::quickadd {

namespace {

constexpr std::array kWeekdays{
    Word{"monday", 1},    Word{"mon", 1},      Word{"montag", 1},     Word{"tuesday", 2},
    Word{"tue", 2},       Word{"tues", 2},     Word{"dienstag", 2},   Word{"wednesday", 3},
    Word{"wed", 3},       Word{"mittwoch", 3}, Word{"thursday", 4},   Word{"thu", 4},
    Word{"thur", 4},      Word{"thurs", 4},    Word{"donnerstag", 4}, Word{"friday", 5},
    Word{"fri", 5},       Word{"freitag", 5},  Word{"saturday", 6},   Word{"samstag", 6},
    Word{"sonnabend", 6}, Word{"sunday", 7},   Word{"sonntag", 7},
};

constexpr std::array kMonths{
    Word{"january", 1},  Word{"jan", 1},       Word{"januar", 1},    Word{"jänner", 1},
    Word{"february", 2}, Word{"feb", 2},       Word{"februar", 2},   Word{"march", 3},
    Word{"mar", 3},      Word{"märz", 3},      Word{"april", 4},     Word{"apr", 4},
    Word{"may", 5},      Word{"mai", 5},       Word{"june", 6},      Word{"jun", 6},
    Word{"juni", 6},     Word{"july", 7},      Word{"jul", 7},       Word{"juli", 7},
    Word{"august", 8},   Word{"aug", 8},       Word{"september", 9}, Word{"sep", 9},
    Word{"sept", 9},     Word{"october", 10},  Word{"oct", 10},      Word{"oktober", 10},
    Word{"okt", 10},     Word{"november", 11}, Word{"nov", 11},      Word{"december", 12},
    Word{"dec", 12},     Word{"dezember", 12}, Word{"dez", 12},
};

constexpr std::array kDays{
    Word{"today", 0},  Word{"heute", 0},      Word{"tomorrow", 1},
    Word{"morgen", 1}, Word{"übermorgen", 2},
};

constexpr int kMinute = 60;
constexpr int kHour = 3600;
constexpr int kDay = 86400;
constexpr std::array kUnits{
    Word{"m", kMinute},      Word{"min", kMinute},     Word{"mins", kMinute},
    Word{"minute", kMinute}, Word{"minutes", kMinute}, Word{"minuten", kMinute},
    Word{"h", kHour},        Word{"hr", kHour},        Word{"hrs", kHour},
    Word{"hour", kHour},     Word{"hours", kHour},     Word{"std", kHour},
    Word{"stunde", kHour},   Word{"stunden", kHour},   Word{"day", kDay},
    Word{"days", kDay},      Word{"tag", kDay},        Word{"tage", kDay},
    Word{"tagen", kDay},     Word{"week", 7 * kDay},   Word{"weeks", 7 * kDay},
    Word{"woche", 7 * kDay}, Word{"wochen", 7 * kDay},
};

constexpr std::array kOnes{
    Word{"a", 1},    Word{"an", 1},    Word{"one", 1},   Word{"ein", 1},
    Word{"eine", 1}, Word{"einer", 1}, Word{"einem", 1}, Word{"einen", 1},
};

} // namespace

std::span<const Word> weekdayWords() {
    return kWeekdays;
}
std::span<const Word> monthWords() {
    return kMonths;
}
std::span<const Word> dayWords() {
    return kDays;
}
std::span<const Word> unitWords() {
    return kUnits;
}
std::span<const Word> oneWords() {
    return kOnes;
}

std::optional<int> lookUp(std::span<const Word> table, const QString& word) {
    for (const Word& w : table)
        if (word == QString::fromUtf8(w.text))
            return w.value;
    return std::nullopt;
}

bool isOneOf(const QString& word, std::initializer_list<const char*> words) {
    for (const char* w : words)
        if (word == QString::fromUtf8(w))
            return true;
    return false;
}

} // namespace ruvo::quickadd
