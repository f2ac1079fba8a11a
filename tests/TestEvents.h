// SPDX-License-Identifier: GPL-3.0-or-later
// The event the tests build most: a title, an external identifier and a calendar, nothing else.
#pragma once

#include "platform/CalendarTypes.h"

#include <memory>

namespace ruvo::test {

inline std::shared_ptr<platform::EventData> eventData(const char* title, const char* uid,
                                                      const char* calendar = "A") {
    auto data = std::make_shared<platform::EventData>();
    data->title = QString::fromUtf8(title);
    data->calendarItemExternalIdentifier = QString::fromUtf8(uid);
    data->calendarIdentifier = QString::fromUtf8(calendar);
    return data;
}

} // namespace ruvo::test
