// SPDX-License-Identifier: GPL-3.0-or-later
// One publisher for everything that makes shown dates stale: the wall clock was set, the
// system zone or the locale changed, a new day began, or the machine woke from sleep.
// Events arrive on the main thread; wake arrives about one second after the machine resumes.
#pragma once

#include "kit/Signal.h"

#include <QString>

namespace ruvo::platform {

enum class DateEvent { clockChanged, timeZoneChanged, dayChanged, localeChanged, wake };

QString dateEventName(DateEvent event);

class SystemDateEvents {
public:
    virtual ~SystemDateEvents() = default;
    [[nodiscard]] virtual kit::Subscription subscribe(std::function<void(DateEvent)> handler) = 0;
};

inline QString dateEventName(DateEvent event) {
    switch (event) {
    case DateEvent::clockChanged:
        return QStringLiteral("clockChanged");
    case DateEvent::timeZoneChanged:
        return QStringLiteral("timeZoneChanged");
    case DateEvent::dayChanged:
        return QStringLiteral("dayChanged");
    case DateEvent::localeChanged:
        return QStringLiteral("localeChanged");
    case DateEvent::wake:
        return QStringLiteral("wake");
    }
    return {};
}

} // namespace ruvo::platform
