// SPDX-License-Identifier: GPL-3.0-or-later
// Hides events by title for one place (event list, menu-bar event, notifications).
//
// Only enabled matchers that name the place take part; with none the items come back as
// they are. The whole filtering has a time limit (4 seconds) measured on `steady`, a clock of
// elapsed time (kit::steadyClock(); a virtual one in tests), never the program's idea of "now",
// which stands still under --now: past it the diagnostic "The event exclusion rule with pattern “…”
// took too long to execute. Your regex may be invalid." is logged once and the items come back
// unfiltered, so a slow pattern never hides events. A regex that does not compile (or fails while
// searching) hides nothing and is logged; the other matchers still apply.
#pragma once

#include "events/exclusion/TitleMatcher.h"
#include "settings/Keys.h"

#include <vector>

namespace ruvo::exclusion {

using Location = EventExcludeMatcher::Location;

inline constexpr kit::Milliseconds kFilterTimeLimit{4000};

struct TitleFilterResult {
    std::vector<bool> isExcluded; // one per title; all false when timed out
    bool timedOut = false;
};

TitleFilterResult excludedTitles(const QStringList& titles,
                                 const settings::ExcludeMatcherList& matchers, Location location,
                                 const kit::Clock& steady,
                                 kit::Milliseconds limit = kFilterTimeLimit);

// The description of matchers that the diagnostic quotes: their patterns, as a list.
QString describeMatchers(const settings::ExcludeMatcherList& matchers);

// The items whose title (`titleOf(item)`) no matcher for `location` matches, in order.
template <typename Item, typename TitleOf>
std::vector<Item> filterCalendarItems(std::vector<Item> items,
                                      const settings::ExcludeMatcherList& matchers,
                                      Location location, const kit::Clock& steady, TitleOf titleOf,
                                      kit::Milliseconds limit = kFilterTimeLimit) {
    QStringList titles;
    titles.reserve(static_cast<qsizetype>(items.size()));
    for (const Item& item : items)
        titles << titleOf(item);
    const TitleFilterResult result = excludedTitles(titles, matchers, location, steady, limit);
    if (result.timedOut)
        return items;
    std::vector<Item> kept;
    kept.reserve(items.size());
    for (std::size_t i = 0; i < items.size(); ++i)
        if (!result.isExcluded[i])
            kept.push_back(std::move(items[i]));
    return kept;
}

} // namespace ruvo::exclusion
