// SPDX-License-Identifier: GPL-3.0-or-later
#include "FuzzInputs.h"
#include "TailReader.h"
#include "platform/linux/VdirCodec.h"
#include "platform/linux/VdirParser.h"
#include "platform/linux/VdirRecurrence.h"

namespace ruvo::fuzz {

using namespace platform::vdir;

namespace {

// One table for the whole run, as in the program: zones a file defines stay registered.
ZoneTable& zones() {
    static ZoneTable* table = [] {
        auto* t = new ZoneTable;
        t->setCurrentZone(QStringLiteral("Europe/Berlin"));
        return t;
    }();
    return *table;
}

std::optional<ParsedFile> parsed(QByteArrayView bytes) {
    ParseContext context;
    context.calendarIdentifier = QStringLiteral("fuzz");
    context.userAddresses = {QStringLiteral("me@example.org")};
    context.fallbackUid = QStringLiteral("fuzz.ics");
    context.zones = &zones();
    auto result = parseCalendarFile(bytes.toByteArray(), context);
    if (!result)
        return std::nullopt;
    return std::move(*result);
}

bool startsInWindow(const SeriesRecord& series, LocalSeconds from, LocalSeconds to) {
    bool inside = true;
    int taken = 0;
    forEachStart(series, from, to, [&](LocalSeconds t) {
        inside = inside && t >= from && t <= to;
        ++taken;
    });
    const auto rules = static_cast<int>(std::max<std::size_t>(series.rules.size(), 1));
    const auto extra = static_cast<int>(series.rdates.size());
    return inside && taken <= kMaxStartsPerSeries * rules + extra;
}

} // namespace

bool icsFile(QByteArrayView bytes) {
    const auto file = parsed(bytes);
    if (!file)
        return true;
    const QByteArray encoded = encodeParsedFile(*file, zones());
    StringPool pool;
    const auto decoded = decodeParsedFile(encoded, QStringLiteral("fuzz"), zones(), pool);
    return decoded && encodeParsedFile(*decoded, zones()) == encoded;
}

bool recurrence(QByteArrayView bytes) {
    TailReader input(bytes);
    // A window anywhere from 1900 to 2150, from a second to twenty years long.
    const LocalSeconds from = localSeconds(2026, 1, 1) + input.number(-126LL, 124LL) * 365 * 86400 +
                              input.number(0, 365 * 86400);
    const LocalSeconds to = from + input.number(1, 20LL * 365 * 86400);
    const QByteArrayView rest = input.rest();
    const auto file = parsed(rest);
    if (!file)
        return true;
    for (const SeriesRecord& series : file->series) {
        if (!startsInWindow(series, from, to))
            return false;
        lastStartOf(series);
        if (const auto next = nextStart(series, from); next && *next < from)
            return false;
    }
    for (std::size_t i = 0; i < file->reminders.size(); ++i)
        nextDue(*file, i, zones(), kit::instantFromMSecs(from * 1000));
    return true;
}

} // namespace ruvo::fuzz
