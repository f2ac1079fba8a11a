// SPDX-License-Identifier: GPL-3.0-or-later
// The location for display once a meeting link is taken out of it. Each step is one pass over
// the text: a location is a stranger's text, and the patterns these steps replace took time
// proportional to the square of a long run of spaces.
#pragma once

#include <QString>
#include <utility>
#include <vector>

namespace ruvo::videocalls {

// `text` without the given ranges (start, length), which are in text order and do not overlap.
QString withoutRanges(QStringView text, const std::vector<std::pair<qsizetype, qsizetype>>& ranges);

// Runs of spaces and separators (",", ";", "|") that hold two separators or more become the
// first of them and one space: "Room 4 , ; Floor 2" -> "Room 4, Floor 2".
QString collapsedSeparatorRuns(QStringView text);

// Without spaces and separators at the start, nor spaces, separators and dashes at the end.
QString trimmedSeparators(QStringView text);

} // namespace ruvo::videocalls
