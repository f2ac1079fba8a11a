// SPDX-License-Identifier: GPL-3.0-or-later
// Small libical helpers shared by the code that writes and edits vdir files: an owning
// component pointer, reading a file into a component tree and serialising one back.
#pragma once

#include "kit/Result.h"
#include "kit/Time.h"
#include "platform/CalendarTypes.h"

#include <QByteArray>
#include <QFile>
#include <libical/ical.h>
#include <memory>

namespace ruvo::platform::vdir {

struct ComponentDeleter {
    void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
using ComponentPtr = std::unique_ptr<icalcomponent, ComponentDeleter>;

inline icaltimetype utcTime(kit::Instant t) {
    return icaltime_from_timet_with_zone(time_t(kit::msecsSinceEpoch(t) / 1000), 0,
                                         icaltimezone_get_utc_timezone());
}

inline ComponentPtr readCalendar(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return nullptr;
    return ComponentPtr(icalparser_parse_string(f.readAll().constData()));
}

inline kit::Result<QByteArray> serialize(icalcomponent* cal) {
    char* text = icalcomponent_as_ical_string_r(cal);
    if (!text)
        return kit::fail(QStringLiteral("Cannot write the calendar item."));
    QByteArray bytes(text);
    icalmemory_free_buffer(text);
    return bytes;
}

// A DUE property for `due`: a date, a UTC time, a time with its TZID or a floating time.
icalproperty* newDueProperty(const DueDate& due);

} // namespace ruvo::platform::vdir
