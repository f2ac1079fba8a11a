// SPDX-License-Identifier: GPL-3.0-or-later
// The bodies of the fuzz targets, one per reader of untrusted input. Each takes the raw bytes
// and returns false when an invariant of the reader does not hold (a fuzzer aborts on it,
// the replay test fails on it); a crash, hang or sanitizer report is a failure on its own.
// They link into the libFuzzer targets and into the replay test of the normal build.
#pragma once

#include <QByteArrayView>
#include <QString>
#include <vector>

namespace ruvo::fuzz {

// An .ics file through the parser and the cache's encoder and decoder: the decoded records
// encode to the same bytes.
bool icsFile(QByteArrayView bytes);

// An .ics file and a query window (taken from the input's last bytes): every start found lies
// in the window, no series gives more than the per-query limit.
bool recurrence(QByteArrayView bytes);

// Free text as event notes and location: found links lie in the text and are web links.
bool linksAndNotes(QByteArrayView bytes);

// A settings document: what is read writes out and reads back to the same document.
bool propertyList(QByteArrayView bytes);

// A calendar snapshot file and a query window (from the input's last bytes): opening it,
// finding the files of the window and of open reminders, and decoding each either works or is
// refused; the files found are ascending and each within the snapshot.
bool calendarSnapshot(QByteArrayView bytes);

// A locale, zone and instant (from the input's last bytes) and a date-format pattern.
bool clockPattern(QByteArrayView bytes);

struct Target {
    const char* name; // also the folder of its seeds and regression inputs
    bool (*run)(QByteArrayView);
};
const std::vector<Target>& targets();

} // namespace ruvo::fuzz
