// SPDX-License-Identifier: GPL-3.0-or-later
// Reads one iCalendar file of a vdir collection into compact records with libical.
// libical 3.0 reads all-day and floating times as UTC and applies no RECURRENCE-ID
// overrides: this parser keeps wall-clock times with their zone and merges overrides into
// their series by UID itself.
#pragma once

#include "kit/Result.h"
#include "platform/linux/VdirRecords.h"

#include <QStringList>

namespace ruvo::platform::vdir {

struct ParseContext {
    QString calendarIdentifier;
    QStringList userAddresses; // lower case, without "mailto:"
    QString fallbackUid;       // for items without a UID: the file's name
    ZoneTable* zones = nullptr;
};

kit::Result<ParsedFile> parseCalendarFile(const QByteArray& text, const ParseContext& context);

} // namespace ruvo::platform::vdir
