// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the benchmarks' generated calendar (CalendarGenerator.h) for scripts that measure
// whole processes: generate_calendar FOLDER EVENTS
#include "CalendarGenerator.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    const int events = argc == 3 ? std::atoi(argv[2]) : 0;
    if (events <= 0) {
        std::fprintf(stderr, "usage: generate_calendar FOLDER EVENTS\n");
        return 2;
    }
    const auto made = ruvo::bench::generateCalendar(QString::fromLocal8Bit(argv[1]), events);
    std::printf("%d files in %s\n", made.files, qPrintable(made.folder));
    return 0;
}
